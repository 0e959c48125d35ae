#include "business/AddressBookView.h"

#include "business/KP_BusinessView.h"

AddressBookView::AddressBookView(QObject* parent)
    : BusinessViewBase(QStringLiteral("AddressBookView"), parent)
{ }

void AddressBookView::resetState()
{
    m_persons.clear();
    m_indexByAccount.clear();
    m_indexByPhone.clear();
    m_phoneIndexStale = false;
}

void AddressBookView::setDirectory(const QList<QSharedPointer<AddressBookPerson>>& persons)
{
    resetState();
    m_persons.reserve(persons.size());
    for (const auto& p : persons)
        addPerson(p);
}

void AddressBookView::addPerson(const QSharedPointer<AddressBookPerson>& person)
{
    if (!person || person->account().isEmpty())
        return;
    const auto it = m_indexByAccount.constFind(person->account());
    if (it != m_indexByAccount.cend()) {
        m_persons[*it] = person;
        m_phoneIndexStale = true;
        return;
    }
    m_indexByAccount.insert(person->account(), m_persons.size());
    const QString phone = person->phoneNumber().trimmed();
    if (!m_phoneIndexStale && !phone.isEmpty() && !m_indexByPhone.contains(phone))
        m_indexByPhone.insert(phone, m_persons.size());
    m_persons << person;
}

QSharedPointer<AddressBookPerson> AddressBookView::person(const QString& account) const
{
    const auto it = m_indexByAccount.constFind(account);
    return it == m_indexByAccount.cend() ? QSharedPointer<AddressBookPerson>() : m_persons.at(*it);
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
    return person(account);
}

QSharedPointer<AddressBookPerson> AddressBookView::getCurUserAddressBook() const
{
    query(QStringLiteral("getCurUserAddressBook"));
    const UserInfoView::State& user = KP_BusinessView::instance()->getUserInfoView()->state();
    if (user.account.isEmpty())
        return {};
    if (const auto p = person(user.account))
        return p;
    // Logged in but not (yet) in the directory: what the login told us.
    return QSharedPointer<AddressBookPerson>::create(user.account, user.name);
}

QSharedPointer<AddressBookPerson> AddressBookView::byPhone(const QString& number) const
{
    if (m_phoneIndexStale) {
        m_indexByPhone.clear();
        for (int i = 0; i < m_persons.size(); ++i) {
            const QString phone = m_persons.at(i)->phoneNumber().trimmed();
            if (!phone.isEmpty() && !m_indexByPhone.contains(phone))
                m_indexByPhone.insert(phone, i);
        }
        m_phoneIndexStale = false;
    }
    const auto it = m_indexByPhone.constFind(number.trimmed());
    return it == m_indexByPhone.cend() ? QSharedPointer<AddressBookPerson>() : m_persons.at(*it);
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
    const QString key = AddressBookPerson::searchKey(text);
    if (key.isEmpty())
        return m_persons;
    QList<QSharedPointer<AddressBookPerson>> found;
    for (const auto& p : m_persons) {
        if (p->matchesSearchKey(key))
            found << p;
    }
    return found;
}
