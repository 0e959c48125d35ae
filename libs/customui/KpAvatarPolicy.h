#pragma once

#include "customui/kp_customui_global.h"

#include <QColor>
#include <QString>

// How a drawn avatar is made from a person's name and account. Kept apart
// from the painting so the rules can be checked without a screen.
namespace KpAvatarPolicy {

// The text shown on a drawn avatar: the last one or two characters of a
// Chinese, Japanese or Korean name ("王小明" -> "小明"), the initials of the
// first and last words of other names ("John Smith" -> "JS"), the last two
// characters of a name without letters (a telephone number), "?" when empty.
KP_CUSTOMUI_EXPORT QString initials(const QString& name);

// A hash that is the same in every process and on every run (QHash seeds
// itself randomly), so a person keeps the same colour everywhere.
KP_CUSTOMUI_EXPORT quint32 stableHash(const QString& key);

// The background colour for a key (the account), one of a fixed palette.
KP_CUSTOMUI_EXPORT QColor backgroundColor(const QString& key);

// Number of colours in the palette.
KP_CUSTOMUI_EXPORT int paletteSize();

} // namespace KpAvatarPolicy
