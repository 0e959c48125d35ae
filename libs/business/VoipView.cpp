#include "business/VoipView.h"

VoipView::VoipView(QObject* parent)
    : BusinessViewBase(QStringLiteral("VoipView"), parent)
{ }

void VoipView::resetState()
{
    m_state = State();
}

void VoipView::SetVoipCallStatus(int mark)
{
    command(QStringLiteral("SetVoipCallStatus"), mark);
    m_state.callStatus |= mark;
}

void VoipView::CancelVoipCallStatus(int mark)
{
    command(QStringLiteral("CancelVoipCallStatus"), mark);
    m_state.callStatus &= ~mark;
}

void VoipView::MakeCall(int callType, const QString& account)
{
    command(QStringLiteral("MakeCall"), callType, account);
}

void VoipView::AcceptCall(const QString& callId)
{
    command(QStringLiteral("AcceptCall"), callId);
}

void VoipView::ReleaseCall(const Agent_VoIPComingInfo& info, int reason)
{
    command(QStringLiteral("ReleaseCall"), info, reason);
}

void VoipView::ReleaseCall(const Agent_VoIPCallMsg& msg, int reason)
{
    command(QStringLiteral("ReleaseCall"), msg, reason);
}

void VoipView::switchCallType(int callType, const QString& callId)
{
    command(QStringLiteral("switchCallType"), callType, callId);
}

void VoipView::closeVideoCallWnd()
{
    command(QStringLiteral("closeVideoCallWnd"));
}

void VoipView::setVideoView(void* remoteView, void* localView)
{
    command(QStringLiteral("setVideoView"), remoteView, localView);
    m_state.remoteView = quintptr(remoteView);
    m_state.localView = quintptr(localView);
}

void VoipView::setVideoViewEX(void* remoteView, void* localView, void* remoteShareView, void* localShareView)
{
    command(QStringLiteral("setVideoViewEX"), remoteView, localView, remoteShareView, localShareView);
    m_state.remoteView = quintptr(remoteView);
    m_state.localView = quintptr(localView);
    m_state.remoteShareView = quintptr(remoteShareView);
    m_state.localShareView = quintptr(localShareView);
}

void VoipView::setLocalCameraPreview(const QString& callId, bool on)
{
    command(QStringLiteral("setLocalCameraPreview"), callId, on);
    m_state.localCameraOn = on;
}

void VoipView::ShareScreen(bool on, const QString& callId)
{
    command(QStringLiteral("ShareScreen"), on, callId);
    m_state.screenSharing = on;
}

void VoipView::startWhiteBoard(const QString& peerAccount)
{
    command(QStringLiteral("startWhiteBoard"), peerAccount);
}

void VoipView::GetMuteStatus()
{
    command(QStringLiteral("GetMuteStatus"));
}

void VoipView::SetMute(bool mute)
{
    command(QStringLiteral("SetMute"), mute);
    m_state.muted = mute;
}

void VoipView::GetSpeakerStatus()
{
    command(QStringLiteral("GetSpeakerStatus"));
}

void VoipView::SetSpeakerStatus(uint volume)
{
    command(QStringLiteral("SetSpeakerStatus"), volume);
    m_state.speakerVolume = volume;
}

void VoipView::setRemoteMute(bool mute)
{
    command(QStringLiteral("setRemoteMute"), mute);
}

void VoipView::getCameraInfo()
{
    command(QStringLiteral("getCameraInfo"));
}

void VoipView::getMicroPhoneInfo()
{
    command(QStringLiteral("getMicroPhoneInfo"));
}

void VoipView::getSpeakerInfo()
{
    command(QStringLiteral("getSpeakerInfo"));
}

void VoipView::selectCamera(
    int cameraIndex, int capabilityIndex, int frameRate, int rotation, bool enable, const QString& cameraId)
{
    command(QStringLiteral("selectCamera"), cameraIndex, capabilityIndex, frameRate, rotation, enable, cameraId);
    m_state.selectedCamera = cameraIndex;
    m_state.selectedCameraCapability = capabilityIndex;
    m_state.selectedCameraId = cameraId;
}

void VoipView::selectmmicphone(int index)
{
    command(QStringLiteral("selectmmicphone"), index);
    m_state.selectedMicrophone = index;
}

void VoipView::selectspeaker(int index)
{
    command(QStringLiteral("selectspeaker"), index);
    m_state.selectedSpeaker = index;
}

void VoipView::selectShareWindow()
{
    command(QStringLiteral("selectShareWindow"));
}

void VoipView::SelectShareDevice(int type, long long id, int frameRate, float scale)
{
    command(QStringLiteral("SelectShareDevice"), type, qlonglong(id), frameRate, scale);
    m_state.shareSourceType = type;
    m_state.shareSourceId = id;
}

void VoipView::SetShareScaleMode(int mode, int width, int height)
{
    command(QStringLiteral("SetShareScaleMode"), mode, width, height);
}

int VoipView::GetVoipCallStatus() const
{
    query(QStringLiteral("GetVoipCallStatus"));
    return m_state.callStatus;
}
