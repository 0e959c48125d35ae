#pragma once

#include <QString>
#include <QStringList>

// Rules of the older voice and video meeting windows and their member rows.
namespace MeetingRoomPolicy {

// A voice meeting holds at most 30 members; a video meeting 5: the user and
// four remote pictures.
constexpr int kVoiceMeetingCapacity = 30;
constexpr int kVideoMeetingCapacity = 5;
constexpr int kRemotePanes = 4;

constexpr int kClockIntervalMs = 1000;
// A pane whose member sends no picture is repainted once more after this.
constexpr int kPaneRefreshMs = 1000;

// "<count>/<capacity>" of the member counter.
QString memberCountText(int count, int capacity);
// The master may invite while the meeting has room.
bool canInvite(int count, int capacity);

// The two-character mute status of a member record.
enum class MuteStatus { Open, Muted, Unknown };
MuteStatus muteStatus(const QString& text);

// The members whose video is requested, in the list's order, the user (and
// records without account, and repeats) left out; the first kRemotePanes of
// them get a pane.
QStringList requestedAccounts(const QStringList& accountsInOrder, const QString& selfAccount);

// --- styles ---

// The user's own microphone button. The two windows show the pictures the
// other way round: the voice window shows "enable" while muted, the video
// window "disable".
QString selfMuteStyle(bool muted, bool videoWindow);
// A member row's mute button: as the member's status arrives, and after the
// master muted the member from the row.
QString memberMuteStyle(bool muted);
QString memberMutedByMasterStyle();
// The master's own row: both controls disabled.
QString ownRowMuteStyle();
QString ownRowKickStyle();

} // namespace MeetingRoomPolicy
