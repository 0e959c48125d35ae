#include "PromptWidget_SysMsg.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
void fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
} // namespace

class tst_PromptWidget_SysMsg : public QObject
{
    Q_OBJECT

private slots:
    void isAToolStripWithATwoSecondTimer()
    {
        PromptWidget_SysMsg prompt;
        QVERIFY(prompt.windowFlags() & Qt::Tool);
        QVERIFY(prompt.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(prompt.findChild<QLabel*>(QStringLiteral("label_info")));
        QCOMPARE(prompt.timer()->interval(), 2000);
        QVERIFY(!prompt.timer()->isActive());
    }

    void queuedMessagesFollowOneAnotherThenTheStripHides()
    {
        PromptWidget_SysMsg prompt;
        prompt.show();
        prompt.addMessage(QStringLiteral("one"), false);
        QCOMPARE(prompt.currentText(), QStringLiteral("one"));
        QVERIFY(prompt.timer()->isActive());
        prompt.addMessage(QStringLiteral("two"), false);
        prompt.addMessage(QStringLiteral("three"), false);
        QCOMPARE(prompt.currentText(), QStringLiteral("one"));
        QCOMPARE(prompt.queuedMessages(), (QStringList { QStringLiteral("two"), QStringLiteral("three") }));

        fire(prompt.timer());
        QCOMPARE(prompt.currentText(), QStringLiteral("two"));
        fire(prompt.timer());
        QCOMPARE(prompt.currentText(), QStringLiteral("three"));
        QVERIFY(prompt.isVisible());
        fire(prompt.timer());
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
        QCOMPARE(prompt.queuedMessages(), (QStringList { QStringLiteral("two") }));
        fire(prompt.timer());
        QCOMPARE(prompt.currentText(), QStringLiteral("two"));

        // Alone, an immediate message is shown for one period, then the strip hides.
        PromptWidget_SysMsg lone;
        lone.show();
        lone.addMessage(QStringLiteral("now"), true);
        QCOMPARE(lone.currentText(), QStringLiteral("now"));
        QVERIFY(lone.timer()->isActive());
        fire(lone.timer());
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
        QCOMPARE(prompt.queuedMessages(), (QStringList { QStringLiteral("fresh") }));
        QCOMPARE(prompt.currentText(), QStringLiteral("shown"));
        fire(prompt.timer());
        QCOMPARE(prompt.currentText(), QStringLiteral("fresh"));
    }
};

QTEST_MAIN(tst_PromptWidget_SysMsg)
#include "tst_PromptWidget_SysMsg.moc"
