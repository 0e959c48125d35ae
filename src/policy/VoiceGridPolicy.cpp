#include "policy/VoiceGridPolicy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

namespace VoiceGridPolicy {

namespace {
constexpr qint64 kDayMs = 86400000;

// Heights keep the tiles of the configured layouts square.
int areaHeight(int memberCount, int width, bool miniMode)
{
    if (miniMode)
        return width;
    if (memberCount == 2)
        return width / 2;
    if (memberCount == 5 || memberCount == 6)
        return 2 * width / 3;
    return width;
}

QString translated(const char* source)
{
    return QCoreApplication::translate("MediaLayoutWgt", source);
}
} // namespace

QRect videoAreaGeometry(const QSize& container, int memberCount, bool miniMode)
{
    const int width = container.width();
    const int height = areaHeight(memberCount, width, miniMode);
    return QRect(0, (container.height() - height) / 2, width, height);
}

QList<VideoItem> gridOrder(const QList<VideoItem>& members, const QString& selfAccount)
{
    QList<VideoItem> order;
    order.reserve(members.size());
    for (const VideoItem& member : members) {
        VideoItem item { member.account, member.deviceType, false, false };
        if (!selfAccount.isEmpty() && item.account == selfAccount && item.deviceType == CONFMEMBER_DEVICE_PC)
            order.prepend(item);
        else
            order.append(item);
    }
    return order;
}

Elapsed meetingElapsed(const QString& startText, qint64 nowMs)
{
    const QDateTime start = QDateTime::fromString(startText, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    Elapsed result;
    if (!start.isValid())
        return result;
    const qint64 elapsed = nowMs - start.toMSecsSinceEpoch();
    if (elapsed < 0)
        return result;
    result.shown = true;
    result.days = elapsed / kDayMs;
    result.clock = QTime(0, 0).addMSecs(int(elapsed % kDayMs)).toString(QStringLiteral("HH:mm:ss"));
    return result;
}

std::optional<QString> groupIdOf(const QString& extensionJson)
{
    const QJsonDocument doc = QJsonDocument::fromJson(extensionJson.toUtf8());
    if (!doc.isObject())
        return std::nullopt;
    return doc.object().value(QLatin1String("groupId")).toString();
}

std::optional<QuestionText> questionText(int type)
{
    const QString system = translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Conference system"));
    switch (type) {
    case Question_EndMeeting:
        return QuestionText { translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Prompt")),
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Do you end the current meeting?")), false };
    case Question_LeaveMeeting:
        return QuestionText { translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Prompt")),
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Do you withdraw from the current meeting?")), false };
    case Question_OpenWhiteboard:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Are you sure open the whiteboard sharing meeting?")) };
    case Question_OpenDesktopShare:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Are you sure open desktop sharing?")) };
    case Question_CloseDesktopShare:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Are you sure close desktop sharing?")) };
    case Question_AgreeDesktopShare:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Do you agree to the desktop share request?")) };
    case Question_StartRecording:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Are you sure start recording meeting?")) };
    case Question_StopRecording:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Are you sure stop recording the meeting?")) };
    case Question_MoveToMobile:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Make sure you join the meeting on your cell phone?")) };
    case Question_OpenMicrophone:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Make sure to open the microphone?")) };
    case Question_CloseMicrophone:
        return QuestionText { system,
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Make sure to close the microphone?")) };
    case Question_OpenCamera:
        return QuestionText { system, translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Turn on the camera?")) };
    case Question_CloseCamera:
        return QuestionText { system, translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Turn off the camera?")) };
    case Question_TransferHost:
        return QuestionText { translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Transfer host")),
            translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "You are the host. Do you move the host?")) };
    case Question_RaiseHand:
        return QuestionText { system, translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Sure hands?")) };
    case Question_LowerHand:
        return QuestionText { system, translated(QT_TRANSLATE_NOOP("MediaLayoutWgt", "Hands off?")) };
    default:
        return std::nullopt;
    }
}

Answer acceptAnswer(int type)
{
    switch (type) {
    case Question_EndMeeting:
        return Answer::DismissConference;
    case Question_LeaveMeeting:
        return Answer::LeaveConference;
    case Question_OpenWhiteboard:
        return Answer::QueryWhiteboard;
    case Question_OpenDesktopShare:
    case Question_AgreeDesktopShare:
        return Answer::BeginDesktopShare;
    case Question_CloseDesktopShare:
        return Answer::StopDesktopShare;
    case Question_StartRecording:
        return Answer::BeginRecording;
    case Question_StopRecording:
        return Answer::StopRecording;
    case Question_MoveToMobile:
        return Answer::SwitchToMobile;
    case Question_OpenMicrophone:
        return Answer::OpenMicrophone;
    case Question_CloseMicrophone:
        return Answer::CloseMicrophone;
    case Question_OpenCamera:
        return Answer::OpenCamera;
    case Question_CloseCamera:
        return Answer::CloseCamera;
    case Question_RaiseHand:
        return Answer::RaiseHand;
    case Question_LowerHand:
        return Answer::LowerHand;
    default:
        return Answer::None;
    }
}

Answer rejectAnswer(int type)
{
    switch (type) {
    case Question_AgreeDesktopShare:
        return Answer::StopDesktopShare;
    case Question_TransferHost:
        return Answer::LeaveConference;
    default:
        return Answer::None;
    }
}

} // namespace VoiceGridPolicy
