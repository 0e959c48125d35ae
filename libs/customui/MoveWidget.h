#pragma once

#include "customui/kp_customui_global.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

// The frameless base window. It is dragged by a band at its top (the whole
// window until setMovableHeight is called), optionally resized by its edges,
// paints a plain frame when opaque, and closes on Escape.
class KP_CUSTOMUI_EXPORT MoveWidget : public QWidget
{
    Q_OBJECT
public:
    // resizable: the edges (5 px) can be dragged to resize the window.
    explicit MoveWidget(QWidget* parent = nullptr, bool resizable = false);
    ~MoveWidget() override;

    void setWidgetMovable(bool movable);
    bool isWidgetMovable() const { return m_movable; }

    // Height of the drag band from the top; 0 or less makes the whole window
    // a drag band.
    void setMovableHeight(int height);

    // Whether the base paints an opaque window: a white background with a
    // 1 px #E3E3E3 border. A translucent window, or one with a style sheet of
    // its own, draws its own shape. Default true.
    void setFramePainted(bool painted);

    bool isDragging() const { return m_dragging; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Qt::Edges edgesAt(const QPoint& pos) const;
    bool inDragBand(const QPoint& pos) const;
    void updateCursor(Qt::Edges edges);

    bool m_movable = true;
    const bool m_resizable;
    int m_movableHeight = 0;
    bool m_framePainted = true;

    bool m_dragging = false;
    QPoint m_dragOffset;
    Qt::Edges m_resizeEdges;
    QRect m_resizeStartGeometry;
    QPoint m_resizeStartPos;
};
