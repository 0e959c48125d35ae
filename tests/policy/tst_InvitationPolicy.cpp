#include "policy/InvitationPolicy.h"

#include <QtTest>

// Which wording is asked for, and with what.
struct Ask
{
    enum Kind { Vidyo, Meeting, Conference, GroupConference, OtherDevice } kind;
    QString argument; // Vidyo call kind
    int number = 0; // meeting type, or the invitation's conference type
    QString name; // inviter, caller or sender
};
Q_DECLARE_METATYPE(Ask)

class tst_InvitationPolicy : public QObject
{
    Q_OBJECT

private slots:
    void wordingByInvitationKind_data()
    {
        QTest::addColumn<Ask>("ask");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        const auto row = [](const char* name, const Ask& ask, const char* title, const char* text, int type) {
            QTest::newRow(name) << ask << QString::fromUtf8(title) << QString::fromUtf8(text) << type;
        };
        const QString eve = QStringLiteral("Eve"), bob = QStringLiteral("Bob");
        row("vidyo call", { Ask::Vidyo, QStringLiteral("0"), 0, eve }, "Video invitation",
            "EveYou receive a video invitation!", 1);
        row("vidyo meeting, unknown inviter", { Ask::Vidyo, QStringLiteral("1"), 0, QString() },
            "Video meeting invitation", "You receive a video meeting invitation!", 2);
        row("voice meeting", { Ask::Meeting, QString(), 1, bob }, "A Voice meeting invitation",
            "Bob Invite you to an audio conference", 3);
        row("video meeting", { Ask::Meeting, QString(), 2, bob }, "Video meeting invitation",
            "BobInvite you to a video conference", 4);
        row("other meeting type", { Ask::Meeting, QString(), 7, bob }, "", "", 0);
        row("conference", { Ask::Conference, QString(), 1, eve }, "EveYou are invited to the integrated meeting", "",
            5);
        row("training", { Ask::Conference, QString(), 3, eve }, "EveYou are invited to attend the training meeting", "",
            5);
        row("group box, training or not", { Ask::GroupConference, QString(), 3, eve }, "",
            "EveYou are invited to the integrated meeting", 0);
        row("answered elsewhere", { Ask::OtherDevice, QString(), 0, QString() }, "Video invitation",
            "Answered by other device!", 6);
    }

    void wordingByInvitationKind()
    {
        QFETCH(Ask, ask);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, type);
        InvitationPolicy::Notice notice;
        switch (ask.kind) {
        case Ask::Vidyo:
            notice = InvitationPolicy::vidyoInvitation(ask.argument, ask.name).value();
            break;
        case Ask::Meeting:
            notice = InvitationPolicy::meetingInvitation(ask.number, ask.name);
            break;
        case Ask::Conference:
        case Ask::GroupConference:
            notice = InvitationPolicy::conferenceInvitation(ask.kind == Ask::GroupConference, ask.number, ask.name);
            break;
        case Ask::OtherDevice:
            notice = InvitationPolicy::otherDeviceAnswered();
            break;
        }
        QCOMPARE(notice.title, title);
        QCOMPARE(notice.text, text);
        QCOMPARE(notice.type, type);
    }

    void vidyoKindsOtherThanCallAndMeetingHaveNoWording()
    {
        for (const char* kind : { "2", "x", "", "-1" })
            QVERIFY2(!InvitationPolicy::vidyoInvitation(QLatin1String(kind), QStringLiteral("Eve")), kind);
        QVERIFY(InvitationPolicy::vidyoInvitation(QStringLiteral("00"), QString())); // decimal zero all the same
    }

    void groupConferenceIsNamedByItsExtension()
    {
        QVERIFY(InvitationPolicy::isGroupConference(QStringLiteral("{\"groupId\":\"g-1\"}")));
        QVERIFY(InvitationPolicy::isGroupConference(QStringLiteral("broken groupId text")));
        QVERIFY(!InvitationPolicy::isGroupConference(QStringLiteral("{\"GroupId\":\"g-1\"}")));
        QVERIFY(!InvitationPolicy::isGroupConference(QString()));
        // Reading it: only an object counts; a numeric id reads as its digits.
        QVERIFY(!InvitationPolicy::parseConferenceExtension(QStringLiteral("broken groupId text")));
        QVERIFY(!InvitationPolicy::parseConferenceExtension(QStringLiteral("[\"groupId\"]")));
        const auto read = InvitationPolicy::parseConferenceExtension(
            QStringLiteral("{\"groupId\":120034,\"groupName\":\"Design\",\"inviter\":\"bob\"}"));
        QVERIFY(read);
        QCOMPARE(read->groupId + QLatin1Char('|') + read->groupName + QLatin1Char('|') + read->inviter,
            QStringLiteral("120034|Design|bob"));
        QCOMPARE(InvitationPolicy::parseConferenceExtension(QStringLiteral("{}"))->groupId, QString());
    }

    void invitationClosedElsewhereTip_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tip");
        QTest::newRow("answered") << QString() << 0 << QStringLiteral("The other end is answered");
        QTest::newRow("refused") << QStringLiteral("107781") << 1 << QStringLiteral("Other ends have refused");
        QTest::newRow("kind 20 is silent") << QString() << 20 << QString();
        QTest::newRow("refused, kind 20") << QStringLiteral("107781") << 20 << QString();
        QTest::newRow("other result") << QStringLiteral("5") << 0 << QString();
    }
    void invitationClosedElsewhereTip()
    {
        QFETCH(QString, result);
        QFETCH(int, kind);
        QFETCH(QString, tip);
        QCOMPARE(InvitationPolicy::invitationClosedTip(result, kind), tip);
    }
};

QTEST_GUILESS_MAIN(tst_InvitationPolicy)
#include "tst_InvitationPolicy.moc"
