#include "meeting/ConferenceTipWidget.h"

#include "ui_ConferenceTipWidget.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/MeetingTipPolicy.h"

#include <QTimer>

ConferenceTipWidget::ConferenceTipWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::ConferenceTipWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // Shown and forgotten by its opener: it goes when it closes.
    setAttribute(Qt::WA_DeleteOnClose);
    setFramePainted(false);

    ui->label_text->setFont(KP_UI_UTIL::getFontScale(20, false));
    ui->label_text->setStyleSheet(QStringLiteral("color:#333333;"));
    ui->label_animation->setStyleSheet(MeetingTipPolicy::animationFrameStyle(m_frameCounter));
    connect(ui->btn_close, &QPushButton::clicked, this, &ConferenceTipWidget::slot_closeBtn_clicked);

    m_animationTimer = new QTimer(this);
    m_animationTimer->setObjectName(QStringLiteral("animationTimer"));
    connect(m_animationTimer, &QTimer::timeout, this, &ConferenceTipWidget::slot_Animation_timeout);
    m_animationTimer->start(MeetingTipPolicy::kAnimationIntervalMs);

    m_lifetimeTimer = new QTimer(this);
    m_lifetimeTimer->setObjectName(QStringLiteral("lifetimeTimer"));
    m_lifetimeTimer->setSingleShot(true);
    connect(m_lifetimeTimer, &QTimer::timeout, this, &QWidget::close);
    m_lifetimeTimer->start(MeetingTipPolicy::kPhoneNoticeLifetimeMs);

    ScreenScale::beginScale(this);
}

ConferenceTipWidget::~ConferenceTipWidget()
{
    if (m_animationTimer) {
        m_animationTimer->disconnect(this);
        m_animationTimer->stop();
        delete m_animationTimer;
        m_animationTimer = nullptr;
    }
}

void ConferenceTipWidget::slot_closeBtn_clicked()
{
    close();
}

void ConferenceTipWidget::slot_Animation_timeout()
{
    ++m_frameCounter;
    ui->label_animation->setStyleSheet(MeetingTipPolicy::animationFrameStyle(m_frameCounter));
}
