#include "conference/StopConfPopupWgt.h"

#include "ui_StopConfPopupWgt.h"

#include "customui/KP_UI_UTIL.h"
#include "policy/ConferencePopupPolicy.h"

StopConfPopupWgt::StopConfPopupWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::StopConfPopupWgt)
{
    ui->setupUi(this);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    finishForm(ui->wgt_bg);
    setHost(false);
}

StopConfPopupWgt::~StopConfPopupWgt() = default;

void StopConfPopupWgt::setHost(bool host)
{
    ui->btn_stop_conf->setVisible(host);
    // Set after the window was scaled, so the height follows the screen scale here.
    setFixedHeight(qRound(ConferencePopupPolicy::stopPopupHeight(host) * KP_UI_UTIL::getScreenScale()));
}

void StopConfPopupWgt::on_btn_stop_conf_clicked()
{
    hide();
    emit sig_stopConf();
}

void StopConfPopupWgt::on_btn_leave_conf_clicked()
{
    hide();
    emit sig_leaveConf();
}
