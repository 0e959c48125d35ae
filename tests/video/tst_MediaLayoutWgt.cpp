#include "video/MediaLayoutWgt.h"

#include "business/UI_ControlView.h"
#include "customui/KpGridLayout.h"
#include "customui/KpMsgBox.h"
#include "customui/KpMsgTip.h"
#include "meeting/ConferenceTipWidget.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace TestWindows;

namespace {

constexpr auto conf = &BusinessFixture::conf;

// `count` members in the conference, the user "me" arriving last (the grid's
// own order puts the user first), and one invited member not yet in.
void setOnlineMembers(int count)
{
    QList<ConferenceMemberInfo> roster;
    for (int i = 1; i < count; ++i)
        roster << BusinessFixture::makeMember(QStringLiteral("m%1").arg(i));
    roster << BusinessFixture::makeMember(QStringLiteral("me"));
    roster << BusinessFixture::makeMember(QStringLiteral("away"), CONFMEMBER_DEVICE_PC, false);
    conf()->setRoster(roster);
}

QString timeText(const MediaLayoutWgt& grid)
{
    return child<QLabel>(&grid, "conferenceTimeTextLbl")->text();
}

} // namespace

class tst_MediaLayoutWgt : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        m_grid = std::make_unique<MediaLayoutWgt>();
        m_grid->show();
        BusinessFixture::journal()->clear();
    }
    void cleanup()
    {
        m_grid.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void gridHeightAndTilesFollowTheMembersInTheConference()
    {
        QWidget* center = child(m_grid.get(), "widget_center");
        QCOMPARE(center->size(), QSize(487, 487)); // 605 less the 50 px title bar and the 68 px tool bar

        const struct
        {
            int members;
            int height;
        } steps[] = { { 2, 243 }, { 5, 324 }, { 9, 487 }, { 1, 487 } };
        for (const auto& step : steps) {
            setOnlineMembers(step.members);
            emit conf()->sig_onGetConferenceMemberInfoList(conf()->roster());
            QCOMPARE(area()->geometry(), QRect(0, (487 - step.height) / 2, 487, step.height));
            QCOMPARE(area()->gridLayout()->count(), step.members); // the cells of the "layout" file's entry
            QCOMPARE(area()->tile(0)->memberInfo().account, QStringLiteral("me"));
            if (step.members < 9)
                QVERIFY(!area()->tile(step.members)->isBound()); // the absent member gets no tile
        }

        // Twelve members: nine tiles of the pool, the rest is not shown.
        setOnlineMembers(12);
        emit conf()->sig_onJoinConferenceNotify(conf()->roster().first(), QString());
        QCOMPARE(area()->poolSize(), 9);
        QCOMPARE(area()->gridLayout()->count(), 9); // the nine-tile arrangement

        // Member events for people the conference does not know change nothing.
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onConfMsgKickMember(QString(), ENUM_CONFMEMBER_DEVICETYPE(77));
        QCOMPARE(area()->tile(0)->memberInfo().account, QStringLiteral("me"));
    }

    void miniModeShrinksToOneTileAndBack()
    {
        setOnlineMembers(5);
        emit conf()->sig_updateMemberInfo(conf()->roster());
        QVERIFY(click(m_grid.get(), "btn_min"));
        QCOMPARE(m_grid->size(), QSize(160, 230));
        QVERIFY(child(m_grid.get(), "toolBarWgt")->isHidden());
        QCOMPARE(area()->size(), QSize(160, 160));
        QCOMPARE(area()->gridLayout()->count(), 1);
        QCOMPARE(area()->tile(0)->memberInfo().account, QStringLiteral("me"));

        QVERIFY(click(m_grid.get(), "btn_min"));
        QCOMPARE(m_grid->size(), QSize(487, 605));
        QCOMPARE(area()->gridLayout()->count(), 5);
    }

    void eachQuestionsAnswerIsItsBusinessCall_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("onAccept");
        QTest::addColumn<QStringList>("onReject");
        const QStringList none;
        const auto one = [](const char* command) { return QStringList { QLatin1String(command) }; };
        QTest::newRow("85 end") << 85 << one("dismissConference()") << none;
        QTest::newRow("86 withdraw") << 86 << one("leaveConference()") << none;
        QTest::newRow("87 whiteboard") << 87 << none << none;
        QTest::newRow("88 open share") << 88 << one("beginDesktopShare") << none;
        QTest::newRow("89 close share") << 89 << one("stopDesktopShare") << none;
        QTest::newRow("90 share request") << 90 << one("beginDesktopShare") << one("stopDesktopShare");
        QTest::newRow("91 record") << 91 << one("beginRecording") << none;
        QTest::newRow("92 stop recording") << 92 << one("stopRecording") << none;
        QTest::newRow("93 to the phone") << 93 << one("switchToMobile") << none;
        QTest::newRow("94 microphone on") << 94 << one("controlSelfMicphone(true)") << none;
        QTest::newRow("95 microphone off") << 95 << one("controlSelfMicphone(false)") << none;
        QTest::newRow("96 camera on") << 96 << one("controlSelfCamera(true,0)") << none;
        QTest::newRow("97 camera off") << 97 << one("controlSelfCamera(false,0)") << none;
        QTest::newRow("98 transfer host") << 98 << none << one("leaveConference()");
        QTest::newRow("99 hand up") << 99 << one("controlSelfHand(true)") << none;
        QTest::newRow("100 hand down") << 100 << one("controlSelfHand(false)") << none;
    }

    void eachQuestionsAnswerIsItsBusinessCall()
    {
        QFETCH(int, type);
        QFETCH(QStringList, onAccept);
        QFETCH(QStringList, onReject);
        m_grid->showConfirm(type);
        KpMsgBox* box = m_grid->confirmationBox();
        box->slot_onOk();
        QCOMPARE(BusinessFixture::journalCalls(), onAccept);
        QCOMPARE(BusinessFixture::journalOps().contains(QStringLiteral("isInMeeting")), type == 87);
        QCOMPARE(visibleWindows<ConferenceTipWidget>().size(), type == 93 ? 1 : 0);
        for (ConferenceTipWidget* tip : visibleWindows<ConferenceTipWidget>())
            tip->close();

        BusinessFixture::journal()->clear();
        m_grid->showConfirm(type);
        QCOMPARE(m_grid->confirmationBox(), box); // one box, reused
        box->slot_onCancel();
        QCOMPARE(BusinessFixture::journalCalls(), onReject);
    }

    void toolBarSendsAndFollowsTheReportedStates()
    {
        auto* mic = child<QPushButton>(m_grid.get(), "btn_micphone");
        auto* camera = child<QPushButton>(m_grid.get(), "btn_camera");
        auto* speaker = child<QPushButton>(m_grid.get(), "btn_changeMutex");

        emit conf()->sig_onControlSelfMicphone(true, true);
        emit conf()->sig_onControlSelfCamera(QString(), true);
        emit conf()->sig_onControlSelfAudio(QString(), false);
        QVERIFY(mic->isChecked() && camera->isChecked() && !speaker->isChecked());
        QCOMPARE(mic->toolTip(), QStringLiteral("Turn off the microphone"));
        QCOMPARE(camera->toolTip(), QStringLiteral("Turn off camera"));
        QCOMPARE(speaker->toolTip(), QStringLiteral("Mute"));
        emit conf()->sig_onControlSelfAudio(QString(), true);
        QCOMPARE(speaker->toolTip(), QStringLiteral("UnMute"));
        emit conf()->sig_onControlSelfCamera(QString(), false);
        QCOMPARE(camera->toolTip(), QStringLiteral("Turn on camera"));

        QSignalSpy picker(conf(), &UnifiedConferenceView::sig_showSelectConfMemberWidget);
        mic->click(); // checked -> unchecked
        camera->click();
        speaker->click(); // the speaker is on: switch it off
        QVERIFY(click(m_grid.get(), "btn_invite"));
        QCOMPARE(BusinessFixture::journalCalls(),
            BusinessFixture::texts(
                { "controlSelfMicphone(false)", "controlSelfCamera(true,0)", "controlSelfAudio(false)" }));
        QCOMPARE(mic->toolTip(), QStringLiteral("Turn on the microphone"));
        QCOMPARE(picker.count(), 1);
        QCOMPARE(picker.at(0).at(0).toBool(), false);
        QCOMPARE(picker.at(0).at(1).value<ENUM_CONFERENCE_TYPE>(), ENUM_CONFERENCE_TYPE(6));
        QCOMPARE(picker.at(0).at(2).value<ENUM_CONFERENCE_MEDIA_TYPE>(), ENUM_CONFERENCE_MEDIA_TYPE(5));

        emit BusinessFixture::business()->getVoipView()->sig_onLocalVideoScale(0.0f); // no local picture
        QVERIFY(!camera->isEnabled());
    }

    void meetingClock()
    {
        m_grid->setCallingState(true);
        QCOMPARE(timeText(*m_grid), QStringLiteral("In the call..."));
        QVERIFY(!m_grid->meetingTimer()->isActive());

        emit conf()->sig_onInviteMemberList({}, false); // still ringing
        QVERIFY(!m_grid->meetingTimer()->isActive());
        emit conf()->sig_startJiugongge(ConferenceBriefInfo());
        QVERIFY(m_grid->meetingTimer()->isActive());
        QCOMPARE(m_grid->meetingTimer()->interval(), 1000);

        const QDateTime now = QDateTime::currentDateTime();
        conf()->state().confInfo.startTime
            = now.addDays(-1).addSecs(-(3600 + 2 * 60 + 3)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        BusinessFixture::fire(m_grid->meetingTimer());
        // The clock may have passed a second boundary since `now`.
        QVERIFY2(
            timeText(*m_grid).startsWith(QStringLiteral("Meeting Time 1 day 01:02:0")), qPrintable(timeText(*m_grid)));

        conf()->state().confInfo.startTime = now.addSecs(3600).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        BusinessFixture::fire(m_grid->meetingTimer());
        QCOMPARE(timeText(*m_grid), QStringLiteral("Meeting Time "));
    }

    void summaryGivesTheIdsAndTheGroupsRemovalEndsTheCall()
    {
        ConferenceBriefInfo info;
        info.confId = QStringLiteral("c-1");
        info.extension = QStringLiteral("{\"groupId\":\"g-1\"}");
        emit conf()->sig_updateConferenceInfo(info);
        QCOMPARE(m_grid->confId(), QStringLiteral("c-1"));
        QCOMPARE(m_grid->groupId(), QStringLiteral("g-1"));

        info.confId = QStringLiteral("c-2");
        info.extension = QStringLiteral("{broken"); // no group id to be read: the known one stays
        emit conf()->sig_updateConferenceInfo(info);
        QCOMPARE(m_grid->confId(), QStringLiteral("c-2"));
        QCOMPARE(m_grid->groupId(), QStringLiteral("g-1"));

        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        GroupMgrView* groups = BusinessFixture::business()->getGroupMgrView();
        emit groups->sig_onRemoveGroup(QStringLiteral("g-2"));
        emit groups->sig_onRemoveGroup(QString());
        QVERIFY(tips.isEmpty());
        QVERIFY(BusinessFixture::journalCalls().isEmpty());
        emit groups->sig_onRemoveGroup(QStringLiteral("g-1"));
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Group has disbanded or you not in group, Call end."));
        QCOMPARE(BusinessFixture::journalCalls(), QStringList { QStringLiteral("leaveConference(c-2)") });
    }

    void closingWithAQuestionOpenLeavesOnceAndDropsTheQuestion()
    {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(m_grid.get(), &escape);
        QVERIFY(m_grid->isVisible()); // closing would leave the conference

        QVERIFY(click(m_grid.get(), "btn_reject"));
        KpMsgBox* box = m_grid->confirmationBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->messageText(), QStringLiteral("Do you withdraw from the current meeting?"));
        QVERIFY(BusinessFixture::journalCalls().isEmpty()); // only asked

        m_grid->close();
        QVERIFY(!box->isVisible());
        QCOMPARE(BusinessFixture::journalCalls(), QStringList { QStringLiteral("leaveConference()") });
        // The leave succeeds afterwards: the window is closed already and leaves nothing twice.
        emit conf()->sig_onLeaveConference(true, QString(), QStringLiteral("c-1"));
        QCOMPARE(BusinessFixture::journalCalls(), QStringList { QStringLiteral("leaveConference()") });

        // Late events for the ended conference are harmless.
        setOnlineMembers(3);
        emit conf()->sig_onGetConferenceMemberInfoList(conf()->roster());
        emit conf()->sig_onDismissConference(true, QString(), QStringLiteral("c-1"));
        QCOMPARE(BusinessFixture::journalCalls().size(), 1);
    }

    void dismissalAndItsFailure()
    {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        m_grid->setCallingState(false);
        emit conf()->sig_onDismissConference(false, QStringLiteral("Not the host"), QStringLiteral("c-1"));
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Not the host"));
        QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
        QVERIFY(m_grid->isVisible() && m_grid->meetingTimer()->isActive());

        emit conf()->sig_onDismissConference(true, QString(), QStringLiteral("c-1"));
        QVERIFY(!m_grid->isVisible());
        QVERIFY(!m_grid->meetingTimer()->isActive());
        QVERIFY(BusinessFixture::journalCalls().isEmpty()); // ended by the server: nothing to leave
    }

    void popUpsAimedAtTheConferenceWindow()
    {
        emit UI_ControlView::instance()->sig_showMsgTip(QStringLiteral("for the client"), POPUP_HANDLE_MAIN);
        QVERIFY(!m_grid->messageTip()->isVisible());
        emit UI_ControlView::instance()->sig_showMsgTip(QStringLiteral("Recording started"), POPUP_HANDLE_CONFERENCE);
        QVERIFY(m_grid->messageTip()->isVisible());
        QCOMPARE(m_grid->messageTip()->currentText(), QStringLiteral("Recording started"));
        QCOMPARE(m_grid->messageTip()->frameGeometry().center(), m_grid->frameGeometry().center());
    }

private:
    ConfSmartVideoPlayMainWdg* area() const { return m_grid->videoArea(); }
    std::unique_ptr<MediaLayoutWgt> m_grid;
};

QTEST_MAIN(tst_MediaLayoutWgt)
#include "tst_MediaLayoutWgt.moc"
