#pragma once

#include "customui/KP_UI_UTIL.h"
#include "demo/DemoScenario.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

class BusinessSimulator;
class ClientShell;
class KP_MediaConfUI;

// What scenarios and gallery entries can reach: the facade as the client built
// it, the simulator that plays the server, and a few finders for windows.
class DemoContext
{
public:
    DemoContext(KP_MediaConfUI* facade, BusinessSimulator* simulator, ClientShell* shell)
        : m_facade(facade)
        , m_simulator(simulator)
        , m_shell(shell)
    { }

    KP_MediaConfUI* facade() const { return m_facade; }
    // The world gets a new facade on every reset; the context stays.
    void setFacade(KP_MediaConfUI* facade) { m_facade = facade; }
    BusinessSimulator& sim() const { return *m_simulator; }
    ClientShell& shell() const { return *m_shell; }

    // A size the demo gives a host window, at 96 DPI, grown by the screen scale
    // as the module grows its own windows: on a dense screen the hosts must
    // not squeeze what they hold.
    static QSize scaledSize(int width, int height)
    {
        const double scale = KP_UI_UTIL::getScreenScale();
        return QSize(qRound(width * scale), qRound(height * scale));
    }

    // The window gets the activation, as a window manager gives it to the
    // window the user works in or the one beneath a closed dialog. Offscreen
    // there is none, and a pop-up opened while the activation is still on
    // its way to its window loses it and closes.
    static DemoStep activate(const QString& label, std::function<QWidget*()> window)
    {
        return { label,
            [window](DemoContext&) {
                // Asked again while it has it, the activation would come a
                // second time, late, and take it from a pop-up opened meanwhile.
                if (QWidget* w = window(); w && QApplication::activeWindow() != w)
                    w->activateWindow();
            },
            [window](DemoContext&) { return window() && QApplication::activeWindow() == window(); },
            QStringLiteral("the window has the activation") };
    }

    // The first visible top-level window of type T, or null.
    template<class T> static T* window()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (T* t = qobject_cast<T*>(w); t && t->isVisible())
                return t;
        }
        return nullptr;
    }

    template<class T> static bool visible() { return window<T>() != nullptr; }

    // Clicks the button `objectName` inside `root`; false when there is none.
    static bool click(QWidget* root, const char* objectName);

private:
    KP_MediaConfUI* m_facade;
    BusinessSimulator* m_simulator;
    ClientShell* m_shell;
};
