#pragma once

#include "util/kp_util_global.h"

#include <QLoggingCategory>
#include <QString>

#include <memory>

// Every log line of the module goes through a QLoggingCategory, so the usual
// QT_LOGGING_RULES filter it: "kp.mediaconf" for g_Log, and one category per
// area below it ("kp.mediaconf.call", ...) for the loggers the areas make.
KP_UTIL_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcKpMediaConf)

    class KP_UTIL_EXPORT KPLog
{
public:
    KPLog();
    // A logger of its own category; the name must outlive the logger (a literal).
    explicit KPLog(const char* category);
    KPLog(const KPLog&) = delete;
    KPLog& operator=(const KPLog&) = delete;

    void LogInfo(const QString& text) const;
    void LogDebug(const QString& text) const;
    const QLoggingCategory& category() const { return *m_category; }

private:
    std::unique_ptr<QLoggingCategory> m_own; // null for g_Log, which uses lcKpMediaConf
    const QLoggingCategory* m_category;
};

// The client's shared logger.
KP_UTIL_EXPORT extern const KPLog g_Log;
