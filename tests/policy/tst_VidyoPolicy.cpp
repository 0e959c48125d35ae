#include "policy/VidyoPolicy.h"

#include <QtTest>

using namespace VidyoPolicy;

class tst_VidyoPolicy : public QObject
{
    Q_OBJECT

private slots:
    void typesOutsideTheTableShapeNothing()
    {
        for (int type : { -1, 6, 100 })
            QVERIFY(!isKnownType(type) && !showsAttendees(type) && attendeesMode(type) == -1 && !showsKeypadButton(type)
                && !hidesWhiteBoard(type));
    }

    void videoRectangleLosesTheTitleBarTwice()
    {
        // 1067 x 672 with a 50 high title bar and a 72 high bottom bar.
        QCOMPARE(videoRect(QSize(1067, 672), 50, 72, 270), QRect(0, 50, 797, 500));
        QCOMPARE(videoRect(QSize(1067, 672), 50, 72, 0), QRect(0, 50, 1067, 500));
        QCOMPARE(videoRect(QSize(1920, 1040), 50, 72, 270), QRect(0, 50, 1650, 868));
        // At twice the density: title 100, bottom bar 120, list 540.
        QCOMPARE(videoRect(QSize(2134, 1344), 100, 120, 540), QRect(0, 100, 1594, 1024));
    }

    void bottomToggleKinds()
    {
        // The microphone shows the confirmed state; the others switch to their pair on every confirmation.
        QCOMPARE(QList<int>({ confirmedKind(1, true), confirmedKind(5, true), confirmedKind(5, false) }),
            QList<int>({ 5, 5, 1 }));
        const QList<QPair<int, int>> pairs { { 0, 4 }, { 2, 6 }, { 3, 7 }, { 10, 11 }, { 12, 13 }, { 8, 8 } };
        for (const auto& p : pairs)
            QVERIFY(confirmedKind(p.first, false) == p.second && confirmedKind(p.second, true) == p.first);
        QCOMPARE(QList<int>({ resetKind(4), resetKind(6), resetKind(7), resetKind(11), resetKind(13), resetKind(5) }),
            QList<int>({ 0, 2, 3, 10, 12, 5 }));
    }

    void bottomToggleImages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("hover");
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("share idle") << 0 << true << s("ShareScreen_Disable_Normal.png")
                                    << s("ShareScreen_Disable_Hover.png");
        QTest::newRow("sharing") << 4 << false << s("ShareScreen_Normal.png") << s("ShareScreen_Hover.png");
        QTest::newRow("microphone on") << 1 << true << s("Microphone_On_Normal.png") << s("Microphone_On_Hover.png");
        QTest::newRow("microphone off") << 5 << true << s("Microphone_Disable_Normal.png")
                                        << s("Microphone_Disable_Hover.png");
        QTest::newRow("speaker on") << 2 << true << s("Speaker_On_Normal.png") << s("Speaker_On_Hover.png");
        QTest::newRow("speaker off") << 6 << false << s("Speaker_Disable_Normal.png") << s("Speaker_Disable_Hover.png");
        QTest::newRow("whiteboard") << 3 << true << s("WhiteBoard_Normal.png") << s("WhiteBoard_Hover.png");
        QTest::newRow("camera on") << 10 << true << s("Camera_On_Press.png") << s("Camera_On_Hover.png");
        QTest::newRow("camera off") << 11 << false << s("Camera_Disable_Normal.png") << s("Camera_Disable_Hover.png");
        QTest::newRow("keypad") << 12 << true << s("PasswordPad_Normal.png") << s("PasswordPad_Hover.png");
    }
    void bottomToggleImages()
    {
        QFETCH(int, kind);
        QFETCH(bool, active);
        QFETCH(QString, normal);
        QFETCH(QString, hover);
        const QString rule = QStringLiteral("border-image: url(:/NewVidyo/Resource/vidyoNew/%1);border:0px solid;}");
        QCOMPARE(bottomIconStyle(kind, active),
            QStringLiteral("QLabel#m_pIconLabel{") + rule.arg(normal) + QStringLiteral("QLabel#m_pIconLabel:hover{")
                + rule.arg(hover) + QStringLiteral("QLabel#m_pIconLabel:pressed{") + rule.arg(hover));
    }

    void kindsWithoutImagesKeepTheirs()
    {
        for (int kind : { 7, 8, 9, 13, -1, 42 })
            QVERIFY(bottomIconStyle(kind, true).isEmpty());
    }

    void keypadKeys()
    {
        for (const char* key : { "0", "1", "5", "9", "*", "#" })
            QVERIFY2(isKeypadKey(QLatin1String(key)), key);
        for (const char* key : { "", "10", "a", "+", " ", "##" })
            QVERIFY2(!isKeypadKey(QLatin1String(key)), key);
        QVERIFY(endsPassword(QStringLiteral("#")));
        QVERIFY(!endsPassword(QStringLiteral("*")));
    }
};

QTEST_GUILESS_MAIN(tst_VidyoPolicy)
#include "tst_VidyoPolicy.moc"
