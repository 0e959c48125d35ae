#include "VideoOrderPolicy.h"

#include <QtTest>

namespace {

VideoItem cam(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER)
{
    return VideoItem { account, type, false, false };
}
VideoItem share(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER)
{
    return VideoItem { account, type, true, false };
}
VideoItem venue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER)
{
    return VideoItem { account, type, false, true };
}

// Compact text of an order so that a failure shows the whole list.
QString text(const QList<VideoItem>& order)
{
    QStringList parts;
    for (const VideoItem& item : order)
        parts << item.account + (item.isShare ? QStringLiteral("[share]") : QString())
                + (item.isMainVenue ? QStringLiteral("[mv]") : QString()) + QLatin1Char('/')
                + QString::number(item.deviceType);
    return parts.join(QLatin1Char(' '));
}

const VideoItem kSelf = VideoOrderPolicy::selfItem(QStringLiteral("me"), 1);
const VideoItem kNone;

} // namespace

class tst_VideoOrderPolicy : public QObject
{
    Q_OBJECT

private slots:
    void selfIsThisClientOnlyWhenDevicesAreToldApart()
    {
        QCOMPARE(VideoOrderPolicy::selfItem(QStringLiteral("me"), 1).deviceType, CONFMEMBER_DEVICE_PC);
        QCOMPARE(VideoOrderPolicy::selfItem(QStringLiteral("me"), 7).deviceType, CONFMEMBER_DEVICE_PC);
        QCOMPARE(VideoOrderPolicy::selfItem(QStringLiteral("me"), 0).deviceType, CONFMEMBER_DEVICE_UNKNOWN);
        QVERIFY(!VideoOrderPolicy::selfItem(QStringLiteral("me"), 1).isShare);
    }

    void sharerWithoutMainVenueLeadsWithTheShareThenSelf()
    {
        const QList<VideoItem> members { kSelf, cam(QStringLiteral("x")), cam(QStringLiteral("b")),
            cam(QStringLiteral("h")), cam(QStringLiteral("y")) };
        const auto order = VideoOrderPolicy::buildVideoOrder(
            members, cam(QStringLiteral("h")), cam(QStringLiteral("b")), kNone, { cam(QStringLiteral("y")) }, kSelf);
        // Speakers are ignored while somebody shares.
        QCOMPARE(text(order),
            text({ share(QStringLiteral("b")), kSelf, cam(QStringLiteral("b")), cam(QStringLiteral("h")),
                cam(QStringLiteral("x")), cam(QStringLiteral("y")) }));
    }

    void mainVenueAndSharerGiveShareSelfVenueSharerCameraHostRest()
    {
        const QList<VideoItem> members { cam(QStringLiteral("x")), kSelf, cam(QStringLiteral("v")),
            cam(QStringLiteral("b")), cam(QStringLiteral("h")) };
        const auto order = VideoOrderPolicy::buildVideoOrder(
            members, cam(QStringLiteral("h")), cam(QStringLiteral("b")), venue(QStringLiteral("v")), {}, kSelf);
        QCOMPARE(text(order),
            text({ share(QStringLiteral("b")), kSelf, venue(QStringLiteral("v")), cam(QStringLiteral("b")),
                cam(QStringLiteral("h")), cam(QStringLiteral("x")) }));
    }

    void speakersComeFirstWithoutShareOrMainVenue()
    {
        const QList<VideoItem> members { cam(QStringLiteral("a")), cam(QStringLiteral("b")), cam(QStringLiteral("c")),
            kSelf, cam(QStringLiteral("h")) };
        const auto order = VideoOrderPolicy::buildVideoOrder(members, cam(QStringLiteral("h")), kNone, kNone,
            { cam(QStringLiteral("c")), cam(QStringLiteral("b")) }, kSelf);
        QCOMPARE(text(order),
            text({ cam(QStringLiteral("c")), kSelf, cam(QStringLiteral("b")), cam(QStringLiteral("h")),
                cam(QStringLiteral("a")) }));
    }

    void mainVenueIgnoresSpeakersAndTakesTheFirstPlace()
    {
        const QList<VideoItem> members { cam(QStringLiteral("a")), cam(QStringLiteral("v")), kSelf };
        const auto order = VideoOrderPolicy::buildVideoOrder(
            members, kNone, kNone, venue(QStringLiteral("v")), { cam(QStringLiteral("a")) }, kSelf);
        QCOMPARE(text(order), text({ venue(QStringLiteral("v")), kSelf, cam(QStringLiteral("a")) }));
    }

    void selfAsMainVenueStaysFirstAndIsNotMovedToSecond()
    {
        const VideoItem selfVenue { kSelf.account, kSelf.deviceType, false, true };
        const QList<VideoItem> members { cam(QStringLiteral("a")), kSelf, cam(QStringLiteral("b")) };
        const auto order = VideoOrderPolicy::buildVideoOrder(members, kNone, kNone, selfVenue, {}, kSelf);
        QCOMPARE(text(order), text({ selfVenue, cam(QStringLiteral("a")), cam(QStringLiteral("b")) }));
    }

    void ownShareIsNeverShownAndSelfStaysSecond()
    {
        const QList<VideoItem> members { cam(QStringLiteral("a")), kSelf, cam(QStringLiteral("b")) };
        const auto order = VideoOrderPolicy::buildVideoOrder(members, kNone, kSelf, kNone, {}, kSelf);
        for (const VideoItem& item : order)
            QVERIFY2(!item.isShare, qPrintable(text(order)));
        QCOMPARE(text(order), text({ cam(QStringLiteral("a")), kSelf, cam(QStringLiteral("b")) }));
    }

    void sameAccountOnAnotherDeviceIsAnotherMember()
    {
        // The user's phone is a separate member; only the desktop entry is self.
        const VideoItem phone = cam(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE);
        const QList<VideoItem> members { phone, cam(QStringLiteral("a")), kSelf };
        const auto order = VideoOrderPolicy::buildVideoOrder(members, kNone, kNone, kNone, {}, kSelf);
        QCOMPARE(text(order), text({ phone, kSelf, cam(QStringLiteral("a")) }));
    }

    void eachMemberOnceEvenWhenListedTwice()
    {
        const QList<VideoItem> members { cam(QStringLiteral("a")), cam(QStringLiteral("h")), cam(QStringLiteral("a")),
            kSelf, kSelf };
        const auto order
            = VideoOrderPolicy::buildVideoOrder(members, cam(QStringLiteral("h")), kNone, kNone, {}, kSelf);
        QCOMPARE(text(order), text({ cam(QStringLiteral("h")), kSelf, cam(QStringLiteral("a")) }));
    }

    void emptyInputsGiveSelfAloneOrNothing()
    {
        QCOMPARE(text(VideoOrderPolicy::buildVideoOrder({}, kNone, kNone, kNone, {}, kSelf)), text({ kSelf }));
        // Not logged in: nobody to insert, and no empty item either.
        QVERIFY(VideoOrderPolicy::buildVideoOrder({}, kNone, kNone, kNone, {}, kNone).isEmpty());
        const auto order
            = VideoOrderPolicy::buildVideoOrder({ cam(QStringLiteral("a")) }, kNone, kNone, kNone, {}, kNone);
        QCOMPARE(text(order), text({ cam(QStringLiteral("a")) }));
    }

    void mainVenueAbsentFromTheMembersIsStillShownFirst()
    {
        const auto order = VideoOrderPolicy::buildVideoOrder(
            { cam(QStringLiteral("a")) }, kNone, kNone, venue(QStringLiteral("v")), {}, kSelf);
        QCOMPARE(text(order), text({ venue(QStringLiteral("v")), kSelf, cam(QStringLiteral("a")) }));
    }

    void largeRosterKeepsEveryMemberOnceInOrder()
    {
        QList<VideoItem> members;
        for (int i = 0; i < 5000; ++i)
            members << cam(QStringLiteral("m%1").arg(i), i % 2 ? CONFMEMBER_DEVICE_MOBILE : CONFMEMBER_DEVICE_PC_OTHER);
        members << members.mid(100, 50) << kSelf;
        QList<VideoItem> speakers = members.mid(10, 20);
        const auto order = VideoOrderPolicy::buildVideoOrder(members, kNone, kNone, kNone, speakers, kSelf);
        QCOMPARE(order.size(), 5001);
        QCOMPARE(order.at(0), speakers.at(0));
        QCOMPARE(order.at(1), kSelf);
        QCOMPARE(order.at(20), speakers.at(19));
        QCOMPARE(order.at(21), members.at(0));
        QCOMPARE(order.last(), members.at(4999));
    }
};

QTEST_GUILESS_MAIN(tst_VideoOrderPolicy)
#include "tst_VideoOrderPolicy.moc"
