#include "customui/KpElideLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

KpElideLabel::KpElideLabel(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(false);
}

// Wider than any screen shows on one line; the rest is cut with "…".
QString KpElideLabel::measuredPart(const QString& text)
{
    if (text.size() <= kMeasuredLength)
        return text;
    return text.left(kMeasuredLength) + QChar(0x2026);
}

QString KpElideLabel::elided(const QFontMetrics& metrics, const QString& text, int width)
{
    return metrics.elidedText(measuredPart(text), Qt::ElideRight, width);
}

QString KpElideLabel::shownText() const
{
    return elided(fontMetrics(), text(), contentsRect().width());
}

QSize KpElideLabel::sizeHint() const
{
    const QMargins frame = contentsMargins();
    const int extra = 2 * margin() + qMax(indent(), 0);
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(measuredPart(text())) + extra + frame.left() + frame.right(),
        metrics.height() + 2 * margin() + frame.top() + frame.bottom());
}

QSize KpElideLabel::minimumSizeHint() const
{
    // Any width will do: the text is elided instead of widening the window.
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) * 2, sizeHint().height());
}

void KpElideLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString shown = shownText();
    setToolTip(shown == text() ? QString() : text());
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
        isEnabled(), shown, foregroundRole());
}
