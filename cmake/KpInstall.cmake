# `cmake --install <build> [--component MediaConfUI|Siblings]`
#
# MediaConfUI: the module a client ships: the shared library, the headers of its
#   three exported classes, the ring tones, the video layout file, the compiled
#   translations and the CMake package (find_package(KP_MediaConfUI), KP::MediaConfUI).
# Siblings: our stand-ins for the client's own libraries (KP::Util, KP::BusinessView,
#   KP::CustomUI) with their headers. A client with its own leaves this out and
#   defines those targets before find_package.
include(CMakePackageConfigHelpers)

install(TARGETS KP_Util KP_BusinessProtocol KP_BusinessView KP_CustomUI
  EXPORT KP_MediaConfUISiblingsTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Siblings
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Siblings
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Siblings)
foreach(lib util business customui)
  # The simulator under business/sim is the demo's server, not part of the library.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/libs/${lib}/
    DESTINATION ${KP_INSTALL_INCLUDEDIR}/${lib}
    COMPONENT Siblings
    FILES_MATCHING PATTERN "*.h"
    PATTERN "sim" EXCLUDE
    PATTERN "forms" EXCLUDE
    PATTERN "resources" EXCLUDE)
endforeach()
install(EXPORT KP_MediaConfUISiblingsTargets
  NAMESPACE KP::
  DESTINATION ${KP_INSTALL_CMAKEDIR}
  COMPONENT Siblings)

install(TARGETS KP_MediaConfUI
  EXPORT KP_MediaConfUITargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT MediaConfUI
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT MediaConfUI
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT MediaConfUI)
# The exported classes' headers and the two module headers they include.
foreach(header facade/KP_MediaConfUI.h call/BottomTipWidget.h call/MessageNotice.h
    common/BottomTipKind.h common/kp_mediaconfui_global.h)
  get_filename_component(_dir ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/src/${header}
    DESTINATION ${KP_INSTALL_INCLUDEDIR}/${_dir}
    COMPONENT MediaConfUI)
endforeach()
# What the module reads from the client's installation folder at run time.
install(FILES
    ${CMAKE_BINARY_DIR}/bin/Ring.wav
    ${CMAKE_BINARY_DIR}/bin/RingBack.wav
    ${PROJECT_SOURCE_DIR}/libs/customui/layout
  DESTINATION ${KP_INSTALL_DATADIR}
  COMPONENT MediaConfUI)
if(TARGET kp_translations)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/translations/
    DESTINATION ${KP_INSTALL_DATADIR}/translations
    COMPONENT MediaConfUI
    FILES_MATCHING PATTERN "*.qm")
endif()

# A sanitizer build's libraries need the sanitizer runtime in the program that
# loads them: the package passes the flags on to whoever links the module.
if(KP_SANITIZE)
  target_compile_options(KP_MediaConfUI INTERFACE
    $<INSTALL_INTERFACE:-fsanitize=${KP_SANITIZE}> $<INSTALL_INTERFACE:-fno-omit-frame-pointer>)
  target_link_options(KP_MediaConfUI INTERFACE $<INSTALL_INTERFACE:-fsanitize=${KP_SANITIZE}>)
endif()

install(EXPORT KP_MediaConfUITargets
  NAMESPACE KP::
  DESTINATION ${KP_INSTALL_CMAKEDIR}
  COMPONENT MediaConfUI)
configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/KP_MediaConfUIConfig.cmake.in
  ${CMAKE_BINARY_DIR}/cmake/KP_MediaConfUIConfig.cmake
  INSTALL_DESTINATION ${KP_INSTALL_CMAKEDIR}
  PATH_VARS KP_INSTALL_INCLUDEDIR KP_INSTALL_DATADIR)
write_basic_package_version_file(
  ${CMAKE_BINARY_DIR}/cmake/KP_MediaConfUIConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_BINARY_DIR}/cmake/KP_MediaConfUIConfig.cmake
    ${CMAKE_BINARY_DIR}/cmake/KP_MediaConfUIConfigVersion.cmake
  DESTINATION ${KP_INSTALL_CMAKEDIR}
  COMPONENT MediaConfUI)
