#pragma once

#include <Qt>

class QWidget;

// The side pages of the conference window (chat, information, minutes,
// material): frameless translucent tool windows in the conference style,
// shown on their own or hosted as pages by the pop-up container.
namespace SidePage {

// Window flags, modality and deletion on close; called once the form is set up.
void setUpWindow(QWidget* page, Qt::WindowModality modality, bool deleteOnClose);

} // namespace SidePage
