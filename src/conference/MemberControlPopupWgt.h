#pragma once

#include "conference/ConferenceBubble.h"

#include <memory>

namespace Ui {
class MemberControlPopupWgt;
}

// The member list's control menu: call every absent member, and switch every
// member's microphone or camera. It only reports the choice.
class MemberControlPopupWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    explicit MemberControlPopupWgt(QWidget* parent = nullptr);
    ~MemberControlPopupWgt() override;

    // The business view's last all-microphones and all-cameras states.
    void setAllMicrophones(bool on);
    void setAllCameras(bool on);

signals:
    void sig_allMuteMic(bool on);
    void sig_allMuteCamera(bool on);
    void sig_callOffline();

private slots:
    void on_btn_all_mute_mic_clicked();
    void on_btn_all_mute_camera_clicked();
    void on_btn_callOffline_clicked();

private:
    std::unique_ptr<Ui::MemberControlPopupWgt> ui;
    bool m_allMicrophones = false;
    bool m_allCameras = false;
};
