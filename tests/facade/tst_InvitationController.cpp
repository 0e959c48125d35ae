#include "facade/InvitationController.h"

#include "business/UI_ControlView.h"
#include "customui/GroupConfMsgBox.h"
#include "facade/ConferenceController.h"
#include "facade/FacadeTestSupport.h"
#include "facade/VidyoController.h"

#include <QSignalSpy>
#include <QtTest>

using namespace FacadeTest;

class tst_InvitationController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetBusiness();
        m_vidyo = std::make_unique<VidyoController>([] {});
        m_invitations = std::make_unique<InvitationController>(*m_vidyo, m_conference);
        // The notification reports its answers to the facade, which hands them on.
        connect(tip(), &BottomTipWidget::signal_Accept, m_invitations.get(),
            [this](BottomTipWidget::BottomTipType type) { m_invitations->onBottomTipWidgeAccept(type); });
        connect(tip(), &BottomTipWidget::signal_Reject, m_invitations.get(),
            [this](BottomTipWidget::BottomTipType type) { m_invitations->onBottomTipWidgeReject(type); });
    }
    void cleanup()
    {
        m_invitations.reset();
        m_vidyo.reset();
        resetBottomTip();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void conferenceInvitationIsShownAndAcceptJoinsWhileASecondIsDropped()
    {
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-2")), QStringLiteral("eve"));
        QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
        QCOMPARE(tip()->getFromAccount(), QStringLiteral("bob"));
        QVERIFY(TestWindows::click(tip(), "okBtn"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setConferenceType")), QStringLiteral("5"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("c-1||128|1|1|0|"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("leaveConference")), 0); // no conference running
        QVERIFY(!tip()->isVisible());
        QVERIFY(tip()->variant(256).isEmpty()); // cleared after the answer
    }

    void rejectSendsRefusalOnlyWithConferenceId()
    {
        // The refusal itself is the demo's conference-invitation-rejected; a second answer finds no id.
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        QVERIFY(TestWindows::click(tip(), "cancelBtn"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetInviteConfId")), 1);
        BusinessFixture::journal()->clear();
        m_invitations->onBottomTipWidgeReject(BottomTipWidget::BottomTip_Conference); // the id is gone
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("rejectInvitation")), 0);
    }

    void groupInvitationOpensOneBoxInTheMask()
    {
        QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-1"), groupExtension()), QStringLiteral("bob"));
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-2"), groupExtension()), QStringLiteral("bob"));
        QCOMPARE(masks.count(), 1);
        auto* box = static_cast<GroupConfMsgBox*>(masks.at(0).at(0).value<void*>());
        QCOMPARE(box->getConfId(), QStringLiteral("c-1"));
        QCOMPARE(box->inviteMessage(), QStringLiteral("BobYou are invited to the integrated meeting"));
        QVERIFY(!tip()->isVisible()); // group invitations never use the corner notification

        // The mask goes with the notification while the box is alive.
        QSignalSpy hidden(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        m_invitations->closeTipAndMask();
        QCOMPARE(hidden.count(), 1);
        BusinessFixture::flushDeletes(); // the box heard the mask go and closed itself
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-3"), groupExtension()), QStringLiteral("bob"));
        QCOMPARE(masks.count(), 2);
    }

    void invitationClosedElsewhere()
    {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        m_invitations->onInviteNormalConferenceClose(closedElsewhere(QStringLiteral("c-9"))); // another conference
        m_invitations->onInviteNormalConferenceClose(closedElsewhere(QString()));
        QVERIFY(tip()->isVisible());
        QCOMPARE(tips.count(), 0);

        m_invitations->onInviteNormalConferenceClose(closedElsewhere(QStringLiteral("c-1"), QStringLiteral("107781")));
        QVERIFY(!tip()->isVisible());
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Other ends have refused"));

        // Nothing pending at all: an empty id must not pass for "no invitation".
        tip()->clearData();
        m_invitations->onInviteNormalConferenceClose(closedElsewhere(QString()));
        QCOMPARE(tips.count(), 1);
    }

    void vidyoInvitationKindsAndAnswers()
    {
        VidyoJsonTransferData data = vidyoFrom(QStringLiteral("eve"), QStringLiteral("0"));
        data.roomId = QStringLiteral("r-1");
        m_invitations->onCallVidyo(data);
        QVERIFY(TestWindows::click(tip(), "okBtn"));
        // The meeting window first, handed to the SDK, then the acceptance.
        QCOMPARE(TestWindows::visibleWindow<VidyoWidget>()->type(), VidyoView::StartVidyo_AcceptedCall);
        const QStringList commands = BusinessFixture::journalCommands();
        QVERIFY(commands.indexOf(QStringLiteral("setPlayerWidget")) < commands.indexOf(QStringLiteral("AcceptVidyo")));
        JournalEntry accept = BusinessFixture::journal()->last(QStringLiteral("AcceptVidyo"));
        QCOMPARE(accept.args.value(0).value<VidyoJsonTransferData>(), data);
        QCOMPARE(accept.args.value(1).toInt(), 1);

        data.callKind = QStringLiteral("1");
        m_invitations->onCallVidyo(data);
        QVERIFY(TestWindows::click(tip(), "okBtn"));
        QCOMPARE(TestWindows::visibleWindow<VidyoWidget>()->type(), VidyoView::StartVidyo_AcceptedMeeting);
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("AcceptVidyo")).args.value(1).toInt(), 4);

        m_invitations->onCallVidyo(data);
        QVERIFY(TestWindows::click(tip(), "cancelBtn"));
        const JournalEntry reject = BusinessFixture::journal()->last(QStringLiteral("RejectVidyo"));
        QCOMPARE(reject.args.value(0).value<VidyoJsonTransferData>(), data);

        // An unknown kind changes neither title nor type, but is still offered.
        data.callKind = QStringLiteral("7");
        m_invitations->onCallVidyo(data);
        QVERIFY(tip()->isVisible());
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
        QCOMPARE(tipTitle(), QStringLiteral("Video meeting invitation"));
    }

    void meetingInvitationAndReleasedCallClosesIt()
    {
        m_invitations->onInviteMeetingCall(2, QStringLiteral("Bob"), QStringLiteral("m-2"));
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_VideoMeeting);
        QCOMPARE(tip()->variant(256), QStringLiteral("m-2"));

        // Only a successful release of the meeting's own call ends the invitation.
        BusinessFixture::meeting()->state().inviteMeetingCallid = QStringLiteral("call-7");
        const auto released = [this](int reason, int code, const char* callId) {
            m_invitations->closeInvitationOfReleasedCall(reason, callEvent(code, QString(), QLatin1String(callId)));
        };
        released(200, VOIP_EVENT_RELEASED, "call-8");
        released(175486, VOIP_EVENT_RELEASED, "call-7");
        released(200, VOIP_EVENT_ENDED, "call-7");
        QVERIFY(tip()->isVisible());
        released(200, VOIP_EVENT_RELEASED, "call-7");
        QVERIFY(!tip()->isVisible());

        m_invitations->onInviteMeetingCall(1, QStringLiteral("Bob"), QStringLiteral("m-3"));
        QVERIFY(TestWindows::click(tip(), "okBtn"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("acceptMeeting")), 1);
    }

    void otherDeviceAnswerShowsSilentNotice()
    {
        QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
        m_invitations->onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        m_invitations->onOtherDeviceAnswer();
        QVERIFY(tip()->isVisible());
        QCOMPARE(tipText(), QStringLiteral("Answered by other device!"));
        QCOMPARE(TestWindows::child<QAbstractButton>(tip(), "cancelBtn")->text(), QStringLiteral("Cancle"));
        QVERIFY(TestWindows::click(tip(), "okBtn"));
        QCOMPARE(accepted.count(), 0);
    }

private:
    ConferenceController m_conference;
    std::unique_ptr<VidyoController> m_vidyo;
    std::unique_ptr<InvitationController> m_invitations;
};

QTEST_MAIN(tst_InvitationController)
#include "tst_InvitationController.moc"
