#include "conference/ConferenceBubble.h"

#include "common/AreaStyle.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QTimer>

namespace {
constexpr int kShadowBlur = 10;
} // namespace

ConferenceBubble::ConferenceBubble(QWidget* parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    installEventFilter(this);
}

ConferenceBubble::~ConferenceBubble() = default;

void ConferenceBubble::castShadow(QWidget* target)
{
    auto* shadow = new QGraphicsDropShadowEffect(target);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(200, 200, 200, 255));
    shadow->setBlurRadius(kShadowBlur);
    target->setGraphicsEffect(shadow);
}

void ConferenceBubble::finishForm(QWidget* background)
{
    castShadow(background);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

void ConferenceBubble::popUpAt(const QPoint& globalPos)
{
    move(globalPos);
    show();
    raise();
    activateWindow();
}

bool ConferenceBubble::keepsOpenFor(const QWidget*) const
{
    return false;
}

bool ConferenceBubble::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate) {
        // Decided once the activation has settled: hiding in the middle of it
        // would hand the activation back to the conference window and away
        // from the pop-up that just opened.
        QTimer::singleShot(0, this, [this] {
            const QWidget* active = QApplication::activeWindow();
            if (active && active != this && !keepsOpenFor(active))
                hide();
        });
    }
    return QWidget::eventFilter(watched, event);
}
