#include "members/MemberSortFilterBase.h"

#include "members/MemberListViewBase.h"

bool MemberSortFilterBase::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!left.isValid() || !right.isValid())
        return false;
    const QVariant leftValue = left.data(MemberListViewBase::RecordRole);
    const QVariant rightValue = right.data(MemberListViewBase::RecordRole);
    const ConferenceMemberInfo* l = MemberListViewBase::recordIn(leftValue);
    const ConferenceMemberInfo* r = MemberListViewBase::recordIn(rightValue);
    if (!l || !r)
        return QSortFilterProxyModel::lessThan(left, right);
    return memberLessThan(*l, *r);
}
