#include "policy/VideoPanePolicy.h"

#include <QtGlobal>

#include <cmath>

namespace VideoPanePolicy {

namespace {
bool usableRatio(float ratio)
{
    return std::isfinite(ratio) && ratio > 0.0f;
}
} // namespace

Letterbox letterbox(float ratio, const QSize& pane)
{
    Letterbox box;
    if (!usableRatio(ratio) || pane.width() <= 0 || pane.height() <= 0)
        return box;
    const double w = pane.width();
    const double h = pane.height();
    const double q = w / h;
    if (ratio > q) {
        const int height = qRound(w / ratio);
        if (height < pane.height()) {
            box.surface = QSize(pane.width(), height);
            box.topBottomBars = true;
        }
    } else if (ratio < q) {
        const int width = qRound(h * ratio);
        if (width < pane.width()) {
            box.surface = QSize(width, pane.height());
            box.leftRightBars = true;
        }
    }
    return box;
}

int avatarSide(int paneHeight, double scale)
{
    if (!(scale > 0))
        scale = 1.0;
    return qRound((paneHeight <= kAvatarThresholdHeight * scale ? kSmallAvatarSide : kLargeAvatarSide) * scale);
}

QRect localPaneGeometry(int containerWidth, const QRect& current, float scale)
{
    if (!usableRatio(scale))
        return current;
    const int width = current.width();
    return QRect(localPaneX(containerWidth, width), 0, width, int(width / scale));
}

int localPaneX(int containerWidth, int paneWidth)
{
    return containerWidth - paneWidth;
}

} // namespace VideoPanePolicy
