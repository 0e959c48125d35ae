#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

// Geometry rules of the conference video area that need no widget: where each
// screen-layout mode puts its tiles, which configured layout a member count
// picks, and how far the picture-in-picture window may go.
namespace VideoLayoutPolicy {

struct TilePlacement
{
    int tile = 0;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;

    bool operator==(const TilePlacement& o) const
    {
        return tile == o.tile && row == o.row && column == o.column && rowSpan == o.rowSpan
            && columnSpan == o.columnSpan;
    }
};

struct ModeLayout
{
    bool valid = false; // false for numbers that are not a mode
    QVector<TilePlacement> placements; // tile i is placements[i].tile == i
    bool pipVisible = false;
    int tileCount() const { return placements.size(); }
};

constexpr int kFirstMode = 1;
constexpr int kLastMode = 11;

// Modes 1 to 11 (1 single, 2 single with picture-in-picture, 3 speaker,
// 4 L shape, 5 to 8 square grids, 9 to 11 strips); anything else is invalid.
ModeLayout modeLayout(int mode);

// Index of the configured layout used for `memberCount` members out of
// `layoutCount` (count - 1 clamped to the list); -1 when there is none.
int autoLayoutIndex(int memberCount, int layoutCount);

// Where the picture-in-picture window of size `pip` may stand when asked to go
// to `target`: inside `area` (global coordinates of the video area), and at
// least 60 px above its bottom edge. Right and bottom limits are applied first,
// so a window larger than the area sticks to its top-left corner.
QPoint clampPipPosition(const QPoint& target, const QRect& area, const QSize& pip);
constexpr int kPipBottomGap = 60;

} // namespace VideoLayoutPolicy
