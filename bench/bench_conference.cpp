// The conference main window as a conference grows, measured from the
// business signal into the shown window (its video area and its side panel's
// member list included, the pending layout and repaint work run): a full
// roster, one member joining, one speaker report, one layout change, one
// polling page; and from the business library's request to the window shown
// and painted once.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceMainUi.h"
#include "facade/KP_MediaConfUI.h"
#include "support/LayoutRequests.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

UnifiedConferenceView* conference()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

// The pending layout, binding and repaint work of the window.
void runPosted()
{
    QCoreApplication::processEvents();
}

// Fresh views and no journal (the real business library keeps none); made
// before anything that talks to the views.
struct QuietBusiness
{
    QuietBusiness()
    {
        KP_BusinessView::instance()->resetAll();
        CommandJournal::instance()->setEnabled(false);
    }
    ~QuietBusiness() { CommandJournal::instance()->setEnabled(true); }
};

// The user in a conference of n members, as the client has it: the facade
// shows the window when the simulated server lets the user in, and the
// roster arrives through the business signals.
struct Conference
{
    QuietBusiness business;
    BusinessSimulator sim;
    KP_MediaConfUI facade;
    ConferenceMainUi* window = nullptr;
    QList<ConferenceMemberInfo> roster;
    ConferenceBriefInfo brief;

    explicit Conference(int n)
    {
        sim.setAnswering(false);
        sim.populateSampleDirectory(300);
        brief = sim.pushConferenceJoined(n);
        roster = conference()->roster();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<ConferenceMainUi*>(w); main && main->isVisible())
                window = main;
        }
        runPosted();
    }
    ConferenceLayoutControl* layout() const { return window->layoutControl(); }
};

void conferenceArgs(benchmark::internal::Benchmark* b)
{
    b->ArgName("members")->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

// The whole roster arrives while the window shows none of it (as after a join).
void BM_ConferenceRosterLoad(benchmark::State& state)
{
    Conference c(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        c.layout()->clearVideoList();
        state.ResumeTiming();
        emit conference()->sig_onGetConferenceMemberInfoList(c.roster);
        runPosted();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ConferenceRosterLoad)->Apply(conferenceArgs)->Complexity(benchmark::oNLogN);

// A host joins (the layout is rebuilt); taking the member out again is not measured.
void BM_ConferenceMemberJoin(benchmark::State& state)
{
    Conference c(int(state.range(0)));
    // Somebody of the roster under a new account, hosting.
    ConferenceMemberInfo guest = c.roster.value(2);
    guest.account = QStringLiteral("guest.bench");
    guest.isInConf = true;
    guest.isHost = true;
    for (auto _ : state) {
        conference()->upsertMember(guest);
        emit conference()->sig_onJoinConferenceNotify(guest, conference()->state().currentConfId);
        runPosted();
        state.PauseTiming();
        conference()->removeMember(guest.account, guest.deviceType);
        emit conference()->sig_onConfMsgMemberQuit(guest.account, guest.deviceType);
        runPosted();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ConferenceMemberJoin)->Apply(conferenceArgs)->Complexity(benchmark::oNLogN);

// Two speaker reports in turn, so that every report changes the speakers.
void BM_ConferenceSpeakerReport(benchmark::State& state)
{
    Conference c(int(state.range(0)));
    const QList<Agent_ConferenceParticipantMemberInfo> reports[] = { c.sim.pickSpeakers(3), c.sim.pickSpeakers(4) };
    int turn = 0;
    for (auto _ : state) {
        emit conference()->sig_onConferenceParticipant(conference()->state().currentConfId, reports[turn ^= 1]);
        runPosted();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ConferenceSpeakerReport)->Apply(conferenceArgs)->Complexity(benchmark::oNLogN);

// The layout pop-up's choice, L shape and the 5 x 5 grid in turn, the grid shown again.
void BM_ConferenceLayoutChange(benchmark::State& state)
{
    Conference c(int(state.range(0)));
    QTimer* relayout = c.window->videoArea()->relayoutTimer();
    int turn = 0;
    for (auto _ : state) {
        QMetaObject::invokeMethod(c.window, "slot_setScreenLayout", Q_ARG(int, (turn ^= 1) ? 2 : 5));
        QMetaObject::invokeMethod(relayout, "timeout");
        relayout->stop();
        runPosted();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ConferenceLayoutChange)->Apply(conferenceArgs)->Complexity(benchmark::oNLogN);

void BM_ConferencePollingTick(benchmark::State& state)
{
    Conference c(int(state.range(0)));
    QMetaObject::invokeMethod(c.window, "slot_openPolling", Q_ARG(QString, QStringLiteral("10")));
    QTimer* polling = c.layout()->pollingTimer();
    for (auto _ : state) {
        QMetaObject::invokeMethod(polling, "timeout");
        runPosted();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ConferencePollingTick)->Apply(conferenceArgs)->Complexity(benchmark::oNLogN);

// From sig_showConferenceMainWidget through the facade to the window shown and
// painted once; closing it again is not measured.
void BM_ConferenceWindowShown(benchmark::State& state)
{
    QuietBusiness business;
    KP_MediaConfUI facade;
    for (auto _ : state) {
        emit conference()->sig_showConferenceMainWidget(CONFERENCE_TYPE_UNIFIED, CONF_MEDIA_VIDEO, false);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<ConferenceMainUi*>(w); window && window->isVisible())
                window->repaint();
        }
        state.PauseTiming();
        emit conference()->sig_closeConferenceMainWidget();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runPosted();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConferenceWindowShown)->Unit(benchmark::kMillisecond);

// A subject and member names of the given length arrive in a running
// conference of nine (every tile, the title bar, the member list): from the
// business signals until the layout settles and the window is painted. The
// frame budget is 16 ms whatever the length.
void BM_ConferenceLongTextsLaidOut(benchmark::State& state)
{
    Conference c(9);
    const int length = int(state.range(0));
    int turns = 0;
    int round = 0;
    for (auto _ : state) {
        const QString text = QString(length, QLatin1Char('W')) + QString::number(++round % 2);
        QList<ConferenceMemberInfo> renamed = c.roster;
        for (ConferenceMemberInfo& member : renamed)
            member.name = text;
        c.sim.pushRoster(renamed);
        ConferenceBriefInfo brief = c.brief;
        brief.subject = text;
        emit conference()->sig_updateConferenceInfo(brief);
        for (int turn = 1;; ++turn) {
            LayoutRequests requests;
            QCoreApplication::processEvents();
            if (requests.count == 0 || turn == 50) {
                turns = turn;
                break;
            }
        }
        c.window->repaint();
    }
    state.counters["turns"] = turns;
}
BENCHMARK(BM_ConferenceLongTextsLaidOut)->ArgName("characters")->Arg(8)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
