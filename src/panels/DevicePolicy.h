#pragma once

#include "CallRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// Rules of the device dialog, kept apart from the widget.
namespace DevicePolicy {

// The capability the camera is opened with: 640 x 480.
constexpr int kPreferredPixels = 640 * 480;
constexpr int kCameraFrameRate = 15;

// Index of the capability of kPreferredPixels (the last one when several
// match), 0 when none does.
int preferredCapabilityIndex(const QList<Agent_CameraCapability>& capabilities);

// Device indexes (the records' own) of every device with the name.
QList<int> indexesNamed(const QList<Agent_MicroPhoneInfo>& devices, const QString& name);
QList<int> indexesNamed(const QList<Agent_SpeakerInfo>& devices, const QString& name);

// Which entry a refreshed list shows: the one named as before when it is
// still there, otherwise the first.
int entryToShow(const QStringList& names, const QString& previous);
// Same for cameras, found by id.
int cameraToShow(const QList<Agent_CameraInfo>& cameras, const QString& previousId);

} // namespace DevicePolicy
