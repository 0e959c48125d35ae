#include "business/KP_BusinessView.h"
#include "business/sim/SampleData.h"
#include "business/sim/TestCardRenderer.h"
#include "support/SimulatorFixture.h"
#include "support/TestWindows.h"

#include <QSet>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <memory>

// The simulator's scripted answers, as the demo and the module's simulation
// suites rely on them: invitations, joins and leaves, Vidyo calls, devices,
// pushes, the test cards in handed-over windows, the sample data.
class tst_BusinessSimulator : public QObject
{
    Q_OBJECT

    std::unique_ptr<BusinessSimulator> sim;
    KP_BusinessView* business() { return BusinessFixture::business(); }
    UnifiedConferenceView* conf() { return business()->getUnifiedConferenceView(); }

    static void* handleOf(QWidget& w) { return reinterpret_cast<void*>(w.winId()); }

private slots:
    void init() { sim = startSimulator(); }
    void cleanup()
    {
        sim.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void acceptedInvitationOpensConferenceWindowWithRoster()
    {
        const ConferenceBriefInfo info = sim->pushConferenceInvitation(QStringLiteral("bob.li"));
        QCOMPARE(conf()->getInviteConfId(), info.confId);

        QSignalSpy shown(conf(), &UnifiedConferenceView::sig_showConferenceMainWidget);
        QSignalSpy joined(conf(), &UnifiedConferenceView::sig_onJoinConference);
        QSignalSpy roster(conf(), &UnifiedConferenceView::sig_onGetConferenceMemberInfoList);
        QSignalSpy infoSpy(conf(), qOverload<ConferenceBriefInfo>(&UnifiedConferenceView::sig_updateConferenceInfo));
        // What the module does on accept.
        conf()->setConferenceType(CONFERENCE_TYPE_UNIFIED);
        conf()->joinConference(info.confId, QString(), 128, CONFERENCE_TYPE_INSTANT, 1, 0, QString());
        QVERIFY(shown.isEmpty()); // answers come from the event loop, never inside the call
        QVERIFY(shown.wait(2000));
        QCOMPARE(joined.count(), 1);
        QCOMPARE(joined.at(0).at(2).toString(), info.confId);
        QCOMPARE(infoSpy.at(0).at(0).value<ConferenceBriefInfo>().subject, info.subject);
        const auto members = roster.at(0).at(0).value<QList<ConferenceMemberInfo>>();
        QCOMPARE(members.size(), 6);
        QCOMPARE(members.first().key(), SampleData::currentUserAccount() + QStringLiteral("|20"));
        QCOMPARE(conf()->rosterSize(), 6);
        QCOMPARE(
            conf()->getCurrentConfId() + QLatin1Char('/') + conf()->getInviteConfId(), info.confId + QLatin1Char('/'));
        QVERIFY(conf()->isConferenceHost(QStringLiteral("bob.li")));
        QCOMPARE(business()->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_CONFERENCE);
    }

    void refusedOrFailedJoinOpensNothing()
    {
        QSignalSpy shown(conf(), &UnifiedConferenceView::sig_showConferenceMainWidget);
        QSignalSpy joined(conf(), &UnifiedConferenceView::sig_onJoinConference);
        const ConferenceBriefInfo info = sim->pushConferenceInvitation(QStringLiteral("bob.li"));
        QSignalSpy handled(sim.get(), &BusinessSimulator::sig_handled);
        conf()->rejectInvitation(info.confId, QStringLiteral("bob.li"), BusinessReason::InvitationRefused);
        QVERIFY(handled.wait(2000));
        QCOMPARE(handled.at(0).at(0).toString(), QStringLiteral("rejectInvitation")); // only acknowledged
        QCOMPARE(joined.count(), 0);

        sim->setJoinFailure(QStringLiteral("The meeting is locked"));
        conf()->joinConference(QStringLiteral("318201111"), QString(), 128, CONFERENCE_TYPE_INSTANT, 1, 0, QString());
        QVERIFY(joined.wait(2000));
        QVERIFY(!joined.at(0).at(0).toBool());
        QCOMPARE(joined.at(0).at(1).toString(), QStringLiteral("The meeting is locked"));
        QCOMPARE(shown.count(), 0);
        QCOMPARE(conf()->getCurrentConfId(), QString());
    }

    // Leaving as a member and ending for everybody, answered until the window closes, are the demo's
    // conference-member and conference-host scenarios.

    void refusedVidyoCallReportsOtherRefuseAfterThePlayerIsHandedOver()
    {
        VidyoView* vidyo = business()->getVidyoView();
        sim->setVidyoCallOutcome(BusinessSimulator::VidyoRefused);
        QSignalSpy asked(vidyo, &VidyoView::signal_getPlayerWidget);
        QSignalSpy refused(vidyo, &VidyoView::signal_OtherRefuse);
        sim->placeVidyoCall(QStringLiteral("bob.li"));
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).value<VidyoView::VidyoViewStartVidyoType>(), VidyoView::StartVidyo_Call);

        QWidget window;
        window.resize(640, 400);
        vidyo->setPlayerWidget(handleOf(window), QRect(0, 50, 640, 300));
        QVERIFY(refused.wait(2000));
        QCOMPARE(refused.at(0).at(0).value<VidyoJsonTransferData>().fromAccount, QStringLiteral("bob.li"));
        QVERIFY(TestCardRenderer::cardIn(&window));

        vidyo->CloseVidyo(QStringLiteral("00:00:03"));
        QTRY_VERIFY(!TestCardRenderer::cardIn(&window));
    }

    void testCardFillsTheHandedOverWindowEvenWhenSilenced()
    {
        sim->setAnswering(false); // a silenced server still renders
        QSignalSpy joined(conf(), &UnifiedConferenceView::sig_onJoinConference);
        conf()->joinConference(QStringLiteral("318201234"), QString(), 128, CONFERENCE_TYPE_INSTANT, 1, 0, QString());
        QWidget remote;
        remote.resize(320, 240);
        remote.show();
        VoipView* voip = business()->getVoipView();
        voip->setVideoViewEX(handleOf(remote), nullptr, nullptr, nullptr);
        QTRY_VERIFY(TestCardRenderer::cardIn(&remote));
        QCOMPARE(TestCardRenderer::cardIn(&remote)->geometry(), QRect(0, 0, 320, 240));
        remote.resize(500, 300);
        QCOMPARE(TestCardRenderer::cardIn(&remote)->geometry(), QRect(0, 0, 500, 300));
        QCOMPARE(joined.count(), 0); // scheduled for the same event-loop turn, never answered

        voip->setVideoViewEX(nullptr, nullptr, nullptr, nullptr);
        QTRY_VERIFY(!TestCardRenderer::cardIn(&remote));
        QCOMPARE(sim->renderer()->cardCount(), 0);
    }

    void memberVideoCardNamesTheMemberAndStopsWithTheStream()
    {
        conf()->setRoster(sim->makeRoster(6));
        const ConferenceMemberInfo member = conf()->roster().at(1);
        QWidget tile, other;
        conf()->requestStartMemberVideo(member.account, member.deviceType, handleOf(tile));
        QTRY_VERIFY(TestCardRenderer::cardIn(&tile));
        QCOMPARE(TestCardRenderer::cardIn(&tile)->title(), member.name);

        // A second stream into the same window replaces the first picture.
        const ConferenceMemberInfo next = conf()->roster().at(2);
        conf()->requestStartMemberVideo(next.account, next.deviceType, handleOf(tile));
        QTRY_COMPARE(TestCardRenderer::cardIn(&tile)->title(), next.name);
        QTRY_COMPARE(tile.findChildren<TestCard*>().size(), 1);

        conf()->requestStartMemberVideo(member.account, member.deviceType, handleOf(other));
        conf()->requestStopMemberVideo(next.account, next.deviceType);
        QTRY_VERIFY(!TestCardRenderer::cardIn(&tile));
        QVERIFY(TestCardRenderer::cardIn(&other));
        QCOMPARE(sim->renderer()->cardCount(), 1);

        // A handle of no window of ours is ignored.
        conf()->requestStartMemberVideo(
            QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC, reinterpret_cast<void*>(0x7fff1234));
        QTRY_COMPARE(sim->renderer()->cardCount(), 1);
    }

    void devicesAnswerFromTheViewState()
    {
        sim->populateSampleDevices();
        VoipView* voip = business()->getVoipView();
        QSignalSpy setMute(voip, &VoipView::sig_OnSetMuteStatus);
        QSignalSpy getMute(voip, &VoipView::sig_onGetMuteStatus);
        QSignalSpy cameras(voip, &VoipView::sig_onGetCameraInfo);
        voip->SetMute(true);
        voip->GetMuteStatus();
        voip->getCameraInfo();
        QTRY_COMPARE(cameras.count(), 1);
        QCOMPARE(setMute.at(0), QVariantList({ 0, true })); // device answers succeed with 0
        QCOMPARE(getMute.at(0).at(0), QVariant(true));
        QCOMPARE(cameras.at(0).at(0).value<QList<Agent_CameraInfo>>().size(), 1);

        QSignalSpy screens(voip, &VoipView::sig_onGetShareScreenInfoList);
        QSignalSpy windows(voip, &VoipView::sig_onGetShareDeviceInfoList);
        voip->selectShareWindow();
        QVERIFY(windows.wait(2000));
        QCOMPARE(screens.count(), 1); // screens arrive before the window list
        QCOMPARE(windows.at(0).at(0).value<QList<Agent_ECShareDeviceInfo>>().size(), 2);
    }

    void pushesReachTheirSignals()
    {
        const ConferenceBriefInfo info = sim->pushConferenceInvitation(QStringLiteral("bob.li"));
        QSignalSpy cancelled(conf(), &UnifiedConferenceView::sig_onInviteNormalConferenceClose);
        sim->pushInvitationCancelled(info.confId, QStringLiteral("107781"));
        const auto msg = cancelled.at(0).at(0).value<Agent_ConfNtyMsg>();
        QCOMPARE(msg.confId + QLatin1Char('/') + msg.result, info.confId + QStringLiteral("/107781"));
        QCOMPARE(conf()->getInviteConfId(), QString());

        MeetingView* meeting = business()->getMeetingView();
        QSignalSpy meetingCall(meeting, &MeetingView::sig_onInviteMeetingCall);
        QSignalSpy meetingShown(meeting, &MeetingView::sig_showMeetingWidget);
        const QString callId = sim->pushMeetingInvitation(2, QStringLiteral("Bob"), QStringLiteral("m-77"));
        QCOMPARE(meetingCall.at(0).at(0).toInt(), 2);
        QCOMPARE(meeting->getInviteMeetingCallid(), callId);
        meeting->acceptMeeting();
        QVERIFY(meetingShown.wait(2000));
        QCOMPARE(meetingShown.at(0).at(0).toInt(), 2);
    }

    void sampleDataHasSelfHostMainVenueAndDistinctKeys()
    {
        const QList<ConferenceMemberInfo> roster = sim->makeRoster(12);
        QCOMPARE(roster.first().key(), SampleData::currentUserAccount() + QStringLiteral("|20"));
        QVERIFY(roster.first().isInConf && !roster.first().isHost);
        int hosts = 0, venues = 0, absent = 0, phones = 0;
        for (const ConferenceMemberInfo& m : roster) {
            hosts += m.isHost;
            venues += m.isMainVenue;
            absent += !m.isInConf;
            phones += m.deviceType == CONFMEMBER_DEVICE_TELEPHONE && m.name == m.account; // named by the number
        }
        QCOMPARE(QVector<int>({ roster.size(), hosts, venues, phones }), QVector<int>({ 12, 1, 1, 1 }));
        QVERIFY(absent >= 1);
        QVERIFY(sim->makeRoster(1).first().isHost); // alone, the user hosts
        QSet<QString> keys;
        for (const ConferenceMemberInfo& m : sim->makeRoster(10000))
            keys << m.key();
        QCOMPARE(keys.size(), 10000);

        QSet<QString> accounts;
        for (const auto& p : sim->populateSampleDirectory(50)) {
            QVERIFY(!p->displayName().isEmpty() && !p->department().isEmpty() && !p->phoneNumber().isEmpty());
            accounts << p->account();
        }
        QCOMPARE(accounts.size(), 50);
        QCOMPARE(business()->getUserInfoView()->getCurUserAccount(), SampleData::currentUserAccount());
    }
};

QTEST_MAIN(tst_BusinessSimulator)
#include "tst_BusinessSimulator.moc"
