// The business stand-in's hot paths as a conference grows: loading the roster,
// looking members up (the video layout does it per tile and per report), and
// searching the directory as the user types in the member picker.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RosterLoad(benchmark::State& state)
{
    KP_BusinessView::instance()->resetAll();
    CommandJournal::instance()->setEnabled(false);
    BusinessSimulator sim;
    const QList<ConferenceMemberInfo> roster = sim.makeRoster(int(state.range(0)));
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    for (auto _ : state)
        conf->setRoster(roster);
    state.SetComplexityN(state.range(0));
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_RosterLoad)
    ->ArgName("members")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_RosterLookupEveryMember(benchmark::State& state)
{
    KP_BusinessView::instance()->resetAll();
    CommandJournal::instance()->setEnabled(false);
    BusinessSimulator sim;
    const QList<ConferenceMemberInfo> roster = sim.makeRoster(int(state.range(0)));
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    conf->setRoster(roster);
    bool found = false;
    for (auto _ : state) {
        for (const ConferenceMemberInfo& m : roster)
            benchmark::DoNotOptimize(conf->findConferenceMemberInfo(m.account, m.deviceType, found));
    }
    state.SetComplexityN(state.range(0));
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_RosterLookupEveryMember)
    ->ArgName("members")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_DirectorySearch(benchmark::State& state)
{
    KP_BusinessView::instance()->resetAll();
    CommandJournal::instance()->setEnabled(false);
    BusinessSimulator sim;
    sim.populateSampleDirectory(int(state.range(0)));
    AddressBookView* book = KP_BusinessView::instance()->getAddressBookView();
    for (auto _ : state)
        benchmark::DoNotOptimize(book->searchPersons(QStringLiteral("zhang")));
    state.SetComplexityN(state.range(0));
    CommandJournal::instance()->setEnabled(true);
}
BENCHMARK(BM_DirectorySearch)
    ->ArgName("persons")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

} // namespace
