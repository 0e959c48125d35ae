#pragma once

#include "customui/kp_customui_global.h"

#include "customui/KpLayout.h"

#include <QGridLayout>
#include <QList>

// A grid layout that can be rearranged in one step from a KpLayout.
class KP_CUSTOMUI_EXPORT KpGridLayout : public QGridLayout
{
    Q_OBJECT
public:
    explicit KpGridLayout(QWidget* parent = nullptr);

    // Takes every widget out of the grid and hides it, then puts each item's
    // widget at its cell and shows it, in a grid of rows x columns whose
    // rows and columns share the space equally. Items without a widget, with
    // a cell outside the grid or a span below 1, are skipped (and logged).
    // rows or columns below 1 are taken from the items' extent. Returns the
    // number of widgets placed.
    int changeColumn(int rows, int columns, const QList<KpLayoutItem>& items);
};
