#pragma once

#include "business/CallRecords.h"
#include "call/CallMediaControls.h"
#include "customui/MoveWidget.h"

#include <QPointer>
#include <QSize>
#include <memory>

class CloseMediaWidgetTip;
class QSound;
class QTimer;
class VideoWidget;

namespace Ui {
class VideoCall;
class VoipToolBar;
} // namespace Ui

// The window of a one-to-one video call: the remote picture large, the local
// preview in the top-right corner, the duration in the title bar, and a
// floating toolbar centred on the bottom edge. The business library renders
// into the panes' native surfaces. The call is released when the window
// closes or is deleted, whichever comes first.
class VideoCall : public MoveWidget
{
    Q_OBJECT

public:
    explicit VideoCall(QWidget* parent = nullptr);
    ~VideoCall() override;

    void setCallInfo(Agent_VoIPCallMsg msg);
    Agent_VoIPCallMsg getCallInfo() const;

    // Native render surfaces of the remote and the local pane (0 while a
    // surface is disabled), as handed to VoipView::setVideoViewEX.
    void* remoteRenderHandle();
    void* localRenderHandle();
    // Handle-based binding: VoipView::setVideoViewEX(remote, local, nullptr, nullptr).
    void bindVideoByHandle();
    // Account-based binding: the panes show the user and the peer (avatars
    // until video runs), then VoipView::setVideoView(remote, local) and the
    // camera list is asked for.
    void bindVideoByAccount(const QString& peerAccount);

    VideoWidget* remotePane() const;
    VideoWidget* localPane() const;
    // The floating toolbar window (a tool window owned by this one).
    QWidget* toolBar() const { return m_toolBar; }
    bool isSharing() const { return m_sharing; }

signals:
    void isShowMaximized(bool maximized);

public slots:
    void slot_close();
    void slot_btn_min_clicked();
    void slot_btn_max_clicked();
    void slot_btn_maxed_clicked();
    void slot_showMeetingTime();
    void slot_clickBtnMute();
    void slot_clickBtnCamera();
    void slot_shareScreen();
    void slot_separateWidget();
    void slot_clickBtnLoudSpeaker() { m_controls->clickSpeaker(); }
    void slot_onGetMuteStatus(bool mute) { m_controls->onGetMuteStatus(mute); }
    void slot_onSetMuteStatus(int nReason, bool mute) { m_controls->onSetMuteStatus(nReason, mute); }
    void slot_onGetSpeakerStatus(int nReason, uint volume) { m_controls->onGetSpeakerStatus(nReason, volume); }
    void slot_onSetSpeakerStatus(int nReason, uint volume) { m_controls->onSetSpeakerStatus(nReason, volume); }
    void slot_onLocalVideoScale(float scale);
    void slot_onRemoteVideoScale(float scale);
    void slot_onWhiteBoardBtn() { m_controls->openWhiteBoard(); }
    void slot_onHideVideo();
    void slot_onClickSetting() { m_controls->openSettings(); }
    void slot_onSwitchMediaType(int flag, int type);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initToolBar();
    void initConnect();
    void placeToolBar();
    void switchKeyboardPane();
    // The local pane in the top-right corner of the video area, the hide button beside it.
    void placeLocalPane();
    void placeHideButton();
    // Stops the media of the window and releases the call, once.
    void releaseCall();
    void onAnswered();
    // The other party's picture and name while the call runs as voice only.
    void showVoicePeer();

    std::unique_ptr<Ui::VideoCall> ui;
    std::unique_ptr<Ui::VoipToolBar> m_toolBarUi;
    QWidget* m_toolBar = nullptr;
    QSound* m_ringTone = nullptr;
    qint64 m_startTime = 0;
    QTimer* m_durationTimer = nullptr;
    Agent_VoIPCallMsg m_callInfo;
    bool m_sharing = false;
    int m_separateMode = 0;
    QSize m_remotePaneSize;
    std::unique_ptr<CallMediaControls> m_controls;
    QPointer<CloseMediaWidgetTip> m_closeTip;
    bool m_released = false;
    long m_oleResult = 0;
};
