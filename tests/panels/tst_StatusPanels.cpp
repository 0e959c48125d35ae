#include "panels/DebugForStatisticsWdg.h"
#include "panels/NetworkWidget.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace TestWindows;

class tst_StatusPanels : public QObject
{
    Q_OBJECT

    static QString text(QWidget* root, const char* name) { return child<QLabel>(root, name)->text(); }
    static void report(const QString& json)
    {
        emit BusinessFixture::business()->getUnifiedConferenceView()->sig_onStatisticsInfo(json);
    }
    static QString reportText(int n)
    {
        return QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":%1}],\"Receive\":[]},"
                              "\"TotalStats\":{\"Rtt_ms\":%2}}")
            .arg(n % 7)
            .arg(40 + n);
    }
    static int reportsIn(QWidget* window)
    {
        return child<QTextEdit>(window, "textEdit")->toPlainText().count(QStringLiteral("TotalStats"));
    }

private slots:
    void init() { BusinessFixture::reset(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void networkCardShowsFiguresAndTheirLevelAndHidesByItself()
    {
        NetworkWidget card;
        QVERIFY(card.level().isEmpty());
        CS_StatReports reports;
        reports.rttMs = 80;
        reports.sendLoss = 1.5;
        reports.sendKbps = 640;
        reports.recvKbps = 1800;
        card.setStatReports(reports);
        QCOMPARE(child<QLabel>(&card, "labLevelIcon")->property("level").toString(), QStringLiteral("h"));
        const QStringList figures { text(&card, "labDelay"), text(&card, "labUpLossRate"),
            text(&card, "labDownLossRate"), text(&card, "labUpRate"), text(&card, "labDesRate") };
        QCOMPARE(figures, BusinessFixture::texts({ "80ms", "1.5%", "0%", "640Kbps", "1.8Mbps" }));

        // Bad figures lower the level; rates stay from the last full report.
        card.setNetworkQuality(1200, 0, 0);
        QCOMPARE(text(&card, "labLevelText"), QStringLiteral("Poor network quality"));
        QCOMPARE(text(&card, "labUpRate"), QStringLiteral("640Kbps"));

        // The card hides by itself, but not while the mouse is on it.
        QCOMPARE(card.hideTimer()->interval(), 2000);
        QVERIFY(card.hideTimer()->isActive());
        card.showAt(QPoint(40, 30));
        BusinessFixture::fire(card.hideTimer());
        QVERIFY(card.isHidden());
        QVERIFY(!card.hideTimer()->isActive());

        // The mouse on the card keeps it; leaving hides it and re-arms the timer.
        card.showAt(QPoint(40, 30));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&card, &enter);
        QVERIFY(card.isVisible());
        QVERIFY(!card.hideTimer()->isActive());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&card, &leave);
        QVERIFY(card.isHidden());
        QCOMPARE(card.hideTimer()->interval(), 1500);
        QVERIFY(card.hideTimer()->isActive());
    }

    void statisticsWindowPollsAtTheIntervalSet()
    {
        QWidget owner;
        QPointer<DebugForStatisticsWdg> window = new DebugForStatisticsWdg(&owner);
        window->show();
        auto* edit = child<QLineEdit>(window, "lineEdit");
        QCOMPARE(edit->text(), QStringLiteral("2"));
        QVERIFY(click(window, "btn_start"));
        QCOMPARE(window->pollTimer()->interval(), 2000);
        QVERIFY(!child<QPushButton>(window, "btn_start")->isVisible());
        BusinessFixture::fire(window->pollTimer());
        BusinessFixture::fire(window->pollTimer());
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("getStatisticsInfo")), 2);

        // Out of 1..20: refused, nothing else changes.
        edit->setText(QStringLiteral("21"));
        QVERIFY(click(window, "btn_settingTime"));
        QCOMPARE(edit->placeholderText(),
            QStringLiteral("The current setting failed, please enter an integer between 1-20"));
        QVERIFY(window->pollTimer()->isActive());
        edit->setText(QStringLiteral("5"));
        // A new interval stops the polling until started again.
        QVERIFY(click(window, "btn_settingTime"));
        QCOMPARE(edit->placeholderText(), QStringLiteral("It is currently set to crawl every 5 second"));
        QVERIFY(edit->text().isEmpty());
        QVERIFY(!window->pollTimer()->isActive());
        QVERIFY(
            child<QPushButton>(window, "btn_start")->isVisible() && child<QPushButton>(window, "btn_stop")->isHidden());
        QVERIFY(click(window, "btn_start"));
        QCOMPARE(window->pollTimer()->interval(), 5000);
        QVERIFY(click(window, "btn_stop"));
        QVERIFY(!window->pollTimer()->isActive());

        window->close();
        QTRY_VERIFY(window.isNull());
    }

    void reportsAreListedTwentyAtMostMalformedOnesToo()
    {
        DebugForStatisticsWdg window;
        report(reportText(1)); // hidden: not listed
        QCOMPARE(reportsIn(&window), 0);
        window.show();
        // The counter is shared by every window: fill it up to where the next report clears the list.
        while (DebugForStatisticsWdg::reportCounter() <= 20)
            report(reportText(0));
        for (int n = 1; n <= 20; ++n)
            report(reportText(n));
        QCOMPARE(reportsIn(&window), 20);
        QVERIFY(child<QTextEdit>(&window, "textEdit")->toPlainText().startsWith(reportText(1)));
        report(reportText(21));
        QCOMPARE(reportsIn(&window), 1);
        QCOMPARE(text(&window, "label_summary"), QStringLiteral("rtt 61 ms   send loss 0   receive loss 0"));
    }
};

QTEST_MAIN(tst_StatusPanels)
#include "tst_StatusPanels.moc"
