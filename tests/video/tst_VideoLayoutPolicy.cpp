#include "VideoLayoutPolicy.h"

#include <QSet>
#include <QtTest>

using namespace VideoLayoutPolicy;

class tst_VideoLayoutPolicy : public QObject
{
    Q_OBJECT

private slots:
    void everyModePlacesItsTilesWithoutOverlap_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("pip");
        QTest::newRow("1 single") << 1 << 1 << 1 << 1 << false;
        QTest::newRow("2 pip") << 2 << 1 << 1 << 1 << true;
        QTest::newRow("3 speaker") << 3 << 4 << 3 << 3 << false;
        QTest::newRow("4 L") << 4 << 6 << 3 << 3 << false;
        QTest::newRow("5 2x2") << 5 << 4 << 2 << 2 << false;
        QTest::newRow("6 3x3") << 6 << 9 << 3 << 3 << false;
        QTest::newRow("7 4x4") << 7 << 16 << 4 << 4 << false;
        QTest::newRow("8 5x5") << 8 << 25 << 5 << 5 << false;
        QTest::newRow("9 1x2") << 9 << 2 << 1 << 2 << false;
        QTest::newRow("10 2x3") << 10 << 6 << 2 << 3 << false;
        QTest::newRow("11 1x3") << 11 << 3 << 1 << 3 << false;
    }
    void everyModePlacesItsTilesWithoutOverlap()
    {
        QFETCH(int, mode);
        QFETCH(int, tiles);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, pip);
        const ModeLayout layout = modeLayout(mode);
        QVERIFY(layout.valid);
        QCOMPARE(layout.tileCount(), tiles);
        QCOMPARE(layout.pipVisible, pip);
        // Every cell of the rows x columns area is covered exactly once, tile i is the i-th placement.
        QSet<int> cells;
        for (int i = 0; i < layout.placements.size(); ++i) {
            const TilePlacement& p = layout.placements.at(i);
            QCOMPARE(p.tile, i);
            for (int r = p.row; r < p.row + p.rowSpan; ++r) {
                for (int c = p.column; c < p.column + p.columnSpan; ++c) {
                    QVERIFY(r < rows && c < columns);
                    QVERIFY2(!cells.contains(r * columns + c), "cell covered twice");
                    cells.insert(r * columns + c);
                }
            }
        }
        QCOMPARE(cells.size(), rows * columns);
    }

    void numbersOutsideTheTableAreNoMode()
    {
        for (int mode : { 0, -1, 12, 999, INT_MIN, INT_MAX })
            QVERIFY(!modeLayout(mode).valid);
    }

    void autoLayoutTakesCountMinusOneClamped()
    {
        QCOMPARE(autoLayoutIndex(0, 5), 0);
        QCOMPARE(autoLayoutIndex(1, 5), 0);
        QCOMPARE(autoLayoutIndex(3, 5), 2);
        QCOMPARE(autoLayoutIndex(9, 5), 4);
        QCOMPARE(autoLayoutIndex(INT_MIN, 5), 0);
        QCOMPARE(autoLayoutIndex(INT_MAX, 5), 4);
        QCOMPARE(autoLayoutIndex(3, 0), -1);
    }

    void pipStaysInsideTheAreaAndAboveItsBottom()
    {
        const QRect area(100, 50, 800, 600);
        const QSize pip(250, 200);
        QCOMPARE(clampPipPosition(QPoint(300, 200), area, pip), QPoint(300, 200));
        QCOMPARE(clampPipPosition(QPoint(5000, 5000), area, pip), QPoint(100 + 800 - 250, 50 + 600 - 200 - 60));
        QCOMPARE(clampPipPosition(QPoint(-400, -400), area, pip), QPoint(100, 50));
        // A window larger than the area keeps to the top-left corner.
        QCOMPARE(clampPipPosition(QPoint(500, 500), QRect(0, 0, 100, 100), pip), QPoint(0, 0));
    }
};

QTEST_GUILESS_MAIN(tst_VideoLayoutPolicy)
#include "tst_VideoLayoutPolicy.moc"
