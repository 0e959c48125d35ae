#include "customui/KP_CustomStyle.h"

#include "util/KPLog.h"
#include "util/KPSettings.h"

#include <QColor>
#include <QFileInfo>

QString KP_CustomStyle::getSkinPath()
{
    QString path = KPSettings::value(
        QStringLiteral("Style/SkinPath"), QStringLiteral("KP_SKIN_PATH"), QStringLiteral(":/qss/Resource/qss/"))
                       .toString();
    if (path.isEmpty())
        path = QStringLiteral(":/qss/Resource/qss/");
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString KP_CustomStyle::getColorStyle()
{
    const QString fallback = QStringLiteral("#1d6fe8");
    const QString value
        = KPSettings::value(QStringLiteral("Style/ColorStyle"), QStringLiteral("KP_COLOR_STYLE"), fallback).toString();
    const QColor color(value);
    if (!color.isValid()) {
        g_Log.LogDebug(QStringLiteral("KP_CustomStyle::getColorStyle invalid colour %1").arg(value));
        return fallback;
    }
    return color.name();
}

int KP_CustomStyle::getTitleStyle()
{
#ifdef Q_OS_MACOS
    const int platformDefault = MacTitle;
#else
    const int platformDefault = WindowsTitle;
#endif
    bool ok = false;
    const int style
        = KPSettings::value(QStringLiteral("Style/TitleStyle"), QStringLiteral("KP_TITLE_STYLE"), platformDefault)
              .toInt(&ok);
    if (!ok || (style != WindowsTitle && style != MacTitle))
        return platformDefault;
    return style;
}

QString KP_CustomStyle::getOEMLogoUrl(int kind)
{
    const QString builtIn = kind == SmallLogo ? QStringLiteral(":/TitleBar/Resource/TitleBar/logo_small.png")
                                              : QStringLiteral(":/TitleBar/Resource/TitleBar/logo.png");
    if (kind != WindowLogo && kind != SmallLogo)
        g_Log.LogDebug(QStringLiteral("KP_CustomStyle::getOEMLogoUrl unknown kind %1").arg(kind));
    const QString key = QStringLiteral("Style/OEMLogo%1").arg(kind == SmallLogo ? 1 : 0);
    const QString oem = KPSettings::value(key, QString(), QString()).toString();
    if (oem.isEmpty())
        return builtIn;
    if (!QFileInfo::exists(oem)) {
        g_Log.LogInfo(QStringLiteral("KP_CustomStyle::getOEMLogoUrl missing %1").arg(oem));
        return builtIn;
    }
    return oem;
}
