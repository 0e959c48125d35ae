#pragma once

#include "customui/kp_customui_global.h"

#include <QString>

class QWidget;

// Forms are drawn for 96 DPI. On a denser screen a built window is grown by
// the screen scale: sizes, minimum and maximum sizes, the positions of
// children placed by hand, layout margins and spacings, icon sizes. Fonts
// are not touched (they come from KP_UI_UTIL::getFontScale, already scaled).
class KP_CUSTOMUI_EXPORT ScreenScale
{
public:
    // Scales by KP_UI_UTIL::getScreenScale(); nothing happens at scale 1.
    static void beginScale(QWidget* widget);

    // Scales by the given factor. A widget is scaled once: a second call
    // (a subclass finishing after its base) does nothing.
    static void beginScale(QWidget* widget, double scale);

    // A length given at 96 DPI, on this screen: for the sizes code sets after
    // the form was scaled (a window's width with or without a panel).
    static int scaled(int pixels);

    // A style sheet written at 96 DPI, for this screen: its lengths grown and
    // its `image:` pictures served grown. For sheets set on windows made
    // outside any scaled form (menus); a scaled form's own are grown already.
    static QString grownStyleSheet(const QString& sheet);
};
