#pragma once

#include <QKeyEvent>

namespace CallWindowKeys {

// MoveWidget closes its window on Escape; a call window must not vanish on a
// stray key while the call goes on. True when the event was Escape and is left
// to the parent; otherwise the window handles the key as usual.
inline bool ignoreEscape(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    event->ignore();
    return true;
}

} // namespace CallWindowKeys
