// The conference window's pop-ups at their buttons: where each opens, what
// its answers ask of the business view, and a window that goes while one of
// them is open. The exit question is the window suite's.
#include "ConferenceTestSupport.h"

#include "conference/ConferenceBarRect.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/MemberControlPopupWgt.h"
#include "conference/PopupWidget.h"
#include "conference/Popup_Common_Widget.h"
#include "conference/Popup_Small_Widget.h"
#include "conference/SafeWgt.h"
#include "conference/StopConfConfirmWgt.h"
#include "conference/StopConfPopupWgt.h"
#include "conference/WifiWgt.h"
#include "conference/WorkbenchWgt.h"
#include "members/ConfRightWgt.h"
#include "panels/MoreMenuChild.h"
#include "panels/NewPPC_Info.h"
#include "panels/PPC_ScreenLayout.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <functional>

using namespace ConferenceTest;
using namespace TestWindows;

class tst_ConferencePopupAnswers : public ConferenceSuite
{
    Q_OBJECT

    static QString smallPage(ConferenceMainUi& w)
    {
        if (!w.smallPopup()->isVisible())
            return QString();
        return child<QStackedWidget>(w.smallPopup(), "stackedWidget_3")->currentWidget()->objectName();
    }
    static QRect barRect(QWidget* root, const char* name) { return conferenceBarRect(child<QPushButton>(root, name)); }
    // Runs `open`, which waits modally, and answers the window of type T once
    // it shows, as the user would; the window may open some waits further in.
    template<typename T> static void answer(const std::function<void()>& open, const std::function<void(T*)>& reply)
    {
        QObject context;
        bool answered = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &context, [&] {
            T* shown = visibleWindow<T>();
            if (!shown || answered)
                return;
            answered = true;
            poll.stop();
            const QPointer<T> window(shown);
            reply(shown);
            // A reply that failed half-way must not leave the wait open.
            if (window && window->isVisible())
                window->close();
        });
        poll.start(0);
        open();
        QVERIFY2(answered, T::staticMetaObject.className());
    }
    // Picks a more-menu entry by its text.
    static void moreMenu(ConferenceMainUi& w, const QString& entry)
    {
        answer<QMenu>([&w] { QMetaObject::invokeMethod(&w, "on_btn_moremenu_clicked"); },
            [entry](QMenu* menu) {
                menu->close();
                for (QAction* action : menu->actions())
                    if (action->text() == entry)
                        action->trigger();
            });
    }
    static void liftGuards()
    {
        for (auto guard :
            { WorkbenchWgt::PollingGuard, WorkbenchWgt::ConferenceLockGuard, WorkbenchWgt::ShareLockGuard })
            BusinessFixture::fire(WorkbenchWgt::guardTimer(guard));
    }

private slots:
    void stopMenuAndItsConfirmation()
    {
        auto w = enter(roster(2, true));
        QVERIFY(click(w->toolBar(), "btn_stop_conf"));
        StopConfPopupWgt* stop = w->stopPopup();
        const QRect rect = barRect(w->toolBar(), "btn_stop_conf");
        const QRect at = stop->frameGeometry();
        QCOMPARE(at.right() + 1, rect.right() + 1 + 24);
        QCOMPARE(at.bottom() + 1, rect.bottom() + 1 + 10 - child(w.get(), "wgt_bottom_tool_bar")->height());
        answer<StopConfConfirmWgt>([&] { QVERIFY(click(stop, "btn_stop_conf")); },
            [](StopConfConfirmWgt* confirm) {
                QCOMPARE(child<QLabel>(confirm, "label_content")->text(),
                    QStringLiteral("Ending the meeting will unlock all participants. Do you want to end"));
                QVERIFY(click(confirm, "btn_confirm"));
            });
        QCOMPARE(calls(), texts({ "restStopRecording(1)" }));
        BusinessFixture::journal()->clear();
        conf()->setHostAccount(QStringLiteral("m1"));
        QVERIFY(click(w->toolBar(), "btn_stop_conf"));
        QVERIFY(click(stop, "btn_leave_conf"));
        QCOMPARE(commands(), texts({ "leaveConference" }));
    }

    void workBenchLocksAndPolling()
    {
        auto w = enter(roster(6, true));
        liftGuards();
        QVERIFY(click(w->toolBar(), "btn_workbench"));
        WorkbenchWgt* bench = w->workbench();
        const QRect rect = barRect(w->toolBar(), "btn_workbench");
        QCOMPARE(bench->frameGeometry().bottom() + 1, rect.top() - 10);
        QCOMPARE(bench->frameGeometry().center().x() + 32, rect.center().x());

        QVERIFY(click(bench, "btn_lock_conf"));
        QVERIFY(click(bench, "btn_share_lock"));
        QVERIFY(click(bench, "btn_polling"));
        QCOMPARE(BusinessFixture::journal()->entries(QStringLiteral("setConferenceLockState")).size(), 2);
        QCOMPARE(BusinessFixture::journal()->entries(QStringLiteral("setConferenceLockState")).at(0).args.first(),
            QVariant(0));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setConferenceLockState")), QStringLiteral("2"));
        QVERIFY(w->layoutControl()->isPolling());
        QCOMPARE(child(bench, "btn_polling")->property("active").toString(), QStringLiteral("y"));
        // The answer of the server turns the switches; the next click asks the opposite.
        emit conf()->sig_onNotifyConferenceLockStatus(CONF_LOCK_BIT_CONFERENCE | CONF_LOCK_BIT_SHARING);
        QCOMPARE(child(bench, "btn_lock_conf")->property("active").toString(), QStringLiteral("y"));
        liftGuards();
        QVERIFY(click(bench, "btn_lock_conf"));
        QVERIFY(click(bench, "btn_share_lock"));
        QVERIFY(click(bench, "btn_polling"));
        QCOMPARE(BusinessFixture::journal()->entries(QStringLiteral("setConferenceLockState")).at(2).args.first(),
            QVariant(1));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setConferenceLockState")), QStringLiteral("3"));
        QVERIFY(!w->layoutControl()->isPolling());
        // The device pages refresh their lists and open the settings on the page asked for.
        BusinessFixture::journal()->clear();
        QVERIFY(click(w->toolBar(), "btn_workbench"));
        QVERIFY(BusinessFixture::journalOps().contains(QStringLiteral("getSpeakerInfo")));
        QVERIFY(click(bench, "btn_video_setting"));
        auto* settings = visibleWindow<MoreMenuChild>();
        QVERIFY(settings && !bench->isVisible());
        QCOMPARE(settings->currentPage(), 1);
        liftGuards();
    }

    void locksFromTheMoreMenu()
    {
        auto w = enter(roster(2, true));
        moreMenu(*w, QStringLiteral("Meeting lock: turned off"));
        QCOMPARE(smallPage(*w), QStringLiteral("HostlockPage1"));
        QVERIFY(click(w->smallPopup(), "btnOk"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setConferenceLockState")), QStringLiteral("0"));
        // Locking sharing while somebody else shares says that it stops their share.
        conf()->state().shareAccount = QStringLiteral("m2");
        conf()->state().shareDeviceType = CONFMEMBER_DEVICE_PC;
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("m2"), CONFMEMBER_DEVICE_PC);
        moreMenu(*w, QStringLiteral("Shared lock: turned off"));
        QCOMPARE(w->commonPopup()->type(), 2);
        QVERIFY(click(w->commonPopup(), "btn_ok"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setConferenceLockState")), QStringLiteral("2"));
        // The host asks to stop that share from the share button.
        QVERIFY(click(w->toolBar(), "btn_share_screen"));
        QCOMPARE(w->commonPopup()->type(), 3);
        QVERIFY(click(w->commonPopup(), "btn_ok"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("sendCmdDesktopShare")), QStringLiteral("m2|20|false"));
    }

    void lockedMeetingRefusesJoiningAndInviting()
    {
        auto w = enter(roster(2));
        emit conf()->sig_onNotifyConferenceLockStatus(CONF_LOCK_BIT_CONFERENCE);
        emit conf()->sig_onJoinConference(false, QStringLiteral("locked"), QStringLiteral("9001"));
        QCOMPARE(smallPage(*w), QStringLiteral("AttcontPage"));
        QVERIFY(click(w->smallPopup(), "btnOk_NoConf"));
        QMetaObject::invokeMethod(w.get(), "on_btn_invite_clicked", Q_ARG(QRect, QRect()));
        QCOMPARE(smallPage(*w), QStringLiteral("Attcont_invite_Page_3"));
        QVERIFY(click(w->smallPopup(), "btnOk_4"));
        conf()->setHostAccount(QStringLiteral("me"));
        QMetaObject::invokeMethod(w.get(), "on_btn_invite_clicked", Q_ARG(QRect, QRect()));
        QCOMPARE(smallPage(*w), QStringLiteral("Host_invite_Page_2"));
        QVERIFY(click(w->smallPopup(), "btnOk_3"));
        QCOMPARE(calls(), texts({ "setConferenceLockState(1)" }));
    }

    void memberControlAndStatusBubbles()
    {
        auto w = enter(roster(3, true));
        emit conf()->sig_updateAllMicphonesButtonState(true);
        QVERIFY(click(w->rightPanel(), "btn_member_control"));
        MemberControlPopupWgt* control = w->memberControlPopup();
        auto* button = child<QPushButton>(w->rightPanel(), "btn_member_control");
        const QRect rect(button->mapToGlobal(QPoint(0, 0)), button->size());
        QCOMPARE(control->frameGeometry().right() + 1, rect.right() + 1 - 144);
        QCOMPARE(control->frameGeometry().bottom() + 1, rect.top());
        QVERIFY(click(control, "btn_all_mute_mic"));
        QVERIFY(click(w->rightPanel(), "btn_member_control"));
        QVERIFY(click(control, "btn_all_mute_camera"));
        QCOMPARE(calls(), texts({ "controlAllMemberMicphone(true)", "controlAllMemberCamera(false)" }));

        // The bubbles hang under their marks of the title bar.
        ConferenceTitleBar* title = w->titleBar();
        QVERIFY(click(title, "btn_safe"));
        QCOMPARE(w->safePopup()->pos(), barRect(title, "btn_safe").bottomLeft() + QPoint(-36, 1));
        QVERIFY(w->safePopup()->hideTimer()->isActive());
        emit conf()->sig_onStatisticsInfo(QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":13}],"
                                                         "\"Receive\":[]},\"TotalStats\":{\"Rtt_ms\":90}}"));
        QVERIFY(click(title, "btn_wifi"));
        WifiWgt* wifi = w->wifiPopup();
        QCOMPARE(wifi->y(), barRect(title, "btn_wifi").bottom() + 1);
        QCOMPARE(child<QLabel>(wifi, "label_delay")->text(), QStringLiteral("90ms"));
        QCOMPARE(child(wifi, "label_quality_icon")->property("wifi").toString(), QStringLiteral("low"));
    }

    void panelPagesOpenFromTheWindow()
    {
        auto w = enter(roster(2, true));
        // The layout chooser: its choice becomes the window's layout.
        answer<PopupWidget>([&] { QVERIFY(click(w->toolBar(), "btn_layout_mode")); },
            [&](PopupWidget* popup) {
                QCOMPARE(popup->title(), QStringLiteral("Layout"));
                QCOMPARE(popup->layoutPage()->screenLayout(), 1);
                QCOMPARE(popup->pos(),
                    w->mapToGlobal(QPoint((w->width() - popup->width()) / 2, (w->height() - popup->height()) / 2)));
                child<QRadioButton>(popup, "BigMounted3X3Btn")->click();
                QVERIFY(click(popup->layoutPage(), "YesBtn"));
            });
        QCOMPARE(w->layoutControl()->currentLayoutType(), 3);
        // Material opens at the window's left with its bottom at the opener.
        answer<PopupWidget>([&] { QMetaObject::invokeMethod(w.get(), "on_btn_material_clicked"); },
            [&](PopupWidget* popup) {
                QCOMPARE(popup->title(), QStringLiteral("material"));
                QCOMPARE(popup->x(), w->mapToGlobal(QPoint(0, 0)).x());
                QCOMPARE(popup->frameGeometry().bottom() + 1, w->toolBar()->mapToGlobal(QPoint(0, 0)).y());
                QVERIFY(click(popup, "closeWinBtn"));
            });
        // The meeting information of the more menu, with the record and the host's edit button.
        conf()->state().currentConfId = QStringLiteral("9001");
        answer<PopupWidget>([&] { moreMenu(*w, QStringLiteral("Meeting information")); },
            [](PopupWidget* popup) {
                QCOMPARE(popup->title(), QStringLiteral("Meeting information"));
                QCOMPARE(popup->infoPage()->conferenceInfo().confId, QStringLiteral("9001"));
                QVERIFY(child(popup, "btnTopicOk")->isVisible());
                popup->close();
            });
        BusinessFixture::flushDeletes();
        QVERIFY(!w->findChild<PopupWidget*>()); // each opening's pop-up is gone after it
    }

    void windowGoesWhileAPopUpIsOpen()
    {
        QPointer<ConferenceMainUi> w = enter(roster(6, true)).release();
        liftGuards();
        QVERIFY(click(w->toolBar(), "btn_workbench"));
        QVERIFY(click(w->workbench(), "btn_polling"));
        QVERIFY(click(w->titleBar(), "btn_safe"));
        // The conference ends while the layout chooser waits for an answer.
        answer<PopupWidget>([&] { QVERIFY(click(w->toolBar(), "btn_layout_mode")); },
            [&](PopupWidget*) {
                w->deleteLater();
                BusinessFixture::flushDeletes();
            });
        QVERIFY(!w);
        QVERIFY(visibleWindows<PopupWidget>().isEmpty());
        // The business library goes on; the work bench's guard still lifts.
        emit conf()->sig_onNotifyConferenceLockStatus(CONF_LOCK_BIT_CONFERENCE);
        emit conf()->sig_onStatisticsInfo(QStringLiteral("{\"TotalStats\":{\"Rtt_ms\":10}}"));
        QVERIFY(WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard)->isActive());
        BusinessFixture::fire(WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard));
        QVERIFY(!WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard)->isActive());
    }
};

QTEST_MAIN(tst_ConferencePopupAnswers)
#include "tst_ConferencePopupAnswers.moc"
