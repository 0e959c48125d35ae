#pragma once

#include "business/CallRecords.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class MoreMenuChild;

// The media controls the voice and the video call window share: microphone and
// speaker toggled through a query and an answer of VoipView, the whiteboard
// with the other party, and the device settings dialog. The window owns it:
// VoipView's answers stop reaching it when the window goes.
class CallMediaControls : public QObject
{
    Q_OBJECT

public:
    // record: the window's call record, read whenever the peer is needed.
    // settingsMode: the MoreMenuChild mode the window's settings dialog opens in.
    // windowName: the window's class name in log lines.
    CallMediaControls(const Agent_VoIPCallMsg* record, int settingsMode, const QString& windowName);
    ~CallMediaControls() override;

    // How the window shows a confirmed state (muted; speaker on). Unset: nothing shown.
    void setMuteView(std::function<void(bool muted)> show);
    void setSpeakerView(std::function<void(bool on)> show);

    // Microphone: ask, set the opposite of the answer, show what the engine confirms.
    void clickMute();
    void onGetMuteStatus(bool mute);
    void onSetMuteStatus(int nReason, bool mute);
    // The microphone state the engine last confirmed.
    bool isMuted() const { return m_muted; }

    // Speaker: ask; a silent speaker is turned fully on, any other silenced.
    void clickSpeaker();
    void onGetSpeakerStatus(int nReason, uint volume);
    void onSetSpeakerStatus(int nReason, uint volume);

    // Re-enters a running whiteboard room, or starts one with the peer.
    void openWhiteBoard();
    // A whiteboard invitation accepted in the multimedia message box replaces the room.
    void onMultimediaMessageAccept(int type);

    // The device settings dialog, created once, centred on the desktop.
    void openSettings();

    // The other party: the callee when the current user placed the call, else the caller.
    QString peerAccount() const;
    // The logged-in user: from the directory, else from the user information.
    static QString currentUserAccount();

private:
    void startWhiteBoardWithPeer();
    bool succeeded(int nReason, const char* function) const;

    const Agent_VoIPCallMsg* m_record = nullptr;
    const int m_settingsMode;
    const QString m_windowName;
    std::function<void(bool)> m_showMute;
    std::function<void(bool)> m_showSpeaker;
    bool m_muted = false;
    QPointer<MoreMenuChild> m_settings;
};
