#include "members/ConferenceMembersListView.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "members/ConferenceMembersDelegate.h"
#include "members/ConferenceMembersSortFilter.h"

ConferenceMembersListView::ConferenceMembersListView(QWidget* parent)
    : MemberListViewBase(parent)
    , m_delegate(new ConferenceMembersDelegate(this))
    , m_sortFilter(new ConferenceMembersSortFilter(this))
{
    refreshOrder();
    setUpList(m_sortFilter, m_delegate);
}

ConferenceMembersListView::~ConferenceMembersListView() = default;

void ConferenceMembersListView::refreshOrder()
{
    auto* business = KP_BusinessView::instance();
    m_sortFilter->setOrderAccounts(
        business->getUnifiedConferenceView()->getCreator(), business->getUserInfoView()->getCurUserAccount());
}

void ConferenceMembersListView::confirmationAnswered(bool accepted, int type, const QString& account)
{
    AreaLog::members().LogDebug(QStringLiteral("opration = %1").arg(type));
    AreaLog::members().LogDebug(
        (accepted ? QStringLiteral("Accept~~~ account = ") : QStringLiteral("Reject~~~ account = ")) + account);
}
