#pragma once

#include "business/CallRecords.h"
#include "call/CallMediaControls.h"
#include "customui/MoveWidget.h"

#include <memory>

class QSound;
class QTimer;

namespace Ui {
class VoiceCall;
}

// The small window of a one-to-one voice call, placed or answered: the other
// party's name, the call state, the talk time, and mute, speaker, device
// settings, whiteboard, minimise and hang up. Hanging up only asks the facade
// to close the window; whoever deletes the window releases the call.
class VoiceCall : public MoveWidget
{
    Q_OBJECT

public:
    explicit VoiceCall(QWidget* parent = nullptr);
    ~VoiceCall() override;

    // Applies a call event and keeps the record.
    void setCallInfo(Agent_VoIPCallMsg msg);
    Agent_VoIPCallMsg getCallInfo() const;

signals:
    void sig_CloseVoiceWnd();

public slots:
    void slot_OnMinWnd();
    void slot_OnClickedMic() { m_controls->clickMute(); }
    void slot_OnClickedPlayer() { m_controls->clickSpeaker(); }
    void slot_onClickSetting() { m_controls->openSettings(); }
    void slot_ReleaseCall();
    void slot_ConfTimer();
    void slot_onGetMuteStatus(bool mute) { m_controls->onGetMuteStatus(mute); }
    void slot_OnSetMuteStatus(int nReason, bool mute) { m_controls->onSetMuteStatus(nReason, mute); }
    void slot_OnGetSpeakerStatus(int nReason, uint volume) { m_controls->onGetSpeakerStatus(nReason, volume); }
    void slot_OnSetSpeakerStatus(int nReason, uint volume) { m_controls->onSetSpeakerStatus(nReason, volume); }
    void slot_onWhiteBoardBtn() { m_controls->openWhiteBoard(); }
    void slot_onMultimediaMessageAccept(int type) { m_controls->onMultimediaMessageAccept(type); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPeer();
    // The peer's name in its label, elided to the label's current width when it is a directory name.
    void applyPeerName();
    void onAnswered();
    // Asks the facade to close the window and the whiteboard to close with it.
    void requestClose();

    std::unique_ptr<Ui::VoiceCall> ui;
    QTimer* m_talkTimer = nullptr;
    int m_seconds = 0;
    QSound* m_ringBackTone = nullptr;
    Agent_VoIPCallMsg m_callInfo;
    std::unique_ptr<CallMediaControls> m_controls;
    QString m_peerName;
    bool m_elidePeerName = false;
};
