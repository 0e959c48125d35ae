#include "support/BusinessFixture.h"

#include <QCoreApplication>
#include <QTimer>

void BusinessFixture::reset()
{
    registerBusinessMetaTypes();
    CommandJournal* j = journal();
    j->setEnabled(true);
    j->setRecordQueries(true);
    j->setCapacity(100000);
    business()->resetAll();
}

QStringList BusinessFixture::journalOps()
{
    return journal()->operations();
}

QStringList BusinessFixture::journalCommands()
{
    return journal()->commandOperations();
}

QStringList BusinessFixture::texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

QSharedPointer<AddressBookPerson> BusinessFixture::makePerson(
    const QString& account, const QString& name, const QString& phone, const QString& department)
{
    return QSharedPointer<AddressBookPerson>::create(account, name.isEmpty() ? account : name, phone, department);
}

ConferenceMemberInfo BusinessFixture::makeMember(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool inConference, const QString& name)
{
    ConferenceMemberInfo m;
    m.account = account;
    m.name = name.isEmpty() ? account : name;
    m.memberType = 1;
    m.deviceType = deviceType;
    m.isInConf = inConference;
    m.isMicOpen = inConference;
    m.isSpeakerOpen = inConference;
    m.isCameraOpen = inConference;
    return m;
}

QSharedPointer<AddressBookPerson> BusinessFixture::setCurrentUser(const QString& account, const QString& name)
{
    auto person = makePerson(account, name);
    business()->getAddressBookView()->setCurrentUser(person);
    return person;
}

void BusinessFixture::fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

void BusinessFixture::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList BusinessFixture::journalCalls()
{
    QStringList calls;
    for (const JournalEntry& entry : journal()->entries()) {
        if (entry.isQuery)
            continue;
        QStringList args;
        for (const QVariant& arg : entry.args)
            args << arg.toString();
        calls << (entry.args.isEmpty()
                ? entry.operation
                : entry.operation + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')'));
    }
    return calls;
}

QString BusinessFixture::lastArgs(const QString& operation)
{
    QStringList texts;
    for (const QVariant& arg : journal()->last(operation).args)
        texts << arg.toString();
    return texts.join(QLatin1Char('|'));
}
