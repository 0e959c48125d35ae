#pragma once

#include "customui/kp_customui_global.h"

#include <QVariant>

class QWidget;

// Visual state lives in dynamic properties that style sheets select on
// (QPushButton[active="y"]). Qt does not re-evaluate those selectors by
// itself when a property changes, so every change goes through here.
namespace KpStyle {

// Sets a dynamic property and re-polishes the widget when the value changed.
KP_CUSTOMUI_EXPORT void setStyleProperty(QWidget* widget, const char* name, const QVariant& value);

} // namespace KpStyle
