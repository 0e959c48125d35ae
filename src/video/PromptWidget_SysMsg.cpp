#include "video/PromptWidget_SysMsg.h"

#include "ui_PromptWidget_SysMsg.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"

#include <QTimer>

PromptWidget_SysMsg::PromptWidget_SysMsg(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PromptWidget_SysMsg)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // The strip's rounded corners show the video beneath.
    setAttribute(Qt::WA_TranslucentBackground);
    ui->label_info->setFont(KP_UI_UTIL::getFontScale(12, false));
    m_timer->setInterval(kShowMs);
    connect(m_timer, &QTimer::timeout, this, &PromptWidget_SysMsg::slot_timeout);
    ScreenScale::beginScale(this);
}

PromptWidget_SysMsg::~PromptWidget_SysMsg() = default;

QString PromptWidget_SysMsg::currentText() const
{
    return ui->label_info->text();
}

void PromptWidget_SysMsg::addMessage(const QString& text, bool immediate)
{
    if (immediate) {
        ui->label_info->setText(text);
        adjustSize();
    } else {
        if (m_queue.size() > kMaxQueued)
            m_queue.clear();
        m_queue.append(text);
        if (m_queue.size() == 1 && !m_timer->isActive())
            showNext();
    }
    // Every message stays at least one period; a running period is not extended.
    if (m_timer->remainingTime() < 1)
        m_timer->start();
}

void PromptWidget_SysMsg::slot_timeout()
{
    showNext();
}

void PromptWidget_SysMsg::showNext()
{
    if (m_queue.isEmpty()) {
        m_timer->stop();
        hide();
        return;
    }
    ui->label_info->setText(m_queue.takeFirst());
    adjustSize();
}
