#pragma once

#include "business/AddressBookRecords.h"
#include "business/BusinessViewBase.h"

#include <QHash>

// IM groups and the chat groups of conferences.
class KP_BUSINESS_EXPORT GroupMgrView : public BusinessViewBase
{
    Q_OBJECT
public:
    struct State
    {
        QHash<QString, QSharedPointer<AddressBookGroup>> groups; // group id -> group
        QHash<QString, QString> confGroups; // conference id -> chat session id
    };

    explicit GroupMgrView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;
    void addGroup(const QSharedPointer<AddressBookGroup>& group);

    // --- queries ---
    // The group of an id; null for an empty or unknown id. requestIfMissing
    // would ask the server; here every known group is local.
    QSharedPointer<AddressBookGroup> getOneAddressBookGroup(const QString& groupId, bool requestIfMissing) const;
    // Chat session id of a conference; empty when it has none.
    QString getConfGroup(const QString& confId) const;

signals:
    void sig_onQueryConferenceMember(int reason, QString groupId, QList<Agent_GroupMember> members);
    void sig_onRemoveGroup(QString groupId);

private:
    State m_state;
};
