#include "policy/PollingPolicy.h"

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

} // namespace PollingPolicy
