#include "BusinessFixture.h"
#include "KP_BusinessView.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>

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

    template<typename T> struct NoDeduce
    {
        using type = T;
    };

    // Emits through a queued connection and checks that the value arrives intact.
    template<typename Value, typename Sender, typename... Args>
    void checkQueued(Sender* sender, void (Sender::*signal)(Args...), const Value& expected,
        const std::function<void()>& emitIt, const typename NoDeduce<std::function<Value(Args...)>>::type& pick)
    {
        bool arrived = false;
        Value received {};
        QObject context;
        connect(
            sender, signal, &context,
            [&](Args... args) {
                received = pick(args...);
                arrived = true;
            },
            Qt::QueuedConnection);
        emitIt();
        QTRY_VERIFY(arrived);
        QVERIFY(received == expected);
    }

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

    void localCommandsChangeWhatQueriesAnswer()
    {
        auto* business = BusinessFixture::business();
        VoipView* voip = business->getVoipView();
        voip->SetMute(true);
        voip->SetSpeakerStatus(0);
        voip->setRemoteMute(true);
        QVERIFY(voip->state().muted);
        QCOMPARE(voip->state().speakerVolume, 0u);
        QVERIFY(voip->state().remoteMuted);

        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        conf->state().inviteConfId = QStringLiteral("318204001");
        conf->state().inviteConfType = 3;
        QCOMPARE(conf->getInviteConfId(), QStringLiteral("318204001"));
        QCOMPARE(conf->getInviteConfType(), 3);
        conf->resetInviteConfId();
        QCOMPARE(conf->getInviteConfId(), QString());
        QCOMPARE(conf->getInviteConfType(), 0);

        conf->setConferenceType(CONFERENCE_TYPE_UNIFIED);
        QCOMPARE(conf->getConferenceType(), CONFERENCE_TYPE_UNIFIED);
        conf->enableVoiceActivate(true);
        QVERIFY(conf->isEnabledVoiceActivate());

        VidyoView* vidyo = business->getVidyoView();
        vidyo->state().vidyoingState = VidyoView::Vidyoing_Invited;
        vidyo->AcceptVidyo(VidyoJsonTransferData(), 1);
        QCOMPARE(vidyo->getVidyoingState(), int(VidyoView::Vidyoing_InSession));
        vidyo->resetVidyoingState();
        QCOMPARE(vidyo->getVidyoingState(), 0);
        vidyo->setPlayerWidget(nullptr, QRect(0, 50, 800, 550));
        vidyo->SetRect(QRect(0, 50, 900, 550));
        QCOMPARE(vidyo->getRect(), QRect(0, 50, 900, 550));

        MeetingView* meeting = business->getMeetingView();
        meeting->state().meetingStatus = MeetingView::Meeting_Invited;
        meeting->state().inviteMeetingType = 2;
        meeting->state().inviteMeetingCallid = QStringLiteral("m1");
        meeting->acceptMeeting();
        QCOMPARE(meeting->getMeetingStatus(), int(MeetingView::Meeting_InVideo));
        meeting->rejectMeeting();
        QCOMPARE(meeting->getMeetingStatus(), 0);
        QCOMPARE(meeting->getInviteMeetingCallid(), QString());

        business->getMultimediaMgrView()->state().status = MULTIMEDIA_CONFERENCE;
        business->getMultimediaMgrView()->resetStatus();
        QCOMPARE(business->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_FREE);
        business->getWhiteBoardView()->state().inMeeting = true;
        business->getWhiteBoardView()->wb_leaveRoom();
        QVERIFY(!business->getWhiteBoardView()->isInMeeting());
    }

    void memberKeyJoinsAccountAndDecimalDeviceType()
    {
        QCOMPARE(memberKey(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC), QStringLiteral("alice|20"));
        QCOMPARE(memberKey(QStringLiteral("alice"), CONFMEMBER_DEVICE_NONE), QStringLiteral("alice|-1"));
        QCOMPARE(memberKey(QStringLiteral("50%2off"), 1), QStringLiteral("50%2off|1"));
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

        AddressBookPerson person(QStringLiteral("p"), QStringLiteral("P"));
        QVERIFY(person.isValidPerson(false));
        person.setActive(false);
        QVERIFY(!person.isValidPerson(false));
        QVERIFY(person.isValidPerson(true));
        QVERIFY(!AddressBookPerson().isValidPerson(true));

        UserInfoView* user = business->getUserInfoView();
        QVERIFY(!user->getUserAuthority(USER_AUTHORITY_WHITEBOARD));
        user->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        QVERIFY(user->getUserAuthority(60));
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
        groups->state().confGroups.insert(QStringLiteral("c1"), QStringLiteral("session-1"));
        QCOMPARE(groups->getConfGroup(QStringLiteral("c1")), QStringLiteral("session-1"));
        QCOMPARE(groups->getConfGroup(QStringLiteral("c2")), QString());
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
        voip->setVideoViewEX(nullptr, nullptr, nullptr, nullptr);
        QCOMPARE(voip->state().remoteView, quintptr(0));
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

    void recordsCrossQueuedConnections()
    {
        auto* business = BusinessFixture::business();
        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        VoipView* voip = business->getVoipView();
        VidyoView* vidyo = business->getVidyoView();
        MeetingView* meeting = business->getMeetingView();

        ConferenceMemberInfo member = BusinessFixture::makeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_WEB);
        member.isHost = true;
        checkQueued<ConferenceMemberInfo>(
            conf, &UnifiedConferenceView::sig_onJoinConferenceNotify, member,
            [&] { emit conf->sig_onJoinConferenceNotify(member, QStringLiteral("c")); },
            [](ConferenceMemberInfo m, QString) { return m; });
        checkQueued<QList<ConferenceMemberInfo>>(
            conf, &UnifiedConferenceView::sig_onGetConferenceMemberInfoList, { member, member },
            [&] {
                emit conf->sig_onGetConferenceMemberInfoList({ member, member });
            },
            [](QList<ConferenceMemberInfo> l) { return l; });
        ConferenceBriefInfo brief;
        brief.confId = QStringLiteral("318204001");
        brief.startTime = 1700000000;
        checkQueued<ConferenceBriefInfo>(
            conf, &UnifiedConferenceView::sig_onInviteNormalConference, brief,
            [&] { emit conf->sig_onInviteNormalConference(brief, QStringLiteral("bob")); },
            [](ConferenceBriefInfo b, QString) { return b; });
        Agent_ConfNtyMsg nty { QStringLiteral("c"), QStringLiteral("107781"), 3, QString() };
        checkQueued<Agent_ConfNtyMsg>(
            conf, &UnifiedConferenceView::sig_onInviteNormalConferenceClose, nty,
            [&] { emit conf->sig_onInviteNormalConferenceClose(nty); }, [](Agent_ConfNtyMsg m) { return m; });
        QList<Agent_ConferenceParticipantMemberInfo> speakers { { QStringLiteral("alice"), 7, 20 } };
        checkQueued<QList<Agent_ConferenceParticipantMemberInfo>>(
            conf, &UnifiedConferenceView::sig_onConferenceParticipant, speakers,
            [&] { emit conf->sig_onConferenceParticipant(QStringLiteral("c"), speakers); },
            [](QString, QList<Agent_ConferenceParticipantMemberInfo> l) { return l; });
        CS_StatReports report { 120, 1.5, 2.5, 800, 900 };
        checkQueued<CS_StatReports>(
            conf, &UnifiedConferenceView::sig_onNetworkSignalStrength, report,
            [&] { emit conf->sig_onNetworkSignalStrength(report); }, [](CS_StatReports r) { return r; });
        checkQueued<ENUM_CONFMEMBER_DEVICETYPE>(
            conf, &UnifiedConferenceView::sig_onConfMsgMemberQuit, CONFMEMBER_DEVICE_PAD,
            [&] { emit conf->sig_onConfMsgMemberQuit(QStringLiteral("a"), CONFMEMBER_DEVICE_PAD); },
            [](QString, ENUM_CONFMEMBER_DEVICETYPE t) { return t; });
        const QList<QSharedPointer<AddressBookBase>> picked { BusinessFixture::makePerson(QStringLiteral("amy")) };
        checkQueued<QString>(
            conf, &UnifiedConferenceView::sig_selectConfMembers, QStringLiteral("amy"),
            [&] { emit conf->sig_selectConfMembers({ QStringLiteral("amy") }, picked, 2); },
            [](QStringList, QList<QSharedPointer<AddressBookBase>> l, int) {
                return l.value(0) ? l.value(0)->id() : QString();
            });

        Agent_VoIPCallMsg msg;
        msg.eventCode = VOIP_EVENT_ANSWERED;
        msg.callId = QStringLiteral("call-1");
        msg.mediaConnected = 1;
        checkQueued<Agent_VoIPCallMsg>(
            voip, &VoipView::sig_CallEvents, msg, [&] { emit voip->sig_CallEvents(200, msg); },
            [](int, Agent_VoIPCallMsg m) { return m; });
        Agent_VoIPComingInfo coming { 1, QStringLiteral("call-2"), QStringLiteral("bob"), QString(), QString() };
        checkQueued<Agent_VoIPComingInfo>(
            voip, &VoipView::sig_CallIncoming, coming, [&] { emit voip->sig_CallIncoming(coming); },
            [](Agent_VoIPComingInfo c) { return c; });
        const QList<Agent_CameraInfo> cameras { { 0, QStringLiteral("Cam"), QStringLiteral("id"), 1,
            { { 640, 480 } } } };
        checkQueued<QList<Agent_CameraInfo>>(
            voip, &VoipView::sig_onGetCameraInfo, cameras, [&] { emit voip->sig_onGetCameraInfo(cameras); },
            [](QList<Agent_CameraInfo> l) { return l; });
        checkQueued<QList<long long>>(
            voip, &VoipView::sig_onGetShareScreenInfoList, { 0, 1 },
            [&] {
                emit voip->sig_onGetShareScreenInfoList({ 0, 1 });
            },
            [](QList<long long> l) { return l; });
        Agent_ECShareDeviceInfo window;
        window.windowId = 42;
        window.setTitle(QStringLiteral("Editor"));
        checkQueued<QList<Agent_ECShareDeviceInfo>>(
            voip, &VoipView::sig_onGetShareDeviceInfoList, { window },
            [&] { emit voip->sig_onGetShareDeviceInfoList({ window }); },
            [](QList<Agent_ECShareDeviceInfo> l) { return l; });

        VidyoJsonTransferData data;
        data.callKind = QStringLiteral("1");
        data.fromAccount = QStringLiteral("carol");
        checkQueued<VidyoJsonTransferData>(
            vidyo, &VidyoView::signal_OtherRefuse, data, [&] { emit vidyo->signal_OtherRefuse(data); },
            [](VidyoJsonTransferData d) { return d; });
        checkQueued<int>(
            vidyo, &VidyoView::signal_getPlayerWidget, 4,
            [&] { emit vidyo->signal_getPlayerWidget(VidyoView::StartVidyo_AcceptedMeeting); },
            [](VidyoView::VidyoViewStartVidyoType t) { return int(t); });

        Agent_MeetingMemberInfo mm;
        mm.account = QStringLiteral("dan");
        mm.muteStatus = QStringLiteral("10");
        checkQueued<QList<Agent_MeetingMemberInfo>>(
            meeting, &MeetingView::sig_getVideoMeetingMembers, { mm },
            [&] { emit meeting->sig_getVideoMeetingMembers({ mm }); },
            [](QList<Agent_MeetingMemberInfo> l) { return l; });
        const Agent_VideoMeetingMsg state { QStringLiteral("m"), QStringLiteral("dan"), 1 };
        checkQueued<Agent_VideoMeetingMsg>(
            meeting, &MeetingView::sig_updateVideoState, state, [&] { emit meeting->sig_updateVideoState(state); },
            [](Agent_VideoMeetingMsg m) { return m; });

        const QList<ChatMsgData> chat { { QStringLiteral("1"), QStringLiteral("s"), QStringLiteral("a"),
            QStringLiteral("hi"), 5 } };
        ChatMsgControl* cb = business->getMsgCtrlCb();
        checkQueued<QList<ChatMsgData>>(
            cb, &ChatMsgControl::slot_onUpdateConfMsg, chat,
            [&] { emit cb->slot_onUpdateConfMsg(QStringLiteral("s"), chat); },
            [](QString, QList<ChatMsgData> l) { return l; });
        QVERIFY(business->getMsgCtrl() != cb);
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
