// The conference window's pop-ups and side pages as a person meets them:
// every pop-up opened at its button and answered, the host editing the
// agenda (and the server sending broken ones), and the activity log filling
// while members come, go, share and switch their media. Modal pop-ups are
// opened on the next event-loop turn so that the step can wait for them.

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "conference/ConferenceMainUi.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/MemberControlPopupWgt.h"
#include "conference/PopupWidget.h"
#include "conference/Popup_Common_Widget.h"
#include "conference/Popup_Small_Widget.h"
#include "conference/PromptWidget_Control.h"
#include "conference/RecordPopupWgt.h"
#include "conference/SafeWgt.h"
#include "conference/StopConfConfirmWgt.h"
#include "conference/StopConfPopupWgt.h"
#include "conference/WifiWgt.h"
#include "conference/WorkbenchWgt.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "members/ConfRightWgt.h"
#include "panels/NewPPC_Info.h"
#include "panels/PPC_Chat.h"
#include "panels/PPC_Material.h"
#include "panels/PPC_Minutes.h"
#include "panels/PPC_ScreenLayout.h"
#include "policy/ActivityLogPolicy.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

void registerPopupScenarios(DemoRegistry& registry);

namespace {

constexpr int kMembers = 12;

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString self()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

ConferenceMainUi* mainWindow()
{
    return DemoContext::window<ConferenceMainUi>();
}

bool noConferenceWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<ConferenceMainUi*>(w))
            return false;
    }
    return true;
}

// A member of the conference on this client other than the user: the nth one.
ConferenceMemberInfo other(int n)
{
    for (const ConferenceMemberInfo& m : conf()->roster()) {
        if (m.isInConf && m.account != self() && m.deviceType == CONFMEMBER_DEVICE_PC && n-- == 0)
            return m;
    }
    return ConferenceMemberInfo();
}

// Clicks a button of the window on the next turn of the event loop: the
// pop-up it opens may wait modally, and the step must go on to see it.
void clickLater(std::function<QWidget*()> root, const char* button)
{
    QTimer::singleShot(0, qApp, [root, button] { DemoContext::click(root(), button); });
}

template<class T> bool shown()
{
    return DemoContext::visible<T>();
}

// A step that clicks a button and waits for the pop-up it opens.
template<class T> DemoStep opens(const QString& label, std::function<QWidget*()> root, const char* button)
{
    return { label, [root, button](DemoContext&) { clickLater(root, button); }, [](DemoContext&) { return shown<T>(); },
        QStringLiteral("the %1 shows").arg(QLatin1String(T::staticMetaObject.className())) };
}

DemoStep join(bool asHost)
{
    return { QStringLiteral("join a conference"),
        [asHost](DemoContext& c) { c.sim().pushConferenceJoined(kMembers, asHost ? self() : QString()); },
        [](DemoContext&) { return mainWindow() && !mainWindow()->confId().isEmpty(); },
        QStringLiteral("the conference window shows the conference") };
}

// Picks the entry of the open more menu.
DemoStep menuEntry(const QString& entry, std::function<bool(DemoContext&)> until, const QString& expectation)
{
    return { QStringLiteral("more menu: ") + entry,
        [entry](DemoContext&) {
            QTimer::singleShot(0, qApp, [entry] {
                auto* menu = DemoContext::window<QMenu>();
                if (!menu)
                    return;
                // As a click does: the menu goes, then the entry acts.
                menu->close();
                for (QAction* action : menu->actions())
                    if (action->text() == entry)
                        action->trigger();
            });
        },
        until, expectation };
}

DemoStep openMoreMenu()
{
    return { QStringLiteral("the more menu"),
        [](DemoContext&) {
            QTimer::singleShot(0, qApp, [] { QMetaObject::invokeMethod(mainWindow(), "on_btn_moremenu_clicked"); });
        },
        [](DemoContext&) { return shown<QMenu>(); }, QStringLiteral("the more menu shows") };
}

QWidget* toolBar()
{
    return mainWindow() ? mainWindow()->toolBar() : nullptr;
}

QWidget* titleBar()
{
    return mainWindow() ? mainWindow()->titleBar() : nullptr;
}

DemoScenario everyPopup()
{
    DemoScenario s { QStringLiteral("conference-popups"),
        QStringLiteral("Every pop-up of the conference window at its button, as host: the bubbles under the title "
                       "bar, the work bench, the stop menu, the member control, the layout chooser, the meeting "
                       "lock, the exit question, and the end of the conference"),
        {} };
    s.steps << join(true);
    s.steps << opens<SafeWgt>(QStringLiteral("safety bubble"), titleBar, "btn_safe");
    s.steps << DemoStep { QStringLiteral("a weak network"),
        [](DemoContext& c) { c.sim().pushNetworkReport(420, 3, 8); },
        [](DemoContext&) {
            ConferenceMainUi* w = mainWindow();
            return w && w->wifiPopup()->delay() == 420;
        },
        QStringLiteral("the statistics brought the figures"), 6000 };
    s.steps << opens<WifiWgt>(QStringLiteral("network bubble"), titleBar, "btn_wifi");
    s.steps << DemoStep { QStringLiteral("recording bubble"),
        [](DemoContext& c) {
            c.sim().pushRecording(true);
            clickLater(titleBar, "btn_record_tip");
        },
        [](DemoContext&) { return shown<RecordPopupWgt>(); }, QStringLiteral("the recording bubble shows") };
    s.steps << opens<WorkbenchWgt>(QStringLiteral("work bench"), toolBar, "btn_workbench");
    s.steps << DemoStep { QStringLiteral("work bench: lock the conference"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<WorkbenchWgt>(), "btn_lock_conf"); },
        [](DemoContext&) { return mainWindow() && (mainWindow()->lockStatus() & CONF_LOCK_BIT_CONFERENCE); },
        QStringLiteral("the server locked the conference") };
    s.steps << opens<StopConfPopupWgt>(QStringLiteral("stop menu"), toolBar, "btn_stop_conf");
    s.steps << opens<MemberControlPopupWgt>(
        QStringLiteral("member control"),
        [] { return mainWindow() ? static_cast<QWidget*>(mainWindow()->rightPanel()) : nullptr; },
        "btn_member_control");
    s.steps << DemoStep { QStringLiteral("invite while locked"),
        [](DemoContext&) {
            QTimer::singleShot(0, qApp,
                [] { QMetaObject::invokeMethod(mainWindow(), "on_btn_invite_clicked", Q_ARG(QRect, QRect())); });
        },
        [](DemoContext&) { return shown<Popup_Small_Widget>(); }, QStringLiteral("the unlock offer shows") };
    s.steps << DemoStep { QStringLiteral("unlock to invite"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<Popup_Small_Widget>(), "btnOk_3"); },
        [](DemoContext&) { return mainWindow() && !(mainWindow()->lockStatus() & CONF_LOCK_BIT_CONFERENCE); },
        QStringLiteral("the server unlocked the conference") };
    s.steps << openMoreMenu();
    s.steps << menuEntry(
        QStringLiteral("Meeting lock: turned off"), [](DemoContext&) { return shown<Popup_Small_Widget>(); },
        QStringLiteral("the meeting-lock question shows"));
    s.steps << DemoStep { QStringLiteral("lock the meeting"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<Popup_Small_Widget>(), "btnOk"); },
        [](DemoContext&) { return mainWindow() && (mainWindow()->lockStatus() & CONF_LOCK_BIT_CONFERENCE); },
        QStringLiteral("the conference is locked") };
    s.steps << opens<PopupWidget>(QStringLiteral("layout chooser"), toolBar, "btn_layout_mode");
    s.steps << DemoStep { QStringLiteral("choose the 3 x 3 grid"),
        [](DemoContext&) {
            PopupWidget* popup = DemoContext::window<PopupWidget>();
            DemoContext::click(popup->layoutPage(), "BigMounted3X3Btn");
            DemoContext::click(popup->layoutPage(), "YesBtn");
        },
        [](DemoContext&) { return !shown<PopupWidget>(); }, QStringLiteral("the chooser closed") };
    s.steps << DemoStep { QStringLiteral("a member shares"),
        [](DemoContext& c) { c.sim().pushConferenceShare(other(1).account, CONFMEMBER_DEVICE_PC, true); },
        [](DemoContext&) { return conf()->state().shareAccount == other(1).account; },
        QStringLiteral("the share runs") };
    s.steps << opens<Popup_Common_Widget>(QStringLiteral("stop that share?"), toolBar, "btn_share_screen");
    s.steps << DemoStep { QStringLiteral("stop it"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<Popup_Common_Widget>(), "btn_ok"); },
        [](DemoContext&) { return conf()->state().shareAccount.isEmpty(); }, QStringLiteral("the share ended") };
    s.steps << opens<Popup_Common_Widget>(
        QStringLiteral("exit question"), [] { return mainWindow(); }, "btn_close");
    s.steps << DemoStep { QStringLiteral("stay"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<Popup_Common_Widget>(), "btn_ignore"); },
        [](DemoContext&) { return !shown<Popup_Common_Widget>(); }, QStringLiteral("the question is gone") };
    s.steps << DemoContext::activate(QStringLiteral("back to the conference window"), [] { return mainWindow(); });
    s.steps << opens<StopConfPopupWgt>(QStringLiteral("stop menu again"), toolBar, "btn_stop_conf");
    s.steps << opens<StopConfConfirmWgt>(
        QStringLiteral("end the conference?"),
        [] { return static_cast<QWidget*>(DemoContext::window<StopConfPopupWgt>()); }, "btn_stop_conf");
    s.steps << DemoStep { QStringLiteral("end it for everybody"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<StopConfConfirmWgt>(), "btn_confirm"); },
        [](DemoContext&) { return noConferenceWindow(); }, QStringLiteral("the window closed and is gone") };
    return s;
}

NewPPC_Info* infoPage()
{
    PopupWidget* popup = DemoContext::window<PopupWidget>();
    return popup ? popup->infoPage() : nullptr;
}

DemoScenario agenda()
{
    DemoScenario s { QStringLiteral("conference-agenda"),
        QStringLiteral("The host edits the agenda on the meeting information page and saves it; broken agendas "
                       "from the server show nothing"),
        {} };
    s.steps << join(true);
    s.steps << DemoStep { QStringLiteral("the server's agenda"),
        [](DemoContext& c) { c.sim().pushAgenda(BusinessSimulator::sampleAgendas().at(0)); },
        [](DemoContext&) { return mainWindow() && !mainWindow()->conferenceInfo().issues.isEmpty(); },
        QStringLiteral("the window has the agenda") };
    s.steps << openMoreMenu();
    s.steps << menuEntry(
        QStringLiteral("Meeting information"),
        [](DemoContext&) { return infoPage() && infoPage()->issues().first() == QLatin1String("Quarterly figures"); },
        QStringLiteral("the meeting information shows three issues"));
    s.steps << DemoStep { QStringLiteral("edit"), [](DemoContext&) { DemoContext::click(infoPage(), "btnTopicOk"); },
        [](DemoContext&) { return infoPage() && infoPage()->status() == NewPPC_Info::Editing; },
        QStringLiteral("the issues are editable") };
    s.steps << DemoStep { QStringLiteral("type the issues"),
        [](DemoContext&) {
            infoPage()->findChild<QTextEdit*>(QStringLiteral("ConfTopicLet2"))->clear();
            infoPage()
                ->findChild<QTextEdit*>(QStringLiteral("ConfTopicLet3"))
                ->setPlainText(QStringLiteral("Office move"));
        },
        {}, QString() };
    s.steps << DemoStep { QStringLiteral("save"), [](DemoContext&) { DemoContext::click(infoPage(), "btnTopicOk"); },
        [](DemoContext&) {
            return mainWindow() && mainWindow()->conferenceInfo().issues.contains(QLatin1String("Officemove"))
                && infoPage() && infoPage()->issues().at(1) == QLatin1String("Officemove");
        },
        QStringLiteral("the server took the agenda and the page shows it again") };
    s.steps << DemoStep { QStringLiteral("a cut-off agenda"),
        [](DemoContext& c) { c.sim().pushAgenda(BusinessSimulator::sampleAgendas().at(2)); },
        [](DemoContext&) { return infoPage() && infoPage()->issues().join(QString()).isEmpty(); },
        QStringLiteral("nothing of it shows") };
    s.steps << DemoStep { QStringLiteral("a far too long agenda"),
        [](DemoContext& c) {
            c.sim().pushAgenda(BusinessSimulator::sampleAgendas().at(1));
            c.sim().pushAgenda(BusinessSimulator::sampleAgendas().at(4));
        },
        [](DemoContext&) { return infoPage() && infoPage()->issues().join(QString()).isEmpty(); },
        QStringLiteral("nothing of it shows") };
    s.steps << DemoStep { QStringLiteral("close the page"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<PopupWidget>(), "closeWinBtn"); },
        [](DemoContext&) { return !shown<PopupWidget>(); }, QStringLiteral("the page closed") };
    s.steps << DemoStep { QStringLiteral("dismissed"), [](DemoContext& c) { c.sim().pushDismissal(); },
        [](DemoContext&) { return noConferenceWindow(); }, QStringLiteral("the window is gone") };
    return s;
}

PPC_Chat* activityLog()
{
    return mainWindow() ? mainWindow()->rightPanel()->chatPanel() : nullptr;
}

DemoScenario activity()
{
    DemoScenario s { QStringLiteral("conference-activity-log"),
        QStringLiteral("The side panel's chat page logs who joins, refuses, leaves, is kicked, shares, raises a "
                       "hand and switches microphone or camera"),
        {} };
    s.steps << join(false);
    s.steps << DemoStep { QStringLiteral("the chat page"),
        [](DemoContext&) { mainWindow()->rightPanel()->on_btn_chat_clicked(); },
        [](DemoContext&) { return mainWindow() && mainWindow()->rightPanel()->isChatPage(); },
        QStringLiteral("the side panel shows the chat page") };
    s.steps << DemoStep { QStringLiteral("members come and go"),
        [](DemoContext& c) {
            ConferenceMemberInfo guest;
            guest.account = QStringLiteral("guest1");
            guest.name = QStringLiteral("Guest One");
            guest.deviceType = CONFMEMBER_DEVICE_PC;
            c.sim().pushMemberJoin(guest);
            c.sim().pushInvitationRefused(other(5).account);
            c.sim().pushMemberQuit(other(4).account, CONFMEMBER_DEVICE_PC);
            c.sim().pushMemberQuit(other(3).account, CONFMEMBER_DEVICE_PC, true);
        },
        [](DemoContext&) { return activityLog() && activityLog()->lines().size() >= 4; },
        QStringLiteral("four lines") };
    s.steps << DemoStep { QStringLiteral("a share, a hand, media"),
        [](DemoContext& c) {
            c.sim().pushConferenceShare(other(1).account, CONFMEMBER_DEVICE_PC, true);
            c.sim().pushHandUp(other(2).account, CONFMEMBER_DEVICE_PC, true);
            c.sim().pushMediaChange(other(0).account, CONFMEMBER_DEVICE_PC, CONF_MEMBER_ACTION_MIC_OFF);
            c.sim().pushMediaChange(other(2).account, CONFMEMBER_DEVICE_PC, CONF_MEMBER_ACTION_CAMERA_OFF);
            c.sim().pushConferenceShare(other(1).account, CONFMEMBER_DEVICE_PC, false);
        },
        [](DemoContext&) { return activityLog() && activityLog()->lines().size() >= 9; },
        QStringLiteral("nine lines") };
    s.steps << DemoStep { QStringLiteral("leave"),
        [](DemoContext&) { QMetaObject::invokeMethod(mainWindow(), "slot_onAccept", Q_ARG(int, 4)); },
        [](DemoContext&) { return noConferenceWindow(); }, QStringLiteral("the window is gone") };
    return s;
}

// A gallery entry of a pop-up made by `make` and shown at the screen's top left.
template<class T> DemoGalleryItem item(const QString& name, std::function<void(T*)> fill = {})
{
    return { name, [fill](DemoContext&) -> QWidget* {
                auto* w = new T(nullptr);
                if (fill)
                    fill(w);
                w->move(40, 40);
                w->show();
                return w;
            } };
}

ConferenceBriefInfo sampleBrief()
{
    ConferenceBriefInfo info;
    info.confId = QStringLiteral("318204001");
    info.subject = QStringLiteral("Quarterly review of the sales team");
    info.issues = BusinessSimulator::sampleAgendas().first();
    return info;
}

void registerGallery(DemoRegistry& registry)
{
    registry.addGalleryItem(item<Popup_Common_Widget>(
        QStringLiteral("end-or-leave question"), [](auto* w) { w->setType(Popup_Common_Widget_Type(5)); }));
    registry.addGalleryItem(item<Popup_Common_Widget>(
        QStringLiteral("share-lock question"), [](auto* w) { w->setType(Popup_Common_Widget_Type(2)); }));
    for (int type : { 0, 1, 2, 3, 5 })
        registry.addGalleryItem(item<Popup_Small_Widget>(QStringLiteral("meeting-lock notice %1").arg(type),
            [type](auto* w) { w->setShowType(Popup_Small_Widget_Type(type)); }));
    registry.addGalleryItem(item<StopConfPopupWgt>(QStringLiteral("stop menu"), [](auto* w) { w->setHost(true); }));
    registry.addGalleryItem(item<StopConfConfirmWgt>(QStringLiteral("end confirmation")));
    registry.addGalleryItem(item<WorkbenchWgt>(QStringLiteral("work bench"), [](auto* w) {
        w->setConferenceLock(true);
        w->setPolling(false);
        w->setShareLock(false);
    }));
    registry.addGalleryItem(item<MemberControlPopupWgt>(QStringLiteral("member control")));
    registry.addGalleryItem(item<SafeWgt>(QStringLiteral("safety bubble")));
    registry.addGalleryItem(item<RecordPopupWgt>(QStringLiteral("recording bubble")));
    registry.addGalleryItem(item<WifiWgt>(QStringLiteral("network bubble"), [](auto* w) {
        w->setDelay(230);
        w->setSendLoss(2.5);
        w->setRecvLoss(0);
        w->refresh();
    }));
    registry.addGalleryItem(item<PromptWidget_Control>(QStringLiteral("main venue lock strip")));
    registry.addGalleryItem(item<PopupWidget>(QStringLiteral("panel host: meeting information"), [](auto* w) {
        w->setShowType(ConferencePopupPolicy::ConfInfo);
        w->setConferenceInfo(sampleBrief());
        w->setHost(true);
    }));
    registry.addGalleryItem(item<PopupWidget>(QStringLiteral("panel host: layout"), [](auto* w) {
        w->setShowType(ConferencePopupPolicy::ScreenLayout);
        w->setLayoutType(2);
    }));
    registry.addGalleryItem(item<PopupWidget>(
        QStringLiteral("panel host: minutes"), [](auto* w) { w->setShowType(ConferencePopupPolicy::Minutes); }));
    registry.addGalleryItem(item<PPC_Chat>(QStringLiteral("activity log"), [](auto* w) {
        // Worded by the module, in the language loaded.
        const QList<QPair<const char*, ActivityLogPolicy::Event>> lines
            = { { "09:02   Ann Lee", ActivityLogPolicy::Joined }, { "09:03   Bob Stone", ActivityLogPolicy::Quit },
                  { "09:05   Ann Lee", ActivityLogPolicy::BeganSharing },
                  { "09:07   Carl Wu", ActivityLogPolicy::HandUp } };
        for (const auto& line : lines)
            w->slot_updateMemberOperLog(QString::fromUtf8(line.first) + ActivityLogPolicy::eventText(line.second));
    }));
    registry.addGalleryItem(item<PPC_Material>(QStringLiteral("material page"), [](auto* w) { w->setHost(true); }));
    registry.addGalleryItem(item<PPC_Minutes>(QStringLiteral("minutes page")));
}

} // namespace

void registerPopupScenarios(DemoRegistry& registry)
{
    registry.addScenario(everyPopup());
    registry.addScenario(agenda());
    registry.addScenario(activity());
    registerGallery(registry);
}
