// The conference pop-ups' texts, network quality and placement, the agenda's
// JSON and the activity log's lines, without a widget.
#include "policy/ActivityLogPolicy.h"
#include "policy/AgendaPolicy.h"
#include "policy/ConferencePopupPolicy.h"

#include <QtTest>

using namespace ConferencePopupPolicy;

class tst_ConferencePopupPolicies : public QObject
{
    Q_OBJECT

private slots:
    void commonQuestionsByType()
    {
        const CommonPopupTexts lock = commonPopupTexts(1);
        QCOMPARE(lock.first,
            QStringLiteral(
                "After opening share lock, others will not be able to open share. Do you want to open share?"));
        QCOMPARE(lock.ok, QStringLiteral("Turn on shared lock"));
        QVERIFY(!lock.applicationModal && lock.second.isEmpty() && lock.other.isEmpty());
        QCOMPARE(commonPopupTexts(2).first,
            QStringLiteral(
                "Someone is sharing desktop, opening will close each other's share. Do you still want to proceed?"));
        QCOMPARE(commonPopupTexts(3).first, QStringLiteral("Do you want to turn off ongoing screen sharing?"));
        QCOMPARE(commonPopupTexts(3).ok, QStringLiteral("OK"));
        const CommonPopupTexts leave = commonPopupTexts(4);
        QVERIFY(leave.applicationModal);
        QCOMPARE(QStringList({ leave.first, leave.ok, leave.ignore }),
            QStringList(
                { QStringLiteral("Whether to leave the meeting"), QStringLiteral("leave"), QStringLiteral("Cancel") }));
        const CommonPopupTexts end = commonPopupTexts(5);
        QVERIFY(end.applicationModal);
        QCOMPARE(end.first, QStringLiteral("Whether to end the meeting"));
        QCOMPARE(
            end.second, QStringLiteral("If it ends, everyone is removed; If you leave, the meeting will continue"));
        QCOMPARE(end.other, QStringLiteral("end the meeting"));
        for (int unknown : { 0, 6, -1 })
            QVERIFY(!commonPopupTexts(unknown).known);
        // The host's end-or-leave question accepts as leaving.
        QCOMPARE(acceptedCommonType(5), 4);
        QCOMPARE(acceptedCommonType(3), 3);
    }

    void pagesAndTitlesByType()
    {
        QStringList pages, titles;
        for (int type = 0; type <= 5; ++type)
            pages << smallPopupPage(type);
        QCOMPARE(pages.join(QLatin1Char('|')),
            QStringLiteral("HostlockPage1|AttcontPage|Host_invite_Page_2|Attcont_invite_Page_3||polling"));
        for (int type = -1; type <= 9; ++type)
            titles << popupWidgetTitle(type);
        QCOMPARE(titles.join(QLatin1Char('|')),
            QStringLiteral(
                "|Layout|share screen|material|Meeting information|setting|minutes|invite|Venue control|chat|"));
        QVERIFY(popupWidgetPage(1).isEmpty()); // sharing keeps the page
        QCOMPARE(popupWidgetPage(3), QStringLiteral("ConfInfoPage"));
    }

    void networkQualityBounds_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("send");
        QTest::addColumn<int>("recv");
        QTest::addColumn<QString>("icon");
        QTest::newRow("200, 4/4") << 200 << 4 << 4 << QStringLiteral("hight");
        QTest::newRow("201") << 201 << 0 << 0 << QStringLiteral("mid");
        QTest::newRow("loss 5") << 0 << 0 << 5 << QStringLiteral("mid");
        QTest::newRow("600, 12/12") << 600 << 12 << 12 << QStringLiteral("mid");
        QTest::newRow("601") << 601 << 0 << 0 << QStringLiteral("low");
        QTest::newRow("loss 13") << 100 << 13 << 0 << QStringLiteral("low");
    }
    void networkQualityBounds()
    {
        QFETCH(int, delay);
        QFETCH(int, send);
        QFETCH(int, recv);
        QFETCH(QString, icon);
        QCOMPARE(networkQuality(delay, send, recv).icon, icon);
    }

    void bubbleTexts()
    {
        QCOMPARE(networkQuality(0, 0, 0).text, QStringLiteral("The network connection is normal"));
        QCOMPARE(networkQuality(300, 0, 0).text, QStringLiteral("High network delay"));
        QCOMPARE(networkQuality(900, 0, 0).text, QStringLiteral("Poor network quality"));
        QCOMPARE(lossText(2.5), QStringLiteral("2.5%"));
        QCOMPARE(lossText(-3), QStringLiteral("0%"));
        QCOMPARE(lossText(qQNaN()), QStringLiteral("0%"));
        QCOMPARE(stopPopupHeight(true), 132);
        QCOMPARE(stopPopupHeight(false), 94);
        QCOMPARE(allMicrophonesText(true), QStringLiteral("all not mute microphone"));
        QCOMPARE(allCamerasText(false), QStringLiteral("all mute camera"));
        QCOMPARE(mainVenueLockText(false), QStringLiteral("Set main venue lock"));
        QCOMPARE(mainVenueLockText(true), QStringLiteral("Unlock the main venue"));
        QCOMPARE(QVector<int>({ conferenceLockCommand(true), conferenceLockCommand(false), shareLockCommand(true),
                     shareLockCommand(false) }),
            QVector<int>({ 0, 1, 2, 3 }));
    }

    void placementAtTheButtons()
    {
        const QRect button(500, 40, 20, 20);
        const QSize popup(100, 60);
        QCOMPARE(anchoredPosition(Anchor::Safe, button, popup), QPoint(464, 60));
        QCOMPARE(anchoredPosition(Anchor::Wifi, button, popup), QPoint(444, 60));
        QCOMPARE(anchoredPosition(Anchor::Record, button, popup), QPoint(420, 60));
        const QRect bottom(800, 700, 40, 40);
        QCOMPARE(anchoredPosition(Anchor::StopConf, bottom, popup, 64), QPoint(764, 626));
        QCOMPARE(anchoredPosition(Anchor::Workbench, bottom, popup), QPoint(738, 630));
        QCOMPARE(anchoredPosition(Anchor::MemberControl, bottom, popup), QPoint(596, 640));

        const QRect window(100, 50, 1360, 770);
        QCOMPARE(popupWidgetPosition(2, window, QSize(300, 400), QPoint(0, 700)), QPoint(100, 300));
        QCOMPARE(popupWidgetPosition(5, window, QSize(300, 400), QPoint(0, 700)), QPoint(1160, 300));
        QCOMPARE(popupWidgetPosition(0, window, QSize(300, 400), QPoint(0, 700)), QPoint(630, 235));
        QVERIFY(exitPopupFits(QPoint(1, 600), QSize(100, 100), 700));
        QVERIFY(!exitPopupFits(QPoint(0, 10), QSize(100, 100), 700));
        QVERIFY(!exitPopupFits(QPoint(10, 601), QSize(100, 100), 700));
    }

    void agendaLoads()
    {
        QCOMPARE(AgendaPolicy::parseIssues(QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"A\"},"
                                                          "{\"topic\":\"B\"},{\"topic\":\"C\"},{\"topic\":\"D\"}]}"))
                     .join(QLatin1Char('|')),
            QStringLiteral("A|B|C"));
        // An issue longer than an editor holds is cut to 40 characters.
        QCOMPARE(AgendaPolicy::parseIssues(
                     QStringLiteral("{\"topics\":[{\"topic\":\"%1\"}]}").arg(QString(45, QLatin1Char('y'))))
                     .first()
                     .size(),
            40);
        // Not between the halves of a character pair.
        const QString emoji = QString(39, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QLatin1Char('b');
        QCOMPARE(AgendaPolicy::parseIssues(QStringLiteral("{\"topics\":[{\"topic\":\"%1\"}]}").arg(emoji)),
            QStringList { QString(39, QLatin1Char('a')) });
        QString error;
        for (const QString& bad : { QStringLiteral("{\"topics\":[{\"topic\":\"A\""), QStringLiteral("[1,2]"),
                 QStringLiteral("{\"topics\":[]}"), QStringLiteral("{\"topics\":\"A\"}"), QString() }) {
            error.clear();
            QVERIFY2(AgendaPolicy::parseIssues(bad, &error).isEmpty(), qPrintable(bad));
            QVERIFY(!error.isEmpty());
        }
        const QString huge = QStringLiteral("{\"topics\":[{\"topic\":\"%1\"}]}").arg(QString(70000, QLatin1Char('z')));
        QVERIFY(AgendaPolicy::parseIssues(huge, &error).isEmpty());
        QVERIFY(error.contains(QStringLiteral("65536")));
        // A topic that is no text is an empty issue.
        QCOMPARE(AgendaPolicy::parseIssues(QStringLiteral("{\"topics\":[{\"topic\":7}]}")), QStringList { QString() });
    }

    void agendaSaves()
    {
        const AgendaPolicy::SavedAgenda saved = AgendaPolicy::saveIssues(
            { QStringLiteral("Budget 2025"), QStringLiteral(" \n "), QStringLiteral("Hiring\nplan") });
        QCOMPARE(saved.json,
            QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Budget2025\"},"
                           "{\"haveDone\":\"0\",\"topic\":\"Hiringplan\"}]}"));
        QCOMPARE(saved.concatenation, QStringLiteral("Budget2025Hiringplan"));
        // What is saved loads back in order, and nothing saved is an empty agenda.
        QCOMPARE(AgendaPolicy::parseIssues(saved.json).join(QLatin1Char('|')), QStringLiteral("Budget2025|Hiringplan"));
        QCOMPARE(AgendaPolicy::saveIssues({ QString(), QString(), QString() }).json, QStringLiteral("{\"topics\":[]}"));
    }

    void activityLogLines()
    {
        using namespace ActivityLogPolicy;
        const QDateTime at(QDate(2025, 3, 4), QTime(9, 5, 59));
        QCOMPARE(line(at, QStringLiteral("Ann"), eventText(Joined)), QStringLiteral("09:05   Ann join the conference"));
        QStringList events, media;
        for (auto e : { RefusedInvitation, Quit, Kicked, BeganSharing, StoppedSharing, HandUp })
            events << eventText(e);
        QCOMPARE(events.join(QLatin1Char('|')),
            QStringLiteral(" refused the invitation| quit the conference| kicked out of the conference"
                           "| begin share desktop| stop share desktop| Hand Up"));
        for (int action : { 2, 3, 12, 13, 51, 0 })
            media << mediaChangeText(action);
        QCOMPARE(media.join(QLatin1Char('|')),
            QStringLiteral(" turned off microphone| turned on microphone| turned off camera| turned on camera||"));
    }
};

QTEST_GUILESS_MAIN(tst_ConferencePopupPolicies)
#include "tst_ConferencePopupPolicies.moc"
