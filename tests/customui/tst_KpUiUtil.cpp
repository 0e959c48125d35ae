#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpAvatarPolicy.h"
#include "customui/KpPublicBtn.h"
#include "customui/KpQrCode.h"
#include "customui/KpRedDotBtn.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"
#include "support/QrDecode.h"
#include "support/TestWindows.h"
#include "util/KPSettings.h"

#include <QHBoxLayout>
#include <QtTest>

#include <functional>

// The drawing and style helpers: QR codes, avatars, rounding, fonts and
// screen scaling, style properties, the styled buttons, the skin settings.
class tst_KpUiUtil : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qunsetenv("KP_SCREEN_SCALE"); // forced by a test
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void qrCodeDecodesBackToTheText()
    {
#ifndef KP_HAVE_ZBAR
        QSKIP("zbar is not installed: no decoder to read the code back");
#endif
        for (const QString& text :
            { QStringLiteral("https://meeting.example.com:443/appdownload/join.html?confId=987654321"),
                QStringLiteral("会议邀请 987 654 321") }) {
            const QPixmap code = KP_UI_UTIL::getGroupQrcode(text, 240, 240);
            QCOMPARE(code.size(), QSize(240, 240));
            QCOMPARE(QrDecode::decode(code.toImage()), QStringList { text });
        }
    }

    void qrCodeOfNothingIsBlankNotBroken()
    {
        QVERIFY(KpQrCode::encode(QString()).isNull());
        QVERIFY(KpQrCode::encode(QString(5000, QLatin1Char('x'))).isNull()); // beyond a QR code's capacity
        const QImage blank = KP_UI_UTIL::getGroupQrcode(QString(), 50, 40).toImage();
        QCOMPARE(blank.size(), QSize(50, 40));
        QCOMPARE(blank.pixelColor(25, 20), QColor(Qt::white));
        QVERIFY(KP_UI_UTIL::getGroupQrcode(QStringLiteral("x"), 0, 10).isNull());
        // Smaller than one pixel per module: still an image of the requested size.
        QCOMPARE(KP_UI_UTIL::getGroupQrcode(QStringLiteral("abc"), 12, 12).size(), QSize(12, 12));
        // The code sits in a white quiet zone.
        const QImage code = KP_UI_UTIL::getGroupQrcode(QStringLiteral("987654321"), 200, 200).toImage();
        QCOMPARE(code.pixelColor(2, 2), QColor(Qt::white));
    }

    void avatarInitials_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initials");
        QTest::newRow("three chinese") << QStringLiteral("王小明") << QStringLiteral("小明");
        QTest::newRow("mixed") << QStringLiteral("Tom 张伟(销售)") << QStringLiteral("销售");
        QTest::newRow("latin") << QStringLiteral("mary ann lee") << QStringLiteral("ML");
        QTest::newRow("dotted account") << QStringLiteral("li.lei@corp") << QStringLiteral("LC");
        QTest::newRow("phone number") << QStringLiteral("138 0013 8000") << QStringLiteral("00");
        QTest::newRow("blank") << QStringLiteral("   ") << QStringLiteral("?");
    }

    void avatarInitials()
    {
        QFETCH(QString, name);
        QFETCH(QString, initials);
        QCOMPARE(KpAvatarPolicy::initials(name), initials);
    }

    void drawnAvatarHasTheAccountsFixedColourAndShapeAndRoundingCutsCorners()
    {
        const auto head = [](const QString& name, const QString& account, int w, int h, bool rounded) {
            return KP_UI_UTIL::getSelfDrawPicHead(name, account, w, h, rounded, 8, 12).toImage();
        };
        // The colour comes from the account and never changes between runs or processes.
        const QColor alice(QStringLiteral("#F07C3A"));
        const QImage rounded = head(QStringLiteral("Alice Li"), QStringLiteral("alice"), 70, 60, true);
        QCOMPARE(rounded.size(), QSize(70, 60));
        QCOMPARE(rounded.pixelColor(35, 2), alice);
        QCOMPARE(rounded.pixelColor(0, 0).alpha(), 0);
        const QImage circle = head(QStringLiteral("Alice Li"), QStringLiteral("alice"), 60, 60, false);
        QCOMPARE(circle.pixelColor(4, 4).alpha(), 0);
        QCOMPARE(circle.pixelColor(30, 2), alice);
        // Without an account the name picks the colour; bad sizes give nothing or are bounded.
        QCOMPARE(head(QStringLiteral("alice"), QString(), 40, 40, true).pixelColor(20, 1), alice);
        QVERIFY(head(QStringLiteral("x"), QStringLiteral("x"), 0, 40, true).isNull());
        QCOMPARE(head(QStringLiteral("x"), QStringLiteral("x"), 166666, 30, true).width(), 4096);

        QSet<QRgb> colours; // spread over the palette
        for (int i = 0; i < 100; ++i)
            colours.insert(KpAvatarPolicy::backgroundColor(QStringLiteral("user%1").arg(i)).rgb());
        QVERIFY(colours.size() >= 8);

        // Rounding cuts the corners and keeps the straight edges.
        QPixmap red(100, 100);
        red.fill(Qt::red);
        const QImage round = KP_UI_UTIL::PixmapToRound(red, 50, 40, 10).toImage();
        QCOMPARE(round.size(), QSize(50, 40));
        QCOMPARE(round.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(round.pixelColor(25, 20), QColor(Qt::red));
        QCOMPARE(round.pixelColor(25, 0), QColor(Qt::red)); // straight edge kept
        QCOMPARE(KP_UI_UTIL::PixmapToRound(QPixmap(), 20, 20, 4).toImage().pixelColor(10, 10).alpha(), 0);
        QVERIFY(KP_UI_UTIL::PixmapToRound(red, -1, 20, 4).isNull());
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

        ScreenScale::beginScale(&form, 1.5);
        ScreenScale::beginScale(&form, 1.5); // a subclass finishing after its base: no second growth
        QCOMPARE(form.size(), QSize(300, 150));
        QCOMPARE(layout->contentsMargins(), QMargins(15, 6, 15, 6));
        QCOMPARE(layout->spacing(), 9);
        QCOMPARE(fixed->minimumSize(), QSize(60, 30));
        QCOMPARE(fixed->maximumSize(), QSize(60, 30));
        QCOMPARE(free->geometry(), QRect(3, 6, 15, 12));
        QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

        // A promoted widget scales itself in its constructor, then the enclosing form sets its minimum
        // at 96 DPI: the window's pass grows that minimum, and leaves the sizes the widget scaled alone.
        QWidget window;
        auto* pane = new QWidget(&window);
        auto* inner = new QWidget(pane);
        inner->setFixedSize(20, 10);
        ScreenScale::beginScale(pane, 2.0);
        pane->setMinimumSize(231, 150);
        ScreenScale::beginScale(&window, 2.0);
        QCOMPARE(pane->minimumSize(), QSize(462, 300));
        QCOMPARE(pane->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QCOMPARE(inner->minimumSize(), QSize(40, 20));

        // An `image:` of a style sheet is never drawn larger than its file: it is served grown.
        // A `border-image` stretches already and stays.
        QTemporaryDir dir;
        const QString icon = dir.filePath(QStringLiteral("icon.png"));
        QImage(12, 10, QImage::Format_ARGB32).save(icon);
        QWidget styled;
        auto* button = new QWidget(&styled);
        const QString frame = QStringLiteral("QWidget#frame{border-image:url(%1);}").arg(icon);
        button->setStyleSheet(QStringLiteral("QPushButton{ image: url('%1'); padding:0px 18px;}").arg(icon) + frame);
        ScreenScale::beginScale(&styled, 2.0);
        const QString sheet = button->styleSheet();
        QVERIFY(sheet.endsWith(frame));
        const QString grown = sheet.section(QLatin1Char('\''), 1, 1);
        QVERIFY2(grown != icon, qPrintable(sheet));
        QCOMPARE(QImage(grown).size(), QSize(24, 20));
        QVERIFY2(sheet.contains(QLatin1String("padding:0px 36px;")), qPrintable(sheet)); // lengths grow too

        // The screen's scale, forced here, also sizes the fonts; nonsense falls back.
        qputenv("KP_SCREEN_SCALE", "1.5");
        const QFont font = KP_UI_UTIL::getFontScale(13, true);
        QCOMPARE(font.pixelSize(), 20); // 19.5 rounded
        QCOMPARE(ScreenScale::scaled(320), 480); // a side panel's width set after the form grew
        QCOMPARE(ScreenScale::grownStyleSheet(QStringLiteral("QMenu::item{width:80px;height:23px;}")),
            QStringLiteral("QMenu::item{width:120px;height:35px;}")); // a menu made outside any form
        QVERIFY(font.bold() && !KP_UI_UTIL::getFontScale(13, false).bold());
        qputenv("KP_SCREEN_SCALE", "banana");
        QVERIFY(KP_UI_UTIL::getScreenScale() >= 1.0);
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
        KpStyle::setStyleProperty(&widget, "active", QStringLiteral("y"));
        QCOMPARE(widget.minimumWidth(), 77);
        KpStyle::setStyleProperty(nullptr, "active", 1); // harmless
    }

    void styledButtonsShowTheirStateAndCount()
    {
        QStringList texts;
        for (int count : { 0, -4, 7, 99, 100 })
            texts << KpRedDotBtn::redDotText(count);
        QCOMPARE(texts.join(QLatin1Char(',')), QStringLiteral(",,7,99,99+"));

        KpPublicBtn button;
        button.resize(120, 40);
        button.setBtnStyle(BtnStyle_Primary, true);
        const QImage primary = button.grab().toImage();
        QCOMPARE(primary.pixelColor(60, 20), QColor(QStringLiteral("#1d6fe8"))); // the default theme colour
        QVERIFY(primary.pixelColor(1, 1) != primary.pixelColor(60, 20)); // pill ends
        button.setBtnStyle(BtnStyle_Secondary, false);
        QCOMPARE(button.grab().toImage().pixelColor(60, 20), QColor(Qt::white));
    }

    void skinSettingsAndTheOemLogoHaveSafeDefaults()
    {
        QCOMPARE(KP_CustomStyle::getSkinPath(), QStringLiteral(":/qss/Resource/qss/"));
        const auto withEnv = [](const char* name, const char* value, const std::function<QString()>& read) {
            qputenv(name, value);
            const QString got = read();
            qunsetenv(name);
            return got;
        };
        const auto colour = [] { return KP_CustomStyle::getColorStyle(); };
        QCOMPARE(withEnv("KP_SKIN_PATH", "/opt/skins/dark", [] { return KP_CustomStyle::getSkinPath(); }),
            QStringLiteral("/opt/skins/dark/"));
        QCOMPARE(withEnv("KP_COLOR_STYLE", "not a colour", colour), QStringLiteral("#1d6fe8"));
        QCOMPARE(withEnv("KP_COLOR_STYLE", "#FF8800", colour), QStringLiteral("#ff8800"));
        QCOMPARE(withEnv("KP_TITLE_STYLE", "7", [] { return QString::number(KP_CustomStyle::getTitleStyle()); }),
            QStringLiteral("1")); // unknown: back to the platform's

        // The OEM logo falls back to the built-in one.
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
