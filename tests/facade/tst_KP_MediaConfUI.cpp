#include "facade/KP_MediaConfUI.h"

#include "business/UI_ControlView.h"
#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/MessageTipWidget.h"
#include "customui/SectionStaffWindow.h"
#include "facade/FacadeTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace FacadeTest;
using TestWindows::visibleWindow;
using TestWindows::visibleWindows;

// One row of the connection table: emit the business signal and check what its slot does.
using EmitAndObserve = std::function<void()>;
Q_DECLARE_METATYPE(EmitAndObserve)

namespace {

KP_BusinessView* root()
{
    return BusinessFixture::business();
}

VidyoJsonTransferData fromEve(const QString& callKind = QString())
{
    VidyoJsonTransferData data;
    data.callKind = callKind;
    data.fromAccount = QStringLiteral("eve");
    return data;
}

Agent_VoIPComingInfo coming(int callType, const QString& callId)
{
    Agent_VoIPComingInfo info;
    info.callType = callType;
    info.callId = callId;
    info.callerAccount = QStringLiteral("bob");
    return info;
}

QString lastTip(const QSignalSpy& tips)
{
    return tips.isEmpty() ? QString() : tips.last().at(0).toString();
}

void expectLog(const char* line)
{
    QTest::ignoreMessage(QtInfoMsg, line);
}

} // namespace

class tst_KP_MediaConfUI : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void slotsAreTheFiftyOfTheConnectionTableInOrder();
    void everyBusinessSignalReachesItsSlot_data();
    void everyBusinessSignalReachesItsSlot();
    void everyWindowKindTwiceLeavesOneWindow();
    void destroyingTheFacadeLeavesNoWindowOfTheModule();
    void teardownTwiceIsHarmless();

private:
    std::unique_ptr<KP_MediaConfUI> m_ui;
};

void tst_KP_MediaConfUI::init()
{
    resetBusiness();
    m_ui = std::make_unique<KP_MediaConfUI>();
    BusinessFixture::journal()->clear();
}

void tst_KP_MediaConfUI::cleanup()
{
    m_ui.reset();
    resetBottomTip();
    KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
}

void tst_KP_MediaConfUI::slotsAreTheFiftyOfTheConnectionTableInOrder()
{
    // The client reaches the slots through the meta-object system: names, types and order are its interface.
    const QStringList expected = QString::fromLatin1(
        "rejectConference(int) rejectConference() slot_destructorChildWgt() slot_CallEvents(int,Agent_VoIPCallMsg) "
        "slot_ShowVoipCallWnd(int,QString,bool) slot_CloseVoiceWnd() slot_ShowCallIncomingWnd(Agent_VoIPComingInfo) "
        "slot_ReleaseCallIncoming(Agent_VoIPComingInfo) slot_AcceptCallIncoming(Agent_VoIPComingInfo) "
        "slot_onCloseVidyoWidget() slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType) "
        "slot_onCallVidyo(VidyoJsonTransferData&) slot_onBottomTipWidgeAccept(BottomTipWidget::BottomTipType) "
        "slot_onBottomTipWidgeReject(BottomTipWidget::BottomTipType) slot_CloseBottomTipWidget() "
        "slot_onOtherRefuse(VidyoJsonTransferData) slot_confOtherRefuse(VidyoJsonTransferData) "
        "slot_onMessageAccept(int) slot_onOtherHangUp(VidyoJsonTransferData) slot_remoteSourceRemoved(QString,int) "
        "slot_onHaveRemovedOut(VidyoJsonTransferData) slot_onOtherDeviceAnswer() "
        "slot_onOtherBusy(QSharedPointer<AddressBookPerson>) slot_onInviteOverTime(int) slot_onVidyoing() "
        "slot_onCompereStopVidyo() slot_onVidyovideofailed() slot_GetVidyoInfofaild() "
        "slot_onDialInviteJoinMeetingFaild(int) slot_CloseDialMeettingWidget() slot_showMeetingWidget(int) "
        "slot_onInviteMeetingCall(int,QString,QString) slot_closeVoiceMeeting() slot_closeVideoMeeting() "
        "slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE,ENUM_CONFERENCE_MEDIA_TYPE,bool) "
        "slot_closeConferenceMainWidget() slot_onInviteNormalConference(ConferenceBriefInfo,QString) "
        "slot_onInviteNormalConferenceClose(Agent_ConfNtyMsg) slot_onInviteRejectConference() "
        "slot_onStopInviteNormalConference() slot_reserveConfInviteNofity(ConferenceBriefInfo) "
        "slot_onOperatorConferenceError(QString,int) slot_closeVideoCallWnd() slot_onLoginSever(bool) "
        "slot_onRemovedOutPerson(QSharedPointer<AddressBookPerson>) slot_onCloseBottomWidget(VidyoJsonTransferData) "
        "slot_onCloseMainWidgetAll() slot_onlySelectConfMembers(QList<QString>,int) "
        "slot_showSelectConfMemberWidget(bool,ENUM_CONFERENCE_TYPE,ENUM_CONFERENCE_MEDIA_TYPE) "
        "slot_onQueryConferenceMember(int,QString,QList<Agent_GroupMember>)")
                                     .split(QLatin1Char(' '));
    QStringList declared;
    const QMetaObject* mo = m_ui->metaObject();
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod method = mo->method(i);
        QVERIFY(method.methodType() != QMetaMethod::Signal); // the facade has no signals
        if (method.methodType() == QMetaMethod::Slot) {
            QCOMPARE(method.access(), QMetaMethod::Private);
            declared << QString::fromLatin1(method.methodSignature());
        }
    }
    QCOMPARE(declared, expected);
}

void tst_KP_MediaConfUI::everyBusinessSignalReachesItsSlot_data()
{
    QTest::addColumn<EmitAndObserve>("row");
    QTest::newRow("1 sig_CallEvents") << EmitAndObserve([] {
        Agent_VoIPCallMsg failed;
        failed.eventCode = VOIP_EVENT_ENDED;
        failed.callType = VOIP_CALL_VIDEO;
        emit root()->getVoipView()->sig_CallEvents(175486, failed);
        QCOMPARE(TestWindows::child<QLabel>(visibleWindow<MessageNotice>(), "label_notice")->text(),
            QStringLiteral("Busy now.Try again later"));
    });
    QTest::newRow("2 sig_ShowVoipCallWnd") << EmitAndObserve([] {
        emit root()->getVoipView()->sig_ShowVoipCallWnd(0, QStringLiteral("bob"), false);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("MakeCall")), QStringLiteral("0|bob"));
        QVERIFY(visibleWindow<VoiceCall>());
    });
    QTest::newRow("3 sig_CallIncoming") << EmitAndObserve([] {
        emit root()->getVoipView()->sig_CallIncoming(coming(0, QStringLiteral("in-1")));
        QCOMPARE(visibleWindow<VoipCallIncoming>()->getComingInfo().callId, QStringLiteral("in-1"));
    });
    QTest::newRow("4 signal_getPlayerWidget") << EmitAndObserve([] {
        expectLog("VidyoController::initVidyoShow the Vidyo meeting window is not in this build, type 4");
        emit root()->getVidyoView()->signal_getPlayerWidget(VidyoView::StartVidyo_AcceptedMeeting);
    });
    QTest::newRow("5 signal_VidyoCall") << EmitAndObserve([] {
        VidyoJsonTransferData data = fromEve(QStringLiteral("0"));
        emit root()->getVidyoView()->signal_VidyoCall(data);
        QCOMPARE(tipText(), QStringLiteral("EveYou receive a video invitation!"));
    });
    QTest::newRow("6 sig_showMeetingWidget") << EmitAndObserve([] {
        expectLog("MeetingController::showMeetingWidget the meeting windows are not in this build, type 2");
        emit root()->getMeetingView()->sig_showMeetingWidget(2);
    });
    QTest::newRow("7 sig_onInviteMeetingCall") << EmitAndObserve([] {
        emit root()->getMeetingView()->sig_onInviteMeetingCall(1, QStringLiteral("Bob"), QStringLiteral("m-1"));
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_VoiceMeeting);
        QCOMPARE(tip()->variant(256), QStringLiteral("m-1"));
    });
    QTest::newRow("8 sig_closeVoiceMeeting") << EmitAndObserve([] {
        expectLog("MeetingController::closeVoiceMeeting the voice meeting window is not in this build");
        emit root()->getMeetingView()->sig_closeVoiceMeeting();
    });
    QTest::newRow("9 sig_closeVideoMeeting") << EmitAndObserve([] {
        expectLog("MeetingController::closeVideoMeeting the video meeting window is not in this build");
        emit root()->getMeetingView()->sig_closeVideoMeeting();
    });
    QTest::newRow("10 sig_closeVideoCallWnd") << EmitAndObserve([] {
        emit root()->getVoipView()->sig_closeVideoCallWnd();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setVideoViewEX")), QStringLiteral("0|0|0|0"));
    });
    QTest::newRow("11 signal_Accept") << EmitAndObserve([] {
        emit tip()->signal_Accept(BottomTipWidget::BottomTip_VideoMeeting);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("acceptMeeting")), 1);
    });
    QTest::newRow("12 signal_Reject") << EmitAndObserve([] {
        emit tip()->signal_Reject(BottomTipWidget::BottomTip_VoiceMeeting);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("rejectMeeting")), 1);
    });
    // Rows 13, 14 and 30 close the notification that is showing.
    const auto closesTheNotification = [](std::function<void()> fire) {
        return EmitAndObserve([fire] {
            emit root()->getMeetingView()->sig_onInviteMeetingCall(2, QStringLiteral("Bob"), QStringLiteral("m-2"));
            QVERIFY(tip()->isVisible());
            fire();
            QVERIFY(!tip()->isVisible());
        });
    };
    QTest::newRow("13 signal_OtherDeviceAnswer")
        << closesTheNotification([] { emit root()->getVidyoView()->signal_OtherDeviceAnswer(); });
    QTest::newRow("14 signal_OtherDeviceHangUp")
        << closesTheNotification([] { emit root()->getVidyoView()->signal_OtherDeviceHangUp(); });
    // Rows 15 to 24 and 29: the one message box.
    const auto says = [](const QString& text, std::function<void(VidyoView*)> fire) {
        return EmitAndObserve([text, fire] {
            fire(root()->getVidyoView());
            QCOMPARE(boxText(), text);
        });
    };
    QTest::newRow("15 signal_OtherRefuse") << says(
        QStringLiteral("EveYour invitation rejected!"), [](VidyoView* v) { emit v->signal_OtherRefuse(fromEve()); });
    QTest::newRow("16 signal_confOtherRefuse") << says(QStringLiteral("EveYour invitation rejected!"),
        [](VidyoView* v) { emit v->signal_confOtherRefuse(fromEve()); });
    QTest::newRow("17 signal_OtherHangUp")
        << says(QStringLiteral("EveCancelled!"), [](VidyoView* v) { emit v->signal_OtherHangUp(fromEve()); });
    QTest::newRow("18 signal_remoteSourceRemoved") << says(QStringLiteral("EveUser disconnected link!"),
        [](VidyoView* v) { emit v->signal_remoteSourceRemoved(QStringLiteral("eve"), 1); });
    QTest::newRow("19 signal_HaveRemovedOut") << says(QStringLiteral("You were removed from the meeting!"),
        [](VidyoView* v) { emit v->signal_HaveRemovedOut(fromEve()); });
    QTest::newRow("20 signal_OtherBusy") << says(
        QStringLiteral("The userBusy now!"), [](VidyoView* v) { emit v->signal_OtherBusy({}); });
    QTest::newRow("21 signal_InviteOverTime") << says(QStringLiteral("Connection timeout, video call canceled"),
        [](VidyoView* v) { emit v->signal_InviteOverTime(2); });
    QTest::newRow("22 signal_Vidyoing") << says(
        QStringLiteral("Please close the current video and then go on to the next video!"),
        [](VidyoView* v) { emit v->signal_Vidyoing(); });
    QTest::newRow("23 signal_CompereStopVidyo") << says(
        QStringLiteral("The meeting disbanded by the host!"), [](VidyoView* v) { emit v->signal_CompereStopVidyo(); });
    QTest::newRow("24 signal_LoginSever")
        << says(QStringLiteral("Server logging in failed!"), [](VidyoView* v) { emit v->signal_LoginSever(false); });
    // Rows 25 to 28 report on a Vidyo window, which this build does not have.
    QTest::newRow("25 signal_CloseDialMeettingWidget") << EmitAndObserve([] {
        expectLog("VidyoController::closeDialMeettingWidget the Vidyo meeting window is not in this build");
        emit root()->getVidyoView()->signal_CloseDialMeettingWidget();
    });
    QTest::newRow("26 signal_StartVidyofaild") << EmitAndObserve([] {
        expectLog("VidyoController::onVidyovideofailed the Vidyo meeting window is not in this build");
        emit root()->getVidyoView()->signal_StartVidyofaild();
    });
    QTest::newRow("27 signal_GetVidyoInfofaild") << EmitAndObserve([] {
        expectLog("VidyoController::getVidyoInfofaild the Vidyo meeting window is not in this build");
        emit root()->getVidyoView()->signal_GetVidyoInfofaild();
    });
    QTest::newRow("28 sig_onDialInviteJoinMeetingFaild") << EmitAndObserve([] {
        expectLog("VidyoController::onDialInviteJoinMeetingFaild the Vidyo meeting window is not in this build");
        emit root()->getMeetingView()->sig_onDialInviteJoinMeetingFaild(5);
    });
    QTest::newRow("29 signal_RemovedOutPerson")
        << says(QStringLiteral("Sure to deletethe user!"), [](VidyoView* v) { emit v->signal_RemovedOutPerson({}); });
    QTest::newRow("30 signal_CloseBottomWidget")
        << closesTheNotification([] { emit root()->getVidyoView()->signal_CloseBottomWidget(fromEve()); });
    QTest::newRow("31 sig_showConferenceMainWidget") << EmitAndObserve([] {
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("not in this build")));
        emit root()->getUnifiedConferenceView()->sig_showConferenceMainWidget(
            CONFERENCE_TYPE_INSTANT, CONF_MEDIA_VIDEO, false);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("queryConfenceAppSetting")), 1);
    });
    QTest::newRow("32 sig_closeConferenceMainWidget") << EmitAndObserve([] {
        emit root()->getUnifiedConferenceView()->sig_closeConferenceMainWidget();
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetStatus")), 1);
    });
    QTest::newRow("33 sig_onControlWindow") << EmitAndObserve([] {
        emit root()->getLoginView()->sig_onControlWindow(7);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetStatus")), 1);
    });
    QTest::newRow("34 sig_onInviteNormalConference") << EmitAndObserve([] {
        emit root()->getUnifiedConferenceView()->sig_onInviteNormalConference(
            brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        QCOMPARE(tipTitle(), QStringLiteral("BobYou are invited to the integrated meeting"));
        QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
    });
    // Rows 35 to 37 act on a conference invitation that is showing.
    const auto onInvitation = [](std::function<void(UnifiedConferenceView*)> act) {
        return EmitAndObserve([act] {
            UnifiedConferenceView* conf = root()->getUnifiedConferenceView();
            emit conf->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
            act(conf);
            QVERIFY(!tip()->isVisible());
        });
    };
    QTest::newRow("35 sig_onInviteNormalConferenceClose") << onInvitation([](UnifiedConferenceView* conf) {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        Agent_ConfNtyMsg closed;
        closed.confId = QStringLiteral("c-1");
        emit conf->sig_onInviteNormalConferenceClose(closed);
        QCOMPARE(lastTip(tips), QStringLiteral("The other end is answered"));
    });
    QTest::newRow("36 sig_onInviteRejectConference") << onInvitation([](UnifiedConferenceView* conf) {
        emit conf->sig_onInviteRejectConference();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("rejectInvitation")), QStringLiteral("c-1|bob|107603"));
    });
    QTest::newRow("37 sig_onStopInviteNormalConference") << onInvitation([](UnifiedConferenceView* conf) {
        emit conf->sig_onStopInviteNormalConference();
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("rejectInvitation")), 0);
    });
    QTest::newRow("38 sig_reserveConfInviteNofity") << EmitAndObserve([] {
        emit root()->getUnifiedConferenceView()->sig_reserveConfInviteNofity(brief(QStringLiteral("c-1")));
        QVERIFY(visibleWindow<MessageTipWidget>());
    });
    QTest::newRow("39 sig_AcceptCallIncoming") << EmitAndObserve([] {
        emit root()->getVoipView()->sig_AcceptCallIncoming(coming(0, QStringLiteral("in-1")));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("AcceptCall")), QStringLiteral("in-1"));
        QVERIFY(visibleWindow<VoiceCall>());
    });
    QTest::newRow("40 sig_onOperatorConferenceError") << EmitAndObserve([] {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        emit root()->getUnifiedConferenceView()->sig_onOperatorConferenceError(QStringLiteral("raw"), 814007);
        QCOMPARE(lastTip(tips), QStringLiteral("Wrong password for meeting"));
    });
    QTest::newRow("41 sig_showSelectConfMemberWidget") << EmitAndObserve([] {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        root()->getUnifiedConferenceView()->state().confInfo.extension = groupExtension(); // no such group
        emit root()->getUnifiedConferenceView()->sig_showSelectConfMemberWidget(
            true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
        QCOMPARE(lastTip(tips), QStringLiteral("The group has been disbanded"));
    });
    QTest::newRow("42 sig_onlySelectConfMembers") << EmitAndObserve([] {
        emit root()->getUnifiedConferenceView()->sig_onlySelectConfMembers({ QStringLiteral("bob") }, 2);
        QCOMPARE(visibleWindow<SectionStaffWindow>()->pickerType(), 2);
    });
    QTest::newRow("43 sig_onQueryConferenceMember") << EmitAndObserve([] {
        QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
        emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
        QCOMPARE(masks.count(), 1);
        QCOMPARE(static_cast<SectionStaffWindow*>(masks.at(0).at(0).value<void*>())->pickerType(), 10);
    });
}

void tst_KP_MediaConfUI::everyBusinessSignalReachesItsSlot()
{
    QFETCH(EmitAndObserve, row);
    row();
}

void tst_KP_MediaConfUI::everyWindowKindTwiceLeavesOneWindow()
{
    // Each pair below is a path on which the business library's state does not keep a second window out.
    VoipView* voip = root()->getVoipView();
    UnifiedConferenceView* conf = root()->getUnifiedConferenceView();
    for (int round = 0; round < 2; ++round) {
        emit voip->sig_AcceptCallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("voice-%1").arg(round)));
        emit voip->sig_AcceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("video-%1").arg(round)));
        emit conf->sig_reserveConfInviteNofity(brief(QStringLiteral("c-%1").arg(round)));
        emit conf->sig_onInviteNormalConference(brief(QStringLiteral("g-%1").arg(round), groupExtension()), {});
        emit conf->sig_onlySelectConfMembers({ QStringLiteral("bob") }, 2);
        emit root()->getVidyoView()->signal_Vidyoing();
        BusinessFixture::flushDeletes(); // as the event loop does between two rounds
    }
    QCOMPARE(voip->GetVoipCallStatus(), 2 | 4); // each call window holds its mark
    QCOMPARE(TestWindows::leftoverWindows({ tip() }),
        QStringList({ QStringLiteral("GroupConfMsgBox"), QStringLiteral("KpMsgBox"), QStringLiteral("MessageNotice"),
            QStringLiteral("MessageTipWidget"), QStringLiteral("SectionStaffWindow"), QStringLiteral("VideoCall"),
            QStringLiteral("VoiceCall") }));
    // A new conference picker takes the client's mask from the one before.
    for (int round = 0; round < 2; ++round)
        emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
    QCOMPARE(TestWindows::leftoverWindows({ tip() }).count(QStringLiteral("SectionStaffWindow")), 2);
}

void tst_KP_MediaConfUI::destroyingTheFacadeLeavesNoWindowOfTheModule()
{
    emit root()->getVoipView()->sig_CallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-1")));
    emit root()->getVoipView()->sig_AcceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("in-2")));
    emit root()->getUnifiedConferenceView()->sig_onInviteNormalConference(
        brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    emit root()->getUnifiedConferenceView()->sig_onInviteNormalConference(
        brief(QStringLiteral("g-1"), groupExtension()), {});
    emit root()->getUnifiedConferenceView()->sig_reserveConfInviteNofity(brief(QStringLiteral("c-2")));
    emit root()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
    emit root()->getUnifiedConferenceView()->sig_onlySelectConfMembers({}, 2);
    emit root()->getVidyoView()->signal_LoginSever(false);
    BusinessFixture::journal()->clear();

    m_ui.reset();
    QCOMPARE(TestWindows::leftoverWindows({ tip() }), QStringList());
    // Nobody can answer the notification any more: it lapses, as when it is closed.
    QVERIFY(!tip()->isVisible());
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetInviteConfId")), 2); // the tip and the group box
    QCOMPARE(root()->getVoipView()->GetVoipCallStatus(), 0);
}

void tst_KP_MediaConfUI::teardownTwiceIsHarmless()
{
    emit root()->getVidyoView()->signal_LoginSever(false);
    emit root()->getVoipView()->sig_AcceptCallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-1")));
    QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
    QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
    QVERIFY(visibleWindows<KpMsgBox>().isEmpty());
    QVERIFY(visibleWindows<VoiceCall>().isEmpty());
    // Events after teardown find no window; a failure has no notice to show any more.
    emit root()->getVidyoView()->signal_LoginSever(false);
    Agent_VoIPCallMsg msg;
    msg.eventCode = VOIP_EVENT_ENDED;
    emit root()->getVoipView()->sig_CallEvents(175486, msg);
    QVERIFY(!visibleWindow<MessageNotice>());
    QCOMPARE(boxText(), QStringLiteral("Server logging in failed!")); // the box comes back on demand
}

QTEST_MAIN(tst_KP_MediaConfUI)
#include "tst_KP_MediaConfUI.moc"
