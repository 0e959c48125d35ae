#pragma once

#include "customui/kp_customui_global.h"

#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

class KP_CUSTOMUI_EXPORT KP_UI_UTIL
{
public:
    // The application font with its pixel size set to size x the screen scale.
    static QFont getFontScale(int size, bool bold);

    // The primary screen's logical DPI / 96, rounded to the nearest quarter
    // (1.0, 1.25, 1.5, ...; never below 1). KP_SCREEN_SCALE overrides it.
    static double getScreenScale();

    // Available geometry of the primary screen (without task bars).
    static int getDeskTopWidth();
    static int getDeskTopHeight();

    // Centres a pop-up on its parent's window when that is shown, else on the
    // primary screen's available area.
    static void centreOnOwner(QWidget* popup);

    // The picture scaled to width x height with corners of the given radius
    // cut away (a radius of half the side gives a circle).
    static QPixmap PixmapToRound(const QPixmap& source, int width, int height, int radius);

    // An avatar drawn from a name (see KpAvatarPolicy::initials) on a colour
    // derived from the account. roundedRect true gives a rectangle with
    // corners of the given radius, false a circle. fontSize is the smallest
    // pixel size of the text; the text grows with the avatar.
    static QPixmap getSelfDrawPicHead(
        const QString& name, const QString& account, int width, int height, bool roundedRect, int radius, int fontSize);

    // A scannable QR code of the text (UTF-8, black on white, quiet zone).
    static QPixmap getGroupQrcode(const QString& text, int width, int height);
};
