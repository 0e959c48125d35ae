#pragma once

#include <QString>
#include <QVector>

// Rules of the phone dial-in widgets, the meeting close confirmation and the
// closing countdown, kept apart from the widgets.
namespace MeetingTipPolicy {

// --- close confirmation (CloseMediaWidgetTip) ---

// What confirming a close type does, in order.
enum class CloseAction {
    ExitMeeting, // MeetingView::exitMeeting
    DismissMeeting, // MeetingView::dismissMeeting
    CloseVoiceMeeting, // MeetingView::closeVoiceMeeting
    CloseVideoMeeting, // MeetingView::closeVideoMeeting
    CloseVideoCall, // VoipView::closeVideoCallWnd
    CloseWhiteBoard, // WhiteBoardView::sig_closeWhiteBoardMainWidget
};

bool isCloseType(int type);
// The translated question of a type; empty for an unknown type.
QString closeQuestion(int type);
// The actions of a type; none for type 4 (a voice call ends elsewhere) and unknown types.
QVector<CloseAction> closeActions(int type);

// --- telephone invitation (ConferenceCallWidget) ---

// 7 to 12 digits; the field's validator uses it, so shorter input is still possible.
QString phoneNumberPattern();
// Only an empty field is refused when calling.
bool canDial(const QString& number);

// --- phone notice animation (ConferenceTipWidget) ---

constexpr int kAnimationIntervalMs = 333;
constexpr int kPhoneNoticeLifetimeMs = 5000;
constexpr int kAnimationFrames = 3;
// Picture of a frame counter: processiIcon1..3, cycling.
QString animationFramePath(int counter);
QString animationFrameStyle(int counter);

// --- closing countdown (RectangeTip) ---

constexpr int kCountdownSeconds = 180;
constexpr int kCountdownTickMs = 1000;
// The countdown ends on the tick that finds fewer than two seconds left.
bool countdownEnds(int secondsLeft);
// The text shown on a tick with the given seconds left.
QString countdownText(int secondsLeft);

} // namespace MeetingTipPolicy
