#include "customui/KpGridLayout.h"
#include "customui/KpLayoutConfig.h"
#include "customui/KpLayoutManager.h"
#include "support/TestWindows.h"

#include <QWidget>
#include <QtTest>

// The "layout" file: parsing and validation, the manager serving it by member count, the grid applying it.
class tst_KpLayoutConfig : public QObject
{
    Q_OBJECT

private:
    static QByteArray wrap(const QByteArray& layouts) { return "{\"version\":1,\"layouts\":[" + layouts + "]}"; }

    static void writeFile(const QTemporaryDir& dir, const QByteArray& content)
    {
        QFile file(dir.filePath(QStringLiteral("layout")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // "row,column,rowSpan,columnSpan" of each item, joined by spaces.
    static QString cells(const QList<KpLayoutItem>& items)
    {
        QStringList out;
        for (const KpLayoutItem& i : items)
            out << QStringLiteral("%1,%2,%3,%4").arg(i.row).arg(i.column).arg(i.rowSpan).arg(i.columnSpan);
        return out.join(QLatin1Char(' '));
    }

    static QList<KpLayoutItem> items(const QList<QWidget*>& widgets, const QList<QVector<int>>& places)
    {
        QList<KpLayoutItem> list;
        for (int i = 0; i < places.size(); ++i) {
            const QVector<int>& p = places.at(i);
            list << KpLayoutItem { p.value(0), p.value(1), p.value(2, 1), p.value(3, 1), widgets.value(i) };
        }
        return list;
    }

private slots:
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

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
        QCOMPARE(speaker.name + speaker.title, QStringLiteral("1+2Speaker"));
        QCOMPARE(QList<int>({ speaker.count, speaker.rows, speaker.columns }), QList<int>({ 3, 2, 3 }));
        QVERIFY(!speaker.enabled);
        QCOMPARE(cells(speaker.items), QStringLiteral("0,0,2,2 0,2,1,1 1,2,1,1"));

        // Without cells: the full grid, row by row; name and enabled defaulted.
        const KpLayout& grid = result.layouts.at(1);
        QCOMPARE(grid.name, QStringLiteral("4"));
        QVERIFY(grid.enabled);
        QCOMPARE(cells(grid.items), QStringLiteral("0,0,1,1 0,1,1,1 1,0,1,1 1,1,1,1"));
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

    // A bad cell drops only itself from a 2 x 2 grid for 3 members; a bad layout only itself
    // from between two good ones. Each is reported once.
    void badEntriesAreDroppedAndReported_data()
    {
        QTest::addColumn<QByteArray>("layouts");
        QTest::addColumn<QString>("kept"); // "count:cells" of each layout kept
        const auto cell = [](const char* name, const QByteArray& bad) {
            QTest::newRow(name) << "{\"count\":3,\"rows\":2,\"columns\":2,\"cells\":[{\"row\":0,\"column\":0},"
                                   "{\"row\":0,\"column\":1},"
                    + bad + ",{\"row\":1,\"column\":0}]}"
                                << QStringLiteral("3:0,0,1,1 0,1,1,1 1,0,1,1");
        };
        cell("negative row", "{\"row\":-1,\"column\":0}");
        cell("zero span", "{\"row\":1,\"column\":1,\"rowSpan\":0}");
        cell("negative span", "{\"row\":1,\"column\":1,\"columnSpan\":-2}");
        cell("outside rows", "{\"row\":2,\"column\":0}");
        cell("span past edge", "{\"row\":1,\"column\":1,\"columnSpan\":2}");
        cell("overlap", "{\"row\":0,\"column\":0}");
        cell("fraction", "{\"row\":1.5,\"column\":1}");
        cell("text", "{\"row\":\"1\",\"column\":1}");
        cell("missing column", "{\"row\":1}");
        cell("cell not object", "7");
        const auto layout = [](const char* name, const QByteArray& bad) {
            QTest::newRow(name) << "{\"count\":1,\"rows\":1,\"columns\":1}," + bad
                    + ",{\"count\":4,\"rows\":2,\"columns\":2}"
                                << QStringLiteral("1:0,0,1,1 4:0,0,1,1 0,1,1,1 1,0,1,1 1,1,1,1");
        };
        layout("too few cells", "{\"count\":3,\"rows\":1,\"columns\":2}");
        layout("no count", "{\"rows\":1,\"columns\":2}");
        layout("zero rows", "{\"count\":1,\"rows\":0,\"columns\":2}");
        layout("huge grid", "{\"count\":1,\"rows\":11,\"columns\":2}");
        layout("count repeated", "{\"count\":1,\"rows\":1,\"columns\":2}");
        layout("enabled as text", "{\"count\":2,\"rows\":1,\"columns\":2,\"enabled\":\"yes\"}");
        layout("cells not array", "{\"count\":2,\"rows\":1,\"columns\":2,\"cells\":{}}");
        layout("layout not object", "\"2x2\"");
    }
    void badEntriesAreDroppedAndReported()
    {
        QFETCH(QByteArray, layouts);
        QFETCH(QString, kept);
        const auto result = KpLayoutConfig::parse(wrap(layouts));
        QVERIFY(result.valid);
        QCOMPARE(result.problems.size(), 1);
        QStringList shown;
        for (const KpLayout& l : result.layouts)
            shown << QStringLiteral("%1:%2").arg(l.count).arg(cells(l.items));
        QCOMPARE(shown.join(QLatin1Char(' ')), kept);
    }

    void membersCountIndexFillsGapsWithNextLargerLayout()
    {
        const auto result = KpLayoutConfig::parse(wrap("{\"name\":\"nine\",\"count\":9,\"rows\":3,\"columns\":3},"
                                                       "{\"name\":\"one\",\"count\":1,\"rows\":1,\"columns\":1},"
                                                       "{\"name\":\"four\",\"count\":4,\"rows\":2,\"columns\":2}"));
        QStringList names;
        for (const KpLayout& layout : KpLayoutConfig::byMemberCount(result.layouts))
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
        QCOMPARE(byCount.size(), 25); // a layout for each member count of the 25-tile pool
        for (int i = 0; i < byCount.size(); ++i)
            QVERIFY2(byCount.at(i).items.size() >= i + 1, qPrintable(byCount.at(i).name));
    }

    void managerReadsFileAndFollowsChanges()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        KpLayoutManager manager;
        QVERIFY(manager.autoLayout().isEmpty()); // nothing configured

        // The application folder ends in '/', and callers append "/layout".
        manager.setLayoutConfig(QUrl::fromLocalFile(dir.path() + QStringLiteral("//layout")));
        QVERIFY(manager.autoLayout().isEmpty()); // missing file
        QVERIFY(manager.lastProblems().join(QString()).contains(QStringLiteral("not found")));

        writeFile(dir, wrap("{\"count\":2,\"rows\":1,\"columns\":2}"));
        QCOMPARE(manager.autoLayout().size(), 2);
        QVERIFY(manager.lastProblems().isEmpty());

        // A rewrite of a different size is picked up without reconfiguring.
        writeFile(dir, "{\"version\":1,\"layouts\":[{\"count\":3,\"rows\":1,\"columns\":3}]}  ");
        QCOMPARE(manager.autoLayout().size(), 3);
        manager.setLayoutConfig(QUrl(dir.filePath(QStringLiteral("layout")))); // a plain path
        QCOMPARE(manager.autoLayout().size(), 3);

        writeFile(dir, "{broken");
        QVERIFY(manager.autoLayout().isEmpty());
        QVERIFY(!manager.lastProblems().isEmpty());
    }

    void gridPlacesItemsAndHidesTheRest()
    {
        QWidget host;
        auto* grid = new KpGridLayout(&host);
        QList<QWidget*> tiles;
        for (int i = 0; i < 4; ++i)
            tiles << new QWidget(&host);

        QCOMPARE(grid->changeColumn(3, 3, items(tiles, { { 0, 0, 2, 2 }, { 0, 2 }, { 1, 2 }, { 2, 0 } })), 4);
        QCOMPARE(grid->count(), 4);
        int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
        grid->getItemPosition(grid->indexOf(tiles.at(0)), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QList<int>({ row, column, rowSpan, columnSpan }), QList<int>({ 0, 0, 2, 2 }));
        for (int r = 0; r < 3; ++r)
            QCOMPARE(grid->rowStretch(r), 1);

        // A smaller layout: tiles left out are taken out and hidden, bad
        // items (outside the grid, no widget, repeated widget) are skipped.
        host.show();
        const QList<QWidget*> next { tiles.at(2), tiles.at(3), nullptr, tiles.at(2) };
        QCOMPARE(grid->changeColumn(1, 2, items(next, { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 0, 1 } })), 1);
        QCOMPARE(grid->count(), 1);
        QCOMPARE(grid->indexOf(tiles.at(2)), 0);
        QVERIFY(tiles.at(2)->isVisible());
        QVERIFY(!tiles.at(0)->isVisible());
        QVERIFY(!tiles.at(3)->isVisible());
        QCOMPARE(QList<int>({ grid->rowStretch(1), grid->columnStretch(1), grid->columnStretch(2) }),
            QList<int>({ 0, 1, 0 }));
    }
};

QTEST_MAIN(tst_KpLayoutConfig)
#include "tst_KpLayoutConfig.moc"
