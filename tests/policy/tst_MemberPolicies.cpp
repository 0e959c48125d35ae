#include "policy/MemberRosterPolicy.h"
#include "policy/MemberRowGeometry.h"
#include "policy/MemberSortPolicy.h"

#include <QtTest>

#include <algorithm>

namespace {

// The fields the order rule reads, as the business record names them.
struct Row
{
    QString account;
    QString name;
    bool isHost = false;
    int deviceType = CONFMEMBER_DEVICE_PC;
};

const QString kSelf = QStringLiteral("me");

// The shown order as "account|device ...": a descending sort puts a before b when lessThan(b, a).
QString shown(QList<Row> rows, const QString& creator = QString(), bool byCreator = false)
{
    std::sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return byCreator ? MemberSortPolicy::creatorLessThan(b, a, creator, kSelf)
                         : MemberSortPolicy::lessThan(b, a, kSelf);
    });
    QStringList out;
    for (const Row& r : rows)
        out << r.account + QLatin1Char('|') + QString::number(r.deviceType);
    return out.join(QLatin1Char(' '));
}

} // namespace

class tst_MemberPolicies : public QObject
{
    Q_OBJECT

private slots:
    void hostFirstThenOwnRowsThenGreaterNameFirst()
    {
        const QList<Row> rows {
            { QStringLiteral("ann"), QStringLiteral("Ann") },
            { kSelf, QStringLiteral("Me"), false, CONFMEMBER_DEVICE_MOBILE },
            { QStringLiteral("zed"), QStringLiteral("Zed") },
            { QStringLiteral("boss"), QStringLiteral("Boss"), true },
            { kSelf, QStringLiteral("Me") },
            // Code units: 'a' (0x61) is greater than 'B' (0x42), 'É' (0xC9) greater than 'Z'.
            { QStringLiteral("bea"), QStringLiteral("Bea") },
            { QStringLiteral("al"), QStringLiteral("al") },
            { QStringLiteral("emile"), QStringLiteral("\u00C9mile") },
        };
        QCOMPARE(shown(rows), QStringLiteral("boss|20 me|20 me|2 emile|20 al|20 zed|20 bea|20 ann|20"));
        // The local user as host: still first, its other device right behind.
        QList<Row> selfHost = rows;
        selfHost[3].isHost = false;
        selfHost[4].isHost = true;
        QCOMPARE(shown(selfHost).section(QLatin1Char(' '), 0, 2), QStringLiteral("me|20 me|2 emile|20"));
    }

    void equalNamesGiveOneOrderWhateverTheArrival()
    {
        QList<Row> rows { { QStringLiteral("b"), QStringLiteral("Lee") },
            { QStringLiteral("a"), QStringLiteral("Lee") },
            { QStringLiteral("a"), QStringLiteral("Lee"), false, CONFMEMBER_DEVICE_WEB },
            { QStringLiteral("h2"), QStringLiteral("Ho"), true },
            { QStringLiteral("h1"), QStringLiteral("Ho"), true } };
        const QString first = shown(rows);
        QCOMPARE(first, QStringLiteral("h2|20 h1|20 b|20 a|21 a|20"));
        std::reverse(rows.begin(), rows.end());
        QCOMPARE(shown(rows), first);
        // Never less than itself: a binary search can place a row among its equals.
        QVERIFY(!MemberSortPolicy::lessThan(rows.at(0), rows.at(0), kSelf));
    }

    void olderListPutsTheCreatorFirstAndIgnoresTheHost()
    {
        const QList<Row> rows { { QStringLiteral("zed"), QStringLiteral("Zed"), true },
            { QStringLiteral("maker"), QStringLiteral("Maker") }, { kSelf, QStringLiteral("Me") },
            { QStringLiteral("amy"), QStringLiteral("Amy") } };
        QCOMPARE(shown(rows, QStringLiteral("maker"), true), QStringLiteral("maker|20 me|20 zed|20 amy|20"));
        // Without a creator the local user leads.
        QCOMPARE(shown(rows, QString(), true).section(QLatin1Char(' '), 0, 0), QStringLiteral("me|20"));
    }

    void aJoinTakesEveryKeyContainingTheAccount()
    {
        const QStringList keys = QStringLiteral("12|20 12|2 123|20 312|-1 21|20 1|12").split(QLatin1Char(' '));
        QCOMPARE(
            MemberRosterPolicy::keysContaining(keys.cbegin(), keys.cend(), QStringLiteral("12")).join(QLatin1Char(' ')),
            QStringLiteral("12|20 12|2 123|20 312|-1 1|12"));
        QVERIFY(MemberRosterPolicy::keysContaining(keys.cbegin(), keys.cend(), QString()).isEmpty());
        QVERIFY(MemberRosterPolicy::keysContaining(keys.cbegin(), keys.cend(), QStringLiteral("7")).isEmpty());
    }

    void menuKindAndEntries()
    {
        using MemberRosterPolicy::menuKind;
        // Own means the local account on device type 20.
        QVERIFY(MemberRosterPolicy::isOwnRow(kSelf, CONFMEMBER_DEVICE_PC, kSelf));
        QVERIFY(!MemberRosterPolicy::isOwnRow(kSelf, CONFMEMBER_DEVICE_PC_OTHER, kSelf));
        QVERIFY(!MemberRosterPolicy::isOwnRow(QString(), CONFMEMBER_DEVICE_PC, QString()));
        const QList<int> kinds { menuKind(true, true, CONFMEMBER_DEVICE_PC),
            menuKind(true, false, CONFMEMBER_DEVICE_PAD_LIMITED), menuKind(true, false, CONFMEMBER_DEVICE_PC),
            menuKind(false, true, CONFMEMBER_DEVICE_PC), menuKind(false, false, CONFMEMBER_DEVICE_PAD_LIMITED),
            menuKind(false, false, CONFMEMBER_DEVICE_WEB) };
        QCOMPARE(kinds, (QList<int> { 1, 2, 3, 4, 5, 6 }));
        QVERIFY(MemberRosterPolicy::hasMoreButton(4));
        QVERIFY(!MemberRosterPolicy::hasMoreButton(5));

        using E = MemberRosterPolicy::MenuEntry;
        const auto entries = [](int kind, bool local) { return MemberRosterPolicy::menuEntries(kind, local); };
        QCOMPARE(entries(1, true), (QList<E> { E::Camera, E::Microphone }));
        QCOMPARE(entries(2, false), (QList<E> { E::Camera, E::Microphone, E::KickOut }));
        QCOMPARE(entries(3, false), (QList<E> { E::Camera, E::Microphone, E::KickOut, E::SetHost }));
        // The local user's other device is never made host.
        QCOMPARE(entries(3, true), (QList<E> { E::Camera, E::Microphone, E::KickOut }));
        QCOMPARE(entries(4, true), (QList<E> { E::Camera, E::Microphone }));
        QVERIFY(entries(5, false).isEmpty());
        QVERIFY(entries(6, false).isEmpty());
    }

    void mediaReportsChangeOneField()
    {
        using F = MemberRosterPolicy::MediaField;
        QList<F> fields;
        for (int action : { 2, 3, 12, 13, 51, 0 })
            fields << MemberRosterPolicy::mediaFieldOf(action);
        QCOMPARE(fields, (QList<F> { F::Microphone, F::Microphone, F::Camera, F::Camera, F::None, F::None }));
    }

    void olderRowButtonsByViewerAndRow()
    {
        using B = MemberRosterPolicy::RowButton;
        const auto areas = [](bool host, bool own, bool in, bool hand) {
            const MemberRosterPolicy::OlderRowButtons b = MemberRosterPolicy::olderRowButtons(host, own, in, hand);
            return QList<B> { b.area[3], b.area[2], b.area[1], b.area[0] };
        };
        QCOMPARE(areas(true, false, true, true), (QList<B> { B::HandsUp, B::Camera, B::Microphone, B::Remove }));
        QCOMPARE(areas(true, true, true, false), (QList<B> { B::None, B::Camera, B::Microphone, B::None }));
        QCOMPARE(areas(true, false, false, false), (QList<B> { B::None, B::None, B::None, B::Add }));
        QCOMPARE(areas(false, true, true, true), (QList<B> { B::HandsUp, B::None, B::None, B::None }));
        QCOMPARE(areas(false, false, true, true), (QList<B> { B::None, B::None, B::None, B::None }));

        QStringList icons;
        for (int device : { 1, 2, 10, 11, 20, 22, 21, -1, 0 })
            icons << MemberRosterPolicy::deviceIconFile(device);
        QCOMPARE(icons.join(QLatin1Char(' ')),
            QStringLiteral(
                "Icon_phone.png Icon_phone.png Icon_pad.png Icon_pad.png Icon_pc.png Icon_pc.png Icon_h5.png  "));
    }

    void rowGeometry()
    {
        using namespace MemberRowGeometry;
        const QRect row(0, 120, 312, 60);
        QCOMPARE(rowHeight(1.0), 60);
        QCOMPARE(rowHeight(1.25), 75);
        QCOMPARE(avatarRect(row, 1.0), QRect(10, 133, 34, 34));
        QCOMPARE(nameRect(row, 1.0), QRect(49, 130, 86, 20));
        QCOMPARE(labelRect(row, 1.0), QRect(49, 148, 200, 24));
        QCOMPARE(cameraIconRect(row, 1.0), QRect(234, 142, 15, 15)); // 312 - 77.5, truncated
        QCOMPARE(microphoneIconRect(row, 1.0), QRect(263, 142, 15, 15)); // 312 - 48.5
        QCOMPARE(moreRect(row, 1.0), QRect(287, 142, 15, 15));
        QCOMPARE(callRect(row, 1.0), microphoneIconRect(row, 1.0));
        // At 1.25 the icons grow to 18 px and use a spacing of 6.25, the hit
        // areas the truncated 6.
        const QRect big(0, 0, 390, 75);
        QCOMPARE(microphoneIconRect(big, 1.25), QRect(332, 28, 18, 18)); // 390 - 57.625
        QCOMPARE(callRect(big, 1.25).x(), 333);
        QCOMPARE(moreRect(big, 1.25).x(), 360);

        const QRect older(0, 0, 313, 60);
        QCOMPARE(olderButtonRect(older, 1.0, 0), QRect(275, 18, 28, 24));
        QCOMPARE(olderButtonRect(older, 1.0, 1).x(), 244);
        QCOMPARE(olderButtonRect(older, 1.0, 2).x(), 214);
        QCOMPARE(olderButtonRect(older, 1.0, 3).x(), 183);
    }
};

QTEST_APPLESS_MAIN(tst_MemberPolicies)
#include "tst_MemberPolicies.moc"
