#include "call/CallTestSupport.h"
#include "call/VoipCallIncoming.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSound>
#include <QtTest>

using namespace TestWindows;

class tst_VoipCallIncoming : public QObject, CallTestSupport
{
    Q_OBJECT

    static Agent_VoIPComingInfo coming(int type, const QString& caller = QStringLiteral("bob.li"))
    {
        Agent_VoIPComingInfo info;
        info.callType = type;
        info.callId = QStringLiteral("call-7");
        info.callerAccount = caller;
        info.callerName = QStringLiteral("bob (server)");
        info.extra = QStringLiteral("{\"x\":1}");
        return info;
    }
    static QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }
    static QTimer* ringTimer(QWidget* w) { return child<QTimer>(w, "ringTimer"); }
    static QVariantList reasons() { return argsOf("ReleaseCall", 1); }

private slots:
    void init() { resetWithUsers(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void answeringOnlyAsksTheFacade()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(VOIP_CALL_VIDEO));
        w.show();
        QSignalSpy accepted(&w, &VoipCallIncoming::sig_AcceptCallIncoming);
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        QVERIFY(click(&w, "pushButton_accept"));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(VOIP_CALL_VIDEO));
        QVERIFY(!ringTimer(&w)->isActive());
        // The call is the facade's now: a late hang-up or time-out must not release it.
        QVERIFY(click(&w, "pushButton_release"));
        w.slot_CallingTimeOut();
        QVERIFY(reasons().isEmpty() && released.isEmpty());
        QCOMPARE(accepted.count(), 1);
    }

    void ringingCallIgnoresEscapeAndReleasesAsDeclined_data()
    {
        QTest::addColumn<bool>("fromBusiness");
        QTest::newRow("hang-up button") << false;
        QTest::newRow("sig_RejectCallIncoming") << true;
    }
    void ringingCallIgnoresEscapeAndReleasesAsDeclined()
    {
        QFETCH(bool, fromBusiness);
        VoipCallIncoming w;
        w.setComingInfo(coming(VOIP_CALL_VOICE));
        w.show();
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        // Escape neither hides nor ends the ringing call; other calls stay refused while it rings.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible() && ringTimer(&w)->isActive());
        QVERIFY(!child<QSound>(&w, "ringTone")->isFinished());
        QVERIFY(reasons().isEmpty() && released.isEmpty());
        QCOMPARE(voip()->GetVoipCallStatus(), 8);
        // The business is told before the facade is asked to close the window.
        connect(&w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [] { QCOMPARE(count("ReleaseCall"), 1); });
        if (fromBusiness)
            emit voip()->sig_RejectCallIncoming();
        else
            QVERIFY(click(&w, "pushButton_release"));
        QCOMPARE(reasons(), QVariantList { 175603 });
        QCOMPARE(last("ReleaseCall").args.value(0).value<Agent_VoIPComingInfo>(), coming(VOIP_CALL_VOICE));
        QCOMPARE(released.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(VOIP_CALL_VOICE));
        QVERIFY(!ringTimer(&w)->isActive());
        // Released once, whatever comes after.
        emit voip()->sig_RejectCallIncoming();
        w.slot_OnNoResponse();
        QCOMPARE(reasons(), QVariantList { 175603 });
        QCOMPARE(released.count(), 1);
    }

    void eachShowingRingsFiftySecondsInTheCornerThenTimesOutAndShowsTheCaller()
    {
        VoipCallIncoming w;
        auto* tone = child<QSound>(&w, "ringTone");
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
        QCOMPARE(tone->loops(), 20);
        w.setComingInfo(coming(VOIP_CALL_VOICE));
        QCOMPARE(text(&w, "label_name"), QStringLiteral("Bob Li")); // the directory's name, not the server's
        QVERIFY(!ringTimer(&w)->isActive());
        // Shown again after being moved away: the full time again, back in the corner.
        w.show();
        ringTimer(&w)->stop();
        w.hide();
        w.move(5, 5);
        w.show();
        QCOMPARE(ringTimer(&w)->interval(), 50000);
        QVERIFY(ringTimer(&w)->isActive());
        QCOMPARE(w.geometry().bottomRight(), QGuiApplication::primaryScreen()->availableGeometry().bottomRight());
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        fire(ringTimer(&w));
        QCOMPARE(reasons(), QVariantList { 175408 });
        QCOMPARE(released.count(), 1);

        // An unknown type and caller keep the form's placeholders.
        VoipCallIncoming odd;
        odd.setComingInfo(coming(5, QStringLiteral("stranger")));
        QCOMPARE(text(&odd, "label_name"), QStringLiteral("Name"));
        QCOMPARE(text(&odd, "label_notice"), QStringLiteral("Call prompt"));
    }

    void theFacadeMayDeleteTheWindowOnItsSignal()
    {
        auto* w = new VoipCallIncoming(nullptr);
        w->setComingInfo(coming(VOIP_CALL_VOICE));
        w->show();
        QPointer<VoipCallIncoming> guard(w);
        connect(w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [w] { delete w; });
        QVERIFY(click(w, "pushButton_release"));
        QVERIFY(!guard);
        QCOMPARE(argsOf("CancelVoipCallStatus", 0), QVariantList { 8 });
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        emit voip()->sig_RejectCallIncoming(); // reaches nobody
        QCOMPARE(reasons(), QVariantList { 175603 });
    }
};

QTEST_MAIN(tst_VoipCallIncoming)
#include "tst_VoipCallIncoming.moc"
