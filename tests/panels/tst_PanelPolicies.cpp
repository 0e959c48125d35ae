#include "DevicePolicy.h"
#include "NetworkPolicy.h"
#include "PollingPolicy.h"
#include "ScreenLayoutPolicy.h"
#include "StatisticsPolicy.h"

#include <QtTest>

class tst_PanelPolicies : public QObject
{
    Q_OBJECT

private slots:
    // --- devices ---
    void cameraOpensAt640x480TakingTheLastMatch()
    {
        using DevicePolicy::preferredCapabilityIndex;
        QCOMPARE(preferredCapabilityIndex({ { 1280, 720 }, { 640, 480 }, { 320, 240 } }), 1);
        QCOMPARE(preferredCapabilityIndex({ { 640, 480 }, { 1280, 720 }, { 640, 480 } }), 2);
        // Same pixel count in another shape counts too: the rule is the area.
        QCOMPARE(preferredCapabilityIndex({ { 1280, 720 }, { 480, 640 } }), 1);
        QCOMPARE(preferredCapabilityIndex({ { 1280, 720 }, { 1920, 1080 } }), 0);
        QCOMPARE(preferredCapabilityIndex({}), 0);
    }

    void devicesAreFoundByNameWithTheirOwnIndexes()
    {
        const QList<Agent_MicroPhoneInfo> mics
            = { { 3, QStringLiteral("Headset") }, { 7, QStringLiteral("USB") }, { 9, QStringLiteral("Headset") } };
        QCOMPARE(DevicePolicy::indexesNamed(mics, QStringLiteral("Headset")), (QList<int> { 3, 9 }));
        QVERIFY(DevicePolicy::indexesNamed(mics, QStringLiteral("headset")).isEmpty());
        const QList<Agent_SpeakerInfo> speakers = { { 4, QStringLiteral("Speakers") } };
        QCOMPARE(DevicePolicy::indexesNamed(speakers, QStringLiteral("Speakers")), (QList<int> { 4 }));
        QVERIFY(DevicePolicy::indexesNamed(speakers, QString()).isEmpty());
    }

    void refreshedListsKeepTheEntryInUse()
    {
        const QStringList names = { QStringLiteral("A"), QStringLiteral("B") };
        QCOMPARE(DevicePolicy::entryToShow(names, QStringLiteral("B")), 1);
        QCOMPARE(DevicePolicy::entryToShow(names, QStringLiteral("gone")), 0);
        QCOMPARE(DevicePolicy::entryToShow(names, QString()), 0);

        Agent_CameraInfo front;
        front.id = QStringLiteral("front");
        Agent_CameraInfo usb;
        usb.id = QStringLiteral("usb");
        QCOMPARE(DevicePolicy::cameraToShow({ front, usb }, QStringLiteral("usb")), 1);
        QCOMPARE(DevicePolicy::cameraToShow({ front, usb }, QStringLiteral("unplugged")), 0);
        QCOMPARE(DevicePolicy::cameraToShow({ front, usb }, QString()), 0);
    }

    // --- polling ---
    void pollingOffersFiveIntervalsStartingAtTwenty()
    {
        QCOMPARE(PollingPolicy::intervalChoices(),
            (QStringList { QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("120"),
                QStringLiteral("300") }));
        QCOMPARE(PollingPolicy::defaultInterval(), QStringLiteral("20"));
        QVERIFY(PollingPolicy::isIntervalChoice(QStringLiteral("120")));
        QVERIFY(!PollingPolicy::isIntervalChoice(QStringLiteral("45")));
    }

    void pollingIntervalTextsBecomeMilliseconds()
    {
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral("60")), 60000);
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral(" 300 ")), 300000);
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral("0")), 0);
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral("-20")), 0);
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral("abc")), 0);
        QCOMPARE(PollingPolicy::intervalMs(QString()), 0);
        QCOMPARE(PollingPolicy::intervalMs(QStringLiteral("99999999")), 0);
    }

    // --- layout types ---
    void layoutButtonsMapToTypesBothWays()
    {
        const QStringList buttons = { QStringLiteral("BigMountedZeroBtn"), QStringLiteral("BigMountedThreeBtn"),
            QStringLiteral("BigMountedFiveBtn"), QStringLiteral("BigMounted3X3Btn"), QStringLiteral("BigMounted4X4Btn"),
            QStringLiteral("BigMounted5X5Btn") };
        for (int type = 0; type < buttons.size(); ++type) {
            QCOMPARE(ScreenLayoutPolicy::buttonName(type), buttons.at(type));
            QCOMPARE(ScreenLayoutPolicy::typeOfButton(buttons.at(type)), type);
        }
        QVERIFY(ScreenLayoutPolicy::buttonName(-1).isEmpty());
        QVERIFY(ScreenLayoutPolicy::buttonName(6).isEmpty());
        QCOMPARE(ScreenLayoutPolicy::typeOfButton(QStringLiteral("YesBtn")), -1);
        QCOMPARE(ScreenLayoutPolicy::imagePath(0, false),
            QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/NewBigMountedOne_normal.png"));
        QCOMPARE(ScreenLayoutPolicy::imagePath(5, true),
            QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/5_5_hover.png"));
        QVERIFY(ScreenLayoutPolicy::imagePath(9, true).isEmpty());
        for (int type = 0; type < ScreenLayoutPolicy::kLayoutCount; ++type) {
            QVERIFY2(QFile::exists(ScreenLayoutPolicy::imagePath(type, false)), qPrintable(QString::number(type)));
            QVERIFY2(QFile::exists(ScreenLayoutPolicy::imagePath(type, true)), qPrintable(QString::number(type)));
        }
    }

    void theLastCheckedLayoutWins()
    {
        using ScreenLayoutPolicy::chosenLayout;
        QCOMPARE(chosenLayout({ false, false, false, false, false, false }), -1);
        QCOMPARE(chosenLayout({}), -1);
        QCOMPARE(chosenLayout({ true, false, false, false, false, false }), 0);
        QCOMPARE(chosenLayout({ false, false, false, false, false, true }), 5);
        QCOMPARE(chosenLayout({ true, false, true, false, false, false }), 2);
        // States past the sixth button are no layouts.
        QCOMPARE(chosenLayout({ false, true, false, false, false, false, true }), 1);
    }

    // --- network ---
    void networkLevelFollowsDelayAndLoss_data()
    {
        QTest::addColumn<int>("rtt");
        QTest::addColumn<double>("sendLoss");
        QTest::addColumn<double>("recvLoss");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("level");
        const QString h = QStringLiteral("h"), m = QStringLiteral("m"), l = QStringLiteral("l");
        QTest::newRow("quiet") << 0 << 0.0 << 0.0 << l << h;
        QTest::newRow("moderate keeps h") << 200 << 3.0 << 4.0 << h << h;
        QTest::newRow("moderate keeps l") << 200 << 3.0 << 4.0 << l << l;
        QTest::newRow("moderate keeps nothing") << 200 << 3.0 << 4.0 << QString() << QString();
        QTest::newRow("moderate delay, one low loss") << 200 << 1.0 << 4.0 << l << h;
        QTest::newRow("short delay, losses moderate") << 149 << 3.0 << 3.0 << l << h;
        QTest::newRow("delay 150 moderate") << 150 << 2.0 << 6.0 << m << m;
        QTest::newRow("delay 300") << 300 << 0.0 << 0.0 << h << m;
        QTest::newRow("loss just over 6") << 100 << 6.1 << 0.0 << h << m;
        QTest::newRow("loss 6 is not over") << 200 << 6.0 << 6.0 << l << l;
        QTest::newRow("delay 999") << 999 << 0.0 << 0.0 << h << m;
        QTest::newRow("delay 1000") << 1000 << 0.0 << 0.0 << h << l;
        QTest::newRow("receive loss 26") << 10 << 0.0 << 26.0 << h << l;
        QTest::newRow("send loss 25 is not over") << 10 << 25.0 << 0.0 << h << m;
    }

    void networkLevelFollowsDelayAndLoss()
    {
        QFETCH(int, rtt);
        QFETCH(double, sendLoss);
        QFETCH(double, recvLoss);
        QFETCH(QString, previous);
        QFETCH(QString, level);
        QCOMPARE(NetworkPolicy::networkLevel(rtt, sendLoss, recvLoss, previous), level);
    }

    void networkFiguresReadAsTheCardShowsThem()
    {
        QCOMPARE(NetworkPolicy::delayText(45), QStringLiteral("45ms"));
        QCOMPARE(NetworkPolicy::delayText(-3), QStringLiteral("0ms"));
        QCOMPARE(NetworkPolicy::lossText(2.5), QStringLiteral("2.5%"));
        QCOMPARE(NetworkPolicy::lossText(3.0), QStringLiteral("3%"));
        QCOMPARE(NetworkPolicy::lossText(0.04), QStringLiteral("0%"));
        QCOMPARE(NetworkPolicy::lossText(140.0), QStringLiteral("100%"));
        QCOMPARE(NetworkPolicy::rateText(512), QStringLiteral("512Kbps"));
        QCOMPARE(NetworkPolicy::rateText(999), QStringLiteral("999Kbps"));
        QCOMPARE(NetworkPolicy::rateText(1000), QStringLiteral("1Mbps"));
        QCOMPARE(NetworkPolicy::rateText(1250), QStringLiteral("1.3Mbps"));
        QCOMPARE(NetworkPolicy::rateText(-5), QStringLiteral("0Kbps"));
        QCOMPARE(NetworkPolicy::levelText(QStringLiteral("l")), QStringLiteral("Poor network quality"));
        QCOMPARE(NetworkPolicy::levelText(QStringLiteral("m")), QStringLiteral("High network delay"));
        QCOMPARE(NetworkPolicy::levelText(QStringLiteral("h")), QStringLiteral("The network connection is normal"));
    }

    // --- statistics ---
    void statisticsAreReadFromTheirJsonFields()
    {
        const QString json
            = QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":7},{\"fraction_lost\":50}],"
                             "\"Receive\":[{\"fraction_lost\":3}]},\"TotalStats\":{\"Rtt_ms\":120}}");
        StatisticsPolicy::MediaStatistics stats;
        QVERIFY(StatisticsPolicy::parseStatistics(json, &stats));
        QCOMPARE(stats.rttMs, 120);
        QCOMPARE(stats.sendLoss, 7);
        QCOMPARE(stats.recvLoss, 3);
    }

    void missingStatisticsReadAsZero()
    {
        StatisticsPolicy::MediaStatistics stats;
        stats.rttMs = stats.sendLoss = stats.recvLoss = 99;
        QVERIFY(StatisticsPolicy::parseStatistics(
            QStringLiteral("{\"AudioStats\":{\"SendStream\":[],\"Receive\":\"x\"}}"), &stats));
        QCOMPARE(stats.rttMs, 0);
        QCOMPARE(stats.sendLoss, 0);
        QCOMPARE(stats.recvLoss, 0);
        QVERIFY(StatisticsPolicy::parseStatistics(QStringLiteral("{}"), &stats));
    }

    void malformedStatisticsAreRefusedWithAReason()
    {
        StatisticsPolicy::MediaStatistics stats;
        stats.rttMs = 42;
        QString error;
        QVERIFY(!StatisticsPolicy::parseStatistics(QStringLiteral("{\"TotalStats\":"), &stats, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(stats.rttMs, 42); // untouched
        error.clear();
        QVERIFY(!StatisticsPolicy::parseStatistics(QStringLiteral("[1,2]"), &stats, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!StatisticsPolicy::parseStatistics(QString(), &stats));
        QVERIFY(!StatisticsPolicy::parseStatistics(QStringLiteral("not json"), nullptr));
    }

    void statisticsIntervalIsOneToTwentySeconds()
    {
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("1")), 1000);
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("20")), 20000);
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("0")), -1);
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("21")), -1);
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("")), -1);
        QCOMPARE(StatisticsPolicy::intervalMsFromText(QStringLiteral("2.5")), -1);
    }
};

QTEST_GUILESS_MAIN(tst_PanelPolicies)
#include "tst_PanelPolicies.moc"
