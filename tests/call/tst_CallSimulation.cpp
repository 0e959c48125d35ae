#include "business/sim/SampleData.h"
#include "business/sim/TestCardRenderer.h"
#include "call/VideoCall.h"
#include "call/VideoWidget.h"
#include "call/VoiceCall.h"
#include "support/SimulatorFixture.h"

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
    void init() { sim = startSimulator(); }
    void cleanup() { sim.reset(); }

    void placedCallProceedsRingsAndEndsAsConfigured_data()
    {
        QTest::addColumn<int>("outcome"); // -1: a reason of its own
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("lastEvent");
        QTest::newRow("answered") << int(BusinessSimulator::CallAnswered) << 200 << 3;
        QTest::newRow("declined") << int(BusinessSimulator::CallDeclined) << 175603 << 2;
        QTest::newRow("busy") << int(BusinessSimulator::CallBusy) << 175486 << 2;
        QTest::newRow("not answered") << int(BusinessSimulator::CallNotAnswered) << 175408 << 2;
        QTest::newRow("any reason") << -1 << 175500 << 2;
    }
    void placedCallProceedsRingsAndEndsAsConfigured()
    {
        QFETCH(int, outcome);
        QFETCH(int, reason);
        QFETCH(int, lastEvent);
        if (outcome < 0)
            sim->setCallFailureReason(reason);
        else
            sim->setCallOutcome(BusinessSimulator::CallOutcome(outcome));
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        voip()->MakeCall(1, peer);
        QVERIFY(spy.isEmpty()); // answers come from the event loop
        QTRY_COMPARE(events(spy), (QList<int> { 0, 1, lastEvent }));
        QVERIFY(!msgAt(spy, 0).callId.isEmpty());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(reasonAt(spy, i), i < 2 ? 200 : reason);
            QCOMPARE(msgAt(spy, i).callId, msgAt(spy, 0).callId);
            QCOMPARE(msgAt(spy, i).callerAccount, SampleData::currentUserAccount());
            QCOMPARE(msgAt(spy, i).calleeAccount, peer);
            QCOMPARE(msgAt(spy, i).callType, 1);
        }
        QCOMPARE(msgAt(spy, 1).mediaConnected, 0);
        QCOMPARE(msgAt(spy, 2).mediaConnected, lastEvent == 3 ? 1 : 0);
        QCOMPARE(sim->currentCall().callId, lastEvent == 3 ? msgAt(spy, 0).callId : QString());
        if (lastEvent == 3)
            return;
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

    void incomingCallIsAnsweredThenReleasedByEitherSide()
    {
        QSignalSpy incoming(voip(), &VoipView::sig_CallIncoming);
        const Agent_VoIPComingInfo info = sim->pushIncomingCall(1, peer);
        QCOMPARE(incoming.count(), 1);
        QCOMPARE(incoming.at(0).at(0).value<Agent_VoIPComingInfo>(), info);
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

        // Declined while ringing; hung up by the other side at once.
        const Agent_VoIPComingInfo second = sim->pushIncomingCall(0, peer);
        voip()->ReleaseCall(second, 175603);
        QTRY_COMPARE(events(spy), (QList<int> { 3, 4, 4 }));
        QCOMPARE(msgAt(spy, 2).callId, second.callId);
        sim->pushIncomingCall(0, peer);
        QVERIFY(sim->pushRemoteHangUp());
        QCOMPARE(events(spy), (QList<int> { 3, 4, 4, 4 }));
        QVERIFY(!sim->pushRemoteHangUp());
    }

    void unknownCallsAndASilentServerGetNoAnswer()
    {
        QSignalSpy spy(voip(), &VoipView::sig_CallEvents);
        QSignalSpy scale(voip(), &VoipView::sig_onRemoteVideoScale);
        voip()->AcceptCall(QStringLiteral("no-such-call"));
        Agent_VoIPCallMsg stray;
        stray.callId = QStringLiteral("no-such-call");
        voip()->ReleaseCall(stray, 0);
        voip()->setVideoViewEX(nullptr, nullptr, nullptr, nullptr); // unbinding reports no ratios
        drain();
        QVERIFY(spy.isEmpty());
        QVERIFY(scale.isEmpty());

        // Silenced, it still rings incoming calls but answers nothing placed.
        sim->setAnswering(false);
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

    void voiceWindowSpeakerRoundTrip()
    {
        VoiceCall w;
        Agent_VoIPCallMsg answered;
        answered.eventCode = 3;
        w.setCallInfo(answered);
        auto* speaker = w.findChild<QPushButton*>(QStringLiteral("pushButton_player"));
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
        QTRY_VERIFY(TestCardRenderer::cardIn(surface(w.localPane())));
        QTRY_COMPARE(w.remotePane()->videoRatio(), 16.0f / 9.0f);
        QTRY_COMPARE(w.localPane()->videoRatio(), 4.0f / 3.0f);
        // Placing the call names the remote card after the peer; the cards fill their surfaces.
        voip()->MakeCall(1, peer);
        QTRY_VERIFY(TestCardRenderer::cardIn(surface(w.remotePane())));
        QTRY_COMPARE(TestCardRenderer::cardIn(surface(w.remotePane()))->title(), QStringLiteral("Bob Li"));
        QTRY_COMPARE(TestCardRenderer::cardIn(surface(w.remotePane()))->size(), surface(w.remotePane())->size());
    }
};

QTEST_MAIN(tst_CallSimulation)
#include "tst_CallSimulation.moc"
