#pragma once

#include "util/kp_util_global.h"

#include <QString>

// The client's environment flags.
struct KP_UTIL_EXPORT AppEnvionmentConfig
{
    // Video call panes are bound to the renderer by native handle
    // (setVideoViewEX) rather than by account.
    bool videoViewByHandle = true;
    // Show the media statistics entry in the conference menus.
    bool showStatistics = false;
    // How the whiteboard is offered: modes 3 and 7 have no whiteboard in calls.
    int whiteBoardMode = 0;
    // Collapse the call window's whiteboard button to no size instead of hiding it.
    bool collapseWhiteBoardButton = false;
};

class KP_UTIL_EXPORT AppEnvionmentSetting
{
public:
    static AppEnvionmentSetting* instance();

    // Read afresh each time (KP_VIDEO_VIEW_BY_HANDLE / "Environment/VideoViewByHandle",
    // KP_SHOW_STATISTICS / "Environment/ShowStatistics", KP_WHITEBOARD_MODE /
    // "Environment/WhiteBoardMode", KP_COLLAPSE_WHITEBOARD_BUTTON /
    // "Environment/CollapseWhiteBoardButton"), so a test can flip a flag.
    AppEnvionmentConfig getAppEnvionmentConfig() const;

private:
    AppEnvionmentSetting() = default;
};
