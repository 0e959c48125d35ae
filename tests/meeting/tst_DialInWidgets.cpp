#include "ConferenceCallWidget.h"
#include "ConferenceTipWidget.h"
#include "RectangeTip.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
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

ConferenceCallWidget* keypad()
{
    return ConferenceCallWidget::instance();
}
QLineEdit* numberEdit()
{
    return child<QLineEdit>(keypad(), "numberEdit");
}
QLabel* bottomTip()
{
    return child<QLabel>(keypad(), "bottomTipLbl");
}
} // namespace

class tst_DialInWidgets : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        // The keypad lives for the process; each test starts from a fresh one.
        delete keypad();
    }

    // --- telephone invitation ---
    void oneKeypadServesTheProcess()
    {
        ConferenceCallWidget* first = keypad();
        QCOMPARE(keypad(), first);
        QVERIFY(first->isWindow());
        QVERIFY(!first->parentWidget());
        QCOMPARE(first->windowModality(), Qt::ApplicationModal);
        QVERIFY(first->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(first->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(numberEdit()->placeholderText(), QStringLiteral("Enter the number"));
        QVERIFY(child<QLabel>(first, "explainLbl")->text().contains(QStringLiteral("区\n号")));

        QPointer<ConferenceCallWidget> guard(first);
        delete first;
        QVERIFY(guard.isNull());
        // A deleted keypad is made again rather than handed out dangling.
        QVERIFY(keypad());
        QVERIFY(keypad()->findChild<QLineEdit*>(QStringLiteral("numberEdit")));
    }

    void theFieldTakesSevenToTwelveDigitsAsTyped()
    {
        keypad()->show();
        QTest::keyClicks(numberEdit(), QStringLiteral("01x0-12345678901"));
        // Letters and signs are refused, and a thirteenth digit too.
        QCOMPARE(numberEdit()->text(), QStringLiteral("010123456789"));
        QVERIFY(numberEdit()->hasAcceptableInput());
        numberEdit()->clear();
        QTest::keyClicks(numberEdit(), QStringLiteral("123"));
        QCOMPARE(numberEdit()->text(), QStringLiteral("123"));
        QVERIFY(!numberEdit()->hasAcceptableInput());
    }

    void aShortNumberIsStillCalledOnlyEmptyIsRefused()
    {
        QSignalSpy calls(keypad(), &ConferenceCallWidget::signal_makeCall);
        keypad()->show();
        QTest::mouseClick(child<QPushButton>(keypad(), "makeCallBtn"), Qt::LeftButton);
        QCOMPARE(calls.count(), 0);
        QCOMPARE(bottomTip()->text(), QStringLiteral("This cannot be empty"));
        QVERIFY(keypad()->isVisible());

        // Typing clears the tip.
        QTest::keyClicks(numberEdit(), QStringLiteral("123"));
        QVERIFY(bottomTip()->text().isEmpty());
        QTest::mouseClick(child<QPushButton>(keypad(), "makeCallBtn"), Qt::LeftButton);
        QCOMPARE(calls.count(), 1);
        QCOMPARE(calls.first().first().toString(), QStringLiteral("123"));
        QVERIFY(numberEdit()->text().isEmpty());
        QVERIFY(keypad()->isHidden());
        QVERIFY(!keypad()->isShowing());

        // Return in the field calls as well.
        keypad()->show();
        QTest::keyClicks(numberEdit(), QStringLiteral("13800001111"));
        QTest::keyClick(numberEdit(), Qt::Key_Return);
        QCOMPARE(calls.count(), 2);
        QCOMPARE(calls.last().first().toString(), QStringLiteral("13800001111"));
    }

    void closingForgetsTheNumberAndTheTip()
    {
        QSignalSpy calls(keypad(), &ConferenceCallWidget::signal_makeCall);
        keypad()->show();
        QVERIFY(keypad()->isShowing());
        QTest::mouseClick(child<QPushButton>(keypad(), "makeCallBtn"), Qt::LeftButton);
        QTest::keyClicks(numberEdit(), QStringLiteral("5551234"));
        bottomTip()->setText(QStringLiteral("stale"));
        QTest::mouseClick(child<QPushButton>(keypad(), "closeBtn"), Qt::LeftButton);
        QVERIFY(keypad()->isHidden());
        QVERIFY(!keypad()->isShowing());
        QVERIFY(numberEdit()->text().isEmpty());
        QVERIFY(bottomTip()->text().isEmpty());
        QCOMPARE(calls.count(), 0);

        // Escape closes too and clears the flag.
        keypad()->show();
        QTest::keyClick(keypad(), Qt::Key_Escape);
        QVERIFY(keypad()->isHidden());
        QVERIFY(!keypad()->isShowing());
    }

    // --- phone notice ---
    void phoneNoticeAnimatesEveryThirdOfASecond()
    {
        ConferenceTipWidget notice;
        notice.setAttribute(Qt::WA_DeleteOnClose, false); // on the stack here
        auto* frame = child<QLabel>(&notice, "label_animation");
        QCOMPARE(notice.animationTimer()->interval(), 333);
        QVERIFY(notice.animationTimer()->isActive());
        QVERIFY(frame->styleSheet().contains(QStringLiteral("processiIcon1.png")));
        const char* expected[] = { "processiIcon2.png", "processiIcon3.png", "processiIcon1.png", "processiIcon2.png" };
        for (const char* picture : expected) {
            fire(notice.animationTimer());
            QCOMPARE(frame->styleSheet(),
                QStringLiteral("border-image: url(:/Conference/Resource/Conference/%1);").arg(QLatin1String(picture)));
        }
        QCOMPARE(notice.frameCounter(), 4);
        QCOMPARE(child<QLabel>(&notice, "label_text")->text(), QStringLiteral("Pay attention to the phone call"));
        QVERIFY(notice.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(notice.testAttribute(Qt::WA_TranslucentBackground));
    }

    void phoneNoticeClosesItselfAfterFiveSeconds()
    {
        QPointer<ConferenceTipWidget> notice = new ConferenceTipWidget(nullptr);
        notice->show();
        QTimer* lifetime = notice->lifetimeTimer();
        QCOMPARE(lifetime->interval(), 5000);
        QVERIFY(lifetime->isSingleShot());
        QVERIFY(lifetime->isActive());
        fire(lifetime);
        QVERIFY(!notice || notice->isHidden());
        QTRY_VERIFY(notice.isNull());

        // Its close button ends it earlier.
        QPointer<ConferenceTipWidget> closed = new ConferenceTipWidget(nullptr);
        closed->show();
        QTest::mouseClick(child<QPushButton>(closed, "btn_close"), Qt::LeftButton);
        QTRY_VERIFY(closed.isNull());
    }

    // --- closing countdown ---
    void countdownTicksOncePerSecondAndEndsHidden()
    {
        RectangeTip tip;
        QVERIFY(!tip.countdownTimer());
        QCOMPARE(tip.secondsLeft(), 180);
        tip.show();
        tip.startCountdown(3);
        QTimer* timer = tip.countdownTimer();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());

        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("3 second left conference will be close"));
        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("2 second left conference will be close"));
        QVERIFY(tip.isVisible());
        fire(timer);
        QCOMPARE(tip.text(), QStringLiteral("conference will be close"));
        QVERIFY(tip.isHidden());
        QVERIFY(!timer->isActive());

        // Started again it reuses its timer.
        tip.show();
        tip.startCountdown(180);
        QCOMPARE(tip.countdownTimer(), timer);
        QVERIFY(timer->isActive());
        QCOMPARE(tip.secondsLeft(), 180);
    }

    void aCountdownOfOneEndsOnItsFirstTick()
    {
        RectangeTip tip;
        tip.show();
        tip.startCountdown(1);
        fire(tip.countdownTimer());
        QCOMPARE(tip.text(), QStringLiteral("conference will be close"));
        QVERIFY(tip.isHidden());
        QVERIFY(!tip.countdownTimer()->isActive());
    }

    void theCloseButtonDeletesTheStrip()
    {
        QWidget window;
        QPointer<RectangeTip> tip = new RectangeTip(&window);
        window.show();
        tip->show();
        tip->startCountdown(180);
        QTimer* timer = tip->countdownTimer();
        QTest::mouseClick(child<QPushButton>(tip, "pushButton"), Qt::LeftButton);
        QVERIFY(!timer->isActive());
        QTRY_VERIFY(tip.isNull());

        // Before any start there is no timer to stop.
        QPointer<RectangeTip> idle = new RectangeTip(&window);
        idle->show();
        QTest::mouseClick(child<QPushButton>(idle, "pushButton"), Qt::LeftButton);
        QTRY_VERIFY(idle.isNull());
    }
};

QTEST_MAIN(tst_DialInWidgets)
#include "tst_DialInWidgets.moc"
