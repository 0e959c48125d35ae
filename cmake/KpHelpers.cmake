# kp_add_test(<name> SOURCES <files...> [LIBS <targets...>])
# One QtTest executable registered with CTest, run offscreen and isolated:
# settings, application folder and layout file live in a per-test temp folder.
function(kp_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kp_flags kp_test_support Qt5::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  kp_test_environment(${name})
endfunction()

# Offscreen, sandboxed settings, the sanitizers' options: every test runs so.
function(kp_test_environment name)
  set(_sandbox ${CMAKE_BINARY_DIR}/test-sandbox/${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KP_APP_PATH=${CMAKE_BINARY_DIR}/bin/;KP_SETTINGS_DIR=${_sandbox};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()

# kp_forms_dir(<target> <dir>) lets AUTOUIC find forms kept in a forms/ folder.
function(kp_forms_dir target)
  get_target_property(_paths ${target} AUTOUIC_SEARCH_PATHS)
  if(NOT _paths)
    set(_paths "")
  endif()
  list(APPEND _paths ${ARGN})
  set_target_properties(${target} PROPERTIES AUTOUIC_SEARCH_PATHS "${_paths}")
endfunction()
