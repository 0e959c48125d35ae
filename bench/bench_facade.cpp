// Start-up and the first thing a user sees: constructing the facade (43
// business connections, the error notice) and showing one invitation.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "facade/KP_MediaConfUI.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_FacadeConstruct(benchmark::State& state)
{
    KP_BusinessView::instance()->resetAll();
    BottomTipWidget::instance(); // the notification singleton lives for the process
    for (auto _ : state) {
        KP_MediaConfUI facade;
        benchmark::DoNotOptimize(&facade);
    }
}
BENCHMARK(BM_FacadeConstruct)->Unit(benchmark::kMicrosecond);

void BM_ShowConferenceInvitation(benchmark::State& state)
{
    KP_BusinessView::instance()->resetAll();
    BusinessSimulator sim;
    sim.populateSampleDirectory(int(state.range(0)));
    KP_MediaConfUI facade;
    const ConferenceBriefInfo info = sim.makeConferenceBrief(QStringLiteral("bob.li"), QStringLiteral("Review"));
    UnifiedConferenceView* conference = KP_BusinessView::instance()->getUnifiedConferenceView();
    BottomTipWidget* tip = BottomTipWidget::instance();
    for (auto _ : state) {
        emit conference->sig_onInviteNormalConference(info, QStringLiteral("bob.li"));
        QApplication::processEvents(); // lay out and paint the notification
        state.PauseTiming();
        tip->closeWidget();
        tip->clearData();
        CommandJournal::instance()->clear();
        state.ResumeTiming();
    }
    state.SetLabel("directory of " + std::to_string(state.range(0)));
}
BENCHMARK(BM_ShowConferenceInvitation)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
