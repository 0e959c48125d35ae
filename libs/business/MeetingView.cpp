#include "business/MeetingView.h"

MeetingView::MeetingView(QObject* parent)
    : BusinessViewBase(QStringLiteral("MeetingView"), parent)
{ }

void MeetingView::resetState()
{
    m_state = State();
}

void MeetingView::acceptMeeting()
{
    command(QStringLiteral("acceptMeeting"));
    m_state.meetingStatus = m_state.inviteMeetingType == 2 ? Meeting_InVideo : Meeting_InVoice;
}

void MeetingView::rejectMeeting()
{
    command(QStringLiteral("rejectMeeting"));
    m_state.meetingStatus = Meeting_Idle;
    m_state.inviteMeetingCallid.clear();
}

void MeetingView::resetMeetingStatus()
{
    command(QStringLiteral("resetMeetingStatus"));
    m_state.meetingStatus = Meeting_Idle;
}

void MeetingView::setAccount(const QString& account)
{
    command(QStringLiteral("setAccount"), account);
    m_state.account = account;
}

void MeetingView::inviteJoinVoiceMeeting()
{
    command(QStringLiteral("inviteJoinVoiceMeeting"));
}

void MeetingView::inviteJoinVideoMeeting()
{
    command(QStringLiteral("inviteJoinVideoMeeting"));
}

void MeetingView::setMasterMute(int state)
{
    command(QStringLiteral("setMasterMute"), state);
    m_state.masterMute = state;
}

void MeetingView::setMemberMute(const QString& account, int state)
{
    command(QStringLiteral("setMemberMute"), account, state);
    m_state.memberMute.insert(account, state);
}

void MeetingView::deleteMemberMultiMediaMeeting(const QString& account)
{
    command(QStringLiteral("deleteMemberMultiMediaMeeting"), account);
}

void MeetingView::exitMeeting()
{
    command(QStringLiteral("exitMeeting"));
    m_state.meetingStatus = Meeting_Idle;
}

void MeetingView::dismissMeeting()
{
    command(QStringLiteral("dismissMeeting"));
    m_state.meetingStatus = Meeting_Idle;
}

void MeetingView::closeVoiceMeeting()
{
    command(QStringLiteral("closeVoiceMeeting"));
}

void MeetingView::closeVideoMeeting()
{
    command(QStringLiteral("closeVideoMeeting"));
    m_state.selfView = 0;
    m_state.memberViews.clear();
}

void MeetingView::setVideoView(void* selfView, void* otherView)
{
    command(QStringLiteral("setVideoView"), selfView, otherView);
    m_state.selfView = quintptr(selfView);
}

void MeetingView::requestConferenceMemberVideo(const QString& account, void* view)
{
    command(QStringLiteral("requestConferenceMemberVideo"), account, view);
    if (view)
        m_state.memberViews.insert(account, quintptr(view));
    else
        m_state.memberViews.remove(account);
}

void MeetingView::cancelConferenceMemberVideo(const QString& account)
{
    command(QStringLiteral("cancelConferenceMemberVideo"), account);
    m_state.memberViews.remove(account);
}

QString MeetingView::getInviteMeetingCallid() const
{
    query(QStringLiteral("getInviteMeetingCallid"));
    return m_state.inviteMeetingCallid;
}

int MeetingView::getMeetingStatus() const
{
    query(QStringLiteral("getMeetingStatus"));
    return m_state.meetingStatus;
}

bool MeetingView::ifRoomMaster() const
{
    query(QStringLiteral("ifRoomMaster"));
    return m_state.roomMaster;
}
