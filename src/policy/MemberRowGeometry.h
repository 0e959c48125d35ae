#pragma once

#include <QRect>

// Where the parts of a member row lie, for painting and for hit tests alike.
// `row` is the row's rectangle, `scale` the screen scale; R is row.x + row.width
// and s the spacing (int)(scale x 5).
namespace MemberRowGeometry {

// (int)(scale x 60).
int rowHeight(double scale);
// The square avatar of side (int)(scale x 34), 2s from the left, centred vertically.
QRect avatarRect(const QRect& row, double scale);
// The name, above the middle, and the role label below it, both starting s right of the avatar.
QRect nameRect(const QRect& row, double scale);
QRect labelRect(const QRect& row, double scale);

// The 15 x 15 media icons. Their x is computed with the unrounded scale x 5 and then truncated.
QRect cameraIconRect(const QRect& row, double scale);
QRect microphoneIconRect(const QRect& row, double scale);
// Hit areas, computed with the truncated s: the "more" button (right edge, 2s in)
// and the call button of an absent member (where the microphone would be).
QRect moreRect(const QRect& row, double scale);
QRect callRect(const QRect& row, double scale);

// The older list's four button areas of (int)(scale x 28) x (int)(scale x 24),
// k = 3, 2, 1, 0 from left to right.
QRect olderButtonRect(const QRect& row, double scale, int k);

} // namespace MemberRowGeometry
