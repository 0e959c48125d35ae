#include "business/KP_BusinessView.h"
#include "support/BusinessFixture.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>

// Receives by signature string, as the module's connection table does.
class SignatureReceiver : public QObject
{
    Q_OBJECT
public:
    QStringList got;

public slots:
    void slot_CallEvents(int reason, Agent_VoIPCallMsg msg)
    {
        got << QStringLiteral("%1:%2").arg(reason).arg(msg.callId);
    }
    void slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType type) { got << QString::number(int(type)); }
    void slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media, bool calling)
    {
        got << QStringLiteral("%1/%2/%3").arg(int(type)).arg(int(media)).arg(calling);
    }
    void slot_onOtherBusy(QSharedPointer<AddressBookPerson> person) { got << (person ? person->account() : QString()); }
    void slot_showMsgTip(QString text, PopUpHandleType type) { got << text + QString::number(int(type)); }
    void slot_onQueryConferenceMember(int reason, QString groupId, QList<Agent_GroupMember> list)
    {
        got << QStringLiteral("%1:%2:%3").arg(reason).arg(groupId).arg(list.size());
    }
};

class tst_BusinessViews : public QObject
{
    Q_OBJECT

private slots:
    void init() { BusinessFixture::reset(); }

    void callStatusMarksCombineAndCancelIndependently()
    {
        VoipView* voip = BusinessFixture::business()->getVoipView();
        QCOMPARE(voip->GetVoipCallStatus(), 0);
        voip->SetVoipCallStatus(VoipView::CALL_MARK_INCOMING);
        voip->SetVoipCallStatus(VoipView::CALL_MARK_VOICE);
        voip->SetVoipCallStatus(VoipView::CALL_MARK_VOICE);
        QCOMPARE(voip->GetVoipCallStatus(), 10);
        voip->CancelVoipCallStatus(VoipView::CALL_MARK_INCOMING);
        voip->CancelVoipCallStatus(VoipView::CALL_MARK_INCOMING); // cancelling twice is harmless
        QCOMPARE(voip->GetVoipCallStatus(), 2);
        voip->CancelVoipCallStatus(VoipView::CALL_MARK_VIDEO); // never set
        QCOMPARE(voip->GetVoipCallStatus(), 2);
        voip->CancelVoipCallStatus(VoipView::CALL_MARK_VOICE);
        QCOMPARE(voip->GetVoipCallStatus(), 0);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("SetVoipCallStatus")), 3);
    }

    void commandsMoveTheStateTheirQueriesReport()
    {
        auto* business = BusinessFixture::business();
        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        conf->state().inviteConfId = QStringLiteral("318204001");
        conf->state().inviteConfType = 3;
        QCOMPARE(conf->getInviteConfType(), 3);
        conf->resetInviteConfId();
        QCOMPARE(conf->getInviteConfId() + QString::number(conf->getInviteConfType()), QStringLiteral("0"));
        conf->enableVoiceActivate(true);
        QVERIFY(conf->isEnabledVoiceActivate());
        business->getMultimediaMgrView()->state().status = MULTIMEDIA_CONFERENCE;
        business->getMultimediaMgrView()->resetStatus();
        QCOMPARE(business->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_FREE);
        business->getWhiteBoardView()->state().inMeeting = true;
        business->getWhiteBoardView()->wb_leaveRoom();
        QVERIFY(!business->getWhiteBoardView()->isInMeeting());
        business->getGroupMgrView()->state().confGroups.insert(QStringLiteral("c1"), QStringLiteral("session-1"));
        QCOMPARE(business->getGroupMgrView()->getConfGroup(QStringLiteral("c1")), QStringLiteral("session-1"));

        VidyoView* vidyo = business->getVidyoView();
        vidyo->state().vidyoingState = VidyoView::Vidyoing_Invited;
        vidyo->AcceptVidyo(VidyoJsonTransferData(), 1);
        QCOMPARE(vidyo->getVidyoingState(), int(VidyoView::Vidyoing_InSession));
        vidyo->resetVidyoingState();
        QCOMPARE(vidyo->getVidyoingState(), 0);
        vidyo->SetRect(QRect(0, 50, 900, 550));
        QCOMPARE(vidyo->getRect(), QRect(0, 50, 900, 550));

        MeetingView* meeting = business->getMeetingView();
        for (int type : { 1, 2 }) {
            meeting->state().meetingStatus = MeetingView::Meeting_Invited;
            meeting->state().inviteMeetingType = type;
            meeting->state().inviteMeetingCallid = QStringLiteral("m1");
            meeting->acceptMeeting();
            QCOMPARE(meeting->getMeetingStatus(),
                int(type == 2 ? MeetingView::Meeting_InVideo : MeetingView::Meeting_InVoice));
        }
        meeting->rejectMeeting();
        QCOMPARE(meeting->getMeetingStatus(), 0);
        QCOMPARE(meeting->getInviteMeetingCallid(), QString());
    }

    void memberKeyJoinsAccountAndDecimalDeviceType()
    {
        QCOMPARE(memberKey(QStringLiteral("alice"), CONFMEMBER_DEVICE_NONE), QStringLiteral("alice|-1"));
        QCOMPARE(memberKey(QStringLiteral("50%2off"), 1), QStringLiteral("50%2off|1")); // '%' kept as it is
        QCOMPARE(
            BusinessFixture::makeMember(QStringLiteral("bob"), CONFMEMBER_DEVICE_WEB).key(), QStringLiteral("bob|21"));
    }

    void rosterKeysMembersByAccountAndDevice()
    {
        UnifiedConferenceView* conf = BusinessFixture::business()->getUnifiedConferenceView();
        conf->setRoster({ BusinessFixture::makeMember(QStringLiteral("alice")),
            BusinessFixture::makeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_MOBILE),
            BusinessFixture::makeMember(QStringLiteral("bob"), CONFMEMBER_DEVICE_PC, false),
            BusinessFixture::makeMember(QStringLiteral("carol"), CONFMEMBER_DEVICE_NONE) });
        QCOMPARE(conf->rosterSize(), 4);

        bool found = false;
        ConferenceMemberInfo m
            = conf->findConferenceMemberInfo(QStringLiteral("alice"), CONFMEMBER_DEVICE_MOBILE, found);
        QVERIFY(found);
        QCOMPARE(m.deviceType, CONFMEMBER_DEVICE_MOBILE);
        m = conf->findConferenceMemberInfo(QStringLiteral("alice"), CONFMEMBER_DEVICE_WEB, found);
        QVERIFY(!found);
        QVERIFY(m.account.isEmpty());

        // Replacing keeps the arrival order.
        ConferenceMemberInfo renamed = BusinessFixture::makeMember(QStringLiteral("alice"));
        renamed.name = QStringLiteral("Alice W.");
        conf->upsertMember(renamed);
        QCOMPARE(conf->getAllConferenceInfo().first().name, QStringLiteral("Alice W."));
        QCOMPARE(conf->rosterSize(), 4);

        QCOMPARE(conf->getMembersInConf(), BusinessFixture::texts({ "alice", "alice", "carol" }));
        QCOMPARE(conf->getOnlineConferenceInfos(false).size(), 2);
        QCOMPARE(conf->getOnlineConferenceInfos(true).size(), 3);

        QVERIFY(conf->removeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC));
        QVERIFY(!conf->removeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC));
        QCOMPARE(conf->getAllConferenceInfo().first().deviceType, CONFMEMBER_DEVICE_MOBILE);
    }

    void hostAndSelfFollowRosterAndLoggedInUser()
    {
        auto* business = BusinessFixture::business();
        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        QCOMPARE(conf->getCurrentAccount(), QStringLiteral("me"));

        ConferenceMemberInfo host = BusinessFixture::makeMember(QStringLiteral("boss"));
        host.isHost = true;
        conf->setRoster({ BusinessFixture::makeMember(QStringLiteral("me")), host,
            BusinessFixture::makeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE) });
        QVERIFY(!conf->isHost());
        QVERIFY(conf->isConferenceHost(QStringLiteral("boss")));
        QVERIFY(!conf->isConferenceHost(QString()));

        conf->setHostAccount(QStringLiteral("me"));
        QVERIFY(conf->isHost());
        QVERIFY(!conf->isConferenceHost(QStringLiteral("boss")));
        // Host on two devices: losing one entry keeps the role.
        QVERIFY(conf->removeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_PC));
        QVERIFY(conf->isHost());
        ConferenceMemberInfo demoted = BusinessFixture::makeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE);
        conf->upsertMember(demoted);
        QVERIFY(!conf->isHost());

        QVERIFY(conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_PC));
        QVERIFY(!conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE));
        conf->state().appSetting.multiDeviceMode = 0;
        QVERIFY(conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE));
        QVERIFY(!conf->isMySelf(QStringLiteral("boss"), CONFMEMBER_DEVICE_PC));

        conf->state().shareAccount = QStringLiteral("boss");
        conf->state().shareDeviceType = CONFMEMBER_DEVICE_WEB;
        ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_NONE;
        QCOMPARE(conf->getDesktopShareAccount(type), QStringLiteral("boss"));
        QCOMPARE(type, CONFMEMBER_DEVICE_WEB);
        QVERIFY(conf->isDesktopSharing(QStringLiteral("boss"), CONFMEMBER_DEVICE_WEB));
        QVERIFY(!conf->isDesktopSharing(QStringLiteral("boss"), CONFMEMBER_DEVICE_PC));

        QVERIFY(!conf->isHaveCamears());
        business->getVoipView()->state().cameras << Agent_CameraInfo();
        QVERIFY(conf->isHaveCamears());
    }

    void rosterHoldsTenThousandMembers()
    {
        UnifiedConferenceView* conf = BusinessFixture::business()->getUnifiedConferenceView();
        QList<ConferenceMemberInfo> members;
        for (int i = 0; i < 10000; ++i)
            members << BusinessFixture::makeMember(
                QStringLiteral("m%1").arg(i), i % 2 ? CONFMEMBER_DEVICE_PC : CONFMEMBER_DEVICE_MOBILE);
        conf->setRoster(members);
        QCOMPARE(conf->rosterSize(), 10000);
        bool found = false;
        for (int i = 0; i < 10000; ++i) {
            conf->findConferenceMemberInfo(members.at(i).account, members.at(i).deviceType, found);
            QVERIFY(found);
        }
        for (int i = 0; i < 10000; i += 2)
            QVERIFY(conf->removeMember(members.at(i).account, members.at(i).deviceType));
        QCOMPARE(conf->rosterSize(), 5000);
        QCOMPARE(conf->roster().first().account, QStringLiteral("m1"));
        QCOMPARE(conf->roster().last().account, QStringLiteral("m9999"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("findConferenceMemberInfo")), 10000);
    }

    void directoryFindsPersonsByAccountPhoneAndSearchText()
    {
        AddressBookView* book = BusinessFixture::business()->getAddressBookView();
        auto alice = BusinessFixture::makePerson(QStringLiteral("alice.chen"), QStringLiteral("Alice Chen"),
            QStringLiteral("13800001111"), QStringLiteral("Sales"));
        auto bob = BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li"),
            QStringLiteral("13900002222"), QStringLiteral("Research"));
        auto nobody = BusinessFixture::makePerson(QString(), QStringLiteral("No account"));
        auto bob2 = BusinessFixture::makePerson(
            QStringLiteral("bob.li"), QStringLiteral("Bob Li"), QStringLiteral("13700003333"), QStringLiteral("Legal"));
        book->setDirectory({ alice, bob, nobody, bob2 });
        QCOMPARE(book->directorySize(), 2); // no account skipped, same account replaced

        QCOMPARE(book->getAddressBookOnePerson_Account(QStringLiteral("alice.chen"), false), alice);
        QVERIFY(!book->getAddressBookOnePerson_Account(QString(), false));
        QVERIFY(!book->getAddressBookOnePerson_Account(QStringLiteral("ghost"), true));
        QCOMPARE(book->getPersonByPhoneNum(QStringLiteral(" 13700003333 ")), bob2);
        QVERIFY(!book->isPhoneNumExist(QStringLiteral("13900002222"))); // replaced with its number
        QVERIFY(!book->isPhoneNumExist(QString()));

        const auto accounts = [](const QList<QSharedPointer<AddressBookPerson>>& list) {
            QStringList out;
            for (const auto& p : list)
                out << p->account();
            return out;
        };
        QCOMPARE(accounts(book->searchPersons(QStringLiteral("ALICE"))), BusinessFixture::texts({ "alice.chen" }));
        QCOMPARE(accounts(book->searchPersons(QStringLiteral("b.l"))), BusinessFixture::texts({ "bob.li" }));
        QCOMPARE(
            accounts(book->searchPersons(QStringLiteral("0000"))), BusinessFixture::texts({ "alice.chen", "bob.li" }));
        QCOMPARE(accounts(book->searchPersons(QStringLiteral("legal"))), BusinessFixture::texts({ "bob.li" }));
        QCOMPARE(book->searchPersons(QStringLiteral("  ")).size(), 2);
        QVERIFY(book->searchPersons(QStringLiteral("zzz")).isEmpty());

        // A shared number belongs to the first person with it, and passes on
        // when that person is replaced with another number.
        auto carol = BusinessFixture::makePerson(QStringLiteral("carol"), QString(), QStringLiteral("555"));
        auto dave = BusinessFixture::makePerson(QStringLiteral("dave"), QString(), QStringLiteral("555"));
        book->addPerson(carol);
        book->addPerson(dave);
        QCOMPARE(book->isPhoneNumExist(QStringLiteral("555")), carol);
        book->addPerson(BusinessFixture::makePerson(QStringLiteral("carol"), QString(), QStringLiteral("556")));
        QCOMPARE(book->isPhoneNumExist(QStringLiteral("555")), dave);
        QCOMPARE(book->persons().at(2)->phoneNumber(), QStringLiteral("556")); // replaced in place
    }

    void currentUserAndPersonValidity()
    {
        auto* business = BusinessFixture::business();
        AddressBookView* book = business->getAddressBookView();
        QVERIFY(!book->getCurUserAddressBook());
        business->getUserInfoView()->state().account = QStringLiteral("me");
        business->getUserInfoView()->state().name = QStringLiteral("Me");
        const auto fromLogin = book->getCurUserAddressBook();
        QVERIFY(fromLogin);
        QCOMPARE(fromLogin->displayName(), QStringLiteral("Me"));
        const auto me = BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
        QCOMPARE(book->getCurUserAddressBook(), me);
        QCOMPARE(business->getUserInfoView()->getCurUserName(), QStringLiteral("Me Myself"));

        // Who may be offered for selection: persons with an account, active
        // ones unless the inactive are asked for too.
        AddressBookPerson person(QStringLiteral("p"), QStringLiteral("P"));
        QVERIFY(person.isValidPerson(false));
        person.setActive(false);
        QVERIFY(!person.isValidPerson(false) && person.isValidPerson(true));
        QVERIFY(!AddressBookPerson().isValidPerson(true));
    }

    void groupsAnswerByIdInMemberOrder()
    {
        GroupMgrView* groups = BusinessFixture::business()->getGroupMgrView();
        auto group = QSharedPointer<AddressBookGroup>::create(QStringLiteral("g1"), QStringLiteral("Team"),
            QList<Agent_GroupMember> { { QStringLiteral("zed"), QStringLiteral("Zed"), 2 },
                { QStringLiteral("amy"), QStringLiteral("Amy"), 0 } });
        groups->addGroup(group);
        groups->addGroup(QSharedPointer<AddressBookGroup>::create());
        QCOMPARE(groups->state().groups.size(), 1);
        QCOMPARE(groups->getOneAddressBookGroup(QStringLiteral("g1"), true)->memberAccounts(),
            BusinessFixture::texts({ "zed", "amy" }));
        QVERIFY(!groups->getOneAddressBookGroup(QString(), true));
        QVERIFY(!groups->getOneAddressBookGroup(QStringLiteral("g2"), true));
    }

    void ignoringSdkInfoEndsWithItsTimer()
    {
        UnifiedConferenceView* conf = BusinessFixture::business()->getUnifiedConferenceView();
        QVERIFY(!conf->getIsIgnoreSdkInfo());
        conf->startIgnoreSdkInfo();
        QVERIFY(conf->getIsIgnoreSdkInfo());
        QTimer* timer = conf->ignoreSdkInfoTimer();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), UnifiedConferenceView::ignoreSdkInfoMs);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(!conf->getIsIgnoreSdkInfo());
    }

    void renderTargetsFollowStartAndStop()
    {
        UnifiedConferenceView* conf = BusinessFixture::business()->getUnifiedConferenceView();
        int a = 0, b = 0;
        conf->requestStartMemberVideo(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC, &a);
        conf->requestStartMemberVideo(QStringLiteral("bob"), CONFMEMBER_DEVICE_WEB, &b);
        conf->requestStopMemberVideo(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC);
        conf->requestStartMemberVideo(QStringLiteral("bob"), CONFMEMBER_DEVICE_WEB, nullptr);
        QVERIFY(conf->state().memberVideoViews.isEmpty());
        conf->resetSelfVideoView(&a);
        QCOMPARE(conf->state().selfVideoView, quintptr(&a));

        VoipView* voip = BusinessFixture::business()->getVoipView();
        voip->setVideoViewEX(&a, &b, nullptr, nullptr);
        QCOMPARE(voip->state().remoteView, quintptr(&a));
        QCOMPARE(voip->state().localView, quintptr(&b));
    }

    void shareWindowTitleIsZeroTerminatedAndNeverCutInsideACharacter()
    {
        Agent_ECShareDeviceInfo info;
        info.setTitle(QString(300, QLatin1Char('x')));
        QCOMPARE(int(std::strlen(info.title)), 255);
        info.setTitle(QString(254, QLatin1Char('a')) + QChar(0xE9)); // é takes two bytes
        QCOMPARE(int(std::strlen(info.title)), 254);
        info.setTitle(QStringLiteral("Report"));
        QCOMPARE(info.titleText(), QStringLiteral("Report"));
    }

    void whiteboardInfoRoundTripsAndRejectsMalformedText()
    {
        QString room, pwd, host;
        QVERIFY(MsgUtil::parseWbssInfo(
            MsgUtil::makeWbssInfo(QStringLiteral("r1"), QStringLiteral("p"), QStringLiteral("h")), room, pwd, host));
        QCOMPARE(room + pwd + host, QStringLiteral("r1ph"));
        QVERIFY(!MsgUtil::parseWbssInfo("{broken", room, pwd, host));
        QVERIFY(room.isEmpty() && pwd.isEmpty() && host.isEmpty());
        QVERIFY(!MsgUtil::parseWbssInfo("[1,2]", room, pwd, host));
        QVERIFY(MsgUtil::parseWbssInfo("{}", room, pwd, host));
        QVERIFY(room.isEmpty());
    }

    void everySignalArgumentCanCrossAQueuedConnection()
    {
        // A type the meta-type system does not know by the name the signal
        // spells cannot be queued (the connection fails at run time).
        auto* business = BusinessFixture::business();
        QList<QObject*> senders { UI_ControlView::instance(), BusinessFixture::journal() };
        for (QObject* child : business->children())
            senders << child;
        int checked = 0;
        for (QObject* sender : qAsConst(senders)) {
            const QMetaObject* meta = sender->metaObject();
            for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
                const QMetaMethod method = meta->method(i);
                if (method.methodType() != QMetaMethod::Signal)
                    continue;
                for (const QByteArray& type : method.parameterTypes()) {
                    if (type.endsWith('&'))
                        continue; // answered in place, never queued
                    const QByteArray where
                        = QByteArray(meta->className()) + "::" + method.methodSignature() + ": " + type;
                    QVERIFY2(QMetaType::type(type.constData()) != QMetaType::UnknownType, where.constData());
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 150);
    }

    void signatureStringConnectionsFindTheRecordTypes()
    {
        auto* business = BusinessFixture::business();
        SignatureReceiver r;
        QVERIFY(connect(business->getVoipView(), SIGNAL(sig_CallEvents(int, Agent_VoIPCallMsg)), &r,
            SLOT(slot_CallEvents(int, Agent_VoIPCallMsg)), Qt::QueuedConnection));
        QVERIFY(connect(business->getVidyoView(), SIGNAL(signal_getPlayerWidget(VidyoView::VidyoViewStartVidyoType)),
            &r, SLOT(slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType)), Qt::QueuedConnection));
        QVERIFY(connect(business->getUnifiedConferenceView(),
            SIGNAL(sig_showConferenceMainWidget(ENUM_CONFERENCE_TYPE, ENUM_CONFERENCE_MEDIA_TYPE, bool)), &r,
            SLOT(slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE, ENUM_CONFERENCE_MEDIA_TYPE, bool)),
            Qt::QueuedConnection));
        QVERIFY(connect(business->getVidyoView(), SIGNAL(signal_OtherBusy(QSharedPointer<AddressBookPerson>)), &r,
            SLOT(slot_onOtherBusy(QSharedPointer<AddressBookPerson>)), Qt::QueuedConnection));
        QVERIFY(connect(UI_ControlView::instance(), SIGNAL(sig_showMsgTip(QString, PopUpHandleType)), &r,
            SLOT(slot_showMsgTip(QString, PopUpHandleType)), Qt::QueuedConnection));
        QVERIFY(connect(business->getGroupMgrView(),
            SIGNAL(sig_onQueryConferenceMember(int, QString, QList<Agent_GroupMember>)), &r,
            SLOT(slot_onQueryConferenceMember(int, QString, QList<Agent_GroupMember>)), Qt::QueuedConnection));
        // The record overloads of one signal name stay apart.
        QVERIFY(business->getUnifiedConferenceView()->metaObject()->indexOfSignal(
                    "sig_updateConferenceInfo(bool,ConferenceBriefInfo)")
            >= 0);
        QVERIFY(business->getUnifiedConferenceView()->metaObject()->indexOfSignal(
                    "sig_updateMemberInfo(QString,ENUM_CONFMEMBER_DEVICETYPE,QString)")
            >= 0);

        Agent_VoIPCallMsg msg;
        msg.callId = QStringLiteral("c9");
        emit business->getVoipView()->sig_CallEvents(200, msg);
        emit business->getVidyoView()->signal_getPlayerWidget(VidyoView::StartVidyo_DialIn);
        emit business->getUnifiedConferenceView()->sig_showConferenceMainWidget(
            CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
        emit business->getVidyoView()->signal_OtherBusy(BusinessFixture::makePerson(QStringLiteral("busy")));
        emit UI_ControlView::instance()->sig_showMsgTip(QStringLiteral("tip"), POPUP_HANDLE_CONFERENCE);
        emit business->getGroupMgrView()->sig_onQueryConferenceMember(
            200, QStringLiteral("g"), { { QStringLiteral("a"), QStringLiteral("A"), 0 } });
        QTRY_COMPARE(r.got.size(), 6);
        QCOMPARE(r.got, BusinessFixture::texts({ "200:c9", "5", "6/1/1", "busy", "tip4", "200:g:1" }));
    }

    void resetAllRestoresFreshStateAndKeepsConnections()
    {
        auto* business = BusinessFixture::business();
        BusinessFixture::setCurrentUser(QStringLiteral("me"));
        business->getVoipView()->SetVoipCallStatus(4);
        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        conf->setRoster({ BusinessFixture::makeMember(QStringLiteral("me")) });
        conf->m_isRecording = true;
        conf->m_screenShareMode = 2;
        conf->startIgnoreSdkInfo();
        business->getMultimediaMgrView()->state().status = MULTIMEDIA_VIDYO;
        business->getGroupMgrView()->addGroup(
            QSharedPointer<AddressBookGroup>::create(QStringLiteral("g"), QStringLiteral("G")));
        QSignalSpy closed(conf, &UnifiedConferenceView::sig_closeConferenceMainWidget);

        business->resetAll();

        QCOMPARE(business->getVoipView()->GetVoipCallStatus(), 0);
        QCOMPARE(conf->rosterSize(), 0);
        QVERIFY(!conf->m_isRecording);
        QCOMPARE(conf->m_screenShareMode, 0);
        QVERIFY(!conf->getIsIgnoreSdkInfo());
        QVERIFY(!conf->ignoreSdkInfoTimer()->isActive());
        QCOMPARE(business->getUserInfoView()->getCurUserAccount(), QString());
        QCOMPARE(business->getAddressBookView()->directorySize(), 0);
        QCOMPARE(business->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_FREE);
        QVERIFY(business->getGroupMgrView()->state().groups.isEmpty());
        QCOMPARE(BusinessFixture::journal()->size(), 4); // the queries just made
        emit conf->sig_closeConferenceMainWidget();
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(tst_BusinessViews)
#include "tst_BusinessViews.moc"
