#include "business/KP_BusinessView.h"
#include "support/BusinessFixture.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>

using F = BusinessFixture;

// The business stand-in's state as the module reads it: call-status marks, the
// roster keyed by account and device, host and self, the directory, the record
// types crossing queued connections, and the fixture's reset.
class tst_BusinessViews : public QObject
{
    Q_OBJECT

private slots:
    void init() { F::reset(); }

    void callStatusMarksCombineAndCancelIndependently()
    {
        QCOMPARE(F::voip()->GetVoipCallStatus(), 0);
        F::voip()->SetVoipCallStatus(8); // incoming call ringing
        F::voip()->SetVoipCallStatus(2); // voice call window
        F::voip()->SetVoipCallStatus(2);
        QCOMPARE(F::voip()->GetVoipCallStatus(), 10);
        F::voip()->CancelVoipCallStatus(8);
        F::voip()->CancelVoipCallStatus(8); // cancelling twice is harmless
        F::voip()->CancelVoipCallStatus(4); // never set
        QCOMPARE(F::voip()->GetVoipCallStatus(), 2);
        F::voip()->CancelVoipCallStatus(2);
        QCOMPARE(F::voip()->GetVoipCallStatus(), 0);
    }

    void rosterKeysMembersByAccountAndDevice()
    {
        QCOMPARE(memberKey(QStringLiteral("alice"), CONFMEMBER_DEVICE_NONE), QStringLiteral("alice|-1"));
        QCOMPARE(memberKey(QStringLiteral("50%2off"), 1), QStringLiteral("50%2off|1")); // '%' kept as it is
        QCOMPARE(F::makeMember(QStringLiteral("bob"), CONFMEMBER_DEVICE_WEB).key(), QStringLiteral("bob|21"));

        UnifiedConferenceView* conf = F::conf();
        conf->setRoster(
            { F::makeMember(QStringLiteral("alice")), F::makeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_MOBILE),
                F::makeMember(QStringLiteral("bob"), CONFMEMBER_DEVICE_PC, false),
                F::makeMember(QStringLiteral("carol"), CONFMEMBER_DEVICE_NONE) });
        bool found = false;
        QCOMPARE(conf->findConferenceMemberInfo(QStringLiteral("alice"), CONFMEMBER_DEVICE_MOBILE, found).deviceType,
            CONFMEMBER_DEVICE_MOBILE);
        QVERIFY(found);
        QVERIFY(
            conf->findConferenceMemberInfo(QStringLiteral("alice"), CONFMEMBER_DEVICE_WEB, found).account.isEmpty());
        QVERIFY(!found);

        // Replacing keeps the arrival order.
        ConferenceMemberInfo renamed = F::makeMember(QStringLiteral("alice"));
        renamed.name = QStringLiteral("Alice W.");
        conf->upsertMember(renamed);
        QCOMPARE(conf->getAllConferenceInfo().first().name, QStringLiteral("Alice W."));
        QCOMPARE(conf->rosterSize(), 4);
        QCOMPARE(conf->getMembersInConf(), F::texts({ "alice", "alice", "carol" }));
        QCOMPARE(conf->getOnlineConferenceInfos(false).size(), 2); // the member without media left out
        QCOMPARE(conf->getOnlineConferenceInfos(true).size(), 3);
        QVERIFY(conf->removeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC));
        QVERIFY(!conf->removeMember(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC));
        QCOMPARE(conf->getAllConferenceInfo().first().deviceType, CONFMEMBER_DEVICE_MOBILE);

        // Ten thousand members: every one found, removals keep the rest in order.
        QList<ConferenceMemberInfo> many;
        for (int i = 0; i < 10000; ++i)
            many << F::makeMember(
                QStringLiteral("m%1").arg(i), i % 2 ? CONFMEMBER_DEVICE_PC : CONFMEMBER_DEVICE_MOBILE);
        conf->setRoster(many);
        for (int i = 0; i < 10000; i += 2)
            QVERIFY(conf->removeMember(many.at(i).account, many.at(i).deviceType));
        for (int i = 1; i < 10000; i += 2) {
            conf->findConferenceMemberInfo(many.at(i).account, many.at(i).deviceType, found);
            QVERIFY(found);
        }
        QCOMPARE(conf->rosterSize(), 5000);
        QCOMPARE(conf->roster().first().account + conf->roster().last().account, QStringLiteral("m1m9999"));
    }

    void hostAndSelfFollowRosterAndLoggedInUser()
    {
        UnifiedConferenceView* conf = F::conf();
        F::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        ConferenceMemberInfo host = F::makeMember(QStringLiteral("boss"));
        host.isHost = true;
        conf->setRoster({ F::makeMember(QStringLiteral("me")), host,
            F::makeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE) });
        QVERIFY(!conf->isHost() && conf->isConferenceHost(QStringLiteral("boss")));
        QVERIFY(!conf->isConferenceHost(QString()));
        conf->setHostAccount(QStringLiteral("me"));
        QVERIFY(conf->isHost() && !conf->isConferenceHost(QStringLiteral("boss")));
        // Host on two devices: losing one entry keeps the role.
        QVERIFY(conf->removeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_PC));
        QVERIFY(conf->isHost());
        conf->upsertMember(F::makeMember(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE));
        QVERIFY(!conf->isHost());

        // The local user is the desktop client (20) of the own account; any device
        // of it when the account may be in only one place.
        QVERIFY(conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_PC));
        QVERIFY(!conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE));
        conf->state().appSetting.multiDeviceMode = 0;
        QVERIFY(conf->isMySelf(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE));
        QVERIFY(!conf->isMySelf(QStringLiteral("boss"), CONFMEMBER_DEVICE_PC));
    }

    void directoryFindsPersonsByAccountPhoneAndSearchText()
    {
        AddressBookView* book = F::business()->getAddressBookView();
        auto alice = F::makePerson(QStringLiteral("alice.chen"), QStringLiteral("Alice Chen"),
            QStringLiteral("13800001111"), QStringLiteral("Sales"));
        auto bob = F::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li"), QStringLiteral("13900002222"));
        auto bob2 = F::makePerson(
            QStringLiteral("bob.li"), QStringLiteral("Bob Li"), QStringLiteral("13700003333"), QStringLiteral("Legal"));
        book->setDirectory({ alice, bob, F::makePerson(QString(), QStringLiteral("No account")), bob2 });
        QCOMPARE(book->directorySize(), 2); // no account skipped, same account replaced

        QCOMPARE(book->getAddressBookOnePerson_Account(QStringLiteral("alice.chen"), false), alice);
        QVERIFY(!book->getAddressBookOnePerson_Account(QString(), false));
        QVERIFY(!book->getAddressBookOnePerson_Account(QStringLiteral("ghost"), true));
        QCOMPARE(book->getPersonByPhoneNum(QStringLiteral(" 13700003333 ")), bob2);
        QVERIFY(!book->isPhoneNumExist(QStringLiteral("13900002222"))); // replaced with its number
        QVERIFY(!book->isPhoneNumExist(QString()));

        const auto found = [book](const char* text) {
            QStringList out;
            for (const auto& p : book->searchPersons(QString::fromUtf8(text)))
                out << p->account();
            return out.join(QLatin1Char(','));
        };
        QCOMPARE(found("ALICE"), QStringLiteral("alice.chen"));
        QCOMPARE(found("b.l"), QStringLiteral("bob.li"));
        QCOMPARE(found("0000"), QStringLiteral("alice.chen,bob.li"));
        QCOMPARE(found("legal"), QStringLiteral("bob.li"));
        QCOMPARE(found("  "), QStringLiteral("alice.chen,bob.li"));
        QCOMPARE(found("zzz"), QString());

        // A shared number belongs to the first person with it, and passes on
        // when that person is replaced with another number.
        auto carol = F::makePerson(QStringLiteral("carol"), QString(), QStringLiteral("555"));
        auto dave = F::makePerson(QStringLiteral("dave"), QString(), QStringLiteral("555"));
        book->addPerson(carol);
        book->addPerson(dave);
        QCOMPARE(book->isPhoneNumExist(QStringLiteral("555")), carol);
        book->addPerson(F::makePerson(QStringLiteral("carol"), QString(), QStringLiteral("556")));
        QCOMPARE(book->isPhoneNumExist(QStringLiteral("555")), dave);
        QCOMPARE(book->persons().at(2)->phoneNumber(), QStringLiteral("556")); // replaced in place

        // Who may be offered for selection: persons with an account, active ones
        // unless the inactive are asked for too.
        carol->setActive(false);
        QVERIFY(!carol->isValidPerson(false) && carol->isValidPerson(true));
        QVERIFY(!AddressBookPerson().isValidPerson(true));
    }

    void ignoringSystemMessagesEndsWithItsTimer()
    {
        UnifiedConferenceView* conf = F::conf();
        QVERIFY(!conf->getIsIgnoreSdkInfo());
        conf->startIgnoreSdkInfo();
        QVERIFY(conf->getIsIgnoreSdkInfo());
        QVERIFY(conf->ignoreSdkInfoTimer()->isActive());
        F::fire(conf->ignoreSdkInfoTimer());
        QVERIFY(!conf->getIsIgnoreSdkInfo());
    }

    void recordTextsSurviveBadInput()
    {
        // A share window title is a zero-terminated UTF-8 buffer: never cut inside a character.
        Agent_ECShareDeviceInfo info;
        info.setTitle(QString(300, QLatin1Char('x')));
        QCOMPARE(int(std::strlen(info.title)), 255);
        info.setTitle(QString(254, QLatin1Char('a')) + QChar(0xE9)); // é takes two bytes
        QCOMPARE(int(std::strlen(info.title)), 254);
        info.setTitle(QStringLiteral("Report"));
        QCOMPARE(info.titleText(), QStringLiteral("Report"));

        QString room, pwd, host;
        QVERIFY(MsgUtil::parseWbssInfo(
            MsgUtil::makeWbssInfo(QStringLiteral("r1"), QStringLiteral("p"), QStringLiteral("h")), room, pwd, host));
        QCOMPARE(room + pwd + host, QStringLiteral("r1ph"));
        QVERIFY(!MsgUtil::parseWbssInfo("{broken", room, pwd, host));
        QVERIFY(room.isEmpty() && pwd.isEmpty() && host.isEmpty());
        QVERIFY(!MsgUtil::parseWbssInfo("[1,2]", room, pwd, host));
    }

    void everySignalArgumentCanCrossAQueuedConnection()
    {
        // A type the meta-type system does not know by the name the signal
        // spells cannot be queued (the connection fails at run time).
        QList<QObject*> senders { UI_ControlView::instance(), F::journal() };
        for (QObject* child : F::business()->children())
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
        // The record overloads of one signal name stay apart.
        const QMetaObject* conf = F::business()->getUnifiedConferenceView()->metaObject();
        QVERIFY(conf->indexOfSignal("sig_updateConferenceInfo(bool,ConferenceBriefInfo)") >= 0);
        QVERIFY(conf->indexOfSignal("sig_updateMemberInfo(QString,ENUM_CONFMEMBER_DEVICETYPE,QString)") >= 0);
    }

    void resetAllRestoresFreshStateAndKeepsConnections()
    {
        auto* business = F::business();
        F::setCurrentUser(QStringLiteral("me"));
        business->getVoipView()->SetVoipCallStatus(4);
        UnifiedConferenceView* conf = business->getUnifiedConferenceView();
        conf->setRoster({ F::makeMember(QStringLiteral("me")) });
        conf->m_isRecording = true;
        conf->startIgnoreSdkInfo();
        business->getMultimediaMgrView()->state().status = MULTIMEDIA_VIDYO;
        business->getGroupMgrView()->addGroup(
            QSharedPointer<AddressBookGroup>::create(QStringLiteral("g"), QStringLiteral("G")));
        QSignalSpy closed(conf, &UnifiedConferenceView::sig_closeConferenceMainWidget);

        business->resetAll();

        QCOMPARE(business->getVoipView()->GetVoipCallStatus(), 0);
        QCOMPARE(conf->rosterSize(), 0);
        QVERIFY(!conf->m_isRecording);
        QVERIFY(!conf->getIsIgnoreSdkInfo() && !conf->ignoreSdkInfoTimer()->isActive());
        QCOMPARE(business->getUserInfoView()->getCurUserAccount(), QString());
        QCOMPARE(business->getAddressBookView()->directorySize(), 0);
        QCOMPARE(business->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_FREE);
        QVERIFY(business->getGroupMgrView()->state().groups.isEmpty());
        emit conf->sig_closeConferenceMainWidget();
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(tst_BusinessViews)
#include "tst_BusinessViews.moc"
