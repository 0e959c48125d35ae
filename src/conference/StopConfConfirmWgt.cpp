#include "conference/StopConfConfirmWgt.h"

#include "ui_StopConfConfirmWgt.h"

#include "common/AreaStyle.h"
#include "conference/ConferenceBubble.h"
#include "customui/KP_UI_UTIL.h"

#include <QMouseEvent>

StopConfConfirmWgt::StopConfConfirmWgt(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::StopConfConfirmWgt)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ConferenceBubble::castShadow(ui->wgt_bg);
    ui->label_title->setFont(KP_UI_UTIL::getFontScale(14, true));
    ui->label_content->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->btn_confirm->setFont(KP_UI_UTIL::getFontScale(14, true));
    ui->btn_cancel->setFont(KP_UI_UTIL::getFontScale(14, false));
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

StopConfConfirmWgt::~StopConfConfirmWgt() = default;

void StopConfConfirmWgt::on_btn_close_clicked()
{
    close();
}

void StopConfConfirmWgt::on_btn_cancel_clicked()
{
    close();
}

void StopConfConfirmWgt::on_btn_confirm_clicked()
{
    emit sig_stopConf();
    close();
}

void StopConfConfirmWgt::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_pressPos = event->pos();
    QDialog::mousePressEvent(event);
}

void StopConfConfirmWgt::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed)
        move(event->globalPos() - m_pressPos);
    QDialog::mouseMoveEvent(event);
}

void StopConfConfirmWgt::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    QDialog::mouseReleaseEvent(event);
}
