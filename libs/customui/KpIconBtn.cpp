#include "customui/KpIconBtn.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

void paintBadge(QPainter* painter, const QRectF& rect, KpIconKind kind)
{
    QColor fill;
    switch (kind) {
    case Icon_Info:
        fill = QColor(0x1d, 0x6f, 0xe8);
        break;
    case Icon_Warning:
        fill = QColor(0xf5, 0xa6, 0x23);
        break;
    case Icon_Error:
        fill = QColor(0xec, 0x54, 0x54);
        break;
    case Icon_Question:
        fill = QColor(0x1d, 0x6f, 0xe8);
        break;
    default:
        fill = QColor(0x2e, 0xb8, 0x72);
        break;
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawEllipse(rect);

    const qreal s = rect.width();
    const QPointF c = rect.center();
    QPen pen(Qt::white, qMax(1.5, s * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    switch (kind) {
    case Icon_Info:
        painter->drawLine(QPointF(c.x(), c.y() - s * 0.05), QPointF(c.x(), c.y() + s * 0.25));
        painter->drawPoint(QPointF(c.x(), c.y() - s * 0.24));
        break;
    case Icon_Warning:
    case Icon_Error:
        if (kind == Icon_Warning) {
            painter->drawLine(QPointF(c.x(), c.y() - s * 0.25), QPointF(c.x(), c.y() + s * 0.05));
            painter->drawPoint(QPointF(c.x(), c.y() + s * 0.24));
        } else {
            const qreal d = s * 0.18;
            painter->drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
            painter->drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
        }
        break;
    case Icon_Question: {
        QPainterPath path;
        path.moveTo(c.x() - s * 0.14, c.y() - s * 0.12);
        path.cubicTo(
            c.x() - s * 0.14, c.y() - s * 0.32, c.x() + s * 0.16, c.y() - s * 0.32, c.x() + s * 0.15, c.y() - s * 0.12);
        path.cubicTo(c.x() + s * 0.14, c.y() + s * 0.0, c.x(), c.y() - s * 0.02, c.x(), c.y() + s * 0.1);
        painter->drawPath(path);
        painter->drawPoint(QPointF(c.x(), c.y() + s * 0.26));
        break;
    }
    default: {
        QPainterPath path;
        path.moveTo(c.x() - s * 0.2, c.y());
        path.lineTo(c.x() - s * 0.05, c.y() + s * 0.15);
        path.lineTo(c.x() + s * 0.22, c.y() - s * 0.14);
        painter->drawPath(path);
        break;
    }
    }
}

} // namespace

void kpPaintGlyph(QPainter* painter, const QRectF& area, KpIconKind kind, const QColor& color)
{
    if (!painter || kind == Icon_None || area.isEmpty())
        return;
    const qreal side = qMin(area.width(), area.height());
    const QRectF rect(area.center().x() - side / 2, area.center().y() - side / 2, side, side);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (kind >= Icon_Info && kind <= Icon_Success) {
        paintBadge(painter, rect, kind);
        painter->restore();
        return;
    }

    QPen pen(color, qMax(1.0, side / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const QPointF c = rect.center();
    const qreal h = side / 2;
    switch (kind) {
    case Icon_Minimize:
        painter->drawLine(QPointF(rect.left(), c.y()), QPointF(rect.right(), c.y()));
        break;
    case Icon_Maximize:
        painter->drawRect(rect.adjusted(h * 0.1, h * 0.1, -h * 0.1, -h * 0.1));
        break;
    case Icon_Restore: {
        const qreal o = side * 0.25;
        painter->drawRect(QRectF(rect.left(), rect.top() + o, side - o, side - o));
        QPainterPath back;
        back.moveTo(rect.left() + o, rect.top() + o);
        back.lineTo(rect.left() + o, rect.top());
        back.lineTo(rect.right(), rect.top());
        back.lineTo(rect.right(), rect.bottom() - o);
        back.lineTo(rect.right() - o, rect.bottom() - o);
        painter->drawPath(back);
        break;
    }
    case Icon_Close:
    case Icon_Clear:
        if (kind == Icon_Clear) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(color);
            painter->drawEllipse(rect);
            painter->setPen(QPen(Qt::white, qMax(1.0, side / 10.0), Qt::SolidLine, Qt::RoundCap));
            const qreal d = side * 0.2;
            painter->drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
            painter->drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
        } else {
            painter->drawLine(rect.topLeft(), rect.bottomRight());
            painter->drawLine(rect.topRight(), rect.bottomLeft());
        }
        break;
    case Icon_Search:
        painter->drawEllipse(QRectF(rect.left(), rect.top(), side * 0.7, side * 0.7));
        painter->drawLine(QPointF(rect.left() + side * 0.6, rect.top() + side * 0.6), rect.bottomRight());
        break;
    case Icon_More: {
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        const qreal r = side * 0.1;
        for (int i = -1; i <= 1; ++i)
            painter->drawEllipse(QPointF(c.x() + i * side * 0.35, c.y()), r, r);
        break;
    }
    case Icon_Add:
        painter->drawLine(QPointF(c.x(), rect.top()), QPointF(c.x(), rect.bottom()));
        painter->drawLine(QPointF(rect.left(), c.y()), QPointF(rect.right(), c.y()));
        break;
    case Icon_Remove:
        painter->drawLine(QPointF(rect.left(), c.y()), QPointF(rect.right(), c.y()));
        break;
    case Icon_Check: {
        QPainterPath path;
        path.moveTo(rect.left(), c.y());
        path.lineTo(rect.left() + side * 0.38, rect.bottom() - side * 0.15);
        path.lineTo(rect.right(), rect.top() + side * 0.15);
        painter->drawPath(path);
        break;
    }
    case Icon_Setting: {
        // A gear: a ring with eight teeth.
        const qreal outer = h;
        const qreal inner = h * 0.72;
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const qreal r = (i % 2 == 0) ? outer : inner;
            const qreal a0 = (i - 0.5) * M_PI / teeth;
            const qreal a1 = (i + 0.5) * M_PI / teeth;
            const QPointF p0(c.x() + r * qCos(a0), c.y() + r * qSin(a0));
            const QPointF p1(c.x() + r * qCos(a1), c.y() + r * qSin(a1));
            if (i == 0)
                gear.moveTo(p0);
            else
                gear.lineTo(p0);
            gear.lineTo(p1);
        }
        gear.closeSubpath();
        gear.addEllipse(c, h * 0.3, h * 0.3);
        gear.setFillRule(Qt::OddEvenFill);
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawPath(gear);
        break;
    }
    default:
        break;
    }
    painter->restore();
}

KpIconBtn::KpIconBtn(QWidget* parent)
    : KpIconBtn(Icon_None, parent)
{ }

KpIconBtn::KpIconBtn(KpIconKind kind, QWidget* parent)
    : QPushButton(parent)
    , m_kind(kind)
{
    setFlat(true);
    // Reached by Tab, never by a click: a click must not take the focus from the content.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void KpIconBtn::setIconKind(KpIconKind kind)
{
    if (m_kind == kind)
        return;
    m_kind = kind;
    update();
}

QSize KpIconBtn::sizeHint() const
{
    return QSize(30, 30);
}

void KpIconBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool pressed = isDown() || isChecked();
    const bool hovered = underMouse() && isEnabled();
    QColor glyph = isEnabled() ? QColor(0x66, 0x66, 0x66) : QColor(0xbb, 0xbb, 0xbb);
    if (hovered || pressed) {
        QColor background;
        if (m_kind == Icon_Close) {
            background = pressed ? QColor(0xc5, 0x0f, 0x1f) : QColor(0xe8, 0x11, 0x23);
            glyph = Qt::white;
        } else {
            background = pressed ? QColor(0, 0, 0, 40) : QColor(0, 0, 0, 20);
        }
        painter.fillRect(rect(), background);
    }
    // Two fifths of the shorter side: the hover background shows around the glyph.
    const qreal side = qMin(width(), height()) * 0.4;
    const QRectF area(rect().center().x() + 0.5 - side / 2, rect().center().y() + 0.5 - side / 2, side, side);
    if (m_kind != Icon_None) {
        kpPaintGlyph(&painter, area, m_kind, glyph);
    } else if (!icon().isNull()) {
        icon().paint(&painter, rect(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    if (!text().isEmpty() && m_kind == Icon_None && icon().isNull()) {
        painter.setPen(glyph);
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}
