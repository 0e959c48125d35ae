# The Vidyo meeting window, its attendee list, bottom toggles and password keypad.
list(APPEND KP_MEDIACONF_SOURCES
  vidyo/VidyoBottomOneWidget.h vidyo/VidyoBottomOneWidget.cpp
  vidyo/AttendeesOneWidget.h vidyo/AttendeesOneWidget.cpp
  vidyo/AttendeesWidget.h vidyo/AttendeesWidget.cpp
  vidyo/PasswordKeypad.h vidyo/PasswordKeypad.cpp
  vidyo/VidyoWidget.h vidyo/VidyoWidget.cpp)
