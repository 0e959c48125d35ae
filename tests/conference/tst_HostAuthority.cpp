// Walks every control a user can reach in a running conference, as a member
// and as the host, and checks the commands it issued against the host-only list.
#include "conference/ConferenceTestSupport.h"
#include "customui/KpMsgBox.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "members/ConfRightWgt.h"
#include "policy/HostCommandPolicy.h"
#include "policy/MemberRowGeometry.h"
#include "video/MediaLayoutWgt.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

#include <functional>

using namespace ConferenceTest;
using F = BusinessFixture;

namespace {

// Clicks every visible, enabled button of a window and of whatever the clicks
// open: windows are walked in turn, menus have each entry triggered, message
// boxes are accepted, and menus and dialogs that run their own event loop are
// answered from inside it.
class Walker
{
public:
    void walkWindow(QWidget* root, int depth)
    {
        if (!root || depth > kMaxDepth || m_walked.contains(signature(root)))
            return;
        m_walked.insert(signature(root));
        QPointer<QWidget> window(root);
        const bool shown = root->isVisible();
        QList<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
            buttons << b;
        // The side panel first (other controls hide it), buttons that close or
        // shrink their window last.
        static const QRegularExpression closing(
            QStringLiteral("close|cancel|exit|leave|min"), QRegularExpression::CaseInsensitiveOption);
        std::stable_partition(buttons.begin(), buttons.end(),
            [](const QPointer<QAbstractButton>& b) { return !closing.match(b->objectName()).hasMatch(); });
        const ConfRightWgt* panel = root->findChild<ConfRightWgt*>();
        std::stable_partition(buttons.begin(), buttons.end(),
            [panel](const QPointer<QAbstractButton>& b) { return panel && panel->isAncestorOf(b); });
        for (ConfMembersControlWidget* members : root->findChildren<ConfMembersControlWidget*>())
            walkRows(members, depth);
        for (const QPointer<QAbstractButton>& b : buttons) {
            if (!window)
                return;
            // A pop-up that a click hid is opened again for the next control.
            if (shown && !window->isVisible() && !qobject_cast<QDialog*>(window.data()))
                window->show();
            if (b && b->isVisibleTo(window) && b->isEnabled() && b->window() == window)
                run([b] { b->click(); }, depth);
        }
    }

    // Every row of both attendee lists: its "more" menu and, for absent members, its call button.
    void walkRows(ConfMembersControlWidget* members, int depth)
    {
        for (const char* page : { "btn_attend", "btn_unAttend" }) {
            TestWindows::click(members, page);
            for (MemberListViewBase* list : { static_cast<MemberListViewBase*>(members->joinedList()),
                     static_cast<MemberListViewBase*>(members->notEnrolledList()) }) {
                for (int row = 0; list->isVisible() && row < list->sortModel()->rowCount(); ++row) {
                    const QModelIndex index = list->sortModel()->index(row, 0);
                    list->scrollTo(index);
                    const QRect rect = list->visualRect(index);
                    for (const QRect& area :
                        { MemberRowGeometry::moreRect(rect, 1), MemberRowGeometry::callRect(rect, 1) })
                        run(
                            [&] {
                                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
                                QCoreApplication::processEvents(); // the menu opens from the event loop
                            },
                            depth);
                }
            }
        }
    }

    // Runs an action, answering what it opens.
    void run(const std::function<void()>& action, int depth)
    {
        const QList<QWidget*> before = TestWindows::visibleWindows();
        QList<QPointer<QMenu>> menus;
        {
            QObject inside; // ends the polling once the action is done
            std::function<void()> poll = [&] {
                if (!answerLoop(menus, before, depth))
                    QTimer::singleShot(0, &inside, poll);
            };
            QTimer::singleShot(0, &inside, poll);
            action();
        }
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : TestWindows::visibleWindows())
            if (!before.contains(w))
                opened << w;
        for (const QPointer<QWidget>& w : opened) {
            if (!w || !w->isVisible())
                continue;
            if (auto* menu = qobject_cast<QMenu*>(w)) {
                menus << menu;
                menu->hide();
            } else if (auto* box = qobject_cast<KpMsgBox*>(w)) {
                run([box = QPointer<KpMsgBox>(box)] { box->slot_onOk(); }, depth + 1);
            } else if (!w->inherits("KpMsgTip") && !w->inherits("QTipLabel")) {
                walkWindow(w, depth + 1);
            }
        }
        for (const QPointer<QMenu>& menu : menus) {
            QList<QPointer<QAction>> actions;
            for (QAction* a : menu ? menu->actions() : QList<QAction*>())
                actions << a;
            for (const QPointer<QAction>& a : actions)
                if (a && a->isVisible() && a->isEnabled() && !a->isSeparator())
                    run([a] { a->trigger(); }, depth + 1);
        }
    }

private:
    static constexpr int kMaxDepth = 4;

    // Inside a loop the action runs: a menu is kept for its entries and closed,
    // a dialog is walked and then closed, a new message box is accepted. False
    // while there is nothing to answer.
    bool answerLoop(QList<QPointer<QMenu>>& menus, const QList<QWidget*>& before, int depth)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<KpMsgBox*>(w); box && box->isVisible() && !before.contains(box)) {
                box->slot_onOk(); // a loop that waits for the answer
                return true;
            }
        }
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menus << menu;
            menu->close();
            return true;
        }
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return false;
        walkWindow(dialog, depth + 1);
        if (dialog)
            dialog->reject();
        return true;
    }

    // A window is walked again only when it shows other controls (one pop-up, several questions).
    static QString signature(QWidget* root)
    {
        QStringList shown;
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
            if (b->isVisibleTo(root))
                shown << b->objectName();
        return QString::number(quintptr(root)) + shown.join(QLatin1Char(','));
    }

    QSet<QString> m_walked;
};

// me, the host or another PC member m1, a telephone, a tablet that may not be host and an absent member.
QList<ConferenceMemberInfo> conference(bool userIsHost)
{
    QList<ConferenceMemberInfo> members { member("me"), member("m1"),
        member("13800000000", CONFMEMBER_DEVICE_TELEPHONE), member("pad", CONFMEMBER_DEVICE_PAD_LIMITED),
        member("gone") };
    members[userIsHost ? 0 : 1].isHost = true;
    members[4].isInConf = false;
    return members;
}

// The host-only commands of the journal, as "operation: kind", sorted, each once.
QStringList hostCommands()
{
    QStringList found;
    for (const JournalEntry& e : F::journal()->entries())
        if (const auto kind = HostCommandPolicy::classify(e.operation, e.args, QStringLiteral("me")))
            found << e.operation + QStringLiteral(": ") + HostCommandPolicy::kindName(*kind);
    found.removeDuplicates();
    found.sort();
    return found;
}

} // namespace

class tst_HostAuthority : public ConferenceSuite
{
    Q_OBJECT

private slots:
    void walkReachesHostCommandsOnlyAsHost_data()
    {
        QTest::addColumn<bool>("host");
        QTest::newRow("member") << false;
        QTest::newRow("host") << true;
    }
    void walkReachesHostCommandsOnlyAsHost()
    {
        QFETCH(bool, host);
        {
            const QList<ConferenceMemberInfo> members = conference(host);
            auto window = enter(members);
            // m1 shares its screen: the host may stop it.
            conf()->state().shareAccount = QStringLiteral("m1");
            conf()->state().shareDeviceType = CONFMEMBER_DEVICE_PC;
            emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("m1"), CONFMEMBER_DEVICE_PC);
            F::journal()->clear();
            Walker().walkWindow(window.get(), 0);

            MediaLayoutWgt grid;
            grid.show();
            emit conf()->sig_onGetConferenceMemberInfoList(members);
            Walker().walkWindow(&grid, 0);
        }
        const QStringList reached = hostCommands();
        if (!host) {
            QVERIFY2(reached.isEmpty(), qPrintable(reached.join(QLatin1String("; "))));
        } else {
            // Not reachable by any control of these windows: the older member list's
            // microphone and hand buttons, and the dismissal the voice grid never asks for
            // (it only asks to withdraw; the conference window ends through restStopRecording).
            QStringList expected
                = F::texts({ "memberOperate: kick-out", "memberOperate: media control of another member",
                    "sendCmdDesktopShare: media control of another member",
                    "controlAllMemberMicphone: all-member control", "controlAllMemberCamera: all-member control",
                    "sendCmdLectureMode: all-member control", "setConferenceLockState: lock",
                    "setHost_V3: host hand-over", "restStopRecording: ending the conference" });
            expected.sort();
            QCOMPARE(reached, expected);
            QStringList listed = F::texts({ "controlMemberMicphone", "controlMemberHand", "dismissConference" });
            for (const QString& command : qAsConst(expected))
                listed << command.section(QLatin1Char(':'), 0, 0);
            listed.removeDuplicates();
            listed.sort();
            QStringList all = HostCommandPolicy::operations();
            all.sort();
            QCOMPARE(listed, all); // every host-only operation is reached or known to be out of reach
        }
    }
};

QTEST_MAIN(tst_HostAuthority)
#include "tst_HostAuthority.moc"
