// Vidyo meetings as the client sees them: an accepted meeting invitation with
// its attendees, mute-all and sharing; an accepted call with its toggles and
// the whiteboard; a dial-in that asks for the password on the keypad; and the
// host ending the meeting, which closes the window 3 s later.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "business/sim/TestCardRenderer.h"
#include "call/BottomTipWidget.h"
#include "customui/KpMsgBox.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "vidyo/AttendeesOneWidget.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"
#include "vidyo/VidyoBottomOneWidget.h"
#include "vidyo/VidyoWidget.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

void registerVidyoScenarios(DemoRegistry& registry);

namespace {

const QString kHost = QStringLiteral("emma.chen");
const QString kPassword = QStringLiteral("2580");

CommandJournal* journal()
{
    return CommandJournal::instance();
}

VidyoView* vidyo()
{
    return KP_BusinessView::instance()->getVidyoView();
}

VidyoWidget* meetingWindow()
{
    return DemoContext::window<VidyoWidget>();
}

QString shown(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

template<class T = QWidget> T* part(const char* name)
{
    VidyoWidget* w = meetingWindow();
    return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
}

int kindOf(const char* toggle)
{
    auto* t = part<VidyoBottomOneWidget>(toggle);
    return t ? t->kind() : -1;
}

// A press on a bottom toggle, as the user's mouse gives it.
void press(const char* toggle)
{
    if (auto* t = part<VidyoBottomOneWidget>(toggle)) {
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(20, 20), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(t, &down);
    }
}

int shownRows()
{
    VidyoWidget* w = meetingWindow();
    return w ? w->attendees()->shownRows().size() : -1;
}

AttendeesOneWidget* rowOf(const QString& account)
{
    VidyoWidget* w = meetingWindow();
    if (!w)
        return nullptr;
    for (AttendeesOneWidget* row : w->attendees()->shownRows()) {
        if (row->account() == account)
            return row;
    }
    return nullptr;
}

// The SDK's picture sits where the window said.
bool pictureAtTheReportedRectangle()
{
    VidyoWidget* w = meetingWindow();
    TestCard* card = w ? TestCardRenderer::cardIn(w) : nullptr;
    return card && card->isVisible() && card->geometry() == vidyo()->state().rect;
}

QString countText()
{
    auto* label = part<QLabel>("personCountLabel");
    return label ? label->text() : QString();
}

KpMsgBox* boxNamed(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<KpMsgBox*>(w);
        if (box && box->isVisible() && box->objectName() == QLatin1String(name))
            return box;
    }
    return nullptr;
}

bool messageBoxSays(const QString& text)
{
    auto* box = DemoContext::window<KpMsgBox>();
    return box && box->messageText() == text;
}

DemoStep invitationArrives(int kind)
{
    return { QStringLiteral("invitation arrives"),
        [kind](DemoContext& c) {
            KP_BusinessView::instance()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
            c.sim().pushVidyoInvitation(kind, kHost);
        },
        [kind](DemoContext&) {
            const auto type
                = kind == 1 ? BottomTipWidget::BottomTip_VidyoMeeting : BottomTipWidget::BottomTip_VidyoCall;
            return BottomTipWidget::instance()->isVisible() && BottomTipWidget::instance()->getMessageType() == type;
        },
        QStringLiteral("the notification offers the invitation") };
}

DemoStep acceptAndConnect(int type, bool list)
{
    return { QStringLiteral("accept"), [](DemoContext&) { DemoContext::click(BottomTipWidget::instance(), "okBtn"); },
        [type, list](DemoContext&) {
            VidyoWidget* w = meetingWindow();
            return w && w->type() == type && w->isConnected() && w->attendees()->isVisible() == list
                && part<QLabel>("time_label")->text().startsWith(shown("VidyoWidget", "Talk time"))
                && pictureAtTheReportedRectangle() && journal()->count(QStringLiteral("AcceptVidyo")) == 1;
        },
        QStringLiteral("the meeting window opens, connects, and the picture fills the video area") };
}

void addMeetingScenario(DemoRegistry& registry)
{
    const QString alice = QStringLiteral("chen.zhang");
    const QString bob = QStringLiteral("david.liu");
    registry.addScenario({ QStringLiteral("vidyo-meeting-accepted"),
        QStringLiteral("A Vidyo meeting invitation is accepted: attendees come, mute and go, mute-all and sharing"),
        { invitationArrives(1), acceptAndConnect(VidyoView::StartVidyo_AcceptedMeeting, true),
            { QStringLiteral("attendees join"),
                [alice, bob](DemoContext& c) {
                    c.sim().pushAttendeeJoin(alice);
                    c.sim().pushAttendeeJoin(bob);
                },
                [](DemoContext&) {
                    return shownRows() == 4 && countText() == QStringLiteral("Members:4/20")
                        && !part("m_pWhiteBoard")->isVisible();
                },
                QStringLiteral("four rows, the count reads Members:4/20, no whiteboard in a joined meeting") },
            { QStringLiteral("one mutes, one leaves"),
                [alice, bob](DemoContext& c) {
                    c.sim().pushAttendeeMuted(alice, true);
                    c.sim().pushAttendeeLeave(bob);
                },
                [alice](DemoContext&) { return shownRows() == 3 && rowOf(alice) && rowOf(alice)->isMuted(); },
                QStringLiteral("the muted attendee shows it, the one who left is gone") },
            { QStringLiteral("mute all"), [](DemoContext&) { part<QPushButton>("muteAllBtn")->click(); },
                [](DemoContext&) {
                    return journal()->count(QStringLiteral("muteAll")) == 1 && rowOf(kHost) && rowOf(kHost)->isMuted()
                        && !part<QPushButton>("muteAllBtn")->isEnabled();
                },
                QStringLiteral("everybody but the user is muted; the button rests for a second") },
            { QStringLiteral("share the screen"), [](DemoContext&) { press("m_pShareScreen"); },
                [](DemoContext&) { return meetingWindow()->isSharingMine() && kindOf("m_pShareScreen") == 4; },
                QStringLiteral("the screen is shared and the toggle shows it") },
            { QStringLiteral("stop sharing"), [](DemoContext&) { press("m_pShareScreen"); },
                [](DemoContext&) { return !meetingWindow()->isSharingMine() && kindOf("m_pShareScreen") == 0; },
                QStringLiteral("sharing stops") },
            { QStringLiteral("another participant shares"),
                [](DemoContext& c) {
                    c.sim().pushRemoteShare(true);
                    press("m_pShareScreen");
                },
                [](DemoContext&) {
                    KpMsgBox* box = boxNamed("sharingRefused");
                    return box
                        && box->messageText() == shown("VidyoWidget", "Currently only one person can share the screen");
                },
                QStringLiteral("only one person can share: the box says so") } } });
}

void addCallScenario(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("vidyo-call-toggles"),
        QStringLiteral("An accepted Vidyo call: camera, microphone, speaker and the whiteboard"),
        { invitationArrives(0), acceptAndConnect(VidyoView::StartVidyo_AcceptedCall, false),
            { QStringLiteral("camera off"), [](DemoContext&) { press("m_pCamer"); },
                [](DemoContext&) { return kindOf("m_pCamer") == 11; },
                QStringLiteral("the camera toggle follows the SDK's answer") },
            { QStringLiteral("microphone muted"), [](DemoContext&) { press("m_pMicrophone"); },
                [](DemoContext&) { return kindOf("m_pMicrophone") == 5; },
                QStringLiteral("the microphone shows muted") },
            { QStringLiteral("speaker toggled"), [](DemoContext&) { press("m_pSpeaker"); },
                [](DemoContext&) { return kindOf("m_pSpeaker") == 6; }, QStringLiteral("the speaker toggle switches") },
            { QStringLiteral("whiteboard"), [](DemoContext&) { press("m_pWhiteBoard"); },
                [](DemoContext&) {
                    return journal()->count(QStringLiteral("startWhiteBoard")) == 1
                        && KP_BusinessView::instance()->getWhiteBoardView()->state().inMeeting;
                },
                QStringLiteral("a whiteboard room starts") },
            { QStringLiteral("close asks first"),
                [](DemoContext&) { DemoContext::click(meetingWindow(), "btn_close"); },
                [](DemoContext&) {
                    KpMsgBox* box = boxNamed("closeConfirmation");
                    return box && meetingWindow()
                        && box->messageText()
                        == shown("VidyoWidget", "Closing the video window will hang up the video, confirm to close?");
                },
                QStringLiteral("the user is asked before the call is hung up") },
            { QStringLiteral("close confirmed"), [](DemoContext&) { boxNamed("closeConfirmation")->slot_onOk(); },
                [](DemoContext&) { return !meetingWindow() && journal()->count(QStringLiteral("CloseVidyo")) == 1; },
                QStringLiteral("the call is hung up and the window goes") } } });
}

void addPasswordScenario(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("vidyo-dial-in-password"),
        QStringLiteral("A dial-in asks for the meeting password, entered on the keypad"),
        { { QStringLiteral("password asked"), [](DemoContext& c) { c.sim().pushPasswordPrompt(kPassword); },
              [](DemoContext&) {
                  VidyoWidget* w = meetingWindow();
                  return w && w->isConnected() && part("m_pKeypad")->isVisible() && pictureAtTheReportedRectangle();
              },
              QStringLiteral("the window offers the keypad") },
            { QStringLiteral("keypad open"), [](DemoContext&) { press("m_pKeypad"); },
                [](DemoContext&) {
                    VidyoWidget* w = meetingWindow();
                    return w->keypad() && w->keypad()->isVisible() && !part("m_pMicrophone")->isEnabled()
                        && journal()->last(QStringLiteral("SetMuteAudioIn")).args.value(0) == QVariant(false);
                },
                QStringLiteral("the keypad is up and the microphone open") },
            { QStringLiteral("password dialled"),
                [](DemoContext&) {
                    PasswordKeypad* keypad = meetingWindow()->keypad();
                    for (const char* key : { "twoBtn", "fiveBtn", "eightBtn", "zeroBtn", "pouneBtn" })
                        DemoContext::click(keypad, key);
                },
                [](DemoContext&) {
                    return !meetingWindow()->keypad()->isVisible() && part("m_pMicrophone")->isEnabled()
                        && journal()->last(QStringLiteral("SetMuteAudioIn")).args.value(0) == QVariant(true)
                        && journal()->count(QStringLiteral("dialPassword")) == 5;
                },
                QStringLiteral("the password is taken, the keypad closes and the microphone is muted again") } } });
}

void addEndedScenario(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("vidyo-meeting-ended"),
        QStringLiteral("The host ends the Vidyo meeting: the message, and the window closes 3 s later"),
        { invitationArrives(1), acceptAndConnect(VidyoView::StartVidyo_AcceptedMeeting, true),
            { QStringLiteral("host ends the meeting"), [](DemoContext& c) { c.sim().pushVidyoMeetingEnded(); },
                [](DemoContext&) {
                    return messageBoxSays(shown("KP_MediaConfUI", "The meeting disbanded by the host!"))
                        && meetingWindow();
                },
                QStringLiteral("the message shows while the window stays for 3 s") },
            { QStringLiteral("window closes"), nullptr,
                [](DemoContext&) { return !meetingWindow() && journal()->count(QStringLiteral("CloseVidyo")) == 1; },
                QStringLiteral("the window closes by itself and the meeting is left"), 5000 } } });
}

void addGallery(DemoRegistry& registry)
{
    registry.addGalleryItem({ QStringLiteral("vidyo-meeting-window"), [](DemoContext& c) -> QWidget* {
                                 auto& room = vidyo()->state().invitedPersons;
                                 for (const auto& person : c.sim().populateSampleDirectory(60).mid(0, 5))
                                     room.insert(person->account(), person);
                                 auto* w = new VidyoWidget();
                                 w->show();
                                 w->resetPanels();
                                 w->setType(VidyoView::StartVidyo_InvitedMeeting);
                                 emit vidyo()->signal_Connecting();
                                 vidyo()->setPlayerWidget(reinterpret_cast<void*>(w->winId()), w->getVidyoRect());
                                 return w;
                             } });
    registry.addGalleryItem({ QStringLiteral("vidyo-password-keypad"), [](DemoContext&) -> QWidget* {
                                 auto* keypad = new PasswordKeypad();
                                 keypad->show();
                                 return keypad;
                             } });
}

} // namespace

void registerVidyoScenarios(DemoRegistry& registry)
{
    addMeetingScenario(registry);
    addCallScenario(registry);
    addPasswordScenario(registry);
    addEndedScenario(registry);
    addGallery(registry);
    registry.addEvent({ QStringLiteral("Vidyo attendee joins"),
        [](DemoContext& c) { c.sim().pushAttendeeJoin(QStringLiteral("george.huang")); } });
    registry.addEvent(
        { QStringLiteral("Vidyo host ends the meeting"), [](DemoContext& c) { c.sim().pushVidyoMeetingEnded(); } });
    registry.addEvent({ QStringLiteral("Vidyo dial-in with password 2580"),
        [](DemoContext& c) { c.sim().pushPasswordPrompt(kPassword); } });
}
