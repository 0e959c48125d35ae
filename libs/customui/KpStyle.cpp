#include "customui/KpStyle.h"

#include "util/KPLog.h"

#include <QStyle>
#include <QWidget>

namespace KpStyle {

void setStyleProperty(QWidget* widget, const char* name, const QVariant& value)
{
    if (!widget || !name || !*name) {
        g_Log.LogDebug(QStringLiteral("KpStyle::setStyleProperty no widget or property name"));
        return;
    }
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

} // namespace KpStyle
