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
    setHost(false);
    finishForm(ui->wgt_bg);
}

StopConfPopupWgt::~StopConfPopupWgt() = default;

void StopConfPopupWgt::setHost(bool host)
{
    ui->btn_stop_conf->setVisible(host);
    setFixedHeight(ConferencePopupPolicy::stopPopupHeight(host));
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
