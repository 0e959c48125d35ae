#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Counts the layout requests the event loop delivers while it lives: a
// window's layout has settled when a turn of the loop delivers none.
class LayoutRequests : public QObject
{
public:
    LayoutRequests() { QCoreApplication::instance()->installEventFilter(this); }
    ~LayoutRequests() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};
