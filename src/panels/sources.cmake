list(APPEND KP_MEDIACONF_SOURCES
  panels/MoreMenuChild.h panels/MoreMenuChild.cpp
  panels/PPC_Polling.h panels/PPC_Polling.cpp
  panels/PPC_ScreenLayout.h panels/PPC_ScreenLayout.cpp
  panels/PPC_NewScreenLayout.h panels/PPC_NewScreenLayout.cpp
  panels/NetworkWidget.h panels/NetworkWidget.cpp
  panels/DebugForStatisticsWdg.h panels/DebugForStatisticsWdg.cpp)
# The conference's chat (activity log), information, minutes and material pages.
list(APPEND KP_MEDIACONF_SOURCES
  panels/SidePage.h panels/SidePage.cpp
  panels/PPC_Chat.h panels/PPC_Chat.cpp
  panels/NewPPC_Info.h panels/NewPPC_Info.cpp panels/forms/NewPPC_Info.ui
  panels/PPC_Minutes.h panels/PPC_Minutes.cpp
  panels/PPC_Material.h panels/PPC_Material.cpp)
# The information page's slots keep the system's names (on_btn_Topic_Ok, ...) and are
# connected by hand: its form has no buttons of those names to auto-connect.
set_source_files_properties(panels/forms/NewPPC_Info.ui PROPERTIES AUTOUIC_OPTIONS "--no-autoconnection")
# Invitation by telephone or by choice, and sharing the conference's data.
list(APPEND KP_MEDIACONF_SOURCES
  panels/PanelShadow.h panels/PhoneInvitation.h
  panels/CallPhoneDlg.h panels/CallPhoneDlg.cpp
  panels/PPC_QuickInvite.h panels/PPC_QuickInvite.cpp
  panels/InviteChoiceWgt.h panels/InviteChoiceWgt.cpp
  panels/PPC_Invite.h panels/PPC_Invite.cpp
  panels/ConfShareWidget.h panels/ConfShareWidget.cpp
  panels/ShareConfInfoWgt.h panels/ShareConfInfoWgt.cpp
  panels/ComConfirmDlg.h panels/ComConfirmDlg.cpp)
