list(APPEND KP_MEDIACONF_SOURCES
  members/MemberListViewBase.h members/MemberListViewBase.cpp
  members/MemberDelegateBase.h members/MemberDelegateBase.cpp
  members/MemberSortFilterBase.h members/MemberSortFilterBase.cpp
  members/MemberRowPainter.h members/MemberRowPainter.cpp
  members/MemberBusinessSignals.h members/MemberBusinessSignals.cpp
  members/ConfMembersControlSortFilter.h members/ConfMembersControlSortFilter.cpp
  members/ConfMembersControlDelegate.h members/ConfMembersControlDelegate.cpp
  members/ConfMembersControlListView.h members/ConfMembersControlListView.cpp
  members/ConfMembersControlWidget.h members/ConfMembersControlWidget.cpp
  members/ConferenceMembersSortFilter.h members/ConferenceMembersSortFilter.cpp
  members/ConferenceMembersDelegate.h members/ConferenceMembersDelegate.cpp
  members/ConferenceMembersListView.h members/ConferenceMembersListView.cpp
  members/PPC_Member.h members/PPC_Member.cpp
  members/ConfRightWgt.h members/ConfRightWgt.cpp members/forms/ConfRightWgt.ui)
# The side panel's page slots keep the system's names (on_btn_member_clicked, ...)
# without buttons of those names in its form: no auto-connection, so setupUi does
# not warn about them; its close button is connected by hand.
set_source_files_properties(members/forms/ConfRightWgt.ui PROPERTIES AUTOUIC_OPTIONS "--no-autoconnection")
