// The conference main window: its form and geometry, what its controls ask of
// the business view, the clock and the end of the conference, the exit flow,
// locks and sharing, and bad input.
#include "ConferenceTestSupport.h"

#include "business/UI_ControlView.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/Popup_Common_Widget.h"
#include "customui/ExtendDurationWidget.h"
#include "customui/KpMsgBox.h"
#include "meeting/RectangeTip.h"
#include "members/ConfRightWgt.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace ConferenceTest;
using namespace TestWindows;

class tst_ConferenceMainUi : public ConferenceSuite
{
    Q_OBJECT

private slots:
    void formAndTheSidePanelInTheNormalState()
    {
        ConferenceMainUi w;
        w.show();
        QCOMPARE(w.size(), QSize(1360, 770));
        QCOMPARE(w.minimumSize(), QSize(1040, 770));
        // The toolbar's first toggle opens the panel without growing the window; closing it shrinks the window.
        QVERIFY(w.isRightPanelShown());
        QCOMPARE(child(&w, "wgt_rightWgt")->width(), 320);
        QVERIFY(click(w.rightPanel(), "btn_close"));
        QCOMPARE(w.width(), 1040);
        QVERIFY(child(&w, "wgt_rightWgt")->isHidden());
    }

    void maximisedOnlyThePanelComesAndGoesAndNothingDrags()
    {
        ConferenceMainUi w;
        w.show();
        w.move(40, 30);
        auto drag = [&w](QPoint by) {
            const QPoint from = w.mapToGlobal(QPoint(300, 10));
            QMouseEvent press(
                QEvent::MouseButtonPress, QPointF(300, 10), from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent move(
                QEvent::MouseMove, QPointF(300, 10) + by, from + by, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(300, 10) + by, from + by, Qt::LeftButton,
                Qt::NoButton, Qt::NoModifier);
            for (QMouseEvent* e : { &press, &move, &release })
                QCoreApplication::sendEvent(&w, e);
        };
        drag(QPoint(50, 20));
        QCOMPARE(w.pos(), QPoint(90, 50));
        QVERIFY(click(&w, "btn_max"));
        QVERIFY(w.isMaximisedByButtons());
        QVERIFY(child(&w, "btn_max")->styleSheet().contains(QStringLiteral("dark_btn_restore_normal.png")));
        const QRect maximised = w.geometry();
        drag(QPoint(50, 20));
        QCOMPARE(w.geometry(), maximised);
        QVERIFY(click(w.toolBar(), "btn_members"));
        QVERIFY(!w.isRightPanelShown());
        QVERIFY(click(w.toolBar(), "btn_members"));
        QVERIFY(w.isRightPanelShown());
        QCOMPARE(w.geometry(), maximised);
        // Restored with the panel closed while maximised: the normal geometry without it.
        QVERIFY(click(w.toolBar(), "btn_members"));
        QVERIFY(click(&w, "btn_max"));
        QVERIFY(!w.isMaximisedByButtons());
        QCOMPARE(w.size(), QSize(1040, 770));
        QCOMPARE(w.pos(), QPoint(90, 50));
        QVERIFY(child(&w, "btn_max")->styleSheet().isEmpty());
    }

    void controlsAndRequestsReachTheBusinessView()
    {
        auto w = enter(roster(2));
        BusinessFixture::fire(ConferenceToolBar::microphoneGuard());
        BusinessFixture::fire(ConferenceToolBar::cameraGuard());
        QSignalSpy chat(conf(), &UnifiedConferenceView::sig_showConferenceChat);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        QVERIFY(click(w->toolBar(), "btn_audio"));
        QVERIFY(click(w->toolBar(), "btn_video"));
        QVERIFY(click(w->toolBar(), "btn_chats"));
        QCOMPARE(calls(), texts({ "controlSelfMicphone(false)", "controlSelfCamera(false,0)" }));
        QCOMPARE(signalArgs(chat), texts({ "9001" }));

        // The camera is off and there is no camera: a tip, no request.
        BusinessFixture::fire(ConferenceToolBar::cameraGuard());
        emit conf()->sig_onControlSelfCamera(QStringLiteral("me"), false);
        BusinessFixture::journal()->clear();
        QVERIFY(click(w->toolBar(), "btn_video"));
        QCOMPARE(tipsOf(tips).last(), QStringLiteral("Cannot be opened without device @0"));
        // The host asks the user's microphone on; the answer shows it.
        emit conf()->sig_onControlSelfMicphone(QStringLiteral("me"), true);
        QCOMPARE(calls(), texts({ "controlSelfMicphone(true)" }));
        emit conf()->sig_onControlSelfMicphone(true, false);
        QVERIFY(w->toolBar()->isMicrophoneMuted());
        BusinessFixture::fire(ConferenceToolBar::cameraGuard());
        BusinessFixture::fire(ConferenceToolBar::microphoneGuard());

        tips.clear();
        emit conf()->sig_onRequestOpenCamera();
        KpMsgBox* box = w->findChild<KpMsgBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->messageText(), QStringLiteral("Is the camera on?"));
        box->slot_onOk();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("controlSelfCamera")), QStringLiteral("true|0"));

        emit conf()->sig_selectConfMembers({ QStringLiteral("x1") }, {}, 1);
        emit conf()->sig_selectConfMembers({}, {}, 2);
        QVERIFY(!commands().contains(QStringLiteral("inviteMembers")));
        w->hide();
        emit conf()->sig_selectConfMembers({ QStringLiteral("x1"), QStringLiteral("x2") }, {}, 2);
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("inviteMembers")).args.first().toStringList(),
            texts({ "x1", "x2" }));
        QVERIFY(w->isVisible());

        // A media time-out of this conference while the devices are held.
        emit conf()->sig_onConferenceMediaTimeout(QStringLiteral("m1"), 0, QStringLiteral("9001"));
        BusinessFixture::business()->getMultimediaMgrView()->state().status = MULTIMEDIA_CONFERENCE;
        emit conf()->sig_onConferenceMediaTimeout(QStringLiteral("m1"), 0, QStringLiteral("777"));
        QVERIFY(tips.isEmpty());
        emit conf()->sig_onConferenceMediaTimeout(QStringLiteral("m1"), 0, QStringLiteral("9001"));
        QCOMPARE(tipsOf(tips), texts({ "Media timeout, you will leave the meeting! @4" }));
        QCOMPARE(tipText(), QStringLiteral("Media timeout, you will leave the meeting!"));
    }

    void conferenceClockFollowsTheStartTime()
    {
        ConferenceMainUi w;
        auto* clock = child<QLabel>(w.titleBar(), "label_conf_time");
        emit conf()->sig_updateConferenceInfo(brief(QStringLiteral("9001"), 0));
        QVERIFY(!w.conferenceTimer()->isActive());
        emit conf()->sig_updateConferenceInfo(brief(QStringLiteral("9001"), QDateTime::currentSecsSinceEpoch() + 600));
        QCOMPARE(w.conferenceTimer()->interval(), 1000);
        QVERIFY(clock->text().isEmpty()); // a start in the future
        emit conf()->sig_updateConferenceInfo(
            brief(QStringLiteral("9001"), QDateTime::currentSecsSinceEpoch() - 25 * 3600));
        BusinessFixture::journal()->clear();
        BusinessFixture::fire(w.conferenceTimer());
        QVERIFY(clock->text().startsWith(QStringLiteral("1 day 01:00:0")));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("getStatisticsInfo")), 0);
        BusinessFixture::fire(w.conferenceTimer());
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("getStatisticsInfo")), 1); // every second tick
        // Statistics set the network level; text that is no JSON object is ignored.
        emit conf()->sig_onStatisticsInfo(QStringLiteral("{\"TotalStats\":{\"Rtt_ms\":1200}}"));
        emit conf()->sig_onStatisticsInfo(QStringLiteral("[not json"));
        QCOMPARE(child(w.titleBar(), "btn_wifi")->property("level").toString(), QStringLiteral("l"));
    }

    void theEndCountdownAndTheHostsExtension()
    {
        auto w = enter(roster(2, true));
        Agent_ConfNtyMsg msg;
        QString text;
        emit conf()->sig_confEndCountdown(QStringLiteral("777"), 180);
        QVERIFY(!w->countdownStrip()->isVisible());
        emit conf()->sig_confEndCountdown(QStringLiteral("9001"), 0);
        RectangeTip* strip = w->countdownStrip();
        QVERIFY(strip->isVisible());
        QCOMPARE(strip->pos(), QPoint(10, w->height() - 100 - strip->height()));
        BusinessFixture::fire(strip->countdownTimer());
        QCOMPARE(strip->text(), QStringLiteral("180 second left conference will be close"));

        emit conf()->sig_handleMsgReserveRemindBeforeEnd(msg, text);
        ExtendDurationWidget* offer = w->extendOffer();
        QVERIFY(offer && offer->isVisible());
        emit conf()->sig_handleMsgReserveRemindBeforeEnd(msg, text); // one offer at a time
        QCOMPARE(w->extendOffer(), offer);
        QSignalSpy extend(conf(), &UnifiedConferenceView::sig_conferenceExtendDuration);
        QVERIFY(click(offer, "btn_yes"));
        QCOMPARE(extend.count(), 1);
        QCOMPARE(extend.at(0), (QList<QVariant> { QStringLiteral("9001"), 30, 30 }));
        QVERIFY(!w->extendOffer());
        BusinessFixture::flushDeletes();

        // A member gets no offer.
        conf()->setHostAccount(QStringLiteral("m1"));
        emit conf()->sig_handleMsgReserveRemindBeforeEnd(msg, text);
        QVERIFY(!w->extendOffer());
    }

    void exitFlowForAMember()
    {
        auto w = enter(roster(2));
        QSignalSpy uiClose(conf(), &UnifiedConferenceView::sig_confUIClose);
        QSignalSpy quitBoard(conf(), &UnifiedConferenceView::sig_uiQuitWhiteborad);
        w->close(); // asks first, never closes by itself
        QVERIFY(w->isVisible());
        Popup_Common_Widget* question = w->commonPopup();
        QVERIFY(question->isVisible());
        QCOMPARE(question->type(), 4);
        QCOMPARE(question->pos(),
            w->mapToGlobal(QPoint(w->width() / 2 - question->width() / 2, w->height() / 2 - question->height() / 2)));
        QVERIFY(click(question, "btn_ok"));
        QCOMPARE(signalArgs(uiClose), texts({ "9001" }));
        QCOMPARE(quitBoard.count(), 1);
        QCOMPARE(calls(), texts({ "leaveConference()" }));
        QVERIFY(w->layoutControl()->videoList().isEmpty());
        // Leaving another conference is not this one's end.
        emit conf()->sig_onLeaveConference(true, QString(), QStringLiteral("777"));
        emit conf()->sig_onDismissConference(true, QString(), QStringLiteral("777"));
        QVERIFY(w->isVisible());
        emit conf()->sig_onLeaveConference(true, QString(), QStringLiteral("9001"));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->conferenceTimer()->isActive());
        QVERIFY(w->confId().isEmpty());
    }

    void exitFlowForTheHost()
    {
        auto w = enter(roster(2, true));
        QSignalSpy uiClose(conf(), &UnifiedConferenceView::sig_confUIClose);
        invoke(*w, "slot_onAccept", 5); // leave; the conference goes on
        QCOMPARE(calls(), texts({ "sendCmdLectureMode(false)", "restStopRecording(2)" }));
        BusinessFixture::journal()->clear();
        invoke(*w, "slot_onOther", 4); // only the end-or-leave pop-up ends the conference
        QVERIFY(click(w.get(), "btn_close"));
        QCOMPARE(w->commonPopup()->type(), 5);
        QVERIFY(click(w->commonPopup(), "btn_other")); // end for everybody
        QCOMPARE(calls(), texts({ "restStopRecording(1)" }));
        QCOMPARE(uiClose.count(), 2);
        emit conf()->sig_onDismissConference(true, QString(), QStringLiteral("9001"));
        QVERIFY(!w->isVisible());
        QVERIFY(w->confId().isEmpty());
    }

    void locksAndSharing()
    {
        auto w = enter(roster(2)); // the user is a member
        emit conf()->sig_onNotifyConferenceLockStatus(CONF_LOCK_BIT_SHARING);
        QVERIFY(click(w->toolBar(), "btn_share_screen"));
        QCOMPARE(tipText(), QStringLiteral("The moderator has turned on sharing lock, please wait"));
        closeTip();
        // A share runs: the member waits.
        conf()->state().shareAccount = QStringLiteral("m2");
        conf()->state().shareDeviceType = CONFMEMBER_DEVICE_WEB;
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("m2"), CONFMEMBER_DEVICE_WEB);
        QVERIFY(click(w->toolBar(), "btn_share_screen"));
        QCOMPARE(tipText(), QStringLiteral("The meeting is being shared, please wait"));
        closeTip();
        // Stopping a browser's share is not possible; another device's is asked for.
        invoke(*w, "slot_onAccept", 3);
        QCOMPARE(tipText(), QStringLiteral("The current share is H5, browser does not support"));
        conf()->state().shareDeviceType = CONFMEMBER_DEVICE_MOBILE;
        invoke(*w, "slot_onAccept", 3);
        conf()->state().shareAccount.clear();
        invoke(*w, "slot_onAccept", 3);
        invoke(*w, "slot_onAccept", 1);
        QVERIFY(QMetaObject::invokeMethod(w.get(), "slot_OpenConfLock", Q_ARG(bool, true)));
        QCOMPARE(calls(),
            texts({ "sendCmdDesktopShare(m2,20,false)", "setConferenceLockState(2)", "setConferenceLockState(0)" }));
    }
};

QTEST_MAIN(tst_ConferenceMainUi)
#include "tst_ConferenceMainUi.moc"
