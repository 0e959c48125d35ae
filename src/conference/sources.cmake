# The conference main window, its title bar and toolbar, and the layout and
# roster control behind its video area.
list(APPEND KP_MEDIACONF_SOURCES
  conference/ConferenceBarRect.h
  conference/ConferenceTitleBar.h conference/ConferenceTitleBar.cpp
  conference/ConferenceToolBar.h conference/ConferenceToolBar.cpp
  conference/ConferenceVideoList.h conference/ConferenceVideoList.cpp
  conference/ConferenceLayoutControl.h conference/ConferenceLayoutControl.cpp
  conference/ConferenceMainUi.h conference/ConferenceMainUi.cpp
  conference/forms/ConferenceMainUi.ui)
# The window's slots keep the system's names (on_btn_chat_clicked, ...) although
# its form has no such buttons; without auto-connection setupUi neither warns
# about them nor ties them to a child that happens to share a name.
set_source_files_properties(conference/forms/ConferenceMainUi.ui PROPERTIES AUTOUIC_OPTIONS "--no-autoconnection")
# The launch from an outside link: its manager, the loading window and the failure notice.
list(APPEND KP_MEDIACONF_SOURCES
  conference/SmartConferenceWarningWnd.h conference/SmartConferenceWarningWnd.cpp
  conference/SmartConferenceLoadingWnd.h conference/SmartConferenceLoadingWnd.cpp
  conference/SmartConferenceLaunchMgr.h conference/SmartConferenceLaunchMgr.cpp)
# The conference window's pop-ups: the panel host, the questions, the menus,
# the status bubbles and the prompt strips.
list(APPEND KP_MEDIACONF_SOURCES
  conference/ConferenceBubble.h conference/ConferenceBubble.cpp
  conference/ConferenceQuestion.h conference/ConferenceQuestion.cpp
  conference/PopupWidget.h conference/PopupWidget.cpp
  conference/Popup_Common_Widget.h conference/Popup_Common_Widget.cpp
  conference/Popup_Small_Widget.h conference/Popup_Small_Widget.cpp
  conference/StopConfPopupWgt.h conference/StopConfPopupWgt.cpp
  conference/StopConfConfirmWgt.h conference/StopConfConfirmWgt.cpp
  conference/WorkbenchWgt.h conference/WorkbenchWgt.cpp
  conference/MemberControlPopupWgt.h conference/MemberControlPopupWgt.cpp
  conference/SafeWgt.h conference/SafeWgt.cpp
  conference/WifiWgt.h conference/WifiWgt.cpp
  conference/RecordPopupWgt.h conference/RecordPopupWgt.cpp
  conference/PromptWidget_Control.h conference/PromptWidget_Control.cpp
  conference/PromptWidget_Warning.h conference/PromptWidget_Warning.cpp)
# Sharing the screen: the source chooser and its cards, and the bar shown while sharing.
list(APPEND KP_MEDIACONF_SOURCES
  conference/PPC_ShareScreenChild.h conference/PPC_ShareScreenChild.cpp
  conference/PPC_ShareScreen.h conference/PPC_ShareScreen.cpp
  conference/ShareScreenControl.h conference/ShareScreenControl.cpp
  conference/forms/ShareScreenControl.ui)
# on_menuAction_trigger answers the More menu, which is no child of the form.
set_source_files_properties(conference/forms/ShareScreenControl.ui PROPERTIES AUTOUIC_OPTIONS "--no-autoconnection")
