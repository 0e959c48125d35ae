#include "call/CallTestSupport.h"
#include "call/VideoCall.h"
#include "call/VideoWidget.h"
#include "customui/KPTitleBar.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "panels/MoreMenuChild.h"

#include <QCameraInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSound>
#include <QTimer>
#include <QtTest>

class tst_VideoCall : public QObject, CallTestSupport
{
    Q_OBJECT

    static Agent_VoIPCallMsg record(int event, int mediaConnected = 0) { return callMsg(event, 1, mediaConnected); }
    static QPushButton* tool(VideoCall& w, const char* name) { return child<QPushButton>(w.toolBar(), name); }
    static QString title(VideoCall& w) { return child<KPTitleBar>(&w, "widget_title")->title(); }
    // The preview in the top-right corner of the video area, its hide button beside it.
    static void checkPreviewInTheCorner(VideoCall& w)
    {
        QWidget* area = child(&w, "widget_5");
        QWidget* hideButton = child(&w, "btn_hideVideo");
        QTRY_COMPARE(w.localPane()->pos(), QPoint(area->width() - w.localPane()->width(), 0));
        QCOMPARE(hideButton->pos(), QPoint(w.localPane()->x() - hideButton->width(), 0));
    }
    static void answer(VideoCall& w) { w.setCallInfo(record(3, 1)); }

private slots:
    void init() { resetWithUsers(); }
    void cleanup()
    {
        // Confirmation tips delete themselves when closed.
        for (CloseMediaWidgetTip* tip : visibleWindows<CloseMediaWidgetTip>())
            tip->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void answeringShowsTheControlsAndStartsTheClockOnce()
    {
        VideoCall w;
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VIDEO));
        QCOMPARE(title(w), QStringLiteral("Duration   00:00:00"));
        auto* tone = child<QSound>(&w, "ringTone");
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
        QCOMPARE(tone->loops(), 20);
        w.show();
        const char* const answeredOnly[] = { "btn_share_screen", "btn_video", "btn_config" };
        for (const char* hidden : answeredOnly)
            QVERIFY2(!tool(w, hidden)->isVisible(), hidden);
        for (const char* shown : { "btnSwitch", "btn_audio", "btn_reject" })
            QVERIFY2(tool(w, shown)->isVisible(), shown);

        w.setCallInfo(record(0));
        auto* timer = child<QTimer>(&w, "durationTimer");
        QVERIFY(!timer->isActive());
        w.setCallInfo(record(3, 1));
        QCOMPARE(w.getCallInfo(), record(3, 1));
        for (const char* shown : answeredOnly)
            QVERIFY2(tool(w, shown)->isVisible(), shown);
        QVERIFY(!tool(w, "btn_wbss")->isVisible()); // no whiteboard authority
        QVERIFY(w.remotePane()->isVideoOn());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(title(w).startsWith(QStringLiteral("Duration   00:00:0")));
        // A repeated answer neither restarts the clock nor loses the record.
        w.setCallInfo(record(3, 1));
        QVERIFY(timer->isActive());
        w.setCallInfo(record(7));
        QCOMPARE(w.getCallInfo(), record(7));
    }

    void toolbarAndPreviewFollowTheWindow()
    {
        VideoCall w;
        QVERIFY(w.toolBar()->isWindow());
        w.show();
        QVERIFY(w.toolBar()->isVisible());
        w.move(100, 50);
        QCOMPARE(w.toolBar()->pos(), QPoint(100 + (900 - 470) / 2, 50 + 600 - 60));
        checkPreviewInTheCorner(w);
        w.resize(1280, 720);
        QCOMPARE(w.toolBar()->pos(), QPoint(w.x() + (1280 - 470) / 2, w.y() + 720 - 60));
        checkPreviewInTheCorner(w);
        QVERIFY(child(&w, "widget_5")->width() > 1200);

        // Hidden, the preview leaves its button alone in the corner.
        auto* hideButton = child<QPushButton>(&w, "btn_hideVideo");
        hideButton->click();
        QVERIFY(!w.localPane()->isVisible());
        QCOMPARE(hideButton->pos(), QPoint(child(&w, "widget_5")->width() - hideButton->width(), 0));
        QVERIFY(child<QTimer>(w.localPane(), "freezeTimer")->isActive());
        hideButton->click();
        QVERIFY(w.localPane()->isVisible());
        checkPreviewInTheCorner(w);

        w.hide();
        QVERIFY(!w.toolBar()->isVisible());
    }

    void microphoneAndSpeakerWaitForTheEnginesWord()
    {
        VideoCall w;
        w.show();
        w.setCallInfo(record(1));
        QPushButton* mic = tool(w, "btn_audio");
        mic->click();
        QCOMPARE(count("GetMuteStatus"), 0);
        QVERIFY(!mic->isChecked()); // a click does not fake a state

        w.setCallInfo(record(3, 1));
        mic->click();
        QCOMPARE(count("GetMuteStatus"), 1);
        QVERIFY(!mic->isChecked());
        emit voip()->sig_onGetMuteStatus(false);
        QCOMPARE(last("SetMute").args.value(0).toBool(), true);
        emit voip()->sig_OnSetMuteStatus(0, true);
        QVERIFY(mic->isChecked());
        emit voip()->sig_OnSetMuteStatus(2, false);
        QVERIFY(mic->isChecked());

        // Two presses before the first answer: each answer toggles what the engine reported then.
        mic->click();
        mic->click();
        QVERIFY(mic->isChecked());
        QCOMPARE(count("GetMuteStatus"), 3);
        emit voip()->sig_onGetMuteStatus(true);
        emit voip()->sig_OnSetMuteStatus(0, false);
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetMuteStatus(0, true);
        QCOMPARE(count("SetMute"), 3);
        QCOMPARE(last("SetMute").args.value(0).toBool(), true);
        QVERIFY(mic->isChecked());

        // The speaker: a silent one is turned fully on, any other silenced; a failed query sets nothing.
        w.slot_clickBtnLoudSpeaker();
        QCOMPARE(count("GetSpeakerStatus"), 1);
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        emit voip()->sig_OnGetSpeakerStatus(0, 80);
        emit voip()->sig_OnGetSpeakerStatus(9, 80);
        QCOMPARE(argsOf("SetSpeakerStatus", 0), (QVariantList { 255u, 0u }));
    }

    void cameraShareAndWhiteboardGoWithTheCall()
    {
        BusinessFixture::business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        VideoCall w;
        w.show();
        answer(w);
        QVERIFY(tool(w, "btn_wbss")->isVisible()); // shown with the authority
        tool(w, "btn_wbss")->click();
        QCOMPARE(argsOf("startWhiteBoard", 0), QVariantList { QStringLiteral("bob.li") });
        QPushButton* camera = tool(w, "btn_video");
        camera->click();
        QCOMPARE(last("setLocalCameraPreview").args, (QVariantList { QStringLiteral("call-1"), false }));
        camera->click();
        QCOMPARE(last("setLocalCameraPreview").args, (QVariantList { QStringLiteral("call-1"), true }));
        // The engine's word on the own camera shows in the preview and on the button.
        emit voip()->sig_onSetOwnCamera(false);
        QVERIFY(!w.localPane()->isVideoOn());
        QVERIFY(camera->isChecked());
        emit voip()->sig_onSetOwnCamera(true);
        QVERIFY(w.localPane()->isVideoOn());
        QVERIFY(!camera->isChecked());

        tool(w, "btn_share_screen")->click();
        QCOMPARE(last("ShareScreen").args, (QVariantList { true, QStringLiteral("call-1") }));
        tool(w, "btn_share_screen")->click();
        QCOMPARE(last("ShareScreen").args, (QVariantList { false, QStringLiteral("call-1") }));
    }

    void switchingToVoiceHidesThePanesUntilVideoReturns()
    {
        VideoCall w;
        w.show();
        answer(w);
        QPushButton* switchButton = tool(w, "btnSwitch");
        switchButton->click();
        QCOMPARE(last("switchCallType").args, (QVariantList { 0, QString() }));
        emit voip()->sig_onSwitchMediaType(0, 0);
        QVERIFY(switchButton->isChecked());
        QVERIFY(!w.remotePane()->isVisible() && !w.localPane()->isVisible());
        QVERIFY(!w.remotePane()->isVideoOn());
        QVERIFY(!child(&w, "btn_hideVideo")->isVisible());
        // Instead of an empty window: who the call is with.
        QVERIFY(child(&w, "widget_voice")->isVisible());
        QCOMPARE(child<QLabel>(&w, "label_voiceName")->text(), QStringLiteral("Bob Li"));

        switchButton->click();
        QCOMPARE(last("switchCallType").args, (QVariantList { 1, QString() }));
        emit voip()->sig_onSwitchMediaType(1, 1);
        QVERIFY(!switchButton->isChecked());
        QVERIFY(w.remotePane()->isVisible() && w.localPane()->isVisible());
        QVERIFY(w.remotePane()->isVideoOn() && w.localPane()->isVideoOn());
        QVERIFY(!child(&w, "widget_voice")->isVisible());
        checkPreviewInTheCorner(w);
    }

    void videoScalesShapeThePanes()
    {
        VideoCall w;
        w.show();
        QWidget* area = child(&w, "widget_5");
        const int width = w.localPane()->width();
        emit voip()->sig_onLocalVideoScale(1.2f);
        QCOMPARE(w.localPane()->geometry(), QRect(area->width() - width, 0, width, int(width / 1.2f)));
        QCOMPARE(w.localPane()->videoRatio(), 1.2f);
        // An unusable scale keeps the geometry.
        const QRect before = w.localPane()->geometry();
        emit voip()->sig_onLocalVideoScale(0.0f);
        QCOMPARE(w.localPane()->geometry(), before);
        emit voip()->sig_onRemoteVideoScale(16.0f / 9.0f);
        QCOMPARE(w.remotePane()->videoRatio(), 16.0f / 9.0f);
    }

    void handleBindingHandsOverBothSurfaces()
    {
        VideoCall w;
        w.show();
        w.bindVideoByHandle();
        const quintptr remote = child(w.remotePane(), "video")->winId();
        const quintptr local = child(w.localPane(), "video")->winId();
        QVERIFY(remote && local && remote != local);
        QCOMPARE(last("setVideoViewEX").args,
            (QVariantList { QVariant::fromValue(remote), QVariant::fromValue(local), QVariant::fromValue(quintptr(0)),
                QVariant::fromValue(quintptr(0)) }));
    }

    void accountBindingWithoutCameraShowsTheOwnAvatar()
    {
        if (!QCameraInfo::availableCameras().isEmpty())
            QSKIP("this machine has a camera");
        VideoCall w;
        w.show();
        w.bindVideoByAccount(QStringLiteral("bob.li"));
        QVERIFY(!w.localPane()->isVideoOn());
        QCOMPARE(w.localPane()->account(), QStringLiteral("wang.lei"));
        QVERIFY(w.localPane()->isRatioLocked());
        QCOMPARE(child<QLabel>(w.localPane(), "tipLabel")->text(), QStringLiteral("No camera detected"));
        QVERIFY(!w.remotePane()->isVideoOn());
        QCOMPARE(w.remotePane()->account(), QStringLiteral("bob.li"));
        QVERIFY(!w.remotePane()->isRatioLocked());
        const QStringList ops = BusinessFixture::journalCommands();
        QVERIFY(ops.indexOf(QStringLiteral("setVideoView")) >= 0);
        QVERIFY(ops.indexOf(QStringLiteral("setVideoView")) < ops.indexOf(QStringLiteral("getCameraInfo")));
        QCOMPARE(last("setVideoView").args,
            (QVariantList { QVariant::fromValue(quintptr(w.remoteRenderHandle())),
                QVariant::fromValue(quintptr(w.localRenderHandle())) }));
        // Answering brings the peer's video page.
        w.setCallInfo(record(3, 1));
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
        QCOMPARE(maximised.at(0).at(0).toBool(), true);
        QVERIFY(!w.isWidgetMovable());
        QCOMPARE(w.remotePane()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        w.slot_btn_maxed_clicked();
        QCOMPARE(maximised.at(1).at(0).toBool(), false);
        QVERIFY(w.isWidgetMovable());
        QCOMPARE(w.remotePane()->maximumSize(), recorded);
    }

    void hangingUpAsksFirstAndOnlyOnce()
    {
        auto* window = new VideoCall(nullptr);
        QPointer<VideoCall> guard(window);
        VideoCall& w = *window;
        w.show();
        answer(w);
        tool(w, "btn_reject")->click();
        QCOMPARE(visibleWindows<CloseMediaWidgetTip>().size(), 1);
        QPointer<CloseMediaWidgetTip> tip = visibleWindows<CloseMediaWidgetTip>().first();
        QCOMPARE(tip->type(), 5);
        QCOMPARE(tip->windowModality(), Qt::ApplicationModal);
        // The title bar's close and Escape raise the same question, not a second one.
        emit child<KPTitleBar>(&w, "widget_title")->sig_closeBtn_clicked();
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(visibleWindows<CloseMediaWidgetTip>().size(), 1);
        QVERIFY(w.isVisible());

        // Cancelling keeps the call; asking again brings a new question.
        click(tip, "pushButton_cancel");
        QTRY_VERIFY(!tip);
        QVERIFY(w.isVisible());
        w.slot_close();
        tip = visibleWindows<CloseMediaWidgetTip>().value(0);
        QVERIFY(tip);

        // Confirming asks the business to close the call window; the facade's deletion releases,
        // even when it comes at once, from inside the confirmation.
        connect(journal(), &CommandJournal::sig_recorded, window, [window](const JournalEntry& e) {
            if (e.operation == QLatin1String("closeVideoCallWnd"))
                delete window;
        });
        journal()->clear();
        click(tip, "pushButton_ok");
        QVERIFY(!guard);
        QCOMPARE(BusinessFixture::journalCommands().mid(0, 2),
            BusinessFixture::texts({ "closeVideoCallWnd", "ReleaseCall" }));
        QTRY_VERIFY(!tip);
    }

    void closingReleasesOnceAndDeletingAfterwardsDoesNotAgain()
    {
        auto* w = new VideoCall(nullptr);
        w->show();
        answer(*w);
        w->close();
        QCOMPARE(count("ReleaseCall"), 1);
        QCOMPARE(last("ReleaseCall").args.value(0).value<Agent_VoIPCallMsg>(), record(3, 1));
        QCOMPARE(last("ReleaseCall").args.value(1).toInt(), 0);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        QVERIFY(!w->toolBar()->isVisible());
        delete w;
        QCOMPARE(count("ReleaseCall"), 1);
        QCOMPARE(count("CancelVoipCallStatus"), 1);
    }

    void deletingReleasesTheCallAndLateSignalsGoNowhere()
    {
        auto* w = new VideoCall(nullptr);
        w->show();
        answer(*w);
        w->slot_close(); // a question still open goes with the window
        QPointer<CloseMediaWidgetTip> tip = visibleWindows<CloseMediaWidgetTip>().value(0);
        QVERIFY(tip);
        delete w;
        QVERIFY(!tip || tip->isHidden());
        QTRY_VERIFY(!tip);
        QCOMPARE(count("ReleaseCall"), 1);
        QCOMPARE(voip()->GetVoipCallStatus(), 0);
        journal()->clear();
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_onSwitchMediaType(0, 0);
        emit voip()->sig_onLocalVideoScale(1.5f);
        emit voip()->sig_onSetOwnCamera(true);
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void settingsPanelAsksForEveryDevice()
    {
        VideoCall w;
        w.show();
        answer(w);
        tool(w, "btn_config")->click();
        tool(w, "btn_config")->click();
        const QList<MoreMenuChild*> panels = visibleWindows<MoreMenuChild>();
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.first()->mode(), 0);
    }
};

QTEST_MAIN(tst_VideoCall)
#include "tst_VideoCall.moc"
