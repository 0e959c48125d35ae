#include "call/VideoWidget.h"
#include "customui/KPTitleBar.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "meeting/MemberListWidget.h"
#include "meeting/VideoMeetingWidget.h"
#include "meeting/VideoMemberItem.h"
#include "meeting/VoiceMeetingWidget.h"
#include "meeting/VoiceMemberItem.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QtTest>

using namespace TestWindows;
using F = BusinessFixture;

namespace {

constexpr auto meeting = &BusinessFixture::meeting;

Agent_MeetingMemberInfo record(const char* account, const char* mute = "11", int video = 1)
{
    Agent_MeetingMemberInfo m;
    m.account = QLatin1String(account);
    m.name = m.account;
    m.muteStatus = QLatin1String(mute);
    m.videoState = video;
    return m;
}

QString text(const QWidget* root, const char* label)
{
    return child<QLabel>(root, label)->text();
}

QStringList menuTexts(MeetingMemberItem* row)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5));
    QApplication::sendEvent(row, &event);
    QStringList texts;
    if (QMenu* menu = row->contextMenu()) {
        for (QAction* action : menu->actions())
            texts << action->text();
        menu->close();
    }
    return texts;
}

const QRegularExpression kClock(QStringLiteral("^00:00:0\\d$"));

} // namespace

class tst_MeetingWindows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        F::reset();
        F::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        auto* book = F::business()->getAddressBookView();
        book->addPerson(F::makePerson(QStringLiteral("bob"), QStringLiteral("Bob")));
        book->addPerson(F::makePerson(QStringLiteral("eve"), QStringLiteral("Eve")));
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void voiceMeetingControlsOfMasterAndMember()
    {
        auto master = voiceWindow(true);
        QWidget* invite = child(master.get(), "btn_inviteMeeting");
        QVERIFY(invite->isVisible() && child(master.get(), "btn_dismissMeeting")->isVisible());
        emit meeting()->sig_showVoiceMeetingMembersNum(29);
        QCOMPARE(text(master.get(), "label_memberCount"), QStringLiteral("29/30"));
        QVERIFY(invite->isVisible());
        emit meeting()->sig_showVoiceMeetingMembersNum(30);
        QVERIFY(invite->isHidden());
        emit meeting()->sig_showVoiceMeetingMembersNum(29);
        QVERIFY(invite->isVisible());
        emit meeting()->sig_showVoiceMeetingMembersNum(-3); // nonsense from the server
        QCOMPARE(master->memberCount(), 29);
        QVERIFY(click(master.get(), "btn_inviteMeeting"));
        QCOMPARE(F::journalCalls(), QStringList { QStringLiteral("inviteJoinVoiceMeeting") });
    }

    void leavingAndDismissingAskOneQuestion()
    {
        auto voice = voiceWindow(true);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(voice.get(), &escape);
        QVERIFY(voice->isVisible());

        QVERIFY(click(voice.get(), "btn_exitMeeting"));
        QCOMPARE(voice->closeTip()->type(), 0);
        QVERIFY(click(voice.get(), "btn_dismissMeeting"));
        QCOMPARE(visibleWindows<CloseMediaWidgetTip>().size(), 1);
        QCOMPARE(voice->closeTip()->type(), 1);
        QVERIFY(click(voice.get(), "btn_close"));
        QCOMPARE(voice->closeTip()->type(), 0);
        QVERIFY(click(voice->closeTip(), "pushButton_ok"));
        QCOMPARE(F::journalCalls(), F::texts({ "exitMeeting", "closeVoiceMeeting" }));

        auto videoMaster = videoWindow(true);
        emit child<KPTitleBar>(videoMaster.get(), "widget_title")->sig_closeBtn_clicked();
        QCOMPARE(videoMaster->closeTip()->type(), 3);
        videoMaster.reset();
        auto videoMember = videoWindow(false);
        emit child<KPTitleBar>(videoMember.get(), "widget_title")->sig_closeBtn_clicked();
        QCOMPARE(videoMember->closeTip()->type(), 2);
        QVERIFY(child(videoMember.get(), "btn_dismissMeeting")->isHidden());
    }

    void ownMicrophoneInBothWindows()
    {
        // The two windows draw their button's states the other way round.
        const auto muteTwice = [](QWidget* window, const char* first, const char* second) {
            QWidget* mute = child(window, "btn_mute");
            QVERIFY(click(window, "btn_mute"));
            QVERIFY(mute->styleSheet().contains(QLatin1String(first)));
            QVERIFY(click(window, "btn_mute"));
            QVERIFY(mute->styleSheet().contains(QLatin1String(second)));
            QCOMPARE(F::journalCalls(), F::texts({ "setMasterMute(1)", "setMasterMute(2)" }));
        };
        muteTwice(voiceWindow(false).get(), "btn_micphone_enable.png", "btn_micphone_disable.png");
        muteTwice(videoWindow(false).get(), "btn_micphone_disable.png", "btn_micphone_enable.png");
    }

    void clocksAndMeetingNumbers()
    {
        auto voice = voiceWindow(false);
        QCOMPARE(voice->clockTimer()->interval(), 1000);
        QCOMPARE(text(voice.get(), "label_largeTimer"), QStringLiteral("00:00:00"));
        F::fire(voice->clockTimer());
        QVERIFY(kClock.match(text(voice.get(), "label_smallTimer")).hasMatch());
        QCOMPARE(text(voice.get(), "label_largeTimer"), text(voice.get(), "label_smallTimer"));

        auto video = videoWindow(false);
        auto* title = child<KPTitleBar>(video.get(), "widget_title");
        QCOMPARE(title->title(), QStringLiteral("Videoconferencing   00:00:00"));
        F::fire(video->clockTimer());
        QVERIFY(title->title().startsWith(QLatin1String("Videoconferencing   ")));
        QVERIFY(kClock.match(title->title().mid(20)).hasMatch());
        // Each window shows its own meeting's number.
        emit meeting()->sig_showVideoMeetingId(QStringLiteral("61280008"));
        QCOMPARE(text(video.get(), "label_meetingId"), QStringLiteral("61280008"));
        QCOMPARE(text(voice.get(), "label_meetingId"), QString());
    }

    void memberRowsGiveTheMasterMuteAndKick()
    {
        auto voice = voiceWindow(true);
        Agent_MeetingMemberInfo guest = record("guest-7", "x");
        guest.name = QStringLiteral("Guest 7");
        emit meeting()->sig_getVoiceMeetingMembers({ record("me"), record("bob"), record("eve", "00"), guest });
        MemberListWidget* list = voice->memberList();
        QCOMPARE(list->count(), 4);
        QVERIFY(list->item(0)->flags() == Qt::NoItemFlags);

        MeetingMemberItem* own = list->voiceRow(QStringLiteral("me"));
        QVERIFY(!child(own, "btn_mute")->isEnabled() && !child(own, "btn_kickoff")->isEnabled());
        QVERIFY(menuTexts(own).isEmpty());

        MeetingMemberItem* bob = list->voiceRow(QStringLiteral("bob"));
        QCOMPARE(text(bob, "label_name"), QStringLiteral("Bob"));
        QVERIFY(!bob->isMuted());
        QVERIFY(list->voiceRow(QStringLiteral("eve"))->isMuted());
        QCOMPARE(text(list->voiceRow(QStringLiteral("guest-7")), "label_name"), QStringLiteral("Guest 7"));
        QCOMPARE(menuTexts(bob), F::texts({ "Kicked out", "Banned" }));

        QVERIFY(click(bob, "btn_mute"));
        QVERIFY(bob->isMuted());
        QVERIFY(child(bob, "btn_mute")->styleSheet().contains(QLatin1String("btn_mute_restore.png")));
        QCOMPARE(menuTexts(bob), F::texts({ "Kicked out", "Cancel it" }));
        bob->contextMenu()->actions().at(1)->trigger();
        QVERIFY(child(bob, "btn_mute")->styleSheet().contains(QLatin1String("btn_mute.png")));
        QVERIFY(click(list->voiceRow(QStringLiteral("eve")), "btn_kickoff"));
        QCOMPARE(F::journalCalls(),
            F::texts({ "setMemberMute(bob,1)", "setMemberMute(bob,2)", "deleteMemberMultiMediaMeeting(eve)" }));
        voice.reset();

        auto member = voiceWindow(false);
        emit meeting()->sig_getVoiceMeetingMembers({ record("me"), record("bob") });
        QVERIFY(menuTexts(member->memberList()->voiceRow(QStringLiteral("bob"))).isEmpty());
    }

    void videoRowsFollowMuteStatusAndKickText()
    {
        auto video = videoWindow(true);
        emit meeting()->sig_getVideoMeetingMembers({ record("me"), record("bob") });
        MeetingMemberItem* bob = video->memberList()->videoRow(QStringLiteral("bob"));
        QVERIFY(!child<QLabel>(bob, "label_headPic")
                     ->pixmap(Qt::ReturnByValue)
                     .isNull()); // drawn from the directory's person
        QCOMPARE(menuTexts(bob), F::texts({ "Kicked out of the meeting", "Banned" }));
        emit meeting()->sig_updateVideoMemberMuteStatus(QStringLiteral("bob"), QStringLiteral("10"));
        QVERIFY(bob->isMuted());
        emit meeting()->sig_updateVideoMemberMuteStatus(QStringLiteral("bob"), QStringLiteral("??")); // kept
        emit meeting()->sig_updateVideoMemberMuteStatus(QStringLiteral("nobody"), QStringLiteral("11"));
        QVERIFY(bob->isMuted());
        emit meeting()->sig_updateVideoMemberMuteStatus(
            QStringLiteral("me"), QStringLiteral("10")); // own row stays disabled
        QVERIFY(!video->memberList()->videoRow(QStringLiteral("me"))->isMuted());
    }

    void remotePicturesGoToTheFirstFourOtherMembers()
    {
        auto video = videoWindow(true);
        const QStringList others = F::texts({ "a", "b", "c", "d", "e" });
        QList<Agent_MeetingMemberInfo> list { record("a"), record("me") };
        for (const QString& account : others.mid(1))
            list << record(qPrintable(account), "11", account == QLatin1String("c") ? 0 : 1);
        emit meeting()->sig_getVideoMeetingMembers(list);

        QCOMPARE(text(video.get(), "label_memberCount"), QStringLiteral("6/5"));
        QCOMPARE(video->requestedAccounts(), others); // a sixth member is counted, but has no pane
        QStringList requests;
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(video->remotePane(k)->account(), others.at(k));
            requests << QStringLiteral("requestConferenceMemberVideo(%1,%2)")
                            .arg(others.at(k))
                            .arg(video->remotePane(k)->renderHandle());
        }
        QCOMPARE(F::journalCalls(), requests);

        F::journal()->clear();
        emit meeting()->sig_getVideoMeetingMembers({ record("me"), record("b") });
        QCOMPARE(F::journalCalls().mid(0, 5),
            F::texts(
                { "cancelConferenceMemberVideo(a)", "cancelConferenceMemberVideo(b)", "cancelConferenceMemberVideo(c)",
                    "cancelConferenceMemberVideo(d)", "cancelConferenceMemberVideo(e)" }));
        QCOMPARE(F::journalCalls().mid(5),
            QStringList {
                QStringLiteral("requestConferenceMemberVideo(b,%1)").arg(video->remotePane(0)->renderHandle()) });
        QCOMPARE(video->remotePane(1)->account(), QString());
        QVERIFY(child(video.get(), "btn_inviteMeeting")->isEnabled());
    }

    void videoStateAndRatiosReachOnlyShownPanes()
    {
        auto video = videoWindow(false);
        QList<Agent_MeetingMemberInfo> list { record("me") };
        for (const char* account : { "a", "b", "c", "d", "e" })
            list << record(account, "11", 0);
        emit meeting()->sig_getVideoMeetingMembers(list);
        VideoWidget* paneB = video->remotePane(1);
        auto* freeze = paneB->findChild<QTimer*>(QStringLiteral("freezeTimer"));
        QCOMPARE(freeze->interval(), 2000);
        F::fire(freeze);
        QWidget* surface = child(paneB, "video");
        QVERIFY(surface->updatesEnabled()); // no picture yet: the widget paints the pane

        emit meeting()->sig_updateVideoState(Agent_VideoMeetingMsg { QString(), QStringLiteral("b"), 1 });
        F::fire(freeze);
        QVERIFY(!surface->updatesEnabled()); // the native picture shows undisturbed
        emit meeting()->sig_updateVideoState(Agent_VideoMeetingMsg { QString(), QStringLiteral("b"), 0 });
        F::fire(freeze);
        QVERIFY(surface->updatesEnabled());

        emit meeting()->sig_onRemoteVideoScale(QStringLiteral("b"), 1.5f);
        emit meeting()->sig_onRemoteVideoScale(QStringLiteral("e"), 2.0f); // the fifth has no pane
        emit meeting()->sig_onRemoteVideoScale(QStringLiteral("me"), 3.0f);
        emit F::business()->getVoipView()->sig_onLocalVideoScale(1.25f);
        QCOMPARE(paneB->videoRatio(), 1.5f);
        for (int k : { 0, 2, 3 })
            QCOMPARE(video->remotePane(k)->videoRatio(), 0.0f);
        QCOMPARE(video->selfPane()->videoRatio(), 1.25f);
    }

private:
    // A shown meeting window of the master or of a member, the journal emptied after.
    template<class Window> static std::unique_ptr<Window> open(bool master)
    {
        meeting()->state().roomMaster = master;
        auto window = std::make_unique<Window>();
        window->show();
        F::journal()->clear();
        return window;
    }
    static std::unique_ptr<VoiceMeetingWidget> voiceWindow(bool master) { return open<VoiceMeetingWidget>(master); }
    static std::unique_ptr<VideoMeetingWidget> videoWindow(bool master) { return open<VideoMeetingWidget>(master); }
};

QTEST_MAIN(tst_MeetingWindows)
#include "tst_MeetingWindows.moc"
