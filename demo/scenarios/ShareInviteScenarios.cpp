// Inviting and sharing from the conference window as a person does it: a
// telephone number and members from the directory through the side panel's
// invite button, the conference's share window with its QR code, and sharing a
// screen, then a window, then the whiteboard, with the share bar in both of
// its modes. The simulator plays the server and the media engine.

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceMainUi.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/PPC_ShareScreen.h"
#include "conference/PPC_ShareScreenChild.h"
#include "conference/ShareScreenControl.h"
#include "customui/SectionStaffWindow.h"
#include "customui/StaffPickerModel.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "members/ConfRightWgt.h"
#include "panels/CallPhoneDlg.h"
#include "panels/ConfShareWidget.h"
#include "panels/InviteChoiceWgt.h"
#include "panels/ShareConfInfoWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

void registerShareInviteScenarios(DemoRegistry& registry);

namespace {

constexpr int kMembers = 12;

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

ConferenceMainUi* window()
{
    return DemoContext::window<ConferenceMainUi>();
}

QPushButton* inviteButton()
{
    return window() ? window()->rightPanel()->findChild<QPushButton*>(QStringLiteral("btn_invite")) : nullptr;
}

bool inConference(const QString& account)
{
    for (const ConferenceMemberInfo& m : conf()->roster()) {
        if (m.account == account && m.isInConf)
            return true;
    }
    return false;
}

DemoStep join(bool asHost)
{
    return { QStringLiteral("join a conference"),
        [asHost](DemoContext& c) {
            c.sim().populateShareSources();
            c.sim().setWhiteboardEntitled(true);
            conf()->state().appSetting.allowCallPhone = true;
            c.sim().pushConferenceJoined(
                kMembers, asHost ? KP_BusinessView::instance()->getUserInfoView()->state().account : QString());
        },
        // Offscreen, a native child window shown takes the activation: the grid coming
        // back after its relayout pause would close a pop-up opened meanwhile.
        [](DemoContext&) {
            return window() && !window()->confId().isEmpty() && !window()->videoArea()->relayoutTimer()->isActive();
        },
        QStringLiteral("the conference window is open and its grid laid out") };
}

DemoStep leave()
{
    return { QStringLiteral("leave"),
        [](DemoContext&) { QMetaObject::invokeMethod(window(), "slot_onAccept", Q_ARG(int, 4)); },
        [](DemoContext&) { return !window(); }, QStringLiteral("the conference window is gone") };
}

DemoScenario inviteScenario()
{
    DemoScenario s { QStringLiteral("invite-phone-and-members"),
        QStringLiteral("Invite a telephone number, then members from the directory, from the side panel"), {} };
    s.steps << join(false);
    s.steps << DemoContext::activate(QStringLiteral("work in the conference window"), [] { return window(); });
    s.steps << DemoStep { QStringLiteral("press the side panel's invite button"),
        [](DemoContext&) { inviteButton()->click(); },
        [](DemoContext&) { return DemoContext::visible<InviteChoiceWgt>(); },
        QStringLiteral("the two ways show above the button") };
    s.steps << DemoStep { QStringLiteral("choose a telephone number"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<InviteChoiceWgt>(), "btn_invite_phone"); },
        [](DemoContext&) {
            return window() && window()->callPhoneDialog() && window()->callPhoneDialog()->isVisible();
        },
        QStringLiteral("the number dialog is open") };
    s.steps << DemoStep { QStringLiteral("type a directory person's number"),
        [](DemoContext& c) {
            window()
                ->callPhoneDialog()
                ->findChild<QLineEdit*>(QStringLiteral("lineEdit"))
                ->setText(c.sim().directoryPhoneNumber(3));
        },
        [](DemoContext&) {
            return window()->callPhoneDialog()->findChild<QPushButton*>(QStringLiteral("btn_ok"))->isEnabled();
        },
        QStringLiteral("eleven digits can be called") };
    s.steps << DemoStep { QStringLiteral("call it"),
        [](DemoContext&) { DemoContext::click(window()->callPhoneDialog(), "btn_ok"); },
        [](DemoContext& c) { return inConference(c.sim().directoryPhoneNumber(3)); },
        QStringLiteral("the number joined the conference") };
    s.steps << DemoStep { QStringLiteral("choose members"),
        [](DemoContext&) {
            inviteButton()->click();
            DemoContext::click(DemoContext::window<InviteChoiceWgt>(), "btn_choice_members");
        },
        [](DemoContext&) { return DemoContext::visible<SectionStaffWindow>(); },
        QStringLiteral("the directory picker is open with the members in the conference") };
    s.steps << DemoStep { QStringLiteral("pick a colleague not yet invited"),
        [](DemoContext&) {
            SectionStaffWindow* picker = DemoContext::window<SectionStaffWindow>();
            const auto persons = KP_BusinessView::instance()->getAddressBookView()->persons();
            picker->staffModel()->setChecked(persons.last()->account(), true);
            picker->slot_onOk();
        },
        [](DemoContext&) {
            return inConference(KP_BusinessView::instance()->getAddressBookView()->persons().last()->account());
        },
        QStringLiteral("the colleague joined") };
    s.steps << leave();
    return s;
}

DemoScenario shareConferenceScenario()
{
    DemoScenario s { QStringLiteral("share-conference"),
        QStringLiteral("The conference's details card and its share window with the QR code of the link"), {} };
    s.steps << join(false);
    s.steps << DemoStep { QStringLiteral("the title bar's details"),
        [](DemoContext&) { DemoContext::click(window()->titleBar(), "btn_conf_id"); },
        [](DemoContext&) { return DemoContext::visible<ShareConfInfoWgt>(); },
        QStringLiteral("the details card shows under the title bar") };
    s.steps << DemoStep { QStringLiteral("share the conference"),
        [](DemoContext&) {
            DemoContext::window<ShareConfInfoWgt>()->hide();
            emit conf()->sig_showConfShareWidget();
        },
        [](DemoContext&) {
            auto* share = DemoContext::window<ConfShareWidget>();
            return share && !share->link().isEmpty()
                && !share->findChild<QLabel*>(QStringLiteral("ConfPicLbl"))->pixmap(Qt::ReturnByValue).isNull();
        },
        QStringLiteral("the share window shows the link and its QR code") };
    s.steps << DemoStep { QStringLiteral("copy the share info"),
        [](DemoContext&) { DemoContext::click(DemoContext::window<ConfShareWidget>(), "ConfInfoShareBtn"); }, {},
        QString() };
    s.steps << DemoStep { QStringLiteral("close the share window"),
        [](DemoContext&) { DemoContext::window<ConfShareWidget>()->close(); },
        [](DemoContext&) { return !DemoContext::visible<ConfShareWidget>(); },
        QStringLiteral("the share window is gone") };
    s.steps << leave();
    return s;
}

// Opens the chooser and confirms the first card of the type once the sources arrived.
QList<DemoStep> shareSource(int type, const QString& what)
{
    return {
        { QStringLiteral("open the share chooser for ") + what,
            [](DemoContext&) { DemoContext::click(window()->toolBar(), "btn_share_screen"); },
            [](DemoContext&) { return window()->shareChooser() && !window()->shareChooser()->cards().isEmpty(); },
            QStringLiteral("the cards show: screens, one window, the whiteboard") },
        { QStringLiteral("choose ") + what,
            [type](DemoContext&) {
                for (PPC_ShareScreenChild* card : window()->shareChooser()->cards()) {
                    if (card->type() == type) {
                        card->click();
                        break;
                    }
                }
            },
            {}, QString() },
        { QStringLiteral("start sharing ") + what,
            [](DemoContext&) { DemoContext::click(window()->shareChooser(), "YesBtn"); },
            [type](DemoContext&) {
                return type == 2 ? window()->toolBar()->isWhiteboardActive()
                                 : window()->shareControl() != nullptr && window()->shareControl()->isVisible();
            },
            type == 2 ? QStringLiteral("the whiteboard is active") : QStringLiteral("the share bar is at the top") },
    };
}

DemoStep endShare()
{
    return { QStringLiteral("end sharing"),
        [](DemoContext&) { DemoContext::click(window()->shareControl(), "btn_stop"); },
        [](DemoContext&) { return !window()->shareControl() && !window()->layoutControl()->isSharing(); },
        QStringLiteral("the share ended") };
}

DemoScenario shareScenario()
{
    DemoScenario s { QStringLiteral("share-screen-window-whiteboard"),
        QStringLiteral("Share a screen, then a window, then the whiteboard"), {} };
    s.steps << join(true);
    s.steps << shareSource(0, QStringLiteral("a screen"));
    s.steps << endShare();
    s.steps << shareSource(1, QStringLiteral("a window"));
    s.steps << endShare();
    s.steps << shareSource(2, QStringLiteral("the whiteboard"));
    s.steps << leave();
    return s;
}

DemoScenario projectionScenario()
{
    DemoScenario s { QStringLiteral("share-bar-modes"),
        QStringLiteral("The share bar while sharing and while projecting wirelessly"), {} };
    s.steps << join(false);
    s.steps << DemoStep { QStringLiteral("a desktop share begins"),
        [](DemoContext&) {
            conf()->m_screenShareMode = 1;
            emit conf()->sig_onBeginShareDesktop(true, QString());
        },
        [](DemoContext&) {
            return window()->shareControl()
                && window()->shareControl()->width() == DemoContext::scaledSize(330, 0).width();
        },
        QStringLiteral("the bar shows the conference id and End sharing") };
    s.steps << DemoStep { QStringLiteral("a wireless projection begins"),
        [](DemoContext&) {
            conf()->m_screenShareMode = 2;
            emit conf()->sig_onBeginShareDesktop(true, QString());
        },
        [](DemoContext&) {
            ShareScreenControl* bar = window()->shareControl();
            return bar && bar->width() == DemoContext::scaledSize(460, 0).width()
                && bar->findChild<QLabel*>(QStringLiteral("label_time"))->text() != QStringLiteral("00:00:00");
        },
        QStringLiteral("the bar counts the projection time"), 4000 };
    s.steps << DemoStep { QStringLiteral("the More menu"),
        [](DemoContext&) { DemoContext::click(window()->shareControl(), "toolButton_more"); },
        [](DemoContext&) { return window()->shareControl()->moreMenu()->isVisible(); },
        QStringLiteral("four entries under the More button") };
    s.steps << DemoStep { QStringLiteral("meeting immediately"),
        [](DemoContext&) {
            window()->shareControl()->moreMenu()->hide();
            DemoContext::click(window()->shareControl(), "ptn_conf_imm");
        },
        [](DemoContext&) { return !window()->shareControl() && conf()->m_screenShareMode == 1; },
        QStringLiteral("the projection became the conference") };
    s.steps << leave();
    return s;
}

} // namespace

void registerShareInviteScenarios(DemoRegistry& registry)
{
    registry.addScenario(inviteScenario());
    registry.addScenario(shareConferenceScenario());
    registry.addScenario(shareScenario());
    registry.addScenario(projectionScenario());
}
