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
