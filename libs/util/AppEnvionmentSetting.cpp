#include "util/AppEnvionmentSetting.h"

#include "util/KPSettings.h"

namespace {
bool flag(const char* key, const char* env, bool fallback)
{
    const QVariant v = KPSettings::value(QLatin1String(key), QLatin1String(env), fallback);
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("0") || text == QLatin1String("false") || text == QLatin1String("no"))
        return false;
    if (text == QLatin1String("1") || text == QLatin1String("true") || text == QLatin1String("yes"))
        return true;
    return fallback;
}
} // namespace

AppEnvionmentSetting* AppEnvionmentSetting::instance()
{
    static AppEnvionmentSetting setting;
    return &setting;
}

AppEnvionmentConfig AppEnvionmentSetting::getAppEnvionmentConfig() const
{
    AppEnvionmentConfig config;
    config.videoViewByHandle = flag("Environment/VideoViewByHandle", "KP_VIDEO_VIEW_BY_HANDLE", true);
    config.showStatistics = flag("Environment/ShowStatistics", "KP_SHOW_STATISTICS", false);
    config.whiteBoardMode
        = KPSettings::value(QStringLiteral("Environment/WhiteBoardMode"), QStringLiteral("KP_WHITEBOARD_MODE"), 0)
              .toInt();
    config.collapseWhiteBoardButton
        = flag("Environment/CollapseWhiteBoardButton", "KP_COLLAPSE_WHITEBOARD_BUTTON", false);
    return config;
}
