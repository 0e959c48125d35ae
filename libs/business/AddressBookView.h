#pragma once

#include "business/AddressBookRecords.h"
#include "business/BusinessViewBase.h"

#include <QHash>
#include <QList>

// The company directory.
class KP_BUSINESS_EXPORT AddressBookView : public BusinessViewBase
{
    Q_OBJECT
public:
    explicit AddressBookView(QObject* parent = nullptr);

    void resetState() override;

    // --- state (not journaled) ---
    // Replaces the directory. Persons without account are skipped; a later
    // person with the same account replaces the earlier one.
    void setDirectory(const QList<QSharedPointer<AddressBookPerson>>& persons);
    void addPerson(const QSharedPointer<AddressBookPerson>& person);
    // Adds the person to the directory and makes it the logged-in user
    // (UserInfoView's account and name follow).
    void setCurrentUser(const QSharedPointer<AddressBookPerson>& person);
    int directorySize() const { return m_persons.size(); }
    // Unjournaled access for tests and the simulator.
    const QList<QSharedPointer<AddressBookPerson>>& persons() const { return m_persons; }
    QSharedPointer<AddressBookPerson> person(const QString& account) const;

    // --- commands ---
    void showPersonInfo(const QString& account, int from);

    // --- queries ---
    // The person of an account; null for an empty or unknown account.
    // requestIfMissing would ask the server for persons outside the local
    // directory; here the directory is the whole company.
    QSharedPointer<AddressBookPerson> getAddressBookOnePerson_Account(
        const QString& account, bool requestIfMissing) const;
    // The logged-in user's person; null when nobody is logged in.
    QSharedPointer<AddressBookPerson> getCurUserAddressBook() const;
    // The person whose telephone number is the number (the first in directory
    // order when several share it); null when none.
    QSharedPointer<AddressBookPerson> isPhoneNumExist(const QString& number) const;
    QSharedPointer<AddressBookPerson> getPersonByPhoneNum(const QString& number) const;
    QList<QSharedPointer<AddressBookPerson>> getAllPersons() const;
    // Persons whose name, account, telephone number or department contains the
    // text, ignoring case, in directory order. An empty text gives everybody.
    QList<QSharedPointer<AddressBookPerson>> searchPersons(const QString& text) const;

private:
    QSharedPointer<AddressBookPerson> byPhone(const QString& number) const;

    QList<QSharedPointer<AddressBookPerson>> m_persons;
    QHash<QString, int> m_indexByAccount; // account -> position in m_persons
    // Telephone number -> position of its first person. Replacing a person can
    // hand a number to someone further down, so it is then rebuilt on the next
    // look-up rather than searched for on every replacement.
    mutable QHash<QString, int> m_indexByPhone;
    mutable bool m_phoneIndexStale = false;
};
