#include "meeting/RectangeTip.h"

#include "ui_RectangeTip.h"

#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/MeetingTipPolicy.h"

#include <QTimer>

RectangeTip::RectangeTip(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::RectangeTip)
    , m_secondsLeft(MeetingTipPolicy::kCountdownSeconds)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->label->setFont(KP_UI_UTIL::getFontScale(12, false));
    AreaStyle::finish(this, QStringLiteral("meeting.qss"));
}

RectangeTip::~RectangeTip() = default;

QString RectangeTip::text() const
{
    return ui->label->text();
}

void RectangeTip::startCountdown(int seconds)
{
    m_secondsLeft = seconds;
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("countdownTimer"));
        connect(m_timer, &QTimer::timeout, this, &RectangeTip::slot_tick);
    }
    m_timer->start(MeetingTipPolicy::kCountdownTickMs);
}

void RectangeTip::slot_tick()
{
    ui->label->setText(MeetingTipPolicy::countdownText(m_secondsLeft));
    if (MeetingTipPolicy::countdownEnds(m_secondsLeft)) {
        m_timer->stop();
        hide();
    }
    --m_secondsLeft;
}

void RectangeTip::on_pushButton_clicked()
{
    if (m_timer)
        m_timer->stop();
    deleteLater();
}
