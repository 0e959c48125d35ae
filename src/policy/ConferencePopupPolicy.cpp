#include "policy/ConferencePopupPolicy.h"

#include "business/BusinessEnums.h"

#include <QCoreApplication>
#include <QtNumeric>

namespace ConferencePopupPolicy {

namespace {

QString common(const char* text)
{
    return QCoreApplication::translate("Popup_Common_Widget", text);
}

// The bubbles hang this far left of their mark's centre.
constexpr int kSafeLeft = 36;
constexpr int kWifiLeft = 16;
constexpr int kRecordLeft = 40;
constexpr int kStopConfRight = 24;
constexpr int kStopConfBelow = 10;
constexpr int kWorkbenchLeft = 32;
constexpr int kWorkbenchAbove = 10;
constexpr int kMemberControlLeft = 144;

constexpr int kStopHeightHost = 132;
constexpr int kStopHeightMember = 94;

// Network quality bounds: delay in ms, losses in percent.
constexpr int kGoodDelay = 200;
constexpr int kGoodLoss = 4;
constexpr int kFairDelay = 600;
constexpr int kFairLoss = 12;

} // namespace

CommonPopupTexts commonPopupTexts(int type)
{
    CommonPopupTexts t;
    t.ignore = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Cancel"));
    switch (type) {
    case Common_ShareLock:
        t.first = common(QT_TRANSLATE_NOOP("Popup_Common_Widget",
            "After opening share lock, others will not be able to open share. Do you want to open share?"));
        t.ok = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Turn on shared lock"));
        break;
    case Common_ShareLockStopsOther:
        t.first = common(QT_TRANSLATE_NOOP("Popup_Common_Widget",
            "Someone is sharing desktop, opening will close each other's share. Do you still want to proceed?"));
        t.ok = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Turn on shared lock"));
        break;
    case Common_StopShare:
        t.first = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Do you want to turn off ongoing screen sharing?"));
        t.ok = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "OK"));
        break;
    case Common_Leave:
        t.applicationModal = true;
        t.first = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Whether to leave the meeting"));
        t.ok = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "leave"));
        break;
    case Common_EndOrLeave:
        t.applicationModal = true;
        t.first = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "Whether to end the meeting"));
        t.second = common(QT_TRANSLATE_NOOP(
            "Popup_Common_Widget", "If it ends, everyone is removed; If you leave, the meeting will continue"));
        t.ok = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "leave"));
        t.other = common(QT_TRANSLATE_NOOP("Popup_Common_Widget", "end the meeting"));
        break;
    default:
        return CommonPopupTexts();
    }
    t.known = true;
    return t;
}

int acceptedCommonType(int type)
{
    return type == Common_EndOrLeave ? int(Common_Leave) : type;
}

QString smallPopupPage(int type)
{
    switch (type) {
    case Small_MeetingLock:
        return QStringLiteral("HostlockPage1");
    case Small_JoinRefused:
        return QStringLiteral("AttcontPage");
    case Small_HostInviteRefused:
        return QStringLiteral("Host_invite_Page_2");
    case Small_InviteRefused:
        return QStringLiteral("Attcont_invite_Page_3");
    case Small_Polling:
        return QStringLiteral("polling");
    default:
        return QString();
    }
}

QString popupWidgetTitle(int type)
{
    static const char* const titles[] = { QT_TRANSLATE_NOOP("PopupWidget", "Layout"),
        QT_TRANSLATE_NOOP("PopupWidget", "share screen"), QT_TRANSLATE_NOOP("PopupWidget", "material"),
        QT_TRANSLATE_NOOP("PopupWidget", "Meeting information"), QT_TRANSLATE_NOOP("PopupWidget", "setting"),
        QT_TRANSLATE_NOOP("PopupWidget", "minutes"), QT_TRANSLATE_NOOP("PopupWidget", "invite"),
        QT_TRANSLATE_NOOP("PopupWidget", "Venue control"), QT_TRANSLATE_NOOP("PopupWidget", "chat") };
    if (type < ScreenLayout || type > Chat)
        return QString();
    return QCoreApplication::translate("PopupWidget", titles[type]);
}

QString popupWidgetPage(int type)
{
    static const char* const pages[] = { "ScreenLayoutPage", "", "MaterialPage", "ConfInfoPage", "SettingPage",
        "MinutesPage", "InvitePage", "MemberPage", "ChatPage" };
    if (type < ScreenLayout || type > Chat)
        return QString();
    return QLatin1String(pages[type]);
}

NetworkQuality networkQuality(int delayMs, int sendLoss, int recvLoss)
{
    if (delayMs <= kGoodDelay && sendLoss <= kGoodLoss && recvLoss <= kGoodLoss)
        return { QCoreApplication::translate("WifiWgt", "The network connection is normal"), QStringLiteral("hight") };
    if (delayMs <= kFairDelay && sendLoss <= kFairLoss && recvLoss <= kFairLoss)
        return { QCoreApplication::translate("WifiWgt", "High network delay"), QStringLiteral("mid") };
    return { QCoreApplication::translate("WifiWgt", "Poor network quality"), QStringLiteral("low") };
}

QString lossText(double percent)
{
    return QStringLiteral("%1%").arg(qIsFinite(percent) && percent > 0.0 ? percent : 0.0, 0, 'g');
}

int stopPopupHeight(bool host)
{
    return host ? kStopHeightHost : kStopHeightMember;
}

QString allMicrophonesText(bool allOn)
{
    return allOn ? QCoreApplication::translate("MemberControlPopupWgt", "all not mute microphone")
                 : QCoreApplication::translate("MemberControlPopupWgt", "all mute microphone");
}

QString allCamerasText(bool allOn)
{
    return allOn ? QCoreApplication::translate("MemberControlPopupWgt", "all not mute camera")
                 : QCoreApplication::translate("MemberControlPopupWgt", "all mute camera");
}

QString mainVenueLockText(bool locked)
{
    return locked ? QCoreApplication::translate("PromptWidget_Control", "Unlock the main venue")
                  : QCoreApplication::translate("PromptWidget_Control", "Set main venue lock");
}

int conferenceLockCommand(bool lock)
{
    return lock ? CONF_LOCK_CONFERENCE : CONF_UNLOCK_CONFERENCE;
}

int shareLockCommand(bool lock)
{
    return lock ? CONF_LOCK_SHARING : CONF_UNLOCK_SHARING;
}

QPoint anchoredPosition(Anchor anchor, const QRect& button, const QSize& popup, int toolbarHeight)
{
    const int centreX = button.x() + (button.width() - popup.width()) / 2;
    const int below = button.y() + button.height();
    switch (anchor) {
    case Anchor::Safe:
        return QPoint(button.x() - kSafeLeft, below);
    case Anchor::Wifi:
        return QPoint(centreX - kWifiLeft, below);
    case Anchor::Record:
        return QPoint(centreX - kRecordLeft, below);
    case Anchor::StopConf:
        return QPoint(button.x() + button.width() + kStopConfRight - popup.width(),
            below + kStopConfBelow - toolbarHeight - popup.height());
    case Anchor::Workbench:
        return QPoint(centreX - kWorkbenchLeft, button.y() - kWorkbenchAbove - popup.height());
    case Anchor::MemberControl:
        return QPoint(button.x() + button.width() - kMemberControlLeft - popup.width(), button.y() - popup.height());
    }
    return button.topLeft();
}

QPoint centredOn(const QRect& window, const QSize& popup)
{
    return window.topLeft() + QPoint((window.width() - popup.width()) / 2, (window.height() - popup.height()) / 2);
}

QPoint popupWidgetPosition(int type, const QRect& window, const QSize& popup, const QPoint& from)
{
    switch (type) {
    case Material:
        return QPoint(window.x(), from.y() - popup.height());
    case Minutes:
    case Member:
        return QPoint(window.x() + window.width() - popup.width(), from.y() - popup.height());
    default:
        return centredOn(window, popup);
    }
}

bool exitPopupFits(const QPoint& centred, const QSize& popup, int desktopHeight)
{
    return centred.x() > 0 && centred.y() <= desktopHeight - popup.height();
}

} // namespace ConferencePopupPolicy
