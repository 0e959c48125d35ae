#include "panels/NetworkWidget.h"

#include "ui_NetworkWidget.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"
#include "policy/NetworkPolicy.h"

#include <QTimer>

NetworkWidget::NetworkWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::NetworkWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The labels inherit it.
    setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->wgt_level->hide();

    m_hideTimer = new QTimer(this);
    m_hideTimer->setObjectName(QStringLiteral("hideTimer"));
    connect(m_hideTimer, &QTimer::timeout, this, &NetworkWidget::slot_hideTimeout);
    m_hideTimer->start(kFirstHideMs);
    ScreenScale::beginScale(this);
}

NetworkWidget::~NetworkWidget() = default;

void NetworkWidget::setNetworkQuality(int rttMs, double sendLoss, double recvLoss)
{
    m_level = NetworkPolicy::networkLevel(rttMs, sendLoss, recvLoss, m_level);
    // Moderate figures keep the previous level; the very first report has none to keep.
    if (m_level.isEmpty())
        m_level = NetworkPolicy::medium();
    KpStyle::setStyleProperty(ui->labLevelIcon, "level", m_level);
    ui->labLevelText->setText(NetworkPolicy::levelText(m_level));
    ui->wgt_level->show();
    ui->labDelay->setText(NetworkPolicy::delayText(rttMs));
    ui->labUpLossRate->setText(NetworkPolicy::lossText(sendLoss));
    ui->labDownLossRate->setText(NetworkPolicy::lossText(recvLoss));
}

void NetworkWidget::setStatReports(const CS_StatReports& reports)
{
    setNetworkQuality(reports.rttMs, reports.sendLoss, reports.recvLoss);
    ui->labUpRate->setText(NetworkPolicy::rateText(reports.sendKbps));
    ui->labDesRate->setText(NetworkPolicy::rateText(reports.recvKbps));
}

void NetworkWidget::showAt(const QPoint& globalTopLeft)
{
    move(globalTopLeft);
    show();
    raise();
    m_hideTimer->start(kFirstHideMs);
}

void NetworkWidget::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    show();
    m_hideTimer->stop();
}

void NetworkWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    hide();
    m_hideTimer->start(kLeaveHideMs);
}

void NetworkWidget::slot_hideTimeout()
{
    hide();
    m_hideTimer->stop();
}
