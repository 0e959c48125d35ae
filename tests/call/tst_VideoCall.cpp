#include "BusinessFixture.h"
#include "CloseMediaWidgetTip.h"
#include "KPTitleBar.h"
#include "MoreMenuChild.h"
#include "VideoCall.h"
#include "VideoWidget.h"

#include <QCameraInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSound>
#include <QTimer>
#include <QtTest>

class tst_VideoCall : public QObject
{
    Q_OBJECT

    KP_BusinessView* business() { return BusinessFixture::business(); }
    VoipView* voip() { return business()->getVoipView(); }
    CommandJournal* journal() { return BusinessFixture::journal(); }
    int count(const char* op) { return journal()->count(QLatin1String(op)); }
    JournalEntry last(const char* op) { return journal()->last(QLatin1String(op)); }

    static Agent_VoIPCallMsg record(int event, int mediaConnected = 0)
    {
        Agent_VoIPCallMsg msg;
        msg.eventCode = event;
        msg.callType = 1;
        msg.callId = QStringLiteral("call-9");
        msg.callerAccount = QStringLiteral("wang.lei");
        msg.calleeAccount = QStringLiteral("bob.li");
        msg.mediaConnected = mediaConnected;
        return msg;
    }
    static QPushButton* tool(VideoCall& w, const char* name)
    {
        return w.toolBar()->findChild<QPushButton*>(QLatin1String(name));
    }
    static QWidget* part(QWidget* w, const char* name) { return w->findChild<QWidget*>(QLatin1String(name)); }
    static QString title(VideoCall& w) { return w.findChild<KPTitleBar*>(QStringLiteral("widget_title"))->title(); }
    static CloseMediaWidgetTip* openTip()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* tip = qobject_cast<CloseMediaWidgetTip*>(top); tip && tip->isVisible())
                return tip;
        }
        return nullptr;
    }
    static int visibleTips()
    {
        int n = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            n += qobject_cast<CloseMediaWidgetTip*>(top) && top->isVisible() ? 1 : 0;
        return n;
    }
    void answer(VideoCall& w)
    {
        w.setCallInfo(record(0));
        w.setCallInfo(record(1));
        w.setCallInfo(record(3, 1));
    }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("wang.lei"), QStringLiteral("Wang Lei"));
        business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }
    void cleanup()
    {
        // Confirmation tips delete themselves when closed.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<CloseMediaWidgetTip*>(top))
                top->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void freshWindowHoldsTheVideoMarkWithAnsweredControlsHidden()
    {
        VideoCall w;
        QCOMPARE(w.windowTitle(), QStringLiteral("多功能语音会议系统"));
        QCOMPARE(w.size(), QSize(900, 600));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(voip()->GetVoipCallStatus(), int(VoipView::CALL_MARK_VIDEO));
        QCOMPARE(title(w), QStringLiteral("Duration   00:00:00"));
        QCOMPARE(w.movableHeight(), part(&w, "widget_title")->height());
        auto* tone = w.findChild<QSound*>(QStringLiteral("ringTone"));
        QVERIFY(tone->fileName().endsWith(QStringLiteral("/Ring.wav")));
        QCOMPARE(tone->loops(), 20);
        QVERIFY(w.toolBar()->isWindow());
        QCOMPARE(w.toolBar()->size(), QSize(470, 60));
        QCOMPARE(w.toolBar()->windowFlags() & Qt::Tool, Qt::Tool);
        w.show();
        QVERIFY(w.toolBar()->isVisible());
        for (const char* hidden : { "btn_share_screen", "btn_video", "btn_wbss", "btn_config" })
            QVERIFY2(!tool(w, hidden)->isVisible(), hidden);
        for (const char* shown : { "btnSwitch", "btn_audio", "btn_reject" })
            QVERIFY2(tool(w, shown)->isVisible(), shown);
        QCOMPARE(w.remotePane()->minimumSize(), QSize(640, 480));
        QCOMPARE(w.localPane()->minimumSize(), QSize(231, 150));
    }

    void toolbarSitsCentredInsideTheBottomEdgeAndFollowsTheWindow()
    {
        VideoCall w;
        w.show();
        w.move(100, 50);
        QCOMPARE(w.toolBar()->pos(), QPoint(100 + (900 - 470) / 2, 50 + 600 - 60));
        w.resize(1000, 700);
        QCOMPARE(w.toolBar()->pos(), QPoint(w.x() + (1000 - 470) / 2, w.y() + 700 - 60));
        w.hide();
        QVERIFY(!w.toolBar()->isVisible());
        w.show();
        QVERIFY(w.toolBar()->isVisible());
    }

    void previewTakesTheTopRightCornerOfTheVideoArea()
    {
        VideoCall w;
        w.show();
        QWidget* area = part(&w, "widget_5");
        QWidget* local = w.localPane();
        QWidget* hideButton = part(&w, "btn_hideVideo");
        QTRY_COMPARE(local->pos(), QPoint(area->width() - local->width(), 0));
        QCOMPARE(hideButton->pos(), QPoint(local->x() - hideButton->width(), 0));
        w.resize(1280, 720);
        QTRY_COMPARE(local->pos(), QPoint(area->width() - local->width(), 0));
        QVERIFY(area->width() > 1200);
        QCOMPARE(hideButton->pos(), QPoint(local->x() - hideButton->width(), 0));
    }

    void answeringShowsTheControlsAndStartsTheClockOnce()
    {
        business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        VideoCall w;
        w.show();
        w.setCallInfo(record(0));
        QCOMPARE(w.getCallInfo(), record(0));
        auto* timer = w.findChild<QTimer*>(QStringLiteral("durationTimer"));
        QVERIFY(!timer->isActive());
        w.setCallInfo(record(3, 1));
        QCOMPARE(w.getCallInfo(), record(3, 1));
        for (const char* shown : { "btn_share_screen", "btn_video", "btn_wbss", "btn_config" })
            QVERIFY2(tool(w, shown)->isVisible(), shown);
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

    void whiteboardNeedsTheAuthorityAndStartsWithThePeer()
    {
        {
            VideoCall w;
            w.show();
            answer(w);
            QVERIFY(!tool(w, "btn_wbss")->isVisible());
        }
        business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        VideoCall w;
        w.show();
        answer(w);
        tool(w, "btn_wbss")->click();
        QCOMPARE(last("startWhiteBoard").args.value(0).toString(), QStringLiteral("bob.li"));
    }

    void microphoneWaitsForTheMediaAndTheEnginesWord()
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
        mic->click();
        QVERIFY(mic->isChecked());
    }

    void twoMicrophonePressesBeforeTheAnswerEachToggleOnce()
    {
        VideoCall w;
        w.setCallInfo(record(3, 1));
        QPushButton* mic = tool(w, "btn_audio");
        mic->click();
        mic->click();
        QCOMPARE(count("GetMuteStatus"), 2);
        emit voip()->sig_onGetMuteStatus(false);
        emit voip()->sig_OnSetMuteStatus(0, true);
        emit voip()->sig_onGetMuteStatus(true);
        emit voip()->sig_OnSetMuteStatus(0, false);
        QCOMPARE(count("SetMute"), 2);
        QCOMPARE(last("SetMute").args.value(0).toBool(), false);
        QVERIFY(!mic->isChecked());
    }

    void speakerQueryAndAnswer()
    {
        VideoCall w;
        w.slot_clickBtnLoudSpeaker();
        QCOMPARE(count("GetSpeakerStatus"), 1);
        emit voip()->sig_OnGetSpeakerStatus(0, 0);
        QCOMPARE(last("SetSpeakerStatus").args.value(0).toUInt(), 255u);
        emit voip()->sig_OnGetSpeakerStatus(0, 80);
        QCOMPARE(last("SetSpeakerStatus").args.value(0).toUInt(), 0u);
        emit voip()->sig_OnGetSpeakerStatus(9, 80);
        QCOMPARE(count("SetSpeakerStatus"), 2);
    }

    void cameraAndShareAreToggledWithTheCallId()
    {
        VideoCall w;
        w.show();
        answer(w);
        QPushButton* camera = tool(w, "btn_video");
        camera->click();
        QCOMPARE(last("setLocalCameraPreview").args, (QVariantList { QStringLiteral("call-9"), false }));
        camera->click();
        QCOMPARE(last("setLocalCameraPreview").args, (QVariantList { QStringLiteral("call-9"), true }));
        // The engine's word on the own camera shows in the preview and on the button.
        emit voip()->sig_onSetOwnCamera(false);
        QVERIFY(!w.localPane()->isVideoOn());
        QVERIFY(camera->isChecked());
        emit voip()->sig_onSetOwnCamera(true);
        QVERIFY(w.localPane()->isVideoOn());
        QVERIFY(!camera->isChecked());

        tool(w, "btn_share_screen")->click();
        QVERIFY(w.isSharing());
        QCOMPARE(last("ShareScreen").args, (QVariantList { true, QStringLiteral("call-9") }));
        tool(w, "btn_share_screen")->click();
        QVERIFY(!w.isSharing());
        QCOMPARE(last("ShareScreen").args, (QVariantList { false, QStringLiteral("call-9") }));

        QCOMPARE(w.separateMode(), 0);
        w.slot_separateWidget();
        QCOMPARE(w.separateMode(), 1);
        w.slot_separateWidget();
        QCOMPARE(w.separateMode(), 0);
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
        QVERIFY(!w.remotePane()->isVisible());
        QVERIFY(!w.localPane()->isVisible());
        QVERIFY(!w.remotePane()->isVideoOn());
        QVERIFY(!part(&w, "btn_hideVideo")->isVisible());
        // Instead of an empty window: who the call is with.
        QVERIFY(part(&w, "widget_voice")->isVisible());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("label_voiceName"))->text(), QStringLiteral("Bob Li"));

        switchButton->click();
        QCOMPARE(last("switchCallType").args, (QVariantList { 1, QString() }));
        emit voip()->sig_onSwitchMediaType(1, 1);
        QVERIFY(!switchButton->isChecked());
        QVERIFY(w.remotePane()->isVisible());
        QVERIFY(w.localPane()->isVisible());
        QVERIFY(w.remotePane()->isVideoOn() && w.localPane()->isVideoOn());
        QVERIFY(!part(&w, "widget_voice")->isVisible());
        QWidget* area = part(&w, "widget_5");
        QCOMPARE(w.localPane()->pos(), QPoint(area->width() - w.localPane()->width(), 0));
    }

    void hidingThePreviewParksItsButtonInTheCorner()
    {
        VideoCall w;
        w.show();
        QWidget* area = part(&w, "widget_5");
        auto* hideButton = w.findChild<QPushButton*>(QStringLiteral("btn_hideVideo"));
        QTRY_COMPARE(w.localPane()->pos(), QPoint(area->width() - w.localPane()->width(), 0));
        hideButton->click();
        QVERIFY(hideButton->isChecked());
        QVERIFY(!w.localPane()->isVisible());
        QCOMPARE(hideButton->pos(), QPoint(area->width() - hideButton->width(), 0));
        auto* freeze = w.localPane()->findChild<QTimer*>(QStringLiteral("freezeTimer"));
        QVERIFY(freeze->isActive());
        hideButton->click();
        QVERIFY(w.localPane()->isVisible());
        QCOMPARE(hideButton->pos(), QPoint(w.localPane()->x() - hideButton->width(), 0));
    }

    void videoScalesShapeThePanes()
    {
        VideoCall w;
        w.show();
        QWidget* area = part(&w, "widget_5");
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
        const JournalEntry bind = last("setVideoViewEX");
        QVERIFY(bind.isValid());
        const quintptr remote = w.remotePane()->findChild<QWidget*>(QStringLiteral("video"))->winId();
        const quintptr local = w.localPane()->findChild<QWidget*>(QStringLiteral("video"))->winId();
        QVERIFY(remote && local && remote != local);
        QCOMPARE(bind.args,
            (QVariantList { QVariant::fromValue(remote), QVariant::fromValue(local), QVariant::fromValue(quintptr(0)),
                QVariant::fromValue(quintptr(0)) }));
        QCOMPARE(quintptr(w.remoteRenderHandle()), remote);
        QCOMPARE(quintptr(w.localRenderHandle()), local);
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
        QCOMPARE(w.localPane()->findChild<QLabel*>(QStringLiteral("tipLabel"))->text(),
            QStringLiteral("No camera detected"));
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
        QCOMPARE(maximised.count(), 1);
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
        VideoCall w;
        w.show();
        answer(w);
        tool(w, "btn_reject")->click();
        CloseMediaWidgetTip* tip = openTip();
        QVERIFY(tip);
        QCOMPARE(tip->type(), 5);
        QCOMPARE(tip->windowModality(), Qt::ApplicationModal);
        QCOMPARE(count("ReleaseCall"), 0);
        // The title bar's close and Escape raise the same question, not a second one.
        emit w.findChild<KPTitleBar*>(QStringLiteral("widget_title"))->sig_closeBtn_clicked();
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(visibleTips(), 1);
        QVERIFY(w.isVisible());

        // Confirming asks the business to close the call window.
        tip->findChild<QPushButton*>(QStringLiteral("pushButton_ok"))->click();
        QCOMPARE(count("closeVideoCallWnd"), 1);
        QCOMPARE(count("ReleaseCall"), 0); // the facade's deletion releases
    }

    void cancellingTheQuestionKeepsTheCall()
    {
        VideoCall w;
        w.show();
        answer(w);
        w.slot_close();
        QPointer<CloseMediaWidgetTip> tip = openTip();
        tip->findChild<QPushButton*>(QStringLiteral("pushButton_cancel"))->click();
        QTRY_VERIFY(!tip);
        QVERIFY(w.isVisible());
        QCOMPARE(count("closeVideoCallWnd"), 0);
        w.slot_close();
        QVERIFY(openTip());
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
        QPointer<CloseMediaWidgetTip> tip = openTip();
        QVERIFY(tip);
        delete w;
        QVERIFY(!tip);
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
        QList<MoreMenuChild*> panels;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<MoreMenuChild*>(top))
                panels << p;
        }
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.first()->mode(), 0);
        QVERIFY(panels.first()->isVisible());
    }
};

QTEST_MAIN(tst_VideoCall)
#include "tst_VideoCall.moc"
