#include "policy/VidyoPolicy.h"

#include <QCoreApplication>

namespace VidyoPolicy {

namespace {
const char kTalkTime[] = QT_TRANSLATE_NOOP("VidyoWidget", "Talk time");

QString imageStyle(const char* selector, const QString& normal, const QString& hover, const QString& pressed)
{
    const QString rule = QStringLiteral("border-image: url(:/NewVidyo/Resource/vidyoNew/%1);border:0px solid;}");
    const QString name = QLatin1String(selector);
    return name + QLatin1Char('{') + rule.arg(normal) + name + QStringLiteral(":hover{") + rule.arg(hover) + name
        + QStringLiteral(":pressed{") + rule.arg(pressed);
}
} // namespace

bool isKnownType(int type)
{
    return type >= 0 && type < kTypeCount;
}

bool showsAttendees(int type)
{
    return type == 2 || type == 3 || type == 4;
}

int attendeesMode(int type)
{
    if (type == 2 || type == 3)
        return 0;
    return type == 4 ? 1 : -1;
}

bool fillsFromInvitedPersons(int type)
{
    return type == 3;
}

bool hidesWhiteBoard(int type)
{
    return type == 4;
}

bool showsKeypadButton(int type)
{
    return type == 5;
}

QRect videoRect(const QSize& window, int titleHeight, int bottomHeight, int attendeesWidth)
{
    QRect rect;
    rect.setLeft(0);
    rect.setWidth(window.width() - attendeesWidth);
    rect.setHeight(window.height() - titleHeight - bottomHeight);
    rect.setTop(titleHeight);
    return rect;
}

QString talkClockText(const QString& elapsed)
{
    return QCoreApplication::translate("VidyoWidget", kTalkTime) + QLatin1Char(' ') + elapsed;
}

QString durationOfClock(const QString& clockText)
{
    QString text = clockText;
    return text.remove(QCoreApplication::translate("VidyoWidget", kTalkTime)).trimmed();
}

QString attendeeCountText(int persons)
{
    return QCoreApplication::translate("AttendeesWidget", "Members:") + QString::number(persons) + QLatin1Char('/')
        + QString::number(kRoomPlaces);
}

int pairedKind(int kind)
{
    switch (kind) {
    case Icon_Share:
        return Icon_Sharing;
    case Icon_Sharing:
        return Icon_Share;
    case Icon_MicrophoneOn:
    case Icon_SpeakerOn:
    case Icon_WhiteBoard:
        return kind + 4;
    case Icon_MicrophoneOff:
    case Icon_SpeakerOff:
    case Icon_WhiteBoardOn:
        return kind - 4;
    case Icon_CameraOn:
    case Icon_Keypad:
        return kind + 1;
    case Icon_CameraOff:
    case Icon_KeypadOn:
        return kind - 1;
    default:
        return kind;
    }
}

int confirmedKind(int kind, bool active)
{
    if (kind == Icon_MicrophoneOn || kind == Icon_MicrophoneOff)
        return active ? Icon_MicrophoneOff : Icon_MicrophoneOn;
    return pairedKind(kind);
}

int resetKind(int kind)
{
    switch (kind) {
    case Icon_Sharing:
    case Icon_SpeakerOff:
    case Icon_WhiteBoardOn:
    case Icon_CameraOff:
    case Icon_KeypadOn:
        return pairedKind(kind);
    default:
        return kind;
    }
}

QString bottomIconStyle(int kind, bool active)
{
    // Normal and hover image of each kind; sharing shows by the active flag rather than by its kind.
    struct Images
    {
        int kind;
        const char* normal;
        const char* hover;
    };
    static const Images table[] = {
        { Icon_MicrophoneOn, "Microphone_On_Normal.png", "Microphone_On_Hover.png" },
        { Icon_MicrophoneOff, "Microphone_Disable_Normal.png", "Microphone_Disable_Hover.png" },
        { Icon_SpeakerOn, "Speaker_On_Normal.png", "Speaker_On_Hover.png" },
        { Icon_SpeakerOff, "Speaker_Disable_Normal.png", "Speaker_Disable_Hover.png" },
        { Icon_WhiteBoard, "WhiteBoard_Normal.png", "WhiteBoard_Hover.png" },
        { Icon_CameraOn, "Camera_On_Press.png", "Camera_On_Hover.png" },
        { Icon_CameraOff, "Camera_Disable_Normal.png", "Camera_Disable_Hover.png" },
        { Icon_Keypad, "PasswordPad_Normal.png", "PasswordPad_Hover.png" },
    };
    static const Images sharing[] = { { Icon_Share, "ShareScreen_Normal.png", "ShareScreen_Hover.png" },
        { Icon_Share, "ShareScreen_Disable_Normal.png", "ShareScreen_Disable_Hover.png" } };
    const Images* found = nullptr;
    if (kind == Icon_Share || kind == Icon_Sharing)
        found = &sharing[active ? 1 : 0];
    for (const Images& images : table)
        found = images.kind == kind ? &images : found;
    if (!found)
        return QString();
    const QString hover = QLatin1String(found->hover);
    return imageStyle("QLabel#m_pIconLabel", QLatin1String(found->normal), hover, hover);
}

QString muteButtonStyle(bool muted)
{
    if (muted)
        return imageStyle("QPushButton#operateBtn", QStringLiteral("Mutex_Disable_Normal.png"),
            QStringLiteral("Mutex_Disable_Hover.png"), QStringLiteral("Mutex_Disable_Press.png"));
    return imageStyle("QPushButton#operateBtn", QStringLiteral("Mutex_On_Normal.png"),
        QStringLiteral("Mutex_On_Hover.png"), QStringLiteral("Mutex_On_Press.png"));
}

bool isKeypadKey(const QString& key)
{
    if (key.size() != 1)
        return false;
    const QChar c = key.at(0);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('*') || c == QLatin1Char('#');
}

bool endsPassword(const QString& key)
{
    return key == QLatin1String("#");
}

} // namespace VidyoPolicy
