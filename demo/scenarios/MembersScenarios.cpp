// The side panel of a conference with 1,000 members: as host and as a plain
// member, searching, the per-member menu, the kick-out and raised-hand
// confirmations, the not-enrolled tab and the older member panel; and a
// scenario in which the simulator plays the server behind the panel.

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "members/ConfRightWgt.h"
#include "members/ConferenceMembersListView.h"
#include "members/PPC_Member.h"
#include "policy/MemberRowGeometry.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QStackedWidget>

void registerMembersScenarios(DemoRegistry& registry);

namespace {

constexpr int kMembers = 1000;
const QString kConfId = QStringLiteral("318209000");

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString self()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

// The conference as the server has it: its id, the roster (the user host or not).
QList<ConferenceMemberInfo> setUpConference(DemoContext& c, int members, bool userIsHost)
{
    conf()->state().currentConfId = kConfId;
    QList<ConferenceMemberInfo> roster = c.sim().makeMemberRoster(members, userIsHost ? self() : QString());
    for (const ConferenceMemberInfo& m : roster) {
        if (m.isHost) {
            conf()->state().creator = m.account;
            break;
        }
    }
    conf()->setRoster(roster);
    return roster;
}

ConfRightWgt* openPanel(bool userIsHost)
{
    auto* panel = new ConfRightWgt;
    panel->setConfId(kConfId);
    panel->setIsHost(userIsHost);
    panel->resize(DemoContext::scaledSize(312, 659));
    panel->move(240, 0);
    panel->show();
    return panel;
}

// The n-th member in the conference on this client, microphone open, neither the user nor host.
ConferenceMemberInfo someMember(int n)
{
    for (const ConferenceMemberInfo& m : conf()->roster()) {
        if (m.isInConf && m.isMicOpen && !m.isHost && m.account != self() && m.deviceType == CONFMEMBER_DEVICE_PC
            && n-- == 0)
            return m;
    }
    return ConferenceMemberInfo();
}

ConferenceMemberInfo someAbsentMember()
{
    for (const ConferenceMemberInfo& m : conf()->roster()) {
        if (!m.isInConf && m.account != m.name)
            return m;
    }
    return ConferenceMemberInfo();
}

QRect rowRect(MemberListViewBase* view, const QString& key)
{
    const QAbstractItemModel* model = view->sortModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const ConferenceMemberInfo* m = MemberListViewBase::recordIn(index.data(MemberListViewBase::RecordRole));
        if (m && m->key() == key) {
            view->scrollTo(index, QAbstractItemView::PositionAtCenter);
            return view->visualRect(index);
        }
    }
    return QRect();
}

void pressAt(MemberListViewBase* view, const QPoint& pos)
{
    QWidget* viewport = view->viewport();
    QMouseEvent press(
        QEvent::MouseButtonPress, pos, viewport->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(
        QEvent::MouseButtonRelease, pos, viewport->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

// Chooses an entry of a member's "more" menu, as the user would.
bool chooseFromMenu(ConfMembersControlListView* list, const ConferenceMemberInfo& m, const QString& entry)
{
    ConfMembersControlDelegate* delegate = list->delegate();
    if (m.account.isEmpty() || !delegate->rebuildMenu(list->find(m.account, m.deviceType)))
        return false;
    for (QAction* action : delegate->moreMenu()->actions()) {
        if (action->text() == entry) {
            action->trigger();
            return true;
        }
    }
    return false;
}

QString shown(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

KpMsgBox* visibleBox()
{
    return DemoContext::window<KpMsgBox>();
}

ConfRightWgt* galleryPanel(DemoContext& c, bool userIsHost)
{
    setUpConference(c, kMembers, userIsHost);
    ConfRightWgt* panel = openPanel(userIsHost);
    c.sim().pushSpeakers(c.sim().pickSpeakers(4));
    c.sim().pushHandUp(someMember(1).account, CONFMEMBER_DEVICE_PC, true);
    return panel;
}

PPC_Member* olderPanel(DemoContext& c)
{
    setUpConference(c, 14, true);
    auto* panel = new PPC_Member;
    panel->setIsHost(true);
    panel->resize(DemoContext::scaledSize(313, 640));
    panel->move(240, 0);
    panel->show();
    c.sim().pushHandUp(someMember(0).account, CONFMEMBER_DEVICE_PC, true);
    c.sim().pushHandUp(someMember(3).account, CONFMEMBER_DEVICE_PC, true);
    return panel;
}

void addGallery(DemoRegistry& registry)
{
    registry.addGalleryItem(
        { QStringLiteral("members-panel-host"), [](DemoContext& c) -> QWidget* { return galleryPanel(c, true); } });
    registry.addGalleryItem(
        { QStringLiteral("members-panel-member"), [](DemoContext& c) -> QWidget* { return galleryPanel(c, false); } });
    registry.addGalleryItem(
        { QStringLiteral("members-search"), [](DemoContext& c) -> QWidget* {
             ConfRightWgt* panel = galleryPanel(c, true);
             panel->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(QStringLiteral("Li"));
             return panel;
         } });
    registry.addGalleryItem({ QStringLiteral("members-menu-open"), [](DemoContext& c) -> QWidget* {
                                 ConfRightWgt* panel = galleryPanel(c, true);
                                 ConfMembersControlListView* list = panel->attendeePage()->joinedList();
                                 const ConferenceMemberInfo m = someMember(2);
                                 list->delegate()->rebuildMenu(list->find(m.account, m.deviceType));
                                 const QRect more = MemberRowGeometry::moreRect(
                                     rowRect(list, m.key()), KP_UI_UTIL::getScreenScale());
                                 list->delegate()->moreMenu()->popup(list->viewport()->mapToGlobal(more.bottomLeft()));
                                 return panel;
                             } });
    registry.addGalleryItem({ QStringLiteral("members-kick-confirm"), [](DemoContext& c) -> QWidget* {
                                 ConfRightWgt* panel = galleryPanel(c, true);
                                 chooseFromMenu(panel->attendeePage()->joinedList(), someMember(2),
                                     shown("ConfMembersControlDelegate", "Kick out"));
                                 return panel;
                             } });
    registry.addGalleryItem({ QStringLiteral("members-not-enrolled"), [](DemoContext& c) -> QWidget* {
                                 ConfRightWgt* panel = galleryPanel(c, true);
                                 DemoContext::click(panel->attendeePage(), "btn_unAttend");
                                 return panel;
                             } });
    registry.addGalleryItem(
        { QStringLiteral("members-older-panel"), [](DemoContext& c) -> QWidget* { return olderPanel(c); } });
    registry.addGalleryItem({ QStringLiteral("members-hand-confirm"), [](DemoContext& c) -> QWidget* {
                                 PPC_Member* panel = olderPanel(c);
                                 ConferenceMembersListView* list = panel->joinedList();
                                 const QRect hand = MemberRowGeometry::olderButtonRect(
                                     rowRect(list, someMember(0).key()), KP_UI_UTIL::getScreenScale(), 3);
                                 pressAt(list, hand.center());
                                 return panel;
                             } });
}

// --- the panel played through against the simulated server ---

QPointer<ConfRightWgt> g_panel;
ConferenceMemberInfo g_target; // mutes and takes over the host role
ConferenceMemberInfo g_victim; // is kicked out
ConferenceMemberInfo g_absent; // is called back

ConfMembersControlWidget* attendee()
{
    return g_panel ? g_panel->attendeePage() : nullptr;
}

ConferenceMemberInfo joinedRow(const ConferenceMemberInfo& m)
{
    return attendee() ? attendee()->joinedList()->find(m.account, m.deviceType) : ConferenceMemberInfo();
}

QString firstJoinedKey()
{
    ConfMembersControlListView* list = attendee() ? attendee()->joinedList() : nullptr;
    if (!list || list->sortModel()->rowCount() == 0)
        return QString();
    const QVariant value = list->sortModel()->index(0, 0).data(MemberListViewBase::RecordRole);
    const ConferenceMemberInfo* m = MemberListViewBase::recordIn(value);
    return m ? m->key() : QString();
}

QString currentPage()
{
    auto* stack = attendee() ? attendee()->findChild<QStackedWidget*>(QStringLiteral("stackedWidget")) : nullptr;
    return stack ? stack->currentWidget()->objectName() : QString();
}

void addSidePanelScenario(DemoRegistry& registry)
{
    DemoScenario scenario { QStringLiteral("members-side-panel"),
        QStringLiteral("The side panel keeps a 1,000-member conference in order while the host works on it"), {} };

    scenario.steps.append({ QStringLiteral("the roster arrives"),
        [](DemoContext& c) {
            conf()->state().currentConfId = kConfId;
            g_panel = openPanel(true);
            c.sim().pushRoster(kMembers, self());
            conf()->state().creator = self();
            c.sim().pushSpeakers(c.sim().pickSpeakers(4));
            g_target = someMember(3);
            g_victim = someMember(6);
            g_absent = someAbsentMember();
        },
        [](DemoContext&) {
            return attendee() && attendee()->joinedCount() + attendee()->notEnrolledCount() == kMembers
                && firstJoinedKey() == memberKey(self(), CONFMEMBER_DEVICE_PC);
        },
        QStringLiteral("1,000 rows in the two tabs, the user (host) first") });

    scenario.steps.append({ QStringLiteral("a member raises the hand"),
        [](DemoContext& c) { c.sim().pushHandUp(g_target.account, g_target.deviceType, true); },
        [](DemoContext&) { return joinedRow(g_target).isHandUp; }, QStringLiteral("the row's hand is up") });

    scenario.steps.append({ QStringLiteral("the host closes the member's microphone from its menu"),
        [](DemoContext&) {
            chooseFromMenu(attendee()->joinedList(), g_target, shown("ConfMembersControlDelegate", "Close audio"));
        },
        [](DemoContext&) {
            const ConferenceMemberInfo m = joinedRow(g_target);
            return !m.account.isEmpty() && !m.isMicOpen && m.isHandUp;
        },
        QStringLiteral("the server closes it; the row shows it and keeps the raised hand") });

    scenario.steps.append({ QStringLiteral("the host asks to kick a member out"),
        [](DemoContext&) {
            chooseFromMenu(attendee()->joinedList(), g_victim, shown("ConfMembersControlDelegate", "Kick out"));
        },
        [](DemoContext&) { return visibleBox() != nullptr; }, QStringLiteral("the confirmation is shown") });

    scenario.steps.append({ QStringLiteral("the host confirms"),
        [](DemoContext&) {
            if (KpMsgBox* box = visibleBox())
                box->slot_onOk();
        },
        [](DemoContext&) {
            return !visibleBox() && joinedRow(g_victim).account.isEmpty()
                && attendee()->joinedCount() + attendee()->notEnrolledCount() == kMembers - 1;
        },
        QStringLiteral("the member is gone from the list") });

    scenario.steps.append({ QStringLiteral("the host calls an absent member back"),
        [](DemoContext&) {
            DemoContext::click(attendee(), "btn_unAttend");
            ConfMembersControlListView* absent = attendee()->notEnrolledList();
            pressAt(absent,
                MemberRowGeometry::callRect(rowRect(absent, g_absent.key()), KP_UI_UTIL::getScreenScale()).center());
        },
        [](DemoContext&) {
            return joinedRow(g_absent).isInConf
                && attendee()->notEnrolledList()->find(g_absent.account, g_absent.deviceType).account.isEmpty();
        },
        QStringLiteral("the member picks up: joined, and off the not-enrolled tab") });

    scenario.steps.append({ QStringLiteral("searching"),
        [](DemoContext&) {
            attendee()->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(QStringLiteral("Li"));
        },
        [](DemoContext&) {
            return currentPage() == QLatin1String("page_3") && attendee()->searchList()->memberCount() > 0;
        },
        QStringLiteral("the search page lists the matching members") });

    scenario.steps.append(
        { QStringLiteral("clearing the search"), [](DemoContext&) { DemoContext::click(attendee(), "btn_clear"); },
            [](DemoContext&) { return currentPage() == QLatin1String("page"); },
            QStringLiteral("back on the joined page") });

    scenario.steps.append({ QStringLiteral("the host hands the host role over"),
        [](DemoContext&) {
            chooseFromMenu(attendee()->joinedList(), g_target, shown("ConfMembersControlDelegate", "Set as host"));
        },
        [](DemoContext&) { return !attendee()->isHost() && firstJoinedKey() == g_target.key(); },
        QStringLiteral("the new host leads the list; the member-control button goes") });

    registry.addScenario(scenario);
}

} // namespace

void registerMembersScenarios(DemoRegistry& registry)
{
    addGallery(registry);
    addSidePanelScenario(registry);
}
