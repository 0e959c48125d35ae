#include "policy/ConferenceLayoutPolicy.h"
#include "policy/ConferenceWindowPolicy.h"

#include <QDateTime>
#include <QtTest>

#include <limits>

using namespace ConferenceLayoutPolicy;
using namespace ConferenceWindowPolicy;

class tst_ConferencePolicies : public QObject
{
    Q_OBJECT

private slots:
    void layoutTypesMapToTheVideoAreasCodesAndNames()
    {
        const QVector<int> codes { 2, 3, 4, 6, 7, 8 };
        const QStringList names
            = QStringLiteral("PIP Mode|Speaker mode|L-shaped layout mode|Gong Ge model|Gong Ge model|"
                             "Gong Ge model")
                  .split(QLatin1Char('|'));
        for (int type = 0; type < 6; ++type) {
            QCOMPARE(layoutCode(type, 5), codes.at(type));
            QCOMPARE(layoutCode(type, 1), 1); // one member fills the area whatever the type
            QCOMPARE(layoutName(type), names.at(type));
        }
        QCOMPARE(layoutCode(6, 5), 0);
        QCOMPARE(layoutCode(-1, 5), 0);
        QVERIFY(layoutName(7).isEmpty());
    }

    void pollingNeedsMoreMembersThanItsThreshold()
    {
        QCOMPARE((QVector<int> { pollingThreshold(0), pollingThreshold(1), pollingThreshold(2), pollingThreshold(3) }),
            (QVector<int> { 4, 4, 6, 0 }));
        QCOMPARE((QVector<int> { pollingPageSize(0), pollingPageSize(1), pollingPageSize(2), pollingPageSize(5) }),
            (QVector<int> { 0, 4, 6, 0 }));
    }

    void pollingPagesStartAtIndexOneAndWrap()
    {
        int index = 0;
        QCOMPARE(pollingPage(&index, 5, 4), (QVector<int> { 1, 2, 3, 4 }));
        QCOMPARE(pollingPage(&index, 5, 4), (QVector<int> { 0, 1, 2, 3 }));
        QCOMPARE(index, 3);
        // The list shrank below the index: the next page still lies inside it.
        index = 9;
        QCOMPARE(pollingPage(&index, 6, 4), (QVector<int> { 4, 5, 0, 1 }));
        // Not larger than a page, or no page: nothing, the index stays.
        index = 2;
        QVERIFY(pollingPage(&index, 4, 4).isEmpty());
        QVERIFY(pollingPage(&index, 9, 0).isEmpty());
        QCOMPARE(index, 2);
    }

    void thePollingIndexIsSharedByTheProcess()
    {
        setPollingIndex(0);
        QCOMPARE(nextPollingPage(7, 6), (QVector<int> { 1, 2, 3, 4, 5, 6 }));
        // Another window carries on where the last page ended.
        QCOMPARE(nextPollingPage(7, 6), (QVector<int> { 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(pollingIndex(), 5);
        setPollingIndex(0);
    }

    void arrivalRebuildsByLayoutTypeAndTiles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("members");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<bool>("host");
        QTest::addColumn<bool>("shareOrVenue");
        QTest::addColumn<bool>("rebuilds");
        QTest::newRow("pip: second member") << 0 << 2 << 1 << false << true << true;
        QTest::newRow("pip: third member") << 0 << 3 << 1 << false << false << false;
        QTest::newRow("pip: host") << 0 << 9 << 1 << true << false << true;
        QTest::newRow("pip: host while sharing") << 0 << 9 << 1 << true << true << false;
        QTest::newRow("speaker: one tile, second member") << 1 << 2 << 1 << false << false << true;
        QTest::newRow("speaker: tiles hold everybody") << 1 << 4 << 4 << false << true << true;
        QTest::newRow("speaker: beyond the tiles") << 1 << 5 << 4 << false << false << false;
        QTest::newRow("grid: host beyond the tiles") << 5 << 40 << 25 << true << false << true;
        QTest::newRow("grid: host beyond, main venue") << 5 << 40 << 25 << true << true << false;
    }
    void arrivalRebuildsByLayoutTypeAndTiles()
    {
        QFETCH(int, type);
        QFETCH(int, members);
        QFETCH(int, tiles);
        QFETCH(bool, host);
        QFETCH(bool, shareOrVenue);
        QFETCH(bool, rebuilds);
        QCOMPARE(rebuildsOnArrival(type, members, tiles, host, shareOrVenue), rebuilds);
    }

    void titleBarAndToolbarTexts()
    {
        QCOMPARE(conferenceIdText(QStringLiteral("12345")), QStringLiteral("ID:123 45"));
        QCOMPARE(conferenceIdText(QStringLiteral("123")), QStringLiteral("ID:123"));
        QCOMPARE(conferenceIdText(QStringLiteral("139228472")), QStringLiteral("ID:139 228 472"));
        QVERIFY(conferenceIdText(QString()).isEmpty());
        QCOMPARE(memberCountText(999), QStringLiteral("(999)"));
        QCOMPARE(memberCountText(1000), QStringLiteral("(999+)"));
    }

    void conferenceClockCountsFromTheStart()
    {
        const qint64 start = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC).toSecsSinceEpoch();
        const qint64 startMs = start * 1000;
        QCOMPARE(elapsedText(startMs + 59000, start), QStringLiteral("00:00:59"));
        QCOMPARE(elapsedText(startMs + (23 * 3600 + 59 * 60 + 59) * 1000LL, start), QStringLiteral("23:59:59"));
        QCOMPARE(elapsedText(startMs + 25 * 3600 * 1000LL, start), QStringLiteral("1 day 01:00:00"));
        QCOMPARE(elapsedText(startMs + 49 * 3600 * 1000LL, start), QStringLiteral("2 day 01:00:00"));
        QVERIFY(elapsedText(startMs - 1000, start).isEmpty()); // a start in the future
        // Absurd starts from the server show no clock instead of overflowing.
        QVERIFY(elapsedText(startMs, std::numeric_limits<qint64>::max()).isEmpty());
        QVERIFY(elapsedText(startMs, std::numeric_limits<qint64>::min()).isEmpty());
    }

    void sidePanelToggleGrowsTheWindowExceptTheFirstTime()
    {
        // "shown widthChange" for: first opening, closing, reopening, closing and opening maximised.
        QStringList toggles;
        for (const PanelToggle& t : { togglePanel(false, true, false), togglePanel(true, false, false),
                 togglePanel(false, false, false), togglePanel(true, false, true), togglePanel(false, false, true) })
            toggles << QStringLiteral("%1 %2").arg(t.shown).arg(t.widthChange);
        QCOMPARE(toggles.join(QLatin1Char('|')), QStringLiteral("1 0|0 -320|1 320|0 0|1 0"));
    }

    void restoringKeepsTheWindowOnAScreen()
    {
        QCOMPARE(restoredWidth(true), 1360);
        QCOMPARE(restoredWidth(false), 1040);
        const QVector<QRect> screens { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) };
        QCOMPARE(restoredPosition(QPoint(2000, 40), screens, 1920), QPoint(2000, 40));
        QCOMPARE(restoredPosition(QPoint(3300, 40), screens, 1920), QPoint(1380, 40));
        QCOMPARE(restoredPosition(QPoint(-100, 40), { QRect(0, 0, 1920, 1080) }, 1920), QPoint(1820, 40));
    }

    void cursorIsHeldInAllScreensInDevicePixels()
    {
        const QRect area = cursorConfinement({ QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 984) }, 1.5);
        QCOMPARE(area, QRect(0, 0, 4800, 1560));
    }
};

QTEST_APPLESS_MAIN(tst_ConferencePolicies)
#include "tst_ConferencePolicies.moc"
