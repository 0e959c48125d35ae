# The widget library's compiled-in images (rendered by tools/icons/generate): title-bar buttons
# under ":/TitleBar/Resource/TitleBar/" and its own widgets' images under ":/CustomUI/Resource/CustomUI/".
# Include this file and add ${KP_CUSTOMUI_QRC} to the sources of a target built with AUTORCC.
set(KP_CUSTOMUI_QRC ${CMAKE_CURRENT_LIST_DIR}/customui.qrc)
set(KP_CUSTOMUI_QRC_NAMES customui)
