#include "AddressBookView.h"

#include "KP_BusinessView.h"

AddressBookView::AddressBookView(QObject* parent)
    : BusinessViewBase(QStringLiteral("AddressBookView"), parent)
{ }

void AddressBookView::resetState()
{
    m_persons.clear();
    m_byAccount.clear();
    m_byPhone.clear();
}

void AddressBookView::setDirectory(const QList<QSharedPointer<AddressBookPerson>>& persons)
{
    resetState();
    for (const auto& p : persons)
        addPerson(p);
}

void AddressBookView::addPerson(const QSharedPointer<AddressBookPerson>& person)
{
    if (!person || person->account().isEmpty())
        return;
    const auto old = m_byAccount.value(person->account());
    if (old) {
        m_persons.replace(m_persons.indexOf(old), person);
        const QString oldPhone = old->phoneNumber().trimmed();
        if (m_byPhone.value(oldPhone) == old)
            m_byPhone.remove(oldPhone);
    } else {
        m_persons << person;
    }
    m_byAccount.insert(person->account(), person);
    const QString phone = person->phoneNumber().trimmed();
    if (!phone.isEmpty() && !m_byPhone.contains(phone))
        m_byPhone.insert(phone, person);
}

void AddressBookView::setCurrentUser(const QSharedPointer<AddressBookPerson>& person)
{
    UserInfoView::State& user = KP_BusinessView::instance()->getUserInfoView()->state();
    if (!person) {
        user.account.clear();
        user.name.clear();
        return;
    }
    addPerson(person);
    user.account = person->account();
    user.name = person->displayName();
}

void AddressBookView::showPersonInfo(const QString& account, int from)
{
    command(QStringLiteral("showPersonInfo"), account, from);
}

QSharedPointer<AddressBookPerson> AddressBookView::getAddressBookOnePerson_Account(
    const QString& account, bool requestIfMissing) const
{
    query(QStringLiteral("getAddressBookOnePerson_Account"), account, requestIfMissing);
    if (account.isEmpty())
        return {};
    return m_byAccount.value(account);
}

QSharedPointer<AddressBookPerson> AddressBookView::getCurUserAddressBook() const
{
    query(QStringLiteral("getCurUserAddressBook"));
    const UserInfoView::State& user = KP_BusinessView::instance()->getUserInfoView()->state();
    if (user.account.isEmpty())
        return {};
    if (const auto p = m_byAccount.value(user.account))
        return p;
    // Logged in but not (yet) in the directory: what the login told us.
    return QSharedPointer<AddressBookPerson>::create(user.account, user.name);
}

QSharedPointer<AddressBookPerson> AddressBookView::byPhone(const QString& number) const
{
    const QString n = number.trimmed();
    return n.isEmpty() ? QSharedPointer<AddressBookPerson>() : m_byPhone.value(n);
}

QSharedPointer<AddressBookPerson> AddressBookView::isPhoneNumExist(const QString& number) const
{
    query(QStringLiteral("isPhoneNumExist"), number);
    return byPhone(number);
}

QSharedPointer<AddressBookPerson> AddressBookView::getPersonByPhoneNum(const QString& number) const
{
    query(QStringLiteral("getPersonByPhoneNum"), number);
    return byPhone(number);
}

QList<QSharedPointer<AddressBookPerson>> AddressBookView::getAllPersons() const
{
    query(QStringLiteral("getAllPersons"));
    return m_persons;
}

QList<QSharedPointer<AddressBookPerson>> AddressBookView::searchPersons(const QString& text) const
{
    query(QStringLiteral("searchPersons"), text);
    const QString needle = text.trimmed();
    if (needle.isEmpty())
        return m_persons;
    QList<QSharedPointer<AddressBookPerson>> found;
    for (const auto& p : m_persons) {
        if (p->displayName().contains(needle, Qt::CaseInsensitive) || p->account().contains(needle, Qt::CaseInsensitive)
            || p->phoneNumber().contains(needle, Qt::CaseInsensitive)
            || p->department().contains(needle, Qt::CaseInsensitive))
            found << p;
    }
    return found;
}
