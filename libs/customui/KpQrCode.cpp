#include "customui/KpQrCode.h"

#include "util/KPLog.h"

#include <QPainter>

#include <cerrno>
#include <qrencode.h>

namespace KpQrCode {

KpQrMatrix encode(const QString& text)
{
    KpQrMatrix matrix;
    if (text.isEmpty()) {
        g_Log.LogDebug(QStringLiteral("KpQrCode::encode empty text"));
        return matrix;
    }
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    QRcode* code = QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M);
    if (!code) {
        g_Log.LogInfo(QStringLiteral("KpQrCode::encode failed, %1 bytes, errno %2").arg(bytes.size()).arg(errno));
        return matrix;
    }
    matrix.size = code->width;
    matrix.version = code->version;
    matrix.dark.resize(code->width * code->width);
    for (int i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = (code->data[i] & 0x01) != 0;
    QRcode_free(code);
    return matrix;
}

QImage render(const KpQrMatrix& matrix, int width, int height, int quietZone)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (matrix.isNull())
        return image;

    quietZone = qMax(0, quietZone);
    const int total = matrix.size + 2 * quietZone;
    const int module = qMin(width, height) / total;
    if (module < 1) {
        // Too small for one pixel per module: draw at one pixel and shrink.
        // Probably unreadable, but still the right picture.
        g_Log.LogDebug(
            QStringLiteral("KpQrCode::render %1x%2 too small for %3 modules").arg(width).arg(height).arg(total));
        const QImage full = render(matrix, total, total, quietZone);
        QPainter painter(&image);
        const int side = qMin(width, height);
        painter.drawImage(QRect((width - side) / 2, (height - side) / 2, side, side), full);
        return image;
    }

    const int side = module * total;
    const int left = (width - side) / 2 + quietZone * module;
    const int top = (height - side) / 2 + quietZone * module;
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int y = 0; y < matrix.size; ++y) {
        for (int x = 0; x < matrix.size; ++x) {
            if (matrix.isDark(x, y))
                painter.drawRect(left + x * module, top + y * module, module, module);
        }
    }
    return image;
}

} // namespace KpQrCode
