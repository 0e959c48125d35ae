#include "support/BusinessFixture.h"
#include "video/PromptWidget_SysMsg.h"

#include <QTimer>
#include <QtTest>

class tst_PromptWidget_SysMsg : public QObject
{
    Q_OBJECT

    static void fire(PromptWidget_SysMsg& prompt) { QMetaObject::invokeMethod(prompt.timer(), "timeout"); }
    static QStringList texts(std::initializer_list<const char*> items) { return BusinessFixture::texts(items); }

private slots:
    void queuedMessagesFollowOneAnotherEveryTwoSecondsThenTheStripHides()
    {
        PromptWidget_SysMsg prompt;
        QVERIFY(!prompt.timer()->isActive());
        prompt.show();
        prompt.addMessage(QStringLiteral("one"), false);
        QCOMPARE(prompt.timer()->interval(), 2000);
        QVERIFY(prompt.timer()->isActive());
        prompt.addMessage(QStringLiteral("two"), false);
        prompt.addMessage(QStringLiteral("three"), false);
        QCOMPARE(prompt.currentText(), QStringLiteral("one"));
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

    void laterMessagesDoNotExtendTheCurrentPeriod()
    {
        PromptWidget_SysMsg prompt;
        prompt.addMessage(QStringLiteral("one"), false);
        QTRY_VERIFY(prompt.timer()->remainingTime() < 1990);
        const int left = prompt.timer()->remainingTime();
        prompt.addMessage(QStringLiteral("two"), false);
        prompt.addMessage(QStringLiteral("now"), true);
        QVERIFY(prompt.timer()->remainingTime() <= left);
    }

    void immediateMessageShowsAtOnceAndKeepsTheQueue()
    {
        PromptWidget_SysMsg prompt;
        prompt.show();
        prompt.addMessage(QStringLiteral("one"), false);
        prompt.addMessage(QStringLiteral("two"), false);
        prompt.addMessage(QStringLiteral("urgent"), true);
        QCOMPARE(prompt.currentText(), QStringLiteral("urgent"));
        QCOMPARE(prompt.queuedMessages(), texts({ "two" }));
        fire(prompt);
        QCOMPARE(prompt.currentText(), QStringLiteral("two"));

        // Alone, an immediate message is shown for one period, then the strip hides.
        PromptWidget_SysMsg lone;
        lone.show();
        lone.addMessage(QStringLiteral("now"), true);
        QCOMPARE(lone.currentText(), QStringLiteral("now"));
        fire(lone);
        QVERIFY(lone.isHidden());
    }

    void aStaleQueueIsDroppedWhole()
    {
        PromptWidget_SysMsg prompt;
        prompt.addMessage(QStringLiteral("shown"), false);
        for (int i = 0; i < 501; ++i)
            prompt.addMessage(QStringLiteral("m%1").arg(i), false);
        QCOMPARE(prompt.queuedMessages().size(), 501);
        // More than 500 waiting: the next message replaces them all.
        prompt.addMessage(QStringLiteral("fresh"), false);
        QCOMPARE(prompt.queuedMessages(), texts({ "fresh" }));
        QCOMPARE(prompt.currentText(), QStringLiteral("shown"));
    }
};

QTEST_MAIN(tst_PromptWidget_SysMsg)
#include "tst_PromptWidget_SysMsg.moc"
