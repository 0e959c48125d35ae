#include "policy/VideoLayoutPolicy.h"
#include "support/BusinessFixture.h"
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
    static VideoItem cam(const QString& account)
    {
        return VideoItem { account, CONFMEMBER_DEVICE_PC_OTHER, false, false };
    }
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
    QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
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
QVector<int> gridPosition(const ConfSmartVideoPlayMainWdg& area, int index)
{
    int r = -1, c = -1, rs = -1, cs = -1;
    const int at = area.gridLayout()->indexOf(area.tile(index));
    if (at >= 0)
        area.gridLayout()->getItemPosition(at, &r, &c, &rs, &cs);
    return { r, c, rs, cs };
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
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

    void poolsAreFilledOnceByKind()
    {
        ConfSmartVideoPlayMainWdg grid;
        QVERIFY(grid.pipWidget()->isHidden());
        grid.initTiles(0);
        grid.initTiles(1);
        QCOMPARE(grid.poolSize(), 25);
        QVERIFY(qobject_cast<ConfSmartVideoPlaySmallWdg*>(grid.tile(24)));
        ConfSmartVideoPlayMainWdg nine;
        nine.initTiles(1);
        QCOMPARE(nine.poolSize(), 9);
        QVERIFY(qobject_cast<ConfSmartVideoPlay9Wgt*>(nine.tile(8)));
        QVERIFY(!nine.tile(9));
        QVERIFY(commands().isEmpty());
    }

    void eachModePlacesTheTilesOfItsTableAfterAPause()
    {
        auto area = makeArea(0, 8);
        area->show();
        for (int mode : { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 8 }) {
            area->setScreenLayout(mode);
            // Hidden while the tiles move, shown again when the timer fires.
            QVERIFY(area->gridContainer()->isHidden() && !area->updatesEnabled());
            QCOMPARE(area->relayoutTimer()->interval(), 500);
            QVERIFY(area->relayoutTimer()->isActive());
            QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
            QVERIFY(area->gridContainer()->isVisible() && area->updatesEnabled());
            const VideoLayoutPolicy::ModeLayout layout = VideoLayoutPolicy::modeLayout(mode);
            QCOMPARE(area->tileCount(), layout.tileCount());
            for (int i = 0; i < 25; ++i) {
                const QVector<int> expected = i < layout.tileCount() ? QVector<int> { layout.placements[i].row,
                    layout.placements[i].column, layout.placements[i].rowSpan, layout.placements[i].columnSpan }
                                                                     : QVector<int> { -1, -1, -1, -1 };
                QCOMPARE(gridPosition(*area, i), expected);
                QCOMPARE(area->tile(i)->isVisible(), i < layout.tileCount());
            }
            QCOMPARE(area->pipWidget()->isVisible(), mode == 2);
        }
    }

    void sameModeDoesNothingAndUnknownModesAreOnlyRecorded()
    {
        auto area = makeArea(0, 6);
        area->setScreenLayout(6);
        QVERIFY(!area->relayoutTimer()->isActive());
        for (int mode : { 12, -7, INT_MAX }) {
            area->setScreenLayout(mode);
            QCOMPARE(area->screenLayout(), mode);
            QVERIFY(!area->relayoutTimer()->isActive());
            QCOMPARE(area->tileCount(), 9);
        }
        area->setScreenLayout(6); // applies again after the unknown number
        QVERIFY(area->relayoutTimer()->isActive());
        QCOMPARE(area->tileCount(), 9);
        // A mode larger than the nine pool places what exists.
        auto nine = makeArea(1, 8);
        QCOMPARE(nine->tileCount(), 9);
        nine->applyVideoOrder(roster(20));
        QCOMPARE(shown(*nine, 9).last(), QStringLiteral("p8"));
    }

    void orderIsBoundItemIToTileIWithSelfThroughThePreview()
    {
        auto area = makeArea(0, 5);
        const QList<VideoItem> members = roster(6);
        area->applyVideoOrder(area->buildVideoOrder(members, members.at(2), VideoItem(), VideoItem(), {}));
        QCOMPARE(shown(*area, 5), texts({ "p2", "me", "p0", "p1", "-" }));
        QCOMPARE(journal()->entries(QStringLiteral("resetSelfVideoView")).size(), 1);
        QCOMPARE(journal()->last(QStringLiteral("resetSelfVideoView")).args.value(0).value<quintptr>(),
            quintptr(area->tile(1)->renderHandle()));
        QCOMPARE(count("requestStartMemberVideo"), 3);
        QVERIFY(area->isMemberShown(QStringLiteral("p1")));
        QVERIFY(!area->isMemberShown(QStringLiteral("p4")));
        // Without device types the user is device 0, still second.
        conf()->state().appSetting.multiDeviceMode = 0;
        QCOMPARE(area->buildVideoOrder(members, {}, {}, {}, {}).at(1).deviceType, CONFMEMBER_DEVICE_UNKNOWN);
    }

    void unchangedTilesKeepTheirStreams()
    {
        auto area = makeArea(0, 7);
        QList<VideoItem> order = roster(30);
        area->applyVideoOrder(order);
        const quintptr handle0 = quintptr(area->tile(0)->renderHandle());
        journal()->clear();
        area->applyVideoOrder(order);
        area->applyVideoOrder(order);
        QVERIFY2(journal()->entries().isEmpty(), qPrintable(journal()->operations().join(QLatin1Char(','))));

        // Two members swap: only their tiles stop and start.
        order.swapItemsAt(3, 4);
        area->applyVideoOrder(order);
        const QList<JournalEntry> starts = journal()->entries(QStringLiteral("requestStartMemberVideo"));
        QCOMPARE(commands(),
            texts({ "requestStopMemberVideo", "requestStopMemberVideo", "requestStartMemberVideo",
                "requestStartMemberVideo" }));
        QCOMPARE(argsOf(journal()->entries(QStringLiteral("requestStopMemberVideo"))), texts({ "p3", "p4" }));
        QCOMPARE(argsOf(starts), texts({ "p4", "p3" }));
        QCOMPARE(starts.at(0).args.value(2).value<quintptr>(), quintptr(area->tile(3)->renderHandle()));
        QCOMPARE(quintptr(area->tile(0)->renderHandle()), handle0);
    }

    void shrinkingTheGridClearsTheSurplusTiles()
    {
        auto area = makeArea(0, 6);
        const QList<VideoItem> order = roster(12);
        area->applyVideoOrder(order);
        area->setScreenLayout(5);
        journal()->clear();
        area->applyVideoOrder(order);
        QCOMPARE(commands().join(QLatin1Char(' ')), QStringLiteral("requestStopMemberVideo ").repeated(5).trimmed());
        QCOMPARE(shown(*area, 9), texts({ "p0", "p1", "p2", "p3", "-", "-", "-", "-", "-" }));
    }

    void shareAndCameraOfTheSharerGoToTwoTiles()
    {
        auto area = makeArea(0, 5);
        const QList<VideoItem> members = roster(3);
        area->applyVideoOrder(area->buildVideoOrder(members, VideoItem(), members.at(1), VideoItem(), {}));
        QCOMPARE(shown(*area, 4), texts({ "p1[share]", "me", "p1", "p0" }));
        QCOMPARE(count("requestDesktopShareView"), 1);
    }

    void membersUnknownToTheViewAndEmptyItemsTakeNoTile()
    {
        auto area = makeArea(0, 5);
        QList<VideoItem> order = roster(3);
        order.insert(1, cam(QStringLiteral("ghost")));
        area->applyVideoOrder(order);
        // The ghost takes no tile; the items after it move up.
        QCOMPARE(shown(*area, 4), texts({ "p0", "p1", "p2", "-" }));
        QCOMPARE(count("requestStartMemberVideo"), 3);
        // An empty item is what an empty tile already shows: its tile stays empty.
        auto fresh = makeArea(0, 5);
        fresh->applyVideoOrder({ VideoItem(), VideoItem(), cam(QStringLiteral("p1")) });
        QCOMPARE(shown(*fresh, 4), texts({ "-", "-", "p1", "-" }));
        fresh->applyVideoOrder({});
        ConfSmartVideoPlayMainWdg empty; // no pool, no grid
        empty.applyVideoOrder(roster(3));
        empty.setScreenLayout(2);
        empty.applyVideoOrder(roster(3));
        QVERIFY(!empty.isMemberShown(QStringLiteral("p0")));
    }

    void pipModeShowsTheOtherLargeAndSelfFloating()
    {
        auto area = makeArea(0, 2);
        const QList<VideoItem> order = area->buildVideoOrder(roster(3), VideoItem(), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        QCOMPARE(shown(*area, 25).count(QStringLiteral("-")), 24);
        QCOMPARE(shown(*area, 1), texts({ "p0" }));
        QCOMPARE(area->pipWidget()->memberInfo().account, QStringLiteral("me"));
        // A refresh restarts nothing.
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
        QVERIFY(!area->pipWidget()->isBound());
        QVERIFY(area->pipWidget()->isHidden());
        QCOMPARE(shown(*area, 3), texts({ "p0", "me", "p1" }));
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
        for (int bad : { -1, 5, 24, 25, 998, 1000, INT_MIN, INT_MAX })
            area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, bad, false);
        area->showMemberInTile(QStringLiteral("nobody"), CONFMEMBER_DEVICE_PC_OTHER, 0, false);
        for (int bad : { -1, 25, 998, 1000, INT_MIN })
            area->clearTile(bad);
        QVERIFY(commands().isEmpty());
        QVERIFY(!area->tile(0)->isBound());
        area->clearTile(999);
        area->clearTile(2);
        QCOMPARE(commands(), texts({ "stopDesktopShareView", "requestStopMemberVideo" }));
        QVERIFY(!area->tile(2)->isBound());
    }

    void autoLayoutComesFromTheLayoutFile()
    {
        QTemporaryDir dir;
        const QByteArray savedAppPath = qgetenv("KP_APP_PATH");
        qputenv("KP_APP_PATH", dir.path().toLocal8Bit());
        const QString file = dir.filePath(QStringLiteral("layout"));
        auto area = makeArea(0, 1);
        auto nine = makeArea(1, 1);
        // No file, an empty one, a malformed one: nothing changes.
        area->applyAutoLayout(3);
        for (const char* content : { "", "{ \"version\": 1, \"layouts\": [ { \"count\": " }) {
            writeFile(file, content);
            area->applyAutoLayout(3);
        }
        QCOMPARE(area->tileCount(), 1);
        QVERIFY(!area->relayoutTimer()->isActive());

        writeFile(file, R"({ "version": 1, "layouts": [
            { "count": 1, "rows": 1, "columns": 1 },
            { "count": 2, "rows": 1, "columns": 2 },
            { "count": 3, "rows": 2, "columns": 3,
              "cells": [ { "row": 0, "column": 0, "rowSpan": 2, "columnSpan": 2 }, { "row": 0, "column": 2 }, { "row": 1, "column": 2 } ] },
            { "count": 4, "rows": 2, "columns": 2, "enabled": false },
            { "count": 25, "rows": 5, "columns": 5 } ] })");
        area->applyAutoLayout(3);
        QVERIFY(area->gridContainer()->isHidden());
        QVERIFY(area->relayoutTimer()->isActive());
        QCOMPARE(area->tileCount(), 3);
        QCOMPARE(gridPosition(*area, 0), (QVector<int> { 0, 0, 2, 2 }));
        area->applyAutoLayout(4); // disabled: the grid stays
        QCOMPARE(area->tileCount(), 3);
        // Beyond the list: the last entry; more cells than the pool has tiles are skipped.
        area->applyAutoLayout(1000);
        QCOMPARE(area->tileCount(), 25);
        QVERIFY(area->pipWidget()->isHidden());
        nine->applyAutoLayout(25);
        QCOMPARE(nine->tileCount(), 9);
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
        // First shown at the area's bottom-right, above the 60 px band.
        QCOMPARE(pip->pos(), bottomRight);
        pip->move(limits.topLeft() + QPoint(100, 100));
        area->followWindowMove(10, 20, 40, 60);
        QCOMPARE(pip->pos(), limits.topLeft() + QPoint(130, 140));
        area->followWindowMove(0, 0, 5000, 5000);
        QCOMPARE(pip->pos(), bottomRight);
        area->followWindowMove(0, 0, -5000, -5000);
        QCOMPARE(pip->pos(), limits.topLeft());

        // Mode 2 chosen before the window is on screen: placed when it shows.
        QWidget later;
        later.move(40, 30);
        later.resize(700, 500);
        auto* hidden = new ConfSmartVideoPlayMainWdg(&later);
        hidden->setGeometry(0, 0, 700, 500);
        hidden->initTiles(0);
        hidden->setScreenLayout(2);
        later.show();
        QVERIFY(QTest::qWaitForWindowExposed(&later));
        const QRect area2(hidden->mapToGlobal(hidden->pos()), hidden->size());
        QTRY_COMPARE(hidden->pipWidget()->pos(), QPoint(area2.x() + 700 - 250, area2.y() + 500 - 200 - 60));
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

private:
    static QStringList argsOf(const QList<JournalEntry>& entries)
    {
        QStringList accounts;
        for (const JournalEntry& e : entries)
            accounts << e.args.value(0).toString();
        return accounts;
    }
};

QTEST_MAIN(tst_ConfSmartVideoPlayMainWdg)
#include "tst_ConfSmartVideoPlayMainWdg.moc"
