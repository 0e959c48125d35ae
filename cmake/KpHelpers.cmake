# kp_add_test(<name> SOURCES <files...> [LIBS <targets...>] [POLICY])
# One QtTest executable registered with CTest, run offscreen and isolated:
# settings, application folder and layout file live in a per-test temp folder.
# A POLICY test links the policy library alone (no widgets, no test fixtures),
# and the configure step proves it.
function(kp_add_test name)
  cmake_parse_arguments(ARG "POLICY" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_POLICY)
    target_link_libraries(${name} PRIVATE kp_flags Qt5::Test KP_MediaConfPolicy)
    kp_check_link_closure(${name} ALLOWED Qt5::Core Qt5::Test KP_Util KP_BusinessProtocol KP_MediaConfPolicy kp_flags)
  else()
    target_link_libraries(${name} PRIVATE kp_flags kp_test_support Qt5::Test ${ARG_LIBS})
    # Windows that ring load the ring tones from the application folder.
    if(TARGET kp_sounds)
      add_dependencies(${name} kp_sounds)
    endif()
  endif()
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

# kp_check_link_closure(<target> ALLOWED <targets...>)
# Fails the configure step when anything the target links, directly or through
# the targets it links, is not in the allowed list: the policy library and its
# tests must never reach Qt Gui or Qt Widgets.
function(kp_check_link_closure target)
  cmake_parse_arguments(ARG "" "" "ALLOWED" ${ARGN})
  set(_seen "")
  set(_todo ${target})
  while(_todo)
    list(POP_FRONT _todo _t)
    if(NOT TARGET ${_t} OR _t IN_LIST _seen)
      continue()
    endif()
    list(APPEND _seen ${_t})
    get_target_property(_type ${_t} TYPE)
    set(_deps "")
    if(NOT _type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(_direct ${_t} LINK_LIBRARIES)
      if(_direct)
        list(APPEND _deps ${_direct})
      endif()
    endif()
    get_target_property(_iface ${_t} INTERFACE_LINK_LIBRARIES)
    if(_iface)
      list(APPEND _deps ${_iface})
    endif()
    foreach(_d IN LISTS _deps)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _d "${_d}")
      if(_d MATCHES "^\\$<" OR _d STREQUAL "")
        continue()
      endif()
      if(NOT _d IN_LIST ARG_ALLOWED)
        message(FATAL_ERROR "${target} may link only ${ARG_ALLOWED}, but ${_t} links ${_d}")
      endif()
      list(APPEND _todo ${_d})
    endforeach()
  endwhile()
endfunction()
