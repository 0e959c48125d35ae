#include "policy/DevicePolicy.h"
#include "policy/NetworkPolicy.h"
#include "policy/StatisticsPolicy.h"

#include <QtTest>

class tst_PanelPolicies : public QObject
{
    Q_OBJECT

    struct Capability
    {
        float width;
        float height;
    };

private slots:
    void cameraOpensAt640x480OrWithBothIndexesZero()
    {
        const auto choice = [](const QList<Capability>& caps) {
            const DevicePolicy::CameraChoice c
                = DevicePolicy::cameraChoice(3, DevicePolicy::preferredCapabilityIndex(caps));
            return QVector<int> { c.cameraIndex, c.capabilityIndex };
        };
        // The last match wins; the rule is width x height = 307200.
        QCOMPARE(choice({ { 640, 480 }, { 1280, 720 }, { 640, 480 } }), (QVector<int> { 3, 2 }));
        QCOMPARE(choice({ { 1280, 720 }, { 480, 640 } }), (QVector<int> { 3, 1 }));
        QCOMPARE(choice({ { 1280, 720 }, { 1920, 1080 } }), (QVector<int> { 0, 0 }));
        QCOMPARE(choice({}), (QVector<int> { 0, 0 }));
    }

    void networkLevelFollowsDelayAndLoss_data()
    {
        QTest::addColumn<int>("rtt");
        QTest::addColumn<double>("sendLoss");
        QTest::addColumn<double>("recvLoss");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("level");
        const QString h = QStringLiteral("h"), m = QStringLiteral("m"), l = QStringLiteral("l");
        QTest::newRow("at construction") << 0 << 0.0 << 0.0 << QString() << h;
        QTest::newRow("200, losses 3 and 4 keep h") << 200 << 3.0 << 4.0 << h << h;
        QTest::newRow("200, losses 3 and 4 keep l") << 200 << 3.0 << 4.0 << l << l;
        QTest::newRow("200 with a loss of 1") << 200 << 1.0 << 4.0 << l << h;
        QTest::newRow("149") << 149 << 3.0 << 3.0 << l << h;
        QTest::newRow("300") << 300 << 0.0 << 0.0 << h << m;
        QTest::newRow("loss 6 is not over") << 200 << 6.0 << 6.0 << l << l;
        QTest::newRow("loss 6.1") << 100 << 6.1 << 0.0 << h << m;
        QTest::newRow("999") << 999 << 0.0 << 0.0 << h << m;
        QTest::newRow("1000") << 1000 << 0.0 << 0.0 << h << l;
        QTest::newRow("loss 25 is not over") << 10 << 25.0 << 0.0 << h << m;
        QTest::newRow("loss 26") << 10 << 0.0 << 26.0 << h << l;
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

    void statisticsAreReadFromTheirJsonFields()
    {
        StatisticsPolicy::MediaStatistics stats;
        QVERIFY(StatisticsPolicy::parseStatistics(
            QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":7},{\"fraction_lost\":50}],"
                           "\"Receive\":[{\"fraction_lost\":3}]},\"TotalStats\":{\"Rtt_ms\":120}}"),
            &stats));
        QCOMPARE((QVector<int> { stats.rttMs, stats.sendLoss, stats.recvLoss }), (QVector<int> { 120, 7, 3 }));
        // Missing figures read as zero; malformed texts are refused with a reason, the figures untouched.
        QVERIFY(StatisticsPolicy::parseStatistics(
            QStringLiteral("{\"AudioStats\":{\"SendStream\":[],\"Receive\":\"x\"}}"), &stats));
        QCOMPARE((QVector<int> { stats.rttMs, stats.sendLoss, stats.recvLoss }), (QVector<int> { 0, 0, 0 }));
        stats.rttMs = 42;
        for (const char* bad : { "{\"TotalStats\":", "[1,2]", "", "not json" }) {
            QString error;
            QVERIFY2(!StatisticsPolicy::parseStatistics(QLatin1String(bad), &stats, &error), bad);
            QVERIFY2(!error.isEmpty(), bad);
        }
        QCOMPARE(stats.rttMs, 42);
    }
};

QTEST_GUILESS_MAIN(tst_PanelPolicies)
#include "tst_PanelPolicies.moc"
