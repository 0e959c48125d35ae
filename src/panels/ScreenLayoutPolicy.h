#pragma once

#include <QString>
#include <QVector>

// The six video layouts of the layout chooser: their buttons, pictures and
// the layout type each stands for (the main window's layout type).
namespace ScreenLayoutPolicy {

constexpr int kNoLayout = -1;
constexpr int kLayoutCount = 6;

bool isLayoutType(int type);
// Object name of the button of a type ("BigMountedZeroBtn" ...); empty for other values.
QString buttonName(int type);
// Type of a button's object name; kNoLayout for other names.
int typeOfButton(const QString& objectName);
// The chosen type from the buttons' check states in type order: the last
// checked one wins, kNoLayout when none is checked.
int chosenLayout(const QVector<bool>& checkedInTypeOrder);
// Picture of a type, normal or checked; empty for other values.
QString imagePath(int type, bool checked);

} // namespace ScreenLayoutPolicy
