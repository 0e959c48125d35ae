#pragma once

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QWidget>

// The soft grey shadow the invitation and sharing windows draw around their
// white panel (offset 0, rgb(200,200,200), blur radius 10).
inline void addPanelShadow(QWidget* panel)
{
    auto* shadow = new QGraphicsDropShadowEffect(panel);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(200, 200, 200));
    shadow->setBlurRadius(10);
    panel->setGraphicsEffect(shadow);
}
