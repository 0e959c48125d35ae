#include "policy/MemberRowGeometry.h"

namespace MemberRowGeometry {

namespace {

// The row's icons are 15 px at 96 DPI and grow with the screen like the rest
// of the row: a fixed 15 px would be a speck on a dense screen.
int iconSide(double scale)
{
    return qMax(1, int(scale * 15));
}

int spacing(double scale)
{
    return int(scale * 5);
}

int iconTop(const QRect& row, double scale)
{
    return row.y() + (row.height() - iconSide(scale)) / 2;
}

int nameLeft(const QRect& row, double scale)
{
    const int s = spacing(scale);
    return row.x() + 2 * s + int(scale * 34) + s;
}

// The microphone's x for a spacing s, exact or truncated by the caller.
int microphoneX(const QRect& row, double s, int icon)
{
    const double right = row.x() + row.width();
    return int(right - 2 * s - icon - (s * 0.5 + icon) - 6);
}

} // namespace

int rowHeight(double scale)
{
    return int(scale * 60);
}

QRect avatarRect(const QRect& row, double scale)
{
    const int side = int(scale * 34);
    return QRect(row.x() + 2 * spacing(scale), row.y() + (row.height() - side) / 2, side, side);
}

QRect nameRect(const QRect& row, double scale)
{
    const int height = int(scale * 20);
    return QRect(nameLeft(row, scale), row.y() + row.height() / 2 - height, int(scale * 86), height);
}

QRect labelRect(const QRect& row, double scale)
{
    const int height = int(scale * 24);
    return QRect(nameLeft(row, scale), row.y() + (row.height() - height) / 2 + 10, 200, height);
}

QRect cameraIconRect(const QRect& row, double scale)
{
    const double s = scale * 5;
    const double right = row.x() + row.width();
    const int icon = iconSide(scale);
    return QRect(int(right - 2 * s - icon - 3 * (s * 0.5 + icon)), iconTop(row, scale), icon, icon);
}

QRect microphoneIconRect(const QRect& row, double scale)
{
    const int icon = iconSide(scale);
    return QRect(microphoneX(row, scale * 5, icon), iconTop(row, scale), icon, icon);
}

QRect moreRect(const QRect& row, double scale)
{
    const int icon = iconSide(scale);
    return QRect(row.x() + row.width() - 2 * spacing(scale) - icon, iconTop(row, scale), icon, icon);
}

QRect callRect(const QRect& row, double scale)
{
    const int icon = iconSide(scale);
    return QRect(microphoneX(row, spacing(scale), icon), iconTop(row, scale), icon, icon);
}

QRect olderButtonRect(const QRect& row, double scale, int k)
{
    const int s = spacing(scale);
    const int w = int(scale * 28);
    const int h = int(scale * 24);
    const double x = row.x() + row.width() - 2 * s - w - (s * 0.5 + w) * k;
    return QRect(int(x), row.y() + (row.height() - h) / 2, w, h);
}

} // namespace MemberRowGeometry
