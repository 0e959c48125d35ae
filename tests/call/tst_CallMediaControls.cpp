#include "call/CallTestSupport.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "panels/MoreMenuChild.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace TestWindows;

// Microphone, speaker, whiteboard and device settings as both call windows offer them.
class tst_CallMediaControls : public QObject, CallTestSupport
{
    Q_OBJECT

    // The voice window's pictures, as style sheets.
    const QString micMuted = QStringLiteral(
        "QPushButton#pushButton_mic{border-image: url(:/Resource/VoiceCall/mutex_init.png);border:0px solid;}");
    const QString micOpen = QStringLiteral(
        "QPushButton#pushButton_mic{border-image: url(:/Resource/VoiceCall/un_mutex_init.png);border:0px solid;}");
    const QString speakerOn = QStringLiteral(
        "QPushButton#pushButton_player{border-image: url(:/Resource/VoiceCall/play_init.png);border:0px solid;}");
    const QString speakerOff = QStringLiteral("QPushButton#pushButton_player{border-image: "
                                              "url(:/Resource/VoiceCall/disable_play_init.png);border:0px solid;}");

    template<typename Window> static std::unique_ptr<QWidget> answered(const Agent_VoIPCallMsg& msg)
    {
        auto w = std::make_unique<Window>(nullptr);
        w->setCallInfo(msg);
        w->show();
        return w;
    }
    // An answered call with bob.li: placed by the user, or taken from him.
    static std::unique_ptr<QWidget> openCall(bool video, bool placed = true)
    {
        const QString me = QStringLiteral("wang.lei");
        const QString bob = QStringLiteral("bob.li");
        const Agent_VoIPCallMsg msg = callMsg(
            VOIP_EVENT_ANSWERED, video ? VOIP_CALL_VIDEO : VOIP_CALL_VOICE, 1, placed ? me : bob, placed ? bob : me);
        return video ? answered<VideoCall>(msg) : answered<VoiceCall>(msg);
    }
    static void bothWindows()
    {
        QTest::addColumn<bool>("video");
        QTest::newRow("voice call") << false;
        QTest::newRow("video call") << true;
    }
    static const char* micButton(bool video) { return video ? "btn_audio" : "pushButton_mic"; }
    // What the microphone button shows: "muted", "open", or the unexpected style sheet.
    QString micShows(QWidget* w, bool video) const
    {
        auto* button = child<QPushButton>(w, micButton(video));
        if (video)
            return QLatin1String(button->isChecked() ? "muted" : "open");
        const QString sheet = button->styleSheet();
        return sheet == micMuted ? QStringLiteral("muted") : sheet == micOpen ? QStringLiteral("open") : sheet;
    }

private slots:
    void init() { resetWithUsers(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void microphoneAndSpeakerShowOnlyWhatTheEngineConfirms_data() { bothWindows(); }
    void microphoneAndSpeakerShowOnlyWhatTheEngineConfirms()
    {
        QFETCH(bool, video);
        auto w = openCall(video);
        QCOMPARE(micShows(w.get(), video), QStringLiteral("open"));
        if (video) { // asks nothing while the record says the media is not connected
            static_cast<VideoCall*>(w.get())->setCallInfo(callMsg(VOIP_EVENT_ALERTING, VOIP_CALL_VIDEO));
            QVERIFY(click(w.get(), micButton(video)));
            QCOMPARE(count("GetMuteStatus"), 0);
            static_cast<VideoCall*>(w.get())->setCallInfo(callMsg(VOIP_EVENT_ANSWERED, VOIP_CALL_VIDEO, 1));
        }
        QVERIFY(click(w.get(), micButton(video)));
        QCOMPARE(count("GetMuteStatus"), 1);
        QCOMPARE(count("SetMute"), 0);
        QCOMPARE(micShows(w.get(), video), QStringLiteral("open")); // a click does not fake a state
        emit voip()->sig_onGetMuteStatus(false);
        QCOMPARE(argsOf("SetMute", 0), QVariantList { true });
        QCOMPARE(micShows(w.get(), video), QStringLiteral("open"));
        emit voip()->sig_OnSetMuteStatus(0, true);
        QCOMPARE(micShows(w.get(), video), QStringLiteral("muted"));
        emit voip()->sig_OnSetMuteStatus(5, false); // a failed change leaves the picture
        QCOMPARE(micShows(w.get(), video), QStringLiteral("muted"));

        // Two presses before the first answer: each answer toggles what the engine reported then.
        QVERIFY(click(w.get(), micButton(video)));
        QVERIFY(click(w.get(), micButton(video)));
        QCOMPARE(count("GetMuteStatus"), 3);
        emit voip()->sig_onGetMuteStatus(true);
        emit voip()->sig_OnSetMuteStatus(0, false);
        QCOMPARE(micShows(w.get(), video), QStringLiteral("open"));
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetMuteStatus(0, true);
        QCOMPARE(argsOf("SetMute", 0), (QVariantList { true, false, true }));
        QCOMPARE(micShows(w.get(), video), QStringLiteral("muted"));

        // The speaker: silenced, or turned fully on, as the engine reports it.
        if (video)
            static_cast<VideoCall*>(w.get())->slot_clickBtnLoudSpeaker(); // no button on the toolbar
        else
            QVERIFY(click(w.get(), "pushButton_player"));
        QCOMPARE(count("GetSpeakerStatus"), 1);
        emit voip()->sig_OnGetSpeakerStatus(3, 200); // a failed query sets nothing
        QCOMPARE(count("SetSpeakerStatus"), 0);
        emit voip()->sig_OnGetSpeakerStatus(0, 200);
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        QCOMPARE(argsOf("SetSpeakerStatus", 0), (QVariantList { 0u, 255u }));
        if (!video) {
            QPushButton* speaker = child<QPushButton>(w.get(), "pushButton_player");
            QCOMPARE(speaker->styleSheet(), speakerOn);
            emit voip()->sig_OnSetSpeakerStatus(0, 0);
            QCOMPARE(speaker->styleSheet(), speakerOff);
            emit voip()->sig_OnSetSpeakerStatus(1, 255);
            QCOMPARE(speaker->styleSheet(), speakerOff);
            emit voip()->sig_OnSetSpeakerStatus(0, 255);
            QCOMPARE(speaker->styleSheet(), speakerOn);
        }

        // Answers after the window went reach nobody.
        w.reset();
        journal()->clear();
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        QVERIFY(journalCommands().isEmpty());
    }

    void whiteboardStartsWithThePeerOrReentersTheRoom_data()
    {
        QTest::addColumn<bool>("video");
        QTest::addColumn<bool>("placed");
        QTest::newRow("voice, placed") << false << true;
        QTest::newRow("voice, answered") << false << false;
        QTest::newRow("video, placed") << true << true;
        QTest::newRow("video, answered") << true << false;
    }
    void whiteboardStartsWithThePeerOrReentersTheRoom()
    {
        QFETCH(bool, video);
        QFETCH(bool, placed);
        business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        WhiteBoardView* board = business()->getWhiteBoardView();
        auto w = openCall(video, placed);
        const char* button = video ? "btn_wbss" : "whiteBoardBtn";
        QVERIFY(child(w.get(), button)->isVisible());
        QVERIFY(click(w.get(), button));
        QCOMPARE(argsOf("startWhiteBoard", 0), QVariantList { QStringLiteral("bob.li") });

        // Already in a room: it is shown and entered instead.
        board->state().inMeeting = true;
        QSignalSpy shown(board, &WhiteBoardView::sig_showWhiteBoardMainWidget);
        QVERIFY(click(w.get(), button));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(count("wb_enterRoomAndSendMessage"), 1);
        QCOMPARE(count("startWhiteBoard"), 1);
        if (video)
            return;
        // Any later event of the voice call hides the button until the next answer.
        static_cast<VoiceCall*>(w.get())->setCallInfo(callMsg(VOIP_EVENT_ALERTING, VOIP_CALL_VOICE));
        QVERIFY(!child(w.get(), button)->isVisible());

        // The voice window takes a whiteboard invitation: the room is left for one with the peer.
        auto* voice = static_cast<VoiceCall*>(w.get());
        voice->slot_onMultimediaMessageAccept(MULTIMEDIA_VOICE_CALL);
        QCOMPARE(count("wb_leaveRoom"), 0);
        journal()->clear();
        voice->slot_onMultimediaMessageAccept(MULTIMEDIA_WHITEBOARD);
        QCOMPARE(journalCommands(), texts({ "wb_leaveRoom", "startWhiteBoard" }));
        QCOMPARE(argsOf("startWhiteBoard", 0), QVariantList { QStringLiteral("bob.li") });
    }

    void settingsDialogOpensOnceCentredAndGoesWithTheWindow_data()
    {
        QTest::addColumn<bool>("video");
        QTest::addColumn<int>("mode");
        QTest::newRow("voice call: audio only") << false << 2;
        QTest::newRow("video call: every device") << true << 0;
    }
    void settingsDialogOpensOnceCentredAndGoesWithTheWindow()
    {
        QFETCH(bool, video);
        QFETCH(int, mode);
        auto w = openCall(video);
        const char* button = video ? "btn_config" : "btnSetting";
        QVERIFY(click(w.get(), button));
        QPointer<MoreMenuChild> dialog = visibleWindow<MoreMenuChild>();
        QVERIFY(dialog);
        QCOMPARE(dialog->mode(), mode);
        // The 420 x 330 dialog in the middle of the available desktop.
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(dialog->pos(), QPoint((desk.width() - 420) / 2, (desk.height() - 330) / 2));
        dialog->hide();
        QVERIFY(click(w.get(), button));
        QCOMPARE(visibleWindows<MoreMenuChild>(), QList<MoreMenuChild*> { dialog.data() });
        w.reset();
        QVERIFY(!dialog);
    }
};

QTEST_MAIN(tst_CallMediaControls)
#include "tst_CallMediaControls.moc"
