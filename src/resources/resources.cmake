# The module's compiled-in resources: images (rendered by tools/icons/generate) and style sheets.
# Include this file and add ${KP_MEDIACONF_QRC} to the sources of a target built with AUTORCC.
# KP_MEDIACONF_QRC_NAMES holds the qrc base names, for Q_INIT_RESOURCE in static builds.
set(KP_MEDIACONF_QRC
  ${CMAKE_CURRENT_LIST_DIR}/call.qrc
  ${CMAKE_CURRENT_LIST_DIR}/conference.qrc
  ${CMAKE_CURRENT_LIST_DIR}/meeting.qrc
  ${CMAKE_CURRENT_LIST_DIR}/qss.qrc
  ${CMAKE_CURRENT_LIST_DIR}/vidyo.qrc)
set(KP_MEDIACONF_QRC_NAMES call conference meeting qss vidyo)
