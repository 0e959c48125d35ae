#pragma once

#include "members/MemberListViewBase.h"

class ConfMembersControlDelegate;
class ConfMembersControlSortFilter;

// One list of the member list (joined, not enrolled or search results): rows
// painted by ConfMembersControlDelegate, sorted by ConfMembersControlSortFilter.
class ConfMembersControlListView : public MemberListViewBase
{
    Q_OBJECT
public:
    explicit ConfMembersControlListView(QWidget* parent = nullptr);
    ~ConfMembersControlListView() override;

    // Replaces the delegate's speaking list (the microphone icon of a speaker).
    void setSpeakingList(const QList<Agent_ConferenceParticipantMemberInfo>& speakers);

    ConfMembersControlDelegate* delegate() const { return m_delegate; }

protected:
    void refreshOrder() override;

private:
    ConfMembersControlDelegate* m_delegate;
    ConfMembersControlSortFilter* m_sortFilter;
};
