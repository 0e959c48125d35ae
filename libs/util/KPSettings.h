#pragma once

#include "util/kp_util_global.h"

#include <QString>
#include <QVariant>

// The client's settings. Values come from, in order: an environment variable,
// the settings file, a built-in default. KP_SETTINGS_DIR moves the settings
// file so that tests and demo runs never share state.
class KP_UTIL_EXPORT KPSettings
{
public:
    static QString getHttpType(); // KP_HTTP_TYPE, "Web/HttpType"
    static QString getPBSDomain(); // KP_PBS_DOMAIN, "Web/PBSDomain"
    static QString getPBSPort(); // KP_PBS_PORT, "Web/PBSPort"

    static QString settingsDir();
    static QString settingsFile();

    static QVariant value(const QString& key, const QString& envName, const QVariant& fallback);
    static void setValue(const QString& key, const QVariant& value);
};
