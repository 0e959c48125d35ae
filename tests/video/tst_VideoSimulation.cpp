#include "business/sim/VideoSimulation.h"
#include "support/BusinessFixture.h"
#include "video/ConfSmartVideoPlaySmallInfoWdg.h"
#include "video/ConfSmartVideoPlaySmallWdg.h"

#include <QtTest>

namespace {
UnifiedConferenceView* conf()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}
const QString kA = QStringLiteral("a");
const QString kB = QStringLiteral("b");
constexpr ENUM_CONFMEMBER_DEVICETYPE kDev = CONFMEMBER_DEVICE_PC_OTHER;
} // namespace

class tst_VideoSimulation : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"));
        conf()->setRoster({ BusinessFixture::makeMember(kA, kDev), BusinessFixture::makeMember(kB, kDev),
            BusinessFixture::makeMember(QStringLiteral("c"), kDev) });
        BusinessFixture::journal()->clear();
    }

    void mediaChangesReachTheTileAndTheRoster()
    {
        VideoSimulation sim;
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(*conf()->member(kA, kDev), false);

        QVERIFY(sim.pushCamera(kA, kDev, false));
        QVERIFY(!conf()->member(kA, kDev)->isCameraOpen);
        QVERIFY(!tile.isVideoOn());
        QVERIFY(sim.pushCamera(kA, kDev, true));
        QVERIFY(tile.isVideoOn());
        QVERIFY(sim.pushMicrophone(kA, kDev, false));
        QVERIFY(tile.infoWidget()->isMuted());
        QVERIFY(sim.pushRename(kA, kDev, QStringLiteral("Alice")));
        QCOMPARE(tile.infoWidget()->name(), conf()->member(kA, kDev)->name);

        QVERIFY(sim.pushReconnect(kA, kDev));
        QVERIFY(!tile.isBound());
        QTRY_VERIFY_WITH_TIMEOUT(tile.isBound(), 5000);
        // Unknown members are not invented.
        QVERIFY(!sim.pushCamera(QStringLiteral("ghost"), kDev, true));
        QVERIFY(!sim.pushReconnect(kA, CONFMEMBER_DEVICE_MOBILE));
        QVERIFY(!conf()->member(QStringLiteral("ghost"), kDev));
    }

    void speakerReportsAndTheirRotation()
    {
        VideoSimulation sim;
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(*conf()->member(kB, kDev), false);
        QSignalSpy reports(conf(), &UnifiedConferenceView::sig_onConferenceParticipant);
        sim.pushSpeakers({ qMakePair(kB, kDev) });
        QVERIFY(tile.infoWidget()->isSpeakingShown());
        sim.pushSpeakers({});
        QVERIFY(!tile.infoWidget()->isSpeakingShown());

        sim.pushMicrophone(QStringLiteral("c"), kDev, false); // muted members do not speak
        reports.clear();
        sim.startSpeakerRotation(10000, 1);
        QCOMPARE(sim.speakerRotationTimer()->interval(), 10000);
        QStringList spoke;
        for (int i = 0; i < 3; ++i) {
            QMetaObject::invokeMethod(sim.speakerRotationTimer(), "timeout");
            spoke << reports.takeFirst().at(1).value<QList<Agent_ConferenceParticipantMemberInfo>>().value(0).account;
        }
        QCOMPARE(spoke, (QStringList { kA, kB, kA }));
        sim.stopSpeakerRotation();
        QVERIFY(!sim.isRotatingSpeakers());
    }

    void shareAndMainVenueHaveOneHolder()
    {
        VideoSimulation sim;
        QSignalSpy stops(conf(), &UnifiedConferenceView::sig_onStopShareDesktopNotify);
        QVERIFY(sim.pushShareBegin(kA, kDev));
        QCOMPARE(conf()->state().shareAccount, kA);
        QVERIFY(sim.pushShareBegin(kB, kDev));
        QCOMPARE(stops.count(), 1);
        QVERIFY(!conf()->member(kA, kDev)->isSharing);
        QVERIFY(conf()->member(kB, kDev)->isSharing);
        sim.pushShareEnd();
        QVERIFY(conf()->state().shareAccount.isEmpty());
        QCOMPARE(stops.count(), 2);
        sim.pushShareEnd(); // nobody shares: nothing to report
        QCOMPARE(stops.count(), 2);

        QVERIFY(sim.pushMainVenue(kA, kDev, true));
        QVERIFY(sim.pushMainVenue(kB, kDev, true));
        QVERIFY(!conf()->member(kA, kDev)->isMainVenue);
        QVERIFY(conf()->member(kB, kDev)->isMainVenue);
        QVERIFY(sim.pushMainVenue(kB, kDev, false));
        QVERIFY(!conf()->member(kB, kDev)->isMainVenue);
    }
};

QTEST_MAIN(tst_VideoSimulation)
#include "tst_VideoSimulation.moc"
