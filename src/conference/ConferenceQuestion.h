#pragma once

#include <QString>

class MoveWidget;
class QLabel;
class QWidget;

// What the conference window's questions (Popup_Common_Widget and
// Popup_Small_Widget) share: a frameless translucent tool window, modal to the
// conference window, dragged by its title strip, its title in the style of the
// conference's dialogs.
namespace ConferenceQuestion {

// The style of the dialogs' titles.
QString titleStyle();

void setUpWindow(MoveWidget* window, QWidget* titleStrip, QLabel* title);

} // namespace ConferenceQuestion
