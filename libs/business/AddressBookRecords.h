#pragma once

// Directory records. Persons and groups cross signals by shared pointer.

#include "business/ConferenceRecords.h"

#include <QList>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

// Common base of whatever the directory picker can hold.
class KP_BUSINESS_EXPORT AddressBookBase
{
public:
    enum Kind { KindPerson, KindGroup };

    virtual ~AddressBookBase();
    virtual Kind kind() const = 0;
    // Account of a person, id of a group.
    virtual QString id() const = 0;
    virtual QString displayName() const = 0;
};

class KP_BUSINESS_EXPORT AddressBookPerson : public AddressBookBase
{
public:
    AddressBookPerson() = default;
    AddressBookPerson(const QString& account, const QString& name, const QString& phoneNumber = QString(),
        const QString& department = QString(), const QString& headImagePath = QString());

    Kind kind() const override { return KindPerson; }
    QString id() const override { return m_account; }
    QString displayName() const override { return m_name; }

    QString account() const { return m_account; }
    QString phoneNumber() const { return m_phoneNumber; }
    QString department() const { return m_department; }
    QString position() const { return m_position; }
    QString email() const { return m_email; }
    // Picture file of the person; empty or unreadable means "draw one".
    QString headImagePath() const { return m_headImagePath; }
    // False for a person who left the company or whose account is disabled.
    bool isActive() const { return m_active; }

    void setPosition(const QString& v) { m_position = v; }
    void setEmail(const QString& v) { m_email = v; }
    void setHeadImagePath(const QString& v) { m_headImagePath = v; }
    void setActive(bool v) { m_active = v; }

    // Whether the person may be offered for selection (member picker, invitations):
    // a person with an account who is active. With includeInactive, persons who
    // left or were disabled pass as well (history views).
    virtual bool isValidPerson(bool includeInactive) const;

    // The rule of every directory search (directory view, member picker): the
    // name, account, telephone number or department contains the searched
    // text, in any case; surrounding blanks do not count and a blank text
    // finds everybody. The key is made once per search, not once per person.
    static QString searchKey(const QString& text) { return text.trimmed().toCaseFolded(); }
    bool matchesSearchKey(const QString& key) const;

private:
    QString m_account;
    QString m_name;
    QString m_phoneNumber;
    QString m_department;
    QString m_position;
    QString m_email;
    QString m_headImagePath;
    bool m_active = true;
};

class KP_BUSINESS_EXPORT AddressBookGroup : public AddressBookBase
{
public:
    AddressBookGroup() = default;
    AddressBookGroup(const QString& groupId, const QString& name, const QList<Agent_GroupMember>& members = {});

    Kind kind() const override { return KindGroup; }
    QString id() const override { return m_groupId; }
    QString displayName() const override { return m_name; }

    QString groupId() const { return m_groupId; }
    QList<Agent_GroupMember> members() const { return m_members; }
    // Accounts of the members, in the group's member order.
    QStringList memberAccounts() const;
    bool isDisbanded() const { return m_disbanded; }

    void setMembers(const QList<Agent_GroupMember>& v) { m_members = v; }
    void setDisbanded(bool v) { m_disbanded = v; }

private:
    QString m_groupId;
    QString m_name;
    QList<Agent_GroupMember> m_members;
    bool m_disbanded = false;
};

using AddressBookPersonPtr = QSharedPointer<AddressBookPerson>;
using AddressBookBasePtr = QSharedPointer<AddressBookBase>;
using AddressBookGroupPtr = QSharedPointer<AddressBookGroup>;

Q_DECLARE_METATYPE(QSharedPointer<AddressBookPerson>)
Q_DECLARE_METATYPE(QSharedPointer<AddressBookBase>)
Q_DECLARE_METATYPE(QSharedPointer<AddressBookGroup>)
