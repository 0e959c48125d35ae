#pragma once

#include "business/CallRecords.h"
#include "facade/OwnedWindow.h"

#include <QObject>

class MessageNotice;
class VideoCall;
class VoiceCall;
class VoipCallIncoming;

// One-to-one calls: the voice call, video call and incoming-call windows, the
// error notice of failed calls, and the call events that drive them. Methods
// are named after the facade slots they serve.
class CallWindowController : public QObject
{
public:
    CallWindowController();
    ~CallWindowController() override;

    void callEvents(int reason, const Agent_VoIPCallMsg& msg);
    void showVoipCallWnd(int callType, const QString& called, bool fromCallComing);
    void closeVoiceWnd();
    void closeVideoCallWnd();
    void showCallIncomingWnd(const Agent_VoIPComingInfo& comingInfo);
    void acceptCallIncoming(const Agent_VoIPComingInfo& comingInfo);
    void releaseCallIncoming(const Agent_VoIPComingInfo& comingInfo);
    // A video call that went on beside a conference renders in its own window again.
    void rebindVideoAfterConference();
    // Teardown, in this order: voice call, incoming call, error notice, video call.
    void destroyWindows();

private:
    void OnHandleVoiceCallEvents(int reason, const Agent_VoIPCallMsg& msg);
    void onHandleVideoCallEvents(int reason, const Agent_VoIPCallMsg& msg);
    void ShowVoiceCallWnd(const QString& account, bool answering, const QString& callId, int callType);
    void ShowVideoCallWnd(const QString& account, bool answering, const QString& callId, int callType);
    void ShowErrMsgNotice(int reason);
    void CloseCallIncomingWnd();

    // The event table shared by the voice and the video call window.
    template<class CallWindow>
    void handleCallEvent(
        int reason, const Agent_VoIPCallMsg& msg, CallWindow* window, void (CallWindowController::*closeWindow)());
    bool incomingMatches(const QString& callId) const;
    // Places the call or answers it; returns the record the call window starts from.
    Agent_VoIPCallMsg placeOrAnswer(
        const QString& account, bool answering, const QString& callId, int callType, bool logPlacing);

    OwnedWindow<VoiceCall> m_voiceCall;
    OwnedWindow<VideoCall> m_videoCall;
    OwnedWindow<VoipCallIncoming> m_incomingCall;
    OwnedWindow<MessageNotice> m_errorNotice;
};
