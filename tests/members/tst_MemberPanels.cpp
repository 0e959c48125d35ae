#include "customui/KpMenu.h"
#include "customui/KpMsgBox.h"
#include "members/ConfMembersControlWidget.h"
#include "members/ConfRightWgt.h"
#include "members/ConferenceMembersDelegate.h"
#include "members/ConferenceMembersListView.h"
#include "members/MemberTestSupport.h"
#include "members/PPC_Member.h"

#include <QLabel>
#include <QLineEdit>

using namespace MemberTest;
using F = BusinessFixture;

class tst_MemberPanels : public MemberSuite
{
    Q_OBJECT

    static QString labelText(QWidget* root, const char* name) { return TestWindows::child<QLabel>(root, name)->text(); }
    // Centre of the older list's button area k (28 x 24 at R - 2s - 28 - (s/2 + 28) k).
    static QPoint buttonArea(MemberListViewBase* view, const char* key, int k)
    {
        const QRect row = rowRect(view, QString::fromLatin1(key));
        return QPoint(int(row.right() + 1 - 38 - 30.5 * k) + 14, row.top() + 30);
    }
    static QPoint nameArea(MemberListViewBase* view, const char* key)
    {
        return rowRect(view, QString::fromLatin1(key)).topLeft() + QPoint(60, 20);
    }
    static KpMsgBox* box() { return TestWindows::visibleWindow<KpMsgBox>(); }

private slots:
    void sidePanelSwitchesPagesRelaysAndCallsAbsentMembersBack()
    {
        ConfRightWgt panel;
        panel.show();
        QCOMPARE(labelText(&panel, "label_title"), QStringLiteral("attendee"));
        panel.on_btn_chat_clicked();
        QCOMPARE(labelText(&panel, "label_title"), QStringLiteral("chat"));
        QVERIFY(panel.isChatPage());
        panel.on_btn_member_clicked();
        QVERIFY(!panel.isChatPage());

        QSignalSpy counts(&panel, &ConfRightWgt::sig_onConferenceCountChange);
        QSignalSpy closed(&panel, &ConfRightWgt::sig_conf_right_close_clicked);
        QVERIFY(TestWindows::click(&panel, "btn_close"));
        QCOMPARE(closed.count(), 1);
        QVERIFY(panel.isVisible()); // hiding is the conference window's decision

        panel.setIsHost(true);
        emit conf()->sig_onGetConferenceMemberInfoList(
            { member("me"), member("bob"), member("01055501234", CONFMEMBER_DEVICE_TELEPHONE, false),
                member("amy", CONFMEMBER_DEVICE_PC, false, "Amy") });
        QCOMPARE(counts.last(), (QList<QVariant> { 2, 2, 4 }));
        QCOMPARE(panel.joinedAccounts(), F::texts({ "bob", "me" }));

        QCOMPARE(panel.callOfflineMembers(), 2);
        QCOMPARE(F::journalCommands(), F::texts({ "invitePhoneMembers", "inviteMembers" }));
        QCOMPARE(F::journal()->last(QStringLiteral("inviteMembers")).args.value(0).toStringList(), F::texts({ "amy" }));
        emit conf()->sig_onGetConferenceMemberInfoList({ member("me") });
        QCOMPARE(panel.callOfflineMembers(), 0);
    }

    void olderPanelCountsJoinsByDeviceAndMutesAll()
    {
        conf()->state().creator = QStringLiteral("zed");
        ConferenceMemberInfo zed = member("zed", CONFMEMBER_DEVICE_PC, true, "Zed");
        zed.isHandUp = true;
        PPC_Member panel;
        QCOMPARE(labelText(&panel, "MemberCountTipLbl"), QStringLiteral("Conference Member ( 0 / 0 )"));
        QVERIFY(panel.findChild<QWidget*>(QStringLiteral("BottomWgt"))->isHidden());
        emit conf()->sig_onGetConferenceMemberInfoList(
            { host(member("bob", CONFMEMBER_DEVICE_PC, true, "Bob")), member("me"), zed,
                member("amy", CONFMEMBER_DEVICE_PC, false), member("amy", CONFMEMBER_DEVICE_MOBILE, false) });
        QCOMPARE(labelText(&panel, "MemberCountTipLbl"), QStringLiteral("Conference Member ( 5 / 16 )"));
        // The creator first, the host flag plays no part.
        QCOMPARE(shownKeys(panel.joinedList()), F::texts({ "zed|20", "me|20", "bob|20" }));
        QVERIFY(!panel.joinedList()->find(QStringLiteral("zed"), CONFMEMBER_DEVICE_PC).isHandUp);

        // A join takes the expected row of the same device only.
        emit conf()->sig_onJoinConferenceNotify(member("amy"), QStringLiteral("c1"));
        QCOMPARE(shownKeys(panel.expectedList()), F::texts({ "amy|2" }));
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("amy"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_updateMemberInfo(QStringLiteral("amy"), CONFMEMBER_DEVICE_PC, QStringLiteral("Amy Z"));
        const ConferenceMemberInfo amy = panel.joinedList()->find(QStringLiteral("amy"), CONFMEMBER_DEVICE_PC);
        QVERIFY(amy.isHandUp);
        QCOMPARE(amy.name, QStringLiteral("Amy Z"));
        emit conf()->sig_onConfMsgKickMember(QStringLiteral("amy"), CONFMEMBER_DEVICE_MOBILE);
        emit conf()->sig_onGetConferenceMemberInfoList({});
        QCOMPARE(labelText(&panel, "MemberCountTipLbl"), QStringLiteral("Conference Member ( 4 / 16 )"));

        panel.setIsHost(true);
        QVERIFY(!panel.findChild<QWidget*>(QStringLiteral("BottomWgt"))->isHidden());
        F::journal()->clear();
        QVERIFY(TestWindows::click(&panel, "YesBtn"));
        QVERIFY(TestWindows::click(&panel, "NoBtn"));
        QCOMPARE(F::journalCalls(), F::texts({ "controlAllMemberMicphone(false)", "controlAllMemberMicphone(true)" }));
    }

    void olderRowButtonsActForTheHostAndOnTheOwnRow()
    {
        conf()->setRoster({ host(member("me")) });
        PPC_Member panel;
        panel.resize(313, 700);
        panel.show();
        emit conf()->sig_onGetConferenceMemberInfoList({ member("bob", CONFMEMBER_DEVICE_PC, true, "Bob"), member("me"),
            member("amy", CONFMEMBER_DEVICE_PC, false, "Amy") });
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("bob"), CONFMEMBER_DEVICE_PC);
        ConferenceMembersListView* joined = panel.joinedList();

        press(joined, buttonArea(joined, "bob|20", 2));
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("3|bob|20|0"));
        press(joined, buttonArea(joined, "bob|20", 1));
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("2|bob|20|0"));
        press(joined, buttonArea(joined, "bob|20", 0));
        QCOMPARE(box()->messageText(), QStringLiteral("Are you sure to kick out Bob?"));
        box()->slot_onCancel();
        press(joined, buttonArea(joined, "bob|20", 3));
        QCOMPARE(box()->messageText(), QStringLiteral("Deal with Bob 's hands up"));
        box()->slot_onCancel();
        QCOMPARE(F::lastArgs(QStringLiteral("controlMemberHand")), QStringLiteral("bob|20|false"));
        // The own row has no remove button; an expected member is called back.
        F::journal()->clear();
        press(joined, buttonArea(joined, "me|20", 0));
        press(panel.expectedList(), buttonArea(panel.expectedList(), "amy|20", 0));
        QCOMPARE(F::journalCommands(), F::texts({ "inviteMembers" }));

        // In a training the remove button opens the training menu.
        conf()->state().conferenceType = CONFERENCE_TYPE_TRAINING;
        KpMenu* menu = joined->delegate()->trainingMenu();
        QCOMPARE(pressForMenu(joined, buttonArea(joined, "bob|20", 0), menu,
                     [&] { QVERIFY(trigger(menu, QStringLiteral("Set as the presenter"))); }),
            F::texts({ "Move out of training", "Set as the presenter" }));
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("2|bob|20|1"));
        pressForMenu(joined, buttonArea(joined, "bob|20", 0), menu,
            [&] { QVERIFY(trigger(menu, QStringLiteral("Move out of training"))); });
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("0|bob|20|0"));

        // Not host: only the own raised hand, which the member lowers.
        conf()->setRoster({ member("me") });
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("me"), CONFMEMBER_DEVICE_PC);
        F::journal()->clear();
        press(joined, buttonArea(joined, "bob|20", 2));
        press(joined, buttonArea(joined, "bob|20", 3));
        QVERIFY(F::journalCommands().isEmpty());
        press(joined, buttonArea(joined, "me|20", 3));
        QCOMPARE(F::lastArgs(QStringLiteral("memberOperate")), QStringLiteral("1|me|20|0"));
    }

    void renameInPlaceEndsOnReturnOrAPressElsewhere()
    {
        conf()->setRoster({ host(member("me")) });
        PPC_Member panel;
        panel.resize(313, 700);
        panel.show();
        ConferenceMemberInfo guest = member("g1", CONFMEMBER_DEVICE_WEB, true, "Guest");
        guest.memberType = 2;
        emit conf()->sig_onGetConferenceMemberInfoList({ member("bob", CONFMEMBER_DEVICE_PC, true, "Bob"), guest,
            member("cy", CONFMEMBER_DEVICE_PC, true, "Cy") });
        ConferenceMembersListView* joined = panel.joinedList();
        ConferenceMembersDelegate* delegate = joined->delegate();

        press(joined, nameArea(joined, "bob|20"));
        QLineEdit* editor = delegate->renameEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Bob"));
        editor->setText(QStringLiteral("Robert"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(F::lastArgs(QStringLiteral("updateMemberInfo")), QStringLiteral("bob|Robert|20|1"));
        QVERIFY(!delegate->renameEditor());

        press(joined, nameArea(joined, "g1|21"));
        delegate->renameEditor()->setText(QStringLiteral("Visitor"));
        press(joined, nameArea(joined, "cy|20") + QPoint(0, 0)); // ends the guest's edit first
        QCOMPARE(F::journal()->entries(QStringLiteral("updateMemberInfo")).at(1).args.value(3).toInt(), 2);
        QVERIFY(delegate->renameEditor()); // the press opened Cy's

        // Cy leaves while being renamed: the edit is dropped.
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("cy"), CONFMEMBER_DEVICE_PC);
        QVERIFY(!delegate->renameEditor());
        QCOMPARE(F::journal()->count(QStringLiteral("updateMemberInfo")), 2);
    }
};

QTEST_MAIN(tst_MemberPanels)
#include "tst_MemberPanels.moc"
