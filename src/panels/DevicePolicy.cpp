#include "DevicePolicy.h"

namespace DevicePolicy {

int preferredCapabilityIndex(const QList<Agent_CameraCapability>& capabilities)
{
    int chosen = 0;
    for (int i = 0; i < capabilities.size(); ++i) {
        const Agent_CameraCapability& c = capabilities.at(i);
        if (qRound64(double(c.width) * double(c.height)) == kPreferredPixels)
            chosen = i;
    }
    return chosen;
}

namespace {
template<typename Device> QList<int> indexesNamedImpl(const QList<Device>& devices, const QString& name)
{
    QList<int> indexes;
    for (const Device& d : devices) {
        if (d.name == name)
            indexes << d.index;
    }
    return indexes;
}
} // namespace

QList<int> indexesNamed(const QList<Agent_MicroPhoneInfo>& devices, const QString& name)
{
    return indexesNamedImpl(devices, name);
}

QList<int> indexesNamed(const QList<Agent_SpeakerInfo>& devices, const QString& name)
{
    return indexesNamedImpl(devices, name);
}

int entryToShow(const QStringList& names, const QString& previous)
{
    const int i = previous.isEmpty() ? -1 : names.indexOf(previous);
    return i < 0 ? 0 : i;
}

int cameraToShow(const QList<Agent_CameraInfo>& cameras, const QString& previousId)
{
    if (previousId.isEmpty())
        return 0;
    for (int i = 0; i < cameras.size(); ++i) {
        if (cameras.at(i).id == previousId)
            return i;
    }
    return 0;
}

} // namespace DevicePolicy
