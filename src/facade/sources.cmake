list(APPEND KP_MEDIACONF_SOURCES
  facade/kp_mediaconfui_global.h
  facade/KpPlatform.h
  facade/KP_MediaConfUI.h facade/KP_MediaConfUI.cpp
  facade/FacadePolicy.h facade/FacadePolicy.cpp)
