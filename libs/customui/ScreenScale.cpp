#include "customui/ScreenScale.h"

#include "customui/KP_UI_UTIL.h"
#include "util/KPLog.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QSet>
#include <QWidget>
#include <QtMath>

namespace {

const char* const kScaledProperty = "kpScreenScaled";
// The sizes a widget had once scaled: an enclosing form that sets other ones
// afterwards (a promoted widget that scaled itself in its constructor) wrote
// them at 96 DPI.
const char* const kScaledMinimum = "kpScaledMinimum";
const char* const kScaledMaximum = "kpScaledMaximum";

int scaledBy(int value, double scale)
{
    return qRound(value * scale);
}

int scaledMax(int value, double scale)
{
    return value >= QWIDGETSIZE_MAX ? value : qMin(QWIDGETSIZE_MAX, scaledBy(value, scale));
}

void scaleSizes(QWidget* widget, double scale)
{
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    widget->setMinimumSize(scaledBy(minimum.width(), scale), scaledBy(minimum.height(), scale));
    widget->setMaximumSize(scaledMax(maximum.width(), scale), scaledMax(maximum.height(), scale));
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setIconSize(button->iconSize() * scale);
    widget->setProperty(kScaledMinimum, widget->minimumSize());
    widget->setProperty(kScaledMaximum, widget->maximumSize());
}

// A widget scaled on its own before its enclosing form set its sizes: scale
// just the sizes that form wrote.
void scaleOverwrittenSizes(QWidget* widget, double scale)
{
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    if (minimum != widget->property(kScaledMinimum).toSize())
        widget->setMinimumSize(scaledBy(minimum.width(), scale), scaledBy(minimum.height(), scale));
    if (maximum != widget->property(kScaledMaximum).toSize())
        widget->setMaximumSize(scaledMax(maximum.width(), scale), scaledMax(maximum.height(), scale));
    widget->setProperty(kScaledMinimum, widget->minimumSize());
    widget->setProperty(kScaledMaximum, widget->maximumSize());
}

void scaleLayout(QLayout* layout, double scale)
{
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(scaledBy(margins.left(), scale), scaledBy(margins.top(), scale),
        scaledBy(margins.right(), scale), scaledBy(margins.bottom(), scale));
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        if (grid->horizontalSpacing() >= 0)
            grid->setHorizontalSpacing(scaledBy(grid->horizontalSpacing(), scale));
        if (grid->verticalSpacing() >= 0)
            grid->setVerticalSpacing(scaledBy(grid->verticalSpacing(), scale));
    } else if (layout->spacing() >= 0) {
        layout->setSpacing(scaledBy(layout->spacing(), scale));
    }
}

} // namespace

void ScreenScale::beginScale(QWidget* widget)
{
    beginScale(widget, KP_UI_UTIL::getScreenScale());
}

int ScreenScale::scaled(int pixels)
{
    return scaledBy(pixels, KP_UI_UTIL::getScreenScale());
}

void ScreenScale::beginScale(QWidget* widget, double scale)
{
    if (!widget) {
        g_Log.LogDebug(QStringLiteral("ScreenScale::beginScale no widget"));
        return;
    }
    if (qFuzzyCompare(scale, 1.0) || scale <= 0.0)
        return;
    if (widget->property(kScaledProperty).isValid())
        return;

    // Parts that were scaled already (a nested window that finished first)
    // are left alone.
    QSet<QWidget*> fresh;
    fresh.insert(widget);
    const QList<QWidget*> children = widget->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!child->property(kScaledProperty).isValid())
            fresh.insert(child);
    }

    const QSize size = widget->size();
    for (QLayout* layout : widget->findChildren<QLayout*>()) {
        if (fresh.contains(layout->parentWidget()))
            scaleLayout(layout, scale);
    }
    scaleSizes(widget, scale);
    widget->setProperty(kScaledProperty, scale);

    for (QWidget* child : children) {
        if (!fresh.contains(child)) {
            scaleOverwrittenSizes(child, scale);
            continue;
        }
        child->setProperty(kScaledProperty, scale);
        const QRect geometry = child->geometry();
        scaleSizes(child, scale);
        // Children placed by hand (no layout on their parent) keep their
        // place relative to the grown parent.
        const QWidget* parent = child->parentWidget();
        if (!child->isWindow() && parent && !parent->layout())
            child->setGeometry(scaledBy(geometry.x(), scale), scaledBy(geometry.y(), scale),
                scaledBy(geometry.width(), scale), scaledBy(geometry.height(), scale));
    }
    widget->resize(scaledBy(size.width(), scale), scaledBy(size.height(), scale));
}
