#pragma once

#include "customui/kp_customui_global.h"

#include <QImage>
#include <QString>
#include <QVector>

// The modules of one QR symbol, without its quiet zone.
struct KP_CUSTOMUI_EXPORT KpQrMatrix
{
    int size = 0; // modules per side (21 for version 1, +4 per version)
    int version = 0; // 1..40
    QVector<bool> dark;

    bool isNull() const { return size <= 0; }
    bool isDark(int x, int y) const { return x >= 0 && y >= 0 && x < size && y < size && dark.at(y * size + x); }
};

namespace KpQrCode {

// Encodes the UTF-8 bytes of the text with error correction level M.
// Empty or over-long text gives a null matrix (and a log line).
KP_CUSTOMUI_EXPORT KpQrMatrix encode(const QString& text);

// Draws the symbol black on white, centred in a width x height image, with a
// quiet zone of quietZone modules, using whole pixels per module so that
// scanners see sharp edges. A null matrix gives a plain white image.
KP_CUSTOMUI_EXPORT QImage render(const KpQrMatrix& matrix, int width, int height, int quietZone = 4);

} // namespace KpQrCode
