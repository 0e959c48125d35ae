// The conference main window as a person spends a meeting in it: joining a
// 30-member conference, members coming and going, speakers, a remote share, a
// main venue, every layout, polling, the side panel, maximising, recording and
// the network, the end countdown with its extension, and leaving as a member
// or ending as host. Everything goes through the facade and the business
// signals; the simulator plays the server. Layout and exit answers are given
// here as their pop-ups give them; the pop-up scenarios click through the
// pop-ups themselves.

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceMainUi.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "customui/ExtendDurationWidget.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "meeting/RectangeTip.h"
#include "panels/PPC_Polling.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QTimer>

void registerConferenceScenarios(DemoRegistry& registry);

namespace {

constexpr int kMembers = 30;
constexpr int kLargeConference = 1000;

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString self()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

ConferenceMainUi* window()
{
    return DemoContext::window<ConferenceMainUi>();
}

// The window whether shown or not (it hides when the conference is left).
ConferenceMainUi* anyWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<ConferenceMainUi*>(w))
            return main;
    }
    return nullptr;
}

// The layout control once the video area shows its tiles again: a layout
// switch hides them for a moment.
ConferenceLayoutControl* layout()
{
    ConferenceMainUi* w = window();
    if (!w || w->videoArea()->relayoutTimer()->isActive())
        return nullptr;
    return w->layoutControl();
}

int videoListSize()
{
    ConferenceLayoutControl* l = layout();
    return l ? l->videoList().size() : -1;
}

// A member in the conference on this client: neither the user nor the host.
ConferenceMemberInfo someMember(int n)
{
    for (const ConferenceMemberInfo& m : conf()->roster()) {
        if (m.isInConf && !m.isHost && m.account != self() && m.deviceType == CONFMEMBER_DEVICE_PC && n-- == 0)
            return m;
    }
    return ConferenceMemberInfo();
}

// The answer its pop-up gives.
void answer(const char* slot, int type)
{
    QMetaObject::invokeMethod(window(), slot, Q_ARG(int, type));
}

DemoStep joinConference(bool asHost)
{
    return { QStringLiteral("join a 30-member conference"),
        [asHost](DemoContext& c) { c.sim().pushConferenceJoined(kMembers, asHost ? self() : QString()); },
        [](DemoContext&) { return window() && videoListSize() > 20 && !window()->confId().isEmpty(); },
        QStringLiteral("the conference window shows the conference's members") };
}

QList<DemoStep> membersComeAndGo()
{
    return {
        { QStringLiteral("two members join"),
            [](DemoContext& c) {
                for (int i = 0; i < 2; ++i) {
                    ConferenceMemberInfo m;
                    m.account = QStringLiteral("guest%1").arg(i + 1);
                    m.name = QStringLiteral("Guest %1").arg(i + 1);
                    m.memberType = 2;
                    m.isMicOpen = true;
                    m.isCameraOpen = true;
                    m.deviceType = CONFMEMBER_DEVICE_PC;
                    c.sim().pushMemberJoin(m);
                }
            },
            [](DemoContext&) { return layout() && layout()->videoList().contains(QStringLiteral("guest2"), 20); },
            QStringLiteral("both guests are in the video list") },
        { QStringLiteral("a member quits"),
            [](DemoContext& c) { c.sim().pushMemberQuit(QStringLiteral("guest1"), CONFMEMBER_DEVICE_PC); },
            [](DemoContext&) { return layout() && !layout()->videoList().contains(QStringLiteral("guest1"), 20); },
            QStringLiteral("guest1 left the video list") },
        { QStringLiteral("speakers report"), [](DemoContext& c) { c.sim().pushSpeakers(c.sim().pickSpeakers(3)); },
            [](DemoContext&) { return layout() && !layout()->participants().isEmpty(); },
            QStringLiteral("the speakers are known") },
    };
}

QList<DemoStep> shareAndMainVenue()
{
    return {
        { QStringLiteral("a remote share begins"),
            [](DemoContext& c) { c.sim().pushConferenceShare(someMember(2).account, CONFMEMBER_DEVICE_PC, true); },
            [](DemoContext&) { return layout() && layout()->isSharing(); },
            QStringLiteral("the window shows a share") },
        { QStringLiteral("the share ends"),
            [](DemoContext& c) { c.sim().pushConferenceShare(someMember(2).account, CONFMEMBER_DEVICE_PC, false); },
            [](DemoContext&) { return layout() && !layout()->isSharing(); }, QStringLiteral("the share is over") },
        { QStringLiteral("a main venue is set"),
            [](DemoContext& c) { c.sim().pushMainVenue(someMember(4).account, CONFMEMBER_DEVICE_PC); },
            [](DemoContext&) { return layout() && layout()->mainSpeakerAccount() == someMember(4).account; },
            QStringLiteral("the main venue is the fifth member") },
        { QStringLiteral("the main venue ends"),
            [](DemoContext& c) { c.sim().pushMainVenue(QString(), CONFMEMBER_DEVICE_NONE); },
            [](DemoContext&) { return layout() && layout()->mainSpeakerAccount().isEmpty(); },
            QStringLiteral("no main venue") },
    };
}

QList<DemoStep> everyLayout()
{
    QList<DemoStep> steps;
    for (int type : { 0, 2, 3, 4, 5, 1 }) {
        steps.append(
            { QStringLiteral("layout %1").arg(type), [type](DemoContext&) { answer("slot_setScreenLayout", type); },
                [type](DemoContext&) { return layout() && layout()->currentLayoutType() == type; },
                QStringLiteral("the layout type is %1").arg(type) });
    }
    return steps;
}

// The polling panel as the work bench opens it, answered on or off.
void setPolling(bool on)
{
    QMetaObject::invokeMethod(window(), "on_btn_polling_clicked");
    PPC_Polling* panel = window()->pollingPanel();
    panel->findChild<QRadioButton*>(on ? QStringLiteral("OpenPolling") : QStringLiteral("NoPolling"))->click();
    DemoContext::click(panel, "btnOk");
}

QList<DemoStep> pollingOnAndOff()
{
    return {
        { QStringLiteral("polling on"), [](DemoContext&) { setPolling(true); },
            [](DemoContext&) { return layout() && layout()->isPolling(); }, QStringLiteral("polling runs") },
        { QStringLiteral("polling off"), [](DemoContext&) { setPolling(false); },
            [](DemoContext&) { return layout() && !layout()->isPolling(); }, QStringLiteral("polling stopped") },
    };
}

QList<DemoStep> panelAndWindowSize()
{
    return {
        { QStringLiteral("side panel closed"),
            [](DemoContext&) { DemoContext::click(window()->toolBar(), "btn_members"); },
            [](DemoContext&) {
                return window() && !window()->isRightPanelShown()
                    && window()->width() == DemoContext::scaledSize(1040, 0).width();
            },
            QStringLiteral("the window is 1040 wide without its panel") },
        { QStringLiteral("side panel opened"),
            [](DemoContext&) { DemoContext::click(window()->toolBar(), "btn_members"); },
            [](DemoContext&) {
                return window() && window()->isRightPanelShown()
                    && window()->width() == DemoContext::scaledSize(1360, 0).width();
            },
            QStringLiteral("the window is 1360 wide with its panel") },
        { QStringLiteral("maximised"), [](DemoContext&) { DemoContext::click(window(), "btn_max"); },
            [](DemoContext&) { return window() && window()->isMaximisedByButtons(); },
            QStringLiteral("the window is maximised") },
        { QStringLiteral("restored"), [](DemoContext&) { DemoContext::click(window(), "btn_max"); },
            [](DemoContext&) {
                return window() && !window()->isMaximisedByButtons()
                    && window()->width() == DemoContext::scaledSize(1360, 0).width();
            },
            QStringLiteral("the window is back at 1360") },
    };
}

DemoStep recordingAndNetwork()
{
    return { QStringLiteral("recording, weak network"),
        [](DemoContext& c) {
            c.sim().pushRecording(true);
            c.sim().pushNetworkReport(450, 3, 2);
        },
        [](DemoContext&) {
            QWidget* wifi = window() ? window()->titleBar()->findChild<QWidget*>(QStringLiteral("btn_wifi")) : nullptr;
            return wifi && wifi->property("level").toString() == QLatin1String("m");
        },
        QStringLiteral("the network shows medium after the next statistics"), 6000 };
}

DemoStep leaves(const char* label, const char* slot, int type)
{
    return { QLatin1String(label), [slot, type](DemoContext&) { answer(slot, type); },
        [](DemoContext&) { return anyWindow() == nullptr; },
        QStringLiteral("the window closed and the facade deleted it") };
}

DemoScenario memberScenario()
{
    DemoScenario s { QStringLiteral("conference-member"),
        QStringLiteral("A 30-member conference as a member: joins, quits, speakers, share, main venue, layouts, "
                       "polling, side panel, maximise, recording, leave"),
        {} };
    s.steps << joinConference(false) << membersComeAndGo() << shareAndMainVenue() << everyLayout() << pollingOnAndOff()
            << panelAndWindowSize() << recordingAndNetwork() << leaves("leave as a member", "slot_onAccept", 4);
    return s;
}

DemoScenario hostScenario()
{
    DemoScenario s { QStringLiteral("conference-host"),
        QStringLiteral("A 30-member conference as host: the end countdown and its extension, host hand-over and "
                       "back, end for everybody"),
        {} };
    s.steps << joinConference(true);
    s.steps << DemoStep { QStringLiteral("the end draws near"), [](DemoContext& c) { c.sim().pushEndCountdown(); },
        [](DemoContext&) {
            return window() && window()->extendOffer() && window()->extendOffer()->isVisible()
                && window()->countdownStrip() && window()->countdownStrip()->isVisible()
                && !window()->countdownStrip()->text().isEmpty();
        },
        QStringLiteral("the extension offer and the countdown show") };
    s.steps << DemoStep { QStringLiteral("extend by 30 minutes"),
        [](DemoContext&) { DemoContext::click(window()->extendOffer(), "btn_yes"); },
        [](DemoContext&) { return window() && !window()->extendOffer(); },
        QStringLiteral("the offer is answered and gone") };
    s.steps << DemoStep { QStringLiteral("host handed over"),
        [](DemoContext& c) { c.sim().pushHostHandOver(someMember(0).account); },
        [](DemoContext&) {
            QWidget* bench
                = window() ? window()->toolBar()->findChild<QWidget*>(QStringLiteral("wgt_workbench")) : nullptr;
            return bench && !bench->isVisible();
        },
        QStringLiteral("the work bench is gone with the host role") };
    s.steps << DemoStep { QStringLiteral("host again"), [](DemoContext& c) { c.sim().pushHostHandOver(self()); },
        [](DemoContext&) {
            QWidget* bench
                = window() ? window()->toolBar()->findChild<QWidget*>(QStringLiteral("wgt_workbench")) : nullptr;
            return bench && bench->isVisible();
        },
        QStringLiteral("the work bench is back") };
    s.steps << leaves("end for everybody", "slot_onOther", 5);
    return s;
}

DemoScenario largeScenario()
{
    DemoScenario s { QStringLiteral("conference-1000"),
        QStringLiteral("A 1,000-member conference: join, speakers, polling, dismissal by the host"), {} };
    s.steps << DemoStep { QStringLiteral("join a 1,000-member conference"),
        [](DemoContext& c) { c.sim().pushConferenceJoined(kLargeConference); },
        [](DemoContext&) { return window() && videoListSize() > 800; },
        QStringLiteral("the window holds the members in the conference") };
    s.steps << DemoStep { QStringLiteral("speakers report"),
        [](DemoContext& c) { c.sim().pushSpeakers(c.sim().pickSpeakers(4)); },
        [](DemoContext&) { return layout() && !layout()->participants().isEmpty(); },
        QStringLiteral("the speakers are known") };
    s.steps << pollingOnAndOff();
    s.steps << DemoStep { QStringLiteral("dismissed by the host"), [](DemoContext& c) { c.sim().pushDismissal(); },
        [](DemoContext&) { return anyWindow() == nullptr; }, QStringLiteral("the window is gone") };
    return s;
}

} // namespace

void registerConferenceScenarios(DemoRegistry& registry)
{
    registry.addScenario(memberScenario());
    registry.addScenario(hostScenario());
    registry.addScenario(largeScenario());
}
