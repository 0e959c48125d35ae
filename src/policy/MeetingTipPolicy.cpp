#include "policy/MeetingTipPolicy.h"

#include <QCoreApplication>

namespace MeetingTipPolicy {

bool isCloseType(int type)
{
    return type >= 0 && type <= 5;
}

QString closeQuestion(int type)
{
    switch (type) {
    case 0:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Exit the current audio session?");
    case 1:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Dismiss current audio sessions?");
    case 2:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Exit the current video meeting?");
    case 3:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Dismiss current video meeting?");
    case 4:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Exit point-to-point speech?");
    case 5:
        return QCoreApplication::translate("CloseMediaWidgetTip", "Exit point to point video?");
    default:
        return QString();
    }
}

QVector<CloseAction> closeActions(int type)
{
    switch (type) {
    case 0:
        return { CloseAction::ExitMeeting, CloseAction::CloseVoiceMeeting };
    case 1:
        return { CloseAction::DismissMeeting, CloseAction::CloseVoiceMeeting };
    case 2:
        return { CloseAction::ExitMeeting, CloseAction::CloseVideoMeeting };
    case 3:
        return { CloseAction::DismissMeeting, CloseAction::CloseVideoMeeting };
    case 5:
        return { CloseAction::CloseVideoCall, CloseAction::CloseWhiteBoard };
    default:
        return {};
    }
}

QString phoneNumberPattern()
{
    return QStringLiteral("[0-9]{7,12}");
}

bool canDial(const QString& number)
{
    return !number.isEmpty();
}

QString animationFramePath(int counter)
{
    const int frame = ((counter % kAnimationFrames) + kAnimationFrames) % kAnimationFrames + 1;
    return QStringLiteral(":/Conference/Resource/Conference/processiIcon%1.png").arg(frame);
}

QString animationFrameStyle(int counter)
{
    return QStringLiteral("border-image: url(") + animationFramePath(counter) + QStringLiteral(");");
}

bool countdownEnds(int secondsLeft)
{
    return secondsLeft < 2;
}

QString countdownText(int secondsLeft)
{
    if (countdownEnds(secondsLeft))
        return QCoreApplication::translate("RectangeTip", "conference will be close");
    return QCoreApplication::translate("RectangeTip", "%1 second left conference will be close").arg(secondsLeft);
}

} // namespace MeetingTipPolicy
