#pragma once

#include <QList>
#include <QString>

// Telephone invitations: what the number fields accept, when a number may be
// called, and the record each builder hands to
// UnifiedConferenceView::invitePhoneMembers (key, number, name; the record's
// third text is always left empty).
namespace PhoneInvitePolicy {

// The number dialog of the conference window: digits only, at most 11, and
// confirmable from 10 digits on.
QString callPhonePattern();
constexpr int kCallPhoneMaxLength = 11;
bool callPhoneConfirmable(const QString& text);

// The dial pad: an optional minus sign, digits, an optional point and more
// digits. The keypad's "*" and "#" never fit it.
QString quickInvitePattern();
// Whether the whole text matches the dial pad's pattern.
bool quickInviteAccepts(const QString& text);

struct PhoneInvitee
{
    QString key;
    QString number;
    QString name;
};

// A telephone participant called again from its row, or with all absent
// members: the account is key and number, the display name the name.
PhoneInvitee rowCall(const QString& account, const QString& displayName);
// A number typed into the dial pad or the number dialog: key, number and name.
PhoneInvitee typedNumber(const QString& number);
// A number dialled on the keypad: the directory's name for it, empty when the
// directory has nobody with that number.
PhoneInvitee dialledNumber(const QString& number, const QString& directoryName);

} // namespace PhoneInvitePolicy
