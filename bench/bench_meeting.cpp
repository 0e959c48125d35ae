// Voice conference grid and older meeting windows: the business signals the
// client sees most often, into the shown window.

#include "business/KP_BusinessView.h"
#include "meeting/VideoMeetingWidget.h"
#include "meeting/VoiceMeetingWidget.h"
#include "video/MediaLayoutWgt.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString kSelf = QStringLiteral("me");

void quietBusiness()
{
    KP_BusinessView::instance()->resetAll();
    KP_BusinessView::instance()->getUserInfoView()->state().account = kSelf;
    CommandJournal::instance()->setEnabled(false);
}

QList<ConferenceMemberInfo> groupCall(int n)
{
    QList<ConferenceMemberInfo> roster;
    for (int i = 0; i < n; ++i) {
        ConferenceMemberInfo m;
        m.account = i == 0 ? kSelf : QStringLiteral("member%1").arg(i);
        m.name = m.account;
        m.deviceType = CONFMEMBER_DEVICE_PC;
        m.isInConf = m.isMicOpen = true;
        roster << m;
    }
    return roster;
}

QList<Agent_MeetingMemberInfo> meetingRoster(int n)
{
    QList<Agent_MeetingMemberInfo> list;
    for (int i = 0; i < n; ++i) {
        Agent_MeetingMemberInfo m;
        m.account = i == 0 ? kSelf : QStringLiteral("member%1").arg(i);
        m.muteStatus = QStringLiteral("11");
        m.videoState = 1;
        list << m;
    }
    return list;
}

// A member's news reaches the grid of a group call of n: the tiles are re-ordered,
// none re-bound.
void BM_VoiceGridMemberNews(benchmark::State& state)
{
    quietBusiness();
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    const QList<ConferenceMemberInfo> roster = groupCall(int(state.range(0)));
    conf->setRoster(roster);
    auto grid = std::make_unique<MediaLayoutWgt>();
    grid->show();
    emit conf->sig_onGetConferenceMemberInfoList(roster);
    for (auto _ : state)
        emit conf->sig_onJoinConferenceNotify(roster.last(), QString());
    grid.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_VoiceGridMemberNews)->Arg(2)->Arg(9)->Arg(12)->Unit(benchmark::kMicrosecond);

// The member list of a voice meeting of n arrives: every row is rebuilt.
void BM_VoiceMeetingMemberList(benchmark::State& state)
{
    quietBusiness();
    MeetingView* meeting = KP_BusinessView::instance()->getMeetingView();
    meeting->state().roomMaster = true;
    const QList<Agent_MeetingMemberInfo> list = meetingRoster(int(state.range(0)));
    auto window = std::make_unique<VoiceMeetingWidget>();
    window->show();
    for (auto _ : state) {
        emit meeting->sig_getVoiceMeetingMembers(list);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_VoiceMeetingMemberList)->Arg(5)->Arg(30)->Unit(benchmark::kMicrosecond);

// The member list of a video meeting arrives: pictures re-requested, rows rebuilt.
void BM_VideoMeetingMemberList(benchmark::State& state)
{
    quietBusiness();
    MeetingView* meeting = KP_BusinessView::instance()->getMeetingView();
    const QList<Agent_MeetingMemberInfo> list = meetingRoster(int(state.range(0)));
    auto window = std::make_unique<VideoMeetingWidget>();
    window->show();
    window->startSelfVideo();
    for (auto _ : state) {
        emit meeting->sig_getVideoMeetingMembers(list);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_VideoMeetingMemberList)->Arg(5)->Arg(6)->Unit(benchmark::kMicrosecond);

} // namespace
