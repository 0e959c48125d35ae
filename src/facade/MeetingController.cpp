#include "facade/MeetingController.h"

#include "common/AreaLog.h"

MeetingController::MeetingController() = default;

MeetingController::~MeetingController() = default;

void MeetingController::showMeetingWidget(int meetingType)
{
    AreaLog::facade().LogInfo(
        QStringLiteral("MeetingController::showMeetingWidget the meeting windows are not in this build, type %1")
            .arg(meetingType));
}

void MeetingController::closeVoiceMeeting()
{
    AreaLog::facade().LogInfo(
        QStringLiteral("MeetingController::closeVoiceMeeting the voice meeting window is not in this build"));
}

void MeetingController::closeVideoMeeting()
{
    AreaLog::facade().LogInfo(
        QStringLiteral("MeetingController::closeVideoMeeting the video meeting window is not in this build"));
}
