#pragma once

#include "members/MemberSortFilterBase.h"

// Order of the member list: the host first, the local user's own rows next,
// the others with the greater display name first (MemberSortPolicy::lessThan;
// the list sorts descending).
class ConfMembersControlSortFilter : public MemberSortFilterBase
{
    Q_OBJECT
public:
    explicit ConfMembersControlSortFilter(QObject* parent = nullptr);

    // The local user's account, read once per reload rather than per comparison;
    // a change re-sorts.
    void setLocalAccount(const QString& account);

protected:
    bool memberLessThan(const ConferenceMemberInfo& left, const ConferenceMemberInfo& right) const override;

private:
    QString m_localAccount;
};
