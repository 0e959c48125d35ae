#pragma once

#include "business/CallRecords.h"
#include "meeting/MeetingWindow.h"

#include <QSize>
#include <QStringList>

#include <memory>

class MemberListWidget;
class VideoWidget;
namespace Ui {
class VideoMeetingWidget;
}

// The older video meeting's window: the user's own camera, up to four remote
// members' pictures (native windows whose handles go to MeetingView), the
// meeting number, the member list, and leave, dismiss, invite and own
// microphone. The facade creates it, runs startSelfVideo() after every show,
// and deletes it when MeetingView closes the meeting.
class VideoMeetingWidget : public MeetingWindow
{
    Q_OBJECT

public:
    explicit VideoMeetingWidget(QWidget* parent = nullptr);
    ~VideoMeetingWidget() override;

    // Hands the own pane to MeetingView and asks for the cameras.
    void startSelfVideo();

    int memberCount() const { return m_memberCount; }
    // The members whose video was requested, in order; the first four have a pane.
    QStringList requestedAccounts() const { return m_requested; }
    // Remote pane 0 to 3; null for other indexes.
    VideoWidget* remotePane(int index) const;
    VideoWidget* selfPane() const;
    MemberListWidget* memberList() const;

signals:
    void isShowMaximized(bool maximized);

public slots:
    void slot_close();
    void slot_btn_max_clicked();
    void slot_btn_maxed_clicked();
    void slot_inviteJoinVideoMeeting();
    void slot_setSelfMute();
    void slot_showMeetingTime();
    void slot_showVideoMeetingId(QString id);
    void slot_getVideoMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList);
    void slot_updateVideoState(Agent_VideoMeetingMsg msg);
    void slot_raiseVideoMeetingWidget();
    void slot_onLocalVideoScale(float scale);
    void slot_onRemoteVideoRatio(QString member, float scale);
    void slot_setCameraStatus() { }

protected:
    void askToLeave() override { slot_close(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pane of a requested member; null when the member has none.
    VideoWidget* paneOf(const QString& account) const;

    std::unique_ptr<Ui::VideoMeetingWidget> ui;
    QList<VideoWidget*> m_remotePanes;
    int m_memberCount = 0;
    QStringList m_requested;
    QSize m_normalSize;
};
