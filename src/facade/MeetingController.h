#pragma once

#include "facade/OwnedWindow.h"

#include <QObject>

class VideoMeetingWidget;
class VoiceMeetingWidget;

// The older voice and video meetings of MeetingView: one window of each kind,
// made when MeetingView asks for it and deleted at once when it closes the
// meeting.
class MeetingController : public QObject
{
public:
    MeetingController();
    ~MeetingController() override;

    // 1 voice, 2 video; other types show nothing.
    void showMeetingWidget(int meetingType);
    void closeVoiceMeeting();
    void closeVideoMeeting();
    // Teardown of the facade: the voice meeting window, then the video one.
    void destroyWindows();

    VoiceMeetingWidget* voiceMeeting() const;
    VideoMeetingWidget* videoMeeting() const;

private:
    OwnedWindow<VoiceMeetingWidget> m_voiceMeeting;
    OwnedWindow<VideoMeetingWidget> m_videoMeeting;
};
