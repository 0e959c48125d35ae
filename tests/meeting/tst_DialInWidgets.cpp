#include "meeting/ConferenceCallWidget.h"
#include "meeting/ConferenceTipWidget.h"
#include "meeting/RectangeTip.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace TestWindows;

class tst_DialInWidgets : public QObject
{
    Q_OBJECT

    static void fire(QTimer* timer) { BusinessFixture::fire(timer); }
    static ConferenceCallWidget* keypad() { return ConferenceCallWidget::instance(); }
    static QLineEdit* numberEdit() { return child<QLineEdit>(keypad(), "numberEdit"); }
    static QString bottomTip() { return child<QLabel>(keypad(), "bottomTipLbl")->text(); }

private slots:
    // The keypad lives for the process; each test starts from a fresh one, made again on first use.
    void cleanup()
    {
        delete keypad();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void onlyAnEmptyNumberIsRefusedTypingKeepsToTheValidatorAndClosingForgets()
    {
        QSignalSpy calls(keypad(), &ConferenceCallWidget::signal_makeCall);
        keypad()->show();
        QVERIFY(click(keypad(), "makeCallBtn"));
        QCOMPARE(calls.count(), 0);
        QCOMPARE(bottomTip(), QStringLiteral("This cannot be empty"));
        QVERIFY(keypad()->isVisible());

        // Letters and signs are refused, and a thirteenth digit too; typing clears the tip.
        QTest::keyClicks(numberEdit(), QStringLiteral("01x0-12345678901"));
        QCOMPARE(numberEdit()->text(), QStringLiteral("010123456789"));
        QVERIFY(bottomTip().isEmpty());
        // A short number is still called.
        numberEdit()->setText(QStringLiteral("123"));
        QVERIFY(click(keypad(), "makeCallBtn"));
        QCOMPARE(calls, (QList<QVariantList> { { QStringLiteral("123") } }));
        QVERIFY(numberEdit()->text().isEmpty());
        QVERIFY(keypad()->isHidden());
        QVERIFY(!keypad()->isShowing());

        // Closing forgets the number and the tip, and calls nobody.
        keypad()->show();
        QVERIFY(keypad()->isShowing());
        QTest::keyClicks(numberEdit(), QStringLiteral("5551234"));
        child<QLabel>(keypad(), "bottomTipLbl")->setText(QStringLiteral("stale"));
        QVERIFY(click(keypad(), "closeBtn"));
        QVERIFY(keypad()->isHidden() && !keypad()->isShowing());
        QVERIFY(numberEdit()->text().isEmpty());
        QVERIFY(bottomTip().isEmpty());
        QCOMPARE(calls.count(), 1);
        // Escape closes too and clears the flag.
        keypad()->show();
        QTest::keyClick(keypad(), Qt::Key_Escape);
        QVERIFY(keypad()->isHidden() && !keypad()->isShowing());
    }

    void phoneNoticeAnimatesThenClosesItselfAfterFiveSeconds()
    {
        QPointer<ConferenceTipWidget> notice = new ConferenceTipWidget(nullptr);
        notice->show();
        auto* frame = child<QLabel>(notice, "label_animation");
        QCOMPARE(notice->animationTimer()->interval(), 333);
        QVERIFY(notice->animationTimer()->isActive());
        for (const char* picture : { "processiIcon2.png", "processiIcon3.png", "processiIcon1.png" }) {
            fire(notice->animationTimer());
            const QString path = QStringLiteral(":/Conference/Resource/Conference/") + QLatin1String(picture);
            QCOMPARE(frame->styleSheet(), QStringLiteral("border-image: url(%1);").arg(path));
        }
        QTimer* lifetime = notice->lifetimeTimer();
        QCOMPARE(lifetime->interval(), 5000);
        QVERIFY(lifetime->isActive() && lifetime->isSingleShot());
        fire(lifetime);
        QTRY_VERIFY(notice.isNull());

        // Its close button ends it earlier.
        QPointer<ConferenceTipWidget> closed = new ConferenceTipWidget(nullptr);
        closed->show();
        QVERIFY(click(closed, "btn_close"));
        QTRY_VERIFY(closed.isNull());
    }

    void countdownTextComesWithEachTickAndTheStripHidesAtTheEnd()
    {
        RectangeTip tip;
        tip.show();
        tip.startCountdown(3);
        QTimer* timer = tip.countdownTimer();
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
        QVERIFY(tip.text().isEmpty());
        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("3 second left conference will be close"));
        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("2 second left conference will be close"));
        QVERIFY(tip.isVisible());
        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("conference will be close"));
        QVERIFY(tip.isHidden() && !timer->isActive());

        // Started again it reuses its timer and keeps the old text until the first tick.
        tip.show();
        tip.startCountdown(5);
        QCOMPARE(tip.countdownTimer(), timer);
        QCOMPARE(tip.text(), QStringLiteral("conference will be close"));
        // A count of one ends on the first tick.
        tip.startCountdown(1);
        fire(timer);
        QVERIFY(tip.isHidden() && !timer->isActive());
    }

    void theCloseButtonDeletesTheStrip()
    {
        QWidget window;
        QPointer<RectangeTip> tip = new RectangeTip(&window);
        QPointer<RectangeTip> idle = new RectangeTip(&window); // never started: no timer to stop
        window.show();
        tip->startCountdown(180);
        QTimer* timer = tip->countdownTimer();
        QVERIFY(click(tip, "pushButton"));
        QVERIFY(!timer->isActive());
        QVERIFY(click(idle, "pushButton"));
        QTRY_VERIFY(tip.isNull() && idle.isNull());
    }
};

QTEST_MAIN(tst_DialInWidgets)
#include "tst_DialInWidgets.moc"
