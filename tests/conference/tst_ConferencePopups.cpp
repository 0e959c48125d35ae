// The conference pop-ups on their own: the questions' texts and answers, the
// menus' signals, the work bench's switches and their guards, the bubbles,
// the panel host's pages and titles.
#include "business/UI_ControlView.h"
#include "conference/PopupWidget.h"
#include "conference/Popup_Common_Widget.h"
#include "conference/Popup_Small_Widget.h"
#include "conference/PromptWidget_Control.h"
#include "conference/SafeWgt.h"
#include "conference/StopConfPopupWgt.h"
#include "conference/WifiWgt.h"
#include "conference/WorkbenchWgt.h"
#include "panels/PPC_ScreenLayout.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TestWindows;

class tst_ConferencePopups : public QObject
{
    Q_OBJECT

    static void fireGuards()
    {
        for (auto guard :
            { WorkbenchWgt::PollingGuard, WorkbenchWgt::ConferenceLockGuard, WorkbenchWgt::ShareLockGuard })
            if (WorkbenchWgt::guardTimer(guard)->isActive())
                BusinessFixture::fire(WorkbenchWgt::guardTimer(guard));
    }

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1");
        BusinessFixture::reset();
        fireGuards();
    }
    void cleanup()
    {
        BusinessFixture::flushDeletes();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void commonQuestionAnswersWithItsType()
    {
        Popup_Common_Widget popup;
        QSignalSpy accept(&popup, &Popup_Common_Widget::sig_onAccept);
        QSignalSpy other(&popup, &Popup_Common_Widget::sig_onOther);
        QSignalSpy ignore(&popup, &Popup_Common_Widget::sig_onIgnore);
        popup.setType(Popup_Common_Widget_Type(5));
        QCOMPARE(popup.windowModality(), Qt::ApplicationModal);
        popup.show();
        QVERIFY(child(&popup, "label_second")->isVisible() && child(&popup, "btn_other")->isVisible());
        QCOMPARE(child<QAbstractButton>(&popup, "btn_ok")->text(), QStringLiteral("leave"));
        QVERIFY(click(&popup, "btn_ok"));
        QVERIFY(!popup.isVisible());
        QCOMPARE(accept.takeFirst().at(0).toInt(), 4); // the host's "leave" is a leave
        popup.show();
        QVERIFY(click(&popup, "btn_other"));
        QCOMPARE(other.takeFirst().at(0).toInt(), 5);

        popup.setType(Popup_Common_Widget_Type(3));
        popup.show();
        QCOMPARE(popup.windowModality(), Qt::WindowModal);
        QVERIFY(!child(&popup, "label_second")->isVisible() && !child(&popup, "btn_other")->isVisible());
        QVERIFY(click(&popup, "btn_ignore"));
        QCOMPARE(ignore.takeFirst().at(0).toInt(), 3);
        QVERIFY(click(&popup, "btn_ok"));
        QCOMPARE(accept.takeFirst().at(0).toInt(), 3);
        // A type outside the table is kept and changes no text.
        popup.setType(Popup_Common_Widget_Type(9));
        QCOMPARE(popup.type(), 9);
        QCOMPARE(child<QLabel>(&popup, "label_first")->text(),
            QStringLiteral("Do you want to turn off ongoing screen sharing?"));
    }

    void smallNoticeShowsThePageOfItsType()
    {
        Popup_Small_Widget popup;
        QSignalSpy polling(&popup, &Popup_Small_Widget::sig_stoppolling);
        auto* pages = child<QStackedWidget>(&popup, "stackedWidget_3");
        popup.setShowType(Popup_Small_Widget_Type(1));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("AttcontPage"));
        popup.setShowType(Popup_Small_Widget_Type(4)); // no page: nothing changes
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("AttcontPage"));
        QCOMPARE(popup.showType(), 1);

        // The lock pages' answers are asked of the business view in the window's suite.
        popup.setShowType(Popup_Small_Widget_Type(5));
        QVERIFY(click(&popup, "btnCancel_2"));
        QVERIFY(click(&popup, "btnOk_2"));
        for (const char* closeOnly : { "btnCancel", "btnOk_NoConf", "btnCancel_3", "btnOk_4", "btnClose" })
            QVERIFY(click(&popup, closeOnly));
        QCOMPARE(polling.count(), 1);
    }

    void workbenchSwitchesAreGuarded()
    {
        auto bench = std::make_unique<WorkbenchWgt>();
        QCOMPARE(bench->size(), QSize(360, 380));
        QSignalSpy polling(bench.get(), &WorkbenchWgt::sig_poolling);
        QSignalSpy confLock(bench.get(), &WorkbenchWgt::sig_confLock);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        child<QComboBox>(bench.get(), "comboBox_polling_time")->setCurrentText(QStringLiteral("60"));
        QVERIFY(click(bench.get(), "btn_polling"));
        QCOMPARE(polling.takeFirst(), (QList<QVariant> { true, QStringLiteral("60") }));
        QVERIFY(click(bench.get(), "btn_polling")); // within the guard time
        QVERIFY(polling.isEmpty());
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Please do not operate frequently!"));
        QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(4));
        QCOMPARE(WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard)->interval(), 2000);

        // Each switch has its own guard; a lock asks for the opposite of what is shown, and the ask
        // does not switch by itself.
        bench->setConferenceLock(true);
        QVERIFY(click(bench.get(), "btn_lock_conf"));
        QCOMPARE(confLock.takeFirst().at(0).toBool(), false);
        QCOMPARE(child(bench.get(), "btn_lock_conf")->property("active").toString(), QStringLiteral("y"));

        // A bench gone within the guard time does not leave its switch refused.
        bench.reset();
        BusinessFixture::fire(WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard));
        WorkbenchWgt next;
        QSignalSpy nextPolling(&next, &WorkbenchWgt::sig_poolling);
        QVERIFY(click(&next, "btn_polling"));
        QCOMPARE(nextPolling.count(), 1);
        QVERIFY(click(&next, "btn_audio_setting"));
        fireGuards();
    }

    // The menus' answers (stop, leave, all microphones and cameras) reach the business view in the
    // window's suite; here, the stop menu's two shapes.
    void stopMenuHasTheStopEntryForTheHostOnly()
    {
        StopConfPopupWgt stop;
        stop.setHost(false);
        stop.show();
        QCOMPARE(stop.height(), 94);
        QVERIFY(!child(&stop, "btn_stop_conf")->isVisible());
        stop.setHost(true);
        QCOMPARE(stop.height(), 132);
        QVERIFY(child(&stop, "btn_stop_conf")->isVisible());
        {
            // On a double-density screen the host's menu grows like the rest of
            // the window instead of clipping its two buttons.
            qputenv("KP_SCREEN_SCALE", "2");
            StopConfPopupWgt dense;
            dense.setHost(true);
            qunsetenv("KP_SCREEN_SCALE");
            QCOMPARE(dense.height(), 264);
        }
    }

    void bubbles()
    {
        SafeWgt safe;
        safe.refresh();
        safe.show();
        QCOMPARE(safe.hideTimer()->interval(), 3000);
        BusinessFixture::fire(safe.hideTimer());
        QVERIFY(!safe.isVisible() && !safe.hideTimer()->isActive());

        WifiWgt wifi;
        wifi.setDelay(-20);
        wifi.setSendLoss(4);
        wifi.setRecvLoss(12.5);
        wifi.refresh();
        // The texts and levels are the network policy's; the bubble shows them.
        QCOMPARE(child<QLabel>(&wifi, "label_delay")->text(), QStringLiteral("0ms"));
        QCOMPARE(child(&wifi, "label_quality_icon")->property("wifi").toString(), QStringLiteral("mid"));

        // A bubble goes when the user turns to another window, not before.
        QWidget other;
        other.show();
        wifi.show();
        QApplication::setActiveWindow(&wifi);
        QEvent stay(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&wifi, &stay);
        QCoreApplication::processEvents();
        QVERIFY(wifi.isVisible());
        QApplication::setActiveWindow(&other);
        QTRY_VERIFY(!wifi.isVisible());

        PromptWidget_Control prompt;
        QCOMPARE(prompt.text(), QStringLiteral("Set main venue lock"));
        prompt.slot_lockMainConf();
        QCOMPARE(prompt.text(), QStringLiteral("Unlock the main venue"));
        // The bubble widens to its new, longer text.
        QVERIFY(prompt.maximumWidth() > QFontMetrics(child(&prompt, "label_info")->font())
                                            .horizontalAdvance(QStringLiteral("Unlock the main venue")));
    }

    void panelHostShowsThePageOfItsType()
    {
        PopupWidget popup;
        QSignalSpy layout(&popup, &PopupWidget::sig_setScreenLayout);
        auto* pages = child<QStackedWidget>(&popup, "stackedWidget");
        popup.setShowType(3);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("ConfInfoPage"));
        popup.setShowType(1); // sharing: the title only
        QCOMPARE(popup.title(), QStringLiteral("share screen"));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("ConfInfoPage"));
        popup.setShowType(42);
        QCOMPARE(popup.showType(), 1);

        // The layout page takes the current layout only while shown, and its choice goes out.
        popup.setLayoutType(4);
        QCOMPARE(popup.layoutPage()->screenLayout(), -1);
        popup.setShowType(0);
        QCOMPARE(popup.title(), QStringLiteral("Layout"));
        popup.setLayoutType(4);
        QCOMPARE(popup.layoutPage()->screenLayout(), 4);
        popup.show();
        QVERIFY(click(popup.layoutPage(), "YesBtn"));
        QCOMPARE(layout.takeFirst().at(0).toInt(), 4);
        QVERIFY(!popup.isVisible()); // hidden, still alive for its opener
        popup.show();
        QVERIFY(click(&popup, "closeWinBtn"));
        QVERIFY(!popup.isVisible());
    }
};

QTEST_MAIN(tst_ConferencePopups)
#include "tst_ConferencePopups.moc"
