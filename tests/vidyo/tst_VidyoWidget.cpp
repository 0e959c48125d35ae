#include "vidyo/VidyoWidget.h"

#include "customui/KpMsgBox.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"
#include "vidyo/VidyoTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace VidyoTest;
using TestWindows::child;

class tst_VidyoWidget : public QObject
{
    Q_OBJECT

    VidyoWidget* open(int type)
    {
        m_window = std::make_unique<VidyoWidget>();
        m_window->show();
        m_window->resetPanels();
        m_window->setType(VidyoWidget::VidyoWidgetType(type));
        return m_window.get();
    }
    static KpMsgBox* box(const char* name)
    {
        for (KpMsgBox* b : TestWindows::visibleWindows<KpMsgBox>())
            if (b->objectName() == QLatin1String(name))
                return b;
        return nullptr;
    }
    QString timeLabel() const { return child<QLabel>(m_window.get(), "time_label")->text(); }
    QTimer* timer(const char* name) const { return m_window->findChild<QTimer*>(QLatin1String(name)); }
    static int count(const char* operation) { return BusinessFixture::journal()->count(QLatin1String(operation)); }
    static QString args(const char* operation) { return BusinessFixture::lastArgs(QLatin1String(operation)); }

    std::unique_ptr<VidyoWidget> m_window;

private slots:
    void init() { resetRoom(); }
    void cleanup()
    {
        m_window.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void windowTypesShapeTheWindow_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rows"); // -1: no attendee list
        QTest::addColumn<bool>("whiteBoard");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("width");
        // Without the list the window narrows to the video area, held at its minimum of 915.
        QTest::newRow("0 call") << 0 << -1 << true << false << 915;
        QTest::newRow("1 accepted call") << 1 << -1 << true << false << 915;
        QTest::newRow("2 meeting") << 2 << 0 << true << false << 1067;
        QTest::newRow("3 invited meeting") << 3 << 3 << true << false << 1067;
        QTest::newRow("4 accepted meeting") << 4 << 0 << false << false << 1067;
        QTest::newRow("5 dial-in") << 5 << -1 << true << true << 915;
    }
    void windowTypesShapeTheWindow()
    {
        QFETCH(int, type);
        QFETCH(int, rows);
        QFETCH(bool, whiteBoard);
        QFETCH(bool, keypad);
        QFETCH(int, width);
        VidyoWidget* w = open(type);
        QCOMPARE(w->windowTitle(), QStringLiteral("视频"));
        QCOMPARE(w->size(), QSize(width, 672));
        QCOMPARE(w->attendees()->isVisible(), rows >= 0);
        QCOMPARE(w->attendees()->shownRows().size(), qMax(rows, 0));
        QCOMPARE(child(w, "m_pWhiteBoard")->isVisible(), whiteBoard);
        QCOMPARE(child(w, "m_pKeypad")->isVisible(), keypad);
        QCOMPARE(child(w, "titleWidget")->height() + child(w, "bottomWidget")->height(), 50 + 72);
    }

    void doubleDensityScreenHasA120HighBottomBar()
    {
        qputenv("KP_SCREEN_SCALE", "2");
        VidyoWidget w;
        qunsetenv("KP_SCREEN_SCALE");
        QCOMPARE(child(&w, "bottomWidget")->maximumHeight(), 120);
        QCOMPARE(child(&w, "bottomWidget")->minimumHeight(), 120);
    }

    void renderingRectangleFollowsEveryGeometryChange()
    {
        VidyoWidget* w = open(4);
        w->resize(1200, 700);
        QCOMPARE(vidyo()->getRect(), QRect(0, 50, 930, 528));
        // The list goes: the same window, a wider picture.
        w->setType(VidyoView::StartVidyo_AcceptedCall);
        QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width(), w->height() - 172));
        // Moving takes the picture along: nothing to tell.
        const int reports = count("SetRect");
        w->move(w->pos() + QPoint(40, 30));
        QCOMPARE(count("SetRect"), reports);

        w->setType(VidyoView::StartVidyo_Meeting);
        w->slot_onMax();
        QVERIFY(!child(w, "btn_max")->isVisible() && child(w, "btn_maxed")->isVisible());
        QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width() - 270, w->height() - 172));
        w->slot_onMaxed();
        QVERIFY(child(w, "btn_max")->isVisible() && !child(w, "btn_maxed")->isVisible());
        QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width() - 270, w->height() - 172));
    }

    void togglesAskTheBusinessLibraryAndFollowItsAnswer()
    {
        VidyoWidget* w = open(2);
        press(w, "m_pCamer");
        press(w, "m_pCamer"); // asked twice before the answer: the same request twice
        QCOMPARE(count("SetCamera"), 2);
        QCOMPARE(args("SetCamera"), QStringLiteral("false"));
        QCOMPARE(kindOf(w, "m_pCamer"), 10); // the toggle waits for the answer
        emit vidyo()->signal_onSetCamera(false);

        press(w, "m_pMicrophone");
        QCOMPARE(args("SetMuteAudioIn"), QStringLiteral("false|true"));
        emit vidyo()->signal_onSetMuteAudioIn(true);
        press(w, "m_pMicrophone");
        QCOMPARE(args("SetMuteAudioIn"), QStringLiteral("false|true"));

        press(w, "m_pSpeaker");
        QCOMPARE(args("SetMuteAudioOut"), QStringLiteral("false"));
        emit vidyo()->signal_onSetMuteAudioOut(false);
        press(w, "m_pSpeaker");
        QCOMPARE(args("SetMuteAudioOut"), QStringLiteral("true"));

        // A new meeting in the same window starts from the first states.
        emit vidyo()->signal_onStartShareScreen();
        w->resetPanels();
        QCOMPARE(QList<int>({ kindOf(w, "m_pCamer"), kindOf(w, "m_pShareScreen"), kindOf(w, "m_pSpeaker") }),
            QList<int>({ 10, 0, 2 }));
        QVERIFY(!w->attendees()->isVisible());
        press(w, "m_pCamer");
        QCOMPARE(args("SetCamera"), QStringLiteral("false"));

        // A second share is refused without asking the business library.
        emit vidyo()->signal_onStartShareScreen(); // somebody else shares
        press(w, "m_pShareScreen");
        QCOMPARE(box("sharingRefused")->standardButtons(), KpMsgBox::KpButtons(5));
        QCOMPARE(count("StartShareScreen") + count("StopShareScreen"), 0);
    }

    void whiteBoardStartsOrShowsTheRoomForWhoeverMayUseIt()
    {
        VidyoWidget* w = open(2);
        WhiteBoardView* board = BusinessFixture::business()->getWhiteBoardView();
        QSignalSpy shown(board, &WhiteBoardView::sig_showWhiteBoardMainWidget);
        press(w, "m_pWhiteBoard");
        board->state().inMeeting = true;
        press(w, "m_pWhiteBoard");
        QCOMPARE(count("startWhiteBoard"), 1);
        QCOMPARE(shown.count(), 1);
        // The media-busy box of a whiteboard room: leave it, then start ours.
        w->slot_onMultimediaMessageAccept(MULTIMEDIA_VIDYO);
        QCOMPARE(count("wb_leaveRoom"), 0);
        w->slot_onMultimediaMessageAccept(MULTIMEDIA_WHITEBOARD);
        QCOMPARE(BusinessFixture::journalCommands().mid(BusinessFixture::journalCommands().size() - 2),
            BusinessFixture::texts({ "wb_leaveRoom", "startWhiteBoard" }));

        // Without the authority the toggle is neither shown nor given room.
        BusinessFixture::business()->getUserInfoView()->state().authorities.clear();
        w = open(2);
        QVERIFY(!child(w, "m_pWhiteBoard")->isVisible());
        QCOMPARE(child(w, "m_pWhiteBoard")->size(), QSize(0, 0));
    }

    void closingBeforeTheConnectionWaitsForIt()
    {
        VidyoWidget* w = open(4);
        QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
        QVERIFY(TestWindows::click(w, "btn_close"));
        QCOMPARE(box("closeConfirmation")->messageText(),
            QStringLiteral("Closing the video window will hang up the video, confirm to close?"));
        box("closeConfirmation")->slot_onOk();
        QCOMPARE(args("CloseVidyo"), QString());
        QVERIFY(w->isHidden());
        QCOMPARE(closed.count(), 0);
        emit vidyo()->signal_Connecting();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(count("CloseVidyo"), 1);
    }

    void connectedMeetingRunsItsClockAndHangsUpWithIt()
    {
        VidyoWidget* w = open(4);
        QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
        emit vidyo()->signal_Connecting();
        QCOMPARE(timeLabel(), QStringLiteral("Talk time 00:00:00"));
        QCOMPARE(timer("talkTimer")->interval(), 1000);
        BusinessFixture::fire(timer("talkTimer"));
        QVERIFY(QRegularExpression(QStringLiteral("^Talk time \\d\\d:\\d\\d:\\d\\d$")).match(timeLabel()).hasMatch());
        emit vidyo()->signal_Connecting(); // a repeated notice keeps the clock
        QVERIFY(timer("talkTimer")->isActive());

        w->slot_onClose();
        w->slot_onClose(); // one question, shown again
        QCOMPARE(TestWindows::visibleWindows<KpMsgBox>().size(), 1);
        box("closeConfirmation")->slot_onOk();
        QCOMPARE(args("CloseVidyo"), timeLabel().mid(10));
        QCOMPARE(closed.count(), 1);
    }

    void closeTimerEndsTheMeetingAndItsQuestion()
    {
        VidyoWidget* w = open(4);
        QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
        emit vidyo()->signal_Connecting();
        w->slot_onClose();
        child<QPushButton>(w, "btn_close")->setEnabled(false); // a disabled close button keeps the window open
        QVERIFY(!w->close());
        child<QPushButton>(w, "btn_close")->setEnabled(true);

        QVERIFY(!timer("closeTimer")->isActive());
        w->startCloseTimer();
        QVERIFY(timer("closeTimer")->isSingleShot());
        QCOMPARE(timer("closeTimer")->interval(), 3000);
        BusinessFixture::fire(timer("closeTimer"));
        QVERIFY(!w->isVisible() && !box("closeConfirmation")); // the question goes with the window
        QCOMPARE(timeLabel(), QString());
        QCOMPARE(closed.count(), 1);
        m_window.reset(); // and its box with it: cleanup() finds no window
        QCOMPARE(count("CloseVidyo"), 1);
    }

    void keypadOpensTheMicrophoneWhileUp()
    {
        VidyoWidget* w = open(5);
        QWidget* microphone = child(w, "m_pMicrophone");
        press(w, "m_pKeypad");
        QVERIFY(w->keypad()->isVisible() && !microphone->isEnabled());
        QCOMPARE(args("SetMuteAudioIn"), QStringLiteral("false|true"));
        press(w, "m_pKeypad");
        QVERIFY(!w->keypad()->isVisible() && microphone->isEnabled());
        QCOMPARE(args("SetMuteAudioIn"), QStringLiteral("true|true"));

        // The keypad's own close button: the microphone closes 3 s later.
        press(w, "m_pKeypad");
        QVERIFY(TestWindows::click(w->keypad(), "closeBtn"));
        QCOMPARE(timer("keypadTimer")->interval(), 3000);
        QVERIFY(timer("keypadTimer")->isActive() && !microphone->isEnabled());
        BusinessFixture::fire(timer("keypadTimer"));
        QVERIFY(!timer("keypadTimer")->isActive() && microphone->isEnabled());
    }
};

QTEST_MAIN(tst_VidyoWidget)
#include "tst_VidyoWidget.moc"
