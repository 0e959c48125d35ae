#include "panels/SidePage.h"

#include <QWidget>

namespace SidePage {

void setUpWindow(QWidget* page, Qt::WindowModality modality, bool deleteOnClose)
{
    page->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    page->setAttribute(Qt::WA_TranslucentBackground);
    page->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    page->setWindowModality(modality);
}

} // namespace SidePage
