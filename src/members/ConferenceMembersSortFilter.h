#pragma once

#include "members/MemberSortFilterBase.h"

// Order of the older member list: the conference creator first, the local
// user next, the others with the greater display name first
// (MemberSortPolicy::creatorLessThan; the list sorts descending). The host
// flag plays no part.
class ConferenceMembersSortFilter : public MemberSortFilterBase
{
    Q_OBJECT
public:
    explicit ConferenceMembersSortFilter(QObject* parent = nullptr);

    // Creator and local account, read once per reload; a change re-sorts.
    void setOrderAccounts(const QString& creator, const QString& localAccount);

protected:
    bool memberLessThan(const ConferenceMemberInfo& left, const ConferenceMemberInfo& right) const override;

private:
    QString m_creator;
    QString m_localAccount;
};
