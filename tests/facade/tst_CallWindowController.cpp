#include "facade/CallWindowController.h"

#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "facade/FacadeTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using FacadeTest::callEvent;
using FacadeTest::coming;
using TestWindows::visibleWindow;
using TestWindows::visibleWindows;

namespace {

constexpr auto voip = &BusinessFixture::voip;

QString noticeText()
{
    MessageNotice* notice = visibleWindow<MessageNotice>();
    return notice ? TestWindows::child<QLabel>(notice, "label_notice")->text() : QString();
}

} // namespace

class tst_CallWindowController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        FacadeTest::resetBusiness();
        m_calls = std::make_unique<CallWindowController>();
    }
    void cleanup()
    {
        m_calls.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void incomingCallShowsOnlyWhenNothingElseRings()
    {
        QSignalSpy stopVoice(BusinessFixture::business()->getMsgCtrl(), &ChatMsgControl::sig_onCloseVoicePlay);
        m_calls->showCallIncomingWnd(coming(VOIP_CALL_VOICE, QStringLiteral("in-1")));
        QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
        QCOMPARE(stopVoice.count(), 1);

        m_calls->showCallIncomingWnd(coming(VOIP_CALL_VOICE, QStringLiteral("in-2"))); // one rings already
        QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
        QCOMPARE(visibleWindow<VoipCallIncoming>()->getComingInfo().callId, QStringLiteral("in-1"));

        // Only the window of the same call goes away; the answered call then keeps the next ring out.
        m_calls->releaseCallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-2")));
        QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
        QVERIFY(TestWindows::click(visibleWindow<VoipCallIncoming>(), "pushButton_accept"));
        QVERIFY(visibleWindows<VoipCallIncoming>().isEmpty());
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("AcceptCall")), QStringLiteral("in-1"));
        QCOMPARE(visibleWindows<VoiceCall>().size(), 1);
        m_calls->showCallIncomingWnd(coming(VOIP_CALL_VOICE, QStringLiteral("in-2")));
        QVERIFY(visibleWindows<VoipCallIncoming>().isEmpty());
    }

    void placedVoiceCallFollowsItsEvents()
    {
        QSignalSpy whiteboardClosed(
            BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        m_calls->showVoipCallWnd(VOIP_CALL_VOICE_CONF, QStringLiteral("bob"), false);
        VoiceCall* call = visibleWindow<VoiceCall>();
        QVERIFY(call);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("MakeCall")), QStringLiteral("2|bob"));
        QCOMPARE(call->getCallInfo().callerAccount, QStringLiteral("me"));
        QCOMPARE(call->getCallInfo().calleeAccount, QStringLiteral("bob"));

        m_calls->showVoipCallWnd(VOIP_CALL_VOICE, QStringLiteral("eve"), false); // no second call beside this one
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("MakeCall")), 1);

        m_calls->callEvents(200, callEvent(VOIP_EVENT_ALERTING, QStringLiteral("bob"), QStringLiteral("v-1"), 2));
        QCOMPARE(TestWindows::child<QLabel>(call, "label_call_notice")->text(),
            QStringLiteral("Wait for someone to answer.."));
        m_calls->callEvents(200, callEvent(VOIP_EVENT_RELEASED, QStringLiteral("bob"), QStringLiteral("v-1"), 2));
        QVERIFY(visibleWindows<VoiceCall>().isEmpty());
        QCOMPARE(whiteboardClosed.count(), 1);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("ReleaseCall")), 1); // by the window's destruction
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        QCOMPARE(noticeText(), QString()); // success: nothing to announce
    }

    void callEventsMatchByCalleeOrCallId_data()
    {
        QTest::addColumn<QString>("callee");
        QTest::addColumn<QString>("callId");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same callee") << QStringLiteral("bob") << QStringLiteral("other") << true;
        QTest::newRow("same call id") << QStringLiteral("eve") << QStringLiteral("in-9") << true;
        QTest::newRow("neither") << QStringLiteral("eve") << QStringLiteral("other") << false;
        QTest::newRow("case differs") << QStringLiteral("BOB") << QStringLiteral("IN-9") << false;
    }

    void callEventsMatchByCalleeOrCallId()
    {
        QFETCH(QString, callee);
        QFETCH(QString, callId);
        QFETCH(bool, matches);
        m_calls->acceptCallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-9")));
        VoiceCall* call = visibleWindow<VoiceCall>();
        Agent_VoIPCallMsg record = call->getCallInfo();
        record.calleeAccount = QStringLiteral("bob"); // as after the first event from the server
        call->setCallInfo(record);

        m_calls->callEvents(175486, callEvent(VOIP_EVENT_ENDED, callee, callId));
        QCOMPARE(visibleWindows<VoiceCall>().isEmpty(), matches);
        // The failure is announced whether or not a window matched.
        QCOMPARE(noticeText(), QStringLiteral("Busy now.Try again later"));
    }

    void videoCallBindsReleasesAndRendersInItsWindowAgainAfterConference()
    {
        m_calls->rebindVideoAfterConference(); // no video call: nothing to bind
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("setVideoViewEX")), 0);
        QTest::ignoreMessage(QtInfoMsg, "Before_Set_Video_View");
        QTest::ignoreMessage(QtInfoMsg, "After_Set_Video_View");
        m_calls->acceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("vid-1")));
        VideoCall* call = visibleWindow<VideoCall>();
        QVERIFY(call);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("AcceptCall")), QStringLiteral("vid-1"));
        const JournalEntry bind = BusinessFixture::journal()->last(QStringLiteral("setVideoViewEX"));
        QCOMPARE(bind.args.value(0).value<quintptr>(), quintptr(call->remoteRenderHandle()));
        QCOMPARE(bind.args.value(1).value<quintptr>(), quintptr(call->localRenderHandle()));
        QVERIFY(bind.args.value(0).value<quintptr>() != 0);

        // An event code this module does not know ends the call all the same, rendering detached first.
        const QPointer<VideoCall> guard(call);
        m_calls->callEvents(200, callEvent(9, QStringLiteral("me"), QStringLiteral("vid-1"), VOIP_CALL_VIDEO));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setVideoViewEX")), QStringLiteral("0|0|0|0"));
        QVERIFY(guard); // deleted later, not at once
        QVERIFY(!guard->isVisible());
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        // A new video call before the old window is gone keeps its mark when the old one goes.
        m_calls->showVoipCallWnd(VOIP_CALL_VIDEO, QStringLiteral("bob"), false);
        BusinessFixture::flushDeletes();
        QVERIFY(!guard);
        QCOMPARE(voip()->GetVoipCallStatus(), 4);

        QTest::ignoreMessage(QtInfoMsg, "Before_Set_Video_View");
        m_calls->rebindVideoAfterConference();
        call = visibleWindow<VideoCall>();
        const JournalEntry rebind = BusinessFixture::journal()->last(QStringLiteral("setVideoViewEX"));
        QCOMPARE(rebind.args.value(0).value<quintptr>(), quintptr(call->remoteRenderHandle()));
        QCOMPARE(rebind.args.value(1).value<quintptr>(), quintptr(call->localRenderHandle()));
    }

    void aSecondCallWindowReplacesTheFirstAndKeepsTheMark()
    {
        // The business library may ask for a call window while one is open (an answer pushed from elsewhere).
        for (int type : { VOIP_CALL_VOICE, VOIP_CALL_VIDEO }) {
            const char* kind = type == VOIP_CALL_VOICE ? "VoiceCall" : "VideoCall";
            const int mark = type == VOIP_CALL_VOICE ? 2 : 4;
            m_calls->acceptCallIncoming(coming(type, QStringLiteral("first")));
            QTest::ignoreMessage(QtInfoMsg,
                qPrintable(QStringLiteral("OwnedWindow::replace closes and deletes the %1 still open")
                               .arg(QLatin1String(kind))));
            m_calls->acceptCallIncoming(coming(type, QStringLiteral("second")));
            BusinessFixture::flushDeletes();
            QCOMPARE(TestWindows::leftoverWindows().count(QLatin1String(kind)), 1);
            const JournalEntry released = BusinessFixture::journal()->last(QStringLiteral("ReleaseCall"));
            QCOMPARE(released.args.value(0).value<Agent_VoIPCallMsg>().callId, QStringLiteral("first"));
            // The first window's end did not clear the mark of the second.
            QCOMPARE(voip()->GetVoipCallStatus() & mark, mark);
        }
    }

    void unknownCallTypesAreIgnored()
    {
        for (int type : { 3, 4, 5, -1 }) {
            m_calls->showVoipCallWnd(type, QStringLiteral("bob"), false);
            m_calls->callEvents(175486, callEvent(VOIP_EVENT_ENDED, QStringLiteral("bob"), QString(), type));
        }
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("MakeCall")), 0);
        QVERIFY(!visibleWindow<MessageNotice>()); // a call of no known kind has no notice either
    }

private:
    std::unique_ptr<CallWindowController> m_calls;
};

QTEST_MAIN(tst_CallWindowController)
#include "tst_CallWindowController.moc"
