#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
#include "video/PromptWidget_SysMsg.h"

#include <QTimer>
#include <QtTest>

class tst_PromptWidget_SysMsg : public QObject
{
    Q_OBJECT

    static void fire(PromptWidget_SysMsg& prompt) { BusinessFixture::fire(prompt.timer()); }
    static QStringList texts(std::initializer_list<const char*> items) { return BusinessFixture::texts(items); }

private slots:
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void queuedMessagesFollowEveryTwoSecondsAnImmediateOneAtOnceThenTheStripHides()
    {
        PromptWidget_SysMsg prompt;
        prompt.show();
        prompt.addMessage(QStringLiteral("one"), false);
        QCOMPARE(prompt.timer()->interval(), 2000);
        QVERIFY(prompt.timer()->isActive());
        prompt.addMessage(QStringLiteral("two"), false);
        prompt.addMessage(QStringLiteral("three"), false);
        QCOMPARE(prompt.currentText(), QStringLiteral("one"));
        QCOMPARE(prompt.queuedMessages(), texts({ "two", "three" }));
        // An immediate message takes the strip without extending the period.
        QTRY_VERIFY(prompt.timer()->remainingTime() < 1990);
        const int left = prompt.timer()->remainingTime();
        prompt.addMessage(QStringLiteral("urgent"), true);
        QVERIFY(prompt.timer()->remainingTime() <= left);
        QCOMPARE(prompt.currentText(), QStringLiteral("urgent"));
        QCOMPARE(prompt.queuedMessages(), texts({ "two", "three" }));
        fire(prompt);
        QCOMPARE(prompt.currentText(), QStringLiteral("two"));
        fire(prompt);
        QCOMPARE(prompt.currentText(), QStringLiteral("three"));
        QVERIFY(prompt.isVisible());
        fire(prompt);
        QVERIFY(prompt.isHidden());
        QVERIFY(!prompt.timer()->isActive());
    }

    void theQueueIsDroppedWhenMoreThan500Wait()
    {
        // The first message is taken out to be shown; 501 then wait and the next one drops them.
        PromptWidget_SysMsg idle;
        for (int i = 1; i <= 502; ++i)
            idle.addMessage(QStringLiteral("m%1").arg(i), false);
        QCOMPARE(idle.currentText(), QStringLiteral("m1"));
        QCOMPARE(idle.queuedMessages().size(), 501);
        idle.addMessage(QStringLiteral("m503"), false);
        QCOMPARE(idle.queuedMessages(), texts({ "m503" }));

        // While the strip is busy with an immediate message every message waits: the 502nd drops the queue.
        PromptWidget_SysMsg busy;
        busy.addMessage(QStringLiteral("now"), true);
        for (int i = 1; i <= 501; ++i)
            busy.addMessage(QStringLiteral("m%1").arg(i), false);
        QCOMPARE(busy.queuedMessages().size(), 501);
        busy.addMessage(QStringLiteral("m502"), false);
        QCOMPARE(busy.queuedMessages(), texts({ "m502" }));
        QCOMPARE(busy.currentText(), QStringLiteral("now"));
    }
};

QTEST_MAIN(tst_PromptWidget_SysMsg)
#include "tst_PromptWidget_SysMsg.moc"
