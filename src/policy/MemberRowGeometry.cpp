#include "policy/MemberRowGeometry.h"

namespace MemberRowGeometry {

namespace {

constexpr int kIcon = 15;

int spacing(double scale)
{
    return int(scale * 5);
}

int iconTop(const QRect& row)
{
    return row.y() + (row.height() - kIcon) / 2;
}

int nameLeft(const QRect& row, double scale)
{
    const int s = spacing(scale);
    return row.x() + 2 * s + int(scale * 34) + s;
}

// The microphone's x for a spacing s, exact or truncated by the caller.
int microphoneX(const QRect& row, double s)
{
    const double right = row.x() + row.width();
    return int(right - 2 * s - kIcon - (s * 0.5 + kIcon) - 6);
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
    return QRect(int(right - 2 * s - kIcon - 3 * (s * 0.5 + kIcon)), iconTop(row), kIcon, kIcon);
}

QRect microphoneIconRect(const QRect& row, double scale)
{
    return QRect(microphoneX(row, scale * 5), iconTop(row), kIcon, kIcon);
}

QRect moreRect(const QRect& row, double scale)
{
    return QRect(row.x() + row.width() - 2 * spacing(scale) - kIcon, iconTop(row), kIcon, kIcon);
}

QRect callRect(const QRect& row, double scale)
{
    return QRect(microphoneX(row, spacing(scale)), iconTop(row), kIcon, kIcon);
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
