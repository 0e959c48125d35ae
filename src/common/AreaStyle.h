#pragma once

#include <QString>

class QWidget;

// The module's style sheets are one file per area (conference.qss, meeting.qss,
// ...) in the skin folder. A window that is styled by one of them loads it on
// top of what its form sets.
namespace AreaStyle {

// Text of the area's style sheet from the skin folder, falling back to the
// built-in one; empty (and logged) when neither can be read.
QString read(const QString& fileName);

// Appends the area's style sheet to the widget's own.
void apply(QWidget* widget, const QString& fileName);

// The end of a window's construction once its form is set up: the area's sheet
// appended, then the window grown by the screen scale.
void finish(QWidget* widget, const QString& fileName);

} // namespace AreaStyle
