#include "BusinessFixture.h"
#include "DebugForStatisticsWdg.h"
#include "NetworkWidget.h"
#include "StatisticsPolicy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {
template<typename T> T* child(QWidget* root, const char* name)
{
    T* w = root->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

void fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

UnifiedConferenceView* conference()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}

QString report(int n)
{
    return QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":%1}],\"Receive\":[]},"
                          "\"TotalStats\":{\"Rtt_ms\":%2}}")
        .arg(n % 7)
        .arg(40 + n);
}

int reportsIn(QTextEdit* edit)
{
    return edit->toPlainText().count(QStringLiteral("TotalStats"));
}

// Fills the shared report counter up to the point where the next report clears the list.
void fillUntilFull(DebugForStatisticsWdg& window)
{
    while (DebugForStatisticsWdg::reportCounter() <= StatisticsPolicy::kMaxReports)
        window.slot_onStatisticsInfo(report(DebugForStatisticsWdg::reportCounter()));
}
} // namespace

class tst_StatusPanels : public QObject
{
    Q_OBJECT

private slots:
    void init() { BusinessFixture::reset(); }

    // --- network card ---
    void networkCardShowsFiguresAndTheirLevel()
    {
        NetworkWidget card;
        QVERIFY(child<QLabel>(&card, "labUpLossRate")->text().isEmpty());
        QVERIFY(card.level().isEmpty());

        CS_StatReports reports;
        reports.rttMs = 80;
        reports.sendLoss = 1.5;
        reports.recvLoss = 0;
        reports.sendKbps = 640;
        reports.recvKbps = 1800;
        card.setStatReports(reports);
        QCOMPARE(card.level(), QStringLiteral("h"));
        QCOMPARE(child<QLabel>(&card, "labLevelIcon")->property("level").toString(), QStringLiteral("h"));
        QCOMPARE(child<QLabel>(&card, "labLevelText")->text(), QStringLiteral("The network connection is normal"));
        QCOMPARE(child<QLabel>(&card, "labDelay")->text(), QStringLiteral("80ms"));
        QCOMPARE(child<QLabel>(&card, "labUpLossRate")->text(), QStringLiteral("1.5%"));
        QCOMPARE(child<QLabel>(&card, "labDownLossRate")->text(), QStringLiteral("0%"));
        QCOMPARE(child<QLabel>(&card, "labUpRate")->text(), QStringLiteral("640Kbps"));
        QCOMPARE(child<QLabel>(&card, "labDesRate")->text(), QStringLiteral("1.8Mbps"));

        // Moderate figures keep the level; bad ones lower it; rates stay from the last full report.
        card.setNetworkQuality(200, 3, 4);
        QCOMPARE(card.level(), QStringLiteral("h"));
        card.setNetworkQuality(1200, 0, 0);
        QCOMPARE(card.level(), QStringLiteral("l"));
        QCOMPARE(child<QLabel>(&card, "labLevelIcon")->property("level").toString(), QStringLiteral("l"));
        QCOMPARE(child<QLabel>(&card, "labLevelText")->text(), QStringLiteral("Poor network quality"));
        QCOMPARE(child<QLabel>(&card, "labUpRate")->text(), QStringLiteral("640Kbps"));
        card.setNetworkQuality(350, 0, 0);
        QCOMPARE(card.level(), QStringLiteral("m"));
    }

    void aModerateFirstReportIsMedium()
    {
        NetworkWidget card;
        card.setNetworkQuality(200, 3, 4);
        QCOMPARE(card.level(), QStringLiteral("m"));
    }

    void networkCardHidesByItself()
    {
        NetworkWidget card;
        QCOMPARE(card.hideTimer()->interval(), NetworkWidget::kFirstHideMs);
        QVERIFY(card.hideTimer()->isActive());
        card.showAt(QPoint(40, 30));
        QVERIFY(card.isVisible());
        QCOMPARE(card.pos(), QPoint(40, 30));
        fire(card.hideTimer());
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
        QVERIFY(card.hideTimer()->isActive());
        QCOMPARE(card.hideTimer()->interval(), NetworkWidget::kLeaveHideMs);
    }

    // --- statistics window ---
    void statisticsWindowPollsAtItsInterval()
    {
        auto* window = new DebugForStatisticsWdg;
        QPointer<DebugForStatisticsWdg> guard(window);
        window->show();
        QCOMPARE(window->intervalMs(), 2000);
        QCOMPARE(child<QLineEdit>(window, "lineEdit")->text(), QStringLiteral("2"));
        QVERIFY(child<QPushButton>(window, "btn_start")->isVisible());
        QVERIFY(!child<QPushButton>(window, "btn_stop")->isVisible());

        QTest::mouseClick(child<QPushButton>(window, "btn_start"), Qt::LeftButton);
        QVERIFY(window->pollTimer()->isActive());
        QCOMPARE(window->pollTimer()->interval(), 2000);
        QVERIFY(!child<QPushButton>(window, "btn_start")->isVisible());
        QVERIFY(child<QPushButton>(window, "btn_stop")->isVisible());
        fire(window->pollTimer());
        fire(window->pollTimer());
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("getStatisticsInfo")), 2);

        QTest::mouseClick(child<QPushButton>(window, "btn_stop"), Qt::LeftButton);
        QVERIFY(!window->pollTimer()->isActive());
        QVERIFY(child<QPushButton>(window, "btn_start")->isVisible());

        window->close();
        QTRY_VERIFY(guard.isNull());
    }

    void intervalSettingAcceptsOneToTwentySeconds()
    {
        DebugForStatisticsWdg window;
        window.show();
        auto* edit = child<QLineEdit>(&window, "lineEdit");
        auto* set = child<QPushButton>(&window, "btn_settingTime");
        QTest::mouseClick(child<QPushButton>(&window, "btn_start"), Qt::LeftButton);

        for (const QString& bad : { QStringLiteral("0"), QStringLiteral("21"), QString() }) {
            edit->setText(bad);
            QTest::mouseClick(set, Qt::LeftButton);
            QCOMPARE(window.intervalMs(), 2000);
            QCOMPARE(edit->placeholderText(),
                QStringLiteral("The current setting failed, please enter an integer between 1-20"));
            QVERIFY(window.pollTimer()->isActive()); // nothing else changes
        }
        // The validator keeps letters out of the field.
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("a5"));
        QCOMPARE(edit->text(), QStringLiteral("5"));

        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(window.intervalMs(), 5000);
        QCOMPARE(edit->placeholderText(), QStringLiteral("It is currently set to crawl every 5 second"));
        QVERIFY(edit->text().isEmpty());
        QVERIFY(!window.pollTimer()->isActive());
        QVERIFY(child<QPushButton>(&window, "btn_start")->isVisible());
        QVERIFY(!child<QPushButton>(&window, "btn_stop")->isVisible());
        QTest::mouseClick(child<QPushButton>(&window, "btn_start"), Qt::LeftButton);
        QCOMPARE(window.pollTimer()->interval(), 5000);
    }

    void reportsAreListedTwentyAtMost()
    {
        DebugForStatisticsWdg window;
        auto* text = child<QTextEdit>(&window, "textEdit");
        // Hidden: reports are not listed.
        emit conference()->sig_onStatisticsInfo(report(1));
        QVERIFY(text->toPlainText().isEmpty());

        window.show();
        fillUntilFull(window);
        text->clear();
        const int before = DebugForStatisticsWdg::reportCounter();
        QVERIFY(before > StatisticsPolicy::kMaxReports);
        // The next report starts the list afresh, then twenty fit.
        for (int n = 1; n <= StatisticsPolicy::kMaxReports; ++n)
            emit conference()->sig_onStatisticsInfo(report(n));
        QCOMPARE(reportsIn(text), StatisticsPolicy::kMaxReports);
        QVERIFY(text->toPlainText().startsWith(report(1)));
        emit conference()->sig_onStatisticsInfo(report(21));
        QCOMPARE(reportsIn(text), 1);
        QVERIFY(text->toPlainText().startsWith(report(21)));
        QCOMPARE(child<QLabel>(&window, "label_summary")->text(),
            QStringLiteral("rtt 61 ms   send loss 0   receive loss 0"));
    }

    void malformedReportsAreIgnored()
    {
        DebugForStatisticsWdg window;
        window.show();
        auto* text = child<QTextEdit>(&window, "textEdit");
        emit conference()->sig_onStatisticsInfo(report(3));
        const QString listed = text->toPlainText();
        const int counter = DebugForStatisticsWdg::reportCounter();
        for (const QString& bad :
            { QStringLiteral("{\"TotalStats\":{"), QStringLiteral("[]"), QString(), QStringLiteral("\"just text\"") })
            emit conference()->sig_onStatisticsInfo(bad);
        QCOMPARE(text->toPlainText(), listed);
        QCOMPARE(DebugForStatisticsWdg::reportCounter(), counter);
        QCOMPARE(child<QLabel>(&window, "label_summary")->text(),
            QStringLiteral("rtt 43 ms   send loss 3   receive loss 0"));
    }

    void statisticsWindowIsAWindowOfItsOwn()
    {
        DebugForStatisticsWdg window;
        QCOMPARE(window.windowTitle(), QStringLiteral("测试统计信息"));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(window.size(), QSize(710, 424));
        QCOMPARE(child<QPushButton>(&window, "btn_settingTime")->size(), QSize(60, 24));
        QVERIFY(!window.windowIcon().isNull());
        QWidget owner;
        DebugForStatisticsWdg owned(&owner);
        QVERIFY(owned.isWindow());
    }
};

QTEST_MAIN(tst_StatusPanels)
#include "tst_StatusPanels.moc"
