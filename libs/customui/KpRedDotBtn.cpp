#include "customui/KpRedDotBtn.h"

#include "customui/KpStyle.h"
#include "util/KPLog.h"

#include <QPainter>

KpRedDotBtn::KpRedDotBtn(QWidget* parent)
    : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void KpRedDotBtn::setBtnType(int type)
{
    if (type < Icon_None || type > Icon_Success) {
        g_Log.LogDebug(QStringLiteral("KpRedDotBtn::setBtnType unknown type %1").arg(type));
        type = Icon_None;
    }
    m_type = type;
    KpStyle::setStyleProperty(this, "btnType", type);
    update();
}

void KpRedDotBtn::setGlyphColor(const QColor& color)
{
    m_glyphColor = color;
    update();
}

void KpRedDotBtn::setRedDotCount(int count)
{
    count = qMax(0, count);
    if (m_count == count)
        return;
    m_count = count;
    update();
}

QString KpRedDotBtn::redDotText(int count)
{
    if (count <= 0)
        return QString();
    if (count > 99)
        return QStringLiteral("99+");
    return QString::number(count);
}

void KpRedDotBtn::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (m_type != Icon_None) {
        const qreal side = qMin(width(), height()) * 0.5;
        const QRectF area(width() / 2.0 - side / 2, height() / 2.0 - side / 2, side, side);
        const QColor color = m_glyphColor.isValid() ? m_glyphColor : palette().color(QPalette::ButtonText);
        kpPaintGlyph(&painter, area, static_cast<KpIconKind>(m_type), isEnabled() ? color : color.lighter(160));
    }

    const QString text = redDotText(m_count);
    if (text.isEmpty())
        return;
    QFont font = this->font();
    font.setPixelSize(qMax(8, qMin(11, height() / 3)));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int badgeHeight = metrics.height() + 2;
    const int badgeWidth = qMax(badgeHeight, metrics.horizontalAdvance(text) + 8);
    const QRectF badge(width() - badgeWidth - 1, 1, badgeWidth, badgeHeight);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(0xf5, 0x3f, 0x3f));
    painter.drawRoundedRect(badge, badgeHeight / 2.0, badgeHeight / 2.0);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, text);
}
