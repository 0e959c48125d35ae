# cmake -P: install, configure the consumer against the prefix, build, run.
set(prefix ${KP_WORK_DIR}/prefix)
set(consumer ${KP_WORK_DIR}/embed)
file(REMOVE_RECURSE ${KP_WORK_DIR})

function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  message(STATUS "${what}: ok")
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

foreach(component MediaConfUI Siblings)
  step("install ${component}" ${CMAKE_COMMAND} --install ${KP_BUILD_DIR} --prefix ${prefix} --component ${component})
endforeach()

# Only the package's own files: nothing from the build tree may be needed.
foreach(file include/KP_MediaConfUI/facade/KP_MediaConfUI.h include/KP_MediaConfUI/call/BottomTipWidget.h
    include/KP_MediaConfUI/call/MessageNotice.h share/KP_MediaConfUI/Ring.wav share/KP_MediaConfUI/layout)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

set(launcher "")
if(KP_CXX_LAUNCHER)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${KP_CXX_LAUNCHER})
endif()
step("configure the consumer" ${CMAKE_COMMAND} -S ${KP_EXAMPLE_DIR} -B ${consumer} -G ${KP_GENERATOR}
  -DCMAKE_BUILD_TYPE=${KP_BUILD_TYPE} -DCMAKE_CXX_COMPILER=${KP_CXX_COMPILER} ${launcher}
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
step("build the consumer" ${CMAKE_COMMAND} --build ${consumer})

# The program finds its files in its own folder, not in the build's.
unset(ENV{KP_APP_PATH})
step("run the consumer" ${consumer}/embed)
message(STATUS "${step_output}")
if(NOT step_output MATCHES "incoming call shown")
  message(FATAL_ERROR "the consumer did not report the incoming-call window")
endif()
