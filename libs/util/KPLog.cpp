#include "util/KPLog.h"

Q_LOGGING_CATEGORY(lcKpMediaConf, "kp.mediaconf")

const KPLog g_Log;

void KPLog::LogInfo(const QString& text) const
{
    qCInfo(lcKpMediaConf).noquote() << text;
}

void KPLog::LogDebug(const QString& text) const
{
    qCDebug(lcKpMediaConf).noquote() << text;
}
