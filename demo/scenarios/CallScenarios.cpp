// One-to-one voice and video calls as the client sees them: incoming calls,
// placed calls, their controls, and failures with their notices.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "business/sim/TestCardRenderer.h"
#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VideoWidget.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "meeting/CloseMediaWidgetTip.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kPeer = QStringLiteral("emma.chen");
const QString kPeerName = QStringLiteral("Emma Chen");

CommandJournal* journal()
{
    return CommandJournal::instance();
}

VoipView* voip()
{
    return KP_BusinessView::instance()->getVoipView();
}

int callStatus()
{
    // From the state: GetVoipCallStatus() would add a query to the journal on every poll.
    return voip()->state().callStatus;
}

QString labelText(QWidget* root, const char* name)
{
    const QLabel* label = root ? root->findChild<QLabel*>(QLatin1String(name)) : nullptr;
    return label ? label->text() : QString();
}

// The module's text as it shows in the running language.
QString shown(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

QWidget* child(QWidget* root, const char* name)
{
    return root ? root->findChild<QWidget*>(QLatin1String(name)) : nullptr;
}

bool childVisible(QWidget* root, const char* name)
{
    QWidget* w = child(root, name);
    return w && w->isVisible();
}

bool styleShows(QWidget* root, const char* name, const char* image)
{
    QWidget* w = child(root, name);
    return w && w->styleSheet().contains(QLatin1String(image));
}

VoipCallIncoming* incoming()
{
    return DemoContext::window<VoipCallIncoming>();
}
VoiceCall* voiceCall()
{
    return DemoContext::window<VoiceCall>();
}
VideoCall* videoCall()
{
    return DemoContext::window<VideoCall>();
}

// The last journaled operation `op` whose argument `index` is `value`.
bool journaled(const char* op, int index, const QVariant& value)
{
    const JournalEntry e = journal()->last(QLatin1String(op));
    return e.isValid() && e.args.value(index) == value;
}

int releaseReason()
{
    const JournalEntry e = journal()->last(QStringLiteral("ReleaseCall"));
    return e.isValid() ? e.args.value(1).toInt() : -1;
}

bool testCardIn(VideoWidget* pane)
{
    QWidget* surface = pane ? pane->findChild<QWidget*>(QStringLiteral("video")) : nullptr;
    return TestCardRenderer::cardIn(surface) != nullptr;
}

QPushButton* toolButton(const char* name)
{
    VideoCall* call = videoCall();
    return call && call->toolBar() ? call->toolBar()->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
}

void placeCall(int type)
{
    // What the client does when the user calls somebody.
    emit voip()->sig_ShowVoipCallWnd(type, kPeer, false);
}

DemoStep incomingCallArrives(int type)
{
    return { QStringLiteral("call arrives"), [type](DemoContext& c) { c.sim().pushIncomingCall(type, kPeer); },
        [type](DemoContext&) {
            VoipCallIncoming* w = incoming();
            const QString notice = type == 0 ? shown("VoipCallIncoming", "You receive a voice call...")
                                             : shown("VoipCallIncoming", "You receive a video call...");
            return w && labelText(w, "label_name") == kPeerName && labelText(w, "label_notice") == notice
                && (callStatus() & VoipView::CALL_MARK_INCOMING);
        },
        QStringLiteral("the incoming-call window shows the caller and rings") };
}

// --- scenarios ---

void addIncomingScenarios(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("call-incoming-voice-answered"),
        QStringLiteral("An incoming voice call is answered, then the caller hangs up"),
        { incomingCallArrives(0),
            { QStringLiteral("answer"), [](DemoContext&) { DemoContext::click(incoming(), "pushButton_accept"); },
                [](DemoContext& c) {
                    VoiceCall* w = voiceCall();
                    return !incoming() && w && journaled("AcceptCall", 0, c.sim().currentCall().callId)
                        && labelText(w, "label_call_notice") == shown("VoiceCall", "In the call..")
                        && labelText(w, "label_name") == kPeerName && childVisible(w, "pushButton_mic");
                },
                QStringLiteral("the voice call window takes over and the call is answered") },
            { QStringLiteral("caller hangs up"), [](DemoContext& c) { c.sim().pushRemoteHangUp(); },
                [](DemoContext&) { return !voiceCall() && callStatus() == 0; },
                QStringLiteral("the voice call window closes and no call mark is left") } } });

    registry.addScenario({ QStringLiteral("call-incoming-video-declined"),
        QStringLiteral("An incoming video call is declined with reason 175603"),
        { incomingCallArrives(1),
            { QStringLiteral("decline"), [](DemoContext&) { DemoContext::click(incoming(), "pushButton_release"); },
                [](DemoContext&) {
                    return !incoming() && !videoCall() && releaseReason() == 175603 && callStatus() == 0;
                },
                QStringLiteral("ReleaseCall(call, 175603), the window closes, no call window opens") } } });

    registry.addScenario({ QStringLiteral("call-incoming-unanswered"),
        QStringLiteral("Nobody answers an incoming call: after 50 s it is released with reason 175408"),
        { incomingCallArrives(0),
            { QStringLiteral("50 s pass"),
                // The 50 s timer is fired rather than waited for.
                [](DemoContext&) {
                    VoipCallIncoming* w = incoming();
                    auto* timer = w ? w->findChild<QTimer*>(QStringLiteral("ringTimer")) : nullptr;
                    if (timer && timer->isActive() && timer->interval() == 50000)
                        w->slot_CallingTimeOut();
                },
                [](DemoContext&) { return !incoming() && releaseReason() == 175408 && callStatus() == 0; },
                QStringLiteral("ReleaseCall(call, 175408) and the window closes") } } });
}

void addOutgoingVoiceScenario(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("call-outgoing-voice"),
        QStringLiteral("A placed voice call rings and is answered; mute and speaker are toggled; the user hangs up"),
        { { QStringLiteral("place the call"),
              [](DemoContext& c) {
                  c.sim().setCallOutcome(BusinessSimulator::CallAnswered);
                  placeCall(0);
              },
              [](DemoContext&) {
                  return voiceCall() && journaled("MakeCall", 1, kPeer) && (callStatus() & VoipView::CALL_MARK_VOICE);
              },
              QStringLiteral("the voice call window opens and MakeCall(0, peer) is sent") },
            { QStringLiteral("ringing"), nullptr,
                [](DemoContext&) {
                    return labelText(voiceCall(), "label_call_notice")
                        == shown("VoiceCall", "Wait for someone to answer..");
                },
                QStringLiteral("the window says the other side rings") },
            { QStringLiteral("answered"), nullptr,
                [](DemoContext&) {
                    VoiceCall* w = voiceCall();
                    return w && labelText(w, "label_call_notice") == shown("VoiceCall", "In the call..")
                        && childVisible(w, "pushButton_mic") && childVisible(w, "label_time");
                },
                QStringLiteral("the window shows the talk time and the microphone") },
            { QStringLiteral("mute"), [](DemoContext&) { DemoContext::click(voiceCall(), "pushButton_mic"); },
                [](DemoContext&) {
                    return journaled("SetMute", 0, true)
                        && styleShows(voiceCall(), "pushButton_mic", "/mutex_init.png");
                },
                QStringLiteral("SetMute(true) and the muted microphone") },
            { QStringLiteral("unmute"), [](DemoContext&) { DemoContext::click(voiceCall(), "pushButton_mic"); },
                [](DemoContext&) {
                    return journaled("SetMute", 0, false)
                        && styleShows(voiceCall(), "pushButton_mic", "un_mutex_init.png");
                },
                QStringLiteral("SetMute(false) and the open microphone") },
            { QStringLiteral("speaker off"), [](DemoContext&) { DemoContext::click(voiceCall(), "pushButton_player"); },
                [](DemoContext&) {
                    return journaled("SetSpeakerStatus", 0, 0u)
                        && styleShows(voiceCall(), "pushButton_player", "disable_play_init.png");
                },
                QStringLiteral("SetSpeakerStatus(0) and the silent speaker") },
            { QStringLiteral("speaker on"), [](DemoContext&) { DemoContext::click(voiceCall(), "pushButton_player"); },
                [](DemoContext&) {
                    return journaled("SetSpeakerStatus", 0, 255u)
                        && styleShows(voiceCall(), "pushButton_player", "/play_init.png");
                },
                QStringLiteral("SetSpeakerStatus(255) and the speaker on") },
            { QStringLiteral("hang up"),
                [](DemoContext&) { DemoContext::click(voiceCall(), "pushButton_release_call"); },
                [](DemoContext&) { return !voiceCall() && releaseReason() == 0 && callStatus() == 0; },
                QStringLiteral("the window closes and the call is released") } } });
}

void addOutgoingVideoScenario(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("call-outgoing-video"),
        QStringLiteral("A placed video call: switch to voice and back, share, hide the preview, hang up with the "
                       "confirmation"),
        { { QStringLiteral("place the call"),
              [](DemoContext& c) {
                  c.sim().setCallOutcome(BusinessSimulator::CallAnswered);
                  placeCall(1);
              },
              [](DemoContext&) {
                  VideoCall* w = videoCall();
                  return w && journaled("MakeCall", 1, kPeer) && testCardIn(w->remotePane())
                      && testCardIn(w->localPane()) && (callStatus() & VoipView::CALL_MARK_VIDEO);
              },
              QStringLiteral("the video call window opens with both panes rendered and MakeCall(1, peer) is sent") },
            { QStringLiteral("answered"), nullptr,
                [](DemoContext&) {
                    QPushButton* share = toolButton("btn_share_screen");
                    return share && share->isVisible() && videoCall()->remotePane()->isVideoOn()
                        && videoCall()->getCallInfo().mediaConnected == 1;
                },
                QStringLiteral("the call is answered: the toolbar offers sharing") },
            { QStringLiteral("switch to voice"), [](DemoContext&) { toolButton("btnSwitch")->click(); },
                [](DemoContext&) {
                    return journaled("switchCallType", 0, 0) && toolButton("btnSwitch")->isChecked()
                        && !videoCall()->remotePane()->isVisible();
                },
                QStringLiteral("switchCallType(0) and the panes go") },
            { QStringLiteral("back to video"), [](DemoContext&) { toolButton("btnSwitch")->click(); },
                [](DemoContext&) {
                    return journaled("switchCallType", 0, 1) && !toolButton("btnSwitch")->isChecked()
                        && videoCall()->remotePane()->isVisible() && videoCall()->localPane()->isVisible();
                },
                QStringLiteral("switchCallType(1) and the panes return") },
            { QStringLiteral("share the screen"), [](DemoContext&) { toolButton("btn_share_screen")->click(); },
                [](DemoContext&) { return journaled("ShareScreen", 0, true) && videoCall()->isSharing(); },
                QStringLiteral("ShareScreen(true, call id)") },
            { QStringLiteral("hide the preview"),
                [](DemoContext&) { DemoContext::click(videoCall(), "btn_hideVideo"); },
                [](DemoContext&) { return !videoCall()->localPane()->isVisible(); },
                QStringLiteral("the local preview is hidden") },
            { QStringLiteral("hang up asks"), [](DemoContext&) { toolButton("btn_reject")->click(); },
                [](DemoContext&) {
                    CloseMediaWidgetTip* tip = DemoContext::window<CloseMediaWidgetTip>();
                    return tip && tip->type() == 5 && videoCall()
                        && journal()->count(QStringLiteral("ReleaseCall")) == 0;
                },
                QStringLiteral("the confirmation shows and the call goes on") },
            { QStringLiteral("confirm"),
                [](DemoContext&) { DemoContext::click(DemoContext::window<CloseMediaWidgetTip>(), "pushButton_ok"); },
                [](DemoContext&) {
                    return !videoCall() && !DemoContext::window<CloseMediaWidgetTip>() && releaseReason() == 0
                        && callStatus() == 0;
                },
                QStringLiteral("the window closes and the call is released") } } });
}

void addFailureScenario(DemoRegistry& registry)
{
    struct Failure
    {
        int reason;
        const char* text;
    };
    static const Failure failures[] = {
        { 175404, "Other user is not online.Try again later" },
        { 175604, "Other user is not online.Try again later" },
        { 171151, "Have been suspended" },
        { 171511, "Have been suspended" },
        { 175403, "Busy now.Try again later" },
        { 175486, "Busy now.Try again later" },
        { 175603, "Busy now.Try again later" },
        { 175408, "Time out.Try again later" },
        { 175480, "Time out.Try again later" },
        { 175500, "Server internal error" },
        { 175999, "error code:%1" },
    };
    DemoScenario scenario { QStringLiteral("call-failures"),
        QStringLiteral("A placed call fails with each reason: the error notice says why"), {} };
    for (const Failure& f : failures) {
        const int reason = f.reason;
        QString text = shown("KP_MediaConfUI", f.text);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(reason);
        scenario.steps.append({ QStringLiteral("reason %1").arg(reason),
            [reason](DemoContext& c) {
                c.sim().setCallFailureReason(reason);
                placeCall(0);
            },
            [text](DemoContext&) {
                MessageNotice* notice = DemoContext::window<MessageNotice>();
                return notice && labelText(notice, "label_notice") == text && !voiceCall() && callStatus() == 0;
            },
            QStringLiteral("the call window closes and the notice says \"%1\"").arg(text),
            // An unanswered call gives up only after the simulator's ring time.
            2 * BusinessSimulator::kCallNoAnswerMs });
    }
    registry.addScenario(scenario);
}

// --- gallery ---

Agent_VoIPCallMsg callRecord(int eventCode, int callType)
{
    Agent_VoIPCallMsg msg;
    msg.eventCode = eventCode;
    msg.callType = callType;
    msg.callId = QStringLiteral("gallery-call");
    msg.callerAccount = KP_BusinessView::instance()->getUserInfoView()->state().account;
    msg.calleeAccount = kPeer;
    msg.mediaConnected = eventCode == 3 ? 1 : 0;
    return msg;
}

QWidget* showIncoming(int type)
{
    auto* w = new VoipCallIncoming(nullptr);
    Agent_VoIPComingInfo info;
    info.callType = type;
    info.callId = QStringLiteral("gallery-in");
    info.callerAccount = kPeer;
    w->setComingInfo(info);
    w->show();
    return w;
}

// A voice call window that went through the events up to `lastEvent`.
VoiceCall* showVoiceCall(int lastEvent)
{
    auto* w = new VoiceCall(nullptr);
    for (int event : { 0, 1, 3 }) {
        if (event > lastEvent)
            break;
        w->setCallInfo(callRecord(event, 0));
    }
    w->show();
    return w;
}

VideoCall* showVideoCall(DemoContext&, bool byHandle)
{
    auto* w = new VideoCall(nullptr);
    w->show();
    if (byHandle)
        w->bindVideoByHandle();
    else
        w->bindVideoByAccount(kPeer);
    w->setCallInfo(callRecord(0, 1));
    return w;
}

void addGallery(DemoRegistry& registry)
{
    registry.addGalleryItem({ QStringLiteral("call-incoming-voice"), [](DemoContext&) { return showIncoming(0); } });
    registry.addGalleryItem({ QStringLiteral("call-incoming-video"), [](DemoContext&) { return showIncoming(1); } });
    registry.addGalleryItem(
        { QStringLiteral("voice-call-proceeding"), [](DemoContext&) -> QWidget* { return showVoiceCall(0); } });
    registry.addGalleryItem(
        { QStringLiteral("voice-call-ringing"), [](DemoContext&) -> QWidget* { return showVoiceCall(1); } });
    registry.addGalleryItem({ QStringLiteral("voice-call-answered"), [](DemoContext&) -> QWidget* {
                                 KP_BusinessView::instance()->getUserInfoView()->state().authorities.insert(
                                     USER_AUTHORITY_WHITEBOARD);
                                 VoiceCall* w = showVoiceCall(3);
                                 for (int i = 0; i < 75; ++i)
                                     w->slot_ConfTimer();
                                 return w;
                             } });
    registry.addGalleryItem({ QStringLiteral("voice-call-muted-speaker-off"), [](DemoContext&) -> QWidget* {
                                 VoiceCall* w = showVoiceCall(3);
                                 w->slot_OnSetMuteStatus(0, true);
                                 w->slot_OnSetSpeakerStatus(0, 0);
                                 return w;
                             } });
    registry.addGalleryItem({ QStringLiteral("video-call-test-cards"), [](DemoContext& c) -> QWidget* {
                                 KP_BusinessView::instance()->getUserInfoView()->state().authorities.insert(
                                     USER_AUTHORITY_WHITEBOARD);
                                 VideoCall* w = showVideoCall(c, true);
                                 w->setCallInfo(callRecord(3, 1));
                                 return w;
                             } });
    registry.addGalleryItem({ QStringLiteral("video-call-ringing-no-camera"),
        [](DemoContext& c) -> QWidget* { return showVideoCall(c, false); } });
    registry.addGalleryItem({ QStringLiteral("video-call-toolbar"),
        [](DemoContext&) -> QWidget* {
            // The toolbar on its own; its window stays hidden and goes with the reset.
            auto* w = new VideoCall(nullptr);
            w->setCallInfo(callRecord(3, 1));
            w->toolBar()->move(40, 40);
            w->toolBar()->show();
            return w->toolBar();
        },
        true });
}

} // namespace

void registerCallScenarios(DemoRegistry& registry)
{
    addIncomingScenarios(registry);
    addOutgoingVoiceScenario(registry);
    addOutgoingVideoScenario(registry);
    addFailureScenario(registry);

    registry.addEvent(
        { QStringLiteral("Incoming voice call"), [](DemoContext& c) { c.sim().pushIncomingCall(0, kPeer); } });
    registry.addEvent(
        { QStringLiteral("Incoming video call"), [](DemoContext& c) { c.sim().pushIncomingCall(1, kPeer); } });
    registry.addEvent({ QStringLiteral("Place a voice call"), [](DemoContext& c) {
                           c.sim().setCallOutcome(BusinessSimulator::CallAnswered);
                           placeCall(0);
                       } });
    registry.addEvent({ QStringLiteral("Place a video call"), [](DemoContext& c) {
                           c.sim().setCallOutcome(BusinessSimulator::CallAnswered);
                           placeCall(1);
                       } });
    registry.addEvent({ QStringLiteral("Place a call that is declined"), [](DemoContext& c) {
                           c.sim().setCallOutcome(BusinessSimulator::CallDeclined);
                           placeCall(0);
                       } });
    registry.addEvent(
        { QStringLiteral("The other side hangs up"), [](DemoContext& c) { c.sim().pushRemoteHangUp(); } });
}

void registerCallGallery(DemoRegistry& registry)
{
    addGallery(registry);
}
