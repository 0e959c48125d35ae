#pragma once

#include "business/BusinessEnums.h"

#include <QList>
#include <QString>
#include <QStringList>

// Tags of the member confirmations: the message type a member list gives the
// KpMsgBox it opens, and by which it knows what an answer means.
enum MessageType : int {
    MessageType_HandsUp = 99, // a raised hand: Connect opens the member's microphone, Ignore lowers the hand
    MessageType_KickOut = 101, // kick the member out
};

// Rules of the member lists that need no widget: which rows a join takes off
// the not-enrolled list, which menu a row offers, which buttons the older list
// shows, which field a media report changes.
namespace MemberRosterPolicy {

// The keys in [first, last) that contain the account as a substring. A join
// takes the member off the not-enrolled list on every device with it, and
// with it any not-enrolled row whose key merely contains the account (account
// "12" takes "123|20"). An empty account matches nothing.
template<typename KeyIterator> QStringList keysContaining(KeyIterator first, KeyIterator last, const QString& account)
{
    QStringList found;
    if (account.isEmpty())
        return found;
    for (; first != last; ++first) {
        if (first->contains(account))
            found << *first;
    }
    return found;
}

// The local user's own entry on this client: the own account on device type 20.
bool isOwnRow(const QString& account, int deviceType, const QString& localAccount);

// Which menu a row's "more" button opens. For a host user: own row 1, device
// type 11 (may not be made host) 2, anybody else 3. For anyone else: 4, 5, 6.
int menuKind(bool userIsHost, bool ownRow, int deviceType);
// Kinds 1 to 4 show the "more" button; 5 and 6 have an empty menu.
bool hasMoreButton(int kind);

enum class MenuEntry {
    Camera, // "Open video" / "Close video"
    Microphone, // "Open audio" / "Close audio"
    KickOut,
    SetHost,
};
// Entries of a menu kind, top to bottom. "Set as host" only in kind 3 and never
// for a member with the local user's account (on any device).
QList<MenuEntry> menuEntries(int kind, bool memberHasLocalAccount);

// The flag a media report (sig_updateMemberInfo's action) changes.
enum class MediaField { None, Microphone, Camera };
MediaField mediaFieldOf(int action);

// The four button areas of an older-list row, indexed by k (3 leftmost, 0 rightmost).
enum class RowButton { None, HandsUp, Camera, Microphone, Remove, Add };
struct OlderRowButtons
{
    RowButton area[4] = { RowButton::None, RowButton::None, RowButton::None, RowButton::None };
};
// A raised hand shows to the host and on the member's own row (the host deals
// with it; the member may lower it). The host's view adds camera and microphone
// on members in the conference, and remove (in the conference) or add (absent)
// on everybody but the own row.
OlderRowButtons olderRowButtons(bool userIsHost, bool ownRow, bool inConference, bool handUp);

// Device icon of an older-list row (in the ConfIconBtn folder); empty for
// device types without one.
QString deviceIconFile(int deviceType);

} // namespace MemberRosterPolicy
