list(APPEND KP_MEDIACONF_SOURCES
  facade/KP_MediaConfUI.h facade/KP_MediaConfUI.cpp)
