#pragma once

#include <QString>
#include <QStringList>

// Video round-robin (polling) settings, kept apart from the panel.
namespace PollingPolicy {

// The interval choices in seconds, as the panel lists them.
QStringList intervalChoices();
// The interval at start: the first choice.
QString defaultInterval();

} // namespace PollingPolicy
