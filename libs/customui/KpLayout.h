#pragma once

#include "customui/kp_customui_global.h"

#include <QList>
#include <QMetaType>
#include <QString>

class QWidget;

// One cell of a layout: where a widget goes in the grid. The layout file
// gives the place; whoever applies the layout fills in the widget.
struct KpLayoutItem
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    QWidget* widget = nullptr;
};

// One configured arrangement of video tiles. items[i] is where the i-th
// tile goes.
struct KpLayout
{
    int rows = 0; // grid size, handed to KpGridLayout::changeColumn
    int columns = 0;
    QList<KpLayoutItem> items;
    QString name; // short id from the file ("4", "1+5")
    QString title; // readable description
    int count = 0; // number of members the layout is meant for
    bool enabled = true;
};

Q_DECLARE_METATYPE(KpLayoutItem)
Q_DECLARE_METATYPE(KpLayout)
