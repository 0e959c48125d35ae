#pragma once

#include "common/AreaLog.h"

#include <QPointer>
#include <QWidget>

#include <utility>

// The one way a controller of the facade holds a window it owns.
//
// The pointer is guarded: a window that deletes itself (Qt::WA_DeleteOnClose)
// or that another owner deleted reads as absent, so nothing reaches a window
// after it is gone. Every way of letting a window go empties the slot at once,
// before the window is closed or deleted, so that a window which reports its own
// closing back to the controller finds the slot already empty.
template<class T> class OwnedWindow
{
public:
    OwnedWindow() = default;
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    // A controller that forgets a window still takes it along.
    ~OwnedWindow() { destroyNow(); }

    T* get() const { return m_window.data(); }
    T* operator->() const { return m_window.data(); }
    explicit operator bool() const { return !m_window.isNull(); }

    // Makes the window of this kind: new T(args...). At most one window of each
    // kind exists, whatever the business library's state says, so one still
    // open is closed and deleted first, with a log line. The new one is made
    // only then: a call window holds its call-status mark from construction to
    // destruction, and the old one must not clear the new one's mark.
    template<class... Args> T* replace(Args&&... args)
    {
        if (m_window) {
            AreaLog::facade().LogInfo(QStringLiteral("OwnedWindow::replace closes and deletes the %1 still open")
                                          .arg(QLatin1String(T::staticMetaObject.className())));
            closeAndDestroy();
        }
        m_window = new T(std::forward<Args>(args)...);
        return m_window.data();
    }

    void destroyNow() { delete std::exchange(m_window, nullptr).data(); }

    // Deferred delete: the window goes when control returns to the event loop,
    // the slot is empty at once.
    void destroyLater()
    {
        if (const QPointer<T> window = std::exchange(m_window, nullptr))
            window->deleteLater();
    }

    // Teardown: close, then delete. A window that deletes itself on close has
    // scheduled that already and is left to it (deleting it now could pull it
    // from under a slot of its own still on the stack).
    void closeAndDestroy()
    {
        const QPointer<T> window = std::exchange(m_window, nullptr);
        if (!window)
            return;
        window->close();
        if (window && window->testAttribute(Qt::WA_DeleteOnClose))
            window->deleteLater();
        else
            delete window.data();
    }

private:
    QPointer<T> m_window;
};
