#include "BusinessFixture.h"
#include "VoipCallIncoming.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSound>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

class tst_VoipCallIncoming : public QObject
{
    Q_OBJECT

    VoipView* voip() { return BusinessFixture::business()->getVoipView(); }

    static Agent_VoIPComingInfo coming(int type = 0)
    {
        Agent_VoIPComingInfo info;
        info.callType = type;
        info.callId = QStringLiteral("call-7");
        info.callerAccount = QStringLiteral("bob.li");
        info.callerName = QStringLiteral("bob (server)");
        info.extra = QStringLiteral("{\"x\":1}");
        return info;
    }
    static QString text(QWidget* w, const char* label) { return w->findChild<QLabel*>(QLatin1String(label))->text(); }
    static QTimer* ringTimer(QWidget* w) { return w->findChild<QTimer*>(QStringLiteral("ringTimer")); }
    static QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
    // The ReleaseCall entries of the journal as (call id, reason).
    QList<QPair<QString, int>> releases() const
    {
        QList<QPair<QString, int>> out;
        for (const JournalEntry& e : BusinessFixture::journal()->entries()) {
            if (e.operation == QLatin1String("ReleaseCall"))
                out << qMakePair(e.args.value(0).value<Agent_VoIPComingInfo>().callId, e.args.value(1).toInt());
        }
        return out;
    }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("wang.lei"), QStringLiteral("Wang Lei"));
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }

    void windowIsARingingCornerWindowThatHoldsTheIncomingMark()
    {
        {
            VoipCallIncoming w;
            QCOMPARE(w.windowTitle(), QStringLiteral("语音呼叫"));
            QCOMPARE(w.size(), QSize(338, 168));
            QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_INCOMING));
            auto* tone = w.findChild<QSound*>(QStringLiteral("ringTone"));
            QVERIFY(tone);
            QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
            QCOMPARE(tone->loops(), 20);
            QCOMPARE(text(&w, "label_name"), QStringLiteral("Name"));
            QCOMPARE(text(&w, "label_notice"), QStringLiteral("Call prompt"));
        }
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("CancelVoipCallStatus")).args.value(0).toInt(), 8);
    }

    void comingInfoFillsTheLabelsAndComesBackUnchanged()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        QCOMPARE(text(&w, "label_name"), QStringLiteral("Bob Li"));
        QCOMPARE(text(&w, "label_notice"), QStringLiteral("You receive a voice call..."));
        QCOMPARE(w.getComingInfo(), coming(0));

        w.setComingInfo(coming(1));
        QCOMPARE(text(&w, "label_notice"), QStringLiteral("You receive a video call..."));
        QCOMPARE(w.getComingInfo(), coming(1));
    }

    void unknownCallTypeAndUnknownCallerKeepThePlaceholders()
    {
        VoipCallIncoming w;
        Agent_VoIPComingInfo info = coming(5);
        info.callerAccount = QStringLiteral("stranger");
        w.setComingInfo(info);
        QCOMPARE(text(&w, "label_notice"), QStringLiteral("Call prompt"));
        QCOMPARE(text(&w, "label_name"), QStringLiteral("Name"));
        QCOMPARE(w.getComingInfo(), info);
    }

    void answeringOnlyAsksTheFacade()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(1));
        w.show();
        QSignalSpy accepted(&w, &VoipCallIncoming::sig_AcceptCallIncoming);
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        button(&w, "pushButton_accept")->click();
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(1));
        QCOMPARE(released.count(), 0);
        QVERIFY(releases().isEmpty());
        QVERIFY(!ringTimer(&w)->isActive());
        // The call is the facade's now: a late hang-up or time-out must not release it.
        button(&w, "pushButton_release")->click();
        w.slot_CallingTimeOut();
        QVERIFY(releases().isEmpty());
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
        connect(&w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [&] { QCOMPARE(releases().size(), 1); });
        if (fromBusiness)
            emit voip()->sig_RejectCallIncoming();
        else
            button(&w, "pushButton_release")->click();
        QCOMPARE(releases(), (QList<QPair<QString, int>> { { QStringLiteral("call-7"), 175603 } }));
        const JournalEntry entry = BusinessFixture::journal()->last(QStringLiteral("ReleaseCall"));
        QCOMPARE(entry.args.value(0).value<Agent_VoIPComingInfo>(), coming(0));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.at(0).at(0).value<Agent_VoIPComingInfo>(), coming(0));
        QVERIFY(!ringTimer(&w)->isActive());
        // Released once, whatever comes after.
        emit voip()->sig_RejectCallIncoming();
        w.slot_OnNoResponse();
        QCOMPARE(releases().size(), 1);
        QCOMPARE(released.count(), 1);
    }

    void ringingTimesOutAfter50SecondsAsNotAnswered()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        QTimer* timer = ringTimer(&w);
        QVERIFY(!timer->isActive());
        w.show();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50000);
        QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
        QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(releases(), (QList<QPair<QString, int>> { { QStringLiteral("call-7"), 175408 } }));
        QCOMPARE(released.count(), 1);
    }

    void deletingTheWindowOnItsSignalIsSafe()
    {
        // What the facade does: delete at once on the window's signal.
        auto* w = new VoipCallIncoming(nullptr);
        w->setComingInfo(coming(0));
        w->show();
        QPointer<VoipCallIncoming> guard(w);
        connect(w, &VoipCallIncoming::sig_ReleaseCallIncoming, this, [w] { delete w; });
        button(w, "pushButton_release")->click();
        QVERIFY(!guard);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        // Business signals for the gone window reach nobody.
        emit voip()->sig_RejectCallIncoming();
        QCOMPARE(releases().size(), 1);
    }

    void showingAgainRestartsTheRingAndReturnsToTheCorner()
    {
        VoipCallIncoming w;
        w.setComingInfo(coming(0));
        w.show();
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(w.pos(), QPoint(desk.right() + 1 - w.width(), desk.bottom() + 1 - w.height()));
        QTimer* timer = ringTimer(&w);
        timer->stop();
        w.hide();
        w.move(5, 5);
        w.show();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50000);
        QCOMPARE(w.pos(), QPoint(desk.right() + 1 - w.width(), desk.bottom() + 1 - w.height()));
    }

    void missingRingFileIsHarmless()
    {
        QTemporaryDir empty;
        const QByteArray saved = qgetenv("KP_APP_PATH");
        qputenv("KP_APP_PATH", empty.path().toLocal8Bit());
        {
            VoipCallIncoming w;
            auto* tone = w.findChild<QSound*>(QStringLiteral("ringTone"));
            QVERIFY(!QFile::exists(tone->fileName()));
            w.setComingInfo(coming(0));
            w.show();
            QSignalSpy released(&w, &VoipCallIncoming::sig_ReleaseCallIncoming);
            w.slot_CallingTimeOut();
            QCOMPARE(released.count(), 1);
        }
        qputenv("KP_APP_PATH", saved);
    }
};

QTEST_MAIN(tst_VoipCallIncoming)
#include "tst_VoipCallIncoming.moc"
