#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The conference window's pop-ups without their widgets: the texts of each
// numbered type, the network quality of the Wi-Fi bubble, the work bench's
// lock commands and where the window places each pop-up.
namespace ConferencePopupPolicy {

// PopupWidget's pages.
enum PopupWidgetType : int {
    ScreenLayout = 0,
    ShareScreen = 1,
    Material = 2,
    ConfInfo = 3,
    Setting = 4,
    Minutes = 5,
    Invite = 6,
    Member = 7,
    Chat = 8,
};

// Popup_Common_Widget's questions.
enum Popup_Common_Widget_Type : int {
    Common_ShareLock = 1, // turn the sharing lock on
    Common_ShareLockStopsOther = 2, // the same while another member shares
    Common_StopShare = 3, // stop another member's share
    Common_Leave = 4,
    Common_EndOrLeave = 5, // the host's choice
};

// Popup_Small_Widget's notices.
enum Popup_Small_Widget_Type : int {
    Small_MeetingLock = 0, // lock the meeting?
    Small_JoinRefused = 1, // the meeting is locked
    Small_HostInviteRefused = 2, // the user locked it: unlock?
    Small_InviteRefused = 3, // the moderator locked it
    Small_Polling = 5, // a layout change ends polling
};

// Popup_Common_Widget: the texts of a type. `second` and `other` are empty
// where the label or the button is hidden.
struct CommonPopupTexts
{
    bool known = false;
    bool applicationModal = false; // else window-modal
    QString first;
    QString second;
    QString ok;
    QString ignore;
    QString other;
};
CommonPopupTexts commonPopupTexts(int type);
// What the accept button reports: the host's end-or-leave pop-up (5) reports leaving (4).
int acceptedCommonType(int type);

// Popup_Small_Widget: the object name of a type's page; empty for a type without one.
QString smallPopupPage(int type);

// PopupWidget: the title of a type and the object name of its page; empty for
// an unknown type (and no page for "share screen", which only changes the title).
QString popupWidgetTitle(int type);
QString popupWidgetPage(int type);

// WifiWgt: the quality text and the value of the icon's "wifi" property
// ("hight", "mid", "low") for a delay and two losses in whole percent.
struct NetworkQuality
{
    QString text;
    QString icon;
};
NetworkQuality networkQuality(int delayMs, int sendLoss, int recvLoss);
// A loss as the bubble shows it: "%1%" in 'g' format, negative values as 0.
QString lossText(double percent);

// StopConfPopupWgt: a host sees both buttons, a member only leaving.
int stopPopupHeight(bool host);

// MemberControlPopupWgt: the texts of the two all-member buttons.
QString allMicrophonesText(bool allOn);
QString allCamerasText(bool allOn);

// PromptWidget_Control: the main-venue lock label.
QString mainVenueLockText(bool locked);

// The work bench's toggles as UnifiedConferenceView::setConferenceLockState commands.
int conferenceLockCommand(bool lock);
int shareLockCommand(bool lock);

// Where the conference window puts a pop-up (its global top-left) from the
// rectangle its button reported.
enum class Anchor {
    Safe, // under the title bar's safety mark
    Wifi, // under the network mark
    Record, // under the recording mark
    StopConf, // above the toolbar's stop button (needs the toolbar's height)
    Workbench, // above the work-bench button
    MemberControl, // above the member list's control button
};
QPoint anchoredPosition(Anchor anchor, const QRect& button, const QSize& popup, int toolbarHeight = 0);

// PopupWidget of a type opened from a point (global) in a window (global geometry):
// material at the window's left, minutes and member control at its right, both
// with their bottom at the point; everything else centred on the window.
QPoint popupWidgetPosition(int type, const QRect& window, const QSize& popup, const QPoint& from);
QPoint centredOn(const QRect& window, const QSize& popup);
// The exit question is moved to the centre only where it stays on the desktop
// (x above 0, bottom not below its height); false keeps it where it was.
bool exitPopupFits(const QPoint& centred, const QSize& popup, int desktopHeight);

} // namespace ConferencePopupPolicy
