#pragma once

#include "util/kp_util_global.h"

#include <QLoggingCategory>
#include <QString>

// Every log line of the module goes through this category, so the usual
// QT_LOGGING_RULES ("kp.mediaconf.debug=false") filter it.
KP_UTIL_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcKpMediaConf)

    class KP_UTIL_EXPORT KPLog
{
public:
    void LogInfo(const QString& text) const;
    void LogDebug(const QString& text) const;
};

// The client's shared logger.
KP_UTIL_EXPORT extern const KPLog g_Log;
