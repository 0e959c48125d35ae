#pragma once

#include <QString>
#include <QStringList>

// Video round-robin (polling) settings, kept apart from the panel.
namespace PollingPolicy {

// The interval choices in seconds, as the panel lists them.
QStringList intervalChoices();
// The interval at start: the first choice.
QString defaultInterval();
bool isIntervalChoice(const QString& seconds);
// Milliseconds of an interval text; 0 when the text is no positive number of seconds.
int intervalMs(const QString& seconds);

} // namespace PollingPolicy
