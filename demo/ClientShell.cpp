#include "demo/ClientShell.h"

#include "business/UI_ControlView.h"
#include "customui/KpMsgTip.h"
#include "demo/DemoContext.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

ClientShell::ClientShell(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientShell"));
    setWindowTitle(QStringLiteral("IM client"));
    resize(DemoContext::scaledSize(760, 520));
    m_tip = new KpMsgTip(this);
    m_overlay = new QWidget(this);
    m_overlay->setObjectName(QStringLiteral("clientMask"));
    m_overlay->setStyleSheet(QStringLiteral("QWidget#clientMask{background-color:rgba(0,0,0,110);}"));
    m_overlay->hide();

    UI_ControlView* control = UI_ControlView::instance();
    connect(control, &UI_ControlView::sig_showMsgTip, this, &ClientShell::showMsgTip);
    connect(control, &UI_ControlView::sig_showMaskWgt, this, &ClientShell::showMask);
    connect(control, &UI_ControlView::sig_hideMaskWgt, this, &ClientShell::hideMask);
}

ClientShell::~ClientShell() = default;

void ClientShell::reset()
{
    m_tips.clear();
    // Tips still queued belong to the previous scenario.
    delete m_tip;
    m_tip = new KpMsgTip(this);
    hideMask(PopUpHandleType(POPUP_HANDLE_MAIN));
}

void ClientShell::paintEvent(QPaintEvent*)
{
    // A sketch of the client: a contact column and a chat pane.
    QPainter p(this);
    p.fillRect(rect(), QColor(QStringLiteral("#F5F6F8")));
    p.fillRect(QRect(0, 0, 64, height()), QColor(QStringLiteral("#2B3245")));
    p.fillRect(QRect(64, 0, 220, height()), QColor(QStringLiteral("#EBEDF1")));
    p.setPen(QColor(QStringLiteral("#9AA1AE")));
    for (int i = 0; i < 8; ++i) {
        const int y = 20 + i * 58;
        p.setBrush(QColor::fromHsv((i * 47) % 360, 90, 210));
        p.drawEllipse(QRect(78, y, 36, 36));
        p.fillRect(QRect(124, y + 6, 120, 8), QColor(QStringLiteral("#C9CDD6")));
        p.fillRect(QRect(124, y + 22, 80, 6), QColor(QStringLiteral("#DADDE3")));
    }
    p.setPen(QColor(QStringLiteral("#5A6172")));
    p.drawText(QRect(284, 0, width() - 284, 48), Qt::AlignCenter, QStringLiteral("IM client (demo shell)"));
}

void ClientShell::showMsgTip(const QString& text, PopUpHandleType)
{
    m_tips.append(text);
    if (!isVisible())
        show();
    if (!m_tip) // a tip deletes itself once its queue is empty
        m_tip = new KpMsgTip(this);
    m_tip->addMsgTip(text);
}

void ClientShell::showMask(void* widget, PopUpHandleType)
{
    auto* w = static_cast<QWidget*>(widget);
    if (!w)
        return;
    if (!isVisible())
        show();
    m_overlay->setGeometry(rect());
    m_overlay->show();
    m_overlay->raise();
    m_masked = w;
    // The masked window stays a window of its own, centred over the client.
    w->move(geometry().center() - QPoint(w->width() / 2, w->height() / 2));
    w->show();
    w->raise();
    w->activateWindow();
}

void ClientShell::hideMask(PopUpHandleType)
{
    m_overlay->hide();
    if (m_masked)
        m_masked->hide();
    m_masked.clear();
}
