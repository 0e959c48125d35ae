#include "customui/KpElideLabel.h"

#include <QPainter>
#include <QStyle>

KpElideLabel::KpElideLabel(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(false);
}

QString KpElideLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize KpElideLabel::minimumSizeHint() const
{
    // Any width will do: the text is elided instead of widening the window.
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) * 2, QLabel::minimumSizeHint().height());
}

void KpElideLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString shown = shownText();
    setToolTip(shown == text() ? QString() : text());
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
        isEnabled(), shown, foregroundRole());
}
