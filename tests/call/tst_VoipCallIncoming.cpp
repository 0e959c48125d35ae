#include "call/CallTestSupport.h"
#include "call/VoipCallIncoming.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QSound>
#include <QTimer>
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
    // The ReleaseCall entries of the journal as (call id, reason).
    static QList<QPair<QString, int>> releases()
    {
        QList<QPair<QString, int>> out;
        for (const JournalEntry& e : journal()->entries(QStringLiteral("ReleaseCall")))
            out << qMakePair(e.args.value(0).value<Agent_VoIPComingInfo>().callId, e.args.value(1).toInt());
        return out;
    }
    static QList<QPair<QString, int>> releasedAs(int reason) { return { { QStringLiteral("call-7"), reason } }; }

private slots:
    void init() { resetWithUsers(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void ringsAndHoldsTheIncomingMarkWhileItLives()
    {
        {
            VoipCallIncoming w;
            // While set, the facade opens no second incoming window and no outgoing call.
            QCOMPARE(voip()->GetVoipCallStatus(), 8);
            auto* tone = child<QSound>(&w, "ringTone");
            QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
            QCOMPARE(tone->loops(), 20);
        }
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        QCOMPARE(argsOf("CancelVoipCallStatus", 0), QVariantList { 8 });
    }

    void comingInfoFillsTheLabelsAndComesBackUnchanged()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        QCOMPARE(text(&w, "label_name"), QStringLiteral("Bob Li"));
        QCOMPARE(text(&w, "label_notice"), QStringLiteral("You receive a voice call..."));
        w.setComingInfo(coming(1));
        QCOMPARE(text(&w, "label_notice"), QStringLiteral("You receive a video call..."));
        QCOMPARE(w.getComingInfo(), coming(1));
        // An unknown type and caller keep the form's placeholders.
        VoipCallIncoming odd;
        odd.setComingInfo(coming(5, QStringLiteral("stranger")));
        QCOMPARE(text(&odd, "label_name"), QStringLiteral("Name"));
        QCOMPARE(text(&odd, "label_notice"), QStringLiteral("Call prompt"));
        QCOMPARE(odd.getComingInfo(), coming(5, QStringLiteral("stranger")));
    }

    void answeringOnlyAsksTheFacade()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(1));
        w.show();
        QSignalSpy accepted(&w, &VoipCallIncoming::sig_AcceptCallIncoming);
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        QVERIFY(click(&w, "pushButton_accept"));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(1));
        QVERIFY(!ringTimer(&w)->isActive());
        // The call is the facade's now: a late hang-up or time-out must not release it.
        QVERIFY(click(&w, "pushButton_release"));
        w.slot_CallingTimeOut();
        QVERIFY(releases().isEmpty());
        QCOMPARE(released.count(), 0);
        QCOMPARE(accepted.count(), 1);
    }

    void hangUpAndBusinessRejectReleaseAsDeclined_data()
    {
        QTest::addColumn<bool>("fromBusiness");
        QTest::newRow("hang-up button") << false;
        QTest::newRow("sig_RejectCallIncoming") << true;
    }
    void hangUpAndBusinessRejectReleaseAsDeclined()
    {
        QFETCH(bool, fromBusiness);
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        w.show();
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        // The business is told before the facade is asked to close the window.
        connect(&w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [] { QCOMPARE(releases().size(), 1); });
        if (fromBusiness)
            emit voip()->sig_RejectCallIncoming();
        else
            QVERIFY(click(&w, "pushButton_release"));
        QCOMPARE(releases(), releasedAs(175603));
        QCOMPARE(last("ReleaseCall").args.value(0).value<Agent_VoIPComingInfo>(), coming(0));
        QCOMPARE(released.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(0));
        QVERIFY(!ringTimer(&w)->isActive());
        // Released once, whatever comes after.
        emit voip()->sig_RejectCallIncoming();
        w.slot_OnNoResponse();
        QCOMPARE(releases().size(), 1);
        QCOMPARE(released.count(), 1);
    }

    void eachShowingRingsFiftySecondsInTheCornerThenTimesOut()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        QVERIFY(!ringTimer(&w)->isActive());
        // Shown again after being moved away: the full time again, back in the corner.
        w.show();
        ringTimer(&w)->stop();
        w.hide();
        w.move(5, 5);
        w.show();
        QVERIFY(ringTimer(&w)->isActive());
        QCOMPARE(ringTimer(&w)->interval(), 50000);
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(w.geometry().bottomRight(), desk.bottomRight());

        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        BusinessFixture::fire(ringTimer(&w));
        QCOMPARE(releases(), releasedAs(175408));
        QCOMPARE(released.count(), 1);
    }

    void escapeNeitherHidesNorEndsTheRingingCall()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        w.show();
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible() && ringTimer(&w)->isActive());
        QVERIFY(!child<QSound>(&w, "ringTone")->isFinished());
        QVERIFY(releases().isEmpty() && released.isEmpty());
        QCOMPARE(voip()->GetVoipCallStatus(), 8); // other calls stay refused while it rings
    }

    void deletingTheWindowOnItsSignalIsSafe()
    {
        // What the facade does: delete at once on the window's signal.
        auto* w = new VoipCallIncoming(nullptr);
        w->setComingInfo(coming(0));
        w->show();
        QPointer<VoipCallIncoming> guard(w);
        connect(w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [w] { delete w; });
        QVERIFY(click(w, "pushButton_release"));
        QVERIFY(!guard);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        emit voip()->sig_RejectCallIncoming(); // reaches nobody
        QCOMPARE(releases().size(), 1);
    }
};

QTEST_MAIN(tst_VoipCallIncoming)
#include "tst_VoipCallIncoming.moc"
