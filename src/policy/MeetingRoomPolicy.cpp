#include "policy/MeetingRoomPolicy.h"

namespace MeetingRoomPolicy {

namespace {
QString image(const char* name)
{
    return QStringLiteral("border-image: url(:/VoiceMeeting/Resource/VoiceMeeting/%1)").arg(QLatin1String(name));
}
} // namespace

QString memberCountText(int count, int capacity)
{
    return QStringLiteral("%1/%2").arg(count).arg(capacity);
}

bool canInvite(int count, int capacity)
{
    return count < capacity;
}

MuteStatus muteStatus(const QString& text)
{
    if (text == QLatin1String("11") || text == QLatin1String("01"))
        return MuteStatus::Open;
    if (text == QLatin1String("10") || text == QLatin1String("00"))
        return MuteStatus::Muted;
    return MuteStatus::Unknown;
}

QStringList requestedAccounts(const QStringList& accountsInOrder, const QString& selfAccount)
{
    QStringList requested;
    for (const QString& account : accountsInOrder) {
        // No picture for the user, for a record without account, or twice for one member.
        if (!account.isEmpty() && account != selfAccount && !requested.contains(account))
            requested << account;
    }
    return requested;
}

QString selfMuteStyle(bool muted, bool videoWindow)
{
    return image(muted != videoWindow ? "btn_micphone_enable.png" : "btn_micphone_disable.png");
}

QString memberMuteStyle(bool muted)
{
    return image(muted ? "btn_mute_restore.png" : "btn_mute.png");
}

QString memberMutedByMasterStyle()
{
    // Two blanks, as the row has always written it; style sheets do not mind.
    return QStringLiteral("border-image:  url(:/VoiceMeeting/Resource/VoiceMeeting/btn_mute_restore.png)");
}

QString ownRowMuteStyle()
{
    return image("btn_mute_diabled.png");
}

QString ownRowKickStyle()
{
    return image("btn_kickoff_disabled.png");
}

} // namespace MeetingRoomPolicy
