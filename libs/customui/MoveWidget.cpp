#include "customui/MoveWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {
const int kResizeMargin = 5;
}

MoveWidget::MoveWidget(QWidget* parent, bool resizable)
    : QWidget(parent)
    , m_resizable(resizable)
{
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    if (resizable)
        setMouseTracking(true);
}

MoveWidget::~MoveWidget() = default;

void MoveWidget::setWidgetMovable(bool movable)
{
    m_movable = movable;
    if (!movable)
        m_dragging = false;
}

void MoveWidget::setMovableHeight(int height)
{
    m_movableHeight = height;
}

void MoveWidget::setFramePainted(bool painted)
{
    m_framePainted = painted;
    update();
}

Qt::Edges MoveWidget::edgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (!m_resizable || isMaximized() || isFullScreen())
        return edges;
    if (pos.x() < kResizeMargin)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kResizeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < kResizeMargin)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - kResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

bool MoveWidget::inDragBand(const QPoint& pos) const
{
    return m_movableHeight <= 0 || (pos.y() >= 0 && pos.y() < m_movableHeight);
}

void MoveWidget::updateCursor(Qt::Edges edges)
{
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void MoveWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Qt::Edges edges = edgesAt(event->pos());
    if (edges) {
        m_resizeEdges = edges;
        m_resizeStartGeometry = geometry();
        m_resizeStartPos = event->globalPos();
        event->accept();
        return;
    }
    if (m_movable && !isMaximized() && !isFullScreen() && inDragBand(event->pos())) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MoveWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_resizeEdges && (event->buttons() & Qt::LeftButton)) {
        const QPoint delta = event->globalPos() - m_resizeStartPos;
        QRect target = m_resizeStartGeometry;
        const QSize minimum = minimumSize().expandedTo(QSize(2 * kResizeMargin, 2 * kResizeMargin));
        if (m_resizeEdges & Qt::LeftEdge)
            target.setLeft(qMin(target.left() + delta.x(), target.right() - minimum.width() + 1));
        if (m_resizeEdges & Qt::RightEdge)
            target.setRight(qMax(target.right() + delta.x(), target.left() + minimum.width() - 1));
        if (m_resizeEdges & Qt::TopEdge)
            target.setTop(qMin(target.top() + delta.y(), target.bottom() - minimum.height() + 1));
        if (m_resizeEdges & Qt::BottomEdge)
            target.setBottom(qMax(target.bottom() + delta.y(), target.top() + minimum.height() - 1));
        setGeometry(target);
        event->accept();
        return;
    }
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        if (!m_movable || isMaximized() || isFullScreen()) {
            m_dragging = false;
        } else {
            move(event->globalPos() - m_dragOffset);
            event->accept();
            return;
        }
    }
    if (m_resizable && event->buttons() == Qt::NoButton)
        updateCursor(edgesAt(event->pos()));
    QWidget::mouseMoveEvent(event);
}

void MoveWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && (m_dragging || m_resizeEdges)) {
        m_dragging = false;
        m_resizeEdges = {};
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void MoveWidget::leaveEvent(QEvent* event)
{
    if (m_resizable && !m_resizeEdges)
        unsetCursor();
    QWidget::leaveEvent(event);
}

void MoveWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MoveWidget::closeEvent(QCloseEvent* event)
{
    // A drag must not resume when the window shows again.
    m_dragging = false;
    m_resizeEdges = {};
    QWidget::closeEvent(event);
}

void MoveWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Let style sheets set on the window itself draw (plain QWidget
    // subclasses do not otherwise).
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    if (!m_framePainted || !styleSheet().isEmpty() || testAttribute(Qt::WA_TranslucentBackground))
        return;
    painter.setPen(QPen(QColor(0xe3, 0xe3, 0xe3), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
