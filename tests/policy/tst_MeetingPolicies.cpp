#include "policy/MeetingRoomPolicy.h"
#include "policy/VoiceGridPolicy.h"

#include <QDateTime>
#include <QtTest>

namespace {
qint64 at(const char* localTime)
{
    return QDateTime::fromString(QLatin1String(localTime), QStringLiteral("yyyy-MM-dd hh:mm:ss")).toMSecsSinceEpoch();
}
} // namespace

class tst_MeetingPolicies : public QObject
{
    Q_OBJECT

private slots:
    // --- voice conference grid ---

    void theUserOnThisClientLeadsTheGrid()
    {
        const QString me = QStringLiteral("me");
        const QList<VideoItem> members { { QStringLiteral("bob"), CONFMEMBER_DEVICE_PC, true, true },
            { me, CONFMEMBER_DEVICE_MOBILE }, { me, CONFMEMBER_DEVICE_PC },
            { QStringLiteral("eve"), CONFMEMBER_DEVICE_WEB } };
        const QList<VideoItem> expected { { me, CONFMEMBER_DEVICE_PC }, { QStringLiteral("bob"), CONFMEMBER_DEVICE_PC },
            { me, CONFMEMBER_DEVICE_MOBILE }, { QStringLiteral("eve"), CONFMEMBER_DEVICE_WEB } };
        QCOMPARE(VoiceGridPolicy::gridOrder(members, me), expected); // flags cleared, cameras only
        QCOMPARE(VoiceGridPolicy::gridOrder(expected.mid(1), me), expected.mid(1)); // the user on a phone only
    }

    void meetingClock_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<QString>("clock");
        const QString start = QStringLiteral("2024-03-01 10:00:00");
        QTest::newRow("just started") << start << at("2024-03-01 10:00:00") << true << qint64(0)
                                      << QStringLiteral("00:00:00");
        QTest::newRow("an hour and more")
            << start << at("2024-03-01 11:02:03") << true << qint64(0) << QStringLiteral("01:02:03");
        QTest::newRow("longer than a day")
            << start << at("2024-03-03 11:02:03") << true << qint64(2) << QStringLiteral("01:02:03");
        QTest::newRow("not started yet") << start << at("2024-03-01 09:59:59") << false << qint64(0) << QString();
        QTest::newRow("unreadable start")
            << QStringLiteral("yesterday") << at("2024-03-01 10:00:00") << false << qint64(0) << QString();
    }
    void meetingClock()
    {
        QFETCH(QString, start);
        QFETCH(qint64, now);
        QFETCH(bool, shown);
        QFETCH(qint64, days);
        QFETCH(QString, clock);
        const VoiceGridPolicy::Elapsed elapsed = VoiceGridPolicy::meetingElapsed(start, now);
        QCOMPARE(elapsed.shown, shown);
        QCOMPARE(elapsed.days, days);
        QCOMPARE(elapsed.clock, clock);
    }

    void groupIdOfTheSummary()
    {
        QCOMPARE(VoiceGridPolicy::groupIdOf(QStringLiteral("{\"groupId\":\"g-7\",\"x\":1}")), QStringLiteral("g-7"));
        QCOMPARE(VoiceGridPolicy::groupIdOf(QStringLiteral("{\"other\":1}")), QString()); // an object without one
        for (const char* broken : { "{broken", "", "[\"groupId\"]", "groupId" })
            QVERIFY2(!VoiceGridPolicy::groupIdOf(QLatin1String(broken)), broken);
    }

    void questionTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("icon");
        const QString prompt = QStringLiteral("Prompt");
        const QString system = QStringLiteral("Conference system");
        const auto row
            = [](int type) -> QTestData& { return QTest::newRow(qPrintable(QString::number(type))) << type; };
        row(85) << prompt << QStringLiteral("Do you end the current meeting?") << false;
        row(86) << prompt << QStringLiteral("Do you withdraw from the current meeting?") << false;
        row(87) << system << QStringLiteral("Are you sure open the whiteboard sharing meeting?") << true;
        row(88) << system << QStringLiteral("Are you sure open desktop sharing?") << true;
        row(89) << system << QStringLiteral("Are you sure close desktop sharing?") << true;
        row(90) << system << QStringLiteral("Do you agree to the desktop share request?") << true;
        row(91) << system << QStringLiteral("Are you sure start recording meeting?") << true;
        row(92) << system << QStringLiteral("Are you sure stop recording the meeting?") << true;
        row(93) << system << QStringLiteral("Make sure you join the meeting on your cell phone?") << true;
        row(94) << system << QStringLiteral("Make sure to open the microphone?") << true;
        row(95) << system << QStringLiteral("Make sure to close the microphone?") << true;
        row(96) << system << QStringLiteral("Turn on the camera?") << true;
        row(97) << system << QStringLiteral("Turn off the camera?") << true;
        row(98) << QStringLiteral("Transfer host") << QStringLiteral("You are the host. Do you move the host?") << true;
        row(99) << system << QStringLiteral("Sure hands?") << true;
        row(100) << system << QStringLiteral("Hands off?") << true;
    }
    void questionTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, icon);
        const std::optional<VoiceGridPolicy::QuestionText> question = VoiceGridPolicy::questionText(type);
        QVERIFY(question);
        QCOMPARE(question->title, title);
        QCOMPARE(question->text, text);
        QCOMPARE(question->withIcon, icon);
    }

    void typesOutsideTheTableAskNothing()
    {
        for (int type : { 84, 101, 0, -86 })
            QVERIFY(!VoiceGridPolicy::questionText(type)
                && VoiceGridPolicy::acceptAnswer(type) == VoiceGridPolicy::Answer::None
                && VoiceGridPolicy::rejectAnswer(type) == VoiceGridPolicy::Answer::None);
    }

    // --- older meetings ---

    void remotePicturesLeaveTheUserOut()
    {
        const QStringList list = QStringLiteral("a,me,b,,a").split(QLatin1Char(','));
        QCOMPARE(MeetingRoomPolicy::requestedAccounts(list, QStringLiteral("me")).join(QLatin1Char(',')),
            QStringLiteral("a,b"));
    }
};

QTEST_GUILESS_MAIN(tst_MeetingPolicies)
#include "tst_MeetingPolicies.moc"
