#include "conference/ConferenceTitleBar.h"

#include "ui_ConferenceTitleBar.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "conference/ConferenceBarRect.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"
#include "panels/NetworkWidget.h"
#include "policy/ConferenceLayoutPolicy.h"
#include "policy/ConferenceWindowPolicy.h"
#include "policy/NetworkPolicy.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>

namespace {
// Room beside the widest duration so the strip does not shift every second.
constexpr int kTimeLabelPadding = 8;
constexpr int kNameLabelPadding = 8;
} // namespace

ConferenceTitleBar::ConferenceTitleBar(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConferenceTitleBar)
{
    ui->setupUi(this);

    const QFont small = KP_UI_UTIL::getFontScale(12, false);
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->label_subscribe_time, ui->btn_record_tip, ui->btn_conf_id, ui->label_layout_mode_name })
        w->setFont(small);
    const QFont time = KP_UI_UTIL::getFontScale(14, false);
    ui->label_conf_time->setFont(time);
    ui->label_conf_time->setFixedWidth(
        QFontMetrics(time).horizontalAdvance(QStringLiteral("00:00:00")) + kTimeLabelPadding);
    ui->label_conf_time->setMouseTracking(true);
    ui->label_subscribe_time->hide();
    ui->wgt_record_center->hide();

    for (QPushButton* b : { ui->btn_safe, ui->btn_wifi, ui->btn_record_tip, ui->btn_conf_id, ui->btn_copy,
             ui->btn_down_arrow, ui->btn_layout_mode_icon })
        b->setCursor(Qt::PointingHandCursor);
    ui->wgt_layout->setAttribute(Qt::WA_Hover);
    ui->wgt_layout->installEventFilter(this);
    ui->btn_wifi->installEventFilter(this);

    for (QPushButton* b : { ui->btn_conf_id, ui->btn_safe, ui->btn_wifi, ui->btn_record_tip, ui->btn_down_arrow })
        connect(b, &QPushButton::clicked, this, &ConferenceTitleBar::slot_btnClicked);
    connect(ui->btn_copy, &QPushButton::clicked, this, &ConferenceTitleBar::slot_copyConfId);

    // The hover card is a window of its own; it goes when the bar goes.
    m_networkCard = new NetworkWidget(nullptr);
    m_networkCard->hide();

    setLayoutType(ConferenceLayoutPolicy::kInitialLayout);
    setNetworkQuality(0, 0, 0);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ConferenceTitleBar::~ConferenceTitleBar()
{
    if (m_networkCard)
        m_networkCard->deleteLater();
}

NetworkWidget* ConferenceTitleBar::networkCard() const
{
    return m_networkCard;
}

void ConferenceTitleBar::setConferenceInfo(const ConferenceBriefInfo& info)
{
    m_confId = info.confId;
    setConfIdText(info.confId);
}

void ConferenceTitleBar::setConfIdText(const QString& confId)
{
    ui->btn_conf_id->setText(ConferenceWindowPolicy::conferenceIdText(confId));
}

void ConferenceTitleBar::setConfTime(const QString& text)
{
    ui->label_conf_time->setText(text);
}

void ConferenceTitleBar::setLayoutType(int type)
{
    const QString name = ConferenceLayoutPolicy::layoutName(type);
    if (!name.isEmpty()) {
        ui->label_layout_mode_name->setText(name);
        ui->label_layout_mode_name->setFixedWidth(
            QFontMetrics(KP_UI_UTIL::getFontScale(12, false)).horizontalAdvance(name) + kNameLabelPadding);
    }
    KpStyle::setStyleProperty(ui->btn_layout_mode_icon, "mode", QString::number(type));
    ui->btn_layout_mode_icon->update();
}

void ConferenceTitleBar::setNetworkQuality(int rttMs, double sendLoss, double recvLoss)
{
    m_networkLevel = NetworkPolicy::networkLevel(rttMs, sendLoss, recvLoss, m_networkLevel);
    KpStyle::setStyleProperty(ui->btn_wifi, "level", m_networkLevel);
    KpStyle::setStyleProperty(ui->btn_wifi, "grade", m_networkLevel);
    if (m_networkCard)
        m_networkCard->setNetworkQuality(rttMs, sendLoss, recvLoss);
}

void ConferenceTitleBar::setRecording(bool on)
{
    ui->wgt_record_center->setVisible(on);
}

void ConferenceTitleBar::setNetworkReport(const CS_StatReports& report)
{
    if (m_networkCard)
        m_networkCard->setStatReports(report);
}

void ConferenceTitleBar::slot_btnClicked()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    const QRect rect = conferenceBarRect(button);
    if (button == ui->btn_conf_id)
        emit sig_showDetailInfo(rect);
    else if (button == ui->btn_safe)
        emit sig_safe_clicked(rect);
    else if (button == ui->btn_wifi)
        emit sig_wifi_clicked(rect);
    else if (button == ui->btn_record_tip)
        emit sig_record_tip_clicked(rect);
    else if (button == ui->btn_down_arrow)
        emit sig_layout_mode_clicked(rect);
}

void ConferenceTitleBar::slot_hangup()
{
    emit sig_on_hangup_clicked();
}

void ConferenceTitleBar::slot_copyConfId()
{
    QApplication::clipboard()->setText(m_confId);
    emit UI_ControlView::instance()->sig_showMsgTip(tr("Copy success"), POPUP_HANDLE_CONFERENCE);
}

bool ConferenceTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    // The whole layout area opens the layout choice, as its arrow does.
    if (watched == ui->wgt_layout && event->type() == QEvent::MouseButtonPress) {
        ui->btn_down_arrow->click();
        return true;
    }
    if (watched == ui->btn_wifi && event->type() == QEvent::Enter && m_networkCard)
        m_networkCard->showAt(ui->btn_wifi->mapToGlobal(QPoint(0, ui->btn_wifi->height() + 4)));
    return QWidget::eventFilter(watched, event);
}

void ConferenceTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceTitleBar::mouseDoubleClickEvent"));
    emit sig_onTitleBarDoubleClick();
    QWidget::mouseDoubleClickEvent(event);
}
