#include "customui/KpMsgTip.h"
#include "customui/KpElideLabel.h"
#include "ui_KpMsgTip.h"

#include "customui/KP_UI_UTIL.h"
#include "util/KPLog.h"

#include <QTimer>

KpMsgTip::KpMsgTip(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::KpMsgTip)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ui->label_tip->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_tip->setMaximumWidth(qRound(480 * KP_UI_UTIL::getScreenScale()));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("showTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(ShowMs);
    connect(m_timer, &QTimer::timeout, this, &KpMsgTip::slot_onTimeOut);
}

KpMsgTip::~KpMsgTip() = default;

void KpMsgTip::addMsgTip(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        g_Log.LogDebug(QStringLiteral("KpMsgTip::addMsgTip empty text"));
        return;
    }
    if (m_timer->isActive()) {
        const QString last = m_queue.isEmpty() ? currentText() : m_queue.last();
        if (text == last)
            return;
        if (m_queue.size() >= MaxQueued) {
            g_Log.LogInfo(QStringLiteral("KpMsgTip::addMsgTip queue full, dropped: %1").arg(text));
            return;
        }
        m_queue.enqueue(text);
        return;
    }
    m_queue.enqueue(text);
    showNext();
}

bool KpMsgTip::getTimerIsActive() const
{
    return m_timer->isActive();
}

QString KpMsgTip::currentText() const
{
    return ui->label_tip->text();
}

void KpMsgTip::slot_onTimeOut()
{
    if (!m_queue.isEmpty()) {
        showNext();
        return;
    }
    m_timer->stop();
    ui->label_tip->clear();
    close();
}

void KpMsgTip::showNext()
{
    if (m_queue.isEmpty())
        return;
    // Keep the tip's centre where it was (the owner may have placed it)
    // while its width follows the text.
    const QPoint centre = frameGeometry().center();
    const QString text = m_queue.dequeue();
    ui->label_tip->setText(text);
    // A word-wrapped label would shrink to its longest word: keep short tips
    // on one line (padding 24 px each side) and wrap only long ones.
    const int natural = ui->label_tip->fontMetrics().horizontalAdvance(KpElideLabel::measuredPart(text)) + 2 * 24 + 2;
    ui->label_tip->setMinimumWidth(qMin(natural, ui->label_tip->maximumWidth()));
    adjustSize();
    if (m_placed) {
        move(centre - rect().center());
    } else {
        KP_UI_UTIL::centreOnOwner(this);
        m_placed = true;
    }
    show();
    raise();
    m_timer->start(ShowMs);
}
