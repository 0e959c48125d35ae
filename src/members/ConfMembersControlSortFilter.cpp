#include "members/ConfMembersControlSortFilter.h"

#include "business/ConferenceRecords.h"
#include "policy/MemberSortPolicy.h"

ConfMembersControlSortFilter::ConfMembersControlSortFilter(QObject* parent)
    : MemberSortFilterBase(parent)
{ }

void ConfMembersControlSortFilter::setLocalAccount(const QString& account)
{
    if (account == m_localAccount)
        return;
    m_localAccount = account;
    invalidate();
}

bool ConfMembersControlSortFilter::memberLessThan(
    const ConferenceMemberInfo& left, const ConferenceMemberInfo& right) const
{
    return MemberSortPolicy::lessThan(left, right, m_localAccount);
}
