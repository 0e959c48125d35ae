#include "video/ConfSmartVideoPlayPipWdg.h"

#include "policy/VideoLayoutPolicy.h"

#include <QMouseEvent>

ConfSmartVideoPlayPipWdg::ConfSmartVideoPlayPipWdg(QWidget* parent)
    : ConfSmartBaseVideoPlayWgt(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setPlayCoreStyle(QStringLiteral("border:1px solid #000000;background-color: #666666;"));
    setHeadStyle(QStringLiteral("border:1px solid #000000;background-color: #666666;"));
}

QRect ConfSmartVideoPlayPipWdg::dragArea() const
{
    const QWidget* area = parentWidget();
    if (!area)
        return QRect();
    return QRect(area->mapToGlobal(area->pos()), area->size());
}

void ConfSmartVideoPlayPipWdg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        ConfSmartBaseVideoPlayWgt::mousePressEvent(event);
        return;
    }
    m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    event->accept();
}

void ConfSmartVideoPlayPipWdg::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        ConfSmartBaseVideoPlayWgt::mouseMoveEvent(event);
        return;
    }
    // A held button without a press inside this window is somebody else's drag.
    if (m_dragOffset == kNoDrag) {
        event->accept();
        return;
    }
    QPoint target = event->globalPos() - m_dragOffset;
    if (parentWidget())
        target = VideoLayoutPolicy::clampPipPosition(target, dragArea(), size());
    move(target);
    event->accept();
}

void ConfSmartVideoPlayPipWdg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        ConfSmartBaseVideoPlayWgt::mouseReleaseEvent(event);
        return;
    }
    m_dragOffset = kNoDrag;
    event->accept();
}
