#include "facade/KP_MediaConfUI.h"

#include "business/UI_ControlView.h"
#include "call/MessageNotice.h"
#include "facade/FacadeTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace FacadeTest;
using TestWindows::visibleWindow;
using TestWindows::visibleWindows;

// What a row of the connection table checks once its signal is emitted.
enum class Effect {
    Journal, // "operation(arguments)": the latest call of the operation, arguments joined by '|'
    Window, // a visible window of this class
    Mask, // the class of the window handed to the client's mask
    WindowGone, // no window of this class is left (the row opens one first)
    TipTitle, // the bottom notification's title
    TipText, // the bottom notification's text
    TipClosed, // the bottom notification, showing an invitation before, is closed
    ClientTip, // the latest tip shown by the client
    Notice, // the message box: a notice that closes by itself; an invitation showing stays
    NoticeClosingTip, // the same, and the invitation showing is closed
    Alert, // the message box: a notice that stays until it is answered
    Question, // the message box: a question waiting for its answer
};
Q_DECLARE_METATYPE(Effect)
using Fire = std::function<void()>;
Q_DECLARE_METATYPE(Fire)

namespace {

constexpr auto root = &BusinessFixture::business;
constexpr auto voip = &BusinessFixture::voip;
constexpr auto vidyo = &BusinessFixture::vidyo;
constexpr auto meeting = &BusinessFixture::meeting;
constexpr auto conference = &BusinessFixture::conf;

void row(const char* name, Effect effect, const char* expected, const Fire& fire)
{
    QTest::newRow(name) << fire << effect << QString::fromUtf8(expected);
}

} // namespace

class tst_KP_MediaConfUI : public QObject
{
    Q_OBJECT

private slots:

    void init()
    {
        resetBusiness();
        m_ui = std::make_unique<KP_MediaConfUI>();
        BusinessFixture::journal()->clear();
    }

    void cleanup()
    {
        m_ui.reset();
        resetBottomTip();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void slotsArePrivateAndReachableByName()
    {
        // 50 private slots and no signal. The client reaches them through the meta-object system; the rows below
        // reach the connected ones, these are the others.
        const QMetaObject* mo = m_ui->metaObject();
        int slotCount = 0;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            QVERIFY(mo->method(i).methodType() != QMetaMethod::Signal);
            QCOMPARE(mo->method(i).access(), QMetaMethod::Private);
            slotCount += mo->method(i).methodType() == QMetaMethod::Slot ? 1 : 0;
        }
        QCOMPARE(slotCount, 50);
        for (const char* slot : { "rejectConference(int)", "rejectConference()", "slot_destructorChildWgt()",
                 "slot_CloseVoiceWnd()", "slot_ReleaseCallIncoming(Agent_VoIPComingInfo)", "slot_onCloseVidyoWidget()",
                 "slot_onMessageAccept(int)" })
            QVERIFY2(mo->indexOfSlot(slot) >= mo->methodOffset(), slot);
        QCOMPARE(mo->method(mo->methodOffset()).methodSignature(), QByteArray("rejectConference(int)"));
    }

    void everyBusinessSignalReachesItsSlot_data()
    {
        QTest::addColumn<Fire>("fire");
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<QString>("expected");
        row("1 sig_CallEvents", Effect::Window, "MessageNotice", [] {
            emit voip()->sig_CallEvents(175486, callEvent(VOIP_EVENT_ENDED, QString(), QString(), VOIP_CALL_VIDEO));
        });
        row("2 sig_ShowVoipCallWnd", Effect::Journal, "MakeCall(0|bob)",
            [] { emit voip()->sig_ShowVoipCallWnd(0, QStringLiteral("bob"), false); });
        row("3 sig_CallIncoming", Effect::Window, "VoipCallIncoming",
            [] { emit voip()->sig_CallIncoming(coming(0, QStringLiteral("in-1"))); });
        row("4 signal_getPlayerWidget", Effect::Window, "VidyoWidget",
            [] { emit vidyo()->signal_getPlayerWidget(VidyoView::StartVidyo_AcceptedMeeting); });
        row("5 signal_VidyoCall", Effect::TipText, "EveYou receive a video invitation!", [] {
            VidyoJsonTransferData data = vidyoFrom(QStringLiteral("eve"), QStringLiteral("0"));
            emit vidyo()->signal_VidyoCall(data);
        });
        row("6 sig_showMeetingWidget", Effect::Window, "VideoMeetingWidget",
            [] { emit meeting()->sig_showMeetingWidget(2); });
        row("7 sig_onInviteMeetingCall", Effect::TipTitle, "A Voice meeting invitation",
            [] { emit meeting()->sig_onInviteMeetingCall(1, QStringLiteral("Bob"), QStringLiteral("m-1")); });
        row("8 sig_closeVoiceMeeting", Effect::WindowGone, "VoiceMeetingWidget", [] {
            emit meeting()->sig_showMeetingWidget(1);
            emit meeting()->sig_closeVoiceMeeting();
        });
        row("9 sig_closeVideoMeeting", Effect::WindowGone, "VideoMeetingWidget", [] {
            emit meeting()->sig_showMeetingWidget(2);
            emit meeting()->sig_closeVideoMeeting();
        });
        row("10 sig_closeVideoCallWnd", Effect::Journal, "setVideoViewEX(0|0|0|0)",
            [] { emit voip()->sig_closeVideoCallWnd(); });
        row("11 signal_Accept", Effect::Journal, "acceptMeeting()",
            [] { emit tip()->signal_Accept(BottomTipWidget::BottomTip_VideoMeeting); });
        row("12 signal_Reject", Effect::Journal, "rejectMeeting()",
            [] { emit tip()->signal_Reject(BottomTipWidget::BottomTip_VoiceMeeting); });
        row("13 signal_OtherDeviceAnswer", Effect::TipClosed, "", [] { emit vidyo()->signal_OtherDeviceAnswer(); });
        row("14 signal_OtherDeviceHangUp", Effect::TipClosed, "", [] { emit vidyo()->signal_OtherDeviceHangUp(); });
        row("15 signal_OtherRefuse", Effect::NoticeClosingTip, "EveYour invitation rejected!",
            [] { emit vidyo()->signal_OtherRefuse(vidyoFrom(QStringLiteral("eve"))); });
        row("16 signal_confOtherRefuse", Effect::Notice, "EveYour invitation rejected!",
            [] { emit vidyo()->signal_confOtherRefuse(vidyoFrom(QStringLiteral("eve"))); });
        row("17 signal_OtherHangUp", Effect::NoticeClosingTip, "EveCancelled!",
            [] { emit vidyo()->signal_OtherHangUp(vidyoFrom(QStringLiteral("eve"))); });
        row("18 signal_remoteSourceRemoved", Effect::NoticeClosingTip, "EveUser disconnected link!",
            [] { emit vidyo()->signal_remoteSourceRemoved(QStringLiteral("eve"), 1); });
        row("19 signal_HaveRemovedOut", Effect::NoticeClosingTip, "You were removed from the meeting!",
            [] { emit vidyo()->signal_HaveRemovedOut(vidyoFrom(QStringLiteral("eve"))); });
        row("20 signal_OtherBusy", Effect::Notice, "The userBusy now!", [] { emit vidyo()->signal_OtherBusy({}); });
        row("21 signal_InviteOverTime", Effect::Notice,
            "The other party’s mobile phone is not around, please try again later",
            [] { emit vidyo()->signal_InviteOverTime(1); });
        row("22 signal_Vidyoing", Effect::Notice, "Please close the current video and then go on to the next video!",
            [] { emit vidyo()->signal_Vidyoing(); });
        row("23 signal_CompereStopVidyo", Effect::NoticeClosingTip, "The meeting disbanded by the host!",
            [] { emit vidyo()->signal_CompereStopVidyo(); });
        row("24 signal_LoginSever", Effect::Notice, "Server logging in failed!",
            [] { emit vidyo()->signal_LoginSever(false); });
        // Rows 25 to 28 report on a running Vidyo meeting window.
        const auto inMeeting = [](const Fire& fire) {
            return [fire] {
                emit vidyo()->signal_getPlayerWidget(VidyoView::StartVidyo_Meeting);
                fire();
            };
        };
        row("25 signal_CloseDialMeettingWidget", Effect::Notice, "Failed to join the video conference",
            inMeeting([] { emit vidyo()->signal_CloseDialMeettingWidget(); }));
        row("26 signal_StartVidyofaild", Effect::Alert, "Your video connection is abnormal!",
            inMeeting([] { emit vidyo()->signal_StartVidyofaild(); }));
        row("27 signal_GetVidyoInfofaild", Effect::Alert, "You may have a network connection problem!",
            inMeeting([] { emit vidyo()->signal_GetVidyoInfofaild(); }));
        row("28 sig_onDialInviteJoinMeetingFaild", Effect::Alert, "Failed to join in-line video conference: 5",
            inMeeting([] { emit meeting()->sig_onDialInviteJoinMeetingFaild(5); }));
        row("29 signal_RemovedOutPerson", Effect::Question, "Sure to deletethe user!",
            [] { emit vidyo()->signal_RemovedOutPerson({}); });
        row("30 signal_CloseBottomWidget", Effect::TipClosed, "",
            [] { emit vidyo()->signal_CloseBottomWidget(vidyoFrom(QStringLiteral("eve"))); });
        row("31 sig_showConferenceMainWidget", Effect::Journal, "queryConfenceAppSetting()",
            [] { emit conference()->sig_showConferenceMainWidget(CONFERENCE_TYPE_INSTANT, CONF_MEDIA_VIDEO, false); });
        row("32 sig_closeConferenceMainWidget", Effect::Journal, "resetStatus()",
            [] { emit conference()->sig_closeConferenceMainWidget(); });
        row("33 sig_onControlWindow", Effect::Journal, "resetStatus()",
            [] { emit root()->getLoginView()->sig_onControlWindow(7); });
        row("34 sig_onInviteNormalConference", Effect::TipTitle, "BobYou are invited to the integrated meeting", [] {
            emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        });
        row("35 sig_onInviteNormalConferenceClose", Effect::ClientTip, "The other end is answered", [] {
            emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
            emit conference()->sig_onInviteNormalConferenceClose(closedElsewhere(QStringLiteral("c-1")));
        });
        row("36 sig_onInviteRejectConference", Effect::Journal, "rejectInvitation(c-1|bob|107603)", [] {
            emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
            emit conference()->sig_onInviteRejectConference();
        });
        row("37 sig_onStopInviteNormalConference", Effect::TipClosed, "",
            [] { emit conference()->sig_onStopInviteNormalConference(); });
        row("38 sig_reserveConfInviteNofity", Effect::Window, "MessageTipWidget",
            [] { emit conference()->sig_reserveConfInviteNofity(brief(QStringLiteral("c-1"))); });
        row("39 sig_AcceptCallIncoming", Effect::Journal, "AcceptCall(in-1)",
            [] { emit voip()->sig_AcceptCallIncoming(coming(0, QStringLiteral("in-1"))); });
        row("40 sig_onOperatorConferenceError", Effect::ClientTip, "Wrong password for meeting",
            [] { emit conference()->sig_onOperatorConferenceError(QStringLiteral("raw"), 814007); });
        row("41 sig_showSelectConfMemberWidget", Effect::ClientTip, "The group has been disbanded", [] {
            conference()->state().confInfo.extension = groupExtension(); // a group the directory does not know
            emit conference()->sig_showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
        });
        row("42 sig_onlySelectConfMembers", Effect::Window, "SectionStaffWindow",
            [] { emit conference()->sig_onlySelectConfMembers({ QStringLiteral("bob") }, 2); });
        row("43 sig_onQueryConferenceMember", Effect::Mask, "SectionStaffWindow",
            [] { emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {}); });
    }

    void everyBusinessSignalReachesItsSlot()
    {
        QFETCH(Fire, fire);
        QFETCH(Effect, effect);
        QFETCH(QString, expected);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
        if (effect == Effect::TipClosed || effect == Effect::Notice || effect == Effect::NoticeClosingTip
            || effect == Effect::Alert) {
            emit meeting()->sig_onInviteMeetingCall(2, QStringLiteral("Bob"), QStringLiteral("m-2"));
            QVERIFY(tip()->isVisible());
        }
        fire();
        const QString operation = expected.section(QLatin1Char('('), 0, 0);
        KpMsgBox* box = TestWindows::visibleWindow<KpMsgBox>();
        switch (effect) {
        case Effect::Journal:
            QVERIFY2(BusinessFixture::journal()->count(operation) > 0, qPrintable(operation));
            QCOMPARE(operation + QLatin1Char('(') + BusinessFixture::lastArgs(operation) + QLatin1Char(')'), expected);
            break;
        case Effect::Window: {
            QStringList shown;
            for (QWidget* w : visibleWindows())
                shown << QString::fromLatin1(w->metaObject()->className());
            QVERIFY2(shown.contains(expected), qPrintable(shown.join(QLatin1Char(' '))));
            break;
        }
        case Effect::Mask:
            QCOMPARE(masks.count(), 1);
            QCOMPARE(
                QString::fromLatin1(static_cast<QWidget*>(masks.at(0).at(0).value<void*>())->metaObject()->className()),
                expected);
            break;
        case Effect::WindowGone:
            QVERIFY(!TestWindows::leftoverWindows({ tip() }).contains(expected));
            break;
        case Effect::TipTitle:
            QCOMPARE(tipTitle(), expected);
            break;
        case Effect::TipText:
            QCOMPARE(tipText(), expected);
            break;
        case Effect::TipClosed:
            QVERIFY(!tip()->isVisible());
            break;
        case Effect::ClientTip:
            QCOMPARE(tips.count(), 1);
            QCOMPARE(tips.at(0).at(0).toString(), expected);
            QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
            break;
        case Effect::Notice:
        case Effect::NoticeClosingTip:
        case Effect::Alert:
        case Effect::Question: {
            const bool question = effect == Effect::Question;
            QVERIFY(box);
            QCOMPARE(box->messageText(), expected);
            QCOMPARE(box->messageType(), question ? 10 : 0);
            QCOMPARE(box->standardButtons(), KpMsgBox::KpButtons(question ? 3 : 4));
            QCOMPARE(box->closeTimer()->isActive(), effect != Effect::Alert && !question);
            QCOMPARE(tip()->isVisible(), effect != Effect::NoticeClosingTip && !question);
            break;
        }
        }
    }

    void everyWindowKindTwiceLeavesOneWindow()
    {
        // Each pair below is a path on which the business library's state does not keep a second window out.
        UnifiedConferenceView* conf = conference();
        for (int round = 0; round < 2; ++round) {
            emit voip()->sig_AcceptCallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("voice-%1").arg(round)));
            emit voip()->sig_AcceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("video-%1").arg(round)));
            emit conf->sig_reserveConfInviteNofity(brief(QStringLiteral("c-%1").arg(round)));
            emit conf->sig_onInviteNormalConference(brief(QStringLiteral("g-%1").arg(round), groupExtension()), {});
            emit conf->sig_onlySelectConfMembers({ QStringLiteral("bob") }, 2);
            emit vidyo()->signal_Vidyoing();
            emit meeting()->sig_showMeetingWidget(1);
            emit meeting()->sig_showMeetingWidget(2);
            emit conf->sig_showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
            BusinessFixture::flushDeletes(); // as the event loop does between two rounds
        }
        QCOMPARE(voip()->GetVoipCallStatus(), 2 | 4); // each call window holds its mark
        QCOMPARE(TestWindows::leftoverWindows({ tip() }).join(QLatin1Char(' ')),
            QStringLiteral("GroupConfMsgBox KpMsgBox MediaLayoutWgt MessageNotice MessageTipWidget SectionStaffWindow "
                           "VideoCall VideoMeetingWidget VoiceCall VoiceMeetingWidget"));
        // A new conference picker takes the client's mask from the one before.
        for (int round = 0; round < 2; ++round)
            emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
        QCOMPARE(TestWindows::leftoverWindows({ tip() }).count(QStringLiteral("SectionStaffWindow")), 2);
    }

    void teardownAndDestructionLeaveNoWindowOfTheModule()
    {
        UnifiedConferenceView* conf = conference();
        emit voip()->sig_CallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-1")));
        emit voip()->sig_AcceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("in-2")));
        emit conf->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        emit conf->sig_onInviteNormalConference(brief(QStringLiteral("g-1"), groupExtension()), {});
        emit conf->sig_reserveConfInviteNofity(brief(QStringLiteral("c-2")));
        emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
        emit conf->sig_onlySelectConfMembers({}, 2);
        emit vidyo()->signal_LoginSever(false);
        emit meeting()->sig_showMeetingWidget(1);
        emit meeting()->sig_showMeetingWidget(2);
        emit conf->sig_showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, false);

        // The client may run the teardown itself, as often as it likes; the pickers, the group box and the
        // voice conference grid outlive it.
        QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
        QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
        QCOMPARE(TestWindows::leftoverWindows({ tip() }).join(QLatin1Char(' ')),
            QStringLiteral("GroupConfMsgBox MediaLayoutWgt SectionStaffWindow SectionStaffWindow"));
        emit voip()->sig_CallEvents(175486, callEvent(VOIP_EVENT_ENDED, QString(), QString()));
        QVERIFY(!visibleWindow<MessageNotice>()); // the error notice went with the teardown

        BusinessFixture::journal()->clear();
        m_ui.reset();
        QCOMPARE(TestWindows::leftoverWindows({ tip() }), QStringList());
        // Nobody can answer the invitations any more: they lapse, as when they are closed.
        QVERIFY(!tip()->isVisible());
        QCOMPARE(
            BusinessFixture::journal()->count(QStringLiteral("resetInviteConfId")), 2); // the tip and the group box
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
    }

private:
    std::unique_ptr<KP_MediaConfUI> m_ui;
};

QTEST_MAIN(tst_KP_MediaConfUI)
#include "tst_KP_MediaConfUI.moc"
