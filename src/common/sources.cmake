# Shared by every area: the export macro, the platform calls, the area style sheets.
list(APPEND KP_MEDIACONF_SOURCES
  common/kp_mediaconfui_global.h
  common/KpPlatform.h
  common/AreaLog.h common/AreaLog.cpp
  common/AreaStyle.h common/AreaStyle.cpp)
