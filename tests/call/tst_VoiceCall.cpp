#include "call/CallTestSupport.h"
#include "call/VoiceCall.h"

#include <QLabel>
#include <QSound>
#include <QtTest>

using namespace TestWindows;

class tst_VoiceCall : public QObject, CallTestSupport
{
    Q_OBJECT

    static Agent_VoIPCallMsg record(
        int event, const QString& caller = QStringLiteral("wang.lei"), const QString& callee = QStringLiteral("bob.li"))
    {
        return callMsg(event, VOIP_CALL_VOICE, event == VOIP_EVENT_ANSWERED ? 1 : 0, caller, callee);
    }
    static QString text(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }
    static bool shown(QWidget* w, const char* name) { return child(w, name)->isVisible(); }

private slots:
    void init() { resetWithUsers(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void holdsTheVoiceMarkUntilTheFacadeDeletesItOnItsSignal()
    {
        auto* w = new VoiceCall(nullptr);
        QPointer<VoiceCall> guard(w);
        QCOMPARE(voip()->GetVoipCallStatus(), 2);
        auto* tone = child<QSound>(w, "ringBackTone");
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/RingBack.wav")));
        QCOMPARE(tone->loops(), 20);
        w->show();
        for (const char* hidden : { "pushButton_mic", "pushButton_player", "whiteBoardBtn" })
            QVERIFY2(!shown(w, hidden), hidden);
        w->setCallInfo(record(0));
        w->setCallInfo(record(1));
        // What the facade does: delete the window at once; the deletion releases the call.
        connect(w, &VoiceCall::sig_CloseVoiceWnd, this, [w] { delete w; });
        journal()->clear();
        QVERIFY(click(w, "pushButton_release_call"));
        QVERIFY(!guard);
        QCOMPARE(journalCalls(), texts({ "ReleaseCall(,0)", "CancelVoipCallStatus(2)" }));
        QCOMPARE(last("ReleaseCall").args.value(0).value<Agent_VoIPCallMsg>(), record(1));
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
    }

    void eventsWalkTheCallThroughItsStatesAndTheClockRuns()
    {
        VoiceCall w;
        w.show();
        auto* tone = child<QSound>(&w, "ringBackTone");
        w.setCallInfo(record(0));
        QCOMPARE(text(&w, "label_call_notice"), QStringLiteral("Through to the.."));
        QVERIFY(!shown(&w, "label_time"));
        QVERIFY(!tone->isFinished()); // the ring-back plays

        auto* timer = child<QTimer>(&w, "talkTimer");
        QVERIFY(!timer->isActive());
        w.setCallInfo(record(3));
        QCOMPARE(text(&w, "label_call_notice"), QStringLiteral("In the call.."));
        QVERIFY(tone->isFinished());
        QVERIFY(shown(&w, "label_time") && shown(&w, "pushButton_mic") && shown(&w, "pushButton_player"));
        QVERIFY(!shown(&w, "whiteBoardBtn")); // no whiteboard authority
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        for (int i = 0; i < 3661; ++i)
            fire(timer);
        QCOMPARE(text(&w, "label_time"), QStringLiteral("01:01:01"));

        // Events the window does not know change nothing.
        w.setCallInfo(record(9));
        QCOMPARE(text(&w, "label_call_notice"), QStringLiteral("In the call.."));
    }

    void peerNameComesFromTheDirectoryOrTheNumberElidedToTheLabel()
    {
        business()->getAddressBookView()->addPerson(
            makePerson(QStringLiteral("zoe.wu"), QStringLiteral("Zoe Wu"), QStringLiteral("13912345678")));
        const auto shownFor = [](const QString& caller, const QString& callee) {
            VoiceCall w;
            w.setCallInfo(record(0, caller, callee));
            return text(&w, "label_name");
        };
        const QString me = QStringLiteral("wang.lei");
        QCOMPARE(shownFor(me, QStringLiteral("bob.li")), QStringLiteral("Bob Li")); // placed: the callee
        QCOMPARE(shownFor(QStringLiteral("bob.li"), me), QStringLiteral("Bob Li")); // answered: the caller
        QCOMPARE(shownFor(me, QStringLiteral("13912345678")), QStringLiteral("Zoe Wu"));
        QCOMPARE(shownFor(me, QStringLiteral("nobody.here")), QStringLiteral("nobody.here"));

        // A long name is elided to the laid-out label.
        const QString longName = QStringLiteral("Bartholomew Alexander Montgomery-Featherstonehaugh the Third");
        business()->getAddressBookView()->addPerson(makePerson(QStringLiteral("long"), longName));
        VoiceCall w;
        // As the facade does it: the record first, then the window is shown and laid out.
        w.setCallInfo(record(0, QStringLiteral("wang.lei"), QStringLiteral("long")));
        w.show();
        auto* name = child<QLabel>(&w, "label_name");
        QTRY_VERIFY(name->width() > 300);
        QVERIFY(name->text().endsWith(QChar(0x2026)));
        const int width = name->fontMetrics().horizontalAdvance(name->text());
        QVERIFY(width <= name->width() && width > name->width() * 2 / 3);
        QCOMPARE(name->toolTip(), longName);
    }

    void hangUpAndCloseOnlyAskTheFacadeAndEscapeDoesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("hang up") << QStringLiteral("pushButton_release_call");
        QTest::newRow("close button") << QStringLiteral("pushButton_close");
        QTest::newRow("window closed") << QString();
    }
    void hangUpAndCloseOnlyAskTheFacadeAndEscapeDoesNothing()
    {
        QFETCH(QString, how);
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3));
        QSignalSpy closing(&w, &VoiceCall::sig_CloseVoiceWnd);
        QSignalSpy whiteboardClosing(business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(closing.count(), 0);
        QVERIFY(w.isVisible());
        if (how.isEmpty())
            w.close();
        else
            QVERIFY(click(&w, qPrintable(how)));
        QCOMPARE(closing.count(), 1);
        QCOMPARE(whiteboardClosing.count(), 1);
        // Not released here: the facade's deletion of the window does it.
        QCOMPARE(count("ReleaseCall"), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), 2);
    }
};

QTEST_MAIN(tst_VoiceCall)
#include "tst_VoiceCall.moc"
