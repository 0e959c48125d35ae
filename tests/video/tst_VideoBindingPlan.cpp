#include "VideoBindingPlan.h"

#include <QtTest>

using namespace VideoBindingPlan;

namespace {

VideoItem cam(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER)
{
    return VideoItem { account, type, false, false };
}

TileContent showing(const VideoItem& item)
{
    return TileContent { item.account, item.deviceType, item.isShare };
}

QList<VideoItem> people(int n)
{
    QList<VideoItem> list;
    for (int i = 0; i < n; ++i)
        list << cam(QStringLiteral("p%1").arg(i));
    return list;
}

// Applies a plan to a model of the tiles, as the video area would.
void apply(const Plan& plan, QVector<TileContent>& pool, TileContent& pip)
{
    for (int index : plan.clears) {
        if (index == kPipIndex)
            pip = TileContent();
        else
            pool[index] = TileContent();
    }
    for (const Binding& b : plan.binds) {
        if (b.tile == kPipIndex)
            pip = showing(b.item);
        else
            pool[b.tile] = showing(b.item);
    }
}

const VideoItem kSelf { QStringLiteral("me"), CONFMEMBER_DEVICE_PC, false, false };

} // namespace

class tst_VideoBindingPlan : public QObject
{
    Q_OBJECT

private slots:
    void freshGridPutsItemIInTileI()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        const auto order = people(6);
        const Plan plan = makePlan(6, pool, pip, 9, order, kSelf);
        QVERIFY(plan.clears.isEmpty());
        QCOMPARE(plan.binds.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(plan.binds.at(i).tile, i);
            QCOMPARE(plan.binds.at(i).item, order.at(i));
        }
    }

    void unchangedOrderTouchesNothing()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        const auto order = people(30);
        apply(makePlan(8, pool, pip, 25, order, kSelf), pool, pip);
        const Plan again = makePlan(8, pool, pip, 25, order, kSelf);
        QVERIFY(again.clears.isEmpty());
        QVERIFY(again.binds.isEmpty());
    }

    void onlyChangedTilesAreClearedAndRebound()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        auto order = people(4);
        apply(makePlan(5, pool, pip, 4, order, kSelf), pool, pip);
        order.swapItemsAt(1, 2);
        const Plan plan = makePlan(5, pool, pip, 4, order, kSelf);
        QCOMPARE(plan.clears, (QVector<int> { 1, 2 }));
        QCOMPARE(plan.binds.size(), 2);
        QCOMPARE(plan.binds.at(0).tile, 1);
        QCOMPARE(plan.binds.at(0).item, order.at(1));
        QCOMPARE(plan.binds.at(1).tile, 2);
    }

    void surplusItemsAreNotShownAndSurplusTilesCleared()
    {
        QVector<TileContent> pool(25);
        TileContent pip = showing(kSelf);
        for (int i = 0; i < 9; ++i)
            pool[i] = showing(people(9).at(i));
        // Grid shrinks from 9 to 4: tiles 4..8 lose their members, the floating window too.
        const Plan plan = makePlan(5, pool, pip, 4, people(9), kSelf);
        QCOMPARE(plan.clears, (QVector<int> { kPipIndex, 4, 5, 6, 7, 8 }));
        QVERIFY(plan.binds.isEmpty());
    }

    void unknownMemberTakesNoTileAndLaterItemsMoveUp()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        const auto order = people(4);
        QStringList asked;
        const Plan plan = makePlan(5, pool, pip, 4, order, kSelf, [&asked](const VideoItem& item) {
            asked << item.account;
            return item.account != QLatin1String("p1");
        });
        QCOMPARE(asked,
            (QStringList { QStringLiteral("p0"), QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3") }));
        QCOMPARE(plan.binds.size(), 3);
        QCOMPARE(plan.binds.at(1).tile, 1);
        QCOMPARE(plan.binds.at(1).item.account, QStringLiteral("p2"));
        QCOMPARE(plan.dropped.size(), 1);
    }

    void pipModeShowsFirstOtherMemberLargeAndSelfFloating()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        pool[3] = showing(cam(QStringLiteral("old")));
        const Plan plan
            = makePlan(kPipMode, pool, pip, 1, { kSelf, cam(QStringLiteral("a")), cam(QStringLiteral("b")) }, kSelf);
        QCOMPARE(plan.clears, (QVector<int> { 3 }));
        QCOMPARE(plan.binds.size(), 2);
        QCOMPARE(plan.binds.at(0).tile, 0);
        QCOMPARE(plan.binds.at(0).item.account, QStringLiteral("a"));
        QCOMPARE(plan.binds.at(1).tile, kPipIndex);
        QCOMPARE(plan.binds.at(1).item, kSelf);
    }

    void pipModeWithSelfAsMainVenueFloatsTheSecondItem()
    {
        QVector<TileContent> pool(25);
        TileContent pip;
        const VideoItem selfVenue { kSelf.account, kSelf.deviceType, false, true };
        const VideoItem shareB { QStringLiteral("b"), CONFMEMBER_DEVICE_MOBILE, true, false };
        const Plan plan = makePlan(kPipMode, pool, pip, 1, { selfVenue, shareB }, kSelf);
        QCOMPARE(plan.binds.size(), 2);
        QCOMPARE(plan.binds.at(0).item, selfVenue);
        QCOMPARE(plan.binds.at(1).tile, kPipIndex);
        QCOMPARE(plan.binds.at(1).item, shareB);
    }

    void pipModeWithOnlySelfShowsNothing()
    {
        QVector<TileContent> pool(25);
        TileContent pip = showing(kSelf);
        const Plan plan = makePlan(kPipMode, pool, pip, 1, { kSelf }, kSelf);
        QCOMPARE(plan.clears, (QVector<int> { kPipIndex }));
        QVERIFY(plan.binds.isEmpty());
    }

    void oddSizesAreSafe()
    {
        TileContent pip;
        // No pool yet, a negative grid count, a grid larger than the pool.
        QVERIFY(makePlan(1, {}, pip, 1, people(3), kSelf).binds.isEmpty());
        QVERIFY(makePlan(kPipMode, {}, pip, 1, people(3), kSelf).binds.size() == 1); // only the floating window
        QVERIFY(makePlan(5, QVector<TileContent>(9), pip, -3, people(3), kSelf).binds.isEmpty());
        QCOMPARE(makePlan(8, QVector<TileContent>(9), pip, 25, people(30), kSelf).binds.size(), 9);
        QCOMPARE(makePlan(8, QVector<TileContent>(40), pip, 40, people(40), kSelf).binds.size(), kMaxPoolTiles);
    }
};

QTEST_GUILESS_MAIN(tst_VideoBindingPlan)
#include "tst_VideoBindingPlan.moc"
