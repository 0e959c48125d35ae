#include "vidyo/VidyoWidget.h"

#include "business/sim/TestCardRenderer.h"
#include "customui/KpMsgBox.h"
#include "support/SimulatorFixture.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"
#include "vidyo/VidyoTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace VidyoTest;
using TestWindows::child;

class tst_VidyoWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetRoom(); }
    void cleanup()
    {
        m_window.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void windowTypesShapeTheWindow_data();
    void windowTypesShapeTheWindow();
    void whiteBoardNeedsTheAuthority();
    void renderingRectangleFollowsEveryGeometryChange();
    void testCardCoversTheReportedRectangle();
    void togglesAskTheBusinessLibraryAndFollowItsAnswer();
    void sharingIsMineOrRefused();
    void whiteBoardStartsOrShowsTheRoom();
    void closingBeforeTheConnectionWaitsForIt();
    void closingAConnectedMeetingHangsUpWithItsDuration();
    void closeTimerEndsTheMeetingAndItsQuestion();
    void keypadOpensTheMicrophoneWhileUp();

private:
    VidyoWidget* open(int type)
    {
        m_window = std::make_unique<VidyoWidget>();
        m_window->show();
        m_window->resetPanels();
        m_window->setType(VidyoWidget::VidyoWidgetType(type));
        return m_window.get();
    }
    KpMsgBox* box(const char* name) const
    {
        for (KpMsgBox* b : TestWindows::visibleWindows<KpMsgBox>()) {
            if (b->objectName() == QLatin1String(name))
                return b;
        }
        return nullptr;
    }
    QString timeLabel() const { return child<QLabel>(m_window.get(), "time_label")->text(); }

    std::unique_ptr<VidyoWidget> m_window;
};

void tst_VidyoWidget::windowTypesShapeTheWindow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("whiteBoard");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("width");
    // Without the list the window narrows to the video area, held at its minimum of 915.
    QTest::newRow("0 call") << 0 << false << 0 << true << false << 915;
    QTest::newRow("1 accepted call") << 1 << false << 0 << true << false << 915;
    QTest::newRow("2 meeting") << 2 << true << 0 << true << false << 1067;
    QTest::newRow("3 invited meeting") << 3 << true << 3 << true << false << 1067;
    QTest::newRow("4 accepted meeting") << 4 << true << 0 << false << false << 1067;
    QTest::newRow("5 dial-in") << 5 << false << 0 << true << true << 915;
}

void tst_VidyoWidget::windowTypesShapeTheWindow()
{
    QFETCH(int, type);
    QFETCH(bool, list);
    QFETCH(int, rows);
    QFETCH(bool, whiteBoard);
    QFETCH(bool, keypad);
    QFETCH(int, width);
    VidyoWidget* w = open(type);
    QCOMPARE(w->windowTitle(), QStringLiteral("视频"));
    QCOMPARE(w->height(), 672);
    QCOMPARE(w->width(), width);
    QCOMPARE(w->attendees()->isVisible(), list);
    QCOMPARE(w->attendees()->shownRows().size(), rows);
    QCOMPARE(child(w, "m_pWhiteBoard")->isVisible(), whiteBoard);
    QCOMPARE(child(w, "m_pKeypad")->isVisible(), keypad);
    QCOMPARE(child(w, "bottomWidget")->height(), 72);
    QCOMPARE(child(w, "titleWidget")->height(), 50);
    w->slot_onShowPasswordPad(!keypad);
    QCOMPARE(child(w, "m_pKeypad")->isVisible(), !keypad);
}

void tst_VidyoWidget::whiteBoardNeedsTheAuthority()
{
    BusinessFixture::business()->getUserInfoView()->state().authorities.clear();
    VidyoWidget* w = open(2);
    QVERIFY(!child(w, "m_pWhiteBoard")->isVisible());
    QCOMPARE(child(w, "m_pWhiteBoard")->size(), QSize(0, 0));
}

void tst_VidyoWidget::renderingRectangleFollowsEveryGeometryChange()
{
    VidyoWidget* w = open(4);
    QCOMPARE(vidyo()->getRect(), QRect(0, 50, 797, 500));
    QCOMPARE(w->getVidyoRect(), QRect(0, 50, 797, 500));

    w->resize(1200, 700);
    QCOMPARE(lastRect("SetRect"), QRect(0, 50, 930, 528));
    // The list goes: the same window, a wider picture.
    w->setType(VidyoView::StartVidyo_AcceptedCall);
    QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width(), w->height() - 172));
    QVERIFY(w->width() >= 915);
    // Moving takes the picture along: nothing to tell.
    const int reports = BusinessFixture::journal()->count(QStringLiteral("SetRect"));
    w->move(w->pos() + QPoint(40, 30));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("SetRect")), reports);

    w->setType(VidyoView::StartVidyo_Meeting);
    w->slot_onMax();
    QVERIFY(!child(w, "btn_max")->isVisible() && child(w, "btn_maxed")->isVisible());
    QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width() - 270, w->height() - 172));
    w->slot_onMaxed();
    QVERIFY(child(w, "btn_max")->isVisible() && !child(w, "btn_maxed")->isVisible());
    QCOMPARE(vidyo()->getRect(), QRect(0, 50, w->width() - 270, w->height() - 172));
}

void tst_VidyoWidget::testCardCoversTheReportedRectangle()
{
    auto sim = startSimulator(6);
    VidyoWidget* w = open(4);
    vidyo()->setPlayerWidget(reinterpret_cast<void*>(w->winId()), w->getVidyoRect());
    QTRY_VERIFY(TestCardRenderer::cardIn(w));
    TestCard* card = TestCardRenderer::cardIn(w);
    QCOMPARE(card->geometry(), QRect(0, 50, 797, 500));
    w->resize(1167, 772);
    QTRY_COMPARE(card->geometry(), QRect(0, 50, 897, 600));
    w->close();
    QTRY_VERIFY(!TestCardRenderer::cardIn(w));
}

void tst_VidyoWidget::togglesAskTheBusinessLibraryAndFollowItsAnswer()
{
    VidyoWidget* w = open(2);
    press(w, "m_pCamer");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetCamera")), QStringLiteral("false"));
    QCOMPARE(kindOf(w, "m_pCamer"), 10); // nothing changes before the answer
    press(w, "m_pCamer"); // asked twice: the same request twice
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("SetCamera")), 2);
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetCamera")), QStringLiteral("false"));
    emit vidyo()->signal_onSetCamera(false);
    QCOMPARE(kindOf(w, "m_pCamer"), 11);

    press(w, "m_pMicrophone");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("false|true"));
    emit vidyo()->signal_onSetMuteAudioIn(true);
    QCOMPARE(kindOf(w, "m_pMicrophone"), 5);
    emit vidyo()->signal_onSetMuteAudioIn(false);
    QCOMPARE(kindOf(w, "m_pMicrophone"), 1);
    press(w, "m_pMicrophone");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("true|true"));

    press(w, "m_pSpeaker");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioOut")), QStringLiteral("false"));
    emit vidyo()->signal_onSetMuteAudioOut(false);
    QCOMPARE(kindOf(w, "m_pSpeaker"), 6);
    press(w, "m_pSpeaker");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioOut")), QStringLiteral("true"));

    // A new meeting in the same window starts from the first states.
    emit vidyo()->signal_onStartShareScreen();
    w->resetPanels();
    QCOMPARE(kindOf(w, "m_pCamer"), 10);
    QCOMPARE(kindOf(w, "m_pShareScreen"), 0);
    QCOMPARE(kindOf(w, "m_pSpeaker"), 2);
    QVERIFY(!w->attendees()->isVisible());
    press(w, "m_pCamer");
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetCamera")), QStringLiteral("false"));
}

void tst_VidyoWidget::sharingIsMineOrRefused()
{
    VidyoWidget* w = open(2);
    press(w, "m_pShareScreen");
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("StartShareScreen")), 1);
    QVERIFY(w->isSharingMine());
    emit vidyo()->signal_onStartShareScreen();
    QCOMPARE(kindOf(w, "m_pShareScreen"), 4);
    press(w, "m_pShareScreen");
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("StopShareScreen")), 1);
    emit vidyo()->signal_onStopShareScreen();
    QVERIFY(!w->isSharingMine());
    QCOMPARE(kindOf(w, "m_pShareScreen"), 0);

    // Somebody else shares: a second share is refused, and asked nobody.
    emit vidyo()->signal_onStartShareScreen();
    press(w, "m_pShareScreen");
    KpMsgBox* refused = box("sharingRefused");
    QVERIFY(refused);
    QCOMPARE(refused->messageText(), QStringLiteral("Currently only one person can share the screen"));
    QCOMPARE(refused->standardButtons(), KpMsgBox::KpButtons(5));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("StartShareScreen")), 1);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("StopShareScreen")), 1);
}

void tst_VidyoWidget::whiteBoardStartsOrShowsTheRoom()
{
    VidyoWidget* w = open(2);
    WhiteBoardView* board = BusinessFixture::business()->getWhiteBoardView();
    QSignalSpy shown(board, &WhiteBoardView::sig_showWhiteBoardMainWidget);
    press(w, "m_pWhiteBoard");
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("startWhiteBoard")), 1);
    board->state().inMeeting = true;
    press(w, "m_pWhiteBoard");
    QCOMPARE(shown.count(), 1);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("startWhiteBoard")), 1);
    // The media-busy box of a whiteboard room: leave it, then start ours.
    w->slot_onMultimediaMessageAccept(MULTIMEDIA_VIDYO);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("wb_leaveRoom")), 0);
    w->slot_onMultimediaMessageAccept(MULTIMEDIA_WHITEBOARD);
    QCOMPARE(BusinessFixture::journalCommands().mid(BusinessFixture::journalCommands().size() - 2),
        BusinessFixture::texts({ "wb_leaveRoom", "startWhiteBoard" }));
}

void tst_VidyoWidget::closingBeforeTheConnectionWaitsForIt()
{
    VidyoWidget* w = open(4);
    QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
    QVERIFY(TestWindows::click(w, "btn_close"));
    KpMsgBox* question = box("closeConfirmation");
    QVERIFY(question);
    QCOMPARE(
        question->messageText(), QStringLiteral("Closing the video window will hang up the video, confirm to close?"));
    question->slot_onOk();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("CloseVidyo")), QString());
    QVERIFY(w->isHidden());
    QCOMPARE(closed.count(), 0);
    emit vidyo()->signal_Connecting();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
}

void tst_VidyoWidget::closingAConnectedMeetingHangsUpWithItsDuration()
{
    VidyoWidget* w = open(4);
    QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
    emit vidyo()->signal_Connecting();
    QVERIFY(w->isConnected());
    QCOMPARE(timeLabel(), QStringLiteral("Talk time 00:00:00"));
    auto* talk = w->findChild<QTimer*>(QStringLiteral("talkTimer"));
    QVERIFY(talk->isActive());
    QCOMPARE(talk->interval(), 1000);
    BusinessFixture::fire(talk);
    QVERIFY(QRegularExpression(QStringLiteral("^Talk time \\d\\d:\\d\\d:\\d\\d$")).match(timeLabel()).hasMatch());
    emit vidyo()->signal_Connecting(); // a repeated notice keeps the clock
    QVERIFY(talk->isActive());

    w->slot_onClose();
    w->slot_onClose(); // one question, shown again
    QCOMPARE(TestWindows::visibleWindows<KpMsgBox>().size(), 1);
    box("closeConfirmation")->slot_onOk();
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("CloseVidyo")), timeLabel().mid(10));
    QCOMPARE(closed.count(), 1);
}

void tst_VidyoWidget::closeTimerEndsTheMeetingAndItsQuestion()
{
    VidyoWidget* w = open(4);
    QSignalSpy closed(w, &VidyoWidget::signal_CloseVidyoWidget);
    emit vidyo()->signal_Connecting();
    w->slot_onClose();
    // A disabled close button keeps the window open.
    child<QPushButton>(w, "btn_close")->setEnabled(false);
    QVERIFY(!w->close());
    child<QPushButton>(w, "btn_close")->setEnabled(true);

    auto* closeTimer = w->findChild<QTimer*>(QStringLiteral("closeTimer"));
    QVERIFY(!closeTimer->isActive());
    w->startCloseTimer();
    QVERIFY(closeTimer->isSingleShot());
    QCOMPARE(closeTimer->interval(), 3000);
    BusinessFixture::fire(closeTimer);
    QVERIFY(!w->isVisible());
    QVERIFY(!box("closeConfirmation")); // the question went with the window
    QCOMPARE(timeLabel(), QString());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
    m_window.reset(); // and its box with it: cleanup() finds no window
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
}

void tst_VidyoWidget::keypadOpensTheMicrophoneWhileUp()
{
    VidyoWidget* w = open(5);
    QWidget* microphone = child(w, "m_pMicrophone");
    press(w, "m_pKeypad");
    QVERIFY(w->keypad() && w->keypad()->isVisible());
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("false|true"));
    QVERIFY(!microphone->isEnabled());
    press(w, "m_pKeypad");
    QVERIFY(!w->keypad()->isVisible());
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("true|true"));
    QVERIFY(microphone->isEnabled());

    // The keypad's own close button: the microphone closes 3 s later.
    press(w, "m_pKeypad");
    QVERIFY(TestWindows::click(w->keypad(), "closeBtn"));
    auto* keypadTimer = w->findChild<QTimer*>(QStringLiteral("keypadTimer"));
    QVERIFY(keypadTimer->isActive());
    QCOMPARE(keypadTimer->interval(), 3000);
    QVERIFY(!microphone->isEnabled());
    BusinessFixture::fire(keypadTimer);
    QVERIFY(!keypadTimer->isActive());
    QVERIFY(microphone->isEnabled());
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("true|true"));

    // "#" ends the password; the business library's word closes the microphone.
    press(w, "m_pKeypad");
    QVERIFY(TestWindows::click(w->keypad(), "pouneBtn"));
    QVERIFY(!w->keypad()->isVisible());
    QVERIFY(!microphone->isEnabled());
    emit vidyo()->signal_isDialPassword(true);
    QVERIFY(microphone->isEnabled());
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMuteAudioIn")), QStringLiteral("true|true"));
}

QTEST_MAIN(tst_VidyoWidget)
#include "tst_VidyoWidget.moc"
