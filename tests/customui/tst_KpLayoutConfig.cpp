#include "KpGridLayout.h"
#include "KpLayoutConfig.h"
#include "KpLayoutManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// The "layout" file: its parsing and validation, the manager that serves it
// by member count, and the grid that applies a layout.
class tst_KpLayoutConfig : public QObject
{
    Q_OBJECT

private:
    static QByteArray wrap(const QByteArray& layouts) { return "{\"version\":1,\"layouts\":[" + layouts + "]}"; }

    static QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
    {
        const QString path = dir.filePath(QStringLiteral("layout"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(content);
        return path;
    }

private slots:
    void validFileGivesCellsSpansAndDefaults()
    {
        const auto result = KpLayoutConfig::parse(
            wrap("{\"name\":\"1+2\",\"title\":\"Speaker\",\"count\":3,\"rows\":2,\"columns\":3,\"enabled\":false,"
                 "\"cells\":[{\"row\":0,\"column\":0,\"rowSpan\":2,\"columnSpan\":2},{\"row\":0,\"column\":2},"
                 "{\"row\":1,\"column\":2}]},"
                 "{\"count\":4,\"rows\":2,\"columns\":2}"));
        QVERIFY(result.valid);
        QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.join(QLatin1Char('\n'))));
        QCOMPARE(result.layouts.size(), 2);

        const KpLayout& speaker = result.layouts.at(0);
        QCOMPARE(speaker.name, QStringLiteral("1+2"));
        QCOMPARE(speaker.title, QStringLiteral("Speaker"));
        QCOMPARE(speaker.count, 3);
        QCOMPARE(speaker.rows, 2);
        QCOMPARE(speaker.columns, 3);
        QCOMPARE(speaker.enabled, false);
        QCOMPARE(speaker.items.size(), 3);
        QCOMPARE(speaker.items.at(0).rowSpan, 2);
        QCOMPARE(speaker.items.at(0).columnSpan, 2);
        QCOMPARE(speaker.items.at(2).row, 1);
        QCOMPARE(speaker.items.at(2).columnSpan, 1);

        // Without cells: the full grid, row by row; name and enabled defaulted.
        const KpLayout& grid = result.layouts.at(1);
        QCOMPARE(grid.name, QStringLiteral("4"));
        QVERIFY(grid.enabled);
        QCOMPARE(grid.items.size(), 4);
        QCOMPARE(grid.items.at(1).row, 0);
        QCOMPARE(grid.items.at(1).column, 1);
        QCOMPARE(grid.items.at(2).row, 1);
        QCOMPARE(grid.items.at(2).column, 0);
    }

    void malformedDocumentsGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{\"version\":1,");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("array root") << QByteArray("[1,2]");
        QTest::newRow("no layouts") << QByteArray("{\"version\":1}");
        QTest::newRow("layouts not array") << QByteArray("{\"version\":1,\"layouts\":{}}");
        QTest::newRow("future version") << QByteArray(
            "{\"version\":2,\"layouts\":[{\"count\":1,\"rows\":1,\"columns\":1}]}");
        QTest::newRow("version as text") << QByteArray("{\"version\":\"1\",\"layouts\":[]}");
    }
    void malformedDocumentsGiveNothing()
    {
        QFETCH(QByteArray, json);
        const auto result = KpLayoutConfig::parse(json);
        QVERIFY(!result.valid);
        QVERIFY(result.layouts.isEmpty());
        QVERIFY(!result.problems.isEmpty());
    }

    void badCellsAreDroppedAndReported_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("negative row") << QByteArray("{\"row\":-1,\"column\":0}");
        QTest::newRow("zero span") << QByteArray("{\"row\":1,\"column\":1,\"rowSpan\":0}");
        QTest::newRow("negative span") << QByteArray("{\"row\":1,\"column\":1,\"columnSpan\":-2}");
        QTest::newRow("outside rows") << QByteArray("{\"row\":2,\"column\":0}");
        QTest::newRow("span past edge") << QByteArray("{\"row\":1,\"column\":1,\"columnSpan\":2}");
        QTest::newRow("overlap") << QByteArray("{\"row\":0,\"column\":0}");
        QTest::newRow("fraction") << QByteArray("{\"row\":1.5,\"column\":1}");
        QTest::newRow("text") << QByteArray("{\"row\":\"1\",\"column\":1}");
        QTest::newRow("missing column") << QByteArray("{\"row\":1}");
        QTest::newRow("not object") << QByteArray("7");
    }
    void badCellsAreDroppedAndReported()
    {
        QFETCH(QByteArray, cell);
        // A 2 x 2 grid for 3 members: three good cells and the bad one.
        const auto result = KpLayoutConfig::parse(wrap("{\"count\":3,\"rows\":2,\"columns\":2,\"cells\":["
                                                       "{\"row\":0,\"column\":0},{\"row\":0,\"column\":1},"
            + cell + ",{\"row\":1,\"column\":0}]}"));
        QVERIFY(result.valid);
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(result.layouts.size(), 1);
        const QList<KpLayoutItem> items = result.layouts.first().items;
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.at(2).row, 1);
        QCOMPARE(items.at(2).column, 0);
    }

    void badLayoutsAreDroppedOthersKept_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::newRow("too few cells") << QByteArray("{\"count\":3,\"rows\":1,\"columns\":2}");
        QTest::newRow("no count") << QByteArray("{\"rows\":1,\"columns\":2}");
        QTest::newRow("zero rows") << QByteArray("{\"count\":1,\"rows\":0,\"columns\":2}");
        QTest::newRow("huge grid") << QByteArray("{\"count\":1,\"rows\":11,\"columns\":2}");
        QTest::newRow("count repeated") << QByteArray("{\"count\":1,\"rows\":1,\"columns\":2}");
        QTest::newRow("enabled as text") << QByteArray("{\"count\":2,\"rows\":1,\"columns\":2,\"enabled\":\"yes\"}");
        QTest::newRow("cells not array") << QByteArray("{\"count\":2,\"rows\":1,\"columns\":2,\"cells\":{}}");
        QTest::newRow("not object") << QByteArray("\"2x2\"");
    }
    void badLayoutsAreDroppedOthersKept()
    {
        QFETCH(QByteArray, layout);
        const auto result = KpLayoutConfig::parse(
            wrap("{\"count\":1,\"rows\":1,\"columns\":1}," + layout + ",{\"count\":4,\"rows\":2,\"columns\":2}"));
        QVERIFY(result.valid);
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(result.layouts.size(), 2);
        QCOMPARE(result.layouts.at(0).count, 1);
        QCOMPARE(result.layouts.at(1).count, 4);
    }

    void membersCountIndexFillsGapsWithNextLargerLayout()
    {
        const auto result = KpLayoutConfig::parse(wrap("{\"name\":\"nine\",\"count\":9,\"rows\":3,\"columns\":3},"
                                                       "{\"name\":\"one\",\"count\":1,\"rows\":1,\"columns\":1},"
                                                       "{\"name\":\"four\",\"count\":4,\"rows\":2,\"columns\":2}"));
        const QList<KpLayout> byCount = KpLayoutConfig::byMemberCount(result.layouts);
        QCOMPARE(byCount.size(), 9);
        QStringList names;
        for (const KpLayout& layout : byCount)
            names << layout.name;
        QCOMPARE(names.join(QLatin1Char(',')), QStringLiteral("one,four,four,four,nine,nine,nine,nine,nine"));
        QVERIFY(KpLayoutConfig::byMemberCount({}).isEmpty());
    }

    void shippedLayoutFileIsCleanAndCoversEveryCount()
    {
        QFile file(QStringLiteral(KP_SHIPPED_LAYOUT));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto result = KpLayoutConfig::parse(file.readAll());
        QVERIFY(result.valid);
        QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.join(QLatin1Char('\n'))));
        const QList<KpLayout> byCount = KpLayoutConfig::byMemberCount(result.layouts);
        QCOMPARE(byCount.size(), KpLayoutConfig::MaxCells);
        for (int i = 0; i < byCount.size(); ++i)
            QVERIFY2(byCount.at(i).items.size() >= i + 1, qPrintable(byCount.at(i).name));
    }

    void managerReadsFileAndFollowsChanges()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        KpLayoutManager manager;
        QVERIFY(manager.autoLayout().isEmpty()); // nothing configured

        manager.setLayoutConfig(QUrl::fromLocalFile(dir.filePath(QStringLiteral("layout"))));
        QVERIFY(manager.autoLayout().isEmpty()); // missing file
        QVERIFY(manager.lastProblems().join(QString()).contains(QStringLiteral("not found")));

        writeFile(dir, wrap("{\"count\":2,\"rows\":1,\"columns\":2}"));
        QCOMPARE(manager.autoLayout().size(), 2);
        QVERIFY(manager.lastProblems().isEmpty());

        // A rewrite of a different size is picked up without reconfiguring.
        writeFile(dir, "{\"version\":1,\"layouts\":[{\"count\":3,\"rows\":1,\"columns\":3}]}  ");
        QCOMPARE(manager.autoLayout().size(), 3);

        writeFile(dir, "{broken");
        QVERIFY(manager.autoLayout().isEmpty());
        QVERIFY(!manager.lastProblems().isEmpty());
    }

    void managerAcceptsPlainPathsAndDoubleSlashes()
    {
        QTemporaryDir dir;
        writeFile(dir, wrap("{\"count\":1,\"rows\":1,\"columns\":1}"));
        KpLayoutManager manager;
        // The application folder ends in '/', and callers append "/layout".
        manager.setLayoutConfig(QUrl::fromLocalFile(dir.path() + QStringLiteral("//layout")));
        QCOMPARE(manager.autoLayout().size(), 1);
        manager.setLayoutConfig(QUrl(dir.filePath(QStringLiteral("layout"))));
        QCOMPARE(manager.autoLayout().size(), 1);
    }

    void gridPlacesItemsAndHidesTheRest()
    {
        QWidget host;
        auto* grid = new KpGridLayout(&host);
        QList<QWidget*> tiles;
        for (int i = 0; i < 4; ++i)
            tiles << new QWidget(&host);

        QList<KpLayoutItem> items;
        const int cells[4][4] = { { 0, 0, 2, 2 }, { 0, 2, 1, 1 }, { 1, 2, 1, 1 }, { 2, 0, 1, 1 } };
        for (int i = 0; i < 4; ++i) {
            KpLayoutItem item;
            item.row = cells[i][0];
            item.column = cells[i][1];
            item.rowSpan = cells[i][2];
            item.columnSpan = cells[i][3];
            item.widget = tiles.at(i);
            items << item;
        }
        QCOMPARE(grid->changeColumn(3, 3, items), 4);
        QCOMPARE(grid->count(), 4);
        int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
        grid->getItemPosition(grid->indexOf(tiles.at(0)), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QList<int>({ row, column, rowSpan, columnSpan }), QList<int>({ 0, 0, 2, 2 }));
        for (int r = 0; r < 3; ++r)
            QCOMPARE(grid->rowStretch(r), 1);

        // A smaller layout: tiles left out are taken out and hidden, bad
        // items (outside the grid, no widget, repeated widget) are skipped.
        host.show();
        QList<KpLayoutItem> next;
        KpLayoutItem a;
        a.widget = tiles.at(2);
        KpLayoutItem outside;
        outside.row = 1;
        outside.widget = tiles.at(3);
        KpLayoutItem empty;
        empty.column = 1;
        KpLayoutItem repeated;
        repeated.column = 1;
        repeated.widget = tiles.at(2);
        next << a << outside << empty << repeated;
        QCOMPARE(grid->changeColumn(1, 2, next), 1);
        QCOMPARE(grid->count(), 1);
        QCOMPARE(grid->indexOf(tiles.at(2)), 0);
        QVERIFY(tiles.at(2)->isVisible());
        QVERIFY(!tiles.at(0)->isVisible());
        QVERIFY(!tiles.at(3)->isVisible());
        QCOMPARE(grid->rowStretch(1), 0);
        QCOMPARE(grid->columnStretch(1), 1);
        QCOMPARE(grid->columnStretch(2), 0);
    }
};

QTEST_MAIN(tst_KpLayoutConfig)
#include "tst_KpLayoutConfig.moc"
