#pragma once

#include "customui/kp_customui_global.h"

#include "customui/KpLayout.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The "layout" file: the video layouts offered by member count.
//
// {
//   "version": 1,
//   "layouts": [
//     { "name": "1+2", "title": "Speaker and two", "count": 3, "rows": 2, "columns": 3,
//       "enabled": true,
//       "cells": [ { "row": 0, "column": 0, "rowSpan": 2, "columnSpan": 2 },
//                  { "row": 0, "column": 2 }, { "row": 1, "column": 2 } ] },
//     { "name": "3x3", "count": 9, "rows": 3, "columns": 3 }
//   ]
// }
//
// "count", "rows" and "columns" are required; spans default to 1, "enabled"
// to true, "name" to the count. Without "cells" the layout is the full grid
// filled row by row. A cell with a negative place, a span below 1, a place
// outside the grid, or that overlaps an earlier cell is dropped. A layout
// with fewer usable cells than its count, or a count already given by an
// earlier layout, is dropped. Every drop is reported in problems.
namespace KpLayoutConfig {

constexpr int SupportedVersion = 1;
constexpr int MaxGridSide = 10;
constexpr int MaxCells = 25; // the largest tile pool of the video area

struct ParseResult
{
    QList<KpLayout> layouts; // in file order
    QStringList problems;
    bool valid = false; // the document itself could be read
};

KP_CUSTOMUI_EXPORT ParseResult parse(const QByteArray& json);

// The layouts indexed by member count: entry i is the layout for i + 1
// members, up to the largest configured count. A count without a layout of
// its own takes the smallest configured layout for more members.
KP_CUSTOMUI_EXPORT QList<KpLayout> byMemberCount(const QList<KpLayout>& layouts);

} // namespace KpLayoutConfig
