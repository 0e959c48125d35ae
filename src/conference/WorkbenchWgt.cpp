#include "conference/WorkbenchWgt.h"

#include "ui_WorkbenchWgt.h"

#include "business/UI_ControlView.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

// True (the guard armed) when the switch may act now; else the tip.
bool passGuard(WorkbenchWgt::Guard guard)
{
    QTimer* timer = WorkbenchWgt::guardTimer(guard);
    if (timer->isActive()) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            QCoreApplication::translate("WorkbenchWgt", "Please do not operate frequently!"), POPUP_HANDLE_CONFERENCE);
        return false;
    }
    timer->start();
    return true;
}

QString activeValue(bool on)
{
    return on ? QStringLiteral("y") : QStringLiteral("n");
}

} // namespace

QTimer* WorkbenchWgt::guardTimer(Guard guard)
{
    // Owned by the application: a work bench deleted within the guard time
    // must not leave its switch refused for good.
    static QPointer<QTimer> timers[3];
    QPointer<QTimer>& timer = timers[guard];
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(kGuardMs);
        // A time-out that did not come from the clock itself lifts the guard too.
        QObject::connect(timer, &QTimer::timeout, timer, &QTimer::stop);
    }
    return timer;
}

WorkbenchWgt::WorkbenchWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::WorkbenchWgt)
{
    ui->setupUi(this);
    for (QWidget* title : { ui->label, ui->label_3, ui->label_5 })
        title->setFont(KP_UI_UTIL::getFontScale(12, false));
    for (QWidget* text : { ui->label_2, ui->label_4, ui->label_6 })
        text->setFont(KP_UI_UTIL::getFontScale(11, false));
    ui->btn_audio_setting->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->btn_video_setting->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->comboBox_polling_time->setFont(KP_UI_UTIL::getFontScale(12, false));
    setPolling(false);
    setConferenceLock(false);
    setShareLock(false);
    finishForm(ui->wgt_bg);
}

WorkbenchWgt::~WorkbenchWgt() = default;

void WorkbenchWgt::setPolling(bool on)
{
    m_polling = on;
    KpStyle::setStyleProperty(ui->btn_polling, "active", activeValue(on));
}

void WorkbenchWgt::setConferenceLock(bool on)
{
    m_conferenceLock = on;
    KpStyle::setStyleProperty(ui->btn_lock_conf, "active", activeValue(on));
}

void WorkbenchWgt::setShareLock(bool on)
{
    m_shareLock = on;
    KpStyle::setStyleProperty(ui->btn_share_lock, "active", activeValue(on));
}

bool WorkbenchWgt::keepsOpenFor(const QWidget* active) const
{
    return active == ui->btn_polling || active == ui->btn_lock_conf || active == ui->btn_share_lock;
}

void WorkbenchWgt::on_btn_audio_setting_clicked()
{
    hide();
    emit sig_audio_setting_clicked();
}

void WorkbenchWgt::on_btn_video_setting_clicked()
{
    hide();
    emit sig_video_setting_clicked();
}

void WorkbenchWgt::on_btn_polling_clicked()
{
    if (!passGuard(PollingGuard))
        return;
    m_polling = !m_polling;
    emit sig_poolling(m_polling, ui->comboBox_polling_time->currentText());
}

void WorkbenchWgt::on_btn_lock_conf_clicked()
{
    if (passGuard(ConferenceLockGuard))
        emit sig_confLock(!m_conferenceLock);
}

void WorkbenchWgt::on_btn_share_lock_clicked()
{
    if (passGuard(ShareLockGuard))
        emit sig_shareLock(!m_shareLock);
}
