#pragma once

#include <QString>
#include <QVector>

// The six video layouts of the layout chooser and the layout type each
// stands for (the main window's layout type).
namespace ScreenLayoutPolicy {

constexpr int kNoLayout = -1;
constexpr int kLayoutCount = 6;

bool isLayoutType(int type);
// The chosen type from the buttons' check states in type order: the last
// checked one wins, kNoLayout when none is checked.
int chosenLayout(const QVector<bool>& checkedInTypeOrder);

} // namespace ScreenLayoutPolicy
