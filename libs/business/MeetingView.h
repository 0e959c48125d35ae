#pragma once

#include "business/BusinessViewBase.h"
#include "business/CallRecords.h"

#include <QHash>

// The older voice and video meetings.
class KP_BUSINESS_EXPORT MeetingView : public BusinessViewBase
{
    Q_OBJECT
public:
    enum MeetingStatus : int {
        Meeting_Idle = 0,
        Meeting_InVoice = 1,
        Meeting_InVideo = 2,
        Meeting_Invited = 3, // an invitation waits for an answer
    };

    struct State
    {
        int meetingStatus = Meeting_Idle;
        int inviteMeetingType = 0; // 1 voice, 2 video, of the pending invitation
        QString inviteMeetingCallid; // call id of the pending invitation
        QString meetingId;
        QString account; // setAccount
        bool roomMaster = false; // ifRoomMaster
        int masterMute = 0; // setMasterMute: 1 muted, 2 open
        QHash<QString, int> memberMute; // setMemberMute: account -> 1 muted, 2 open
        quintptr selfView = 0; // setVideoView
        QHash<QString, quintptr> memberViews; // requestConferenceMemberVideo
    };

    explicit MeetingView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- commands ---
    void acceptMeeting();
    void rejectMeeting();
    void resetMeetingStatus();
    void setAccount(const QString& account);
    void inviteJoinVoiceMeeting();
    void inviteJoinVideoMeeting();
    void setMasterMute(int state);
    void setMemberMute(const QString& account, int state);
    void deleteMemberMultiMediaMeeting(const QString& account);
    void exitMeeting();
    void dismissMeeting();
    void closeVoiceMeeting();
    void closeVideoMeeting();
    void setVideoView(void* selfView, void* otherView);
    void requestConferenceMemberVideo(const QString& account, void* view);
    void cancelConferenceMemberVideo(const QString& account);

    // --- queries ---
    QString getInviteMeetingCallid() const;
    int getMeetingStatus() const;
    bool ifRoomMaster() const;

signals:
    void sig_showMeetingWidget(int meetingType);
    void sig_onInviteMeetingCall(int meetingType, QString caller, QString confId);
    void sig_closeVoiceMeeting();
    void sig_closeVideoMeeting();
    void sig_onDialInviteJoinMeetingFaild(int reason);
    void sig_showVoiceMeetingId(QString id);
    void sig_showVoiceMeetingMembersNum(int number);
    void sig_raiseVoiceMeetingWidget();
    void sig_getVoiceMeetingMembers(QList<Agent_MeetingMemberInfo> members);
    void sig_getVideoMeetingMembers(QList<Agent_MeetingMemberInfo> members);
    void sig_updateVideoMemberMuteStatus(QString member, QString forbid);
    void sig_showVideoMeetingId(QString id);
    void sig_updateVideoState(Agent_VideoMeetingMsg msg);
    void sig_raiseVideoMeetingWidget();
    void sig_onRemoteVideoScale(QString member, float scale);

private:
    State m_state;
};
