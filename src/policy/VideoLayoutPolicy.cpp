#include "policy/VideoLayoutPolicy.h"

#include <algorithm>

namespace VideoLayoutPolicy {

namespace {

ModeLayout grid(int rows, int columns, bool pip = false)
{
    ModeLayout layout;
    layout.valid = true;
    layout.pipVisible = pip;
    layout.placements.reserve(rows * columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            layout.placements.append({ row * columns + column, row, column, 1, 1 });
    }
    return layout;
}

ModeLayout placed(std::initializer_list<TilePlacement> placements)
{
    ModeLayout layout;
    layout.valid = true;
    layout.placements = placements;
    return layout;
}

} // namespace

ModeLayout modeLayout(int mode)
{
    switch (mode) {
    case 1:
        return grid(1, 1);
    case 2:
        return grid(1, 1, true);
    case 3: // the speaker large on the left, three small on the right
        return placed({ { 0, 0, 0, 3, 2 }, { 1, 0, 2, 1, 1 }, { 2, 1, 2, 1, 1 }, { 3, 2, 2, 1, 1 } });
    case 4: // L shape around a large first tile
        return placed({ { 0, 0, 0, 2, 2 }, { 1, 0, 2, 1, 1 }, { 2, 1, 2, 1, 1 }, { 3, 2, 0, 1, 1 }, { 4, 2, 1, 1, 1 },
            { 5, 2, 2, 1, 1 } });
    case 5:
        return grid(2, 2);
    case 6:
        return grid(3, 3);
    case 7:
        return grid(4, 4);
    case 8:
        return grid(5, 5);
    case 9:
        return grid(1, 2);
    case 10:
        return grid(2, 3);
    case 11:
        return grid(1, 3);
    default:
        return ModeLayout();
    }
}

int autoLayoutIndex(int memberCount, int layoutCount)
{
    if (layoutCount <= 0)
        return -1;
    // memberCount - 1 computed in 64 bits: INT_MIN must not wrap around.
    const qint64 wanted = qint64(memberCount) - 1;
    return int(std::clamp<qint64>(wanted, 0, layoutCount - 1));
}

QPoint clampPipPosition(const QPoint& target, const QRect& area, const QSize& pip)
{
    int x = target.x();
    int y = target.y();
    x = std::min(x, area.x() + area.width() - pip.width());
    x = std::max(x, area.x());
    y = std::min(y, area.y() + area.height() - pip.height() - kPipBottomGap);
    y = std::max(y, area.y());
    return QPoint(x, y);
}

} // namespace VideoLayoutPolicy
