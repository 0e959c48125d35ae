#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlay9Wgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"
#include "video/ConfSmartVideoPlayPipWdg.h"
#include "video/ConfSmartVideoPlaySmallWdg.h"
#include "video/PromptWidget_SysMsg.h"

#include "customui/KpGridLayout.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const VideoItem kSelf { QStringLiteral("me"), CONFMEMBER_DEVICE_PC, false, false };
struct Shorthands
{
    static UnifiedConferenceView* conf() { return BusinessFixture::business()->getUnifiedConferenceView(); }
    static CommandJournal* journal() { return BusinessFixture::journal(); }
    static int count(const char* op) { return journal()->count(QLatin1String(op)); }
    static QStringList commands() { return journal()->commandOperations(); }
    static QStringList texts(std::initializer_list<const char*> items) { return BusinessFixture::texts(items); }
    static VideoItem cam(const QString& account) { return { account, CONFMEMBER_DEVICE_PC_OTHER, false, false }; }
};
using S = Shorthands;

// Members p0..p(n-1) in the conference, plus the user.
QList<VideoItem> roster(int n)
{
    S::conf()->upsertMember(BusinessFixture::makeMember(kSelf.account, kSelf.deviceType));
    QList<VideoItem> items;
    for (int i = 0; i < n; ++i) {
        items << S::cam(QStringLiteral("p%1").arg(i));
        S::conf()->upsertMember(BusinessFixture::makeMember(items.last().account, items.last().deviceType));
    }
    return items;
}

std::unique_ptr<ConfSmartVideoPlayMainWdg> makeArea(int kind, int mode)
{
    auto area = std::make_unique<ConfSmartVideoPlayMainWdg>();
    area->resize(800, 600);
    area->initTiles(kind);
    area->setScreenLayout(mode);
    area->relayoutTimer()->stop();
    BusinessFixture::fire(area->relayoutTimer());
    return area;
}

// What the first `count` tiles show: "p1", "p1[share]", "-" for nothing.
QStringList shown(const ConfSmartVideoPlayMainWdg& area, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i) {
        const ConfSmartBaseVideoPlayWgt* tile = area.tile(i);
        list << (!tile->isBound()
                ? QStringLiteral("-")
                : tile->memberInfo().account + (tile->isShare() ? QStringLiteral("[share]") : QString()));
    }
    return list;
}

// Grid cells of the tiles in the grid, "row,column,rowSpan,columnSpan" each, in tile order.
QString placements(const ConfSmartVideoPlayMainWdg& area)
{
    QStringList cells;
    for (int i = 0; i < area.poolSize(); ++i) {
        const int at = area.gridLayout()->indexOf(area.tile(i));
        if (at < 0)
            continue;
        int r = -1, c = -1, rs = -1, cs = -1;
        area.gridLayout()->getItemPosition(at, &r, &c, &rs, &cs);
        cells << QStringLiteral("%1,%2,%3,%4").arg(r).arg(c).arg(rs).arg(cs);
    }
    return cells.join(QLatin1Char(' '));
}
// An m x n grid: tile (row x n + column) at that row and column.
QString grid(int rows, int columns)
{
    QStringList cells;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            cells << QStringLiteral("%1,%2,1,1").arg(r).arg(c);
    }
    return cells.join(QLatin1Char(' '));
}

} // namespace

class tst_ConfSmartVideoPlayMainWdg : public QObject, Shorthands
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(kSelf.account, QStringLiteral("Me"));
        journal()->clear();
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void poolsAreFilledOnceAndModeNumbersAreRecorded()
    {
        auto area = makeArea(0, 6);
        QVERIFY(area->pipWidget()->isHidden());
        QCOMPARE(area->pipWidget()->size(), QSize(250, 200));
        area->initTiles(1);
        QCOMPARE(area->poolSize(), 25);
        QVERIFY(qobject_cast<ConfSmartVideoPlaySmallWdg*>(area->tile(24)));
        // The current mode does nothing; 12 is only recorded, so 6 applies again.
        area->setScreenLayout(6);
        QVERIFY(!area->relayoutTimer()->isActive());
        area->setScreenLayout(12);
        QCOMPARE(area->screenLayout(), 12);
        QVERIFY(!area->relayoutTimer()->isActive());
        area->setScreenLayout(6);
        QVERIFY(area->relayoutTimer()->isActive());
        // The nine pool: a larger mode places what exists.
        auto nine = makeArea(1, 8);
        QCOMPARE(nine->poolSize(), 9);
        QVERIFY(qobject_cast<ConfSmartVideoPlay9Wgt*>(nine->tile(8)));
        QCOMPARE(nine->tileCount(), 9);
        QVERIFY(commands().isEmpty());
    }

    void eachModePlacesTheTilesOfItsTableAfterAPause()
    {
        const QVector<QPair<int, QString>> table { { 1, grid(1, 1) }, { 2, grid(1, 1) },
            { 3, QStringLiteral("0,0,3,2 0,2,1,1 1,2,1,1 2,2,1,1") },
            { 4, QStringLiteral("0,0,2,2 0,2,1,1 1,2,1,1 2,0,1,1 2,1,1,1 2,2,1,1") }, { 5, grid(2, 2) },
            { 6, grid(3, 3) }, { 7, grid(4, 4) }, { 8, grid(5, 5) }, { 9, grid(1, 2) }, { 10, grid(2, 3) },
            { 11, grid(1, 3) } };
        auto area = makeArea(0, 8);
        area->show();
        for (const auto& row : table) {
            area->setScreenLayout(row.first);
            // Hidden while the tiles move, shown again 500 ms later.
            QVERIFY(area->gridContainer()->isHidden() && !area->updatesEnabled());
            QCOMPARE(area->relayoutTimer()->interval(), 500);
            BusinessFixture::fire(area->relayoutTimer());
            QVERIFY(area->gridContainer()->isVisible() && area->updatesEnabled());
            QCOMPARE(placements(*area), row.second);
            const int tiles = row.second.count(QLatin1Char(' ')) + 1;
            QCOMPARE(area->tileCount(), tiles);
            QVERIFY(area->tile(tiles - 1)->isVisible());
            QVERIFY(tiles == 25 || area->tile(tiles)->isHidden());
            QCOMPARE(area->pipWidget()->isVisible(), row.first == 2);
        }
    }

    void itemIGoesToTileIWithSelfThroughThePreview()
    {
        auto area = makeArea(0, 5);
        const QList<VideoItem> members = roster(6);
        area->applyVideoOrder(area->buildVideoOrder(members, members.at(2), VideoItem(), VideoItem(), {}));
        QCOMPARE(shown(*area, 5), texts({ "p2", "me", "p0", "p1", "-" }));
        QCOMPARE(journal()->entries(QStringLiteral("resetSelfVideoView")).size(), 1);
        QCOMPARE(journal()->last(QStringLiteral("resetSelfVideoView")).args.value(0).value<quintptr>(),
            quintptr(area->tile(1)->renderHandle()));
        QCOMPARE(count("requestStartMemberVideo"), 3);
        QVERIFY(area->isMemberShown(QStringLiteral("p1")) && !area->isMemberShown(QStringLiteral("p4")));
        // The sharer's desktop and camera take two tiles.
        area->applyVideoOrder(area->buildVideoOrder(members, VideoItem(), members.at(1), VideoItem(), {}));
        QCOMPARE(shown(*area, 4), texts({ "p1[share]", "me", "p1", "p0" }));
        QCOMPARE(count("requestDesktopShareView"), 1);
        // A member the view does not know takes no tile; the items after it move up.
        area->applyVideoOrder({ members.at(0), cam(QStringLiteral("ghost")), members.at(2) });
        QCOMPARE(shown(*area, 4), texts({ "p0", "p2", "-", "-" }));
        // Without device types the user is device 0, still second.
        conf()->state().appSetting.multiDeviceMode = 0;
        QCOMPARE(area->buildVideoOrder(members, {}, {}, {}, {}).at(1).deviceType, CONFMEMBER_DEVICE_UNKNOWN);
    }

    void unchangedTilesKeepTheirStreamsAndSurplusTilesAreCleared()
    {
        auto area = makeArea(0, 7);
        QList<VideoItem> order = roster(30);
        area->applyVideoOrder(order);
        journal()->clear();
        area->applyVideoOrder(order);
        QVERIFY(journal()->entries().isEmpty());

        // Two members swap: only their tiles stop and start.
        order.swapItemsAt(3, 4);
        area->applyVideoOrder(order);
        QCOMPARE(commands(),
            texts({ "requestStopMemberVideo", "requestStopMemberVideo", "requestStartMemberVideo",
                "requestStartMemberVideo" }));
        QCOMPARE(journal()->entries(QStringLiteral("requestStartMemberVideo")).at(0).args.value(2).value<quintptr>(),
            quintptr(area->tile(3)->renderHandle()));

        // A smaller grid shows the first items only.
        area->setScreenLayout(5);
        journal()->clear();
        area->applyVideoOrder(order);
        QCOMPARE(count("requestStopMemberVideo"), 12);
        QCOMPARE(shown(*area, 5), texts({ "p0", "p1", "p2", "p4", "-" }));
    }

    void pipModeShowsTheOtherLargeAndSelfFloating()
    {
        auto area = makeArea(0, 2);
        const QList<VideoItem> order = area->buildVideoOrder(roster(3), VideoItem(), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        QCOMPARE(shown(*area, 25).count(QStringLiteral("-")), 24);
        QCOMPARE(shown(*area, 1), texts({ "p0" }));
        QCOMPARE(area->pipWidget()->memberInfo().account, QStringLiteral("me"));
        journal()->clear();
        area->applyVideoOrder(order);
        QVERIFY(commands().isEmpty());
        // Only self: nothing large and nothing floating.
        area->applyVideoOrder({ kSelf });
        QVERIFY(!area->tile(0)->isBound() && !area->pipWidget()->isBound());
        // Leaving the mode empties the floating window.
        area->applyVideoOrder(order);
        area->setScreenLayout(5);
        area->applyVideoOrder(order);
        QVERIFY(!area->pipWidget()->isBound() && area->pipWidget()->isHidden());
    }

    void singleTilesAreAddressedByIndexOr999()
    {
        auto area = makeArea(0, 5);
        roster(2);
        area->showMemberInTile(QStringLiteral("p0"), CONFMEMBER_DEVICE_PC_OTHER, 2, false);
        area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, 999, true);
        area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, 4, false); // == tileCount()
        QCOMPARE(shown(*area, 5), texts({ "-", "-", "p0", "-", "p1" }));
        QVERIFY(area->pipWidget()->isShare());
        journal()->clear();
        for (int bad : { -1, 5, 25, 998, 1000 })
            area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, bad, false);
        area->showMemberInTile(QStringLiteral("nobody"), CONFMEMBER_DEVICE_PC_OTHER, 0, false);
        for (int bad : { -1, 25, 998, 1000 })
            area->clearTile(bad);
        QVERIFY(commands().isEmpty());
        area->clearTile(999);
        area->clearTile(2);
        QCOMPARE(commands(), texts({ "stopDesktopShareView", "requestStopMemberVideo" }));
    }

    void autoLayoutComesFromTheLayoutFile()
    {
        const auto writeFile = [](const QString& path, const QByteArray& content) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
        };
        QTemporaryDir dir;
        const QByteArray savedAppPath = qgetenv("KP_APP_PATH");
        qputenv("KP_APP_PATH", dir.path().toLocal8Bit());
        const QString file = dir.filePath(QStringLiteral("layout"));
        auto area = makeArea(0, 1);
        area->applyAutoLayout(3); // no file: nothing changes
        QVERIFY(!area->relayoutTimer()->isActive());
        // Which layout a count takes is the layout file's rule; the area places what it gets.
        QVERIFY(writeFile(file, R"({ "version": 1, "layouts": [
            { "count": 1, "rows": 1, "columns": 1 },
            { "count": 3, "rows": 2, "columns": 3,
              "cells": [ { "row": 0, "column": 0, "rowSpan": 2, "columnSpan": 2 }, { "row": 0, "column": 2 }, { "row": 1, "column": 2 } ] },
            { "count": 4, "rows": 2, "columns": 2, "enabled": false },
            { "count": 25, "rows": 5, "columns": 5 } ] })"));
        area->applyAutoLayout(2);
        QVERIFY(area->gridContainer()->isHidden() && area->relayoutTimer()->isActive());
        QCOMPARE(placements(*area), QStringLiteral("0,0,2,2 0,2,1,1 1,2,1,1"));
        area->applyAutoLayout(1000); // beyond the list: the last
        QCOMPARE(area->tileCount(), 25);
        qputenv("KP_APP_PATH", savedAppPath);
    }

    void pipStaysWithinTheAreaWhenTheWindowMoves()
    {
        QWidget window;
        window.resize(900, 700);
        auto* area = new ConfSmartVideoPlayMainWdg(&window);
        area->setGeometry(0, 0, 800, 600);
        area->initTiles(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        area->setScreenLayout(2);
        ConfSmartVideoPlayPipWdg* pip = area->pipWidget();
        const QRect limits(area->mapToGlobal(area->pos()), area->size());
        const QPoint bottomRight(limits.x() + 800 - 250, limits.y() + 600 - 200 - 60);
        pip->move(limits.topLeft() + QPoint(100, 100));
        area->followWindowMove(10, 20, 40, 60);
        QCOMPARE(pip->pos(), limits.topLeft() + QPoint(130, 140));
        area->followWindowMove(0, 0, 5000, 5000);
        QCOMPARE(pip->pos(), bottomRight);
        area->followWindowMove(0, 0, -5000, -5000);
        QCOMPARE(pip->pos(), limits.topLeft());
    }

    void systemMessagesShowOverTheActiveConferenceWindowOnly()
    {
        ConfSmartVideoPlayMainWdg orphan;
        emit conf()->sig_onSystemMsgNotify(QStringLiteral("no parent"), true);
        QVERIFY(!orphan.systemMessagePrompt());

        QWidget window;
        window.resize(900, 700);
        auto* area = new ConfSmartVideoPlayMainWdg(&window);
        area->setGeometry(0, 0, 800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        QTRY_VERIFY(window.isActiveWindow());
        conf()->state().ignoreSdkInfo = true;
        emit conf()->sig_onSystemMsgNotify(QStringLiteral("ignored"), true);
        QVERIFY(!area->systemMessagePrompt());
        conf()->state().ignoreSdkInfo = false;

        emit conf()->sig_onSystemMsgNotify(QStringLiteral("Alice joined the meeting"), false);
        emit conf()->sig_onSystemMsgNotify(QStringLiteral("Bob left the meeting"), false);
        PromptWidget_SysMsg* prompt = area->systemMessagePrompt();
        QVERIFY(prompt && prompt->isVisible());
        QCOMPARE(prompt->currentText(), QStringLiteral("Alice joined the meeting"));
        QCOMPARE(prompt->queuedMessages(), texts({ "Bob left the meeting" }));
        QCOMPARE(prompt->pos(), area->mapToGlobal(QPoint(area->x() + 10, area->y() + 600 - 65)));
        area->resize(800, 500);
        area->repositionPrompt();
        QCOMPARE(prompt->pos(), area->mapToGlobal(QPoint(area->x() + 10, area->y() + 500 - 65)));
    }

    void doubleClickIsReportedAndDestructionStopsTheStreams()
    {
        auto area = makeArea(0, 5);
        area->show();
        QSignalSpy doubleClicked(area.get(), &ConfSmartVideoPlayMainWdg::sig_doubleClicked);
        QTest::mouseDClick(area.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(doubleClicked.count(), 1);
        area->applyVideoOrder(area->buildVideoOrder(roster(3), VideoItem(), VideoItem(), VideoItem(), {}));
        journal()->clear();
        area.reset();
        QCOMPARE(count("requestStopMemberVideo"), 3);
        QCOMPARE(count("resetSelfVideoView"), 1);
    }
};

QTEST_MAIN(tst_ConfSmartVideoPlayMainWdg)
#include "tst_ConfSmartVideoPlayMainWdg.moc"
