#pragma once

#include "video/ConfSmartBaseVideoPlayWgt.h"

#include <QPoint>

// The floating picture-in-picture window of the video area: a frameless
// top-level window the user drags within the video area (its parent).
class ConfSmartVideoPlayPipWdg : public ConfSmartBaseVideoPlayWgt
{
    Q_OBJECT

public:
    explicit ConfSmartVideoPlayPipWdg(QWidget* parent = nullptr);

    bool isDragging() const { return m_dragOffset != kNoDrag; }
    // Global rectangle the window must stay in: the parent's area, with the
    // parent's mapToGlobal(parent's pos()) as reference point (as the owner
    // window computes it). Empty without a parent.
    QRect dragArea() const;

    static constexpr QPoint kNoDrag { -1, -1 };

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint m_dragOffset = kNoDrag;
};
