list(APPEND KP_MEDIACONF_SOURCES
  call/BottomTipWidget.h call/BottomTipWidget.cpp
  call/MessageNotice.h call/MessageNotice.cpp)
list(APPEND KP_MEDIACONF_SOURCES
  call/CallPolicy.h call/CallPolicy.cpp
  call/CallAvatar.h call/CallAvatar.cpp
  call/VideoPanePolicy.h call/VideoPanePolicy.cpp
  call/KpPlatform.h
  call/VoipCallIncoming.h call/VoipCallIncoming.cpp
  call/VoiceCall.h call/VoiceCall.cpp
  call/VideoWidget.h call/VideoWidget.cpp
  call/VideoCall.h call/VideoCall.cpp)
