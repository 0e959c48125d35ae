#include "facade/MeetingController.h"

#include "common/AreaLog.h"
#include "facade/ControllerSupport.h"
#include "meeting/VideoMeetingWidget.h"
#include "meeting/VoiceMeetingWidget.h"

using ControllerSupport::business;

namespace {
// The meeting windows read who the user is from MeetingView.
void tellMeetingViewTheAccount()
{
    business()->getMeetingView()->setAccount(business()->getUserInfoView()->getCurUserAccount());
}
} // namespace

MeetingController::MeetingController() = default;

MeetingController::~MeetingController() = default;

void MeetingController::showMeetingWidget(int meetingType)
{
    switch (meetingType) {
    case MEETING_TYPE_VOICE:
        if (!m_voiceMeeting) {
            tellMeetingViewTheAccount();
            m_voiceMeeting.replace(nullptr);
        }
        m_voiceMeeting->show();
        break;
    case MEETING_TYPE_VIDEO:
        if (!m_videoMeeting) {
            tellMeetingViewTheAccount();
            m_videoMeeting.replace(nullptr);
        }
        m_videoMeeting->show();
        // Every time: a shown window may have a new native handle for the own camera.
        m_videoMeeting->startSelfVideo();
        break;
    default:
        AreaLog::facade().LogInfo(
            QStringLiteral("MeetingController::showMeetingWidget unknown meeting type %1").arg(meetingType));
        break;
    }
}

void MeetingController::closeVoiceMeeting()
{
    m_voiceMeeting.destroyNow();
}

void MeetingController::closeVideoMeeting()
{
    m_videoMeeting.destroyNow();
}

VoiceMeetingWidget* MeetingController::voiceMeeting() const
{
    return m_voiceMeeting.get();
}

VideoMeetingWidget* MeetingController::videoMeeting() const
{
    return m_videoMeeting.get();
}

void MeetingController::destroyWindows()
{
    m_voiceMeeting.closeAndDestroy();
    m_videoMeeting.closeAndDestroy();
}
