#include "call/CallTestSupport.h"
#include "call/VideoCall.h"
#include "call/VideoWidget.h"
#include "customui/KPTitleBar.h"
#include "customui/KP_UI_UTIL.h"
#include "meeting/CloseMediaWidgetTip.h"

#include <QCameraInfo>
#include <QLabel>
#include <QPushButton>
#include <QSound>
#include <QtTest>

using namespace TestWindows;

// The video call window (VideoCall) and its video panes (VideoWidget).
class tst_VideoCall : public QObject, CallTestSupport
{
    Q_OBJECT

    static Agent_VoIPCallMsg answered() { return callMsg(VOIP_EVENT_ANSWERED, VOIP_CALL_VIDEO, 1); }
    static QPushButton* tool(VideoCall& w, const char* name) { return child<QPushButton>(w.toolBar(), name); }
    static QString title(VideoCall& w) { return child<KPTitleBar>(&w, "widget_title")->title(); }
    // Which bars of a pane are up: "tblr" letters of the visible ones.
    static QString bars(VideoWidget& w)
    {
        QString out;
        for (const char* bar : { "top", "bottom", "left", "right" })
            if (!child(&w, bar)->isHidden())
                out += QLatin1Char(bar[0]);
        return out;
    }
    static QLabel* head(VideoWidget& w) { return child<QLabel>(&w, "headLabel"); }
    // The preview in the top-right corner of the video area, its hide button beside it.
    static void checkPreviewInTheCorner(VideoCall& w)
    {
        QWidget* hideButton = child(&w, "btn_hideVideo");
        QTRY_COMPARE(w.localPane()->pos(), QPoint(child(&w, "widget_5")->width() - w.localPane()->width(), 0));
        QCOMPARE(hideButton->pos(), QPoint(w.localPane()->x() - hideButton->width(), 0));
    }

private slots:
    void init() { resetWithUsers(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void answeringShowsTheControlsAndStartsTheClockOnce()
    {
        VideoCall w;
        QCOMPARE(voip()->GetVoipCallStatus(), 4);
        QCOMPARE(title(w), QStringLiteral("Duration   00:00:00"));
        auto* tone = child<QSound>(&w, "ringTone");
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
        QCOMPARE(tone->loops(), 20);
        w.show();
        const char* const answeredOnly[] = { "btn_share_screen", "btn_video", "btn_config" };
        for (const char* name : answeredOnly)
            QVERIFY2(!tool(w, name)->isVisible(), name);
        w.setCallInfo(callMsg(VOIP_EVENT_PROCEEDING, VOIP_CALL_VIDEO));
        QVERIFY(!tone->isFinished());
        auto* timer = child<QTimer>(&w, "durationTimer");
        QVERIFY(!timer->isActive());
        w.setCallInfo(answered());
        QVERIFY(tone->isFinished());
        for (const char* name : answeredOnly)
            QVERIFY2(tool(w, name)->isVisible(), name);
        QVERIFY(!tool(w, "btn_wbss")->isVisible()); // no whiteboard authority
        QCOMPARE(timer->interval(), 1000);
        fire(timer);
        QVERIFY(title(w).startsWith(QStringLiteral("Duration   00:00:0")));
        // A repeated answer does not restart the clock.
        w.setCallInfo(answered());
        QVERIFY(timer->isActive());
    }

    void toolbarAndPreviewFollowTheWindowAndTheVideoScales()
    {
        VideoCall w;
        w.show();
        w.move(100, 50);
        QCOMPARE(w.toolBar()->pos(), QPoint(100 + (900 - 470) / 2, 50 + 600 - 60));
        checkPreviewInTheCorner(w);
        w.resize(1280, 720);
        QCOMPARE(w.toolBar()->pos(), QPoint(w.x() + (1280 - 470) / 2, w.y() + 720 - 60));
        checkPreviewInTheCorner(w);

        // Hidden, the preview leaves its button alone in the corner.
        auto* hideButton = child<QPushButton>(&w, "btn_hideVideo");
        hideButton->click();
        QCOMPARE(hideButton->pos(), QPoint(child(&w, "widget_5")->width() - hideButton->width(), 0));
        hideButton->click();
        QVERIFY(w.localPane()->isVisible());
        checkPreviewInTheCorner(w);

        // The engine's picture shape: the preview keeps its width in the corner.
        const int width = w.localPane()->width();
        emit voip()->sig_onLocalVideoScale(1.2f);
        QCOMPARE(w.localPane()->geometry(), QRect(child(&w, "widget_5")->width() - width, 0, width, int(width / 1.2f)));
        const QRect before = w.localPane()->geometry();
        emit voip()->sig_onLocalVideoScale(0.0f); // unusable: the geometry stays
        QCOMPARE(w.localPane()->geometry(), before);
        emit voip()->sig_onRemoteVideoScale(16.0f / 9.0f);
        QCOMPARE(w.remotePane()->videoRatio(), 16.0f / 9.0f);
        w.hide();
        QVERIFY(!w.toolBar()->isVisible());
    }

    void toolbarButtonsGoThroughTheBusiness()
    {
        VideoCall w;
        w.show();
        w.setCallInfo(answered());
        QPushButton* camera = tool(w, "btn_video");
        camera->click();
        QCOMPARE(last("setLocalCameraPreview").args, (QVariantList { QStringLiteral("call-1"), false }));
        // The engine's word on the own camera shows in the preview and on the button.
        emit voip()->sig_onSetOwnCamera(false);
        QVERIFY(!w.localPane()->isVideoOn() && camera->isChecked());
        emit voip()->sig_onSetOwnCamera(true);
        QVERIFY(w.localPane()->isVideoOn() && !camera->isChecked());
        tool(w, "btn_share_screen")->click();
        tool(w, "btn_share_screen")->click();
        QCOMPARE(argsOf("ShareScreen", 0), (QVariantList { true, false }));

        // Voice only: the panes go, who the call is with shows instead, until video returns.
        QPushButton* switchButton = tool(w, "btnSwitch");
        switchButton->click();
        emit voip()->sig_onSwitchMediaType(0, 0);
        QVERIFY(!child(&w, "btn_hideVideo")->isVisible());
        QCOMPARE(child<QLabel>(&w, "label_voiceName")->text(), QStringLiteral("Bob Li"));
        switchButton->click();
        emit voip()->sig_onSwitchMediaType(1, 1);
        QVERIFY(!child(&w, "widget_voice")->isVisible());
        checkPreviewInTheCorner(w);
    }

    void accountBindingWithoutCameraShowsTheOwnAvatar()
    {
        if (!QCameraInfo::availableCameras().isEmpty())
            QSKIP("this machine has a camera");
        VideoCall w;
        w.show();
        w.bindVideoByAccount(QStringLiteral("bob.li"));
        QVERIFY(!w.localPane()->isVideoOn() && w.localPane()->isRatioLocked());
        QCOMPARE(w.localPane()->account(), QStringLiteral("wang.lei"));
        QVERIFY(!w.remotePane()->isVideoOn() && !w.remotePane()->isRatioLocked());
        const QStringList ops = journalCommands();
        QCOMPARE(ops.mid(ops.indexOf(QStringLiteral("setVideoView"))), texts({ "setVideoView", "getCameraInfo" }));
        w.setCallInfo(answered()); // brings the peer's video page
        QVERIFY(w.remotePane()->isVideoOn());
    }

    void maximiseAndRestore()
    {
        VideoCall w;
        w.show();
        w.bindVideoByHandle();
        const QSize recorded = w.remotePane()->size();
        QSignalSpy maximised(&w, &VideoCall::isShowMaximized);
        w.slot_btn_max_clicked();
        QVERIFY(!w.isWidgetMovable());
        QCOMPARE(w.remotePane()->maximumSize(), QSize(16777215, 16777215));
        w.slot_btn_maxed_clicked();
        QVERIFY(w.isWidgetMovable());
        QCOMPARE(w.remotePane()->maximumSize(), recorded);
        QCOMPARE(QList<QVariantList>(maximised), (QList<QVariantList> { { true }, { false } }));
    }

    void hangingUpAsksFirstAndOnlyOnce()
    {
        auto* window = new VideoCall(nullptr);
        QPointer<VideoCall> guard(window);
        window->show();
        window->setCallInfo(answered());
        // A stray Escape neither ends the call nor asks.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(window->isVisible() && !visibleWindow<CloseMediaWidgetTip>());
        tool(*window, "btn_reject")->click();
        QPointer<CloseMediaWidgetTip> tip = visibleWindow<CloseMediaWidgetTip>();
        QVERIFY(tip);
        QCOMPARE(tip->windowModality(), Qt::ApplicationModal);
        // The title bar's close raises the same question, not a second one.
        emit child<KPTitleBar>(window, "widget_title")->sig_closeBtn_clicked();
        QCOMPARE(visibleWindows<CloseMediaWidgetTip>().size(), 1);
        // Cancelling keeps the call; asking again brings a new question.
        QVERIFY(click(tip, "pushButton_cancel"));
        QTRY_VERIFY(!tip);
        QVERIFY(window->isVisible());
        window->slot_close();
        tip = visibleWindow<CloseMediaWidgetTip>();
        QVERIFY(tip);

        // Confirming asks the business to close the call window; the facade's deletion releases,
        // even when it comes at once, from inside the confirmation.
        connect(journal(), &CommandJournal::sig_recorded, window, [window](const JournalEntry& e) {
            if (e.operation == QLatin1String("closeVideoCallWnd"))
                delete window;
        });
        journal()->clear();
        QVERIFY(click(tip, "pushButton_ok"));
        QVERIFY(!guard);
        QCOMPARE(journalCommands().mid(0, 2), texts({ "closeVideoCallWnd", "ReleaseCall" }));
        QTRY_VERIFY(!tip);
    }

    void closingReleasesOnceAndLateSignalsGoNowhere()
    {
        auto* w = new VideoCall(nullptr);
        w->show();
        w->setCallInfo(answered());
        w->slot_close(); // a question still open goes with the window (cleanup checks)
        w->close();
        QVERIFY(!w->toolBar()->isVisible());
        QCOMPARE(count("ReleaseCall"), 1);
        delete w;
        QCOMPARE(argsOf("ReleaseCall", 1), QVariantList { 0 });
        QCOMPARE(last("ReleaseCall").args.value(0).value<Agent_VoIPCallMsg>(), answered());
        QCOMPARE(argsOf("CancelVoipCallStatus", 0), QVariantList { 4 });
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        journal()->clear();
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_onSwitchMediaType(0, 0);
        emit voip()->sig_onLocalVideoScale(1.5f);
        emit voip()->sig_onSetOwnCamera(true);
        QVERIFY(journalCommands().isEmpty());
    }

    // The panes (VideoWidget).

    void paneLetterboxesAgainUnlessLockedAndShowsTheAvatarWithoutVideo()
    {
        VideoWidget w;
        w.resize(640, 480);
        w.show();
        w.setVideoRatio(16.0f / 9.0f);
        QTRY_COMPARE(child(&w, "video")->geometry(), QRect(0, 60, 640, 360));
        QCOMPARE(bars(w), QStringLiteral("tb"));
        w.resize(1280, 480); // now wider than the picture
        QCOMPARE(bars(w), QStringLiteral("lr"));
        w.setRatioLocked(true);
        w.resize(640, 480);
        QCOMPARE(bars(w), QStringLiteral("lr"));
        // The button slot clears the tip and re-applies the ratio of an unlocked pane.
        w.setRatioLocked(false);
        w.setTipText(QStringLiteral("No camera detected"));
        w.slot_btn_clicked();
        QVERIFY(child<QLabel>(&w, "tipLabel")->text().isEmpty());
        QCOMPARE(bars(w), QStringLiteral("tb"));

        // Video off: the avatar instead, sized by the pane's height.
        QVERIFY(w.isVideoOn());
        w.setAccount(QStringLiteral("bob.li"), false);
        QVERIFY(!w.isVideoOn());
        QCOMPARE(child<QLabel>(&w, "nameLabel")->text(), QStringLiteral("Bob Li"));
        w.resize(640, 500);
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).size(), QSize(70, 70));
        w.resize(640, 501); // redrawn at the new size
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).size(), QSize(170, 170));
        QCOMPARE(child(&w, "headWidget")->maximumHeight(), 170);
    }

    void drawnAvatarTakesNameAccountThenLabelHeightAndWidth_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("name");
        QTest::newRow("in the directory") << QStringLiteral("bob.li") << QStringLiteral("Bob Li");
        QTest::newRow("unknown: the account twice") << QStringLiteral("guest.9") << QStringLiteral("guest.9");
    }
    void drawnAvatarTakesNameAccountThenLabelHeightAndWidth()
    {
        QFETCH(QString, account);
        QFETCH(QString, name);
        VideoWidget w;
        head(w)->setFixedSize(90, 60); // not square: the two sides must not trade places
        w.setAccount(account, false);
        const QPixmap expected = KP_UI_UTIL::getSelfDrawPicHead(name, account, 60, 90, true, 4, 12);
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());
    }

    void freezeSwitchesSurfacePaintingAfterTwoSeconds()
    {
        VideoWidget w;
        w.show();
        QWidget* surface = child(&w, "video");
        auto* timer = child<QTimer>(&w, "freezeTimer");
        w.freezeVideoUpdates(false);
        QVERIFY(surface->updatesEnabled()); // not yet
        QCOMPARE(timer->interval(), 2000);
        fire(timer);
        QVERIFY(!surface->updatesEnabled());
        // The latest wish wins.
        w.freezeVideoUpdates(false);
        w.freezeVideoUpdates(true);
        fire(timer);
        QVERIFY(surface->updatesEnabled());
        // The render handle is the surface's while it is enabled.
        QCOMPARE(QWidget::find(WId(w.renderHandle())), surface);
        surface->setEnabled(false);
        QCOMPARE(w.renderHandle(), quintptr(0));
    }
};

QTEST_MAIN(tst_VideoCall)
#include "tst_VideoCall.moc"
