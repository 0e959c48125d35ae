// The member list against the simulated server: the host's all-member command answered for every device but the user's
// own. (The single-member commands are walked by the demo's member scenario against the same server.)

#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "members/MemberTestSupport.h"
#include "support/SimulatorFixture.h"

using namespace MemberTest;
using F = BusinessFixture;

class tst_MemberSimulation : public MemberSuite
{
    Q_OBJECT

private slots:
    void serverClosesEveryMicrophoneButTheHostsOwn()
    {
        auto sim = startSimulator(40);
        const QString self = F::business()->getUserInfoView()->state().account;
        conf()->state().currentConfId = QStringLiteral("c1");
        ConfMembersControlWidget w;
        w.setConfId(QStringLiteral("c1"));
        w.setIsHost(true);
        const QList<ConferenceMemberInfo> roster = sim->pushRoster(200, self);
        QCOMPARE(w.joinedCount() + w.notEnrolledCount(), 200);
        QCOMPARE(shownKeys(w.joinedList()).mid(0, 2), QStringList({ memberKey(self, 20), memberKey(self, 2) }));

        ConfMembersControlListView* joined = w.joinedList();
        QVERIFY(TestWindows::click(&w, "btn_closeAllMicphones"));
        QTRY_VERIFY(!joined->find(roster.at(5).account, roster.at(5).deviceType).isMicOpen);
        QVERIFY(joined->find(self, CONFMEMBER_DEVICE_PC).isMicOpen);
    }
};

QTEST_MAIN(tst_MemberSimulation)
#include "tst_MemberSimulation.moc"
