#include "BusinessFixture.h"
#include "BusinessSimulator.h"
#include "SampleData.h"
#include "TestCardRenderer.h"
#include "VideoCall.h"
#include "VideoWidget.h"
#include "VoiceCall.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The simulator as the other side of one-to-one calls, alone and with the call windows.
class tst_CallSimulation : public QObject
{
    Q_OBJECT

    std::unique_ptr<BusinessSimulator> sim;
    VoipView* voip() { return BusinessFixture::business()->getVoipView(); }
    const QString peer = QStringLiteral("bob.li");

    static QList<int> events(const QSignalSpy& spy)
    {
        QList<int> out;
        for (const QList<QVariant>& call : spy)
            out << call.at(1).value<Agent_VoIPCallMsg>().eventCode;
        return out;
    }
    static Agent_VoIPCallMsg msgAt(const QSignalSpy& spy, int i) { return spy.at(i).at(1).value<Agent_VoIPCallMsg>(); }
    static int reasonAt(const QSignalSpy& spy, int i) { return spy.at(i).at(0).toInt(); }
    // Every answer scheduled before this one has been delivered once it arrives.
    void drain()
    {
        QSignalSpy mute(voip(), &VoipView::sig_onGetMuteStatus);
        voip()->GetMuteStatus();
        QVERIFY(mute.wait(2000));
    }
    static QWidget* surface(VideoWidget* pane) { return pane->findChild<QWidget*>(QStringLiteral("video")); }

private slots:
    void init()
    {
        BusinessFixture::reset();
        sim.reset(new BusinessSimulator);
        sim->setTimeScale(0);
        sim->populateSampleDirectory(20);
    }
    void cleanup() { sim.reset(); }

    void placedCallProceedsRingsAndIsAnswered()
    {
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->MakeCall(0, peer);
        QVERIFY(spy.isEmpty()); // answers come from the event loop
        QTRY_COMPARE(events(spy), (QList<int> { 0, 1, 3 }));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(reasonAt(spy, i), 200);
            QCOMPARE(msgAt(spy, i).callId, msgAt(spy, 0).callId);
            QCOMPARE(msgAt(spy, i).callerAccount, SampleData::currentUserAccount());
            QCOMPARE(msgAt(spy, i).calleeAccount, peer);
            QCOMPARE(msgAt(spy, i).callType, 0);
        }
        QVERIFY(!msgAt(spy, 0).callId.isEmpty());
        QCOMPARE(msgAt(spy, 1).mediaConnected, 0);
        QCOMPARE(msgAt(spy, 2).mediaConnected, 1);
        QCOMPARE(sim->currentCall().callId, msgAt(spy, 0).callId);
    }

    void placedCallEndsWithTheOutcomeReason_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("reason");
        QTest::newRow("declined") << int(BusinessSimulator::CallDeclined) << 175603;
        QTest::newRow("busy") << int(BusinessSimulator::CallBusy) << 175486;
        QTest::newRow("not answered") << int(BusinessSimulator::CallNotAnswered) << 175408;
        QTest::newRow("any reason") << -1 << 175500;
    }
    void placedCallEndsWithTheOutcomeReason()
    {
        QFETCH(int, outcome);
        QFETCH(int, reason);
        if (outcome < 0)
            sim->setCallFailureReason(reason);
        else
            sim->setCallOutcome(BusinessSimulator::CallOutcome(outcome));
        QCOMPARE(sim->callOutcomeReason(), reason);
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->MakeCall(1, peer);
        QTRY_COMPARE(events(spy), (QList<int> { 0, 1, 2 }));
        QCOMPARE(reasonAt(spy, 2), reason);
        QCOMPARE(sim->currentCall().callId, QString());
        // Releasing the ended call (the window's deletion does) brings nothing more.
        voip()->ReleaseCall(msgAt(spy, 2), 0);
        drain();
        QCOMPARE(spy.count(), 3);
    }

    void hangingUpBeforeTheAnswerDropsTheRest()
    {
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->MakeCall(0, peer);
        // The window's record has no call id before the first event: the callee identifies the call.
        Agent_VoIPCallMsg record;
        record.calleeAccount = peer;
        voip()->ReleaseCall(record, 0);
        QTRY_COMPARE(events(spy), (QList<int> { 4 }));
        QCOMPARE(reasonAt(spy, 0), 200);
        drain();
        QCOMPARE(events(spy), (QList<int> { 4 }));
    }

    void incomingCallIsAnsweredThenReleased()
    {
        QSignalSpy incoming(voip(), &VoipView::sig_CallIncoming);
        const Agent_VoIPComingInfo info = sim->pushIncomingCall(1, peer);
        QCOMPARE(incoming.count(), 1);
        QCOMPARE(incoming.at(0).at(0).value<Agent_VoIPComingInfo>(), info);
        QCOMPARE(info.callType, 1);
        QCOMPARE(info.callerAccount, peer);
        QCOMPARE(info.callerName, QStringLiteral("Bob Li"));
        QVERIFY(!info.callId.isEmpty());

        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->AcceptCall(info.callId);
        QTRY_COMPARE(events(spy), (QList<int> { 3 }));
        const Agent_VoIPCallMsg answered = msgAt(spy, 0);
        QCOMPARE(answered.callId, info.callId);
        QCOMPARE(answered.callerAccount, peer);
        QCOMPARE(answered.calleeAccount, SampleData::currentUserAccount());
        QCOMPARE(answered.callType, 1);
        QCOMPARE(answered.mediaConnected, 1);

        voip()->ReleaseCall(answered, 0);
        QTRY_COMPARE(events(spy), (QList<int> { 3, 4 }));
        QCOMPARE(msgAt(spy, 1).callId, info.callId);
    }

    void decliningAnIncomingCallReleasesIt()
    {
        const Agent_VoIPComingInfo info = sim->pushIncomingCall(0, peer);
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->ReleaseCall(info, 175603);
        QTRY_COMPARE(events(spy), (QList<int> { 4 }));
        QCOMPARE(msgAt(spy, 0).callId, info.callId);
        QCOMPARE(reasonAt(spy, 0), 200);
    }

    void unknownCallsGetNoAnswer()
    {
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->AcceptCall(QStringLiteral("no-such-call"));
        Agent_VoIPCallMsg stray;
        stray.callId = QStringLiteral("no-such-call");
        voip()->ReleaseCall(stray, 0);
        drain();
        QVERIFY(spy.isEmpty());
        QVERIFY(!sim->pushRemoteHangUp());
    }

    void remoteHangUpEndsTheCallAtOnce()
    {
        sim->pushIncomingCall(0, peer);
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        QVERIFY(sim->pushRemoteHangUp());
        QCOMPARE(events(spy), (QList<int> { 4 }));
        QVERIFY(!sim->pushRemoteHangUp());
    }

    void silentServerStillRingsIncomingButAnswersNothing()
    {
        sim->setAnswering(false);
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        QSignalSpy incoming(voip(), &VoipView::sig_CallIncoming);
        sim->pushIncomingCall(0, peer);
        QCOMPARE(incoming.count(), 1);
        voip()->MakeCall(0, peer);
        sim->setAnswering(true);
        drain();
        QVERIFY(spy.isEmpty());
    }

    void switchAndCameraAreConfirmed()
    {
        QSignalSpy switched(voip(), &VoipView::sig_onSwitchMediaType);
        QSignalSpy camera(voip(), &VoipView::sig_onSetOwnCamera);
        voip()->switchCallType(0, QString());
        voip()->setLocalCameraPreview(QStringLiteral("c"), false);
        QTRY_COMPARE(switched.count(), 1);
        QCOMPARE(switched.at(0), (QList<QVariant> { 0, 0 }));
        QTRY_COMPARE(camera.count(), 1);
        QCOMPARE(camera.at(0).at(0).toBool(), false);
        voip()->switchCallType(1, QString());
        QTRY_COMPARE(switched.count(), 2);
        QCOMPARE(switched.at(1), (QList<QVariant> { 1, 1 }));
    }

    void voiceWindowMuteAndSpeakerRoundTrips()
    {
        VoiceCall w;
        w.show();
        Agent_VoIPCallMsg answered;
        answered.eventCode = 3;
        answered.callerAccount = SampleData::currentUserAccount();
        answered.calleeAccount = peer;
        w.setCallInfo(answered);
        auto* mic = w.findChild<QPushButton*>(QStringLiteral("pushButton_mic"));
        auto* speaker = w.findChild<QPushButton*>(QStringLiteral("pushButton_player"));
        mic->click();
        QTRY_VERIFY(mic->styleSheet().contains(QStringLiteral("/mutex_init.png")));
        QVERIFY(voip()->state().muted);
        mic->click();
        QTRY_VERIFY(mic->styleSheet().contains(QStringLiteral("un_mutex_init.png")));
        QVERIFY(!voip()->state().muted);
        speaker->click();
        QTRY_VERIFY(speaker->styleSheet().contains(QStringLiteral("disable_play_init.png")));
        QCOMPARE(voip()->state().speakerVolume, 0u);
        speaker->click();
        QTRY_VERIFY(speaker->styleSheet().contains(QStringLiteral("/play_init.png")));
        QCOMPARE(voip()->state().speakerVolume, 255u);
    }

    void videoWindowPanesShowTestCardsAndTakeTheReportedRatios()
    {
        VideoCall w;
        w.show();
        w.bindVideoByHandle();
        QTRY_VERIFY(TestCardRenderer::cardIn(surface(w.remotePane())));
        QTRY_VERIFY(TestCardRenderer::cardIn(surface(w.localPane())));
        QTRY_COMPARE(w.remotePane()->videoRatio(), 16.0f / 9.0f);
        QTRY_COMPARE(w.localPane()->videoRatio(), 4.0f / 3.0f);
        // Placing the call names the remote card after the peer.
        voip()->MakeCall(1, peer);
        QTRY_COMPARE(TestCardRenderer::cardIn(surface(w.remotePane()))->title(), QStringLiteral("Bob Li"));
        // The cards fill their surfaces.
        QTRY_COMPARE(TestCardRenderer::cardIn(surface(w.remotePane()))->size(), surface(w.remotePane())->size());
    }

    void unbindingReportsNoRatios()
    {
        QSignalSpy scale(voip(), &VoipView::sig_onRemoteVideoScale);
        voip()->setVideoViewEX(nullptr, nullptr, nullptr, nullptr);
        drain();
        QVERIFY(scale.isEmpty());
    }
};

QTEST_MAIN(tst_CallSimulation)
#include "tst_CallSimulation.moc"
