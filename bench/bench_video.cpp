// Video area: ordering rule, binding plan, refresh and layout switch.

#include "business/KP_BusinessView.h"
#include "policy/VideoBindingPlan.h"
#include "policy/VideoOrderPolicy.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QCoreApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const VideoItem kSelf { QStringLiteral("me"), CONFMEMBER_DEVICE_PC, false, false };

ENUM_CONFMEMBER_DEVICETYPE deviceFor(int i)
{
    static const ENUM_CONFMEMBER_DEVICETYPE types[]
        = { CONFMEMBER_DEVICE_PC_OTHER, CONFMEMBER_DEVICE_MOBILE, CONFMEMBER_DEVICE_WEB, CONFMEMBER_DEVICE_PAD };
    return types[i % 4];
}

// A conference of n members: self, a host, a sharer, a main venue, 20 speakers.
struct Conference
{
    QList<VideoItem> members;
    VideoItem host;
    VideoItem sharer;
    VideoItem mainVenue;
    QList<VideoItem> speakers;

    explicit Conference(int n)
    {
        members.reserve(n);
        members << kSelf;
        for (int i = 1; i < n; ++i)
            members << VideoItem { QStringLiteral("member%1").arg(i), deviceFor(i), false, false };
        host = members.value(1);
        sharer = members.value(2);
        mainVenue = members.value(3);
        mainVenue.isMainVenue = true;
        // Speakers are spread over the roster, counted from its end.
        for (int i = 0; i < 20 && i < n; ++i)
            speakers << members.at(((n - 1 - 3 * i) % n + n) % n);
    }

    // The business view knows every member (so tiles can be bound).
    void loadRoster() const
    {
        UnifiedConferenceView* view = KP_BusinessView::instance()->getUnifiedConferenceView();
        QList<ConferenceMemberInfo> roster;
        roster.reserve(members.size());
        for (const VideoItem& item : members) {
            ConferenceMemberInfo m;
            m.account = item.account;
            m.name = item.account;
            m.deviceType = item.deviceType;
            m.isInConf = m.isMicOpen = m.isCameraOpen = true;
            roster << m;
        }
        view->setRoster(roster);
    }
};

void quietBusiness()
{
    KP_BusinessView::instance()->resetAll();
    KP_BusinessView::instance()->getUserInfoView()->state().account = kSelf.account;
    // The journal would grow with every bind; the benchmarks measure the layout, not it.
    CommandJournal::instance()->setEnabled(false);
}

QVector<VideoBindingPlan::TileContent> tilesShowing(const QList<VideoItem>& order, int count)
{
    QVector<VideoBindingPlan::TileContent> pool(VideoBindingPlan::kMaxPoolTiles);
    for (int i = 0; i < count && i < order.size(); ++i)
        pool[i] = { order.at(i).account, order.at(i).deviceType, order.at(i).isShare };
    return pool;
}

// The rule and the plan alone: the order of n members and which of the 25
// tiles must change, against tiles that show the previous order.
void BM_VideoOrderAndBindingPlan(benchmark::State& state)
{
    const Conference conf(int(state.range(0)));
    const QList<VideoItem> previous
        = VideoOrderPolicy::buildVideoOrder(conf.members, conf.host, conf.sharer, VideoItem(), conf.speakers, kSelf);
    const QVector<VideoBindingPlan::TileContent> pool = tilesShowing(previous, 25);
    for (auto _ : state) {
        const QList<VideoItem> order = VideoOrderPolicy::buildVideoOrder(
            conf.members, conf.host, conf.sharer, conf.mainVenue, conf.speakers, kSelf);
        const VideoBindingPlan::Plan plan
            = VideoBindingPlan::makePlan(8, pool, VideoBindingPlan::TileContent(), 25, order, kSelf);
        benchmark::DoNotOptimize(plan.binds.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_VideoOrderAndBindingPlan)
    ->ArgName("members")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNLogN);

std::unique_ptr<ConfSmartVideoPlayMainWdg> makeArea(int mode)
{
    auto area = std::make_unique<ConfSmartVideoPlayMainWdg>();
    area->resize(1280, 720);
    area->initTiles(0);
    area->setScreenLayout(mode);
    QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
    QCoreApplication::processEvents();
    return area;
}

// The video area end to end: build the order and bind the 25 tiles, the main
// venue alternating between two members so that most tiles change each time.
void BM_VideoBuildAndApplyOrder(benchmark::State& state)
{
    quietBusiness();
    const Conference conf(int(state.range(0)));
    conf.loadRoster();
    auto area = makeArea(8);
    VideoItem venues[2] = { conf.mainVenue, conf.members.value(4) };
    venues[1].isMainVenue = true;
    int turn = 0;
    for (auto _ : state) {
        const QList<VideoItem> order
            = area->buildVideoOrder(conf.members, conf.host, conf.sharer, venues[turn ^= 1], conf.speakers);
        area->applyVideoOrder(order);
        // The tiles' deferred steps are part of the cost, and left unrun they
        // would pile up and slow every later iteration.
        QCoreApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_VideoBuildAndApplyOrder)
    ->ArgName("members")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// A refresh whose order did not change: every tile is left as it is.
void BM_VideoRefreshUnchangedOrder(benchmark::State& state)
{
    quietBusiness();
    const Conference conf(int(state.range(0)));
    conf.loadRoster();
    auto area = makeArea(8);
    const QList<VideoItem> order
        = area->buildVideoOrder(conf.members, conf.host, conf.sharer, conf.mainVenue, conf.speakers);
    area->applyVideoOrder(order);
    QCoreApplication::processEvents();
    for (auto _ : state)
        area->applyVideoOrder(order);
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_VideoRefreshUnchangedOrder)
    ->ArgName("members")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// Switching between the 3x3 and 5x5 grids with 25 bound tiles, including the
// deferred re-show of the grid.
void BM_VideoModeSwitch(benchmark::State& state)
{
    quietBusiness();
    const Conference conf(int(state.range(0)));
    conf.loadRoster();
    auto area = makeArea(8);
    area->applyVideoOrder(area->buildVideoOrder(conf.members, conf.host, conf.sharer, conf.mainVenue, conf.speakers));
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) {
        area->setScreenLayout((turn ^= 1) ? 6 : 8);
        QMetaObject::invokeMethod(area->relayoutTimer(), "timeout");
        QCoreApplication::processEvents();
    }
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_VideoModeSwitch)->ArgName("members")->Arg(25)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
