#pragma once

#include "customui/kp_customui_global.h"

#include <QString>

// The client's look: skin folder, theme colour, title-bar style and logos.
// Each value comes from KPSettings (environment variable, settings file,
// built-in default) and is read afresh, so a skin change needs no restart.
class KP_CUSTOMUI_EXPORT KP_CustomStyle
{
public:
    enum TitleStyle { WindowsTitle = 1, MacTitle = 2 };
    enum LogoKind { WindowLogo = 0, SmallLogo = 1 };

    // Folder of the skin's style sheets, ending in '/'
    // (KP_SKIN_PATH / "Style/SkinPath", default ":/qss/Resource/qss/").
    static QString getSkinPath();

    // The theme's accent colour as "#rrggbb"
    // (KP_COLOR_STYLE / "Style/ColorStyle", default "#1d6fe8").
    static QString getColorStyle();

    // 1 Windows-style title buttons (right), 2 macOS-style (left)
    // (KP_TITLE_STYLE / "Style/TitleStyle", default by platform).
    static int getTitleStyle();

    // Path of the OEM logo: 0 the window icon, 1 the small logo. An OEM
    // build names its own file ("Style/OEMLogo0", "Style/OEMLogo1"); a path
    // that does not exist falls back to the built-in logo.
    static QString getOEMLogoUrl(int kind);
};
