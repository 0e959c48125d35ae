#include "util/KPLog.h"

Q_LOGGING_CATEGORY(lcKpMediaConf, "kp.mediaconf")

const KPLog g_Log;

KPLog::KPLog()
    : m_category(&lcKpMediaConf())
{ }

KPLog::KPLog(const char* category)
    : m_own(std::make_unique<QLoggingCategory>(category))
    , m_category(m_own.get())
{ }

void KPLog::LogInfo(const QString& text) const
{
    qCInfo((*m_category)).noquote() << text;
}

void KPLog::LogDebug(const QString& text) const
{
    qCDebug((*m_category)).noquote() << text;
}
