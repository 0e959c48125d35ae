#include "policy/InvitationPolicy.h"

#include "business/BusinessEnums.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

namespace InvitationPolicy {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("KP_MediaConfUI", text);
}

constexpr int kTrainingConference = 3;
constexpr int kSilentCloseKind = 20;

} // namespace

std::optional<Notice> vidyoInvitation(const QString& callKind, const QString& inviterName)
{
    bool numeric = false;
    const int kind = callKind.toInt(&numeric);
    if (numeric && kind == 0)
        return Notice { translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Video invitation")),
            inviterName + translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "You receive a video invitation!")),
            BottomTipKind::VidyoCall };
    if (numeric && kind == 1)
        return Notice { translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Video meeting invitation")),
            inviterName + translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "You receive a video meeting invitation!")),
            BottomTipKind::VidyoMeeting };
    return std::nullopt;
}

Notice meetingInvitation(int meetingType, const QString& caller)
{
    switch (meetingType) {
    case MEETING_TYPE_VOICE:
        return { translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "A Voice meeting invitation")),
            caller + translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", " Invite you to an audio conference")),
            BottomTipKind::VoiceMeeting };
    case MEETING_TYPE_VIDEO:
        return { translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Video meeting invitation")),
            caller + translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Invite you to a video conference")),
            BottomTipKind::VideoMeeting };
    default:
        return {};
    }
}

bool isGroupConference(const QString& extension)
{
    return extension.contains(QLatin1String("groupId"));
}

std::optional<ConferenceExtension> parseConferenceExtension(const QString& extension)
{
    const QJsonDocument document = QJsonDocument::fromJson(extension.toUtf8());
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    return ConferenceExtension { object.value(QLatin1String("groupId")).toVariant().toString(),
        object.value(QLatin1String("groupName")).toString(), object.value(QLatin1String("inviter")).toString() };
}

Notice conferenceInvitation(bool groupConference, int inviteConfType, const QString& senderName)
{
    const QString integrated
        = translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "You are invited to the integrated meeting"));
    if (groupConference)
        return { QString(), senderName + integrated, BottomTipKind::None };
    const QString phrase = inviteConfType == kTrainingConference
        ? translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "You are invited to attend the training meeting"))
        : integrated;
    return { senderName + phrase, QString(), BottomTipKind::Conference };
}

Notice otherDeviceAnswered()
{
    return { translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Video invitation")),
        translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Answered by other device!")),
        BottomTipKind::OtherDeviceAnswered };
}

QString invitationClosedTip(const QString& result, int kind)
{
    if (kind == kSilentCloseKind)
        return QString();
    if (result.isEmpty())
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "The other end is answered"));
    if (result == QLatin1String("107781"))
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Other ends have refused"));
    return QString();
}

} // namespace InvitationPolicy
