list(APPEND KP_MEDIACONF_SOURCES
  meeting/CloseMediaWidgetTip.h meeting/CloseMediaWidgetTip.cpp
  meeting/ConferenceCallWidget.h meeting/ConferenceCallWidget.cpp
  meeting/ConferenceTipWidget.h meeting/ConferenceTipWidget.cpp
  meeting/RectangeTip.h meeting/RectangeTip.cpp)
