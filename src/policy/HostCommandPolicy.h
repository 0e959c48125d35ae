#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The commands of UnifiedConferenceView that only the host of a conference may
// issue. A member's own microphone, camera and hand stay the member's own; the
// same operations aimed at anybody else belong to the host.
namespace HostCommandPolicy {

enum class Kind {
    MemberMedia, // camera, microphone, hand or share of another member
    AllMembers, // every member's microphone or camera at once
    Lock, // the meeting lock and the sharing lock
    HandOver, // the host role given to another member
    KickOut,
    EndConference, // ending, and the host's own way out of it
};

// The operation names, each once, in the order of the kinds above.
QStringList operations();
// The kind of host-only command a call is (operation name and arguments as the
// command journal keeps them), or nothing when any member may issue it. The
// own account with the desktop device type is the local user.
std::optional<Kind> classify(const QString& operation, const QVariantList& args, const QString& ownAccount);
QString kindName(Kind kind);

} // namespace HostCommandPolicy
