#include "customui/KpMsgBox.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "members/MemberRowPainter.h"
#include "members/MemberTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

using namespace MemberTest;
using F = BusinessFixture;

class tst_ConfMembersControl : public MemberSuite
{
    Q_OBJECT

    static void reload(const QList<ConferenceMemberInfo>& list)
    {
        emit conf()->sig_onGetConferenceMemberInfoList(list);
    }
    // Bob the host, the local user on two devices, Zed with a raised hand, Amy absent.
    static QList<ConferenceMemberInfo> roster()
    {
        ConferenceMemberInfo zed = member("zed", CONFMEMBER_DEVICE_PC, true, "Zed");
        zed.isHandUp = true;
        return { member("ann", CONFMEMBER_DEVICE_PC, true, "Ann"), member("me", CONFMEMBER_DEVICE_MOBILE, true, "Me"),
            zed, host(member("bob", CONFMEMBER_DEVICE_PC, true, "Bob")), member("me", CONFMEMBER_DEVICE_PC, true, "Me"),
            member("amy", CONFMEMBER_DEVICE_PC, false, "Amy"), member("", CONFMEMBER_DEVICE_PC, true, "Nobody") };
    }
    static void makeUserHost(bool on) { conf()->setRoster({ on ? host(member("me")) : member("me") }); }
    static QPoint moreButtonOf(MemberListViewBase* view, const char* key)
    {
        const QRect row = rowRect(view, QString::fromLatin1(key));
        return QPoint(row.right() - 25 + 7, row.top() + 22 + 7); // 15 x 15 at R - 2s - 15, (60 - 15) / 2
    }
    static KpMsgBox* box() { return TestWindows::visibleWindow<KpMsgBox>(); }

private slots:
    void fullReloadFillsSortsCountsAndLowersHands()
    {
        ConfMembersControlWidget w;
        QSignalSpy counts(&w, &ConfMembersControlWidget::sig_onConferenceCountChange);
        reload(roster());
        // Host first although the user is not host; own rows next; then the greater name.
        QCOMPARE(shownKeys(w.joinedList()), F::texts({ "bob|20", "me|20", "me|2", "zed|20", "ann|20" }));
        QCOMPARE(shownKeys(w.notEnrolledList()), F::texts({ "amy|20" }));
        QCOMPARE(counts.last(), (QList<QVariant> { 5, 1, 6 }));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("btn_attend"))->text(), QStringLiteral("Joined (5)"));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("btn_unAttend"))->text(), QStringLiteral("Not enrolled (1)"));
        QVERIFY(!w.joinedList()->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC).isHandUp);

        // An empty list keeps everything; a new list replaces everything.
        reload({});
        QCOMPARE(w.joinedList()->memberCount(), 5);
        reload({ member("cy") });
        QCOMPARE(shownKeys(w.joinedList()), F::texts({ "cy|20" }));
        QCOMPARE(w.notEnrolledList()->memberCount(), 0);
        QCOMPARE(counts.last(), (QList<QVariant> { 1, 0, 1 }));
    }

    void updatesMoveOnlyTheirRowAndKeepTheRaisedHand()
    {
        ConfMembersControlWidget w;
        reload(roster());
        ConfMembersControlListView* joined = w.joinedList();
        QSignalSpy inserted(joined->memberModel(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(joined->memberModel(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy resorted(joined->sortModel(), &QAbstractItemModel::layoutChanged);

        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("zed"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onHandUp(false, QStringLiteral("busy"), false, QStringLiteral("zed"), CONFMEMBER_DEVICE_PC);
        QVERIFY(joined->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC).isHandUp);

        ConferenceMemberInfo report = member("zed", CONFMEMBER_DEVICE_PC, true, "Zed");
        report.isMicOpen = false;
        report.isCameraOpen = false;
        emit conf()->sig_updateMemberInfo(report, CONF_MEMBER_ACTION_MIC_OFF);
        ConferenceMemberInfo zed = joined->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC);
        QVERIFY(!zed.isMicOpen && zed.isCameraOpen && zed.isHandUp);
        emit conf()->sig_updateMemberInfo(report, CONF_MEMBER_ACTION_CAMERA_OFF);
        emit conf()->sig_updateMemberInfo(host(report), CONF_MEMBER_ACTION_RENAME);
        zed = joined->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC);
        QVERIFY(!zed.isCameraOpen && !zed.isHost);
        // Hands, microphones and cameras leave the order alone: nothing is sorted for them.
        QCOMPARE(resorted.count(), 0);

        // A new record of a known member keeps the raised hand and moves the row.
        emit conf()->sig_onJoinConferenceNotify(
            member("zed", CONFMEMBER_DEVICE_PC, true, "Aaron"), QStringLiteral("c1"));
        QVERIFY(joined->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC).isHandUp);
        QCOMPARE(shownKeys(joined), F::texts({ "bob|20", "me|20", "me|2", "ann|20", "zed|20" }));
        emit conf()->sig_updateMemberInfo(QStringLiteral("ann"), CONFMEMBER_DEVICE_PC, QStringLiteral("Aa"));
        QCOMPARE(shownKeys(joined).mid(3), F::texts({ "zed|20", "ann|20" }));
        ConferenceMemberInfo venue = member("ann");
        venue.isMainVenue = true;
        emit conf()->sig_updateMainConfMemberControlWidget(venue);
        QVERIFY(joined->find(QStringLiteral("ann"), CONFMEMBER_DEVICE_PC).isMainVenue);
        QCOMPARE(joined->find(QStringLiteral("ann"), CONFMEMBER_DEVICE_PC).name, QStringLiteral("Aa"));

        // Members that are gone, or never were, change nothing.
        emit conf()->sig_updateMemberInfo(member("ghost"), CONF_MEMBER_ACTION_MIC_ON);
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_updateMemberInfo(QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC, QStringLiteral("G"));
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("zed"), CONFMEMBER_DEVICE_MOBILE);
        QCOMPARE(joined->memberCount(), 5);
        QVERIFY(joined->find(QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC).account.isEmpty());
        // Not one row was taken out of the model or put back: each update moved its row in the proxy.
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(removed.count(), 0);
    }

    void joinTakesEveryNotEnrolledRowContainingTheAccount()
    {
        ConfMembersControlWidget w;
        emit conf()->sig_onInviteMemberList(
            { member("123", CONFMEMBER_DEVICE_PC, false), member("12", CONFMEMBER_DEVICE_MOBILE, false),
                member("45", CONFMEMBER_DEVICE_PC, false) },
            true);
        QCOMPARE(w.notEnrolledCount(), 3);
        emit conf()->sig_onJoinConferenceNotify(member("12"), QStringLiteral("c1"));
        QCOMPARE(shownKeys(w.notEnrolledList()), F::texts({ "45|20" }));
        QCOMPARE(w.notEnrolledMembers().keys(), F::texts({ "123", "45" }));
        // Two devices, two rows; a record without account is refused.
        emit conf()->sig_onJoinConferenceNotify(member("12", CONFMEMBER_DEVICE_MOBILE), QStringLiteral("c1"));
        emit conf()->sig_onJoinConferenceNotify(member(""), QStringLiteral("c1"));
        QCOMPARE(shownKeys(w.joinedList()), F::texts({ "12|20", "12|2" }));

        // Quit and kick take the row out of both lists and the member out of the map.
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("12"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onConfMsgKickMember(QStringLiteral("45"), CONFMEMBER_DEVICE_PC);
        QCOMPARE(shownKeys(w.joinedList()), F::texts({ "12|2" }));
        QCOMPARE(w.notEnrolledCount(), 0);
        QVERIFY(w.joinedAccounts().isEmpty());
        QCOMPARE(w.notEnrolledMembers().keys(), F::texts({ "123" }));
    }

    void searchMatchesNamesOfBothListsAndClearingReturnsToTheJoinedPage()
    {
        ConfMembersControlWidget w;
        reload({ member("a", CONFMEMBER_DEVICE_PC, true, "Ann"), member("h", CONFMEMBER_DEVICE_PC, true, "Hannah"),
            member("o", CONFMEMBER_DEVICE_PC, false, "Joanna") });
        auto* edit = w.findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        auto* clear = w.findChild<QPushButton*>(QStringLiteral("btn_clear"));
        QVERIFY(TestWindows::click(&w, "btn_unAttend"));

        // The demo's member scenario walks the search and clear pages; here, what matches.
        QTest::keyClicks(edit, QStringLiteral("ann"));
        QCOMPARE(shownKeys(w.searchList()), F::texts({ "o|20", "h|20" })); // case-sensitive: not "Ann"
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("wgt_attend"))->isHidden());
        QVERIFY(!clear->isHidden());

        // The search button searches again: a member who joined since is found.
        emit conf()->sig_onJoinConferenceNotify(member("j", CONFMEMBER_DEVICE_PC, true, "Janne"), QString());
        QCOMPARE(w.searchList()->memberCount(), 2);
        QVERIFY(TestWindows::click(&w, "btn_search"));
        QCOMPARE(w.searchList()->memberCount(), 3);

        QVERIFY(TestWindows::click(&w, "btn_clear"));
        QVERIFY(edit->text().isEmpty());
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("wgt_attend"))->isHidden());
        QVERIFY(clear->isHidden());
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("btn_attend"))->isChecked());
    }

    void hostChangesAndSpeakersOfAnotherConferenceAreIgnored()
    {
        ConfMembersControlWidget w;
        w.setConfId(QStringLiteral("c1"));
        reload(roster());
        auto* control = w.findChild<QPushButton*>(QStringLiteral("btn_member_control"));
        QVERIFY(control->isHidden());
        emit conf()->sig_changedHost({ host(member("me")) }, QStringLiteral("c2"));
        emit conf()->sig_onConferenceParticipant(QStringLiteral("c2"), { { QStringLiteral("me"), 80, 20 } });
        QVERIFY(!w.isHost());
        QVERIFY(w.joinedList()->delegate()->speakingList().isEmpty());

        emit conf()->sig_changedHost(
            { host(member("me", CONFMEMBER_DEVICE_PC, true, "Me")), member("bob", CONFMEMBER_DEVICE_PC, true, "Bob") },
            QStringLiteral("c1"));
        emit conf()->sig_onConferenceParticipant(QStringLiteral("c1"), { { QStringLiteral("me"), 80, 20 } });
        QVERIFY(w.isHost());
        QVERIFY(!control->isHidden());
        QCOMPARE(shownKeys(w.joinedList()).mid(0, 3), F::texts({ "me|20", "me|2", "zed|20" }));
        QCOMPARE(w.joinedList()->delegate()->speakingList().size(), 1);

        // The all-member buttons act for a host only.
        w.setIsHost(false);
        QVERIFY(TestWindows::click(&w, "btn_closeAllMicphones"));
        QVERIFY(F::journalCommands().isEmpty());
        w.setIsHost(true);
        for (const char* name :
            { "btn_closeAllMicphones", "btn_openAllMicphones", "btn_closeAllCameras", "btn_openAllCameras" })
            QVERIFY(TestWindows::click(&w, name));
        QCOMPARE(F::journalCalls(),
            F::texts({ "controlAllMemberMicphone(false)", "controlAllMemberMicphone(true)",
                "controlAllMemberCamera(false)", "controlAllMemberCamera(true)" }));
    }

    void moreMenuByMenuKindSendsEachAction()
    {
        ConfMembersControlWidget w;
        w.resize(312, 600);
        w.show();
        ConferenceMemberInfo bob = member("bob", CONFMEMBER_DEVICE_PC, true, "Bob");
        bob.isCameraOpen = false;
        reload({ member("me", CONFMEMBER_DEVICE_PC, true, "Me"), member("me", CONFMEMBER_DEVICE_MOBILE, true, "Me"),
            member("pad", CONFMEMBER_DEVICE_PAD_LIMITED, true, "Pad"), bob });
        ConfMembersControlListView* joined = w.joinedList();
        QMenu* menu = joined->delegate()->moreMenu();

        // Not host: only the own device-20 row has a menu.
        makeUserHost(false);
        QCOMPARE(pressForMenu(joined, moreButtonOf(joined, "me|20"), menu), F::texts({ "Close video", "Close audio" }));
        QVERIFY(pressForMenu(joined, moreButtonOf(joined, "bob|20"), menu).isEmpty());
        QVERIFY(pressForMenu(joined, moreButtonOf(joined, "me|2"), menu).isEmpty());

        makeUserHost(true);
        QCOMPARE(pressForMenu(joined, moreButtonOf(joined, "me|2"), menu),
            F::texts({ "Close video", "Close audio", "Kick out" }));
        QCOMPARE(pressForMenu(joined, moreButtonOf(joined, "pad|11"), menu),
            F::texts({ "Close video", "Close audio", "Kick out" }));
        const auto choose = [&](const char* text) {
            return pressForMenu(joined, moreButtonOf(joined, "bob|20"), menu,
                [&] { QVERIFY(trigger(menu, QString::fromLatin1(text))); });
        };
        QCOMPARE(choose("Open video"), F::texts({ "Open video", "Close audio", "Kick out", "Set as host" }));
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("3|bob|20|1"));
        choose("Close audio");
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("2|bob|20|0"));
        choose("Set as host");
        const auto cmd = F::journal()->last(QStringLiteral("setHost_V3")).args.value(0).value<ConfSendCmdInfo>();
        QCOMPARE(cmd.account, QStringLiteral("bob"));
        QCOMPARE(int(cmd.deviceType), 20);
        QVERIFY(!joined->delegate()->isMenuShown());

        // Kick out asks first; the answer kicks, and the mask goes with the box.
        QSignalSpy mask(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
        QSignalSpy unmask(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        choose("Kick out");
        QVERIFY(box());
        QCOMPARE(box()->messageText(), QStringLiteral("Are you sure to kick out Bob?"));
        QCOMPARE(mask.count(), 1);
        QCOMPARE(mask.first().value(1).value<PopUpHandleType>(), POPUP_HANDLE_CONFERENCE);
        box()->slot_onCancel();
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("2|bob|20|0"));
        choose("Kick out");
        box()->slot_onOk();
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("0|bob|20|0"));
        QCOMPARE(unmask.count(), 2);
    }

    void memberLeavingOrListDeletedWhileAskedLeavesNothingBehind()
    {
        auto* w = new ConfMembersControlWidget;
        w->resize(312, 600);
        w->show();
        makeUserHost(true);
        reload({ member("me"), member("bob", CONFMEMBER_DEVICE_PC, true, "Bob"), member("cy") });
        ConfMembersControlListView* joined = w->joinedList();
        QMenu* menu = joined->delegate()->moreMenu();
        F::journal()->clear();

        // The member quits while its menu is open: the menu closes and does nothing.
        pressForMenu(joined, moreButtonOf(joined, "bob|20"), menu, [&] {
            emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("bob"), CONFMEMBER_DEVICE_PC);
            QVERIFY(!menu->isVisible());
            trigger(menu, QStringLiteral("Close audio"));
        });
        // ... or while the kick-out question is open: the question goes unanswered.
        joined->slot_showMsgBox(QStringLiteral("Information"), QStringLiteral("?"), QStringLiteral("cy"),
            CONFMEMBER_DEVICE_PC, MessageType_KickOut);
        emit conf()->sig_onConfMsgKickMember(QStringLiteral("cy"), CONFMEMBER_DEVICE_PC);
        QVERIFY(!box());
        QVERIFY(F::journalCommands().isEmpty());

        // The whole list goes while its menu runs; then while a question is open.
        QPointer<ConfMembersControlWidget> guard(w);
        pressForMenu(joined, moreButtonOf(joined, "me|20"), menu, [&] { delete w; });
        QVERIFY(guard.isNull());
        auto* again = new ConfMembersControlWidget;
        again->joinedList()->slot_showMsgBox(QStringLiteral("Information"), QStringLiteral("?"), QStringLiteral("me"),
            CONFMEMBER_DEVICE_PC, MessageType_KickOut);
        QVERIFY(box());
        delete again;
        QVERIFY(F::journalCommands().isEmpty());
    }

    void raisedHandAnswersConnectOrLowerTheHand()
    {
        ConfMembersControlListView list;
        list.addOrUpdate(member("zed"));
        const auto ask = [&] {
            list.slot_showMsgBox(QStringLiteral("Deal with hands up"), QStringLiteral("?"), QStringLiteral("zed"),
                CONFMEMBER_DEVICE_MOBILE, MessageType_HandsUp);
        };
        ask();
        QCOMPARE(box()->findChild<QPushButton*>(QStringLiteral("okBtn"))->text(), QStringLiteral("Connect"));
        QCOMPARE(box()->findChild<QPushButton*>(QStringLiteral("cancelBtn"))->text(), QStringLiteral("Ignore"));
        box()->slot_onOk();
        QCOMPARE(
            F::journalCalls(), F::texts({ "controlMemberHand(zed,2,false)", "controlMemberMicphone(zed,2,true)" }));
        F::journal()->clear();
        ask();
        box()->slot_onCancel();
        QCOMPARE(F::journalCommands(), F::texts({ "controlMemberHand" }));
        // A type the list does not know does nothing either way.
        list.slot_showMsgBox(QString(), QString(), QStringLiteral("zed"), CONFMEMBER_DEVICE_PC, MessageType(7));
        box()->slot_onOk();
        QCOMPARE(F::journalCommands(), F::texts({ "controlMemberHand" }));
    }

    void absentMemberIsCalledBackByTelephoneOrInvitation()
    {
        ConfMembersControlWidget w;
        w.resize(312, 600);
        w.show();
        emit conf()->sig_onInviteMemberList({ member("01055501234", CONFMEMBER_DEVICE_TELEPHONE, false),
                                                member("amy", CONFMEMBER_DEVICE_PC, false, "Amy") },
            false);
        QVERIFY(TestWindows::click(&w, "btn_unAttend"));
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        ConfMembersControlListView* absent = w.notEnrolledList();
        const auto call = [&](const char* key) {
            const QRect row = rowRect(absent, QString::fromLatin1(key));
            press(absent, QPoint(row.right() + 1 - 48, row.top() + 29)); // the microphone's place, R - 48.5
        };
        call("01055501234|1");
        const auto phones
            = F::journal()->last(QStringLiteral("invitePhoneMembers")).args.value(0).value<LandingCallMemberMap>();
        QCOMPARE(phones.keys(), F::texts({ "01055501234" }));
        call("amy|20");
        QCOMPARE(F::journal()->last(QStringLiteral("inviteMembers")).args.value(0).toStringList(), F::texts({ "amy" }));
        QCOMPARE(tips.count(), 2);
        QCOMPARE(tips.last().value(0).toString(), QStringLiteral("Invitation sent!"));
    }

    void avatarIsReadOnceAndRowsOfOtherValuesAreSkipped()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("ann.png"));
        QImage image(40, 40, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(picture));
        auto ann = F::makePerson(QStringLiteral("ann"), QStringLiteral("Ann"));
        ann->setHeadImagePath(picture);
        F::business()->getAddressBookView()->addPerson(ann);

        ConfMembersControlListView list;
        list.resize(312, 300);
        list.show();
        list.addAll({ member("ann", CONFMEMBER_DEVICE_PC, true, "Ann"), member("bob") });
        list.doItemsLayout();
        const int before = MemberRowPainter::avatarFileReads();
        list.grab();
        list.grab();
        QCOMPARE(MemberRowPainter::avatarFileReads(), before + 1);
        ann->setHeadImagePath(dir.filePath(QStringLiteral("missing.png")));
        list.grab();
        QCOMPARE(MemberRowPainter::avatarFileReads(), before + 1);

        // A value that is no member record is neither painted, nor pressed, nor sorted by the rule.
        list.memberModel()->item(0)->setData(42, MemberListViewBase::RecordRole);
        list.addOrUpdate(member("cy"));
        list.grab();
        press(&list, QPoint(290, 29));
        QCOMPARE(list.memberCount(), 3);
        QVERIFY(F::journalCommands().isEmpty());
    }
};

QTEST_MAIN(tst_ConfMembersControl)
#include "tst_ConfMembersControl.moc"
