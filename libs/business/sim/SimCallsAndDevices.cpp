// One-to-one call, local device and older meeting answers of the simulator.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "business/sim/TestCardRenderer.h"
#include "util/KPLog.h"

namespace {
constexpr int deviceDelayMs = 50;
constexpr int meetingDelayMs = 500;

VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}
MeetingView* meetingView()
{
    return KP_BusinessView::instance()->getMeetingView();
}
} // namespace

void BusinessSimulator::registerCallAndDeviceHandlers()
{
    registerCallHandlers();
    const QString voip = QStringLiteral("VoipView");
    // Devices answer with the state the view keeps (SetMute changes it).
    on(voip, QStringLiteral("GetMuteStatus"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetMuteStatus(voipView()->state().muted); });
    });
    on(voip, QStringLiteral("SetMute"), [this](const QVariantList& a) {
        const bool mute = a.value(0).toBool();
        after(deviceDelayMs, [mute] { emit voipView()->sig_OnSetMuteStatus(BusinessReason::DeviceSuccess, mute); });
    });
    on(voip, QStringLiteral("GetSpeakerStatus"), [this](const QVariantList&) {
        after(deviceDelayMs, [] {
            emit voipView()->sig_OnGetSpeakerStatus(BusinessReason::DeviceSuccess, voipView()->state().speakerVolume);
        });
    });
    on(voip, QStringLiteral("SetSpeakerStatus"), [this](const QVariantList& a) {
        const uint volume = a.value(0).toUInt();
        after(deviceDelayMs,
            [volume] { emit voipView()->sig_OnSetSpeakerStatus(BusinessReason::DeviceSuccess, volume); });
    });
    on(voip, QStringLiteral("getCameraInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetCameraInfo(voipView()->state().cameras); });
    });
    on(voip, QStringLiteral("getMicroPhoneInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetMicroPhoneInfo(voipView()->state().microphones); });
    });
    on(voip, QStringLiteral("getSpeakerInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetSpeakerInfo(voipView()->state().speakers); });
    });
    // Screens first: the chooser builds its cards when the window list arrives.
    on(voip, QStringLiteral("selectShareWindow"), [this](const QVariantList&) {
        after(deviceDelayMs, [this] {
            const VoipView::State& s = voipView()->state();
            QList<long long> screens;
            for (qlonglong id : s.screens)
                screens << id;
            emit voipView()->sig_onGetShareScreenInfoList(screens);
            emit voipView()->sig_onGetShareDeviceInfoList(s.shareWindows);
            handled(QStringLiteral("selectShareWindow"));
        });
    });
    on(voip, QStringLiteral("closeVideoCallWnd"),
        [this](const QVariantList&) { after(0, [] { emit voipView()->sig_closeVideoCallWnd(); }); });

    const QString meeting = QStringLiteral("MeetingView");
    on(meeting, QStringLiteral("acceptMeeting"), [this](const QVariantList&) {
        after(meetingDelayMs, [this] {
            MeetingView* view = meetingView();
            const int type = view->state().inviteMeetingType == 2 ? 2 : 1;
            view->state().inviteMeetingCallid.clear();
            emit view->sig_showMeetingWidget(type);
            if (type == 2)
                emit view->sig_showVideoMeetingId(view->state().meetingId);
            else
                emit view->sig_showVoiceMeetingId(view->state().meetingId);
            handled(QStringLiteral("acceptMeeting"));
        });
    });
    on(meeting, QStringLiteral("closeVoiceMeeting"),
        [this](const QVariantList&) { after(0, [] { emit meetingView()->sig_closeVoiceMeeting(); }); });
    on(meeting, QStringLiteral("closeVideoMeeting"),
        [this](const QVariantList&) { after(0, [] { emit meetingView()->sig_closeVideoMeeting(); }); });
}

// --- one-to-one calls ---

namespace {
constexpr float kRemoteVideoScale = 16.0f / 9.0f; // the peer sends 1280 x 720
constexpr float kLocalVideoScale = 4.0f / 3.0f; // the local camera captures 640 x 480
constexpr int kVideoScaleDelayMs = 200;
// Server reasons a placed call can end with besides those the business library names.
constexpr int kReasonUserBusy = 175486;
constexpr int kReasonTemporarilyUnavailable = 175480; // told to the user as a time-out, like 175408

QString selfAccount()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

// The call id and the callee of a ReleaseCall argument (either record).
void releasedCall(const QVariant& record, QString& callId, QString& callee)
{
    if (record.userType() == qMetaTypeId<Agent_VoIPCallMsg>()) {
        const auto msg = record.value<Agent_VoIPCallMsg>();
        callId = msg.callId;
        callee = msg.calleeAccount;
    } else if (record.userType() == qMetaTypeId<Agent_VoIPComingInfo>()) {
        callId = record.value<Agent_VoIPComingInfo>().callId;
    }
}
} // namespace

void BusinessSimulator::setCallOutcome(CallOutcome outcome)
{
    switch (outcome) {
    case CallAnswered:
        m_callOutcomeReason = BusinessReason::Success;
        break;
    case CallDeclined:
        m_callOutcomeReason = BusinessReason::CallDeclined;
        break;
    case CallBusy:
        m_callOutcomeReason = kReasonUserBusy;
        break;
    case CallNotAnswered:
        m_callOutcomeReason = BusinessReason::CallNotAnswered;
        break;
    }
}

void BusinessSimulator::registerCallHandlers()
{
    const QString voip = QStringLiteral("VoipView");
    on(voip, QStringLiteral("MakeCall"),
        [this](const QVariantList& a) { startOutgoingCall(a.value(0).toInt(), a.value(1).toString()); });
    on(voip, QStringLiteral("AcceptCall"), [this](const QVariantList& a) {
        const QString callId = a.value(0).toString();
        if (!m_callActive || !m_callIncoming || m_call.callId != callId) {
            g_Log.LogInfo(QStringLiteral("BusinessSimulator::AcceptCall no incoming call %1").arg(callId));
            return;
        }
        afterInCall(kCallAcceptMs, [this] {
            m_call.mediaConnected = 1;
            emitCallEvent(BusinessReason::Success, VOIP_EVENT_ANSWERED);
            labelRemoteCard();
            handled(QStringLiteral("AcceptCall"));
        });
    });
    on(voip, QStringLiteral("ReleaseCall"), [this](const QVariantList& a) {
        QString callId;
        QString callee;
        releasedCall(a.value(0), callId, callee);
        // A call hung up before its first event carries no call id yet, only the callee.
        const bool current = m_callActive
            && (callId == m_call.callId || (callId.isEmpty() && !m_callIncoming && callee == m_call.calleeAccount));
        if (!current) {
            g_Log.LogDebug(QStringLiteral("BusinessSimulator::ReleaseCall no call %1 in progress").arg(callId));
            return;
        }
        // Whatever was still to come of the call (ringing, the answer) is dropped now.
        ++m_callSerial;
        afterInCall(kCallReleaseMs, [this] {
            emitCallEvent(BusinessReason::Success, VOIP_EVENT_RELEASED);
            handled(QStringLiteral("ReleaseCall"));
        });
    });
    on(voip, QStringLiteral("switchCallType"), [this](const QVariantList& a) {
        const int type = a.value(0).toInt();
        after(deviceDelayMs, [this, type] {
            emit voipView()->sig_onSwitchMediaType(type == VOIP_CALL_VOICE ? 0 : 1, type);
            handled(QStringLiteral("switchCallType"));
        });
    });
    on(voip, QStringLiteral("setLocalCameraPreview"), [this](const QVariantList& a) {
        const bool on = a.value(1).toBool();
        after(deviceDelayMs, [on] { emit voipView()->sig_onSetOwnCamera(on); });
    });
    // Once video is bound the engine reports the pictures' ratios.
    const auto reportScales = [this](const QVariantList& a) {
        if (!a.value(0).value<quintptr>() && !a.value(1).value<quintptr>())
            return;
        labelRemoteCard();
        after(kVideoScaleDelayMs, [this] {
            emit voipView()->sig_onRemoteVideoScale(kRemoteVideoScale);
            emit voipView()->sig_onLocalVideoScale(kLocalVideoScale);
            handled(QStringLiteral("videoScale"));
        });
    };
    on(voip, QStringLiteral("setVideoView"), reportScales);
    on(voip, QStringLiteral("setVideoViewEX"), reportScales);
}

void BusinessSimulator::startOutgoingCall(int callType, const QString& account)
{
    if (m_callActive)
        g_Log.LogInfo(QStringLiteral("BusinessSimulator::MakeCall replaces call %1").arg(m_call.callId));
    const QString self = selfAccount();
    m_call = Agent_VoIPCallMsg();
    m_call.callType = callType;
    m_call.callId = QStringLiteral("voip-call-%1").arg(m_nextId++);
    m_call.callerAccount = self;
    m_call.calleeAccount = account;
    m_call.callerName = displayName(self);
    m_call.calleeName = displayName(account);
    m_callActive = true;
    m_callIncoming = false;
    ++m_callSerial;
    labelRemoteCard();

    const int reason = m_callOutcomeReason;
    afterInCall(kCallProceedingMs, [this] { emitCallEvent(BusinessReason::Success, VOIP_EVENT_PROCEEDING); });
    afterInCall(kCallAlertingMs, [this] { emitCallEvent(BusinessReason::Success, VOIP_EVENT_ALERTING); });
    const bool unanswered = reason == BusinessReason::CallNotAnswered || reason == kReasonTemporarilyUnavailable;
    afterInCall(unanswered ? kCallNoAnswerMs : kCallAnswerMs, [this, reason] {
        if (reason == BusinessReason::Success) {
            m_call.mediaConnected = 1;
            emitCallEvent(reason, VOIP_EVENT_ANSWERED);
        } else {
            emitCallEvent(reason, VOIP_EVENT_ENDED);
        }
        handled(QStringLiteral("MakeCall"));
    });
}

void BusinessSimulator::afterInCall(int ms, const std::function<void()>& fn)
{
    const int serial = m_callSerial;
    after(ms, [this, serial, fn] {
        if (m_callActive && serial == m_callSerial)
            fn();
    });
}

void BusinessSimulator::emitCallEvent(int reason, int eventCode)
{
    Agent_VoIPCallMsg msg = m_call;
    msg.eventCode = eventCode;
    if (eventCode == VOIP_EVENT_ENDED || eventCode == VOIP_EVENT_RELEASED) {
        m_callActive = false;
        ++m_callSerial;
    } else {
        m_call.eventCode = eventCode;
    }
    g_Log.LogInfo(QStringLiteral("BusinessSimulator::emitCallEvent call %1 event %2 reason %3")
                      .arg(msg.callId)
                      .arg(eventCode)
                      .arg(reason));
    emit voipView()->sig_CallEvents(reason, msg);
}

Agent_VoIPComingInfo BusinessSimulator::pushIncomingCall(int type, const QString& fromAccount)
{
    const QString self = selfAccount();
    m_call = Agent_VoIPCallMsg();
    m_call.eventCode = VOIP_EVENT_ALERTING;
    m_call.callType = type;
    m_call.callId = QStringLiteral("voip-in-%1").arg(m_nextId++);
    m_call.callerAccount = fromAccount;
    m_call.calleeAccount = self;
    m_call.callerName = displayName(fromAccount);
    m_call.calleeName = displayName(self);
    m_callActive = true;
    m_callIncoming = true;
    ++m_callSerial;

    Agent_VoIPComingInfo info;
    info.callType = type;
    info.callId = m_call.callId;
    info.callerAccount = fromAccount;
    info.callerName = m_call.callerName;
    g_Log.LogInfo(QStringLiteral("BusinessSimulator::pushIncomingCall %1 type %2 from %3")
                      .arg(info.callId)
                      .arg(type)
                      .arg(fromAccount));
    emit voipView()->sig_CallIncoming(info);
    return info;
}

bool BusinessSimulator::pushRemoteHangUp()
{
    if (!m_callActive)
        return false;
    emitCallEvent(BusinessReason::Success, VOIP_EVENT_RELEASED);
    return true;
}

void BusinessSimulator::labelRemoteCard()
{
    if (!m_callActive)
        return;
    const QString peer = m_callIncoming ? m_call.callerAccount : m_call.calleeAccount;
    const QString name = displayName(peer);
    // After the renderer has put the card up (it works on the next turn too).
    render([this, name] {
        if (TestCard* card = m_renderer->card(QStringLiteral("voip.remote")))
            card->setTexts(name, QStringLiteral("remote video"));
    });
}
