#include "business/UI_ControlView.h"
#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/KpMsgBox.h"
#include "customui/SectionStaffWindow.h"
#include "facade/KP_MediaConfUI.h"
#include "policy/FacadePolicy.h"
#include "support/BusinessFixture.h"

#include "customui/KPTitleBar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(VidyoView*)>)

namespace {

template<class T> QList<T*> visibleWindows()
{
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            found.append(t);
    }
    return found;
}

template<class T> T* visibleWindow()
{
    const QList<T*> all = visibleWindows<T>();
    return all.isEmpty() ? nullptr : all.first();
}

QString boxText()
{
    KpMsgBox* box = visibleWindow<KpMsgBox>();
    return box ? box->messageText() : QString();
}

bool DemoClick(QWidget* root, const char* name)
{
    auto* button = root->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button)
        return false;
    button->click();
    return true;
}

QString tipTitle()
{
    auto* bar = BottomTipWidget::instance()->findChild<KPTitleBar*>(QStringLiteral("widget_title"));
    return bar ? bar->title() : QString();
}

ConferenceBriefInfo brief(const QString& id, const QString& extension = QString())
{
    ConferenceBriefInfo info;
    info.confId = id;
    info.subject = QStringLiteral("Plan");
    info.hostAccount = QStringLiteral("bob");
    info.extension = extension;
    return info;
}

UnifiedConferenceView* conference()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}

VidyoView* vidyo()
{
    return BusinessFixture::business()->getVidyoView();
}

QString tipLabelText()
{
    auto* label = BottomTipWidget::instance()->findChild<QLabel*>(QStringLiteral("tipTextLabel"));
    return label ? label->text() : QString();
}

} // namespace

class tst_KP_MediaConfUI : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyBusinessConnectionIsMade();
    void callFailureTexts_data();
    void callFailureTexts();
    void conferenceErrorTexts_data();
    void conferenceErrorTexts();

    void conferenceInvitationIsShownAndAcceptJoins();
    void acceptWhileNotificationRingsTwiceDropsTheSecond();
    void trainingInvitationUsesItsPhrase();
    void rejectSendsRefusalOnlyWithConferenceId();
    void groupInvitationOpensOneBoxInTheMask();
    void invitationClosedElsewhereTellsTheUser_data();
    void invitationClosedElsewhereTellsTheUser();
    void vidyoInvitationKindsAndAnswers();
    void meetingInvitationAndReleasedCallClosesIt();
    void otherDeviceAnswerShowsSilentNotice();
    void vidyoMessagesUseOneReusedBox_data();
    void vidyoMessagesUseOneReusedBox();
    void ownHangUpShowsNothing();
    void removalIsConfirmedThenSent();
    void conferenceErrorReachesClientTip();
    void callFailureShowsErrorNotice();
    void queryMemberOpensPickerAndCreatesConference_data();
    void queryMemberOpensPickerAndCreatesConference();
    void groupConferenceNeedsAnotherMember();
    void busyMediaCreatesNothing();
    void pickerForPhoneInviteSendsOnlyNumbers();
    void groupPickerNeedsLiveGroup();
    void onlySelectReusesThePicker();
    void unknownCallTypesAreIgnored();
    void incomingCallShowsOnlyWhenNothingElseRings();
    void placedVoiceCallFollowsItsEvents();
    void callEventsMatchByCalleeOrCallId_data();
    void callEventsMatchByCalleeOrCallId();
    void answeredVideoCallBindsAndReleases();
    void videoCallRendersInItsWindowAgainAfterConference();
    void teardownTwiceIsHarmless();

private:
    std::unique_ptr<KP_MediaConfUI> m_ui;
};

void tst_KP_MediaConfUI::init()
{
    BusinessFixture::reset();
    BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
    auto* book = BusinessFixture::business()->getAddressBookView();
    book->addPerson(BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("1391")));
    book->addPerson(BusinessFixture::makePerson(QStringLiteral("eve"), QStringLiteral("Eve")));
    m_ui = std::make_unique<KP_MediaConfUI>();
    BusinessFixture::journal()->clear();
}

void tst_KP_MediaConfUI::cleanup()
{
    m_ui.reset();
    BottomTipWidget::instance()->closeWidget();
    BottomTipWidget::instance()->clearData();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != BottomTipWidget::instance() && !w->parentWidget() && w->windowType() != Qt::Desktop)
            delete w;
    }
}

namespace {
QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings.append(text);
}
} // namespace

void tst_KP_MediaConfUI::everyBusinessConnectionIsMade()
{
    // A connection by signature that names no such signal or slot only warns at run time.
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    KP_MediaConfUI second;
    qInstallMessageHandler(previous);
    const QStringList failed = g_warnings.filter(QStringLiteral("QObject::connect"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed.join(QLatin1Char('\n'))));
    // 50 slots, all private, and no signals of its own.
    const QMetaObject* mo = second.metaObject();
    int slotCount = 0;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        QCOMPARE(mo->method(i).methodType() == QMetaMethod::Signal, false);
        if (mo->method(i).methodType() == QMetaMethod::Slot) {
            QCOMPARE(mo->method(i).access(), QMetaMethod::Private);
            ++slotCount;
        }
    }
    QCOMPARE(slotCount, 50);
}

void tst_KP_MediaConfUI::callFailureTexts_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("utility");
    QTest::addColumn<QString>("text");
    const QString known = QStringLiteral("known");
    const QString none;
    QTest::newRow("175404 known") << 175404 << known << QStringLiteral("Other user is not online.Try again later");
    QTest::newRow("175404 unknown") << 175404 << none << QStringLiteral("error code:175404");
    QTest::newRow("175604 unknown") << 175604 << none << QStringLiteral("Other user is not online.Try again later");
    QTest::newRow("175604 known") << 175604 << known << QStringLiteral("error code:175604");
    QTest::newRow("171151") << 171151 << none << QStringLiteral("Have been suspended");
    QTest::newRow("171511") << 171511 << known << QStringLiteral("Have been suspended");
    QTest::newRow("175403") << 175403 << none << QStringLiteral("Busy now.Try again later");
    QTest::newRow("175486") << 175486 << known << QStringLiteral("Busy now.Try again later");
    QTest::newRow("175603") << 175603 << known << QStringLiteral("Busy now.Try again later");
    QTest::newRow("175408 known") << 175408 << known << QStringLiteral("Time out.Try again later");
    QTest::newRow("175480 unknown") << 175480 << none << QStringLiteral("error code:175480");
    QTest::newRow("175500 unknown") << 175500 << none << QStringLiteral("Server internal error");
    QTest::newRow("175500 known") << 175500 << known << QStringLiteral("error code:175500");
    QTest::newRow("other") << 42 << known << QStringLiteral("error code:42");
}

void tst_KP_MediaConfUI::callFailureTexts()
{
    QFETCH(int, reason);
    QFETCH(QString, utility);
    QFETCH(QString, text);
    QCOMPARE(FacadePolicy::callFailureText(reason, utility), text);
}

void tst_KP_MediaConfUI::conferenceErrorTexts_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("text");
    QTest::newRow("814006") << QStringLiteral("x") << 814006 << QStringLiteral("The meeting ID was not found");
    QTest::newRow("814007") << QString() << 814007 << QStringLiteral("Wrong password for meeting");
    QTest::newRow("814011") << QString() << 814011 << QStringLiteral("The meeting is full and cannot be joined");
    QTest::newRow("814012") << QString() << 814012
                            << QStringLiteral("The meeting is locked and cannot join the meeting");
    QTest::newRow("814023") << QString() << 814023 << QStringLiteral("Send app register notify fail");
    QTest::newRow("814026") << QString() << 814026 << QStringLiteral("The meeting is not started.");
    QTest::newRow("814052") << QString() << 814052 << QStringLiteral("Conferece total count beyond limit");
    QTest::newRow("814056") << QString() << 814056
                            << QStringLiteral("You cannot join the meeting belonging to another organization.");
    QTest::newRow("server text kept") << QStringLiteral("Rejected") << 1 << QStringLiteral("Rejected");
    QTest::newRow("nothing to show") << QString() << 1 << QString();
}

void tst_KP_MediaConfUI::conferenceErrorTexts()
{
    QFETCH(QString, server);
    QFETCH(int, reason);
    QFETCH(QString, text);
    QCOMPARE(FacadePolicy::conferenceErrorText(server, reason), text);
}

void tst_KP_MediaConfUI::conferenceInvitationIsShownAndAcceptJoins()
{
    ConferenceBriefInfo info;
    info.confId = QStringLiteral("c-1");
    info.subject = QStringLiteral("Plan");
    info.hostAccount = QStringLiteral("bob");
    emit BusinessFixture::business()->getUnifiedConferenceView()->sig_onInviteNormalConference(
        info, QStringLiteral("bob"));
    BottomTipWidget* tip = BottomTipWidget::instance();
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_Conference);
    QCOMPARE(tip->variant(256), QStringLiteral("c-1"));
    QCOMPARE(tip->getFromAccount(), QStringLiteral("bob"));
    auto* title = tip->findChild<KPTitleBar*>(QStringLiteral("widget_title"));
    QVERIFY(title);

    QVERIFY(DemoClick(tip, "okBtn"));
    const JournalEntry join = BusinessFixture::journal()->last(QStringLiteral("joinConference"));
    QVERIFY(join.isValid());
    QCOMPARE(join.args, (QVariantList { QStringLiteral("c-1"), QString(), 128, 1, 1, 0, QString() }));
    const JournalEntry type = BusinessFixture::journal()->last(QStringLiteral("setConferenceType"));
    QCOMPARE(type.args.value(0).toInt(), 5);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("leaveConference")), 0);
    QVERIFY(!tip->isVisible());
    QVERIFY(tip->variant(256).isEmpty()); // cleared after the answer
}

void tst_KP_MediaConfUI::acceptWhileNotificationRingsTwiceDropsTheSecond()
{
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-2")), QStringLiteral("eve"));
    QCOMPARE(BottomTipWidget::instance()->variant(256), QStringLiteral("c-1"));
    QCOMPARE(BottomTipWidget::instance()->getFromAccount(), QStringLiteral("bob"));
}

void tst_KP_MediaConfUI::trainingInvitationUsesItsPhrase()
{
    conference()->state().inviteConfType = 3;
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    QCOMPARE(tipTitle(), QStringLiteral("BobYou are invited to attend the training meeting"));
    BottomTipWidget::instance()->closeWidget();

    conference()->state().inviteConfType = 1;
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-2")), QStringLiteral("nobody"));
    QCOMPARE(tipTitle(), QStringLiteral("You are invited to the integrated meeting")); // unknown sender: no name
}

void tst_KP_MediaConfUI::rejectSendsRefusalOnlyWithConferenceId()
{
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    QVERIFY(DemoClick(BottomTipWidget::instance(), "cancelBtn"));
    const JournalEntry reject = BusinessFixture::journal()->last(QStringLiteral("rejectInvitation"));
    QCOMPARE(reject.args, (QVariantList { QStringLiteral("c-1"), QStringLiteral("bob"), 107603 }));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetInviteConfId")), 1);

    // A conference notification that lost its id sends no refusal.
    BusinessFixture::journal()->clear();
    BottomTipWidget* tip = BottomTipWidget::instance();
    tip->setMessageType(BottomTipWidget::BottomTip_Conference);
    tip->clearData();
    tip->BottomTipShow();
    tip->slot_onCancelBtn();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("rejectInvitation")), 0);
}

void tst_KP_MediaConfUI::groupInvitationOpensOneBoxInTheMask()
{
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    const QString ext = QStringLiteral("{\"groupId\":\"g-1\"}");
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1"), ext), QStringLiteral("bob"));
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-2"), ext), QStringLiteral("bob"));
    QCOMPARE(masks.count(), 1);
    QCOMPARE(masks.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
    auto* box = static_cast<GroupConfMsgBox*>(masks.at(0).at(0).value<void*>());
    QCOMPARE(box->getConfId(), QStringLiteral("c-1"));
    QCOMPARE(box->inviteMessage(), QStringLiteral("BobYou are invited to the integrated meeting"));
    QVERIFY(!BottomTipWidget::instance()->isVisible()); // group invitations never use the corner notice

    // Once the box is gone, the next group invitation gets a box again.
    delete box;
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-3"), ext), QStringLiteral("bob"));
    QCOMPARE(masks.count(), 2);
}

void tst_KP_MediaConfUI::invitationClosedElsewhereTellsTheUser_data()
{
    QTest::addColumn<QString>("confId");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tip");
    QTest::newRow("answered elsewhere") << QStringLiteral("c-1") << QString() << 0
                                        << QStringLiteral("The other end is answered");
    QTest::newRow("refused elsewhere") << QStringLiteral("c-1") << QStringLiteral("107781") << 0
                                       << QStringLiteral("Other ends have refused");
    QTest::newRow("silent kind 20") << QStringLiteral("c-1") << QString() << 20 << QString();
    QTest::newRow("other result") << QStringLiteral("c-1") << QStringLiteral("5") << 0 << QString();
    QTest::newRow("another conference") << QStringLiteral("c-9") << QString() << 0 << QString();
    QTest::newRow("empty id") << QString() << QString() << 0 << QString();
}

void tst_KP_MediaConfUI::invitationClosedElsewhereTellsTheUser()
{
    QFETCH(QString, confId);
    QFETCH(QString, result);
    QFETCH(int, kind);
    QFETCH(QString, tip);
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
    Agent_ConfNtyMsg msg;
    msg.confId = confId;
    msg.result = result;
    msg.kind = kind;
    emit conference()->sig_onInviteNormalConferenceClose(msg);
    QCOMPARE(BottomTipWidget::instance()->isVisible(), confId != QLatin1String("c-1"));
    if (confId.isEmpty()) {
        // Nothing pending either: an empty id must not pass for "no invitation".
        BottomTipWidget::instance()->closeWidget();
        BottomTipWidget::instance()->clearData();
        emit conference()->sig_onInviteNormalConferenceClose(msg);
    }
    QCOMPARE(tips.count(), tip.isEmpty() ? 0 : 1);
    if (!tip.isEmpty())
        QCOMPARE(tips.at(0).at(0).toString(), tip);
}

void tst_KP_MediaConfUI::vidyoInvitationKindsAndAnswers()
{
    VidyoJsonTransferData data;
    data.callKind = QStringLiteral("0");
    data.fromAccount = QStringLiteral("eve");
    data.roomId = QStringLiteral("r-1");
    emit vidyo()->signal_VidyoCall(data);
    BottomTipWidget* tip = BottomTipWidget::instance();
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_VidyoCall);
    QCOMPARE(tipTitle(), QStringLiteral("Video invitation"));
    QCOMPARE(tipLabelText(), QStringLiteral("EveYou receive a video invitation!"));
    tip->slot_onOkBtn();
    JournalEntry accept = BusinessFixture::journal()->last(QStringLiteral("AcceptVidyo"));
    QCOMPARE(accept.args.value(0).value<VidyoJsonTransferData>(), data);
    QCOMPARE(accept.args.value(1).toInt(), 1);

    data.callKind = QStringLiteral("1");
    data.fromAccount = QStringLiteral("stranger");
    emit vidyo()->signal_VidyoCall(data);
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_VidyoMeeting);
    QCOMPARE(tipLabelText(), QStringLiteral("You receive a video meeting invitation!"));
    tip->slot_onOkBtn();
    QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("AcceptVidyo")).args.value(1).toInt(), 4);

    emit vidyo()->signal_VidyoCall(data);
    tip->slot_onCancelBtn();
    QCOMPARE(
        BusinessFixture::journal()->last(QStringLiteral("RejectVidyo")).args.value(0).value<VidyoJsonTransferData>(),
        data);

    // An unknown kind changes neither title nor type, but is still offered.
    tip->setMessageType(BottomTipWidget::BottomTip_None);
    data.callKind = QStringLiteral("7");
    emit vidyo()->signal_VidyoCall(data);
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_None);
}

void tst_KP_MediaConfUI::meetingInvitationAndReleasedCallClosesIt()
{
    MeetingView* meeting = BusinessFixture::business()->getMeetingView();
    emit meeting->sig_onInviteMeetingCall(1, QStringLiteral("Bob"), QStringLiteral("m-1"));
    BottomTipWidget* tip = BottomTipWidget::instance();
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_VoiceMeeting);
    QCOMPARE(tipTitle(), QStringLiteral("A Voice meeting invitation"));
    QCOMPARE(tipLabelText(), QStringLiteral("Bob Invite you to an audio conference"));
    QCOMPARE(tip->variant(256), QStringLiteral("m-1"));

    emit meeting->sig_onInviteMeetingCall(2, QStringLiteral("Bob"), QStringLiteral("m-2"));
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_VideoMeeting);
    QCOMPARE(tipLabelText(), QStringLiteral("BobInvite you to a video conference"));

    // The meeting's call released by the caller ends the invitation.
    meeting->state().inviteMeetingCallid = QStringLiteral("call-7");
    Agent_VoIPCallMsg msg;
    msg.eventCode = VOIP_EVENT_RELEASED;
    msg.callType = 0;
    msg.callId = QStringLiteral("call-8");
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(200, msg);
    QVERIFY(tip->isVisible());
    msg.callId = QStringLiteral("call-7");
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(200, msg);
    QVERIFY(!tip->isVisible());

    emit meeting->sig_onInviteMeetingCall(1, QStringLiteral("Bob"), QStringLiteral("m-3"));
    tip->slot_onOkBtn();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("acceptMeeting")), 1);
}

void tst_KP_MediaConfUI::otherDeviceAnswerShowsSilentNotice()
{
    QSignalSpy accepted(BottomTipWidget::instance(), &BottomTipWidget::signal_Accept);
    emit vidyo()->signal_OtherDeviceAnswer(); // closes any invitation
    emit conference()->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
    QMetaObject::invokeMethod(m_ui.get(), "slot_onOtherDeviceAnswer");
    BottomTipWidget* tip = BottomTipWidget::instance();
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_OtherDeviceAnswered);
    QCOMPARE(tipLabelText(), QStringLiteral("Answered by other device!"));
    tip->slot_onOkBtn();
    QCOMPARE(accepted.count(), 0);
}

void tst_KP_MediaConfUI::vidyoMessagesUseOneReusedBox_data()
{
    using Fire = std::function<void(VidyoView*)>;
    QTest::addColumn<Fire>("fire");
    QTest::addColumn<QString>("text");
    VidyoJsonTransferData eve;
    eve.fromAccount = QStringLiteral("eve");
    const auto person = [] {
        return BusinessFixture::business()->getAddressBookView()->getAddressBookOnePerson_Account(
            QStringLiteral("eve"), false);
    };
    const QString rejected = QStringLiteral("EveYour invitation rejected!");
    QTest::newRow("refused") << Fire([=](VidyoView* v) { emit v->signal_OtherRefuse(eve); }) << rejected;
    QTest::newRow("conf refused") << Fire([=](VidyoView* v) { emit v->signal_confOtherRefuse(eve); }) << rejected;
    QTest::newRow("hang up") << Fire([=](VidyoView* v) { emit v->signal_OtherHangUp(eve); })
                             << QStringLiteral("EveCancelled!");
    QTest::newRow("removed") << Fire([=](VidyoView* v) { emit v->signal_HaveRemovedOut(eve); })
                             << QStringLiteral("You were removed from the meeting!");
    QTest::newRow("host stopped") << Fire([](VidyoView* v) { emit v->signal_CompereStopVidyo(); })
                                  << QStringLiteral("The meeting disbanded by the host!");
    QTest::newRow("in a video") << Fire([](VidyoView* v) { emit v->signal_Vidyoing(); })
                                << QStringLiteral("Please close the current video and then go on to the next video!");
    QTest::newRow("login failed") << Fire([](VidyoView* v) { emit v->signal_LoginSever(false); })
                                  << QStringLiteral("Server logging in failed!");
    QTest::newRow("phone away") << Fire([](VidyoView* v) {
        emit v->signal_InviteOverTime(1);
    }) << QStringLiteral("The other party’s mobile phone is not around, please try again later");
    QTest::newRow("time out") << Fire([](VidyoView* v) { emit v->signal_InviteOverTime(2); })
                              << QStringLiteral("Connection timeout, video call canceled");
    QTest::newRow("busy") << Fire([=](VidyoView* v) { emit v->signal_OtherBusy(person()); })
                          << QStringLiteral("EveBusy now!");
    QTest::newRow("busy unknown") << Fire([](VidyoView* v) { emit v->signal_OtherBusy({}); })
                                  << QStringLiteral("The userBusy now!");
    QTest::newRow("source removed") << Fire([](VidyoView* v) {
        emit v->signal_remoteSourceRemoved(QStringLiteral("eve"), 1);
    }) << QStringLiteral("EveUser disconnected link!");
}

void tst_KP_MediaConfUI::vidyoMessagesUseOneReusedBox()
{
    QFETCH(std::function<void(VidyoView*)>, fire);
    QFETCH(QString, text);
    fire(vidyo());
    QCOMPARE(boxText(), text);
    KpMsgBox* box = visibleWindow<KpMsgBox>();
    QCOMPARE(box->messageType(), 0);
    QCOMPARE(box->standardButtons(), KpMsgBox::KpButtons(4));
    QVERIFY(box->closeTimer()->isActive()); // every one of these closes by itself

    // The same box carries the next message.
    emit vidyo()->signal_LoginSever(false);
    QCOMPARE(visibleWindows<KpMsgBox>().size(), 1);
    QCOMPARE(boxText(), QStringLiteral("Server logging in failed!"));
}

void tst_KP_MediaConfUI::ownHangUpShowsNothing()
{
    VidyoJsonTransferData data;
    data.fromAccount = QStringLiteral("me");
    emit vidyo()->signal_OtherHangUp(data);
    emit vidyo()->signal_remoteSourceRemoved(QStringLiteral("me"), 0);
    emit vidyo()->signal_LoginSever(true);
    // Failures that only matter inside a meeting window say nothing without one.
    emit vidyo()->signal_StartVidyofaild();
    emit vidyo()->signal_GetVidyoInfofaild();
    emit vidyo()->signal_CloseDialMeettingWidget();
    emit BusinessFixture::business()->getMeetingView()->sig_onDialInviteJoinMeetingFaild(5);
    QVERIFY(visibleWindows<KpMsgBox>().isEmpty());
}

void tst_KP_MediaConfUI::removalIsConfirmedThenSent()
{
    const QSharedPointer<AddressBookPerson> eve
        = BusinessFixture::business()->getAddressBookView()->getAddressBookOnePerson_Account(
            QStringLiteral("eve"), false);
    emit vidyo()->signal_RemovedOutPerson(eve);
    KpMsgBox* box = visibleWindow<KpMsgBox>();
    QVERIFY(box);
    QCOMPARE(box->messageText(), QStringLiteral("Sure to deleteEve!"));
    QCOMPARE(box->messageType(), 10);
    QCOMPARE(box->standardButtons(), KpMsgBox::KpButtons(3));
    box->slot_onOk();
    QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("removeOutMeeting")).args.value(0).toString(),
        QStringLiteral("eve"));

    emit vidyo()->signal_RemovedOutPerson(QSharedPointer<AddressBookPerson>());
    QCOMPARE(boxText(), QStringLiteral("Sure to deletethe user!"));
    // Accepting another kind of message removes nobody.
    QMetaObject::invokeMethod(m_ui.get(), "slot_onMessageAccept", Q_ARG(int, 0));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("removeOutMeeting")), 1);
}

void tst_KP_MediaConfUI::conferenceErrorReachesClientTip()
{
    QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
    emit conference()->sig_onOperatorConferenceError(QStringLiteral("raw"), 814012);
    emit conference()->sig_onOperatorConferenceError(QString(), 7);
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("The meeting is locked and cannot join the meeting"));
    QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
}

void tst_KP_MediaConfUI::callFailureShowsErrorNotice()
{
    Agent_VoIPCallMsg msg;
    msg.eventCode = VOIP_EVENT_ENDED;
    msg.callType = 1;
    msg.callId = QStringLiteral("nobody-knows");
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(175486, msg);
    MessageNotice* notice = visibleWindow<MessageNotice>();
    QVERIFY(notice);
    QCOMPARE(
        notice->findChild<QLabel*>(QStringLiteral("label_notice"))->text(), QStringLiteral("Busy now.Try again later"));
    notice->close();

    // Success and events that carry no failure stay quiet.
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(200, msg);
    msg.eventCode = VOIP_EVENT_ANSWERED;
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(175486, msg);
    QVERIFY(!visibleWindow<MessageNotice>());
}

void tst_KP_MediaConfUI::queryMemberOpensPickerAndCreatesConference_data()
{
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<int>("type");
    QTest::newRow("no group") << QString() << 1;
    QTest::newRow("group") << QStringLiteral("g-1") << 6;
}

void tst_KP_MediaConfUI::queryMemberOpensPickerAndCreatesConference()
{
    QFETCH(QString, groupId);
    QFETCH(int, type);
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    Agent_GroupMember bob;
    bob.account = QStringLiteral("bob");
    Agent_GroupMember ghost;
    ghost.account = QStringLiteral("ghost"); // not in the directory
    emit BusinessFixture::business()->getGroupMgrView()->sig_onQueryConferenceMember(0, groupId, { bob, ghost });
    QCOMPARE(masks.count(), 1);
    auto* picker = static_cast<SectionStaffWindow*>(masks.at(0).at(0).value<void*>());
    QCOMPARE(picker->pickerType(), 10);

    emit picker->sig_returnAccouts({ QStringLiteral("me"), QStringLiteral("bob"), QStringLiteral("me") }, 10);
    const JournalEntry create = BusinessFixture::journal()->last(QStringLiteral("createConferenceAndInvite"));
    QVERIFY(create.isValid());
    QCOMPARE(create.args.value(0).toString(), QStringLiteral("Me MyselfMeetings initiated"));
    QCOMPARE(create.args.value(1).toString(), QString());
    QCOMPARE(create.args.value(2).toStringList(), QStringList { QStringLiteral("bob") });
    QCOMPARE(create.args.value(3).toString(), groupId);
    QCOMPARE(create.args.value(4).toInt(), type);
    QCOMPARE(create.args.value(5).toInt(), 2);
    QCOMPARE(create.args.value(6).toInt(), 196);
}

void tst_KP_MediaConfUI::groupConferenceNeedsAnotherMember()
{
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
    emit BusinessFixture::business()->getGroupMgrView()->sig_onQueryConferenceMember(0, QStringLiteral("g-1"), {});
    auto* picker = static_cast<SectionStaffWindow*>(masks.at(0).at(0).value<void*>());
    emit picker->sig_returnAccouts({ QStringLiteral("me") }, 10);
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Two people are required to open the Jiugongge meeting"));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 0);

    // Without a group, a conference of one is fine.
    emit BusinessFixture::business()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
    picker = static_cast<SectionStaffWindow*>(masks.last().at(0).value<void*>());
    emit picker->sig_returnAccouts({ QStringLiteral("me") }, 10);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 1);
}

void tst_KP_MediaConfUI::busyMediaCreatesNothing()
{
    BusinessFixture::business()->getMultimediaMgrView()->state().status = MULTIMEDIA_VOICE_CALL;
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    emit BusinessFixture::business()->getGroupMgrView()->sig_onQueryConferenceMember(0, QString(), {});
    auto* picker = static_cast<SectionStaffWindow*>(masks.at(0).at(0).value<void*>());
    // The busy box waits in a local loop; answer it from inside that loop.
    bool sawBox = false;
    QTimer::singleShot(0, this, [&] {
        KpMsgBox* box = visibleWindow<KpMsgBox>();
        sawBox = box != nullptr;
        if (box)
            box->slot_onOk();
    });
    emit picker->sig_returnAccouts({ QStringLiteral("bob") }, 10);
    QVERIFY(sawBox);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 0);
}

void tst_KP_MediaConfUI::pickerForPhoneInviteSendsOnlyNumbers()
{
    ConferenceMemberInfo m;
    conference()->state().confInfo.extension = QStringLiteral("{\"groupId\":\"g-1\"}");
    auto group = QSharedPointer<AddressBookGroup>::create(QStringLiteral("g-1"), QStringLiteral("Team"));
    Agent_GroupMember bob;
    bob.account = QStringLiteral("bob");
    Agent_GroupMember eve;
    eve.account = QStringLiteral("eve");
    group->setMembers({ bob, eve });
    BusinessFixture::business()->getGroupMgrView()->addGroup(group);
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    emit conference()->sig_showSelectConfMemberWidget(false, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
    QCOMPARE(masks.count(), 1);
    auto* picker = static_cast<SectionStaffWindow*>(masks.at(0).at(0).value<void*>());
    emit picker->sig_returnAccouts({ QStringLiteral("bob"), QStringLiteral("eve") }, 10);
    const JournalEntry invite = BusinessFixture::journal()->last(QStringLiteral("invitePhoneMembers"));
    QVERIFY(invite.isValid());
    const auto phones = invite.args.value(0).value<QMap<QString, LandingCallMember>>();
    QCOMPARE(phones.keys(), QStringList { QStringLiteral("bob") }); // eve has no number
    QCOMPARE(phones.value(QStringLiteral("bob")).number, QStringLiteral("1391"));
}

void tst_KP_MediaConfUI::groupPickerNeedsLiveGroup()
{
    QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
    QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
    // Not a group conference, or no group id: nothing.
    emit conference()->sig_showSelectConfMemberWidget(true, CONFERENCE_TYPE_INSTANT, CONF_MEDIA_AUDIO);
    conference()->state().confInfo.extension = QStringLiteral("not json");
    emit conference()->sig_showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
    QCOMPARE(tips.count() + masks.count(), 0);

    conference()->state().confInfo.extension = QStringLiteral("{\"groupId\":\"gone\"}");
    emit conference()->sig_showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
    auto group = QSharedPointer<AddressBookGroup>::create(QStringLiteral("gone"), QStringLiteral("Old"));
    group->setDisbanded(true);
    BusinessFixture::business()->getGroupMgrView()->addGroup(group);
    emit conference()->sig_showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
    QCOMPARE(tips.count(), 2);
    QCOMPARE(tips.at(1).at(0).toString(), QStringLiteral("The group has been disbanded"));
    QCOMPARE(masks.count(), 0);
}

void tst_KP_MediaConfUI::onlySelectReusesThePicker()
{
    emit conference()->sig_onlySelectConfMembers({ QStringLiteral("bob") }, 2);
    emit conference()->sig_onlySelectConfMembers({ QStringLiteral("eve") }, 2);
    const QList<SectionStaffWindow*> pickers = visibleWindows<SectionStaffWindow>();
    QCOMPARE(pickers.size(), 1);
    QCOMPARE(pickers.first()->pickerType(), 2);
    QVERIFY(!pickers.first()->isInMask());
}

void tst_KP_MediaConfUI::unknownCallTypesAreIgnored()
{
    for (int type : { 3, 4, 5, -1 }) {
        emit BusinessFixture::business()->getVoipView()->sig_ShowVoipCallWnd(type, QStringLiteral("bob"), false);
        Agent_VoIPCallMsg msg;
        msg.callType = type;
        msg.eventCode = VOIP_EVENT_ENDED;
        emit BusinessFixture::business()->getVoipView()->sig_CallEvents(175486, msg);
    }
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("MakeCall")), 0);
    QVERIFY(!visibleWindow<MessageNotice>()); // a call of no known kind has no notice either
}

void tst_KP_MediaConfUI::teardownTwiceIsHarmless()
{
    emit vidyo()->signal_LoginSever(false);
    QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
    QVERIFY(QMetaObject::invokeMethod(m_ui.get(), "slot_destructorChildWgt"));
    QVERIFY(visibleWindows<KpMsgBox>().isEmpty());
    // Events after teardown find no window and do not crash.
    emit vidyo()->signal_LoginSever(false);
    Agent_VoIPCallMsg msg;
    msg.eventCode = VOIP_EVENT_ENDED;
    emit BusinessFixture::business()->getVoipView()->sig_CallEvents(175486, msg);
}

namespace {

VoipView* voip()
{
    return BusinessFixture::business()->getVoipView();
}

Agent_VoIPCallMsg callEvent(int code, const QString& callee, const QString& callId, int type = 0)
{
    Agent_VoIPCallMsg msg;
    msg.eventCode = code;
    msg.callType = type;
    msg.calleeAccount = callee;
    msg.callId = callId;
    return msg;
}

QString labelText(QWidget* w, const char* name)
{
    auto* label = w ? w->findChild<QLabel*>(QLatin1String(name)) : nullptr;
    return label ? label->text() : QString();
}

} // namespace

void tst_KP_MediaConfUI::incomingCallShowsOnlyWhenNothingElseRings()
{
    Agent_VoIPComingInfo first;
    first.callType = 0;
    first.callId = QStringLiteral("in-1");
    first.callerAccount = QStringLiteral("bob");
    QSignalSpy stopVoice(BusinessFixture::business()->getMsgCtrl(), &ChatMsgControl::sig_onCloseVoicePlay);
    emit voip()->sig_CallIncoming(first);
    QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
    QCOMPARE(stopVoice.count(), 1);

    Agent_VoIPComingInfo second = first;
    second.callId = QStringLiteral("in-2");
    emit voip()->sig_CallIncoming(second); // the ringing window holds mark 8
    QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
    QCOMPARE(visibleWindow<VoipCallIncoming>()->getComingInfo().callId, QStringLiteral("in-1"));

    // Only the window of the same call goes away; the answered call then blocks the next ring.
    QMetaObject::invokeMethod(m_ui.get(), "slot_ReleaseCallIncoming", Q_ARG(Agent_VoIPComingInfo, second));
    QCOMPARE(visibleWindows<VoipCallIncoming>().size(), 1);
    emit voip()->sig_AcceptCallIncoming(first);
    QVERIFY(visibleWindows<VoipCallIncoming>().isEmpty());
    QCOMPARE(visibleWindows<VoiceCall>().size(), 1);
    emit voip()->sig_CallIncoming(second);
    QVERIFY(visibleWindows<VoipCallIncoming>().isEmpty());
}

void tst_KP_MediaConfUI::placedVoiceCallFollowsItsEvents()
{
    QSignalSpy whiteboardClosed(
        BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
    emit voip()->sig_ShowVoipCallWnd(2, QStringLiteral("bob"), false);
    VoiceCall* call = visibleWindow<VoiceCall>();
    QVERIFY(call);
    QCOMPARE(
        BusinessFixture::journal()->last(QStringLiteral("MakeCall")).args, (QVariantList { 2, QStringLiteral("bob") }));
    QCOMPARE(call->getCallInfo().callerAccount, QStringLiteral("me"));
    QCOMPARE(call->getCallInfo().calleeAccount, QStringLiteral("bob"));

    // No second outgoing call while this one holds its mark.
    emit voip()->sig_ShowVoipCallWnd(0, QStringLiteral("eve"), false);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("MakeCall")), 1);

    emit voip()->sig_CallEvents(200, callEvent(VOIP_EVENT_ALERTING, QStringLiteral("bob"), QStringLiteral("v-1"), 2));
    QCOMPARE(labelText(call, "label_call_notice"), QStringLiteral("Wait for someone to answer.."));
    emit voip()->sig_CallEvents(200, callEvent(VOIP_EVENT_RELEASED, QStringLiteral("bob"), QStringLiteral("v-1"), 2));
    QVERIFY(visibleWindows<VoiceCall>().isEmpty());
    QCOMPARE(whiteboardClosed.count(), 1);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("ReleaseCall")), 1); // by the window's destruction
    QCOMPARE(voip()->GetVoipCallStatus(), 0);

    // Events for a call that is gone find nothing.
    emit voip()->sig_CallEvents(200, callEvent(VOIP_EVENT_ANSWERED, QStringLiteral("bob"), QStringLiteral("v-1"), 2));
    QVERIFY(visibleWindows<VoiceCall>().isEmpty());
}

void tst_KP_MediaConfUI::callEventsMatchByCalleeOrCallId_data()
{
    QTest::addColumn<QString>("callee");
    QTest::addColumn<QString>("callId");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same callee") << QStringLiteral("bob") << QStringLiteral("other") << true;
    QTest::newRow("same call id") << QStringLiteral("eve") << QStringLiteral("in-9") << true;
    QTest::newRow("neither") << QStringLiteral("eve") << QStringLiteral("other") << false;
    QTest::newRow("case differs") << QStringLiteral("BOB") << QStringLiteral("IN-9") << false;
}

void tst_KP_MediaConfUI::callEventsMatchByCalleeOrCallId()
{
    QFETCH(QString, callee);
    QFETCH(QString, callId);
    QFETCH(bool, matches);
    // An answered call: caller bob, callee the user, call id in-9.
    Agent_VoIPComingInfo coming;
    coming.callType = 0;
    coming.callId = QStringLiteral("in-9");
    coming.callerAccount = QStringLiteral("bob");
    emit voip()->sig_AcceptCallIncoming(coming);
    VoiceCall* call = visibleWindow<VoiceCall>();
    QVERIFY(call);
    Agent_VoIPCallMsg record = call->getCallInfo();
    record.calleeAccount = QStringLiteral("bob"); // as after the first event from the server
    call->setCallInfo(record);

    emit voip()->sig_CallEvents(175486, callEvent(VOIP_EVENT_ENDED, callee, callId));
    QCOMPARE(visibleWindows<VoiceCall>().isEmpty(), matches);
    // The failure is announced whether or not a window matched.
    QVERIFY(visibleWindow<MessageNotice>());
}

void tst_KP_MediaConfUI::answeredVideoCallBindsAndReleases()
{
    Agent_VoIPComingInfo coming;
    coming.callType = 1;
    coming.callId = QStringLiteral("vid-1");
    coming.callerAccount = QStringLiteral("bob");
    QTest::ignoreMessage(QtInfoMsg, "Before_Set_Video_View");
    QTest::ignoreMessage(QtInfoMsg, "After_Set_Video_View");
    emit voip()->sig_AcceptCallIncoming(coming);
    VideoCall* call = visibleWindow<VideoCall>();
    QVERIFY(call);
    QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("AcceptCall")).args.value(0).toString(),
        QStringLiteral("vid-1"));
    const JournalEntry bind = BusinessFixture::journal()->last(QStringLiteral("setVideoViewEX"));
    QCOMPARE(bind.args.value(0).value<quintptr>(), quintptr(call->remoteRenderHandle()));
    QCOMPARE(bind.args.value(1).value<quintptr>(), quintptr(call->localRenderHandle()));
    QVERIFY(bind.args.value(0).value<quintptr>() != 0);

    // An event code the facade does not know ends the call all the same.
    QPointer<VideoCall> guard(call);
    emit voip()->sig_CallEvents(200, callEvent(9, QStringLiteral("me"), QStringLiteral("vid-1"), 1));
    QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("setVideoViewEX")).args,
        (QVariantList { quintptr(0), quintptr(0), quintptr(0), quintptr(0) }));
    QTRY_VERIFY(guard.isNull()); // deferred delete
    QCOMPARE(voip()->GetVoipCallStatus(), 0);
}

void tst_KP_MediaConfUI::videoCallRendersInItsWindowAgainAfterConference()
{
    emit voip()->sig_ShowVoipCallWnd(1, QStringLiteral("bob"), false);
    VideoCall* call = visibleWindow<VideoCall>();
    QVERIFY(call);
    BusinessFixture::journal()->clear();
    emit conference()->sig_closeConferenceMainWidget();
    QCOMPARE(
        BusinessFixture::journal()->commandOperations(), BusinessFixture::texts({ "resetStatus", "setVideoViewEX" }));
    const JournalEntry rebind = BusinessFixture::journal()->last(QStringLiteral("setVideoViewEX"));
    QCOMPARE(rebind.args.value(0).value<quintptr>(), quintptr(call->remoteRenderHandle()));
    QCOMPARE(rebind.args.value(1).value<quintptr>(), quintptr(call->localRenderHandle()));
}

QTEST_MAIN(tst_KP_MediaConfUI)
#include "tst_KP_MediaConfUI.moc"
