#pragma once

#include <QDateTime>
#include <QString>

// The lines of the conference's activity log (PPC_Chat): a time stamp, the
// member's name and what happened.
namespace ActivityLogPolicy {

enum Event {
    Joined,
    RefusedInvitation,
    Quit,
    Kicked,
    BeganSharing,
    StoppedSharing,
    HandUp,
};

// "hh:mm" and three spaces.
QString timeStamp(const QDateTime& at);
// What follows the name (it begins with a space).
QString eventText(Event event);
// A media change by the action of sig_updateMemberInfo; empty for an action
// that is no microphone or camera switch.
QString mediaChangeText(int action);
QString line(const QDateTime& at, const QString& name, const QString& what);

} // namespace ActivityLogPolicy
