#include "policy/FacadePolicy.h"

#include <QtTest>

class tst_FacadePolicy : public QObject
{
    Q_OBJECT

private slots:
    void callKinds()
    {
        for (int type : { 0, 2 })
            QVERIFY(FacadePolicy::isVoiceCallType(type) && !FacadePolicy::isVideoCallType(type));
        for (int type : { 1, 6, 7 })
            QVERIFY(FacadePolicy::isVideoCallType(type) && !FacadePolicy::isVoiceCallType(type));
        for (int type : { 3, 4, 5, -1 })
            QVERIFY(!FacadePolicy::isVideoCallType(type) && !FacadePolicy::isVoiceCallType(type));
    }

    void callFailureTexts_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("utility"); // what the utility library's reason table gave
        QTest::addColumn<QString>("text");
        const QString known = QStringLiteral("known");
        const QString none;
        QTest::newRow("175404 known") << 175404 << known << QStringLiteral("Other user is not online.Try again later");
        QTest::newRow("175404 unknown") << 175404 << none << QStringLiteral("error code:175404");
        QTest::newRow("175604 unknown") << 175604 << none << QStringLiteral("Other user is not online.Try again later");
        QTest::newRow("175604 known") << 175604 << known << QStringLiteral("error code:175604");
        QTest::newRow("171151") << 171151 << none << QStringLiteral("Have been suspended");
        QTest::newRow("171511") << 171511 << known << QStringLiteral("Have been suspended");
        QTest::newRow("175403") << 175403 << none << QStringLiteral("Busy now.Try again later");
        QTest::newRow("175486") << 175486 << known << QStringLiteral("Busy now.Try again later");
        QTest::newRow("175603") << 175603 << known << QStringLiteral("Busy now.Try again later");
        QTest::newRow("175408 known") << 175408 << known << QStringLiteral("Time out.Try again later");
        QTest::newRow("175480 unknown") << 175480 << none << QStringLiteral("error code:175480");
        QTest::newRow("175500 unknown") << 175500 << none << QStringLiteral("Server internal error");
        QTest::newRow("175500 known") << 175500 << known << QStringLiteral("error code:175500");
        QTest::newRow("other") << 42 << known << QStringLiteral("error code:42");
    }
    void callFailureTexts()
    {
        QFETCH(int, reason);
        QFETCH(QString, utility);
        QFETCH(QString, text);
        QCOMPARE(FacadePolicy::callFailureText(reason, utility), text);
    }

    void conferenceErrorTexts_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("text");
        QTest::newRow("814006") << QStringLiteral("x") << 814006 << QStringLiteral("The meeting ID was not found");
        QTest::newRow("814007") << QString() << 814007 << QStringLiteral("Wrong password for meeting");
        QTest::newRow("814011") << QString() << 814011 << QStringLiteral("The meeting is full and cannot be joined");
        QTest::newRow("814012") << QString() << 814012
                                << QStringLiteral("The meeting is locked and cannot join the meeting");
        QTest::newRow("814023") << QString() << 814023 << QStringLiteral("Send app register notify fail");
        QTest::newRow("814026") << QString() << 814026 << QStringLiteral("The meeting is not started.");
        QTest::newRow("814052") << QString() << 814052 << QStringLiteral("Conferece total count beyond limit");
        QTest::newRow("814056") << QString() << 814056
                                << QStringLiteral("You cannot join the meeting belonging to another organization.");
        QTest::newRow("server text kept") << QStringLiteral("Rejected") << 1 << QStringLiteral("Rejected");
        QTest::newRow("nothing to show") << QString() << 1 << QString();
    }
    void conferenceErrorTexts()
    {
        QFETCH(QString, server);
        QFETCH(int, reason);
        QFETCH(QString, text);
        QCOMPARE(FacadePolicy::conferenceErrorText(server, reason), text);
    }
};

QTEST_GUILESS_MAIN(tst_FacadePolicy)
#include "tst_FacadePolicy.moc"
