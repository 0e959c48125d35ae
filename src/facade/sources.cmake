# The exported switchboard and one controller per area, each owning its windows
# through OwnedWindow.
list(APPEND KP_MEDIACONF_SOURCES
  facade/KP_MediaConfUI.h facade/KP_MediaConfUI.cpp
  facade/OwnedWindow.h
  facade/ControllerSupport.h facade/ControllerSupport.cpp
  facade/CallWindowController.h facade/CallWindowController.cpp
  facade/ConferenceController.h facade/ConferenceController.cpp
  facade/InvitationController.h facade/InvitationController.cpp
  facade/MeetingController.h facade/MeetingController.cpp
  facade/MemberPickerController.h facade/MemberPickerController.cpp
  facade/VidyoController.h facade/VidyoController.cpp)
