#include "BusinessFixture.h"
#include "ConfSmartBaseVideoPlayWgt.h"
#include "ConfSmartVideoPlay9Wgt.h"
#include "ConfSmartVideoPlayMainWdg.h"
#include "ConfSmartVideoPlayPipWdg.h"
#include "ConfSmartVideoPlaySmallWdg.h"
#include "PromptWidget_SysMsg.h"

#include "KpGridLayout.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

UnifiedConferenceView* conf()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}

CommandJournal* journal()
{
    return BusinessFixture::journal();
}

VideoItem cam(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER)
{
    return VideoItem { account, type, false, false };
}

const VideoItem kSelf { QStringLiteral("me"), CONFMEMBER_DEVICE_PC, false, false };

// Members p0..p(n-1) in the conference, plus the user.
QList<VideoItem> roster(int n)
{
    conf()->upsertMember(BusinessFixture::makeMember(kSelf.account, kSelf.deviceType));
    QList<VideoItem> items;
    for (int i = 0; i < n; ++i) {
        const VideoItem item = cam(QStringLiteral("p%1").arg(i));
        conf()->upsertMember(BusinessFixture::makeMember(item.account, item.deviceType));
        items << item;
    }
    return items;
}

std::unique_ptr<ConfSmartVideoPlayMainWdg> makeArea(int kind = 0, int mode = 1)
{
    auto area = std::make_unique<ConfSmartVideoPlayMainWdg>();
    area->resize(800, 600);
    area->initTiles(kind);
    area->setScreenLayout(mode);
    area->relayoutTimer()->stop();
    QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
    return area;
}

QString shownBy(const ConfSmartBaseVideoPlayWgt* tile)
{
    if (!tile->isBound())
        return QStringLiteral("-");
    return tile->memberInfo().account + (tile->isShare() ? QStringLiteral("[share]") : QString());
}

QStringList shownTiles(const ConfSmartVideoPlayMainWdg& area, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << shownBy(area.tile(i));
    return list;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Points the application folder (where the "layout" file lives) elsewhere for one test.
class AppPathOverride
{
public:
    explicit AppPathOverride(const QString& path)
        : m_old(qgetenv("KP_APP_PATH"))
    {
        qputenv("KP_APP_PATH", path.toLocal8Bit());
    }
    ~AppPathOverride() { qputenv("KP_APP_PATH", m_old); }

private:
    QByteArray m_old;
};

} // namespace

class tst_ConfSmartVideoPlayMainWdg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(kSelf.account, QStringLiteral("Me"));
        journal()->clear();
    }

    void constructionHasNoTilesAndAHiddenPip()
    {
        ConfSmartVideoPlayMainWdg area;
        QCOMPARE(area.screenLayout(), 0);
        QCOMPARE(area.tileCount(), 0);
        QCOMPARE(area.poolSize(), 0);
        QVERIFY(area.pipWidget()->isHidden());
        QCOMPARE(area.pipWidget()->size(), QSize(250, 200));
        QVERIFY(!area.systemMessagePrompt());
        QVERIFY(area.findChild<QStackedWidget*>(QStringLiteral("stackedWidget")));
        QCOMPARE(area.gridLayout()->horizontalSpacing(), 1);
        QCOMPARE(area.gridLayout()->verticalSpacing(), 1);
        QVERIFY(journal()->commandOperations().isEmpty());
    }

    void poolsAreFilledOnceByKind()
    {
        ConfSmartVideoPlayMainWdg grid;
        grid.initTiles(0);
        QCOMPARE(grid.poolSize(), 25);
        QVERIFY(qobject_cast<ConfSmartVideoPlaySmallWdg*>(grid.tile(24)));
        QVERIFY(grid.tile(24)->isHidden());
        grid.initTiles(1);
        QCOMPARE(grid.poolSize(), 25);

        ConfSmartVideoPlayMainWdg nine;
        nine.initTiles(1);
        QCOMPARE(nine.poolSize(), 9);
        QVERIFY(qobject_cast<ConfSmartVideoPlay9Wgt*>(nine.tile(8)));
        QVERIFY(!nine.tile(9));
    }

    void eachModePlacesTheTilesOfItsTable_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<int>>("tile0"); // row, column, row span, column span
        QTest::addColumn<QVector<int>>("last");
        QTest::addColumn<bool>("pip");
        QTest::newRow("1") << 1 << 1 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 0, 0, 1, 1 } << false;
        QTest::newRow("2") << 2 << 1 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 0, 0, 1, 1 } << true;
        QTest::newRow("3") << 3 << 4 << QVector<int> { 0, 0, 3, 2 } << QVector<int> { 2, 2, 1, 1 } << false;
        QTest::newRow("4") << 4 << 6 << QVector<int> { 0, 0, 2, 2 } << QVector<int> { 2, 2, 1, 1 } << false;
        QTest::newRow("5") << 5 << 4 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 1, 1, 1, 1 } << false;
        QTest::newRow("6") << 6 << 9 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 2, 2, 1, 1 } << false;
        QTest::newRow("7") << 7 << 16 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 3, 3, 1, 1 } << false;
        QTest::newRow("8") << 8 << 25 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 4, 4, 1, 1 } << false;
        QTest::newRow("9") << 9 << 2 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 0, 1, 1, 1 } << false;
        QTest::newRow("10") << 10 << 6 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 1, 2, 1, 1 } << false;
        QTest::newRow("11") << 11 << 3 << QVector<int> { 0, 0, 1, 1 } << QVector<int> { 0, 2, 1, 1 } << false;
    }
    void eachModePlacesTheTilesOfItsTable()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(QVector<int>, tile0);
        QFETCH(QVector<int>, last);
        QFETCH(bool, pip);
        // Start from the largest grid so that every switch must take tiles out.
        auto area = makeArea(0, mode == 8 ? 6 : 8);
        area->show();
        area->setScreenLayout(mode);
        QCOMPARE(area->screenLayout(), mode);
        QVERIFY(area->gridContainer()->isHidden());
        QVERIFY(!area->updatesEnabled());
        QCOMPARE(area->relayoutTimer()->interval(), 500);
        QVERIFY(area->relayoutTimer()->isActive());
        QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
        QVERIFY(area->gridContainer()->isVisible());
        QVERIFY(area->updatesEnabled());

        QCOMPARE(area->tileCount(), count);
        auto position = [&area](int index) {
            int r = -1, c = -1, rs = -1, cs = -1;
            const int at = area->gridLayout()->indexOf(area->tile(index));
            if (at >= 0)
                area->gridLayout()->getItemPosition(at, &r, &c, &rs, &cs);
            return QVector<int> { r, c, rs, cs };
        };
        QCOMPARE(position(0), tile0);
        QCOMPARE(position(count - 1), last);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(area->tile(i)->isVisible(), i < count);
        QCOMPARE(area->pipWidget()->isVisible(), pip);
        QCOMPARE(area->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(),
            QStringLiteral("page_2"));
    }

    void sameModeDoesNothingAndUnknownModeIsOnlyRecorded()
    {
        auto area = makeArea(0, 6);
        area->setScreenLayout(6);
        QVERIFY(!area->relayoutTimer()->isActive());
        area->setScreenLayout(12);
        QCOMPARE(area->screenLayout(), 12);
        QVERIFY(!area->relayoutTimer()->isActive());
        QCOMPARE(area->tileCount(), 9);
        area->setScreenLayout(6); // applies again after the unknown number
        QVERIFY(area->relayoutTimer()->isActive());
        QCOMPARE(area->tileCount(), 9);
        area->setScreenLayout(-7);
        area->setScreenLayout(INT_MAX);
        QCOMPARE(area->tileCount(), 9);
    }

    void largeModeOnTheNinePoolPlacesWhatExists()
    {
        auto area = makeArea(1, 6);
        area->setScreenLayout(8);
        QCOMPARE(area->tileCount(), 9);
        area->applyVideoOrder(roster(20));
        QCOMPARE(shownTiles(*area, 9).last(), QStringLiteral("p8"));
    }

    void orderIsBoundItemIToTileI()
    {
        auto area = makeArea(0, 5);
        const QList<VideoItem> members = roster(6);
        const QList<VideoItem> order = area->buildVideoOrder(members, members.at(2), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        QCOMPARE(shownTiles(*area, 5), BusinessFixture::texts({ "p2", "me", "p0", "p1", "-" }));
        // The user's own camera goes through the self preview.
        QCOMPARE(journal()->count(QStringLiteral("resetSelfVideoView")), 1);
        QCOMPARE(journal()->last(QStringLiteral("resetSelfVideoView")).args.value(0).value<quintptr>(),
            quintptr(area->tile(1)->renderHandle()));
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 3);
        QVERIFY(area->isMemberShown(QStringLiteral("p1")));
        QVERIFY(!area->isMemberShown(QStringLiteral("p4")));
    }

    void unchangedOrderMakesNoBusinessCall()
    {
        auto area = makeArea(0, 7);
        const QList<VideoItem> order = area->buildVideoOrder(roster(30), VideoItem(), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        journal()->clear();
        area->applyVideoOrder(order);
        area->applyVideoOrder(order);
        QVERIFY2(journal()->entries().isEmpty(), qPrintable(journal()->operations().join(QLatin1Char(','))));
    }

    void unchangedTilesKeepTheirStreamsWhenOthersMove()
    {
        auto area = makeArea(0, 6);
        QList<VideoItem> order = roster(9);
        area->applyVideoOrder(order);
        const quintptr handle0 = quintptr(area->tile(0)->renderHandle());
        journal()->clear();
        order.swapItemsAt(3, 4);
        area->applyVideoOrder(order);
        const QList<JournalEntry> stops = journal()->entries(QStringLiteral("requestStopMemberVideo"));
        const QList<JournalEntry> starts = journal()->entries(QStringLiteral("requestStartMemberVideo"));
        QCOMPARE(stops.size(), 2);
        QCOMPARE(starts.size(), 2);
        QCOMPARE(starts.at(0).args.value(0).toString(), QStringLiteral("p4"));
        QCOMPARE(starts.at(0).args.value(2).value<quintptr>(), quintptr(area->tile(3)->renderHandle()));
        for (const JournalEntry& e : stops + starts)
            QVERIFY(
                e.args.value(0).toString() == QLatin1String("p3") || e.args.value(0).toString() == QLatin1String("p4"));
        QCOMPARE(quintptr(area->tile(0)->renderHandle()), handle0);
    }

    void shrinkingTheGridClearsTheSurplusTiles()
    {
        auto area = makeArea(0, 6);
        const QList<VideoItem> order = roster(12);
        area->applyVideoOrder(order);
        QCOMPARE(shownTiles(*area, 10).count(QStringLiteral("-")), 1);
        area->setScreenLayout(5);
        journal()->clear();
        area->applyVideoOrder(order);
        QCOMPARE(journal()->count(QStringLiteral("requestStopMemberVideo")), 5);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 0);
        QCOMPARE(shownTiles(*area, 9), BusinessFixture::texts({ "p0", "p1", "p2", "p3", "-", "-", "-", "-", "-" }));
    }

    void shareAndCameraOfTheSharerGoToTwoTiles()
    {
        auto area = makeArea(0, 5);
        const QList<VideoItem> members = roster(3);
        const QList<VideoItem> order = area->buildVideoOrder(members, VideoItem(), members.at(1), VideoItem(), {});
        area->applyVideoOrder(order);
        QCOMPARE(shownTiles(*area, 4), BusinessFixture::texts({ "p1[share]", "me", "p1", "p0" }));
        QCOMPARE(journal()->count(QStringLiteral("requestDesktopShareView")), 1);
    }

    void membersUnknownToTheViewAreNotShown()
    {
        auto area = makeArea(0, 5);
        QList<VideoItem> order = roster(3);
        order.insert(1, cam(QStringLiteral("ghost")));
        area->applyVideoOrder(order);
        // The ghost takes no tile; the items after it move up.
        QCOMPARE(shownTiles(*area, 4), BusinessFixture::texts({ "p0", "p1", "p2", "-" }));
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 3);
    }

    void pipModeShowsTheOtherLargeAndSelfFloating()
    {
        auto area = makeArea(0, 2);
        const QList<VideoItem> members = roster(3);
        const QList<VideoItem> order = area->buildVideoOrder(members, VideoItem(), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        QCOMPARE(shownBy(area->tile(0)), QStringLiteral("p0"));
        QCOMPARE(shownBy(area->tile(ConfSmartVideoPlayMainWdg::kPipIndex)), QStringLiteral("me"));
        QCOMPARE(shownTiles(*area, 25).count(QStringLiteral("-")), 24);
        // A refresh restarts nothing.
        journal()->clear();
        area->applyVideoOrder(order);
        QVERIFY(journal()->commandOperations().isEmpty());

        // Only self: nothing large and nothing floating.
        area->applyVideoOrder({ kSelf });
        QVERIFY(!area->tile(0)->isBound());
        QVERIFY(!area->pipWidget()->isBound());
    }

    void leavingPipModeEmptiesTheFloatingWindow()
    {
        auto area = makeArea(0, 2);
        const QList<VideoItem> order = area->buildVideoOrder(roster(2), VideoItem(), VideoItem(), VideoItem(), {});
        area->applyVideoOrder(order);
        area->setScreenLayout(5);
        area->applyVideoOrder(order);
        QVERIFY(!area->pipWidget()->isBound());
        QVERIFY(area->pipWidget()->isHidden());
        QCOMPARE(shownTiles(*area, 3), BusinessFixture::texts({ "p0", "me", "p1" }));
    }

    void selfFollowsTheServiceSetting()
    {
        ConfSmartVideoPlayMainWdg area;
        QCOMPARE(area.selfItem(), kSelf);
        conf()->state().appSetting.multiDeviceMode = 0;
        QCOMPARE(area.selfItem().deviceType, CONFMEMBER_DEVICE_UNKNOWN);
        const QList<VideoItem> order = area.buildVideoOrder({ cam(QStringLiteral("a")) }, {}, {}, {}, {});
        QCOMPARE(order.at(1).deviceType, CONFMEMBER_DEVICE_UNKNOWN);
    }

    void singleTilesAreAddressedByIndexOr999()
    {
        auto area = makeArea(0, 5);
        roster(2);
        area->showMemberInTile(QStringLiteral("p0"), CONFMEMBER_DEVICE_PC_OTHER, 2, false);
        QCOMPARE(shownBy(area->tile(2)), QStringLiteral("p0"));
        area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, 999, true);
        QCOMPARE(shownBy(area->pipWidget()), QStringLiteral("p1[share]"));
        area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, 4, false); // == tileCount()
        QCOMPARE(shownBy(area->tile(4)), QStringLiteral("p1"));
        journal()->clear();
        for (int bad : { -1, 5, 24, 25, 998, 1000, INT_MIN, INT_MAX })
            area->showMemberInTile(QStringLiteral("p1"), CONFMEMBER_DEVICE_PC_OTHER, bad, false);
        area->showMemberInTile(QStringLiteral("nobody"), CONFMEMBER_DEVICE_PC_OTHER, 0, false);
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(!area->tile(0)->isBound());

        for (int bad : { -1, 25, 998, 1000, INT_MIN })
            area->clearTile(bad);
        QVERIFY(journal()->commandOperations().isEmpty());
        area->clearTile(999);
        area->clearTile(2);
        QCOMPARE(journal()->commandOperations(),
            BusinessFixture::texts({ "stopDesktopShareView", "requestStopMemberVideo", "requestStopMemberVideo" }));
        QVERIFY(!area->tile(2)->isBound());
    }

    void badOrdersAreSafe()
    {
        auto area = makeArea(0, 6);
        roster(3);
        area->applyVideoOrder({});
        // An empty item is what an empty tile already shows: its tile stays empty.
        area->applyVideoOrder({ VideoItem(), VideoItem(), cam(QStringLiteral("p1")) });
        QCOMPARE(shownTiles(*area, 4), BusinessFixture::texts({ "-", "-", "p1", "-" }));
        ConfSmartVideoPlayMainWdg empty; // no pool, no grid
        empty.applyVideoOrder(roster(3));
        empty.setScreenLayout(2);
        empty.applyVideoOrder(roster(3));
        QVERIFY(!empty.isMemberShown(QStringLiteral("p0")));
    }

    void autoLayoutComesFromTheLayoutFile()
    {
        QTemporaryDir dir;
        AppPathOverride appPath(dir.path());
        const QString file = dir.filePath(QStringLiteral("layout"));
        auto area = makeArea(0, 1);

        area->applyAutoLayout(3); // no file: nothing changes
        QCOMPARE(area->tileCount(), 1);
        QVERIFY(!area->relayoutTimer()->isActive());
        writeFile(file, QByteArray());
        area->applyAutoLayout(3);
        QCOMPARE(area->tileCount(), 1);
        writeFile(file, "{ \"version\": 1, \"layouts\": [ { \"count\": ");
        area->applyAutoLayout(3);
        QCOMPARE(area->tileCount(), 1);

        writeFile(file, R"({ "version": 1, "layouts": [
            { "count": 1, "rows": 1, "columns": 1 },
            { "count": 2, "rows": 1, "columns": 2 },
            { "count": 3, "rows": 2, "columns": 3,
              "cells": [ { "row": 0, "column": 0, "rowSpan": 2, "columnSpan": 2 }, { "row": 0, "column": 2 }, { "row": 1, "column": 2 } ] },
            { "count": 4, "rows": 2, "columns": 2, "enabled": false },
            { "count": 25, "rows": 5, "columns": 5 } ] })");
        area->applyAutoLayout(0);
        QCOMPARE(area->tileCount(), 1);
        QVERIFY(area->relayoutTimer()->isActive());
        QVERIFY(area->gridContainer()->isHidden());
        area->applyAutoLayout(3);
        QCOMPARE(area->tileCount(), 3);
        int r, c, rs, cs;
        area->gridLayout()->getItemPosition(area->gridLayout()->indexOf(area->tile(0)), &r, &c, &rs, &cs);
        QCOMPARE(QVector<int>({ r, c, rs, cs }), QVector<int>({ 0, 0, 2, 2 }));
        area->applyAutoLayout(4); // disabled: the grid stays
        QCOMPARE(area->tileCount(), 3);
        // Beyond the list: the last entry, with more cells than the pool has tiles.
        area->applyAutoLayout(1000);
        QCOMPARE(area->tileCount(), 25);
        QVERIFY(area->pipWidget()->isHidden());
    }

    void autoLayoutOnTheNinePoolSkipsMissingTiles()
    {
        QTemporaryDir dir;
        AppPathOverride appPath(dir.path());
        writeFile(dir.filePath(QStringLiteral("layout")),
            R"({ "version": 1, "layouts": [ { "count": 16, "rows": 4, "columns": 4 } ] })");
        auto area = makeArea(1, 1);
        area->applyAutoLayout(16);
        QCOMPARE(area->tileCount(), 9);
    }

    void pipFollowsTheWindowWithinTheArea()
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
        // First shown inside the area, at its bottom-right above the 60 px band.
        QCOMPARE(pip->pos(), QPoint(limits.x() + 800 - 250, limits.y() + 600 - 200 - 60));

        pip->move(limits.topLeft() + QPoint(100, 100));
        area->followWindowMove(10, 20, 40, 60);
        QCOMPARE(pip->pos(), limits.topLeft() + QPoint(130, 140));
        area->followWindowMove(0, 0, 5000, 5000);
        QCOMPARE(pip->pos(), QPoint(limits.x() + 800 - 250, limits.y() + 600 - 200 - 60));
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
        PromptWidget_SysMsg* prompt = area->systemMessagePrompt();
        QVERIFY(prompt && prompt->isVisible());
        QCOMPARE(prompt->currentText(), QStringLiteral("Alice joined the meeting"));
        const QPoint expected = area->mapToGlobal(QPoint(area->x() + 10, area->y() + 600 - 65));
        QCOMPARE(prompt->pos(), expected);
        emit conf()->sig_onSystemMsgNotify(QStringLiteral("Bob left the meeting"), false);
        QCOMPARE(area->systemMessagePrompt(), prompt);
        QCOMPARE(prompt->queuedMessages(), BusinessFixture::texts({ "Bob left the meeting" }));

        area->resize(800, 500);
        area->repositionPrompt();
        QCOMPARE(prompt->pos(), area->mapToGlobal(QPoint(area->x() + 10, area->y() + 500 - 65)));
    }

    void doubleClickIsReported()
    {
        ConfSmartVideoPlayMainWdg area;
        area.resize(300, 200);
        area.show();
        QSignalSpy spy(&area, &ConfSmartVideoPlayMainWdg::sig_doubleClicked);
        QTest::mouseDClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(spy.count(), 1);
    }

    void destroyingTheAreaStopsItsStreams()
    {
        auto area = makeArea(0, 5);
        area->applyVideoOrder(area->buildVideoOrder(roster(3), VideoItem(), VideoItem(), VideoItem(), {}));
        journal()->clear();
        area.reset();
        QCOMPARE(journal()->count(QStringLiteral("requestStopMemberVideo")), 3);
        QCOMPARE(journal()->count(QStringLiteral("resetSelfVideoView")), 1);
    }
};

QTEST_MAIN(tst_ConfSmartVideoPlayMainWdg)
#include "tst_ConfSmartVideoPlayMainWdg.moc"
