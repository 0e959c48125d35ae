#include "MeetingTipPolicy.h"

#include <QFile>
#include <QtTest>

using namespace MeetingTipPolicy;

class tst_MeetingTipPolicy : public QObject
{
    Q_OBJECT

private slots:
    void numberFieldTakesUpToTwelveDigitsOnly()
    {
        // Shorter input must stay possible while typing.
        for (const char* acceptable : { "", "123", "1234567", "010123456789" })
            QVERIFY2(isAcceptableNumberInput(QLatin1String(acceptable)), acceptable);
        for (const QString& refused : { QStringLiteral("0101234567890"), QStringLiteral("12a4567"),
                 QStringLiteral("+8613800000000"), QStringLiteral("138 0000"), QStringLiteral("１２３") })
            QVERIFY2(!isAcceptableNumberInput(refused), qPrintable(refused));
    }

    void animationCyclesThroughThreeExistingFrames()
    {
        QCOMPARE(animationFramePath(0), QStringLiteral(":/Conference/Resource/Conference/processiIcon1.png"));
        QCOMPARE(animationFramePath(301), animationFramePath(1));
        QCOMPARE(animationFramePath(-1), animationFramePath(2)); // a wrapped counter stays in range
        for (int i = 0; i < kAnimationFrames; ++i)
            QVERIFY(QFile::exists(animationFramePath(i)));
    }

    void countdownTextsEndBelowTwoSeconds()
    {
        QCOMPARE(countdownText(180), QStringLiteral("180 second left conference will be close"));
        QCOMPARE(countdownText(2), QStringLiteral("2 second left conference will be close"));
        for (int ended : { 1, 0, -5 })
            QCOMPARE(countdownText(ended), QStringLiteral("conference will be close"));
    }
};

QTEST_GUILESS_MAIN(tst_MeetingTipPolicy)
#include "tst_MeetingTipPolicy.moc"
