#include "business/KP_BusinessView.h"
#include "support/BusinessFixture.h"

#include <QSignalSpy>
#include <QtTest>

using F = BusinessFixture;

// The command journal's contract: what the tests and the simulator rely on when
// they read back the operations the module made.
class tst_CommandJournal : public QObject
{
    Q_OBJECT

private slots:
    void init() { F::reset(); }

    void recordsEachOperationWithViewAndArgumentsInOrder()
    {
        F::voip()->SetMute(true);
        F::voip()->MakeCall(1, QStringLiteral("bob"));
        F::voip()->SetMute(false);

        CommandJournal* j = F::journal();
        QCOMPARE(F::journalOps(), F::texts({ "SetMute", "MakeCall", "SetMute" }));
        const QList<JournalEntry> mutes = j->entries(QStringLiteral("SetMute"));
        QCOMPARE(mutes.size(), 2);
        QCOMPARE(mutes.at(0).args, QVariantList { true });
        QCOMPARE(j->last(QStringLiteral("SetMute")).args, QVariantList { false });
        QCOMPARE(j->count(QStringLiteral("SetMute")), 2);
        const JournalEntry call = j->last(QStringLiteral("MakeCall"));
        QCOMPARE(call.view, QStringLiteral("VoipView"));
        QCOMPARE(call.args, QVariantList({ 1, QStringLiteral("bob") }));
        QVERIFY(!call.isQuery);
        QVERIFY(j->contains(QStringLiteral("VoipView"), QStringLiteral("MakeCall")));
        QVERIFY(!j->contains(QStringLiteral("VidyoView"), QStringLiteral("MakeCall")));
    }

    void argumentsAreStoredSoThatTestsCanCompareThem()
    {
        int surface = 0;
        F::conf()->requestStartMemberVideo(QStringLiteral("alice"), CONFMEMBER_DEVICE_PC, &surface);
        const QVariantList video = F::journal()->last(QStringLiteral("requestStartMemberVideo")).args;
        QCOMPARE(video.at(1).userType(), int(QMetaType::Int)); // enums as int
        QCOMPARE(video.at(1).toInt(), 20);
        QCOMPARE(video.at(2).value<quintptr>(), quintptr(&surface)); // handles as quintptr

        F::vidyo()->muteOnePersonOnMuteOrOff(F::makePerson(QStringLiteral("alice")));
        F::vidyo()->removeOutMeeting({});
        QCOMPARE(F::journal()->last(QStringLiteral("muteOnePersonOnMuteOrOff")).args,
            QVariantList { QStringLiteral("alice") });
        QCOMPARE(F::journal()->last(QStringLiteral("removeOutMeeting")).args, QVariantList { QString() });

        Agent_VoIPComingInfo incoming;
        incoming.callId = QStringLiteral("c1");
        incoming.callerAccount = QStringLiteral("bob");
        F::voip()->ReleaseCall(incoming, BusinessReason::CallDeclined);
        const QVariantList release = F::journal()->last(QStringLiteral("ReleaseCall")).args;
        QCOMPARE(release.at(0).value<Agent_VoIPComingInfo>(), incoming);
        QCOMPARE(release.at(1).toInt(), 175603);

        const LandingCallMemberMap phones { { QStringLiteral("13800001111"),
            { QStringLiteral("13800001111"), QStringLiteral("Li"), QString() } } };
        F::conf()->invitePhoneMembers(phones);
        QCOMPARE(
            F::journal()->last(QStringLiteral("invitePhoneMembers")).args.at(0).value<LandingCallMemberMap>(), phones);
    }

    void queriesAreMarkedAndCanBeCountedOnly()
    {
        CommandJournal* j = F::journal();
        QSignalSpy recorded(j, &CommandJournal::sig_recorded);
        F::voip()->GetVoipCallStatus();
        F::voip()->SetVoipCallStatus(2);
        QVERIFY(j->last(QStringLiteral("GetVoipCallStatus")).isQuery);
        QCOMPARE(j->commandOperations(), F::texts({ "SetVoipCallStatus" }));
        QCOMPARE(recorded.count(), 2);

        j->setRecordQueries(false);
        F::voip()->GetVoipCallStatus();
        F::voip()->GetVoipCallStatus();
        F::voip()->CancelVoipCallStatus(2);
        QCOMPARE(j->count(QStringLiteral("GetVoipCallStatus")), 3);
        QCOMPARE(j->entries(QStringLiteral("GetVoipCallStatus")).size(), 1);
        QCOMPARE(j->size(), 3);
        QCOMPARE(recorded.count(), 3); // only the command was announced

        j->clear();
        F::voip()->GetVoipCallStatus();
        QVERIFY(!j->last(QStringLiteral("GetVoipCallStatus")).isValid());
        QVERIFY(j->contains(QStringLiteral("VoipView"), QStringLiteral("GetVoipCallStatus")));
    }

    void disabledJournalRecordsNothingButViewsStillWork()
    {
        CommandJournal* j = F::journal();
        QSignalSpy recorded(j, &CommandJournal::sig_recorded);
        j->setEnabled(false);
        F::voip()->SetVoipCallStatus(4);
        QCOMPARE(F::voip()->GetVoipCallStatus(), 4);
        QCOMPARE(j->size(), 0);
        QCOMPARE(j->count(QStringLiteral("SetVoipCallStatus")), 0);
        QVERIFY(!j->contains(QStringLiteral("VoipView"), QStringLiteral("SetVoipCallStatus")));
        QCOMPARE(recorded.count(), 0);
    }

    void fullJournalDropsOldestHalfButKeepsCountsAndLast()
    {
        CommandJournal* j = F::journal();
        j->setCapacity(10);
        for (int i = 0; i < 25; ++i)
            F::voip()->selectspeaker(i);
        QVERIFY(j->size() <= 10);
        QVERIFY(j->size() >= 5);
        QCOMPARE(j->count(QStringLiteral("selectspeaker")), 25);
        QCOMPARE(j->last(QStringLiteral("selectspeaker")).args, QVariantList { 24 });
        const QList<JournalEntry> kept = j->entries();
        for (int i = 0; i < kept.size(); ++i) // the newest are the ones kept, in order
            QCOMPARE(kept.at(i).args.at(0).toInt(), 25 - kept.size() + i);

        j->clear();
        QCOMPARE(j->count(QStringLiteral("selectspeaker")), 0);
        QVERIFY(!j->last(QStringLiteral("selectspeaker")).isValid());
    }

    void receiverThatRecordsMoreIsSafe()
    {
        // The simulator answers from sig_recorded and may call views itself.
        CommandJournal* j = F::journal();
        j->setCapacity(4);
        QStringList seen;
        QObject context;
        connect(j, &CommandJournal::sig_recorded, &context, [&](const JournalEntry& e) {
            seen << e.operation;
            if (e.operation == QLatin1String("MakeCall")) {
                for (int i = 0; i < 6; ++i)
                    F::voip()->selectmmicphone(i);
            }
        });
        // A later receiver still gets the entry intact.
        QStringList seenLater;
        connect(j, &CommandJournal::sig_recorded, &context,
            [&](const JournalEntry& e) { seenLater << e.operation + e.args.value(1).toString(); });
        F::voip()->MakeCall(0, QStringLiteral("bob"));
        QCOMPARE(seenLater.last(), QStringLiteral("MakeCallbob"));
        QCOMPARE(seen.first(), QStringLiteral("MakeCall"));
        QCOMPARE(seen.size(), 7);
        QCOMPARE(j->count(QStringLiteral("selectmmicphone")), 6);
        QCOMPARE(j->last(QStringLiteral("MakeCall")).args.at(1).toString(), QStringLiteral("bob"));
    }
};

QTEST_MAIN(tst_CommandJournal)
#include "tst_CommandJournal.moc"
