#include "policy/VidyoPolicy.h"

#include <QtTest>

using namespace VidyoPolicy;

class tst_VidyoPolicy : public QObject
{
    Q_OBJECT

private slots:
    void windowTypes()
    {
        // type: attendee list (mode), filled from the invited persons, whiteboard hidden, keypad shown
        struct Row
        {
            int type;
            int mode;
            bool filled;
            bool noWhiteBoard;
            bool keypad;
        };
        const Row rows[]
            = { { 0, -1, false, false, false }, { 1, -1, false, false, false }, { 2, 0, false, false, false },
                  { 3, 0, true, false, false }, { 4, 1, false, true, false }, { 5, -1, false, false, true } };
        for (const Row& r : rows) {
            QVERIFY(isKnownType(r.type));
            QCOMPARE(showsAttendees(r.type), r.mode >= 0);
            QCOMPARE(attendeesMode(r.type), r.mode);
            QCOMPARE(fillsFromInvitedPersons(r.type), r.filled);
            QCOMPARE(hidesWhiteBoard(r.type), r.noWhiteBoard);
            QCOMPARE(showsKeypadButton(r.type), r.keypad);
        }
        for (int type : { -1, 6, 100 })
            QVERIFY(!isKnownType(type) && !showsAttendees(type) && !showsKeypadButton(type));
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
        const QList<QPair<int, int>> pairs { { 0, 4 }, { 1, 5 }, { 2, 6 }, { 3, 7 }, { 10, 11 }, { 12, 13 }, { 8, 8 },
            { 9, 9 } };
        for (const auto& p : pairs) {
            QCOMPARE(pairedKind(p.first), p.second);
            QCOMPARE(pairedKind(p.second), p.first);
        }
        // The microphone shows the confirmed state; the others flip on every confirmation.
        QCOMPARE(confirmedKind(1, true), 5);
        QCOMPARE(confirmedKind(5, true), 5);
        QCOMPARE(confirmedKind(5, false), 1);
        QCOMPARE(confirmedKind(10, false), 11);
        QCOMPARE(confirmedKind(11, false), 10);
        QCOMPARE(confirmedKind(2, true), 6);
        for (int kind : { 4, 6, 7, 11, 13 })
            QCOMPARE(resetKind(kind), pairedKind(kind));
        for (int kind : { 0, 1, 2, 3, 5, 10, 12 })
            QCOMPARE(resetKind(kind), kind);
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

    void muteButtonImages()
    {
        QCOMPARE(muteButtonStyle(true),
            QStringLiteral("QPushButton#operateBtn{border-image: url(:/NewVidyo/Resource/vidyoNew/"
                           "Mutex_Disable_Normal.png);border:0px solid;}QPushButton#operateBtn:hover{border-image: "
                           "url(:/NewVidyo/Resource/vidyoNew/Mutex_Disable_Hover.png);border:0px "
                           "solid;}QPushButton#operateBtn:pressed{border-image: "
                           "url(:/NewVidyo/Resource/vidyoNew/Mutex_Disable_Press.png);border:0px solid;}"));
        QVERIFY(muteButtonStyle(false).contains(QLatin1String("Mutex_On_Normal.png")));
        QVERIFY(muteButtonStyle(false).contains(QLatin1String("operateBtn:pressed{border-image: "
                                                              "url(:/NewVidyo/Resource/vidyoNew/Mutex_On_Press.png)")));
    }

    void texts()
    {
        QCOMPARE(talkClockText(QStringLiteral("00:00:00")), QStringLiteral("Talk time 00:00:00"));
        QCOMPARE(durationOfClock(QStringLiteral("Talk time 01:02:03")), QStringLiteral("01:02:03"));
        QCOMPARE(durationOfClock(QString()), QString());
        QCOMPARE(attendeeCountText(3), QStringLiteral("Members:3/20"));
        QCOMPARE(attendeeCountText(25), QStringLiteral("Members:25/20"));
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
