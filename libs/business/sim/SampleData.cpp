#include "business/sim/SampleData.h"

#include <QSet>

namespace SampleData {

QString currentUserAccount()
{
    return QStringLiteral("wang.lei");
}

QString currentUserName()
{
    return QStringLiteral("Wang Lei");
}

QList<QSharedPointer<AddressBookPerson>> makeCompany(int n)
{
    static const char* const given[]
        = { "Alice", "Bob", "Chen", "David", "Emma", "Fang", "George", "Hui", "Ivan", "Jing", "Kevin", "Li", "Mia",
              "Ning", "Oscar", "Ping", "Quinn", "Rui", "Sara", "Tao", "Uma", "Victor", "Wei", "Xin", "Yan", "Zoe" };
    static const char* const family[]
        = { "Wang", "Li", "Zhang", "Liu", "Chen", "Yang", "Huang", "Zhao", "Wu", "Zhou", "Smith", "Brown" };
    static const char* const departments[]
        = { "Research", "Sales", "Marketing", "Finance", "Operations", "Support", "Legal", "Design" };
    const int givenCount = int(sizeof(given) / sizeof(given[0]));
    const int familyCount = int(sizeof(family) / sizeof(family[0]));
    const int departmentCount = int(sizeof(departments) / sizeof(departments[0]));

    QList<QSharedPointer<AddressBookPerson>> persons;
    QSet<QString> accounts;
    auto self = QSharedPointer<AddressBookPerson>::create(
        currentUserAccount(), currentUserName(), QStringLiteral("13800000000"), QStringLiteral("Research"));
    self->setPosition(QStringLiteral("Engineer"));
    persons << self;
    accounts << self->account();
    for (int i = 1; i < n; ++i) {
        const QString first = QLatin1String(given[i % givenCount]);
        const QString last = QLatin1String(family[(i / givenCount + i) % familyCount]);
        QString account = first.toLower() + QLatin1Char('.') + last.toLower();
        if (accounts.contains(account))
            account += QString::number(i);
        accounts << account;
        auto p = QSharedPointer<AddressBookPerson>::create(account, first + QLatin1Char(' ') + last,
            QStringLiteral("139%1").arg(10000000 + i * 37, 8, 10, QLatin1Char('0')),
            QLatin1String(departments[i % departmentCount]));
        p->setEmail(account + QStringLiteral("@example.com"));
        persons << p;
    }
    return persons;
}

QList<ConferenceMemberInfo> makeRoster(int n, const QString& selfAccount, const QString& selfName,
    const QList<QSharedPointer<AddressBookPerson>>& directory, const QString& hostAccount,
    const QString& mainVenueAccount)
{
    QList<ConferenceMemberInfo> roster;
    if (n < 1)
        n = 1;
    ConferenceMemberInfo self;
    self.account = selfAccount;
    self.name = selfName.isEmpty() ? selfAccount : selfName;
    self.memberType = 1;
    self.isMicOpen = true;
    self.isSpeakerOpen = true;
    self.isCameraOpen = true;
    self.isInConf = true;
    self.deviceType = CONFMEMBER_DEVICE_PC;
    roster << self;

    QList<QSharedPointer<AddressBookPerson>> others;
    for (const auto& p : directory) {
        if (p && p->account() != selfAccount)
            others << p;
    }
    for (int i = 0; i < n - 1; ++i) {
        ConferenceMemberInfo m;
        if (i < others.size()) {
            m.account = others.at(i)->account();
            m.name = others.at(i)->displayName();
        } else {
            m.account = QStringLiteral("member%1").arg(i + 1);
            m.name = QStringLiteral("Member %1").arg(i + 1);
        }
        m.memberType = 1;
        m.joinOrder = i + 1;
        switch (i % 10) {
        case 6:
            m.deviceType = CONFMEMBER_DEVICE_MOBILE;
            break;
        case 7:
            m.deviceType = CONFMEMBER_DEVICE_WEB;
            break;
        case 8:
            m.deviceType = CONFMEMBER_DEVICE_PAD;
            break;
        case 9:
            // A telephone participant is known by its number.
            m.deviceType = CONFMEMBER_DEVICE_TELEPHONE;
            m.memberType = 2;
            m.account = QStringLiteral("0105550%1").arg(1000 + i, 4, 10, QLatin1Char('0'));
            m.name = m.account;
            break;
        default:
            m.deviceType = CONFMEMBER_DEVICE_PC;
            break;
        }
        m.isInConf = i % 8 != 7;
        m.isMicOpen = m.isInConf && i % 4 != 3;
        m.isSpeakerOpen = m.isInConf;
        m.isCameraOpen = m.isInConf && i % 3 != 2 && m.deviceType != CONFMEMBER_DEVICE_TELEPHONE;
        roster << m;
    }

    const QString host
        = !hostAccount.isEmpty() ? hostAccount : (roster.size() > 1 ? roster.at(1).account : selfAccount);
    const QString venue
        = !mainVenueAccount.isEmpty() ? mainVenueAccount : (roster.size() > 2 ? roster.at(2).account : QString());
    for (ConferenceMemberInfo& m : roster) {
        m.isHost = m.account == host;
        m.isMainVenue = !venue.isEmpty() && m.account == venue;
    }
    return roster;
}

QList<Agent_CameraInfo> sampleCameras()
{
    Agent_CameraInfo camera;
    camera.index = 0;
    camera.name = QStringLiteral("Integrated Camera");
    camera.id = QStringLiteral("camera-0");
    camera.capabilities = { { 1280, 720 }, { 640, 480 }, { 320, 240 } };
    camera.capabilityCount = camera.capabilities.size();
    return { camera };
}

QList<Agent_MicroPhoneInfo> sampleMicrophones()
{
    return { { 0, QStringLiteral("Built-in Microphone") }, { 1, QStringLiteral("Headset Microphone") } };
}

QList<Agent_SpeakerInfo> sampleSpeakers()
{
    return { { 0, QStringLiteral("Built-in Speakers") }, { 1, QStringLiteral("Headset") } };
}

} // namespace SampleData
