#include "customui/KpPublicBtn.h"

#include "customui/KP_CustomStyle.h"
#include "customui/KpStyle.h"
#include "util/KPLog.h"

#include <QPainter>

namespace {

QString styleName(KpBtnStyle style)
{
    switch (style) {
    case BtnStyle_Primary:
        return QStringLiteral("primary");
    case BtnStyle_Secondary:
        return QStringLiteral("secondary");
    case BtnStyle_Text:
        return QStringLiteral("text");
    case BtnStyle_Danger:
        return QStringLiteral("danger");
    default:
        return QStringLiteral("default");
    }
}

} // namespace

KpPublicBtn::KpPublicBtn(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

KpPublicBtn::KpPublicBtn(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
}

void KpPublicBtn::setBtnStyle(KpBtnStyle style, bool rounded)
{
    if (style < BtnStyle_Default || style > BtnStyle_Danger) {
        g_Log.LogDebug(QStringLiteral("KpPublicBtn::setBtnStyle unknown style %1").arg(int(style)));
        style = BtnStyle_Default;
    }
    m_style = style;
    m_rounded = rounded;
    m_accent = QColor(KP_CustomStyle::getColorStyle());
    setCursor(style == BtnStyle_Default ? Qt::ArrowCursor : Qt::PointingHandCursor);
    KpStyle::setStyleProperty(this, "btnStyle", styleName(style));
    update();
}

void KpPublicBtn::setBtnStyle(int style, bool rounded)
{
    setBtnStyle(static_cast<KpBtnStyle>(style), rounded);
}

QSize KpPublicBtn::sizeHint() const
{
    if (m_style == BtnStyle_Default || !styleSheet().isEmpty())
        return QPushButton::sizeHint();
    const QFontMetrics metrics(font());
    return QSize(qMax(80, metrics.horizontalAdvance(text()) + 32), qMax(32, metrics.height() + 14));
}

void KpPublicBtn::paintEvent(QPaintEvent* event)
{
    // A button whose form gives it a style sheet keeps that look.
    if (m_style == BtnStyle_Default || !styleSheet().isEmpty()) {
        QPushButton::paintEvent(event);
        return;
    }

    const QColor accent = m_accent;
    const bool pressed = isDown() || isChecked();
    const bool hovered = underMouse();
    QColor fill = Qt::transparent;
    QColor border = Qt::transparent;
    QColor textColor;

    switch (m_style) {
    case BtnStyle_Primary:
    case BtnStyle_Danger: {
        const QColor base = m_style == BtnStyle_Primary ? accent : QColor(0xec, 0x54, 0x54);
        fill = pressed ? base.darker(115) : hovered ? base.lighter(112) : base;
        textColor = Qt::white;
        if (!isEnabled()) {
            fill = base.lighter(160);
            textColor = QColor(255, 255, 255, 220);
        }
        break;
    }
    case BtnStyle_Secondary:
        fill = pressed ? QColor(0xf0, 0xf0, 0xf0) : Qt::white;
        border = hovered || pressed ? accent : QColor(0xd0, 0xd0, 0xd0);
        textColor = hovered || pressed ? accent : QColor(0x33, 0x33, 0x33);
        if (!isEnabled()) {
            border = QColor(0xe3, 0xe3, 0xe3);
            textColor = QColor(0xbb, 0xbb, 0xbb);
        }
        break;
    default:
        textColor = !isEnabled() ? QColor(0xbb, 0xbb, 0xbb) : pressed ? accent.darker(120) : accent;
        if (hovered && isEnabled())
            fill = QColor(accent.red(), accent.green(), accent.blue(), 20);
        break;
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = m_rounded ? area.height() / 2.0 : 4.0;
    painter.setPen(border.alpha() ? QPen(border, 1) : Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(area, radius, radius);

    QRect content = rect().adjusted(8, 0, -8, 0);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QFontMetrics metrics(font());
        const int textWidth = text().isEmpty() ? 0 : metrics.horizontalAdvance(text()) + 6;
        const int left = content.left() + qMax(0, (content.width() - size.width() - textWidth) / 2);
        const QRect iconRect(left, (height() - size.height()) / 2, size.width(), size.height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setLeft(iconRect.right() + 6);
        painter.setPen(textColor);
        painter.drawText(
            content, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text(), Qt::ElideRight, content.width()));
        return;
    }
    painter.setPen(textColor);
    painter.drawText(content, Qt::AlignCenter, fontMetrics().elidedText(text(), Qt::ElideRight, content.width()));
}
