#include "members/ConfMembersControlListView.h"

#include "business/KP_BusinessView.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/ConfMembersControlSortFilter.h"

ConfMembersControlListView::ConfMembersControlListView(QWidget* parent)
    : MemberListViewBase(parent)
    , m_delegate(new ConfMembersControlDelegate(this))
    , m_sortFilter(new ConfMembersControlSortFilter(this))
{
    refreshOrder();
    setUpList(m_sortFilter, m_delegate);
}

ConfMembersControlListView::~ConfMembersControlListView() = default;

void ConfMembersControlListView::setSpeakingList(const QList<Agent_ConferenceParticipantMemberInfo>& speakers)
{
    m_delegate->setSpeakingList(speakers);
    viewport()->update();
}

void ConfMembersControlListView::refreshOrder()
{
    m_sortFilter->setLocalAccount(KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount());
}
