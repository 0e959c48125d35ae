// Record and replay of business events: what a recording plays back into a
// fresh module is what the module did the first time.
#include "business/BusinessRecorder.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "facade/KP_MediaConfUI.h"
#include "support/BusinessFixture.h"
#include "support/SimulatorFixture.h"
#include "support/TestWindows.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// What the user saw and what the module asked: the shown windows by kind and
// title, and every command with its arguments.
struct Outcome
{
    QStringList windows;
    QStringList commands;
};

Outcome outcome()
{
    Outcome o;
    for (QWidget* w : TestWindows::visibleWindows())
        o.windows
            << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle());
    o.windows.sort();
    o.commands = BusinessFixture::journalCalls();
    return o;
}

// Through JSON and back, to an equal value (for a pointer, `same` compares what it points to).
template<class T, class Same = std::equal_to<T>> bool roundTrips(const T& value, Same same = Same())
{
    QJsonValue json;
    QVariant back;
    return BusinessArgs::toJson(qMetaTypeId<T>(), &value, &json)
        && BusinessArgs::fromJson(qMetaTypeId<T>(), json, &back) && same(back.value<T>(), value);
}

} // namespace

class tst_RecordReplay : public QObject
{
    Q_OBJECT

private slots:

    void cleanup()
    {
        BusinessFixture::flushDeletes();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void replayShowsWhatTheRecordingShowed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("events.json"));

        // The first time: the simulator plays the server, a recorder listens.
        Outcome recorded;
        {
            auto sim = startSimulator(12);
            BusinessRecorder recorder;
            QString error;
            QVERIFY2(recorder.start(path, QJsonObject(), &error), qPrintable(error));
            auto facade = std::make_unique<KP_MediaConfUI>();
            BusinessFixture::journal()->clear();
            // A call rings and is hung up by the caller; invitations come to a conference and a meeting.
            sim->pushIncomingCall(VOIP_CALL_VOICE, QStringLiteral("bob.li"));
            QTRY_VERIFY(!TestWindows::visibleWindows().isEmpty());
            QVERIFY(sim->pushRemoteHangUp());
            ConferenceBriefInfo brief;
            brief.confId = QStringLiteral("c-7");
            brief.subject = QStringLiteral("Weekly");
            sim->pushConferenceInvitation(brief, QStringLiteral("wang.lei"));
            sim->pushMeetingInvitation(2, QStringLiteral("chen.zhang"), QStringLiteral("m-3"));
            sim->pushVidyoInvitation(0, QStringLiteral("david.liu"));
            QCoreApplication::processEvents();
            BusinessFixture::flushDeletes();
            recorded = outcome();
            QVERIFY(recorder.recorded() > 5);
            recorder.stop();
            facade.reset();
        }
        QVERIFY(!recorded.windows.isEmpty());
        QVERIFY(!recorded.commands.isEmpty());
        BusinessFixture::flushDeletes();

        // Again, from the file alone, into a fresh module with a silent server.
        QList<BusinessEvent> events;
        QString error;
        QVERIFY2(BusinessEventFile::read(path, nullptr, &events, &error), qPrintable(error));
        auto sim = startSimulator(12);
        sim->setAnswering(false);
        auto facade = std::make_unique<KP_MediaConfUI>();
        BusinessFixture::journal()->clear();
        for (const BusinessEvent& e : events)
            QVERIFY2(BusinessRecorder::emitEvent(e, &error), qPrintable(error));
        QCoreApplication::processEvents();
        BusinessFixture::flushDeletes();
        const Outcome replayed = outcome();
        QCOMPARE(replayed.windows, recorded.windows);
        QCOMPARE(replayed.commands, recorded.commands);
        facade.reset();
    }

    void recordsKeepEveryField()
    {
        ConferenceMemberInfo member { QStringLiteral("bob"), QStringLiteral("Bob"), 2, 7, true, true, true, true, true,
            true, true, true, true, true, CONFMEMBER_DEVICE_PC };
        ConferenceBriefInfo brief { QStringLiteral("c-1"), QStringLiteral("Weekly"), QStringLiteral("{\"topics\":[]}"),
            QStringLiteral("Ann"), QStringLiteral("https://x/join"), QStringLiteral("{\"room\":1}"),
            QStringLiteral("{\"groupId\":\"g-1\"}"), QStringLiteral("ann"), QStringLiteral("1234"), 1764900000, 42,
            CONFERENCE_TYPE_GROUP, CONF_MEDIA_VIDEO };
        VidyoJsonTransferData vidyo;
        int n = 0;
        for (QString* field : { &vidyo.msgId, &vidyo.msgType, &vidyo.roomId, &vidyo.callKind, &vidyo.roomKey,
                 &vidyo.roomUrl, &vidyo.portal, &vidyo.roomPin, &vidyo.subject, &vidyo.groupId, &vidyo.sendTime,
                 &vidyo.toAccount, &vidyo.fromName, &vidyo.fromAccount })
            *field = QString::number(++n);
        Agent_VoIPCallMsg call { VOIP_EVENT_RELEASED, VOIP_CALL_VIDEO, QStringLiteral("call-9"), QStringLiteral("me"),
            QStringLiteral("bob"), QStringLiteral("Me"), QStringLiteral("Bob"), QStringLiteral("x"), 1 };
        Agent_ECShareDeviceInfo screen;
        screen.windowId = 77;
        screen.setTitle(QStringLiteral("Slides"));

        QVERIFY(roundTrips(member));
        QVERIFY(roundTrips(brief));
        QVERIFY(roundTrips(vidyo));
        QVERIFY(roundTrips(call));
        QVERIFY(roundTrips(QList<ConferenceMemberInfo> { member, member }));
        QVERIFY(roundTrips(QList<Agent_ECShareDeviceInfo> { screen }));
        QVERIFY(roundTrips(CONFMEMBER_DEVICE_PC));
        const auto person = BusinessFixture::makePerson(
            QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("139"), QStringLiteral("Sales"));
        QVERIFY(roundTrips(person, [](const auto& copy, const auto& p) {
            return copy->account() == p->account() && copy->displayName() == p->displayName()
                && copy->phoneNumber() == p->phoneNumber() && copy->department() == p->department();
        }));
    }

    void badFilesReplayNothing()
    {
        BusinessFixture::reset();
        const QByteArray head = "{\"format\":\"kp-business-events\",\"version\":1,\"events\":[\n";
        const QByteArray event = "{\"t\":5,\"view\":\"VoipView\",\"signal\":\"sig_closeVideoCallWnd()\",\"args\":[]}";
        // Malformed files: an error, and no event.
        const QList<QByteArray> malformed { "", "not json", "{\"format\":\"other\",\"version\":1,\"events\":[]}",
            "{\"format\":\"kp-business-events\",\"version\":2,\"events\":[]}",
            "{\"format\":\"kp-business-events\",\"version\":1}", head + "{\"t\":1,\"view\":\"VoipView\",\"args\":[]}]}",
            head + "{\"t\":1,\"view\":\"VoipView\",\"signal\":\"sig_closeVideoCallWnd()\",\"args\":3}]}",
            head + event + ",\n7]}" };
        for (const QByteArray& text : malformed) {
            QList<BusinessEvent> events { BusinessEvent() };
            QString error;
            QVERIFY2(!BusinessEventFile::parse(text, nullptr, &events, &error), text.constData());
            QVERIFY2(!error.isEmpty() && events.isEmpty(), text.constData());
        }
        // A recording cut short by a crash: its whole events.
        QList<BusinessEvent> events;
        QString error;
        QVERIFY2(BusinessEventFile::parse(head + event + "\n," + event + "\n,{\"t\":9,\"vi", nullptr, &events, &error),
            qPrintable(error));
        QCOMPARE(events.size(), 2);
        QCOMPARE(events.at(1).t, qint64(5));

        // Events the module cannot take are skipped, and nothing is emitted.
        QSignalSpy spy(BusinessFixture::business()->getVoipView(), &VoipView::sig_CallEvents);
        const QString callEvents = QStringLiteral("sig_CallEvents(int,Agent_VoIPCallMsg)");
        const QString voip = QStringLiteral("VoipView");
        const QList<BusinessEvent> skipped {
            { 0, QStringLiteral("NoSuchView"), callEvents, { 200, QJsonObject() } },
            { 0, voip, QStringLiteral("sig_noSuchSignal()"), {} },
            { 0, voip, callEvents, { 200 } },
            { 0, voip, callEvents, { QStringLiteral("200"), QJsonObject() } },
            { 0, voip, callEvents, { 200, QJsonObject { { QStringLiteral("callId"), 5 } } } },
        };
        for (const BusinessEvent& e : skipped)
            QVERIFY2(!BusinessRecorder::emitEvent(e, &error), qPrintable(e.signal));
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(tst_RecordReplay)
#include "tst_RecordReplay.moc"
