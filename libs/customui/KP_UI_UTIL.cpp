#include "customui/KP_UI_UTIL.h"

#include "customui/KpAvatarPolicy.h"
#include "customui/KpQrCode.h"
#include "util/KPLog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace {

// Avatars are drawn on request from layout sizes; keep an absurd size
// (an unlimited maximum size) from allocating gigabytes.
const int kMaxPixmapSide = 4096;

QRect primaryAvailableGeometry()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            return screen->availableGeometry();
    }
    return QRect(0, 0, 1920, 1080);
}

} // namespace

QFont KP_UI_UTIL::getFontScale(int size, bool bold)
{
    QFont font = qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::font() : QFont();
    font.setPixelSize(qMax(1, qRound(size * getScreenScale())));
    font.setBold(bold);
    return font;
}

double KP_UI_UTIL::getScreenScale()
{
    bool ok = false;
    const double forced = qEnvironmentVariable("KP_SCREEN_SCALE").toDouble(&ok);
    if (ok && forced >= 0.5 && forced <= 4.0)
        return forced;

    double dpi = 96.0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInch();
    }
    const double scale = qRound(dpi / 96.0 * 4.0) / 4.0;
    return qMax(1.0, scale);
}

int KP_UI_UTIL::getDeskTopWidth()
{
    return primaryAvailableGeometry().width();
}

int KP_UI_UTIL::getDeskTopHeight()
{
    return primaryAvailableGeometry().height();
}

void KP_UI_UTIL::centreOnOwner(QWidget* popup)
{
    if (!popup)
        return;
    const QWidget* owner = popup->parentWidget() ? popup->parentWidget()->window() : nullptr;
    QRect area = owner && owner->isVisible() ? owner->frameGeometry() : QRect();
    if (area.isEmpty())
        area = primaryAvailableGeometry();
    popup->move(area.center() - popup->rect().center());
}

QPixmap KP_UI_UTIL::PixmapToRound(const QPixmap& source, int width, int height, int radius)
{
    if (width <= 0 || height <= 0) {
        g_Log.LogDebug(QStringLiteral("KP_UI_UTIL::PixmapToRound bad size %1x%2").arg(width).arg(height));
        return QPixmap();
    }
    width = qMin(width, kMaxPixmapSide);
    height = qMin(height, kMaxPixmapSide);
    QPixmap result(width, height);
    result.fill(Qt::transparent);
    if (source.isNull())
        return result;

    QPainter painter(&result);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath path;
    const qreal r = qBound(0, radius, qMin(width, height) / 2);
    path.addRoundedRect(QRectF(0, 0, width, height), r, r);
    painter.setClipPath(path);
    painter.drawPixmap(QRect(0, 0, width, height), source);
    return result;
}

QPixmap KP_UI_UTIL::getSelfDrawPicHead(
    const QString& name, const QString& account, int width, int height, bool roundedRect, int radius, int fontSize)
{
    if (width <= 0 || height <= 0) {
        g_Log.LogDebug(QStringLiteral("KP_UI_UTIL::getSelfDrawPicHead bad size %1x%2").arg(width).arg(height));
        return QPixmap();
    }
    width = qMin(width, kMaxPixmapSide);
    height = qMin(height, kMaxPixmapSide);
    const QString key = account.isEmpty() ? name : account;
    const QString text = KpAvatarPolicy::initials(name.trimmed().isEmpty() ? account : name);

    QPixmap result(width, height);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(KpAvatarPolicy::backgroundColor(key));
    const QRectF area(0, 0, width, height);
    if (roundedRect) {
        const qreal r = qBound(0, radius, qMin(width, height) / 2);
        painter.drawRoundedRect(area, r, r);
    } else {
        const int side = qMin(width, height);
        painter.drawEllipse(QRectF((width - side) / 2.0, (height - side) / 2.0, side, side));
    }

    QFont font = getFontScale(12, false);
    const int side = qMin(width, height);
    // Two glyphs must fit inside a circle: about a third of the side each.
    const int textPixels = qMax(qMax(1, fontSize), qRound(side * 0.34));
    font.setPixelSize(qMin(textPixels, qMax(1, side / 2)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, text);
    return result;
}

QPixmap KP_UI_UTIL::getGroupQrcode(const QString& text, int width, int height)
{
    if (width <= 0 || height <= 0) {
        g_Log.LogDebug(QStringLiteral("KP_UI_UTIL::getGroupQrcode bad size %1x%2").arg(width).arg(height));
        return QPixmap();
    }
    width = qMin(width, kMaxPixmapSide);
    height = qMin(height, kMaxPixmapSide);
    return QPixmap::fromImage(KpQrCode::render(KpQrCode::encode(text), width, height));
}
