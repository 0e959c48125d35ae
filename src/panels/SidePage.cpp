#include "panels/SidePage.h"

#include "common/AreaStyle.h"
#include "customui/ScreenScale.h"

#include <QWidget>

namespace SidePage {

void setUpWindow(QWidget* page, Qt::WindowModality modality, bool deleteOnClose)
{
    page->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    page->setAttribute(Qt::WA_TranslucentBackground);
    page->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    page->setWindowModality(modality);
}

void finishForm(QWidget* page)
{
    // Polished first, so that the form's children take the appended rules.
    page->ensurePolished();
    AreaStyle::apply(page, QStringLiteral("conference.qss"));
    ScreenScale::beginScale(page);
}

} // namespace SidePage
