#include "MeetingTipPolicy.h"

#include <QFile>
#include <QtTest>

using namespace MeetingTipPolicy;

class tst_MeetingTipPolicy : public QObject
{
    Q_OBJECT

private slots:
    void everyCloseTypeHasItsQuestionAndActions()
    {
        QCOMPARE(closeQuestion(0), QStringLiteral("Exit the current audio session?"));
        QCOMPARE(closeQuestion(1), QStringLiteral("Dismiss current audio sessions?"));
        QCOMPARE(closeQuestion(2), QStringLiteral("Exit the current video meeting?"));
        QCOMPARE(closeQuestion(3), QStringLiteral("Dismiss current video meeting?"));
        QCOMPARE(closeQuestion(4), QStringLiteral("Exit point-to-point speech?"));
        QCOMPARE(closeQuestion(5), QStringLiteral("Exit point to point video?"));
        QVERIFY(closeQuestion(6).isEmpty());
        QVERIFY(closeQuestion(-1).isEmpty());

        using A = CloseAction;
        QCOMPARE(closeActions(0), (QVector<A> { A::ExitMeeting, A::CloseVoiceMeeting }));
        QCOMPARE(closeActions(1), (QVector<A> { A::DismissMeeting, A::CloseVoiceMeeting }));
        QCOMPARE(closeActions(2), (QVector<A> { A::ExitMeeting, A::CloseVideoMeeting }));
        QCOMPARE(closeActions(3), (QVector<A> { A::DismissMeeting, A::CloseVideoMeeting }));
        QVERIFY(closeActions(4).isEmpty());
        QCOMPARE(closeActions(5), (QVector<A> { A::CloseVideoCall, A::CloseWhiteBoard }));
        QVERIFY(closeActions(6).isEmpty());
        QVERIFY(closeActions(-3).isEmpty());
        QVERIFY(isCloseType(4));
        QVERIFY(!isCloseType(6));
    }

    void numberFieldTakesUpToTwelveDigitsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("three digits, still typing") << QStringLiteral("123") << true;
        QTest::newRow("seven") << QStringLiteral("1234567") << true;
        QTest::newRow("twelve") << QStringLiteral("010123456789") << true;
        QTest::newRow("thirteen") << QStringLiteral("0101234567890") << false;
        QTest::newRow("letter") << QStringLiteral("12a4567") << false;
        QTest::newRow("plus sign") << QStringLiteral("+8613800000000") << false;
        QTest::newRow("blank") << QStringLiteral("138 0000") << false;
        QTest::newRow("full-width digit") << QStringLiteral("１２３") << false;
    }

    void numberFieldTakesUpToTwelveDigitsOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        QCOMPARE(isAcceptableNumberInput(text), acceptable);
    }

    void onlyAnEmptyNumberIsRefused()
    {
        QVERIFY(!canDial(QString()));
        QVERIFY(canDial(QStringLiteral("123")));
        QVERIFY(canDial(QStringLiteral("13800000000")));
    }

    void animationCyclesThroughThreeFrames()
    {
        QCOMPARE(animationFramePath(0), QStringLiteral(":/Conference/Resource/Conference/processiIcon1.png"));
        QCOMPARE(animationFramePath(1), QStringLiteral(":/Conference/Resource/Conference/processiIcon2.png"));
        QCOMPARE(animationFramePath(2), QStringLiteral(":/Conference/Resource/Conference/processiIcon3.png"));
        QCOMPARE(animationFramePath(3), animationFramePath(0));
        QCOMPARE(animationFramePath(301), animationFramePath(1));
        QCOMPARE(animationFramePath(-1), animationFramePath(2)); // a wrapped counter stays in range
        for (int i = 0; i < kAnimationFrames; ++i)
            QVERIFY(QFile::exists(animationFramePath(i)));
        QCOMPARE(animationFrameStyle(4),
            QStringLiteral("border-image: url(:/Conference/Resource/Conference/processiIcon2.png);"));
    }

    void countdownTextsEndBelowTwoSeconds()
    {
        QCOMPARE(countdownText(180), QStringLiteral("180 second left conference will be close"));
        QCOMPARE(countdownText(2), QStringLiteral("2 second left conference will be close"));
        QCOMPARE(countdownText(1), QStringLiteral("conference will be close"));
        QCOMPARE(countdownText(0), QStringLiteral("conference will be close"));
        QCOMPARE(countdownText(-5), QStringLiteral("conference will be close"));
        QVERIFY(!countdownEnds(2));
        QVERIFY(countdownEnds(1));
    }
};

QTEST_GUILESS_MAIN(tst_MeetingTipPolicy)
#include "tst_MeetingTipPolicy.moc"
