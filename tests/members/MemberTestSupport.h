#pragma once

#include "business/KP_BusinessView.h"
#include "members/MemberListViewBase.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QMenu>
#include <QtTest>

#include <functional>

// The set-up of every member suite: screen scale 1 (the geometry the tests
// compute), fresh views with "me" logged in, and no window left behind.
class MemberSuite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("KP_SCREEN_SCALE", "1"); }
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }
};

// Helpers of the member-list suites: the rows as shown, where a row lies, and the menus that run their own event loop.
namespace MemberTest {

inline constexpr auto conf = &BusinessFixture::conf;

inline ConferenceMemberInfo member(const char* account, ENUM_CONFMEMBER_DEVICETYPE device = CONFMEMBER_DEVICE_PC,
    bool in = true, const char* name = nullptr)
{
    return BusinessFixture::makeMember(
        QString::fromUtf8(account), device, in, name ? QString::fromUtf8(name) : QString());
}

inline ConferenceMemberInfo host(ConferenceMemberInfo m)
{
    m.isHost = true;
    return m;
}

// Member keys in the order the list shows them.
inline QStringList shownKeys(const MemberListViewBase* view)
{
    QStringList keys;
    const QAbstractItemModel* model = view->sortModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QVariant value = model->index(row, 0).data(MemberListViewBase::RecordRole);
        const ConferenceMemberInfo* m = MemberListViewBase::recordIn(value);
        keys << (m ? m->key() : QStringLiteral("?"));
    }
    return keys;
}

// The rectangle of the row with the key, scrolled into view; null when there is none.
inline QRect rowRect(MemberListViewBase* view, const QString& key)
{
    const QAbstractItemModel* model = view->sortModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const ConferenceMemberInfo* m = MemberListViewBase::recordIn(index.data(MemberListViewBase::RecordRole));
        if (m && m->key() == key) {
            view->scrollTo(index);
            return view->visualRect(index);
        }
    }
    return QRect();
}

inline void press(MemberListViewBase* view, const QPoint& pos)
{
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
}

// Presses at pos; if that opens the menu, `inside` runs in the menu's own event loop (the menu open) and the menu is
// closed after it. Returns the menu's entries, empty when it did not open.
inline QStringList pressForMenu(
    MemberListViewBase* view, const QPoint& pos, QMenu* menu, const std::function<void()>& inside = {})
{
    QStringList entries;
    QPointer<QMenu> open = menu;
    const auto connection = QObject::connect(menu, &QMenu::aboutToShow, menu, [&] {
        QTimer::singleShot(0, menu, [&] {
            for (QAction* a : open->actions())
                entries << a->text();
            if (inside)
                inside(); // may close the menu, or delete it with its list
            if (open && open->isVisible())
                open->close();
        });
    });
    press(view, pos);
    // The menu opens from the event loop: one turn runs it, and returns once it is closed.
    QCoreApplication::processEvents();
    QObject::disconnect(connection);
    return entries;
}

// Triggers the entry of the open menu with the text.
inline bool trigger(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text) {
            a->trigger();
            return true;
        }
    }
    return false;
}

} // namespace MemberTest
