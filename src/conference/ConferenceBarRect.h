#pragma once

#include <QPushButton>
#include <QRect>

// The rectangle the title bar and the toolbar report for a clicked button:
// the button's size at its global origin offset once more by its position in
// its parent. The window places its pop-ups relative to this very rectangle.
inline QRect conferenceBarRect(const QPushButton* button)
{
    return QRect(button->mapToGlobal(button->pos()), button->size());
}
