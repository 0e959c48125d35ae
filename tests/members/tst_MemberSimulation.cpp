// The member list against the simulated server: a large roster with two-device
// members and telephone participants, and the server's answers to the host's commands.

#include "customui/KpMsgBox.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "members/MemberTestSupport.h"
#include "support/SimulatorFixture.h"
#include "support/TestWindows.h"

using namespace MemberTest;
using F = BusinessFixture;

class tst_MemberSimulation : public MemberSuite
{
    Q_OBJECT

    static void choose(ConfMembersControlListView* list, const ConferenceMemberInfo& m, const QString& entry)
    {
        QVERIFY(list->delegate()->rebuildMenu(list->find(m.account, m.deviceType)));
        QVERIFY(trigger(list->delegate()->moreMenu(), entry));
    }

private slots:
    void serverKeepsTheListInStepWithTheHostsCommands()
    {
        auto sim = startSimulator(40);
        const QString self = F::business()->getUserInfoView()->state().account;
        conf()->state().currentConfId = QStringLiteral("c1");
        ConfMembersControlWidget w;
        w.setConfId(QStringLiteral("c1"));
        w.setIsHost(true);
        const QList<ConferenceMemberInfo> roster = sim->pushRoster(200, self);

        QCOMPARE(roster.size(), 200);
        QCOMPARE(w.joinedCount() + w.notEnrolledCount(), 200);
        QCOMPARE(shownKeys(w.joinedList()).mid(0, 2), QStringList({ memberKey(self, 20), memberKey(self, 2) }));
        int telephones = 0;
        for (const ConferenceMemberInfo& m : roster)
            telephones += m.deviceType == CONFMEMBER_DEVICE_TELEPHONE && m.account == m.name ? 1 : 0;
        QVERIFY(telephones >= 15);
        QVERIFY(w.joinedCount() < 200 && w.notEnrolledCount() > 0);

        // Each command is answered by the server, and the list follows.
        ConfMembersControlListView* joined = w.joinedList();
        ConferenceMemberInfo bob;
        for (const ConferenceMemberInfo& m : roster) {
            if (m.isInConf && m.isMicOpen && m.account != self && m.deviceType == CONFMEMBER_DEVICE_PC) {
                bob = m;
                break;
            }
        }
        choose(joined, bob, QStringLiteral("Close audio"));
        QTRY_VERIFY(!joined->find(bob.account, bob.deviceType).isMicOpen);
        choose(joined, bob, QStringLiteral("Set as host"));
        QTRY_VERIFY(!w.isHost());
        QCOMPARE(shownKeys(joined).first(), bob.key());
        QVERIFY(sim->pushHostChange(self));
        QVERIFY(w.isHost());

        const int before = w.joinedCount();
        choose(joined, bob, QStringLiteral("Kick out"));
        TestWindows::visibleWindow<KpMsgBox>()->slot_onOk();
        QTRY_COMPARE(w.joinedCount(), before - 1);

        const QString absent = w.notEnrolledMembers().firstKey();
        const int waiting = w.notEnrolledCount();
        ConfMembersControlDelegate::inviteAgain(absent, w.notEnrolledMembers().value(absent));
        QTRY_COMPARE(w.notEnrolledCount(), waiting - 1);
        QVERIFY(w.joinedAccounts().contains(absent));

        QVERIFY(TestWindows::click(&w, "btn_closeAllMicphones"));
        QTRY_VERIFY(!joined->find(roster.at(5).account, roster.at(5).deviceType).isMicOpen);
        QVERIFY(joined->find(self, CONFMEMBER_DEVICE_PC).isMicOpen);
    }
};

QTEST_MAIN(tst_MemberSimulation)
#include "tst_MemberSimulation.moc"
