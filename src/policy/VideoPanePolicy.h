#pragma once

#include <QRect>
#include <QSize>

// Rules of a video pane that need no widget: letterboxing the picture in the
// pane, the avatar size, where the local preview goes.
namespace VideoPanePolicy {

// How a picture of a given aspect ratio sits in a pane.
struct Letterbox
{
    // Size the render surface is fixed to; invalid when it fills the pane.
    QSize surface;
    bool topBottomBars = false; // the picture is wider than the pane
    bool leftRightBars = false; // the picture is narrower than the pane

    bool fillsPane() const { return !topBottomBars && !leftRightBars; }
};

// ratio: width / height of the picture, 0 (or anything not positive) when unknown.
// Surface sizes are rounded to whole pixels.
// A picture wider than the pane keeps the pane's width and gets bars above and
// below; a narrower one keeps the height and gets bars left and right. When the
// bars would be less than a pixel, or the ratio is unknown, or the pane has no
// area yet, the surface fills the pane.
Letterbox letterbox(float ratio, const QSize& pane);

// Side of the square avatar (and height of the avatar area) for a pane of the
// given height: small panes up to 500 px get 70, larger ones 170. Sizes are
// at 96 DPI; `scale` is the screen scale the pane was grown by.
constexpr int kAvatarThresholdHeight = 500;
constexpr int kSmallAvatarSide = 70;
constexpr int kLargeAvatarSide = 170;
int avatarSide(int paneHeight, double scale = 1.0);

// Where the local preview goes when the engine reports the camera's ratio:
// the top-right corner of a container `containerWidth` wide, as wide as it is,
// as high as the ratio says (truncated). An unusable ratio keeps `current`.
QRect localPaneGeometry(int containerWidth, const QRect& current, float scale);

// Top-left corner of the local preview in the top-right corner of its container.
int localPaneX(int containerWidth, int paneWidth);

} // namespace VideoPanePolicy
