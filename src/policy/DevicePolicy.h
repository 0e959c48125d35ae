#pragma once

#include <QList>
#include <QString>
#include <QtMath>

// Rules of the device dialog, kept apart from the widget. The device records
// are the business library's; these rules read only their name, index and size
// fields, so they take any record that has them.
namespace DevicePolicy {

// The capability a camera is opened with: 640 x 480.
constexpr int kPreferredPixels = 640 * 480;
constexpr int kCameraFrameRate = 15;

// Index of the last capability of kPreferredPixels, -1 when none has it.
template<class Capability> int preferredCapabilityIndex(const QList<Capability>& capabilities)
{
    int chosen = -1;
    for (int i = 0; i < capabilities.size(); ++i) {
        const Capability& c = capabilities.at(i);
        if (qRound64(double(c.width) * double(c.height)) == kPreferredPixels)
            chosen = i;
    }
    return chosen;
}

// The two indexes selectCamera gets: the camera's place in the list and the
// 640 x 480 capability; both 0 when the camera has no such capability.
struct CameraChoice
{
    int cameraIndex = 0;
    int capabilityIndex = 0;
};
CameraChoice cameraChoice(int listIndex, int preferredCapability);

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

} // namespace DevicePolicy
