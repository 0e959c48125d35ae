#include "conference/MemberControlPopupWgt.h"

#include "ui_MemberControlPopupWgt.h"

#include "customui/KP_UI_UTIL.h"
#include "policy/ConferencePopupPolicy.h"

MemberControlPopupWgt::MemberControlPopupWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::MemberControlPopupWgt)
{
    ui->setupUi(this);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    setAllMicrophones(false);
    setAllCameras(false);
    finishForm(ui->wgt_bg);
}

MemberControlPopupWgt::~MemberControlPopupWgt() = default;

void MemberControlPopupWgt::setAllMicrophones(bool on)
{
    m_allMicrophones = on;
    ui->btn_all_mute_mic->setText(ConferencePopupPolicy::allMicrophonesText(on));
}

void MemberControlPopupWgt::setAllCameras(bool on)
{
    m_allCameras = on;
    ui->btn_all_mute_camera->setText(ConferencePopupPolicy::allCamerasText(on));
}

void MemberControlPopupWgt::on_btn_all_mute_mic_clicked()
{
    hide();
    emit sig_allMuteMic(m_allMicrophones);
}

void MemberControlPopupWgt::on_btn_all_mute_camera_clicked()
{
    hide();
    emit sig_allMuteCamera(m_allCameras);
}

void MemberControlPopupWgt::on_btn_callOffline_clicked()
{
    hide();
    emit sig_callOffline();
}
