#include "util/KPSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString KPSettings::settingsDir()
{
    const QString overridden = qEnvironmentVariable("KP_SETTINGS_DIR");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString KPSettings::settingsFile()
{
    return QDir(settingsDir()).filePath(QStringLiteral("kp_client.ini"));
}

QVariant KPSettings::value(const QString& key, const QString& envName, const QVariant& fallback)
{
    if (!envName.isEmpty()) {
        const QString env = qEnvironmentVariable(envName.toLatin1().constData());
        if (!env.isEmpty())
            return env;
    }
    QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(key, fallback);
}

void KPSettings::setValue(const QString& key, const QVariant& value)
{
    QDir().mkpath(settingsDir());
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(key, value);
}

QString KPSettings::getHttpType()
{
    return value(QStringLiteral("Web/HttpType"), QStringLiteral("KP_HTTP_TYPE"), QStringLiteral("https")).toString();
}

QString KPSettings::getPBSDomain()
{
    return value(
        QStringLiteral("Web/PBSDomain"), QStringLiteral("KP_PBS_DOMAIN"), QStringLiteral("meeting.example.com"))
        .toString();
}

QString KPSettings::getPBSPort()
{
    return value(QStringLiteral("Web/PBSPort"), QStringLiteral("KP_PBS_PORT"), QStringLiteral("443")).toString();
}
