#include "business/GroupMgrView.h"

GroupMgrView::GroupMgrView(QObject* parent)
    : BusinessViewBase(QStringLiteral("GroupMgrView"), parent)
{ }

void GroupMgrView::resetState()
{
    m_state = State();
}

void GroupMgrView::addGroup(const QSharedPointer<AddressBookGroup>& group)
{
    if (group && !group->groupId().isEmpty())
        m_state.groups.insert(group->groupId(), group);
}

QSharedPointer<AddressBookGroup> GroupMgrView::getOneAddressBookGroup(
    const QString& groupId, bool requestIfMissing) const
{
    query(QStringLiteral("getOneAddressBookGroup"), groupId, requestIfMissing);
    return groupId.isEmpty() ? QSharedPointer<AddressBookGroup>() : m_state.groups.value(groupId);
}

QString GroupMgrView::getConfGroup(const QString& confId) const
{
    query(QStringLiteral("getConfGroup"), confId);
    return m_state.confGroups.value(confId);
}
