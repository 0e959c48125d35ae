#include "PollingPolicy.h"

namespace PollingPolicy {

QStringList intervalChoices()
{
    return { QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("120"),
        QStringLiteral("300") };
}

QString defaultInterval()
{
    return intervalChoices().constFirst();
}

bool isIntervalChoice(const QString& seconds)
{
    return intervalChoices().contains(seconds);
}

int intervalMs(const QString& seconds)
{
    bool ok = false;
    const int n = seconds.trimmed().toInt(&ok);
    // An hour is far beyond any choice; refusing more keeps the product in range.
    if (!ok || n <= 0 || n > 3600)
        return 0;
    return n * 1000;
}

} // namespace PollingPolicy
