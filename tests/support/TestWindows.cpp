#include "support/TestWindows.h"

#include <QCoreApplication>
#include <QEvent>

namespace TestWindows {

QStringList leftoverWindows(std::initializer_list<const QWidget*> keep)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->parentWidget() || top->windowType() == Qt::Desktop)
            continue;
        bool kept = false;
        for (const QWidget* k : keep)
            kept = kept || k == top;
        if (!kept)
            left << QString::fromLatin1(top->metaObject()->className());
    }
    left.sort();
    return left;
}

} // namespace TestWindows
