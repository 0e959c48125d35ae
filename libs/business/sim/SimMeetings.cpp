// The group voice conference of an IM group and the older voice and video
// meetings, as the server plays them.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <algorithm>

namespace {
constexpr int kGroupSizeMin = 2;
constexpr int kGroupSizeMax = 12;
constexpr int kMemberMuteDelayMs = 200;
constexpr int kKickDelayMs = 300;
constexpr int kInvitedJoinDelayMs = 800;
constexpr int kRemoteVideoDelayMs = 200;
constexpr float kRemoteVideoScale = 16.0f / 9.0f; // members send 1280 x 720
// Two-character mute status of a meeting member: "11" speaking allowed, "10" muted.
const QString kMicOpen = QStringLiteral("11");
const QString kMicMuted = QStringLiteral("10");

MeetingView* meetingView()
{
    return KP_BusinessView::instance()->getMeetingView();
}

QString selfAccount()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}
} // namespace

void BusinessSimulator::registerMeetingHandlers()
{
    const QString meeting = QStringLiteral("MeetingView");
    on(meeting, QStringLiteral("setMemberMute"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const bool muted = a.value(1).toInt() == 1;
        after(kMemberMuteDelayMs, [this, account, muted] {
            pushMeetingMemberMute(account, muted);
            handled(QStringLiteral("setMemberMute"));
        });
    });
    on(meeting, QStringLiteral("deleteMemberMultiMediaMeeting"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        after(kKickDelayMs, [this, account] {
            pushMeetingMemberKicked(account);
            handled(QStringLiteral("deleteMemberMultiMediaMeeting"));
        });
    });
    const auto invite = [this](const QVariantList&) {
        after(kInvitedJoinDelayMs, [this] {
            pushMeetingMemberJoin();
            handled(QStringLiteral("inviteJoinMeeting"));
        });
    };
    on(meeting, QStringLiteral("inviteJoinVoiceMeeting"), invite);
    on(meeting, QStringLiteral("inviteJoinVideoMeeting"), invite);
    // Leaving or ending: the window closes through closeVoiceMeeting / closeVideoMeeting.
    const auto leave = [this](const QVariantList&) {
        m_meetingType = 0;
        m_meetingMembers.clear();
    };
    on(meeting, QStringLiteral("exitMeeting"), leave);
    on(meeting, QStringLiteral("dismissMeeting"), leave);
    // A requested picture starts: its size, then the member's video state.
    on(meeting, QStringLiteral("requestConferenceMemberVideo"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        after(kRemoteVideoDelayMs, [this, account] {
            MeetingView* view = meetingView();
            emit view->sig_onRemoteVideoScale(account, kRemoteVideoScale);
            for (const Agent_MeetingMemberInfo& m : qAsConst(m_meetingMembers)) {
                if (m.account == account && m.videoState == 1) {
                    emit view->sig_updateVideoState(Agent_VideoMeetingMsg { view->state().meetingId, account, 1 });
                    break;
                }
            }
        });
    });
    // An accepted invitation brings the meeting's roster once the window is up.
    connect(this, &BusinessSimulator::sig_handled, this, [this](const QString& operation) {
        if (operation == QLatin1String("acceptMeeting"))
            meetingAccepted();
    });
}

// --- group voice conference ---

QString BusinessSimulator::startGroupVoiceConference(int members, const QString& groupId)
{
    auto* business = KP_BusinessView::instance();
    const int size = qBound(kGroupSizeMin, members, kGroupSizeMax);
    const QString self = selfAccount();
    QList<Agent_GroupMember> group { Agent_GroupMember { self, displayName(self), 2 } };
    QStringList invited;
    for (const QSharedPointer<AddressBookPerson>& person : business->getAddressBookView()->persons()) {
        if (group.size() >= size)
            break;
        if (person->account() == self)
            continue;
        group << Agent_GroupMember { person->account(), person->displayName(), 0 };
        invited << person->account();
    }
    business->getGroupMgrView()->addGroup(
        QSharedPointer<AddressBookGroup>::create(groupId, QStringLiteral("Project group"), group));
    g_Log.LogInfo(QStringLiteral("BusinessSimulator::startGroupVoiceConference group=%1 members=%2")
                      .arg(groupId)
                      .arg(group.size()));
    answerCreate(
        displayName(self) + QStringLiteral(" group call"), invited, groupId, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
    // A voice call: the user's camera stays off.
    UnifiedConferenceView* conf = business->getUnifiedConferenceView();
    if (const ConferenceMemberInfo* me = conf->member(self, CONFMEMBER_DEVICE_PC)) {
        ConferenceMemberInfo voiceOnly = *me;
        voiceOnly.isCameraOpen = false;
        conf->upsertMember(voiceOnly);
        emit conf->sig_updateMemberInfo(voiceOnly, CONF_MEMBER_ACTION_CAMERA_OFF);
    }
    return conf->state().currentConfId;
}

bool BusinessSimulator::pushGroupMemberAnswer()
{
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    const QList<ConferenceMemberInfo> roster = conf->roster();
    int joined = 0;
    for (const ConferenceMemberInfo& m : roster)
        joined += m.isInConf ? 1 : 0;
    for (ConferenceMemberInfo m : roster) {
        if (m.isInConf)
            continue;
        m.isInConf = true;
        m.isMicOpen = true;
        m.joinOrder = joined;
        conf->upsertMember(m);
        emit conf->sig_onJoinConferenceNotify(m, conf->state().currentConfId);
        return true;
    }
    return false;
}

// --- older meetings ---

void BusinessSimulator::addMeetingMember(const QString& account, bool master)
{
    Agent_MeetingMemberInfo m;
    m.index = m_meetingMembers.size();
    m.role = master ? 1 : 0;
    m.videoState = m_meetingType == MEETING_TYPE_VIDEO ? 1 : 0;
    m.audioState = 1;
    m.name = displayName(account);
    m.account = account;
    m.muteStatus = kMicOpen;
    m.isMaster = master;
    m.isOnline = true;
    m_meetingMembers << m;
}

void BusinessSimulator::pushMeetingRoster()
{
    MeetingView* view = meetingView();
    if (m_meetingType == MEETING_TYPE_VIDEO) {
        emit view->sig_getVideoMeetingMembers(m_meetingMembers);
    } else {
        emit view->sig_getVoiceMeetingMembers(m_meetingMembers);
        emit view->sig_showVoiceMeetingMembersNum(m_meetingMembers.size());
    }
}

void BusinessSimulator::enterMeeting(int meetingType, bool master, int members)
{
    MeetingView* view = meetingView();
    MeetingView::State& s = view->state();
    m_meetingType = meetingType == MEETING_TYPE_VIDEO ? MEETING_TYPE_VIDEO : MEETING_TYPE_VOICE;
    s.meetingStatus = m_meetingType == MEETING_TYPE_VIDEO ? MeetingView::Meeting_InVideo : MeetingView::Meeting_InVoice;
    s.roomMaster = master;
    s.meetingId = QString::number(61280000 + m_nextId++);
    m_meetingMembers.clear();
    addMeetingMember(selfAccount(), master);
    for (int i = 1; i < members && addNextMeetingMember(); ++i) { }
    if (!master && m_meetingMembers.size() > 1) {
        m_meetingMembers[1].role = 1;
        m_meetingMembers[1].isMaster = true;
    }
    emit view->sig_showMeetingWidget(m_meetingType);
    if (m_meetingType == MEETING_TYPE_VIDEO)
        emit view->sig_showVideoMeetingId(s.meetingId);
    else
        emit view->sig_showVoiceMeetingId(s.meetingId);
    pushMeetingRoster();
}

void BusinessSimulator::meetingAccepted()
{
    const MeetingView::State& s = meetingView()->state();
    m_meetingType = s.meetingStatus == MeetingView::Meeting_InVideo ? MEETING_TYPE_VIDEO : MEETING_TYPE_VOICE;
    m_meetingMembers.clear();
    addMeetingMember(selfAccount(), false);
    // The inviter is the master; two colleagues are in already.
    for (int i = 0; i < 3 && addNextMeetingMember(); ++i) { }
    if (m_meetingMembers.size() > 1) {
        m_meetingMembers[1].role = 1;
        m_meetingMembers[1].isMaster = true;
    }
    pushMeetingRoster();
}

bool BusinessSimulator::addNextMeetingMember()
{
    for (const QSharedPointer<AddressBookPerson>& person :
        KP_BusinessView::instance()->getAddressBookView()->persons()) {
        const QString account = person->account();
        const bool present = std::any_of(m_meetingMembers.cbegin(), m_meetingMembers.cend(),
            [&account](const Agent_MeetingMemberInfo& m) { return m.account == account; });
        if (!present) {
            addMeetingMember(account, false);
            return true;
        }
    }
    return false;
}

bool BusinessSimulator::pushMeetingMemberJoin()
{
    if (m_meetingType == 0 || !addNextMeetingMember())
        return false;
    pushMeetingRoster();
    return true;
}

bool BusinessSimulator::pushMeetingMemberMute(const QString& account, bool muted)
{
    for (Agent_MeetingMemberInfo& m : m_meetingMembers) {
        if (m.account != account)
            continue;
        m.muteStatus = muted ? kMicMuted : kMicOpen;
        if (m_meetingType == MEETING_TYPE_VIDEO)
            emit meetingView()->sig_updateVideoMemberMuteStatus(account, m.muteStatus);
        else
            pushMeetingRoster();
        return true;
    }
    return false;
}

bool BusinessSimulator::pushMeetingMemberKicked(const QString& account)
{
    for (int i = 0; i < m_meetingMembers.size(); ++i) {
        if (m_meetingMembers.at(i).account != account)
            continue;
        m_meetingMembers.removeAt(i);
        pushMeetingRoster();
        return true;
    }
    return false;
}

void BusinessSimulator::pushMeetingDismissed()
{
    const int type = m_meetingType;
    m_meetingType = 0;
    m_meetingMembers.clear();
    MeetingView* view = meetingView();
    view->state().meetingStatus = MeetingView::Meeting_Idle;
    if (type == MEETING_TYPE_VIDEO)
        emit view->sig_closeVideoMeeting();
    else if (type == MEETING_TYPE_VOICE)
        emit view->sig_closeVoiceMeeting();
}
