#pragma once

#include "business/CallRecords.h"
#include "customui/MoveWidget.h"

#include <QPointer>
#include <memory>

class MoreMenuChild;
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
    void slot_OnClickedMic();
    void slot_OnClickedPlayer();
    void slot_onClickSetting();
    void slot_ReleaseCall();
    void slot_ConfTimer();
    void slot_onGetMuteStatus(bool mute);
    void slot_OnSetMuteStatus(int nReason, bool mute);
    void slot_OnGetSpeakerStatus(int nReason, uint volume);
    void slot_OnSetSpeakerStatus(int nReason, uint volume);
    void slot_onWhiteBoardBtn();
    void slot_onMultimediaMessageAccept(int type);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPeer();
    // The peer's name in its label, elided to the label's current width when it is a directory name.
    void applyPeerName();
    void onAnswered();
    void startWhiteBoardWithPeer();
    // Asks the facade to close the window and the whiteboard to close with it.
    void requestClose();
    QString currentUserAccount() const;

    std::unique_ptr<Ui::VoiceCall> ui;
    QTimer* m_talkTimer = nullptr;
    int m_seconds = 0;
    QSound* m_ringBackTone = nullptr;
    Agent_VoIPCallMsg m_callInfo;
    QPointer<MoreMenuChild> m_settings;
    QString m_peerName;
    bool m_elidePeerName = false;
};
