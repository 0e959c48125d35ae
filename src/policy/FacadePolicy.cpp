#include "policy/FacadePolicy.h"

#include "business/BusinessEnums.h"

#include <QCoreApplication>

namespace FacadePolicy {

namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("KP_MediaConfUI", text);
}
} // namespace

bool isVoiceCallType(int callType)
{
    return callType == VOIP_CALL_VOICE || callType == VOIP_CALL_VOICE_CONF;
}

bool isVideoCallType(int callType)
{
    return callType == VOIP_CALL_VIDEO || callType == VOIP_CALL_VIDEO_SHARE || callType == VOIP_CALL_VIDEO_CONF;
}

QString callFailureText(int reason, const QString& utilityText)
{
    const bool known = !utilityText.isEmpty();
    switch (reason) {
    case 175404:
        if (known)
            return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Other user is not online.Try again later"));
        break;
    case 175604:
        if (!known)
            return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Other user is not online.Try again later"));
        break;
    case 171151:
    case 171511:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Have been suspended"));
    case 175403:
    case 175486:
    case 175603:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Busy now.Try again later"));
    case 175408:
    case 175480:
        if (known)
            return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Time out.Try again later"));
        break;
    case 175500:
        if (!known)
            return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Server internal error"));
        break;
    default:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "error code:%1")).arg(reason);
}

QString conferenceErrorText(const QString& serverText, int reason)
{
    switch (reason) {
    case 814006:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "The meeting ID was not found"));
    case 814007:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Wrong password for meeting"));
    case 814011:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "The meeting is full and cannot be joined"));
    case 814012:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "The meeting is locked and cannot join the meeting"));
    case 814023:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Send app register notify fail"));
    case 814026:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "The meeting is not started."));
    case 814052:
        return translated(QT_TRANSLATE_NOOP("KP_MediaConfUI", "Conferece total count beyond limit"));
    case 814056:
        return translated(
            QT_TRANSLATE_NOOP("KP_MediaConfUI", "You cannot join the meeting belonging to another organization."));
    default:
        return serverText;
    }
}

} // namespace FacadePolicy
