#include "panels/DebugForStatisticsWdg.h"

#include "ui_DebugForStatisticsWdg.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/StatisticsPolicy.h"

#include <QIcon>
#include <QIntValidator>
#include <QTextCursor>
#include <QTimer>

namespace {
// Reports listed so far, plus one; shared by every statistics window.
int s_reportCounter = 1;
} // namespace

DebugForStatisticsWdg::DebugForStatisticsWdg(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DebugForStatisticsWdg)
    , m_intervalMs(StatisticsPolicy::kDefaultIntervalMs)
{
    ui->setupUi(this);
    // The conference window owns it, but it is a window of its own.
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(KP_CustomStyle::getOEMLogoUrl(1)));

    ui->lineEdit->setValidator(
        new QIntValidator(StatisticsPolicy::kMinIntervalSeconds, StatisticsPolicy::kMaxIntervalSeconds, ui->lineEdit));
    const QFont font = KP_UI_UTIL::getFontScale(12, false);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(font);
    ui->btn_stop->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("statisticsTimer"));
    connect(m_timer, &QTimer::timeout, this, &DebugForStatisticsWdg::slot_timeout);
    connect(KP_BusinessView::instance()->getUnifiedConferenceView(), &UnifiedConferenceView::sig_onStatisticsInfo, this,
        &DebugForStatisticsWdg::slot_onStatisticsInfo);
    ScreenScale::beginScale(this);
}

DebugForStatisticsWdg::~DebugForStatisticsWdg() = default;

int DebugForStatisticsWdg::reportCounter()
{
    return s_reportCounter;
}

void DebugForStatisticsWdg::on_btn_settingTime_clicked()
{
    const QString text = ui->lineEdit->text();
    const int ms = StatisticsPolicy::intervalMsFromText(text);
    if (ms < 0) {
        ui->lineEdit->setPlaceholderText(tr("The current setting failed, please enter an integer between 1-20"));
        return;
    }
    m_intervalMs = ms;
    ui->lineEdit->setPlaceholderText(tr("It is currently set to crawl every %1 second").arg(ms / 1000));
    ui->lineEdit->clear();
    m_timer->stop();
    ui->btn_start->show();
    ui->btn_stop->hide();
}

void DebugForStatisticsWdg::on_btn_start_clicked()
{
    m_timer->start(m_intervalMs);
    ui->btn_start->hide();
    ui->btn_stop->show();
}

void DebugForStatisticsWdg::on_btn_stop_clicked()
{
    m_timer->stop();
    ui->btn_start->show();
    ui->btn_stop->hide();
}

void DebugForStatisticsWdg::slot_timeout()
{
    KP_BusinessView::instance()->getUnifiedConferenceView()->getStatisticsInfo();
}

void DebugForStatisticsWdg::slot_onStatisticsInfo(QString jsonString)
{
    if (!isVisible())
        return;
    if (s_reportCounter > StatisticsPolicy::kMaxReports) {
        ui->textEdit->clear();
        s_reportCounter = 1;
    }
    ++s_reportCounter;
    // Listed as received, malformed or not: seeing what the engine sent is what the window is for.
    QTextCursor cursor(ui->textEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(jsonString + QStringLiteral("\r\n"));
    StatisticsPolicy::MediaStatistics stats;
    QString error;
    if (!StatisticsPolicy::parseStatistics(jsonString, &stats, &error)) {
        AreaLog::panels().LogInfo(
            QStringLiteral("DebugForStatisticsWdg::slot_onStatisticsInfo malformed statistics: %1").arg(error));
        ui->label_summary->setText(tr("malformed report: %1").arg(error));
        return;
    }
    ui->label_summary->setText(
        tr("rtt %1 ms   send loss %2   receive loss %3").arg(stats.rttMs).arg(stats.sendLoss).arg(stats.recvLoss));
}
