#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtMath>

// Rules of the device dialog, kept apart from the widget. The device records
// are the business library's; these rules read only their name, index, id and
// size fields, so they take any record that has them.
namespace DevicePolicy {

// The capability the camera is opened with: 640 x 480.
constexpr int kPreferredPixels = 640 * 480;
constexpr int kCameraFrameRate = 15;

// Index of the capability of kPreferredPixels (the last one when several
// match), 0 when none does.
template<class Capability> int preferredCapabilityIndex(const QList<Capability>& capabilities)
{
    int chosen = 0;
    for (int i = 0; i < capabilities.size(); ++i) {
        const Capability& c = capabilities.at(i);
        if (qRound64(double(c.width) * double(c.height)) == kPreferredPixels)
            chosen = i;
    }
    return chosen;
}

// Device indexes (the records' own) of every device with the name.
template<class Device> QList<int> indexesNamed(const QList<Device>& devices, const QString& name)
{
    QList<int> indexes;
    for (const Device& d : devices) {
        if (d.name == name)
            indexes << d.index;
    }
    return indexes;
}

// Which entry a refreshed list shows: the one named as before when it is
// still there, otherwise the first.
int entryToShow(const QStringList& names, const QString& previous);
// Same for cameras, found by id.
template<class Camera> int cameraToShow(const QList<Camera>& cameras, const QString& previousId)
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
