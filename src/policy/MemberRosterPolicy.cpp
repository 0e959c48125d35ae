#include "policy/MemberRosterPolicy.h"

namespace MemberRosterPolicy {

bool isOwnRow(const QString& account, int deviceType, const QString& localAccount)
{
    return !localAccount.isEmpty() && account == localAccount && deviceType == CONFMEMBER_DEVICE_PC;
}

int menuKind(bool userIsHost, bool ownRow, int deviceType)
{
    const int kind = ownRow ? 1 : (deviceType == CONFMEMBER_DEVICE_PAD_LIMITED ? 2 : 3);
    return userIsHost ? kind : kind + 3;
}

bool hasMoreButton(int kind)
{
    return kind >= 1 && kind <= 4;
}

QList<MenuEntry> menuEntries(int kind, bool memberHasLocalAccount)
{
    if (!hasMoreButton(kind))
        return {};
    QList<MenuEntry> entries { MenuEntry::Camera, MenuEntry::Microphone };
    if (kind == 2 || kind == 3)
        entries << MenuEntry::KickOut;
    if (kind == 3 && !memberHasLocalAccount)
        entries << MenuEntry::SetHost;
    return entries;
}

MediaField mediaFieldOf(int action)
{
    switch (action) {
    case CONF_MEMBER_ACTION_MIC_OFF:
    case CONF_MEMBER_ACTION_MIC_ON:
        return MediaField::Microphone;
    case CONF_MEMBER_ACTION_CAMERA_OFF:
    case CONF_MEMBER_ACTION_CAMERA_ON:
        return MediaField::Camera;
    default:
        return MediaField::None;
    }
}

OlderRowButtons olderRowButtons(bool userIsHost, bool ownRow, bool inConference, bool handUp)
{
    OlderRowButtons buttons;
    if (handUp && inConference && (userIsHost || ownRow))
        buttons.area[3] = RowButton::HandsUp;
    if (!userIsHost)
        return buttons;
    if (inConference) {
        buttons.area[2] = RowButton::Camera;
        buttons.area[1] = RowButton::Microphone;
    }
    if (!ownRow)
        buttons.area[0] = inConference ? RowButton::Remove : RowButton::Add;
    return buttons;
}

QString deviceIconFile(int deviceType)
{
    switch (deviceType) {
    case CONFMEMBER_DEVICE_TELEPHONE:
    case CONFMEMBER_DEVICE_MOBILE:
        return QStringLiteral("Icon_phone.png");
    case CONFMEMBER_DEVICE_PAD:
    case CONFMEMBER_DEVICE_PAD_LIMITED:
        return QStringLiteral("Icon_pad.png");
    case CONFMEMBER_DEVICE_PC:
    case CONFMEMBER_DEVICE_PC_OTHER:
        return QStringLiteral("Icon_pc.png");
    case CONFMEMBER_DEVICE_WEB:
        return QStringLiteral("Icon_h5.png");
    default:
        return QString();
    }
}

} // namespace MemberRosterPolicy
