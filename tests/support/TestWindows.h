#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

// Window helpers shared by the widget suites: finding forms' children by object
// name, the visible top-level windows of a kind, and the leak check that every
// suite's cleanup() runs.
namespace TestWindows {

template<typename T = QWidget> T* child(const QObject* root, const char* name)
{
    return root->findChild<T*>(QLatin1String(name));
}

// Clicks the named button; false when the form has no such button (QVERIFY it).
inline bool click(const QObject* root, const char* name)
{
    auto* button = child<QAbstractButton>(root, name);
    if (!button)
        return false;
    button->click();
    return true;
}

template<typename T = QWidget> QList<T*> visibleWindows()
{
    QList<T*> out;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(top); t && t->isVisible())
            out << t;
    }
    return out;
}

template<typename T = QWidget> T* visibleWindow()
{
    const QList<T*> all = visibleWindows<T>();
    return all.isEmpty() ? nullptr : all.first();
}

// Class names of the parentless windows still alive once pending deferred
// deletions have run, leaving out the process-wide ones named in `keep`.
// A window a test forgot, or one the module lost, shows up here: cleanup()
// asserts the list is empty instead of deleting what it finds, which would hide leaks.
QStringList leftoverWindows(std::initializer_list<const QWidget*> keep = {});

} // namespace TestWindows

// In cleanup(): fails the test that left a window behind, naming the windows.
#define KP_VERIFY_NO_WINDOW_LEFT(...)                                                                                  \
    do {                                                                                                               \
        const QStringList kpLeft = TestWindows::leftoverWindows({ __VA_ARGS__ });                                      \
        QVERIFY2(kpLeft.isEmpty(), qPrintable(QStringLiteral("windows left: ") + kpLeft.join(QLatin1String(", "))));   \
    } while (false)
