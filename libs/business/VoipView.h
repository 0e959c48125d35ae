#pragma once

#include "business/BusinessViewBase.h"
#include "business/CallRecords.h"

#include <QList>

// One-to-one calls, the call-state marks and the local devices.
class KP_BUSINESS_EXPORT VoipView : public BusinessViewBase
{
    Q_OBJECT
public:
    // Marks held in the call status while a window of the kind is open.
    enum CallStatusMark : int {
        CALL_MARK_VOICE = 2, // voice call window
        CALL_MARK_VIDEO = 4, // video call window
        CALL_MARK_INCOMING = 8, // incoming call ringing
    };

    struct State
    {
        int callStatus = 0; // OR of CallStatusMark
        bool muted = false; // SetMute
        uint speakerVolume = 255; // SetSpeakerStatus; 0 is off
        bool localCameraOn = true; // setLocalCameraPreview
        bool screenSharing = false; // ShareScreen
        QList<Agent_CameraInfo> cameras; // reported by getCameraInfo
        QList<Agent_MicroPhoneInfo> microphones;
        QList<Agent_SpeakerInfo> speakers;
        QList<qlonglong> screens; // reported by selectShareWindow
        QList<Agent_ECShareDeviceInfo> shareWindows; // reported by selectShareWindow
        int selectedCamera = -1;
        int selectedCameraCapability = -1;
        QString selectedCameraId;
        int selectedMicrophone = -1;
        int selectedSpeaker = -1;
        int shareSourceType = -1; // SelectShareDevice: 0 screen, 1 window
        qlonglong shareSourceId = 0;
        // Render targets of setVideoView / setVideoViewEX.
        quintptr remoteView = 0;
        quintptr localView = 0;
        quintptr remoteShareView = 0;
        quintptr localShareView = 0;
    };

    explicit VoipView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- commands ---
    void SetVoipCallStatus(int mark);
    void CancelVoipCallStatus(int mark);
    void MakeCall(int callType, const QString& account);
    void AcceptCall(const QString& callId);
    void ReleaseCall(const Agent_VoIPComingInfo& info, int reason);
    void ReleaseCall(const Agent_VoIPCallMsg& msg, int reason);
    void switchCallType(int callType, const QString& callId);
    void closeVideoCallWnd();
    void setVideoView(void* remoteView, void* localView);
    void setVideoViewEX(void* remoteView, void* localView, void* remoteShareView, void* localShareView);
    void setLocalCameraPreview(const QString& callId, bool on);
    void ShareScreen(bool on, const QString& callId);
    void startWhiteBoard(const QString& peerAccount);
    void GetMuteStatus(); // answered by sig_onGetMuteStatus
    void SetMute(bool mute); // answered by sig_OnSetMuteStatus
    void GetSpeakerStatus(); // answered by sig_OnGetSpeakerStatus
    void SetSpeakerStatus(uint volume); // answered by sig_OnSetSpeakerStatus
    void setRemoteMute(bool mute);
    void getCameraInfo(); // answered by sig_onGetCameraInfo
    void getMicroPhoneInfo(); // answered by sig_onGetMicroPhoneInfo
    void getSpeakerInfo(); // answered by sig_onGetSpeakerInfo
    void selectCamera(
        int cameraIndex, int capabilityIndex, int frameRate, int rotation, bool enable, const QString& cameraId);
    void selectmmicphone(int index);
    void selectspeaker(int index);
    void selectShareWindow(); // answered by sig_onGetShareScreenInfoList, then sig_onGetShareDeviceInfoList
    // type 0 a screen, 1 a window; id its screen or window id.
    void SelectShareDevice(int type, long long id, int frameRate, float scale);
    void SetShareScaleMode(int mode, int width, int height);

    // --- queries ---
    int GetVoipCallStatus() const;

signals:
    void sig_CallEvents(int reason, Agent_VoIPCallMsg msg);
    void sig_ShowVoipCallWnd(int callType, QString account, bool fromCallComing);
    void sig_CallIncoming(Agent_VoIPComingInfo info);
    void sig_AcceptCallIncoming(Agent_VoIPComingInfo info);
    void sig_RejectCallIncoming();
    void sig_closeVideoCallWnd();
    void sig_onGetMuteStatus(bool mute);
    void sig_OnSetMuteStatus(int reason, bool mute);
    void sig_OnGetSpeakerStatus(int reason, uint volume);
    void sig_OnSetSpeakerStatus(int reason, uint volume);
    void sig_onLocalVideoScale(float scale);
    void sig_onRemoteVideoScale(float scale);
    void sig_onSwitchMediaType(int flag, int type);
    void sig_onSetOwnCamera(bool on);
    void sig_onGetCameraInfo(QList<Agent_CameraInfo> cameras);
    void sig_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> microphones);
    void sig_onGetSpeakerInfo(QList<Agent_SpeakerInfo> speakers);
    void sig_onGetShareDeviceInfoList(QList<Agent_ECShareDeviceInfo> windows);
    void sig_onGetShareScreenInfoList(QList<long long> screens);

private:
    State m_state;
};
