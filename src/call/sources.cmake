list(APPEND KP_MEDIACONF_SOURCES
  call/BottomTipWidget.h call/BottomTipWidget.cpp
  call/MessageNotice.h call/MessageNotice.cpp
  call/CallAvatar.h call/CallAvatar.cpp
  call/CallMediaControls.h call/CallMediaControls.cpp
  call/CallWindowKeys.h
  call/VoipCallIncoming.h call/VoipCallIncoming.cpp
  call/VoiceCall.h call/VoiceCall.cpp
  call/VideoWidget.h call/VideoWidget.cpp
  call/VideoCall.h call/VideoCall.cpp)
