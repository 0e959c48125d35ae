#include "policy/DevicePolicy.h"

namespace DevicePolicy {

int entryToShow(const QStringList& names, const QString& previous)
{
    const int i = previous.isEmpty() ? -1 : names.indexOf(previous);
    return i < 0 ? 0 : i;
}

} // namespace DevicePolicy
