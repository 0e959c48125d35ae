#pragma once

#include <QSortFilterProxyModel>

struct ConferenceMemberInfo;

// The proxy of a member list: compares the rows' member records by the list's
// rule. An invalid index is never less; a row whose value is no member record
// falls back to the base comparison. No filtering.
class MemberSortFilterBase : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const final;
    // The list's order rule, as lessThan of a descending sort.
    virtual bool memberLessThan(const ConferenceMemberInfo& left, const ConferenceMemberInfo& right) const = 0;
};
