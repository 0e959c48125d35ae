#pragma once

#include "business/CallRecords.h"

#include <QHash>
#include <QList>
#include <QRect>
#include <QWidget>

#include <memory>

class QPushButton;
class QTimer;
namespace Ui {
class ConferenceToolBar;
}

// The conference window's bottom bar: microphone, camera, attendees with their
// count, share, chat, work bench (host only) and stop. It reports clicks and
// shows the state the window gives it; the displayed microphone and camera
// change only when the window passes on what the business library confirmed.
// Its one business call turns the camera off when no camera is left.
class ConferenceToolBar : public QWidget
{
    Q_OBJECT

public:
    // A microphone or camera click within this time of the last one is refused.
    static constexpr int kClickGuardMs = 1000;
    // The two guards' clocks, shared by every toolbar of the process: a click
    // arms its guard, the timer's time-out lifts it.
    static QTimer* microphoneGuard();
    static QTimer* cameraGuard();

    explicit ConferenceToolBar(QWidget* parent = nullptr);
    ~ConferenceToolBar() override;

    void setMicrophoneMuted(bool muted);
    bool isMicrophoneMuted() const { return m_micMuted; }
    void setCameraOff(bool off);
    bool isCameraOff() const { return m_cameraOff; }
    // The work bench is the host's.
    void setHost(bool host);
    void setWhiteboardActive(bool active);
    bool isWhiteboardActive() const;
    void setMemberCount(int count);

signals:
    void sig_on_more_clicked();
    void sig_on_audio_clicked(bool isChecked);
    void sig_on_chats_clicked();
    void sig_on_video_clicked(bool isChecked);
    void sig_on_record_clicked();
    void sig_on_members_clicked();
    void sig_on_fullscreen_clicked(bool notMe);
    void sig_on_invite_user_clicked();
    void sig_on_layout_mode_clicked();
    void sig_on_share_screen_clicked();
    void sig_on_polling_clicked();
    void sig_on_stop_conf_clicked(QRect rect);
    void sig_on_workbench_clicked(QRect rect);

public slots:
    void slot_more();
    void slot_audio();
    void slot_chats();
    void slot_video();
    void slot_record();
    void slot_members();
    void slot_fullscreen(bool isChecked);
    void slot_invite_user();
    void slot_layout_mode();
    void slot_share_screen();
    void slot_polling();
    void slot_on_fullscreen_clicked(bool isChecked);
    void slot_btnClicked();
    void slot_onGetCameraInfo(QList<Agent_CameraInfo> cameras);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::ConferenceToolBar> ui;
    QHash<QObject*, QPushButton*> m_tileButtons;
    bool m_cameraOff = false;
    bool m_micMuted = false;
};
