#include "members/ConferenceMembersSortFilter.h"

#include "business/ConferenceRecords.h"
#include "policy/MemberSortPolicy.h"

ConferenceMembersSortFilter::ConferenceMembersSortFilter(QObject* parent)
    : MemberSortFilterBase(parent)
{ }

void ConferenceMembersSortFilter::setOrderAccounts(const QString& creator, const QString& localAccount)
{
    if (creator == m_creator && localAccount == m_localAccount)
        return;
    m_creator = creator;
    m_localAccount = localAccount;
    invalidate();
}

bool ConferenceMembersSortFilter::memberLessThan(
    const ConferenceMemberInfo& left, const ConferenceMemberInfo& right) const
{
    return MemberSortPolicy::creatorLessThan(left, right, m_creator, m_localAccount);
}
