#include "KPSettings.h"
#include "KP_CustomStyle.h"
#include "KP_UI_UTIL.h"
#include "KpAvatarPolicy.h"
#include "KpMenu.h"
#include "KpPublicBtn.h"
#include "KpQrCode.h"
#include "KpRedDotBtn.h"
#include "KpStyle.h"
#include "ScreenScale.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSet>
#include <QTemporaryFile>
#include <QtTest>

#ifdef KP_HAVE_ZBAR
#include <zbar.h>
using namespace zbar; // the C interface, which zbar.h puts in a namespace for C++
#endif

namespace {

// Decodes every QR symbol of the image with zbar; empty when zbar is absent.
QStringList decodeQr(const QImage& source)
{
    QStringList texts;
#ifdef KP_HAVE_ZBAR
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

// The 7 x 7 finder pattern with its top-left module at (x, y).
bool hasFinder(const KpQrMatrix& m, int x, int y)
{
    for (int dy = 0; dy < 7; ++dy) {
        for (int dx = 0; dx < 7; ++dx) {
            const bool ring = dx == 0 || dy == 0 || dx == 6 || dy == 6;
            const bool core = dx >= 2 && dx <= 4 && dy >= 2 && dy <= 4;
            if (m.isDark(x + dx, y + dy) != (ring || core))
                return false;
        }
    }
    return true;
}

class EnvGuard
{
public:
    EnvGuard(const char* name, const QByteArray& value)
        : m_name(name)
    {
        qputenv(name, value);
    }
    ~EnvGuard() { qunsetenv(m_name); }

private:
    const char* m_name;
};

} // namespace

// The drawing and style helpers: QR codes, avatars, rounding, fonts and
// screen scaling, style properties, the styled buttons, the skin settings.
class tst_KpUiUtil : public QObject
{
    Q_OBJECT

private slots:
    void qrCodeHasItsStructureAndQuietZone()
    {
        const QString link = QStringLiteral("https://meeting.example.com:443/appdownload/join.html?confId=123456789");
        const KpQrMatrix matrix = KpQrCode::encode(link);
        QVERIFY(!matrix.isNull());
        QVERIFY(matrix.version >= 1 && matrix.version <= 40);
        QCOMPARE(matrix.size, 17 + 4 * matrix.version);
        QVERIFY(hasFinder(matrix, 0, 0));
        QVERIFY(hasFinder(matrix, matrix.size - 7, 0));
        QVERIFY(hasFinder(matrix, 0, matrix.size - 7));
        QVERIFY(!hasFinder(matrix, matrix.size - 7, matrix.size - 7));
        // Timing pattern between the finders: alternating modules on row 6.
        for (int x = 8; x < matrix.size - 8; ++x)
            QCOMPARE(matrix.isDark(x, 6), x % 2 == 0);

        const QImage image = KpQrCode::render(matrix, 300, 260);
        QCOMPARE(image.size(), QSize(300, 260));
        const int module = 260 / (matrix.size + 8);
        const int left = (300 - module * (matrix.size + 8)) / 2;
        const int top = (260 - module * (matrix.size + 8)) / 2;
        const int inset = 4 * module;
        QCOMPARE(image.pixelColor(left + inset - 1, top + inset + module / 2), QColor(Qt::white)); // quiet zone
        QCOMPARE(image.pixelColor(left + inset + module / 2, top + inset + module / 2), QColor(Qt::black));
        QCOMPARE(image.pixelColor(left + inset + module + module / 2, top + inset + module + module / 2),
            QColor(Qt::white)); // the finder's inner light ring
    }

    void qrCodeDecodesBackToTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("link") << QStringLiteral(
            "https://meeting.example.com:443/appdownload/join.html?confId=987654321");
        QTest::newRow("chinese") << QStringLiteral("会议邀请 987 654 321");
    }
    void qrCodeDecodesBackToTheText()
    {
#ifndef KP_HAVE_ZBAR
        QSKIP("zbar is not installed: no decoder to read the code back");
#endif
        QFETCH(QString, text);
        const QPixmap code = KP_UI_UTIL::getGroupQrcode(text, 240, 240);
        QCOMPARE(code.size(), QSize(240, 240));
        QCOMPARE(decodeQr(code.toImage()), QStringList { text });
    }

    void qrCodeOfNothingIsBlankNotBroken()
    {
        QVERIFY(KpQrCode::encode(QString()).isNull());
        const QImage blank = KP_UI_UTIL::getGroupQrcode(QString(), 50, 40).toImage();
        QCOMPARE(blank.size(), QSize(50, 40));
        QCOMPARE(blank.pixelColor(25, 20), QColor(Qt::white));
        QVERIFY(KpQrCode::encode(QString(5000, QLatin1Char('x'))).isNull()); // beyond a QR code's capacity
        QVERIFY(KP_UI_UTIL::getGroupQrcode(QStringLiteral("x"), 0, 10).isNull());
        // Smaller than one pixel per module: still an image of the requested size.
        QCOMPARE(KP_UI_UTIL::getGroupQrcode(QStringLiteral("abc"), 12, 12).size(), QSize(12, 12));
    }

    void avatarInitials_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initials");
        QTest::newRow("two chinese") << QStringLiteral("张三") << QStringLiteral("张三");
        QTest::newRow("three chinese") << QStringLiteral("王小明") << QStringLiteral("小明");
        QTest::newRow("one chinese") << QStringLiteral(" 李 ") << QStringLiteral("李");
        QTest::newRow("mixed") << QStringLiteral("Tom 张伟(销售)") << QStringLiteral("销售");
        QTest::newRow("latin") << QStringLiteral("John Smith") << QStringLiteral("JS");
        QTest::newRow("three words") << QStringLiteral("mary ann lee") << QStringLiteral("ML");
        QTest::newRow("one word") << QStringLiteral("alice") << QStringLiteral("A");
        QTest::newRow("accents") << QStringLiteral("zoë ölund") << QStringLiteral("ZÖ");
        QTest::newRow("dotted account") << QStringLiteral("li.lei@corp") << QStringLiteral("LC");
        QTest::newRow("phone number") << QStringLiteral("138 0013 8000") << QStringLiteral("00");
        QTest::newRow("empty") << QString() << QStringLiteral("?");
        QTest::newRow("blank") << QStringLiteral("   ") << QStringLiteral("?");
    }
    void avatarInitials()
    {
        QFETCH(QString, name);
        QFETCH(QString, initials);
        QCOMPARE(KpAvatarPolicy::initials(name), initials);
    }

    void avatarColourIsStableAndSpread()
    {
        // Fixed values: the colour must not change between runs or processes.
        QCOMPARE(KpAvatarPolicy::stableHash(QStringLiteral("alice")), 1478347799u);
        QCOMPARE(KpAvatarPolicy::backgroundColor(QStringLiteral("alice")), QColor(QStringLiteral("#F07C3A")));
        QCOMPARE(KpAvatarPolicy::backgroundColor(QStringLiteral("zhang.san@corp")), QColor(QStringLiteral("#5C6BC0")));

        QSet<QRgb> colours;
        for (int i = 0; i < 100; ++i)
            colours.insert(KpAvatarPolicy::backgroundColor(QStringLiteral("user%1").arg(i)).rgb());
        QVERIFY(colours.size() >= KpAvatarPolicy::paletteSize() - 2);
    }

    void drawnAvatarUsesTheAccountColourAndShape()
    {
        const QColor colour = KpAvatarPolicy::backgroundColor(QStringLiteral("bob"));
        const QImage rounded
            = KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("Bob Stone"), QStringLiteral("bob"), 70, 60, true, 8, 12)
                  .toImage();
        QCOMPARE(rounded.size(), QSize(70, 60));
        QCOMPARE(rounded.pixelColor(35, 2), colour);
        QCOMPARE(rounded.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(rounded,
            KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("Bob Stone"), QStringLiteral("bob"), 70, 60, true, 8, 12)
                .toImage());

        const QImage circle
            = KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("Bob Stone"), QStringLiteral("bob"), 60, 60, false, 0, 12)
                  .toImage();
        QCOMPARE(circle.pixelColor(4, 4).alpha(), 0);
        QCOMPARE(circle.pixelColor(30, 2), colour);

        // Without an account the name picks the colour; bad sizes give nothing.
        const QImage byName
            = KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("carol"), QString(), 40, 40, true, 0, 12).toImage();
        QCOMPARE(byName.pixelColor(20, 1), KpAvatarPolicy::backgroundColor(QStringLiteral("carol")));
        QVERIFY(KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("x"), QStringLiteral("x"), 0, 40, true, 4, 12).isNull());
        QCOMPARE(
            KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("x"), QStringLiteral("x"), 166666, 30, true, 4, 12).width(),
            4096);
    }

    void roundingCutsTheCorners()
    {
        QPixmap red(100, 100);
        red.fill(Qt::red);
        const QImage round = KP_UI_UTIL::PixmapToRound(red, 50, 40, 10).toImage();
        QCOMPARE(round.size(), QSize(50, 40));
        QCOMPARE(round.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(round.pixelColor(25, 20), QColor(Qt::red));
        QCOMPARE(round.pixelColor(25, 0), QColor(Qt::red)); // straight edge kept
        const QImage empty = KP_UI_UTIL::PixmapToRound(QPixmap(), 20, 20, 4).toImage();
        QCOMPARE(empty.size(), QSize(20, 20));
        QCOMPARE(empty.pixelColor(10, 10).alpha(), 0);
        QVERIFY(KP_UI_UTIL::PixmapToRound(red, -1, 20, 4).isNull());
    }

    void fontsAndDesktopFollowTheScreen()
    {
        {
            EnvGuard scale("KP_SCREEN_SCALE", "1.5");
            QCOMPARE(KP_UI_UTIL::getScreenScale(), 1.5);
            const QFont font = KP_UI_UTIL::getFontScale(14, true);
            QCOMPARE(font.pixelSize(), 21);
            QVERIFY(font.bold());
        }
        {
            EnvGuard nonsense("KP_SCREEN_SCALE", "banana");
            QVERIFY(KP_UI_UTIL::getScreenScale() >= 1.0);
        }
        QCOMPARE(KP_UI_UTIL::getFontScale(12, false).pixelSize(), qRound(12 * KP_UI_UTIL::getScreenScale()));
        QVERIFY(!KP_UI_UTIL::getFontScale(12, false).bold());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(KP_UI_UTIL::getDeskTopWidth(), available.width());
        QCOMPARE(KP_UI_UTIL::getDeskTopHeight(), available.height());
    }

    void screenScaleGrowsAFormOnce()
    {
        QWidget form;
        form.resize(200, 100);
        auto* layout = new QHBoxLayout(&form);
        layout->setContentsMargins(10, 4, 10, 4);
        layout->setSpacing(6);
        auto* fixed = new QWidget;
        fixed->setFixedSize(40, 20);
        layout->addWidget(fixed);
        auto* free = new QWidget(fixed); // placed by hand inside a layout-less parent
        free->setGeometry(2, 4, 10, 8);

        ScreenScale::beginScale(&form, 1.0);
        QCOMPARE(fixed->minimumSize(), QSize(40, 20));

        ScreenScale::beginScale(&form, 1.5);
        QCOMPARE(form.size(), QSize(300, 150));
        QCOMPARE(layout->contentsMargins(), QMargins(15, 6, 15, 6));
        QCOMPARE(layout->spacing(), 9);
        QCOMPARE(fixed->minimumSize(), QSize(60, 30));
        QCOMPARE(fixed->maximumSize(), QSize(60, 30));
        QCOMPARE(free->geometry(), QRect(3, 6, 15, 12));
        QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

        ScreenScale::beginScale(&form, 1.5); // a subclass finishing after its base
        QCOMPARE(form.size(), QSize(300, 150));
        QCOMPARE(fixed->minimumSize(), QSize(60, 30));

        EnvGuard scale("KP_SCREEN_SCALE", "2");
        QWidget other;
        other.setFixedSize(10, 10);
        ScreenScale::beginScale(&other);
        QCOMPARE(other.size(), QSize(20, 20));
    }

    void styleSheetsFollowPropertiesThroughKpStyle()
    {
        QWidget widget;
        widget.setStyleSheet(QStringLiteral("QWidget[active=\"y\"]{min-width:77px;}"));
        widget.ensurePolished();
        QCOMPARE(widget.minimumWidth(), 0);
        widget.setProperty("active", QStringLiteral("y"));
        widget.ensurePolished();
        QCOMPARE(widget.minimumWidth(), 0); // Qt alone does not notice
        widget.setProperty("active", QVariant());
        KpStyle::setProperty(&widget, "active", QStringLiteral("y"));
        QCOMPARE(widget.minimumWidth(), 77);
        KpStyle::setStyleProperty(nullptr, "active", 1); // harmless
    }

    void redDotShowsTheCountAndHidesAtZero()
    {
        QCOMPARE(KpRedDotBtn::redDotText(0), QString());
        QCOMPARE(KpRedDotBtn::redDotText(-4), QString());
        QCOMPARE(KpRedDotBtn::redDotText(7), QStringLiteral("7"));
        QCOMPARE(KpRedDotBtn::redDotText(99), QStringLiteral("99"));
        QCOMPARE(KpRedDotBtn::redDotText(100), QStringLiteral("99+"));

        KpRedDotBtn button;
        button.setFlat(true);
        button.resize(40, 40);
        button.setRedDotCount(-3);
        QCOMPARE(button.redDotCount(), 0);
        auto badgeIsRed = [&button] {
            const QColor c = button.grab().toImage().pixelColor(button.width() - 6, 4);
            return c.red() > 200 && c.green() < 100;
        };
        QVERIFY(!badgeIsRed());
        button.setRedDotCount(150);
        QVERIFY(badgeIsRed());
        button.setRedDotCount(0);
        QVERIFY(!badgeIsRed());

        button.setBtnType(11);
        QCOMPARE(button.property("btnType").toInt(), 11);
        button.setBtnType(500);
        QCOMPARE(button.btnType(), 0);
    }

    void publicButtonStylesAndMenuTypes()
    {
        KpPublicBtn button;
        button.resize(120, 40);
        button.setBtnStyle(1, true);
        QCOMPARE(button.property("btnStyle").toString(), QStringLiteral("primary"));
        QCOMPARE(button.grab().toImage().pixelColor(60, 20), QColor(KP_CustomStyle::getColorStyle()));
        QVERIFY(button.grab().toImage().pixelColor(1, 1) != QColor(KP_CustomStyle::getColorStyle())); // pill ends
        button.setBtnStyle(BtnStyle_Secondary, false);
        QCOMPARE(button.grab().toImage().pixelColor(60, 20), QColor(Qt::white));
        button.setBtnStyle(42, true);
        QCOMPARE(button.btnStyle(), BtnStyle_Default);
        QCOMPARE(button.property("btnStyle").toString(), QStringLiteral("default"));

        KpMenu menu;
        menu.setMenuType(1);
        QCOMPARE(menu.property("menuType").toString(), QStringLiteral("light"));
        QVERIFY(menu.testAttribute(Qt::WA_TranslucentBackground));
        menu.setMenuType(7);
        QCOMPARE(menu.menuType(), KpMenu_Default);
        QVERIFY(!menu.testAttribute(Qt::WA_TranslucentBackground));
    }

    void skinSettingsHaveSafeDefaults()
    {
        QCOMPARE(KP_CustomStyle::getSkinPath(), QStringLiteral(":/qss/Resource/qss/"));
        {
            EnvGuard skin("KP_SKIN_PATH", "/opt/skins/dark");
            QCOMPARE(KP_CustomStyle::getSkinPath(), QStringLiteral("/opt/skins/dark/"));
        }
        {
            EnvGuard colour("KP_COLOR_STYLE", "not a colour");
            QCOMPARE(KP_CustomStyle::getColorStyle(), QStringLiteral("#1d6fe8"));
        }
        {
            EnvGuard colour("KP_COLOR_STYLE", "#FF8800");
            QCOMPARE(KP_CustomStyle::getColorStyle(), QStringLiteral("#ff8800"));
        }
        {
            EnvGuard title("KP_TITLE_STYLE", "2");
            QCOMPARE(KP_CustomStyle::getTitleStyle(), 2);
        }
        {
            EnvGuard title("KP_TITLE_STYLE", "7");
            QVERIFY(KP_CustomStyle::getTitleStyle() == 1 || KP_CustomStyle::getTitleStyle() == 2);
        }

        const QString builtIn = KP_CustomStyle::getOEMLogoUrl(0);
        QVERIFY(QFile::exists(builtIn));
        QVERIFY(QFile::exists(KP_CustomStyle::getOEMLogoUrl(1)));
        QVERIFY(KP_CustomStyle::getOEMLogoUrl(1) != builtIn);
        QTemporaryFile logo;
        QVERIFY(logo.open());
        KPSettings::setValue(QStringLiteral("Style/OEMLogo0"), logo.fileName());
        QCOMPARE(KP_CustomStyle::getOEMLogoUrl(0), logo.fileName());
        KPSettings::setValue(QStringLiteral("Style/OEMLogo0"), QStringLiteral("/no/such/logo.png"));
        QCOMPARE(KP_CustomStyle::getOEMLogoUrl(0), builtIn);
        KPSettings::setValue(QStringLiteral("Style/OEMLogo0"), QString());
    }
};

QTEST_MAIN(tst_KpUiUtil)
#include "tst_KpUiUtil.moc"
