#include "conference/WifiWgt.h"

#include "ui_WifiWgt.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"
#include "policy/ConferencePopupPolicy.h"
#include "policy/NetworkPolicy.h"

#include <cmath>

namespace {
// A loss as the quality rule weighs it: whole percent, never below 0.
int wholeLoss(double percent)
{
    return std::isfinite(percent) ? int(qBound(0.0, percent, 100.0)) : 0;
}
} // namespace

WifiWgt::WifiWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::WifiWgt)
{
    ui->setupUi(this);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_quality->setFont(KP_UI_UTIL::getFontScale(14, true));
    setDelay(0);
    setSendLoss(0);
    setRecvLoss(0);
    refresh();
    finishForm(ui->wgt_bg);
}

WifiWgt::~WifiWgt() = default;

void WifiWgt::setDelay(int ms)
{
    m_delay = qMax(ms, 0);
    ui->label_delay->setText(NetworkPolicy::delayText(m_delay));
}

void WifiWgt::setSendLoss(double percent)
{
    m_sendLoss = wholeLoss(percent);
    ui->label_send_loss->setText(ConferencePopupPolicy::lossText(percent));
}

void WifiWgt::setRecvLoss(double percent)
{
    m_recvLoss = wholeLoss(percent);
    ui->label_recv_loss->setText(ConferencePopupPolicy::lossText(percent));
}

void WifiWgt::refresh()
{
    const ConferencePopupPolicy::NetworkQuality quality
        = ConferencePopupPolicy::networkQuality(m_delay, m_sendLoss, m_recvLoss);
    ui->label_quality->setText(quality.text);
    KpStyle::setStyleProperty(ui->label_quality_icon, "wifi", quality.icon);
}
