#include "call/CallTestSupport.h"
#include "call/VoiceCall.h"
#include "panels/MoreMenuChild.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSound>
#include <QTimer>
#include <QtTest>

class tst_VoiceCall : public QObject, CallTestSupport
{
    Q_OBJECT

    static Agent_VoIPCallMsg record(
        int event, const QString& caller = QStringLiteral("wang.lei"), const QString& callee = QStringLiteral("bob.li"))
    {
        return callMsg(event, 0, event == 3 ? 1 : 0, caller, callee);
    }
    static QLabel* label(QWidget* w, const char* name) { return child<QLabel>(w, name); }
    static QPushButton* button(QWidget* w, const char* name) { return child<QPushButton>(w, name); }
    static bool sheetHas(QWidget* w, const char* name, const char* image)
    {
        return button(w, name)->styleSheet().contains(QLatin1String(image));
    }

private slots:
    void init()
    {
        resetWithUsers();
        BusinessFixture::business()->getAddressBookView()->addPerson(BusinessFixture::makePerson(
            QStringLiteral("zoe.wu"), QStringLiteral("Zoe Wu"), QStringLiteral("13912345678")));
    }

    void windowHoldsTheVoiceMarkAndReleasesTheCallWhenDeleted()
    {
        auto* w = new VoiceCall(nullptr);
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VOICE));
        auto* tone = child<QSound>(w, "ringBackTone");
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/RingBack.wav")));
        QCOMPARE(tone->loops(), 20);
        w->show();
        for (const char* hidden : { "pushButton_mic", "pushButton_player", "whiteBoardBtn" })
            QVERIFY2(!button(w, hidden)->isVisible(), hidden);
        w->setCallInfo(record(0));
        w->setCallInfo(record(1));
        journal()->clear();
        delete w;
        QCOMPARE(BusinessFixture::journalCommands(), BusinessFixture::texts({ "ReleaseCall", "CancelVoipCallStatus" }));
        const JournalEntry release = last("ReleaseCall");
        QCOMPARE(release.args.value(0).value<Agent_VoIPCallMsg>(), record(1));
        QCOMPARE(release.args.value(1).toInt(), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
    }

    void eventsWalkTheCallThroughItsStatesAndTheClockRuns()
    {
        VoiceCall w;
        w.show();
        w.setCallInfo(record(0));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("Through to the.."));
        QVERIFY(!label(&w, "label_time")->isVisible());
        w.setCallInfo(record(1));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("Wait for someone to answer.."));
        QCOMPARE(w.getCallInfo(), record(1));

        auto* timer = child<QTimer>(&w, "talkTimer");
        QVERIFY(!timer->isActive());
        w.setCallInfo(record(3));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("In the call.."));
        QVERIFY(label(&w, "label_time")->isVisible());
        QVERIFY(button(&w, "pushButton_mic")->isVisible());
        QVERIFY(button(&w, "pushButton_player")->isVisible());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        for (int i = 0; i < 3661; ++i)
            QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(label(&w, "label_time")->text(), QStringLiteral("01:01:01"));

        // Events the window does not know change nothing but the record.
        w.setCallInfo(record(9));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("In the call.."));
        QCOMPARE(w.getCallInfo(), record(9));
    }

    void peerNameComesFromTheDirectoryOrTheNumber()
    {
        const auto shownFor = [](const QString& caller, const QString& callee) {
            VoiceCall w;
            w.setCallInfo(record(0, caller, callee));
            return label(&w, "label_name")->text();
        };
        const QString me = QStringLiteral("wang.lei");
        QCOMPARE(shownFor(me, QStringLiteral("bob.li")), QStringLiteral("Bob Li")); // placed: the callee
        QCOMPARE(shownFor(QStringLiteral("bob.li"), me), QStringLiteral("Bob Li")); // answered: the caller
        QCOMPARE(shownFor(me, QStringLiteral("13912345678")), QStringLiteral("Zoe Wu"));
        QCOMPARE(shownFor(me, QStringLiteral("nobody.here")), QStringLiteral("nobody.here"));
    }

    void longNamesAreElidedToTheLaidOutLabel()
    {
        const QString longName = QStringLiteral("Bartholomew Alexander Montgomery-Featherstonehaugh the Third");
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("long"), longName));
        VoiceCall w;
        // As the facade does it: the record first, then the window is shown and laid out.
        w.setCallInfo(record(0, QStringLiteral("wang.lei"), QStringLiteral("long")));
        w.show();
        QLabel* name = label(&w, "label_name");
        QTRY_VERIFY(name->width() > 300);
        QVERIFY(name->text().endsWith(QChar(0x2026)));
        const int shown = name->fontMetrics().horizontalAdvance(name->text());
        QVERIFY(shown <= name->width() && shown > name->width() * 2 / 3);
        QCOMPARE(name->toolTip(), longName);
    }

    void whiteboardNeedsTheAuthorityAndStartsWithThePeer()
    {
        {
            VoiceCall w;
            w.show();
            w.setCallInfo(record(3));
            QVERIFY(!button(&w, "whiteBoardBtn")->isVisible());
        }
        BusinessFixture::business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        WhiteBoardView* board = BusinessFixture::business()->getWhiteBoardView();
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3, QStringLiteral("bob.li"), QStringLiteral("wang.lei")));
        QVERIFY(button(&w, "whiteBoardBtn")->isVisible());
        button(&w, "whiteBoardBtn")->click();
        QCOMPARE(argsOf("startWhiteBoard", 0), QVariantList { QStringLiteral("bob.li") });

        // Already in a room: it is shown and entered instead.
        board->state().inMeeting = true;
        QSignalSpy shown(board, &WhiteBoardView::sig_showWhiteBoardMainWidget);
        button(&w, "whiteBoardBtn")->click();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(count("wb_enterRoomAndSendMessage"), 1);
        QCOMPARE(count("startWhiteBoard"), 1);

        // A whiteboard invitation (311) replaces the room with one with the peer; others do nothing.
        w.slot_onMultimediaMessageAccept(310);
        QCOMPARE(count("wb_leaveRoom"), 0);
        w.slot_onMultimediaMessageAccept(311);
        QCOMPARE(BusinessFixture::journalCommands().mid(BusinessFixture::journalCommands().size() - 2),
            BusinessFixture::texts({ "wb_leaveRoom", "startWhiteBoard" }));
        // Any later event hides the button until the next answer.
        w.setCallInfo(record(1));
        QVERIFY(!button(&w, "whiteBoardBtn")->isVisible());
    }

    void microphoneTogglesThroughQueryAndAnswer()
    {
        VoiceCall w;
        w.setCallInfo(record(3));
        QVERIFY(!sheetHas(&w, "pushButton_mic", "/mutex_init.png"));
        button(&w, "pushButton_mic")->click();
        QCOMPARE(count("GetMuteStatus"), 1);
        QCOMPARE(count("SetMute"), 0);
        emit voip()->sig_onGetMuteStatus(false);
        QCOMPARE(argsOf("SetMute", 0), QVariantList { true });
        // Only the engine's confirmation changes the picture; a failed change leaves it.
        QVERIFY(!sheetHas(&w, "pushButton_mic", "/mutex_init.png"));
        emit voip()->sig_OnSetMuteStatus(0, true);
        QVERIFY(sheetHas(&w, "pushButton_mic", "/mutex_init.png"));
        emit voip()->sig_OnSetMuteStatus(5, false);
        QVERIFY(sheetHas(&w, "pushButton_mic", "/mutex_init.png"));

        // Two presses before the first answer: each answer toggles what the engine reported then.
        journal()->clear();
        button(&w, "pushButton_mic")->click();
        button(&w, "pushButton_mic")->click();
        QCOMPARE(count("GetMuteStatus"), 2);
        emit voip()->sig_onGetMuteStatus(true);
        emit voip()->sig_OnSetMuteStatus(0, false);
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetMuteStatus(0, true);
        QCOMPARE(argsOf("SetMute", 0), (QVariantList { false, true }));
        QVERIFY(sheetHas(&w, "pushButton_mic", "/mutex_init.png"));
    }

    void speakerTogglesThroughQueryAndAnswer()
    {
        VoiceCall w;
        w.setCallInfo(record(3));
        QVERIFY(sheetHas(&w, "pushButton_player", "/play_init.png"));
        button(&w, "pushButton_player")->click();
        QCOMPARE(count("GetSpeakerStatus"), 1);
        emit voip()->sig_OnGetSpeakerStatus(3, 200); // failed query: nothing is set
        QCOMPARE(count("SetSpeakerStatus"), 0);
        emit voip()->sig_OnGetSpeakerStatus(0, 200);
        emit voip()->sig_OnSetSpeakerStatus(0, 0);
        QVERIFY(sheetHas(&w, "pushButton_player", "/disable_play_init.png"));
        emit voip()->sig_OnSetSpeakerStatus(1, 255); // failed change
        QVERIFY(sheetHas(&w, "pushButton_player", "/disable_play_init.png"));
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        QCOMPARE(argsOf("SetSpeakerStatus", 0), (QVariantList { 0u, 255u }));
        emit voip()->sig_OnSetSpeakerStatus(0, 255);
        QVERIFY(!sheetHas(&w, "pushButton_player", "/disable_play_init.png"));
    }

    void hangUpAndCloseOnlyAskTheFacade_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("hang up") << QStringLiteral("pushButton_release_call");
        QTest::newRow("close button") << QStringLiteral("pushButton_close");
        QTest::newRow("window closed") << QString();
    }
    void hangUpAndCloseOnlyAskTheFacade()
    {
        QFETCH(QString, how);
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3));
        QSignalSpy closing(&w, &VoiceCall::sig_CloseVoiceWnd);
        QSignalSpy whiteboardClosing(
            BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        // A stray Escape does not end the call.
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(closing.count(), 0);
        QVERIFY(w.isVisible());
        if (how.isEmpty())
            w.close();
        else
            w.findChild<QPushButton*>(how)->click();
        QCOMPARE(closing.count(), 1);
        QCOMPARE(whiteboardClosing.count(), 1);
        QCOMPARE(count("ReleaseCall"), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VOICE));
    }

    void theFacadeMayDeleteTheWindowOnItsSignal_data()
    {
        QTest::addColumn<bool>("byClose");
        QTest::newRow("hang-up button") << false;
        QTest::newRow("close()") << true;
    }
    void theFacadeMayDeleteTheWindowOnItsSignal()
    {
        QFETCH(bool, byClose);
        auto* w = new VoiceCall(nullptr);
        w->show();
        w->setCallInfo(record(3));
        QPointer<VoiceCall> guard(w);
        connect(w, &VoiceCall::sig_CloseVoiceWnd, this, [w] { delete w; });
        if (byClose)
            w->close();
        else
            button(w, "pushButton_release_call")->click();
        QVERIFY(!guard);
        QCOMPARE(count("ReleaseCall"), 1);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        // Answers for the gone window go nowhere.
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetSpeakerStatus(0, 0);
        QCOMPARE(count("SetMute"), 0);
    }

    void settingsPanelIsCreatedOnceForAudioOnly()
    {
        VoiceCall w;
        w.show();
        button(&w, "btnSetting")->click();
        const QList<MoreMenuChild*> panels = visibleWindows<MoreMenuChild>();
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.first()->mode(), 2);
        panels.first()->hide();
        button(&w, "btnSetting")->click();
        QCOMPARE(visibleWindows<MoreMenuChild>(), panels);
    }
};

QTEST_MAIN(tst_VoiceCall)
#include "tst_VoiceCall.moc"
