// The conference title bar and toolbar on their own: what they show and what
// their clicks report.
#include "ConferenceTestSupport.h"

#include "business/UI_ControlView.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

using namespace ConferenceTest;
using namespace TestWindows;

class tst_ConferenceBars : public ConferenceSuite
{
    Q_OBJECT

    static void releaseOn(QWidget* w)
    {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
    static void liftGuards()
    {
        BusinessFixture::fire(ConferenceToolBar::microphoneGuard());
        BusinessFixture::fire(ConferenceToolBar::cameraGuard());
    }

private slots:
    void microphoneAndCameraAskForTheOppositeStateOnceASecond()
    {
        ConferenceToolBar bar;
        liftGuards();
        QSignalSpy audio(&bar, &ConferenceToolBar::sig_on_audio_clicked);
        QSignalSpy video(&bar, &ConferenceToolBar::sig_on_video_clicked);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        QVERIFY(click(&bar, "btn_audio"));
        QVERIFY(click(&bar, "btn_audio")); // too soon
        QVERIFY(click(&bar, "btn_video")); // the camera's guard is its own
        QCOMPARE(signalArgs(audio), texts({ "true" })); // the microphone is on
        QCOMPARE(video.count(), 1);
        QCOMPARE(signalArgs(tips), texts({ "Please do not click frequently!" })); // its pop-up type is free
        QCOMPARE(ConferenceToolBar::microphoneGuard()->interval(), 1000);

        liftGuards();
        bar.setMicrophoneMuted(true);
        bar.setCameraOff(true);
        QCOMPARE(child(&bar, "btn_audio")->toolTip(), QStringLiteral("Turn on the microphone"));
        QCOMPARE(child(&bar, "btn_audio")->property("active").toString(), QStringLiteral("n"));
        QCOMPARE(child(&bar, "btn_video")->toolTip(), QStringLiteral("turn on camera"));
        releaseOn(child(&bar, "wgt_mic")); // the whole tile is the button
        releaseOn(child(&bar, "wgt_camera"));
        QCOMPARE(audio.last().at(0).toBool(), false);
        QCOMPARE(video.last().at(0).toBool(), false);
        liftGuards();
    }

    void otherButtonsTheCountAndTheCameraList()
    {
        ConferenceToolBar bar;
        bar.show();
        QSignalSpy members(&bar, &ConferenceToolBar::sig_on_members_clicked);
        QSignalSpy stop(&bar, &ConferenceToolBar::sig_on_stop_conf_clicked);
        releaseOn(child(&bar, "wgt_attend")); // the whole tile is the button
        QVERIFY(click(&bar, "btn_stop_conf"));
        QCOMPARE(members.count(), 1);
        auto* stopButton = child<QPushButton>(&bar, "btn_stop_conf");
        QCOMPARE(stop.at(0).at(0).toRect(), QRect(stopButton->mapToGlobal(stopButton->pos()), stopButton->size()));
        // Buttons the bar never shows.
        for (const char* hidden :
            { "btn_record", "btn_polling", "btn_layout_mode", "btn_fullscreen", "btn_invite_user", "btn_more" })
            QVERIFY2(child(&bar, hidden)->isHidden(), hidden);
        bar.setMemberCount(1000);
        QCOMPARE(child<QLabel>(&bar, "label_attend_num")->text(), QStringLiteral("(999+)"));
        // Without a camera the camera is asked off.
        emit BusinessFixture::voip()->sig_onGetCameraInfo({ Agent_CameraInfo() });
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
        emit BusinessFixture::voip()->sig_onGetCameraInfo({});
        QCOMPARE(BusinessFixture::journalCalls(), texts({ "controlSelfCamera(false,0)" }));
    }

    void titleBarShowsItsStateAndReportsItsClicks()
    {
        ConferenceTitleBar bar;
        bar.show();
        bar.setConferenceInfo(brief(QStringLiteral("318204001")));
        QCOMPARE(child<QPushButton>(&bar, "btn_conf_id")->text(), QStringLiteral("ID:318 204 001"));
        bar.setLayoutType(7);
        QCOMPARE(child<QLabel>(&bar, "label_layout_mode_name")->text(), QStringLiteral("Speaker mode"));
        QCOMPARE(child(&bar, "btn_layout_mode_icon")->property("mode").toString(), QStringLiteral("7"));
        QVERIFY(!child(&bar, "wgt_record_center")->isVisible());
        bar.setRecording(true);
        QVERIFY(child(&bar, "wgt_record_center")->isVisible());

        QWidget* wifi = child(&bar, "btn_wifi");
        QCOMPARE(wifi->property("level").toString(), QStringLiteral("h"));
        bar.setNetworkQuality(300, 0, 0);
        QCOMPARE(wifi->property("level").toString(), QStringLiteral("m"));
        bar.setNetworkQuality(200, 3, 4); // between the thresholds: as it was
        QCOMPARE(wifi->property("level").toString(), QStringLiteral("m"));
        QCOMPARE(wifi->property("grade").toString(), QStringLiteral("m")); // both carry the letter

        QSignalSpy layout(&bar, &ConferenceTitleBar::sig_layout_mode_clicked);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        // A press anywhere on the layout area counts as the arrow.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(child(&bar, "wgt_layout"), &press);
        auto* arrow = child<QPushButton>(&bar, "btn_down_arrow");
        QCOMPARE(layout.count(), 1);
        QCOMPARE(layout.at(0).at(0).toRect(), QRect(arrow->mapToGlobal(arrow->pos()), arrow->size()));
        QVERIFY(click(&bar, "btn_copy"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("318204001"));
        QCOMPARE(tipsOf(tips), texts({ "Copy success @4" }));
    }
};

QTEST_MAIN(tst_ConferenceBars)
#include "tst_ConferenceBars.moc"
