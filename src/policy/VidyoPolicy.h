#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// Rules of the Vidyo meeting window, its bottom toggles, attendee list and
// password keypad that need no widget.
namespace VidyoPolicy {

// Layouts of the meeting window, by the number the facade or the business
// library asks for: 0 and 1 calls (1 an accepted invitation), 2 and 3
// meetings (3 filled with the invited persons), 4 an accepted meeting
// invitation, 5 a dial-in that asks for a password.
constexpr int kTypeCount = 6;
bool isKnownType(int type);
bool showsAttendees(int type);
// Mode of the attendee list for the type: 0 for the user's own call or
// meeting, 1 for a meeting joined by invitation; -1 when there is no list.
int attendeesMode(int type);
bool fillsFromInvitedPersons(int type);
bool hidesWhiteBoard(int type);
bool showsKeypadButton(int type);

// The rectangle the SDK renders into, in the window's coordinates. The
// attendee list (`attendeesWidth`, 0 without it) is left out at the right; the
// top edge moves below the title bar while the bottom edge stays, so the
// height loses the title bar's height a second time.
QRect videoRect(const QSize& window, int titleHeight, int bottomHeight, int attendeesWidth);

// Timers of the window.
constexpr int kTalkClockTickMs = 1000;
constexpr int kCloseDelayMs = 3000; // after the meeting ended from the other side
constexpr int kKeypadMicDelayMs = 3000; // microphone muted again after the keypad's close button
constexpr int kMuteAllPauseMs = 1000; // mute-all cannot be pressed again sooner

// The title bar's clock: "Talk time" and the elapsed "hh:mm:ss".
QString talkClockText(const QString& elapsed);
// The elapsed time of a clock text, as CloseVidyo takes it; empty before the connection.
QString durationOfClock(const QString& clockText);

// The attendee count: "Members:" and the number of persons over the room's 20
// places (not capped: 25 persons read 25/20).
constexpr int kRoomPlaces = 20;
QString attendeeCountText(int persons);

// Icon kinds of the bottom toggles and the kind each switches to.
enum BottomIconKind : int {
    Icon_Share = 0,
    Icon_MicrophoneOn = 1,
    Icon_SpeakerOn = 2,
    Icon_WhiteBoard = 3,
    Icon_Sharing = 4,
    Icon_MicrophoneOff = 5,
    Icon_SpeakerOff = 6,
    Icon_WhiteBoardOn = 7,
    Icon_CameraOn = 10,
    Icon_CameraOff = 11,
    Icon_Keypad = 12,
    Icon_KeypadOn = 13,
};
int pairedKind(int kind);
// The kind after the business library confirmed the state `active`: the
// microphone shows the state itself (5 muted, 1 open), every other toggle
// switches to its pair.
int confirmedKind(int kind, bool active);
// The kind after a reset: toggles switched away from their first kind come back.
int resetKind(int kind);
// Style sheet of the toggle's icon label; empty when the kind keeps the images it has.
QString bottomIconStyle(int kind, bool active);

// Style sheet of an attendee's mute button.
QString muteButtonStyle(bool muted);

// The twelve keys of the password keypad; "#" ends the password.
bool isKeypadKey(const QString& key);
bool endsPassword(const QString& key);

} // namespace VidyoPolicy
