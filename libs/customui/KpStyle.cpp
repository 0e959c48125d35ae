#include "KpStyle.h"

#include "KPLog.h"

#include <QStyle>
#include <QWidget>

namespace KpStyle {

void repolish(QWidget* widget)
{
    if (!widget) {
        g_Log.LogDebug(QStringLiteral("KpStyle::repolish no widget"));
        return;
    }
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

void setStyleProperty(QWidget* widget, const char* name, const QVariant& value)
{
    if (!widget || !name || !*name) {
        g_Log.LogDebug(QStringLiteral("KpStyle::setStyleProperty no widget or property name"));
        return;
    }
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    repolish(widget);
}

void setProperty(QWidget* widget, const char* name, const QVariant& value)
{
    setStyleProperty(widget, name, value);
}

} // namespace KpStyle
