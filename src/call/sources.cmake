list(APPEND KP_MEDIACONF_SOURCES
  call/BottomTipWidget.h call/BottomTipWidget.cpp
  call/MessageNotice.h call/MessageNotice.cpp)
