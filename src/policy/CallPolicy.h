#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Rules of the one-to-one call windows that need no widget.
namespace CallPolicy {

// Ring time-out of the incoming-call window and the tick of the call clocks.
constexpr int kIncomingRingTimeOutMs = 50000;
constexpr int kClockTickMs = 1000;
// Every ring and ring-back tone of the call windows and the bottom notification.
constexpr int kRingLoops = 20;

// Talk time of the voice call window: 00:00:00 plus the seconds as "hh:mm:ss",
// wrapping after 24 hours like a wall clock.
QString talkTimeText(int seconds);

// The other party of a call: the callee when the current user placed it, else the caller.
QString peerAccount(const QString& callerAccount, const QString& calleeAccount, const QString& currentUser);

// Volume to set when the speaker button is pressed and the engine reports `volume`:
// a silent speaker is turned fully on, any other is silenced.
uint speakerVolumeToSet(uint volume);

// Whether a call offers the whiteboard: the user holds the whiteboard authority
// and the client's whiteboard mode is not one without whiteboards in calls (3, 7).
bool whiteBoardOffered(bool hasAuthority, int whiteBoardMode);

// Top-left corner that puts a window of `size` in the bottom-right corner of `available`.
QPoint bottomRightPosition(const QRect& available, const QSize& size);

// Top-left corner that centres a window of `size` in `available`.
QPoint centredPosition(const QRect& available, const QSize& size);

// The floating toolbar of the video call sits inside the window's bottom edge, centred.
QPoint toolBarPosition(const QRect& windowGeometry, const QSize& toolBarSize);

} // namespace CallPolicy
