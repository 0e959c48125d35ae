// The voice conference grid of an IM group call, and the older voice and video
// meetings: a group call growing from two to twelve people with every question
// of the grid answered, a voice meeting as its master and as a member, and a
// video meeting with five pictures.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "business/sim/TestCardRenderer.h"
#include "call/VideoWidget.h"
#include "customui/KpMsgBox.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "meeting/ConferenceTipWidget.h"
#include "meeting/MeetingMemberItem.h"
#include "meeting/MemberListWidget.h"
#include "meeting/VideoMeetingWidget.h"
#include "meeting/VoiceMeetingWidget.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"
#include "video/MediaLayoutWgt.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

void registerMeetingScenarios(DemoRegistry& registry);

namespace {

MediaLayoutWgt* grid()
{
    return DemoContext::window<MediaLayoutWgt>();
}

VoiceMeetingWidget* voiceMeeting()
{
    return DemoContext::window<VoiceMeetingWidget>();
}

VideoMeetingWidget* videoMeeting()
{
    return DemoContext::window<VideoMeetingWidget>();
}

QString labelText(QWidget* root, const char* name)
{
    const QLabel* label = root ? root->findChild<QLabel*>(QLatin1String(name)) : nullptr;
    return label ? label->text() : QString();
}

int onlineMembers()
{
    int n = 0;
    for (const ConferenceMemberInfo& m : KP_BusinessView::instance()->getUnifiedConferenceView()->roster())
        n += m.isInConf ? 1 : 0;
    return n;
}

// The engine shows its tiles a moment after a new arrangement, and a tile
// that swaps avatar and video paints again a moment later.
bool tilesSettled(MediaLayoutWgt* g)
{
    ConfSmartVideoPlayMainWdg* area = g->videoArea();
    if (!area->gridContainer()->isVisible())
        return false;
    for (int i = 0; i < area->poolSize(); ++i) {
        if (area->tile(i)->isVisible() && !area->tile(i)->updatesEnabled())
            return false;
    }
    return true;
}

// The grid's video area as tall as the member count wants it: the whole
// width, half of it, or two thirds.
bool gridShows(int members, int numerator, int denominator)
{
    MediaLayoutWgt* g = grid();
    if (!g || onlineMembers() != members)
        return false;
    const QRect area = g->videoArea()->geometry();
    return area.height() == numerator * area.width() / denominator && g->videoArea()->tile(0)->isBound()
        && tilesSettled(g);
}

DemoStep membersAnswer(int members, int numerator, int denominator, const QString& looks)
{
    return { QStringLiteral("%1 people in the call").arg(members),
        [members](DemoContext& c) {
            while (onlineMembers() < members && c.sim().pushGroupMemberAnswer()) { }
        },
        [=](DemoContext&) { return gridShows(members, numerator, denominator); }, looks };
}

// Asks the grid's question of a type and answers it; `command` is the business
// call the answer makes (none when null).
void addQuestion(DemoScenario& scenario, int type, bool accept, const char* command)
{
    scenario.steps.append({ QStringLiteral("question %1").arg(type),
        [type](DemoContext&) {
            CommandJournal::instance()->clear();
            if (MediaLayoutWgt* g = grid())
                g->showConfirm(type);
        },
        [type](DemoContext&) {
            MediaLayoutWgt* g = grid();
            return g && g->confirmationBox() && g->confirmationBox()->isVisible()
                && g->confirmationBox()->messageType() == type;
        },
        QStringLiteral("the confirmation box asks its question") });
    scenario.steps.append({ accept ? QStringLiteral("accepted") : QStringLiteral("rejected"),
        [accept](DemoContext&) {
            KpMsgBox* box = grid() ? grid()->confirmationBox() : nullptr;
            if (box && accept)
                box->slot_onOk();
            else if (box)
                box->slot_onCancel();
        },
        [command](DemoContext&) {
            CommandJournal* journal = CommandJournal::instance();
            return grid() && !grid()->confirmationBox()->isVisible()
                && (command ? journal->count(QLatin1String(command)) == 1 : journal->commandOperations().isEmpty());
        },
        command ? QStringLiteral("the answer sends %1").arg(QLatin1String(command))
                : QStringLiteral("the answer sends nothing") });
}

void addGroupVoiceConference(DemoRegistry& registry)
{
    DemoScenario scenario { QStringLiteral("meeting-group-voice-conference"),
        QStringLiteral("A group voice call grows from 2 to 12 people; every question of the grid is answered; "
                       "the user withdraws"),
        {} };
    scenario.steps.append(
        { QStringLiteral("the user calls the group"), [](DemoContext& c) { c.sim().startGroupVoiceConference(12); },
            [](DemoContext&) { return gridShows(1, 1, 1) && grid()->groupId() == QLatin1String("g-voice"); },
            QStringLiteral("the grid opens with the user alone while the group is rung") });
    scenario.steps.append(membersAnswer(2, 1, 2, QStringLiteral("two tiles side by side, the area half as high")));
    scenario.steps.append(membersAnswer(3, 1, 1, QStringLiteral("a large tile and two small, the area square")));
    scenario.steps.append(membersAnswer(4, 1, 1, QStringLiteral("four tiles, square")));
    scenario.steps.append(membersAnswer(5, 2, 3, QStringLiteral("a tall tile and four, two thirds high")));
    scenario.steps.append(membersAnswer(6, 2, 3, QStringLiteral("a large tile and five, two thirds high")));
    scenario.steps.append(membersAnswer(7, 1, 1, QStringLiteral("the nine-tile grid, square")));
    scenario.steps.append(membersAnswer(9, 1, 1, QStringLiteral("nine tiles filled")));
    scenario.steps.append(membersAnswer(12, 1, 1, QStringLiteral("twelve in the call, nine tiles shown")));
    scenario.steps.append({ QStringLiteral("mini mode"), [](DemoContext&) { DemoContext::click(grid(), "btn_min"); },
        [](DemoContext&) {
            return grid() && grid()->isMiniMode() && grid()->width() == DemoContext::scaledSize(160, 0).width()
                && tilesSettled(grid());
        },
        QStringLiteral("the window shrinks to the user's tile") });
    scenario.steps.append(
        { QStringLiteral("back to the grid"), [](DemoContext&) { DemoContext::click(grid(), "btn_min"); },
            [](DemoContext&) { return grid() && !grid()->isMiniMode() && gridShows(12, 1, 1); },
            QStringLiteral("the nine tiles again") });

    addQuestion(scenario, 87, true, nullptr); // only asks whether a whiteboard runs
    addQuestion(scenario, 88, true, "beginDesktopShare");
    addQuestion(scenario, 89, true, "stopDesktopShare");
    addQuestion(scenario, 90, false, "stopDesktopShare");
    addQuestion(scenario, 91, true, "beginRecording");
    addQuestion(scenario, 92, true, "stopRecording");
    addQuestion(scenario, 93, true, "switchToMobile");
    scenario.steps.last().until = [](DemoContext&) {
        return CommandJournal::instance()->count(QStringLiteral("switchToMobile")) == 1
            && DemoContext::visible<ConferenceTipWidget>();
    };
    addQuestion(scenario, 94, true, "controlSelfMicphone");
    addQuestion(scenario, 95, true, "controlSelfMicphone");
    addQuestion(scenario, 96, true, "controlSelfCamera");
    addQuestion(scenario, 97, true, "controlSelfCamera");
    addQuestion(scenario, 99, true, "controlSelfHand");
    addQuestion(scenario, 100, true, "controlSelfHand");
    addQuestion(scenario, 98, true, nullptr);
    addQuestion(scenario, 85, false, nullptr);

    scenario.steps.append(
        { QStringLiteral("the user hangs up"), [](DemoContext&) { DemoContext::click(grid(), "btn_reject"); },
            [](DemoContext&) {
                MediaLayoutWgt* g = grid();
                return g && g->confirmationBox() && g->confirmationBox()->isVisible()
                    && g->confirmationBox()->messageType() == 86;
            },
            QStringLiteral("Do you withdraw from the current meeting?") });
    scenario.steps.append({ QStringLiteral("withdraws"),
        [](DemoContext&) {
            if (grid())
                grid()->confirmationBox()->slot_onOk();
        },
        [](DemoContext&) { return !grid() && onlineMembers() == 0; },
        QStringLiteral("the conference is left and the grid closes") });
    registry.addScenario(scenario);
}

// --- older meetings ---

MeetingMemberItem* voiceRow(const QString& account)
{
    return voiceMeeting() ? voiceMeeting()->memberList()->voiceRow(account) : nullptr;
}

// The n-th member of the meeting after the user.
QString other(DemoContext& c, int n)
{
    const QList<Agent_MeetingMemberInfo> members = c.sim().meetingMembers();
    return n + 1 < members.size() ? members.at(n + 1).account : QString();
}

void addVoiceMeetings(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("meeting-voice-master"),
        QStringLiteral("The user leads a voice meeting: invites, mutes and removes members, then ends it"),
        { { QStringLiteral("the meeting starts"),
              [](DemoContext& c) { c.sim().enterMeeting(MEETING_TYPE_VOICE, true, 5); },
              [](DemoContext&) {
                  VoiceMeetingWidget* w = voiceMeeting();
                  return w && w->memberList()->count() == 5
                      && labelText(w, "label_memberCount") == QLatin1String("5/30")
                      && !labelText(w, "label_meetingId").isEmpty();
              },
              QStringLiteral("five members, the master's controls on every other row") },
            { QStringLiteral("invite"), [](DemoContext&) { DemoContext::click(voiceMeeting(), "btn_inviteMeeting"); },
                [](DemoContext&) { return voiceMeeting() && voiceMeeting()->memberList()->count() == 6; },
                QStringLiteral("somebody joins: six members") },
            { QStringLiteral("mute a member"),
                [](DemoContext& c) { DemoContext::click(voiceRow(other(c, 0)), "btn_mute"); },
                [](DemoContext& c) {
                    const QList<Agent_MeetingMemberInfo> members = c.sim().meetingMembers();
                    MeetingMemberItem* row = voiceRow(other(c, 0));
                    return row && row->isMuted() && members.value(1).muteStatus == QLatin1String("10");
                },
                QStringLiteral("the server mutes the member; the row shows it") },
            { QStringLiteral("remove a member"),
                [](DemoContext& c) { DemoContext::click(voiceRow(other(c, 1)), "btn_kickoff"); },
                [](DemoContext&) { return voiceMeeting() && voiceMeeting()->memberList()->count() == 5; },
                QStringLiteral("the member is gone from the list") },
            { QStringLiteral("end the meeting"),
                [](DemoContext&) { DemoContext::click(voiceMeeting(), "btn_dismissMeeting"); },
                [](DemoContext&) {
                    CloseMediaWidgetTip* tip = DemoContext::window<CloseMediaWidgetTip>();
                    return tip && tip->type() == CloseMediaWidgetTip::DismissVoiceMeeting;
                },
                QStringLiteral("Dismiss current audio sessions?") },
            { QStringLiteral("confirmed"),
                [](DemoContext&) { DemoContext::click(DemoContext::window<CloseMediaWidgetTip>(), "pushButton_ok"); },
                [](DemoContext&) { return !voiceMeeting() && !DemoContext::visible<CloseMediaWidgetTip>(); },
                QStringLiteral("the meeting window closes") } } });

    registry.addScenario({ QStringLiteral("meeting-voice-member"),
        QStringLiteral("The user takes part in a voice meeting without the master's controls until the master "
                       "ends it"),
        { { QStringLiteral("the meeting starts"),
              [](DemoContext& c) { c.sim().enterMeeting(MEETING_TYPE_VOICE, false, 4); },
              [](DemoContext& c) {
                  VoiceMeetingWidget* w = voiceMeeting();
                  MeetingMemberItem* row = voiceRow(other(c, 0));
                  QWidget* mute = row ? row->findChild<QWidget*>(QStringLiteral("btn_mute")) : nullptr;
                  QWidget* invite = w ? w->findChild<QWidget*>(QStringLiteral("btn_inviteMeeting")) : nullptr;
                  return mute && mute->isHidden() && invite && invite->isHidden();
              },
              QStringLiteral("no invite, no dismiss, no mute or kick on any row") },
            { QStringLiteral("the user mutes himself"),
                [](DemoContext&) { DemoContext::click(voiceMeeting(), "btn_mute"); },
                [](DemoContext&) { return voiceMeeting() && voiceMeeting()->isSelfMuted(); },
                QStringLiteral("the microphone button shows it") },
            { QStringLiteral("a member joins"), [](DemoContext& c) { c.sim().pushMeetingMemberJoin(); },
                [](DemoContext&) { return voiceMeeting() && voiceMeeting()->memberList()->count() == 5; },
                QStringLiteral("five members") },
            { QStringLiteral("the master ends the meeting"), [](DemoContext& c) { c.sim().pushMeetingDismissed(); },
                [](DemoContext&) { return !voiceMeeting(); }, QStringLiteral("the window closes") } } });
}

bool cardsInPanes(int count)
{
    VideoMeetingWidget* w = videoMeeting();
    if (!w)
        return false;
    int cards = 0;
    for (int k = 0; k < 4; ++k) {
        QWidget* surface = w->remotePane(k)->findChild<QWidget*>(QStringLiteral("video"));
        cards += TestCardRenderer::cardIn(surface) ? 1 : 0;
    }
    QWidget* own = w->selfPane()->findChild<QWidget*>(QStringLiteral("video"));
    return cards == count && TestCardRenderer::cardIn(own) != nullptr;
}

void addVideoMeeting(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("meeting-video-five-pictures"),
        QStringLiteral("A video meeting with five pictures: the user's camera and four members; a sixth joins "
                       "without a picture; the user leaves"),
        { { QStringLiteral("the meeting starts"),
              [](DemoContext& c) { c.sim().enterMeeting(MEETING_TYPE_VIDEO, true, 5); },
              [](DemoContext&) {
                  return cardsInPanes(4) && labelText(videoMeeting(), "label_memberCount") == QLatin1String("5/5");
              },
              QStringLiteral("the own camera and four remote pictures") },
            { QStringLiteral("a sixth member"), [](DemoContext& c) { c.sim().pushMeetingMemberJoin(); },
                [](DemoContext&) {
                    VideoMeetingWidget* w = videoMeeting();
                    QWidget* invite = w ? w->findChild<QWidget*>(QStringLiteral("btn_inviteMeeting")) : nullptr;
                    return w && w->memberCount() == 6 && invite && !invite->isEnabled() && cardsInPanes(4)
                        && w->memberList()->count() == 6;
                },
                QStringLiteral("counted and listed, but no fifth remote picture; no more invitations") },
            { QStringLiteral("a member is muted"),
                [](DemoContext& c) { c.sim().pushMeetingMemberMute(other(c, 1), true); },
                [](DemoContext& c) {
                    VideoMeetingWidget* w = videoMeeting();
                    MeetingMemberItem* row = w ? w->memberList()->videoRow(other(c, 1)) : nullptr;
                    return row && row->isMuted();
                },
                QStringLiteral("the member's row shows the microphone closed") },
            { QStringLiteral("leave"), [](DemoContext&) { DemoContext::click(videoMeeting(), "btn_exitMeeting"); },
                [](DemoContext&) {
                    CloseMediaWidgetTip* tip = DemoContext::window<CloseMediaWidgetTip>();
                    return tip && tip->type() == CloseMediaWidgetTip::ExitVideoMeeting;
                },
                QStringLiteral("Exit the current video meeting?") },
            { QStringLiteral("confirmed"),
                [](DemoContext&) { DemoContext::click(DemoContext::window<CloseMediaWidgetTip>(), "pushButton_ok"); },
                [](DemoContext& c) { return !videoMeeting() && c.sim().renderer()->cardCount() == 0; },
                QStringLiteral("the window closes and every picture stops") } } });
}

void addGallery(DemoRegistry& registry)
{
    registry.addGalleryItem({ QStringLiteral("meeting-voice-grid"), [](DemoContext& c) -> QWidget* {
                                 UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
                                 QList<ConferenceMemberInfo> roster;
                                 for (const ConferenceMemberInfo& m : c.sim().makeRoster(6)) {
                                     ConferenceMemberInfo in = m;
                                     in.isInConf = true;
                                     in.isCameraOpen = false;
                                     roster << in;
                                 }
                                 conf->setRoster(roster);
                                 auto* g = new MediaLayoutWgt;
                                 g->show();
                                 g->setCallingState(false);
                                 emit conf->sig_onGetConferenceMemberInfoList(roster);
                                 // The tiles show once the engine's re-arrangement ends.
                                 QMetaObject::invokeMethod(g->videoArea()->relayoutTimer(), "timeout");
                                 return g;
                             } });
}

} // namespace

void registerMeetingScenarios(DemoRegistry& registry)
{
    addGallery(registry);
    addGroupVoiceConference(registry);
    addVoiceMeetings(registry);
    addVideoMeeting(registry);
}
