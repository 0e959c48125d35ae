#include "facade/CallWindowController.h"

#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "common/AreaLog.h"
#include "facade/ControllerSupport.h"
#include "policy/FacadePolicy.h"
#include "util/AppEnvionmentSetting.h"
#include "util/KP_Util.h"

using ControllerSupport::business;

namespace {

// A call event belongs to a call window when the callee or the call id agree.
bool matchesCall(const Agent_VoIPCallMsg& event, const Agent_VoIPCallMsg& window)
{
    return event.calleeAccount == window.calleeAccount || event.callId == window.callId;
}

} // namespace

CallWindowController::CallWindowController()
{
    // The error notice lives from start-up to teardown; it is shown only when a call fails.
    m_errorNotice.replace(nullptr);
}

CallWindowController::~CallWindowController() = default;

void CallWindowController::callEvents(int reason, const Agent_VoIPCallMsg& msg)
{
    if (FacadePolicy::isVoiceCallType(msg.callType))
        OnHandleVoiceCallEvents(reason, msg);
    else if (FacadePolicy::isVideoCallType(msg.callType))
        onHandleVideoCallEvents(reason, msg);
    else
        AreaLog::facade().LogInfo(
            QStringLiteral("CallWindowController::callEvents unknown call type %1").arg(msg.callType));
}

void CallWindowController::ShowErrMsgNotice(int reason)
{
    if (!m_errorNotice)
        return;
    const QString text = FacadePolicy::callFailureText(reason, KP_Util::GetErrMsgByReason(reason));
    AreaLog::facade().LogInfo(QStringLiteral("CallWindowController::ShowErrMsgNotice ") + text);
    m_errorNotice->SetMessageNotice(text);
}

bool CallWindowController::incomingMatches(const QString& callId) const
{
    return m_incomingCall && m_incomingCall->getComingInfo().callId == callId;
}

template<class CallWindow>
void CallWindowController::handleCallEvent(
    int reason, const Agent_VoIPCallMsg& msg, CallWindow* window, void (CallWindowController::*closeWindow)())
{
    const bool matching = window && matchesCall(msg, window->getCallInfo());
    switch (msg.eventCode) {
    case VOIP_EVENT_PROCEEDING:
        return;
    case VOIP_EVENT_ALERTING:
        if (matching) {
            window->setCallInfo(msg);
            window->show();
        }
        return;
    case VOIP_EVENT_ANSWERED:
        if (matching)
            window->setCallInfo(msg);
        return;
    case VOIP_EVENT_RELEASED:
        if (matching) {
            (this->*closeWindow)();
            emit business()->getWhiteBoardView()->sig_closeWhiteBoardMainWidget();
        }
        break;
    default: // ended, or an event this module does not know: the window goes
        if (matching)
            (this->*closeWindow)();
        break;
    }
    // A released call, or an unknown event, also ends a ringing window of the same call.
    if (msg.eventCode != VOIP_EVENT_ENDED && incomingMatches(msg.callId))
        CloseCallIncomingWnd();
    if (reason != BusinessReason::Success)
        ShowErrMsgNotice(reason);
}

void CallWindowController::OnHandleVoiceCallEvents(int reason, const Agent_VoIPCallMsg& msg)
{
    handleCallEvent(reason, msg, m_voiceCall.get(), &CallWindowController::closeVoiceWnd);
}

void CallWindowController::onHandleVideoCallEvents(int reason, const Agent_VoIPCallMsg& msg)
{
    handleCallEvent(reason, msg, m_videoCall.get(), &CallWindowController::closeVideoCallWnd);
}

void CallWindowController::showVoipCallWnd(int callType, const QString& called, bool fromCallComing)
{
    if (business()->getVoipView()->GetVoipCallStatus() != 0)
        return;
    if (m_errorNotice && !m_errorNotice->isHidden())
        m_errorNotice->close();
    if (FacadePolicy::isVoiceCallType(callType))
        ShowVoiceCallWnd(called, fromCallComing, QString(), callType);
    else if (FacadePolicy::isVideoCallType(callType))
        ShowVideoCallWnd(called, fromCallComing, QString(), callType);
    else
        AreaLog::facade().LogInfo(
            QStringLiteral("CallWindowController::showVoipCallWnd unknown call type %1").arg(callType));
}

Agent_VoIPCallMsg CallWindowController::placeOrAnswer(
    const QString& account, bool answering, const QString& callId, int callType, bool logPlacing)
{
    KP_BusinessView* root = business();
    const QSharedPointer<AddressBookPerson> self = root->getAddressBookView()->getCurUserAddressBook();
    const QString selfAccount = self ? self->account() : root->getUserInfoView()->getCurUserAccount();
    Agent_VoIPCallMsg record;
    record.eventCode = VOIP_EVENT_PROCEEDING;
    record.callType = callType;
    if (answering) {
        root->getVoipView()->AcceptCall(callId);
        record.callId = callId;
        record.callerAccount = account;
        record.calleeAccount = selfAccount;
    } else {
        if (logPlacing)
            AreaLog::facade().LogInfo(QStringLiteral("Before_Make_Call"));
        root->getVoipView()->MakeCall(callType, account);
        if (logPlacing)
            AreaLog::facade().LogInfo(QStringLiteral("After_Make_Call"));
        record.callerAccount = selfAccount;
        record.calleeAccount = account;
    }
    return record;
}

void CallWindowController::ShowVoiceCallWnd(const QString& account, bool answering, const QString& callId, int callType)
{
    VoiceCall* window = m_voiceCall.replace(nullptr);
    connect(window, &VoiceCall::sig_CloseVoiceWnd, this, &CallWindowController::closeVoiceWnd);
    window->setCallInfo(placeOrAnswer(account, answering, callId, callType, false));
    window->show();
}

void CallWindowController::ShowVideoCallWnd(const QString& account, bool answering, const QString& callId, int callType)
{
    VideoCall* window = m_videoCall.replace(nullptr);
    // Shown first: the panes need native surfaces before the call starts rendering.
    window->show();
    AreaLog::facade().LogInfo(QStringLiteral("Before_Set_Video_View"));
    if (AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle)
        window->bindVideoByHandle();
    else
        window->bindVideoByAccount(account);
    AreaLog::facade().LogInfo(QStringLiteral("After_Set_Video_View"));
    window->setCallInfo(placeOrAnswer(account, answering, callId, callType, true));
}

void CallWindowController::closeVoiceWnd()
{
    // The window releases the call when it is destroyed.
    m_voiceCall.destroyNow();
}

void CallWindowController::closeVideoCallWnd()
{
    business()->getVoipView()->setVideoViewEX(nullptr, nullptr, nullptr, nullptr);
    // Closed now, so that its call and its call-status mark are released before
    // another video call window can take the mark; deleted later, as the
    // renderer may still be drawing into the panes' native windows.
    const QPointer<VideoCall> window = m_videoCall.get();
    m_videoCall.destroyLater();
    if (window)
        window->close();
}

void CallWindowController::CloseCallIncomingWnd()
{
    m_incomingCall.destroyNow();
}

void CallWindowController::showCallIncomingWnd(const Agent_VoIPComingInfo& comingInfo)
{
    KP_BusinessView* root = business();
    if (m_incomingCall || !root || !root->getVoipView() || root->getVoipView()->GetVoipCallStatus() != 0) {
        AreaLog::facade().LogInfo(
            QStringLiteral("CallWindowController::showCallIncomingWnd not shown, call ") + comingInfo.callId);
        return;
    }
    VoipCallIncoming* window = m_incomingCall.replace(nullptr);
    emit root->getMsgCtrl()->sig_onCloseVoicePlay();
    connect(window, &VoipCallIncoming::sig_AcceptCallIncoming, this, &CallWindowController::acceptCallIncoming);
    connect(window, &VoipCallIncoming::sig_ReleaseCallIncoming, this, &CallWindowController::releaseCallIncoming);
    window->setComingInfo(comingInfo);
    window->show();
}

void CallWindowController::acceptCallIncoming(const Agent_VoIPComingInfo& comingInfo)
{
    if (incomingMatches(comingInfo.callId))
        CloseCallIncomingWnd();
    if (comingInfo.callType == VOIP_CALL_VOICE)
        ShowVoiceCallWnd(comingInfo.callerAccount, true, comingInfo.callId, VOIP_CALL_VOICE);
    else if (comingInfo.callType == VOIP_CALL_VIDEO) // its record starts with call type 0 all the same
        ShowVideoCallWnd(comingInfo.callerAccount, true, comingInfo.callId, 0);
}

void CallWindowController::releaseCallIncoming(const Agent_VoIPComingInfo& comingInfo)
{
    if (incomingMatches(comingInfo.callId))
        CloseCallIncomingWnd();
}

void CallWindowController::rebindVideoAfterConference()
{
    if (!m_videoCall)
        return;
    // Each picture goes back to the pane the call window bound it to (remote first).
    AreaLog::facade().LogInfo(QStringLiteral("Before_Set_Video_View"));
    business()->getVoipView()->setVideoViewEX(
        m_videoCall->remoteRenderHandle(), m_videoCall->localRenderHandle(), nullptr, nullptr);
}

void CallWindowController::destroyWindows()
{
    m_voiceCall.closeAndDestroy();
    m_incomingCall.closeAndDestroy();
    m_errorNotice.closeAndDestroy();
    m_videoCall.closeAndDestroy();
}
