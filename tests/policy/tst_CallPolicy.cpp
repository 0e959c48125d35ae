#include "policy/CallPolicy.h"
#include "policy/VideoPanePolicy.h"

#include <QtTest>

#include <limits>

class tst_CallPolicy : public QObject
{
    Q_OBJECT

private slots:
    void talkTimeIsHoursMinutesSecondsAndWrapsAfterADay()
    {
        QCOMPARE(CallPolicy::talkTimeText(0), QStringLiteral("00:00:00"));
        QCOMPARE(CallPolicy::talkTimeText(3661), QStringLiteral("01:01:01"));
        QCOMPARE(CallPolicy::talkTimeText(86399), QStringLiteral("23:59:59"));
        QCOMPARE(CallPolicy::talkTimeText(86400), QStringLiteral("00:00:00"));
        QCOMPARE(CallPolicy::talkTimeText(-5), QStringLiteral("00:00:00"));
    }

    void whiteboardNeedsTheAuthorityAndAModeWithWhiteboards()
    {
        QVERIFY(CallPolicy::whiteBoardOffered(true, 5));
        QVERIFY(!CallPolicy::whiteBoardOffered(true, 3));
        QVERIFY(!CallPolicy::whiteBoardOffered(true, 7));
        QVERIFY(!CallPolicy::whiteBoardOffered(false, 0));
    }

    void windowPlacementsFollowTheAvailableArea()
    {
        // A task bar on the left moves the available area; the corner follows it.
        QCOMPARE(CallPolicy::bottomRightPosition(QRect(60, 0, 1860, 1080), QSize(338, 168)), QPoint(1582, 912));
        QCOMPARE(CallPolicy::centredPosition(QRect(10, 0, 1920, 1040), QSize(420, 330)), QPoint(760, 355));
        // Inside the bottom edge, centred; odd differences round down.
        QCOMPARE(CallPolicy::toolBarPosition(QRect(100, 50, 901, 600), QSize(470, 60)), QPoint(315, 590));
    }

    void letterboxBarsFollowTheRatioAgainstThePane_data()
    {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QSize>("pane");
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<QString>("bars"); // "tb" above and below, "lr" left and right
        const QSize fill;
        const QSize vga(640, 480);
        QTest::newRow("unknown ratio") << 0.0f << vga << fill << QString();
        QTest::newRow("negative ratio") << -1.5f << vga << fill << QString();
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << vga << fill << QString();
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << vga << fill << QString();
        QTest::newRow("equal") << 4.0f / 3.0f << vga << fill << QString();
        QTest::newRow("wider picture") << 16.0f / 9.0f << vga << QSize(640, 360) << QStringLiteral("tb");
        QTest::newRow("narrower picture") << 4.0f / 3.0f << QSize(1280, 480) << vga << QStringLiteral("lr");
        QTest::newRow("portrait phone") << 9.0f / 16.0f << vga << QSize(270, 480) << QStringLiteral("lr");
        // Less than a pixel of bar is no bar.
        QTest::newRow("sub-pixel wider") << 1.3340f << vga << fill << QString();
        QTest::newRow("pane not laid out") << 16.0f / 9.0f << QSize(0, 0) << fill << QString();
        QTest::newRow("pane without height") << 16.0f / 9.0f << QSize(640, 0) << fill << QString();
    }
    void letterboxBarsFollowTheRatioAgainstThePane()
    {
        QFETCH(float, ratio);
        QFETCH(QSize, pane);
        QFETCH(QSize, surface);
        QFETCH(QString, bars);
        const VideoPanePolicy::Letterbox box = VideoPanePolicy::letterbox(ratio, pane);
        QCOMPARE(box.surface, surface);
        QCOMPARE(box.topBottomBars, bars == QLatin1String("tb"));
        QCOMPARE(box.leftRightBars, bars == QLatin1String("lr"));
        QCOMPARE(box.fillsPane(), bars.isEmpty());
    }
    void avatarGrowsWithThePaneAndTheScreenScale()
    {
        // At 96 DPI: 70 up to a 500 px pane, 170 above.
        QCOMPARE(VideoPanePolicy::avatarSide(150), 70);
        QCOMPARE(VideoPanePolicy::avatarSide(500), 70);
        QCOMPARE(VideoPanePolicy::avatarSide(501), 170);
        // A pane grown twice as large on a 192 DPI screen is still a small pane.
        QCOMPARE(VideoPanePolicy::avatarSide(300, 2.0), 140);
        QCOMPARE(VideoPanePolicy::avatarSide(1000, 2.0), 140);
        QCOMPARE(VideoPanePolicy::avatarSide(1001, 2.0), 340);
        QCOMPARE(VideoPanePolicy::avatarSide(750, 1.5), 105);
        QCOMPARE(VideoPanePolicy::avatarSide(751, 1.5), 255);
    }
};

QTEST_APPLESS_MAIN(tst_CallPolicy)
#include "tst_CallPolicy.moc"
