#include "customui/KpGridLayout.h"

#include "util/KPLog.h"

#include <QSet>
#include <QWidget>

KpGridLayout::KpGridLayout(QWidget* parent)
    : QGridLayout(parent)
{ }

int KpGridLayout::changeColumn(int rows, int columns, const QList<KpLayoutItem>& items)
{
    if (rows < 1 || columns < 1) {
        int extentRows = 0;
        int extentColumns = 0;
        for (const KpLayoutItem& item : items) {
            extentRows = qMax(extentRows, item.row + qMax(1, item.rowSpan));
            extentColumns = qMax(extentColumns, item.column + qMax(1, item.columnSpan));
        }
        if (rows < 1)
            rows = extentRows;
        if (columns < 1)
            columns = extentColumns;
    }

    QSet<QWidget*> placed;
    for (const KpLayoutItem& item : items) {
        if (item.widget)
            placed.insert(item.widget);
    }
    while (QLayoutItem* old = takeAt(0)) {
        if (QWidget* widget = old->widget()) {
            if (!placed.contains(widget))
                widget->hide();
        }
        delete old;
    }

    for (int r = 0; r < rowCount(); ++r)
        setRowStretch(r, r < rows ? 1 : 0);
    for (int c = 0; c < columnCount(); ++c)
        setColumnStretch(c, c < columns ? 1 : 0);
    for (int r = rowCount(); r < rows; ++r)
        setRowStretch(r, 1);
    for (int c = columnCount(); c < columns; ++c)
        setColumnStretch(c, 1);

    int count = 0;
    QSet<QWidget*> used;
    for (int i = 0; i < items.size(); ++i) {
        const KpLayoutItem& item = items.at(i);
        if (!item.widget) {
            g_Log.LogDebug(QStringLiteral("KpGridLayout::changeColumn item %1 has no widget").arg(i));
            continue;
        }
        if (used.contains(item.widget)) {
            g_Log.LogDebug(QStringLiteral("KpGridLayout::changeColumn item %1 repeats a widget").arg(i));
            continue;
        }
        if (item.row < 0 || item.column < 0 || item.rowSpan < 1 || item.columnSpan < 1 || item.row + item.rowSpan > rows
            || item.column + item.columnSpan > columns) {
            g_Log.LogDebug(QStringLiteral("KpGridLayout::changeColumn item %1 (%2,%3 span %4x%5) outside %6x%7")
                               .arg(i)
                               .arg(item.row)
                               .arg(item.column)
                               .arg(item.rowSpan)
                               .arg(item.columnSpan)
                               .arg(rows)
                               .arg(columns));
            item.widget->hide();
            continue;
        }
        used.insert(item.widget);
        addWidget(item.widget, item.row, item.column, item.rowSpan, item.columnSpan);
        item.widget->show();
        ++count;
    }
    return count;
}
