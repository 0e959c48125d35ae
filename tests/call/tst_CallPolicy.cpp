#include "CallPolicy.h"
#include "VideoPanePolicy.h"

#include <QtTest>

#include <limits>

class tst_CallPolicy : public QObject
{
    Q_OBJECT

private slots:
    void talkTimeIsHoursMinutesSecondsAndWrapsAfterADay_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << QStringLiteral("00:00:00");
        QTest::newRow("a minute less a second") << 59 << QStringLiteral("00:00:59");
        QTest::newRow("an hour, a minute, a second") << 3661 << QStringLiteral("01:01:01");
        QTest::newRow("last second of the day") << 86399 << QStringLiteral("23:59:59");
        QTest::newRow("a day wraps") << 86400 << QStringLiteral("00:00:00");
        QTest::newRow("negative clamps") << -5 << QStringLiteral("00:00:00");
    }
    void talkTimeIsHoursMinutesSecondsAndWrapsAfterADay()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(CallPolicy::talkTimeText(seconds), text);
    }

    void peerIsTheCalleeOnlyWhenTheUserPlacedTheCall()
    {
        Agent_VoIPCallMsg msg;
        msg.callerAccount = QStringLiteral("me");
        msg.calleeAccount = QStringLiteral("bob");
        QCOMPARE(CallPolicy::peerAccount(msg, QStringLiteral("me")), QStringLiteral("bob"));
        QCOMPARE(CallPolicy::peerAccount(msg, QStringLiteral("bob")), QStringLiteral("me"));
        // Accounts compare exactly; nobody logged in means the caller is the peer.
        QCOMPARE(CallPolicy::peerAccount(msg, QStringLiteral("ME")), QStringLiteral("me"));
        QCOMPARE(CallPolicy::peerAccount(msg, QString()), QStringLiteral("me"));
    }

    void speakerToggleTurnsSilenceFullyOnAndAnythingElseOff()
    {
        QCOMPARE(CallPolicy::speakerVolumeToSet(0), 255u);
        QCOMPARE(CallPolicy::speakerVolumeToSet(1), 0u);
        QCOMPARE(CallPolicy::speakerVolumeToSet(255), 0u);
    }

    void whiteBoardNeedsAuthorityAndAModeWithWhiteboards()
    {
        QVERIFY(CallPolicy::whiteBoardOffered(true, 0));
        QVERIFY(CallPolicy::whiteBoardOffered(true, 5));
        QVERIFY(!CallPolicy::whiteBoardOffered(true, 3));
        QVERIFY(!CallPolicy::whiteBoardOffered(true, 7));
        QVERIFY(!CallPolicy::whiteBoardOffered(false, 0));
    }

    void windowPlacements()
    {
        const QRect desk(0, 0, 1920, 1040);
        QCOMPARE(CallPolicy::bottomRightPosition(desk, QSize(338, 168)), QPoint(1582, 872));
        // A task bar on the left moves the available area; the corner follows it.
        QCOMPARE(CallPolicy::bottomRightPosition(QRect(60, 0, 1860, 1080), QSize(338, 168)), QPoint(1582, 912));
        QCOMPARE(CallPolicy::centredPosition(desk, QSize(420, 330)), QPoint(750, 355));
        // Inside the bottom edge, centred; odd differences round down.
        QCOMPARE(CallPolicy::toolBarPosition(QRect(100, 50, 900, 600), QSize(470, 60)), QPoint(315, 590));
        QCOMPARE(CallPolicy::toolBarPosition(QRect(0, 0, 471, 60), QSize(470, 60)), QPoint(0, 0));
    }

    void letterboxBarsFollowTheRatioAgainstThePane_data()
    {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QSize>("pane");
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<bool>("topBottom");
        QTest::addColumn<bool>("leftRight");
        const QSize fill;
        QTest::newRow("unknown ratio") << 0.0f << QSize(640, 480) << fill << false << false;
        QTest::newRow("negative ratio") << -1.5f << QSize(640, 480) << fill << false << false;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << QSize(640, 480) << fill << false
                                      << false;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << QSize(640, 480) << fill << false
                                  << false;
        QTest::newRow("equal") << 4.0f / 3.0f << QSize(640, 480) << fill << false << false;
        QTest::newRow("wider picture") << 16.0f / 9.0f << QSize(640, 480) << QSize(640, 360) << true << false;
        QTest::newRow("narrower picture") << 4.0f / 3.0f << QSize(1280, 480) << QSize(640, 480) << false << true;
        QTest::newRow("portrait phone") << 9.0f / 16.0f << QSize(640, 480) << QSize(270, 480) << false << true;
        // Less than a pixel of bar is no bar.
        QTest::newRow("sub-pixel wider") << 1.3340f << QSize(640, 480) << fill << false << false;
        QTest::newRow("pane not laid out") << 16.0f / 9.0f << QSize(0, 0) << fill << false << false;
        QTest::newRow("pane without height") << 16.0f / 9.0f << QSize(640, 0) << fill << false << false;
    }
    void letterboxBarsFollowTheRatioAgainstThePane()
    {
        QFETCH(float, ratio);
        QFETCH(QSize, pane);
        QFETCH(QSize, surface);
        QFETCH(bool, topBottom);
        QFETCH(bool, leftRight);
        const VideoPanePolicy::Letterbox box = VideoPanePolicy::letterbox(ratio, pane);
        QCOMPARE(box.surface, surface);
        QCOMPARE(box.topBottomBars, topBottom);
        QCOMPARE(box.leftRightBars, leftRight);
        QCOMPARE(box.fillsPane(), !topBottom && !leftRight);
    }

    void avatarGrowsAbove500Pixels()
    {
        QCOMPARE(VideoPanePolicy::avatarSide(0), 70);
        QCOMPARE(VideoPanePolicy::avatarSide(500), 70);
        QCOMPARE(VideoPanePolicy::avatarSide(501), 170);
        QCOMPARE(VideoPanePolicy::avatarSide(1080), 170);
    }

    void localPaneTakesTheTopRightCornerAtTheCameraRatio()
    {
        const QRect current(10, 20, 240, 150);
        QCOMPARE(VideoPanePolicy::localPaneGeometry(900, current, 4.0f / 3.0f), QRect(660, 0, 240, 180));
        // Height is truncated, not rounded.
        QCOMPARE(VideoPanePolicy::localPaneGeometry(900, current, 1.7f), QRect(660, 0, 240, 141));
        // A ratio the engine could not measure leaves the pane where it is.
        QCOMPARE(VideoPanePolicy::localPaneGeometry(900, current, 0.0f), current);
        QCOMPARE(VideoPanePolicy::localPaneGeometry(900, current, -2.0f), current);
        QCOMPARE(VideoPanePolicy::localPaneX(898, 231), 667);
    }
};

QTEST_APPLESS_MAIN(tst_CallPolicy)
#include "tst_CallPolicy.moc"
