#pragma once

#include <QObject>

// The older voice and video meetings of MeetingView. Their windows are not in
// this build: each step is a logged no-op until the windows land here.
class MeetingController : public QObject
{
public:
    MeetingController();
    ~MeetingController() override;

    void showMeetingWidget(int meetingType);
    void closeVoiceMeeting();
    void closeVideoMeeting();
};
