#pragma once

#include "common/BottomTipKind.h"

#include <QString>

#include <optional>

// The wording of the invitations that the bottom notification offers: title,
// text and notification type by invitation kind. Texts are translated in the
// facade's context ("KP_MediaConfUI").
namespace InvitationPolicy {

struct Notice
{
    QString title;
    QString text;
    int type = BottomTipKind::None;
};

// A Vidyo invitation by call kind, the decimal text of the record's fourth
// field ("0" a video call, "1" a video meeting). `inviterName` (empty when the
// directory does not know the inviter) starts the text. Other kinds have no
// wording: the notification keeps what it showed.
std::optional<Notice> vidyoInvitation(const QString& callKind, const QString& inviterName);

// A voice (1) or video (2) meeting invitation from `caller`; other types leave
// title, text and type empty.
Notice meetingInvitation(int meetingType, const QString& caller);

// A unified conference is a group conference when its extension text names a
// "groupId" (case-sensitive); its invitation goes to the group box, not to the
// bottom notification.
bool isGroupConference(const QString& extension);

// What the extension text of a unified conference carries: the group's id
// (a number reads as its text), the group's name and the inviter's account.
struct ConferenceExtension
{
    QString groupId;
    QString groupName;
    QString inviter;
};
// nullopt when the text is no JSON object; missing values read as empty.
std::optional<ConferenceExtension> parseConferenceExtension(const QString& extension);

// A unified-conference invitation from `senderName` (may be empty). The group
// box shows `text`; the bottom notification shows `title` above the
// conference's details. `inviteConfType` 3 is a training meeting.
Notice conferenceInvitation(bool groupConference, int inviteConfType, const QString& senderName);

// The notice that another device of the user answered.
Notice otherDeviceAnswered();

// The tip shown when a pending conference invitation was closed elsewhere:
// by the result text of the notice and its kind (20 is silent). Empty: no tip.
QString invitationClosedTip(const QString& result, int kind);

} // namespace InvitationPolicy
