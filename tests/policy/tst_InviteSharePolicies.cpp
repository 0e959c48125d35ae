#include "policy/ConfSharePolicy.h"
#include "policy/PhoneInvitePolicy.h"
#include "policy/ShareScreenPolicy.h"

#include <QtTest>

using namespace ShareScreenPolicy;

class tst_InviteSharePolicies : public QObject
{
    Q_OBJECT

private slots:
    void callPhoneNeedsTenOrElevenDigits()
    {
        QCOMPARE(PhoneInvitePolicy::kCallPhoneMaxLength, 11);
        for (const char* number : { "1234567890", "12345678901" })
            QVERIFY2(PhoneInvitePolicy::callPhoneConfirmable(QLatin1String(number)), number);
        for (const char* number : { "123456789", "" })
            QVERIFY2(!PhoneInvitePolicy::callPhoneConfirmable(QLatin1String(number)), number);
    }

    void quickInviteTakesSignedDecimalNumbers()
    {
        for (const char* good : { "5", "-12", "0105550.17", "-3.", "13800000000" })
            QVERIFY2(PhoneInvitePolicy::quickInviteAccepts(QLatin1String(good)), good);
        for (const char* bad : { "", "-", "*", "12#", "1*2", ".5", "1.2.3", "+86 138", "--1" })
            QVERIFY2(!PhoneInvitePolicy::quickInviteAccepts(QLatin1String(bad)), bad);
    }

    void eachBuilderFillsTheRecordItsWay()
    {
        using namespace PhoneInvitePolicy;
        const auto fields = [](const PhoneInvitee& p) {
            return QStringList { p.key, p.number, p.name }.join(QLatin1Char('|'));
        };
        QCOMPARE(fields(rowCall(QStringLiteral("01055501009"), QStringLiteral("01055501009"))),
            QStringLiteral("01055501009|01055501009|01055501009"));
        QCOMPARE(fields(typedNumber(QStringLiteral("-1.5"))), QStringLiteral("-1.5|-1.5|-1.5"));
        QCOMPARE(fields(dialledNumber(QStringLiteral("13900000037"), QStringLiteral("Bob Li"))),
            QStringLiteral("13900000037|13900000037|Bob Li"));
        QVERIFY(dialledNumber(QStringLiteral("555"), QString()).name.isEmpty());
    }

    void numbersAreGroupedInThreesFromTheLeft()
    {
        QCOMPARE(ConfSharePolicy::groupInThrees(QStringLiteral("1234567890")), QStringLiteral("123 456 789 0"));
        QCOMPARE(ConfSharePolicy::groupInThrees(QStringLiteral("123456789")), QStringLiteral("123 456 789"));
        QCOMPARE(ConfSharePolicy::groupInThrees(QStringLiteral("12")), QStringLiteral("12"));
        QVERIFY(ConfSharePolicy::groupInThrees(QString()).isEmpty());
    }

    void theJoinLinkNeedsAConferenceAndAServer()
    {
        QCOMPARE(ConfSharePolicy::joinLink(QStringLiteral("https"), QStringLiteral("pbs.example.com"),
                     QStringLiteral("8443"), QStringLiteral("318204001")),
            QStringLiteral("https://pbs.example.com:8443/appdownload/join.html?confId=318204001"));
        QVERIFY(ConfSharePolicy::joinLink(
            QStringLiteral("https"), QStringLiteral("pbs.example.com"), QStringLiteral("8443"), QString())
                    .isEmpty());
        QVERIFY(ConfSharePolicy::joinLink(QStringLiteral("https"), QString(), QStringLiteral("80"), QStringLiteral("1"))
                    .isEmpty());
    }

    void clipboardTexts()
    {
        using ConfSharePolicy::Caption;
        QCOMPARE(ConfSharePolicy::shareInfoText({ Caption(QStringLiteral("Conf Topic"), QStringLiteral("Plan")),
                     Caption(QStringLiteral("Phone Num"), QString()) }),
            QStringLiteral("Conf Topic : Plan\nPhone Num : \n"));
        QCOMPARE(ConfSharePolicy::membershipInfoText(QStringLiteral("Plan"),
                     { Caption(QStringLiteral("Membership number:"), QStringLiteral("123")),
                         Caption(QStringLiteral("host:"), QStringLiteral("Bob")) }),
            QStringLiteral("Plan\nMembership number:123\nhost:Bob\n"));
    }

    void screensAreNamedByTheirIndex()
    {
        QStringList sources; // "id:type:name"
        const QList<ShareSource> all = screenSources({ 7, 0 }) << whiteboardSource();
        for (const ShareSource& s : all)
            sources << QStringLiteral("%1:%2:%3").arg(s.id).arg(s.type).arg(s.name);
        QCOMPARE(sources.join(QLatin1Char(' ')), QStringLiteral("7:0:desktop0 0:0:desktop1 -1:2:Whiteboard"));
    }

    void onlyTheFirstWindowNotExcludedIsOffered()
    {
        const QStringList exclusion = exclusionList();
        QCOMPARE(exclusion.join(QLatin1Char(' ')), QStringLiteral("Foxmail Form Conference dashvel3 meeting kestrum"));
        QCOMPARE(firstOfferedWindow({ QStringLiteral("Foxmail"), QStringLiteral("meeting"), QStringLiteral("Editor"),
                                        QStringLiteral("Browser") },
                     exclusion),
            2);
        // Whole titles only: a title that merely contains an excluded word is offered.
        QCOMPARE(firstOfferedWindow({ QStringLiteral("Conference notes") }, exclusion), 0);
        QCOMPARE(firstOfferedWindow({ QStringLiteral("Form"), QStringLiteral("kestrum") }, exclusion), -1);
        QCOMPARE(firstOfferedWindow({}, exclusion), -1);
    }

    void windowTitlesThatAreNotValidText()
    {
        char field[8] = { 'E', 'd', '\n', 'i', 't', char(0xff), 0, 'x' };
        QCOMPARE(decodeWindowTitle(field, 8), QStringLiteral("Ed it") + QChar(QChar::ReplacementCharacter));
        // No terminating zero: the field's end ends the title.
        char full[4] = { 'a', 'b', 'c', 'd' };
        QCOMPARE(decodeWindowTitle(full, 4), QStringLiteral("abcd"));
        QCOMPARE(decodeWindowTitle("\xe4\xbc\x9a\xe8\xae\xae", 7), QString::fromUtf8("\xe4\xbc\x9a\xe8\xae\xae"));
        QVERIFY(decodeWindowTitle(nullptr, 4).isEmpty());
        QVERIFY(decodeWindowTitle(field, 0).isEmpty());
    }

    void projectionClockAndWhiteboardInvitees()
    {
        QCOMPARE(projectionClock(0), QStringLiteral("00:00:00"));
        QCOMPARE(projectionClock(3725), QStringLiteral("01:02:05"));
        QCOMPARE(projectionClock(100 * 3600 + 1), QStringLiteral("100:00:01"));
        QCOMPARE(projectionClock(-5), QStringLiteral("00:00:00"));
        QCOMPARE(whiteboardInvitees(
                     { QStringLiteral("me"), QStringLiteral("bob"), QStringLiteral("me") }, QStringLiteral("me")),
            QStringList { QStringLiteral("bob") });
    }
};

QTEST_GUILESS_MAIN(tst_InviteSharePolicies)
#include "tst_InviteSharePolicies.moc"
