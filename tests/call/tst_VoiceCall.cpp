#include "BusinessFixture.h"
#include "MoreMenuChild.h"
#include "VoiceCall.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSound>
#include <QTimer>
#include <QtTest>

class tst_VoiceCall : public QObject
{
    Q_OBJECT

    KP_BusinessView* business() { return BusinessFixture::business(); }
    VoipView* voip() { return business()->getVoipView(); }
    CommandJournal* journal() { return BusinessFixture::journal(); }

    static Agent_VoIPCallMsg record(
        int event, const QString& caller = QStringLiteral("wang.lei"), const QString& callee = QStringLiteral("bob.li"))
    {
        Agent_VoIPCallMsg msg;
        msg.eventCode = event;
        msg.callType = 0;
        msg.callId = QStringLiteral("call-1");
        msg.callerAccount = caller;
        msg.calleeAccount = callee;
        msg.extra = QStringLiteral("kept");
        msg.mediaConnected = event == 3 ? 1 : 0;
        return msg;
    }
    static QLabel* label(QWidget* w, const char* name) { return w->findChild<QLabel*>(QLatin1String(name)); }
    static QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
    static bool micMuted(QWidget* w)
    {
        const QString sheet = button(w, "pushButton_mic")->styleSheet();
        return sheet.contains(QStringLiteral("/mutex_init.png"));
    }
    static bool speakerOn(QWidget* w)
    {
        const QString sheet = button(w, "pushButton_player")->styleSheet();
        return sheet.contains(QStringLiteral("/play_init.png"));
    }
    int count(const char* op) { return journal()->count(QLatin1String(op)); }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("wang.lei"), QStringLiteral("Wang Lei"));
        AddressBookView* book = business()->getAddressBookView();
        book->addPerson(BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
        book->addPerson(BusinessFixture::makePerson(
            QStringLiteral("zoe.wu"), QStringLiteral("Zoe Wu"), QStringLiteral("13912345678")));
    }

    void freshWindowHoldsTheVoiceMarkWithControlsHidden()
    {
        VoiceCall w;
        QCOMPARE(w.windowTitle(), QStringLiteral("语音通话"));
        QCOMPARE(w.minimumSize(), QSize(365, 285));
        QCOMPARE(w.maximumSize(), QSize(365, 285));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VOICE));
        w.show();
        QVERIFY(!button(&w, "pushButton_mic")->isVisible());
        QVERIFY(!button(&w, "pushButton_player")->isVisible());
        QVERIFY(!button(&w, "whiteBoardBtn")->isVisible());
        QVERIFY(button(&w, "pushButton_release_call")->isVisible());
        QCOMPARE(label(&w, "label_time")->text(), QStringLiteral("00:00:00"));
        auto* tone = w.findChild<QSound*>(QStringLiteral("ringBackTone"));
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/RingBack.wav")));
        QCOMPARE(tone->loops(), 20);
    }

    void deletingTheWindowReleasesTheCallThenDropsTheMark()
    {
        auto* w = new VoiceCall(nullptr);
        w->setCallInfo(record(0));
        w->setCallInfo(record(1));
        journal()->clear();
        delete w;
        QCOMPARE(BusinessFixture::journalCommands(), BusinessFixture::texts({ "ReleaseCall", "CancelVoipCallStatus" }));
        const JournalEntry release = journal()->last(QStringLiteral("ReleaseCall"));
        QCOMPARE(release.args.value(0).value<Agent_VoIPCallMsg>(), record(1));
        QCOMPARE(release.args.value(1).toInt(), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
    }

    void eventsWalkTheCallThroughItsStates()
    {
        VoiceCall w;
        w.show();
        w.setCallInfo(record(0));
        QCOMPARE(label(&w, "label_name")->text(), QStringLiteral("Bob Li"));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("Through to the.."));
        QVERIFY(!label(&w, "label_time")->isVisible());
        QCOMPARE(w.getCallInfo(), record(0));

        w.setCallInfo(record(1));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("Wait for someone to answer.."));
        QCOMPARE(w.getCallInfo(), record(1));

        auto* timer = w.findChild<QTimer*>(QStringLiteral("talkTimer"));
        QVERIFY(!timer->isActive());
        w.setCallInfo(record(3));
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("In the call.."));
        QVERIFY(label(&w, "label_time")->isVisible());
        QVERIFY(button(&w, "pushButton_mic")->isVisible());
        QVERIFY(button(&w, "pushButton_player")->isVisible());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(w.getCallInfo(), record(3));

        // Events the window does not know change nothing but the record.
        Agent_VoIPCallMsg odd = record(9);
        w.setCallInfo(odd);
        QCOMPARE(label(&w, "label_call_notice")->text(), QStringLiteral("In the call.."));
        QCOMPARE(w.getCallInfo(), odd);
    }

    void talkClockCountsSecondsAsHoursMinutesSeconds()
    {
        VoiceCall w;
        w.setCallInfo(record(3));
        auto* timer = w.findChild<QTimer*>(QStringLiteral("talkTimer"));
        for (int i = 0; i < 3661; ++i)
            QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(label(&w, "label_time")->text(), QStringLiteral("01:01:01"));
    }

    void peerNameComesFromTheDirectoryOrTheNumber_data()
    {
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QString>("callee");
        QTest::addColumn<QString>("shown");
        QTest::newRow("placed: callee") << QStringLiteral("wang.lei") << QStringLiteral("bob.li")
                                        << QStringLiteral("Bob Li");
        QTest::newRow("answered: caller")
            << QStringLiteral("bob.li") << QStringLiteral("wang.lei") << QStringLiteral("Bob Li");
        QTest::newRow("telephone number")
            << QStringLiteral("wang.lei") << QStringLiteral("13912345678") << QStringLiteral("Zoe Wu");
        QTest::newRow("unknown account") << QStringLiteral("wang.lei") << QStringLiteral("nobody.here")
                                         << QStringLiteral("nobody.here");
    }
    void peerNameComesFromTheDirectoryOrTheNumber()
    {
        QFETCH(QString, caller);
        QFETCH(QString, callee);
        QFETCH(QString, shown);
        VoiceCall w;
        w.setCallInfo(record(0, caller, callee));
        QCOMPARE(label(&w, "label_name")->text(), shown);
    }

    void longNamesAreElidedToTheLabel()
    {
        const QString longName = QStringLiteral("Bartholomew Alexander Montgomery-Featherstonehaugh the Third");
        business()->getAddressBookView()->addPerson(BusinessFixture::makePerson(QStringLiteral("long"), longName));
        VoiceCall w;
        // As the facade does it: the record first, then the window is shown and laid out.
        w.setCallInfo(record(0, QStringLiteral("wang.lei"), QStringLiteral("long")));
        w.show();
        QLabel* name = label(&w, "label_name");
        QTRY_VERIFY(name->width() > 300);
        QVERIFY(name->text() != longName);
        QVERIFY(name->text().endsWith(QChar(0x2026)));
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
        // Elided to the laid-out label, not to a default width: most of the name is there.
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) > name->width() * 2 / 3);
        QCOMPARE(name->toolTip(), longName);
    }

    void whiteboardButtonNeedsTheAuthority()
    {
        {
            VoiceCall w;
            w.show();
            w.setCallInfo(record(3));
            QVERIFY(!button(&w, "whiteBoardBtn")->isVisible());
        }
        business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3));
        QVERIFY(button(&w, "whiteBoardBtn")->isVisible());
        // Any later event hides it again until the next answer.
        w.setCallInfo(record(1));
        QVERIFY(!button(&w, "whiteBoardBtn")->isVisible());
    }

    void microphoneTogglesThroughQueryAndAnswer()
    {
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3));
        QVERIFY(!micMuted(&w));
        button(&w, "pushButton_mic")->click();
        QCOMPARE(count("GetMuteStatus"), 1);
        QCOMPARE(count("SetMute"), 0);
        emit voip()->sig_onGetMuteStatus(false);
        QCOMPARE(journal()->last(QStringLiteral("SetMute")).args.value(0).toBool(), true);
        QVERIFY(!micMuted(&w)); // only the engine's confirmation changes the picture
        emit voip()->sig_OnSetMuteStatus(0, true);
        QVERIFY(micMuted(&w));
        // A failed change leaves the picture.
        emit voip()->sig_OnSetMuteStatus(5, false);
        QVERIFY(micMuted(&w));
        emit voip()->sig_OnSetMuteStatus(0, false);
        QVERIFY(!micMuted(&w));
    }

    void twoMicrophonePressesBeforeTheAnswerEachToggleOnce()
    {
        VoiceCall w;
        w.setCallInfo(record(3));
        button(&w, "pushButton_mic")->click();
        button(&w, "pushButton_mic")->click();
        QCOMPARE(count("GetMuteStatus"), 2);
        // Each answer toggles what the engine reported at that time.
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetMuteStatus(0, true);
        emit voip()->sig_onGetMuteStatus(true);
        emit voip()->sig_OnSetMuteStatus(0, false);
        QList<bool> sets;
        for (const JournalEntry& e : journal()->entries()) {
            if (e.operation == QLatin1String("SetMute"))
                sets << e.args.value(0).toBool();
        }
        QCOMPARE(sets, (QList<bool> { true, false }));
        QVERIFY(!micMuted(&w));
    }

    void speakerTogglesThroughQueryAndAnswer()
    {
        VoiceCall w;
        w.setCallInfo(record(3));
        QVERIFY(speakerOn(&w));
        button(&w, "pushButton_player")->click();
        QCOMPARE(count("GetSpeakerStatus"), 1);
        emit voip()->sig_OnGetSpeakerStatus(3, 200); // failed query: nothing is set
        QCOMPARE(count("SetSpeakerStatus"), 0);
        emit voip()->sig_OnGetSpeakerStatus(0, 200);
        QCOMPARE(journal()->last(QStringLiteral("SetSpeakerStatus")).args.value(0).toUInt(), 0u);
        emit voip()->sig_OnSetSpeakerStatus(0, 0);
        QVERIFY(!speakerOn(&w));
        emit voip()->sig_OnSetSpeakerStatus(1, 255); // failed change
        QVERIFY(!speakerOn(&w));
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        QCOMPARE(journal()->last(QStringLiteral("SetSpeakerStatus")).args.value(0).toUInt(), 255u);
        emit voip()->sig_OnSetSpeakerStatus(0, 255);
        QVERIFY(speakerOn(&w));
    }

    void hangUpCloseButtonAndCloseOnlyAskTheFacade_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("hang up") << QStringLiteral("pushButton_release_call");
        QTest::newRow("close button") << QStringLiteral("pushButton_close");
        QTest::newRow("window closed") << QString();
    }
    void hangUpCloseButtonAndCloseOnlyAskTheFacade()
    {
        QFETCH(QString, how);
        VoiceCall w;
        w.show();
        w.setCallInfo(record(3));
        QSignalSpy closing(&w, &VoiceCall::sig_CloseVoiceWnd);
        QSignalSpy whiteboardClosing(business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        if (how.isEmpty())
            w.close();
        else
            w.findChild<QPushButton*>(how)->click();
        QCOMPARE(closing.count(), 1);
        QCOMPARE(whiteboardClosing.count(), 1);
        QCOMPARE(count("ReleaseCall"), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VOICE));
    }

    void escapeDoesNotEndTheCall()
    {
        VoiceCall w;
        w.show();
        QSignalSpy closing(&w, &VoiceCall::sig_CloseVoiceWnd);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(closing.count(), 0);
        QVERIFY(w.isVisible());
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

    void whiteboardEntersTheRoomOrStartsOneWithThePeer()
    {
        business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        WhiteBoardView* board = business()->getWhiteBoardView();
        VoiceCall w;
        w.setCallInfo(record(3, QStringLiteral("bob.li"), QStringLiteral("wang.lei")));
        button(&w, "whiteBoardBtn")->click();
        QCOMPARE(journal()->last(QStringLiteral("startWhiteBoard")).args.value(0).toString(), QStringLiteral("bob.li"));

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
    }

    void settingsPanelIsCreatedOnceForAudioOnly()
    {
        VoiceCall w;
        w.show();
        button(&w, "btnSetting")->click();
        QList<MoreMenuChild*> panels;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<MoreMenuChild*>(top))
                panels << p;
        }
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.first()->mode(), 2);
        QVERIFY(panels.first()->isVisible());
        panels.first()->hide();
        button(&w, "btnSetting")->click();
        QVERIFY(panels.first()->isVisible());
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            count += qobject_cast<MoreMenuChild*>(top) ? 1 : 0;
        QCOMPARE(count, 1);
    }
};

QTEST_MAIN(tst_VoiceCall)
#include "tst_VoiceCall.moc"
