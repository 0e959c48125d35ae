#pragma once

#include <QString>

// Order of the member lists. Both lists sort their proxy in descending order,
// so the rule is written as the proxy's lessThan: true when `left` is shown
// below `right`.
//
// Member list: the host first, then the local user's own rows, then the others
// with the greater display name first (code-unit comparison). The older list
// puts the conference creator where the host is.
//
// Rows that tie on all of that (two hosts, two own rows, equal names) are
// ordered by the same rule below their class, then by account and device type:
// the order is total, so the list shows one order whatever the order in which
// members arrived, and a row can be placed by binary search.
//
// Works on any record with the fields account, name, isHost and deviceType
// (ConferenceMemberInfo in the widgets, a plain struct in the tests).
namespace MemberSortPolicy {

// Compares two rows already known to be in the same class (both first or
// neither, both own or neither): the greater name shows first, then the
// greater account, then the greater device type.
bool tieLessThan(const QString& leftName, const QString& leftAccount, int leftDevice, const QString& rightName,
    const QString& rightAccount, int rightDevice);

// The rule with the "first" class given: the host or the creator.
template<typename Member>
bool lessThanBy(bool leftFirst, bool rightFirst, const Member& left, const Member& right, const QString& selfAccount)
{
    if (leftFirst != rightFirst)
        return rightFirst;
    const bool leftOwn = !selfAccount.isEmpty() && left.account == selfAccount;
    const bool rightOwn = !selfAccount.isEmpty() && right.account == selfAccount;
    if (leftOwn != rightOwn)
        return rightOwn;
    return tieLessThan(left.name, left.account, int(left.deviceType), right.name, right.account, int(right.deviceType));
}

// The member list (host first).
template<typename Member> bool lessThan(const Member& left, const Member& right, const QString& selfAccount)
{
    return lessThanBy(left.isHost, right.isHost, left, right, selfAccount);
}

// The older member list (conference creator first; the host flag plays no part).
template<typename Member>
bool creatorLessThan(const Member& left, const Member& right, const QString& creator, const QString& selfAccount)
{
    const bool leftCreator = !creator.isEmpty() && left.account == creator;
    const bool rightCreator = !creator.isEmpty() && right.account == creator;
    return lessThanBy(leftCreator, rightCreator, left, right, selfAccount);
}

} // namespace MemberSortPolicy
