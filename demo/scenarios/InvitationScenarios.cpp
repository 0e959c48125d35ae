// Invitations, the Vidyo messages and conference errors, as the client sees them.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/KpMsgBox.h"
#include "demo/ClientShell.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"

#include <QApplication>
#include <iterator>

namespace {

const QString kInviter = QStringLiteral("bob.li");
const QString kVidyoPeer = QStringLiteral("emma.chen");

CommandJournal* journal()
{
    return CommandJournal::instance();
}

BottomTipWidget* tip()
{
    return BottomTipWidget::instance();
}

bool tipShowing(BottomTipWidget::BottomTipType type)
{
    return tip()->isVisible() && tip()->getMessageType() == type;
}

DemoStep conferenceInvitationArrives()
{
    return { QStringLiteral("invitation arrives"), [](DemoContext& c) { c.sim().pushConferenceInvitation(kInviter); },
        [](DemoContext&) { return tipShowing(BottomTipWidget::BottomTip_Conference); },
        QStringLiteral("the notification shows a conference invitation") };
}

KpMsgBox* messageBox()
{
    return DemoContext::window<KpMsgBox>();
}

bool messageBoxSays(const QString& text)
{
    KpMsgBox* box = messageBox();
    return box && box->messageText() == text;
}

void addConferenceErrorScenario(DemoRegistry& registry)
{
    struct ErrorCase
    {
        int reason;
        const char* serverText;
        const char* shown;
    };
    static const ErrorCase cases[] = {
        { 814006, "", "The meeting ID was not found" },
        { 814007, "", "Wrong password for meeting" },
        { 814011, "", "The meeting is full and cannot be joined" },
        { 814012, "", "The meeting is locked and cannot join the meeting" },
        { 814023, "", "Send app register notify fail" },
        { 814026, "", "The meeting is not started." },
        { 814052, "", "Conferece total count beyond limit" },
        { 814056, "", "You cannot join the meeting belonging to another organization." },
        { 900001, "The server rejected the request", "The server rejected the request" },
    };
    DemoScenario scenario { QStringLiteral("conference-errors"),
        QStringLiteral("Every conference error reason shows its tip in the client"), {} };
    for (const ErrorCase& e : cases) {
        // The module's own texts show in the running language; a server's text as it came.
        const QString shown
            = *e.serverText ? QString::fromUtf8(e.shown) : QCoreApplication::translate("KP_MediaConfUI", e.shown);
        const QString serverText = QString::fromUtf8(e.serverText);
        const int reason = e.reason;
        scenario.steps.append({ QStringLiteral("reason %1").arg(reason),
            [serverText, reason](DemoContext& c) { c.sim().pushConferenceError(serverText, reason); },
            [shown](DemoContext& c) { return c.shell().tips().contains(shown); },
            QStringLiteral("the client shows \"%1\"").arg(shown) });
    }
    scenario.steps.append({ QStringLiteral("unknown reason without text"),
        [](DemoContext& c) { c.sim().pushConferenceError(QString(), 123); },
        [](DemoContext& c) { return c.shell().tips().size() == int(std::size(cases)); },
        QStringLiteral("an unknown reason without text shows nothing") });
    registry.addScenario(scenario);
}

} // namespace

void registerInvitationScenarios(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("conference-invitation-accepted"),
        QStringLiteral("A conference invitation rings and is accepted: the module joins the conference"),
        { conferenceInvitationArrives(),
            { QStringLiteral("accept"), [](DemoContext&) { DemoContext::click(tip(), "okBtn"); },
                [](DemoContext&) {
                    const JournalEntry join = journal()->last(QStringLiteral("joinConference"));
                    return !tip()->isVisible() && join.isValid() && join.args.value(2).toInt() == 128;
                },
                QStringLiteral(
                    "the notification closes and joinConference(id, \"\", 128, 1, 1, 0, \"\") is sent") } } });

    registry.addScenario({ QStringLiteral("conference-invitation-rejected"),
        QStringLiteral("A conference invitation is refused with reason 107603"),
        { conferenceInvitationArrives(),
            { QStringLiteral("reject"), [](DemoContext&) { DemoContext::click(tip(), "cancelBtn"); },
                [](DemoContext&) {
                    const JournalEntry reject = journal()->last(QStringLiteral("rejectInvitation"));
                    return !tip()->isVisible() && reject.isValid() && reject.args.value(1).toString() == kInviter
                        && reject.args.value(2).toInt() == 107603;
                },
                QStringLiteral("rejectInvitation(id, inviter, 107603) is sent") } } });

    registry.addScenario({ QStringLiteral("conference-invitation-timeout"),
        QStringLiteral("Nobody answers a conference invitation: after 59 s it lapses without a rejection"),
        { conferenceInvitationArrives(),
            { QStringLiteral("59 s pass"),
                // The 59 s timer is fired rather than waited for.
                [](DemoContext&) { tip()->slot_onTimeOut(); },
                [](DemoContext&) {
                    return !tip()->isVisible() && journal()->count(QStringLiteral("resetInviteConfId")) == 1
                        && journal()->count(QStringLiteral("rejectInvitation")) == 0;
                },
                QStringLiteral("the invitation lapses: resetInviteConfId, no rejection") } } });

    registry.addScenario({ QStringLiteral("group-invitation"),
        QStringLiteral("A group conference invitation opens the group box in the client's mask; a second is dropped"),
        { { QStringLiteral("group invitation arrives"),
              [](DemoContext& c) { c.sim().pushGroupConferenceInvitation(QStringLiteral("group-42"), kInviter); },
              [](DemoContext& c) { return qobject_cast<GroupConfMsgBox*>(c.shell().maskedWidget()) != nullptr; },
              QStringLiteral("the group box is shown in the client's mask") },
            { QStringLiteral("second invitation dropped"),
                [](DemoContext& c) { c.sim().pushGroupConferenceInvitation(QStringLiteral("group-43"), kInviter); },
                [](DemoContext&) {
                    int boxes = 0;
                    for (QWidget* w : QApplication::topLevelWidgets())
                        boxes += qobject_cast<GroupConfMsgBox*>(w) ? 1 : 0;
                    return boxes == 1;
                },
                QStringLiteral("only one group box exists") },
            { QStringLiteral("inviter cancels"),
                [](DemoContext& c) {
                    auto* box = qobject_cast<GroupConfMsgBox*>(c.shell().maskedWidget());
                    c.sim().pushInvitationCancelled(box ? box->getConfId() : QString());
                },
                [](DemoContext& c) { return !c.shell().maskedWidget(); },
                QStringLiteral("the mask is lifted when the invitation is withdrawn") } } });

    registry.addScenario({ QStringLiteral("vidyo-invitation-refused"),
        QStringLiteral("The other side refuses the user's Vidyo invitation"),
        { { QStringLiteral("refused"),
            [](DemoContext&) {
                VidyoJsonTransferData data;
                data.callKind = QStringLiteral("0");
                data.fromAccount = kVidyoPeer;
                emit KP_BusinessView::instance()->getVidyoView()->signal_OtherRefuse(data);
            },
            [](DemoContext&) {
                return messageBoxSays(QStringLiteral("Emma Chen")
                    + QCoreApplication::translate("KP_MediaConfUI", "Your invitation rejected!"));
            },
            QStringLiteral("the message box says who refused") } } });

    registry.addScenario({ QStringLiteral("vidyo-invitation-incoming"),
        QStringLiteral("A Vidyo video-call invitation arrives and is declined"),
        { { QStringLiteral("invitation arrives"), [](DemoContext& c) { c.sim().pushVidyoInvitation(0, kVidyoPeer); },
              [](DemoContext&) { return tipShowing(BottomTipWidget::BottomTip_VidyoCall); },
              QStringLiteral("the notification shows a video invitation") },
            { QStringLiteral("decline"), [](DemoContext&) { DemoContext::click(tip(), "cancelBtn"); },
                [](DemoContext&) { return journal()->count(QStringLiteral("RejectVidyo")) == 1; },
                QStringLiteral("RejectVidyo is sent") } } });

    addConferenceErrorScenario(registry);

    registry.addEvent({ QStringLiteral("Conference invitation"),
        [](DemoContext& c) { c.sim().pushConferenceInvitation(kInviter); } });
    registry.addEvent({ QStringLiteral("Group invitation"),
        [](DemoContext& c) { c.sim().pushGroupConferenceInvitation(QStringLiteral("group-42"), kInviter); } });
    registry.addEvent({ QStringLiteral("Vidyo call invitation"),
        [](DemoContext& c) { c.sim().pushVidyoInvitation(0, kVidyoPeer); } });
    registry.addEvent({ QStringLiteral("Vidyo meeting invitation"),
        [](DemoContext& c) { c.sim().pushVidyoInvitation(1, kVidyoPeer); } });
    registry.addEvent({ QStringLiteral("Voice meeting invitation"),
        [](DemoContext& c) { c.sim().pushMeetingInvitation(1, QStringLiteral("Bob Li"), QStringLiteral("m-100")); } });
    registry.addEvent({ QStringLiteral("Conference error 814011"),
        [](DemoContext& c) { c.sim().pushConferenceError(QString(), 814011); } });
    registry.addEvent({ QStringLiteral("Another device answered"),
        [](DemoContext&) { emit KP_BusinessView::instance()->getVidyoView()->signal_OtherDeviceAnswer(); } });
}
