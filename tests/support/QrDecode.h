#pragma once

// Reads QR codes back from rendered pictures with zbar. A suite that uses it
// links PkgConfig::ZBAR and defines KP_HAVE_ZBAR when zbar is installed
// (kp_link_zbar in its CMakeLists.txt); without zbar nothing is decoded.

#include <QByteArray>
#include <QImage>
#include <QStringList>

#ifdef KP_HAVE_ZBAR
#include <zbar.h>
#endif

namespace QrDecode {

inline bool available()
{
#ifdef KP_HAVE_ZBAR
    return true;
#else
    return false;
#endif
}

// Every QR symbol of the image; empty when zbar is absent.
inline QStringList decode(const QImage& source)
{
    QStringList texts;
#ifdef KP_HAVE_ZBAR
    using namespace zbar; // the C interface, which zbar.h puts in a namespace for C++
    const QImage gray = source.convertToFormat(QImage::Format_Grayscale8);
    QByteArray raw;
    for (int y = 0; y < gray.height(); ++y)
        raw.append(reinterpret_cast<const char*>(gray.constScanLine(y)), gray.width());
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(gray.width()), unsigned(gray.height()));
    zbar_image_set_data(image, raw.constData(), unsigned(raw.size()), nullptr);
    zbar_scan_image(scanner, image);
    for (const zbar_symbol_t* symbol = zbar_image_first_symbol(image); symbol; symbol = zbar_symbol_next(symbol)) {
        if (zbar_symbol_get_type(symbol) == ZBAR_QRCODE)
            texts << QString::fromUtf8(zbar_symbol_get_data(symbol), int(zbar_symbol_get_data_length(symbol)));
    }
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
#else
    Q_UNUSED(source)
#endif
    return texts;
}

} // namespace QrDecode
