#include "policy/DevicePolicy.h"
#include "policy/NetworkPolicy.h"
#include "policy/PollingPolicy.h"
#include "policy/StatisticsPolicy.h"

#include <QtTest>

class tst_PanelPolicies : public QObject
{
    Q_OBJECT

private slots:
    void cameraOpensAt640x480TakingTheLastMatch()
    {
        struct Capability
        {
            float width;
            float height;
        };
        const auto index = [](const QList<Capability>& list) { return DevicePolicy::preferredCapabilityIndex(list); };
        QCOMPARE(index({ { 640, 480 }, { 1280, 720 }, { 640, 480 } }), 2);
        // Same pixel count in another shape counts too: the rule is the area.
        QCOMPARE(index({ { 1280, 720 }, { 480, 640 } }), 1);
        QCOMPARE(index({ { 1280, 720 }, { 1920, 1080 } }), 0);
        QCOMPARE(index({}), 0);
    }

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

    void networkFiguresAreClampedAndShortened()
    {
        QCOMPARE(NetworkPolicy::delayText(-3), QStringLiteral("0ms"));
        QCOMPARE(NetworkPolicy::lossText(3.0), QStringLiteral("3%"));
        QCOMPARE(NetworkPolicy::lossText(0.04), QStringLiteral("0%"));
        QCOMPARE(NetworkPolicy::lossText(140.0), QStringLiteral("100%"));
        QCOMPARE(NetworkPolicy::rateText(999), QStringLiteral("999Kbps"));
        QCOMPARE(NetworkPolicy::rateText(1000), QStringLiteral("1Mbps"));
        QCOMPARE(NetworkPolicy::rateText(1250), QStringLiteral("1.3Mbps"));
        QCOMPARE(NetworkPolicy::rateText(-5), QStringLiteral("0Kbps"));
        QCOMPARE(NetworkPolicy::levelText(QStringLiteral("m")), QStringLiteral("High network delay"));
    }

    void statisticsAreReadFromTheirJsonFields()
    {
        StatisticsPolicy::MediaStatistics stats;
        QVERIFY(StatisticsPolicy::parseStatistics(
            QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":7},{\"fraction_lost\":50}],"
                           "\"Receive\":[{\"fraction_lost\":3}]},\"TotalStats\":{\"Rtt_ms\":120}}"),
            &stats));
        QCOMPARE((QVector<int> { stats.rttMs, stats.sendLoss, stats.recvLoss }), (QVector<int> { 120, 7, 3 }));
        // Missing figures read as zero.
        QVERIFY(StatisticsPolicy::parseStatistics(
            QStringLiteral("{\"AudioStats\":{\"SendStream\":[],\"Receive\":\"x\"}}"), &stats));
        QCOMPARE((QVector<int> { stats.rttMs, stats.sendLoss, stats.recvLoss }), (QVector<int> { 0, 0, 0 }));

        // Malformed texts are refused with a reason, the figures untouched.
        stats.rttMs = 42;
        for (const char* bad : { "{\"TotalStats\":", "[1,2]", "", "not json" }) {
            QString error;
            QVERIFY2(!StatisticsPolicy::parseStatistics(QLatin1String(bad), &stats, &error), bad);
            QVERIFY2(!error.isEmpty(), bad);
        }
        QCOMPARE(stats.rttMs, 42);
        QVERIFY(!StatisticsPolicy::parseStatistics(QStringLiteral("not json"), nullptr));
    }
};

QTEST_GUILESS_MAIN(tst_PanelPolicies)
#include "tst_PanelPolicies.moc"
