#include "conference/ConferenceQuestion.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/MoveWidget.h"

#include <QLabel>

namespace ConferenceQuestion {

QString titleStyle()
{
    return QStringLiteral("font-weight:500;color:rgba(51,51,51,1);line-height:22px");
}

void setUpWindow(MoveWidget* window, QWidget* titleStrip, QLabel* title)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setWindowModality(Qt::WindowModal);
    window->setFramePainted(false);
    window->setMovableHeight(titleStrip->height());
    title->setFont(KP_UI_UTIL::getFontScale(18, false));
    title->setStyleSheet(titleStyle());
}

} // namespace ConferenceQuestion
