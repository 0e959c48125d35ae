#include "conference/SmartConferenceLaunchMgr.h"

#include "business/KP_BusinessView.h"
#include "call/BottomTipWidget.h"
#include "conference/ConferenceMainUi.h"
#include "conference/SmartConferenceLoadingWnd.h"
#include "conference/SmartConferenceWarningWnd.h"
#include "customui/KpMsgTip.h"
#include "facade/KP_MediaConfUI.h"
#include "support/BusinessFixture.h"
#include "support/SimulatorFixture.h"
#include "support/TestWindows.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

using TestWindows::child;

// The launch from an outside link as the manager drives it: login, join, and
// the loading window's two states.
class tst_ConferenceLaunch : public QObject
{
    Q_OBJECT

    static UnifiedConferenceView* conf() { return BusinessFixture::business()->getUnifiedConferenceView(); }
    static void login() { emit BusinessFixture::business()->getLoginView()->sig_loginSuccess(QStringLiteral("me")); }
    static int joins() { return BusinessFixture::journal()->count(QStringLiteral("joinConference")); }

    // A launch of conference 8008 as the facade starts it.
    std::unique_ptr<SmartConferenceLaunchMgr> launch(const QString& confId = QStringLiteral("8008"))
    {
        auto mgr = std::make_unique<SmartConferenceLaunchMgr>();
        mgr->showLoading(true, false);
        mgr->setLaunchParam(confId, QStringLiteral("token"), QStringLiteral("extra"));
        return mgr;
    }

    static bool showsLoading(const SmartConferenceLaunchMgr& mgr)
    {
        SmartConferenceLoadingWnd* w = mgr.loadingWnd();
        return w && w->isVisible() && child(w, "widget_left")->isVisible() && !child(w, "widget_right")->isVisible();
    }
    static bool showsFailure(const SmartConferenceLaunchMgr& mgr)
    {
        SmartConferenceLoadingWnd* w = mgr.loadingWnd();
        return w && w->isVisible() && !child(w, "widget_left")->isVisible() && child(w, "widget_right")->isVisible();
    }

    // Runs the application's event loop until something quits it; true when
    // it was quit by what `act` did rather than by the time-out.
    static bool quitsTheApplication(const std::function<void()>& act)
    {
        QTimer::singleShot(0, qApp, act);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        return QCoreApplication::exec() == 0;
    }

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1"); // the forms' own sizes
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        BusinessFixture::journal()->clear();
    }
    // The facade's suites leave the process-wide notification behind.
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance()); }

    void joinsOnLoginAndHidesOnceJoined()
    {
        conf()->state().inviterConfState = 64;
        auto mgr = launch();
        QVERIFY(showsLoading(*mgr));
        QCOMPARE(joins(), 0); // not before the login

        login();
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("getInviterConfState")).args.value(0).toString(),
            QStringLiteral("8008"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("8008||64|1|1|0|"));
        QVERIFY(showsLoading(*mgr)); // until the answer

        emit conf()->sig_onJoinConference(true, QString(), QStringLiteral("8008"));
        QVERIFY(!mgr->loadingWnd()->isVisible());
        // A reconnect's login in the running conference enters it no second time.
        login();
        QCOMPARE(joins(), 1);
    }

    void theConferenceWindowTakesOver()
    {
        auto mgr = launch();
        login();
        emit conf()->sig_showConferenceMainWidget(CONFERENCE_TYPE_INSTANT, CONF_MEDIA_VIDEO, false);
        QVERIFY(!mgr->loadingWnd()->isVisible());
    }

    void aFailedJoinShowsTheNoticeUntilAJoinSucceeds()
    {
        auto mgr = launch();
        login();
        emit conf()->sig_onJoinConference(false, QStringLiteral("814006 not found"), QStringLiteral("8008"));
        QVERIFY(showsFailure(*mgr));
        // The business text is logged, never shown.
        for (QLabel* label : mgr->loadingWnd()->findChildren<QLabel*>())
            QVERIFY(!label->text().contains(QStringLiteral("814006")));

        // The business library tries again after the next login.
        login();
        QCOMPARE(joins(), 2);
        emit conf()->sig_onJoinConference(true, QString(), QStringLiteral("8008"));
        QVERIFY(!mgr->loadingWnd()->isVisible());

        // A new launch shows the same window in the loading state.
        SmartConferenceLoadingWnd* window = mgr->loadingWnd();
        mgr->showLoading(true, false);
        mgr->setLaunchParam(QStringLiteral("9009"), QString(), QString());
        QCOMPARE(mgr->loadingWnd(), window);
        QVERIFY(showsLoading(*mgr));
        login();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")).section(QLatin1Char('|'), 0, 0),
            QStringLiteral("9009"));
    }

    void answersForOtherConferencesAreIgnored()
    {
        auto mgr = launch();
        login();
        emit conf()->sig_onJoinConference(false, QStringLiteral("locked"), QStringLiteral("7007"));
        QVERIFY(showsLoading(*mgr));
        emit conf()->sig_onJoinConference(true, QString(), QStringLiteral("7007"));
        QVERIFY(showsLoading(*mgr));
        // An answer that names no conference is the launch's.
        emit conf()->sig_onJoinConference(false, QStringLiteral("timeout"), QString());
        QVERIFY(showsFailure(*mgr));
    }

    void aLoginBeforeAnyIdJoinsTheEmptyId()
    {
        SmartConferenceLaunchMgr mgr;
        login();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("||128|1|1|0|"));
        QVERIFY(!mgr.loadingWnd()); // nothing asked for it
        mgr.showLoading(false); // hiding no window makes none
        QVERIFY(!mgr.loadingWnd());
    }

    void theWindowsLookAsGiven()
    {
        auto mgr = launch();
        SmartConferenceLoadingWnd* loading = mgr->loadingWnd();
        QCOMPARE(loading->size(), QSize(800, 450));
        QCOMPARE(loading->windowTitle(), QStringLiteral("正在进入会议室"));
        QVERIFY(loading->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(child<QLabel>(loading, "label")->text(), QStringLiteral("正在进入会议室..."));
        QCOMPARE(loading->grab().toImage().pixelColor(4, 4), QColor(223, 223, 223));

        mgr->showLoading(true, true);
        SmartConferenceWarningWnd* notice = loading->warningWnd();
        QCOMPARE(notice->size(), QSize(350, 240));
        QCOMPARE(notice->windowTitle(), QStringLiteral("失败提示"));
        QCOMPARE(child<QLabel>(notice, "label_2")->text(), QStringLiteral("云会议"));
        QCOMPARE(child<QLabel>(notice, "label")->text(), QStringLiteral("进入会议室失败，请重试"));
        const QImage shot = loading->grab().toImage();
        const QPoint origin = notice->mapTo(loading, QPoint(0, 0));
        QCOMPARE(shot.pixelColor(origin + QPoint(175, 4)), QColor(204, 49, 55)); // title strip
        QCOMPARE(shot.pixelColor(origin + QPoint(10, 200)), QColor(Qt::white)); // body
        QCOMPARE(shot.pixelColor(origin), QColor(223, 223, 223)); // outside the rounded corner
    }

    void closingTheNoticeEndsTheClient()
    {
        auto mgr = launch();
        emit conf()->sig_onJoinConference(false, QStringLiteral("e"), QStringLiteral("8008"));
        SmartConferenceLoadingWnd* window = mgr->loadingWnd();

        QTest::keyClick(window, Qt::Key_Escape); // not a way out
        QVERIFY(showsFailure(*mgr));
        QVERIFY(quitsTheApplication([window] { TestWindows::click(window, "btn_close"); }));
        // Closed by the window system, it ends the client all the same.
        QVERIFY(quitsTheApplication([window] { window->close(); }));
    }

    // The simulated server: a login whose join fails, then one that enters.
    void aSimulatedLaunchFailsThenEnters()
    {
        auto sim = startSimulator();
        auto facade = std::make_unique<KP_MediaConfUI>();
        facade->startLaunchConf(QStringLiteral("318200001"), QString(), QString());
        auto* loading = TestWindows::visibleWindow<SmartConferenceLoadingWnd>();
        QVERIFY(loading);
        sim->playLaunchLogin(QStringLiteral("The meeting ID was not found"));
        QTRY_VERIFY(loading->isFailed());
        QVERIFY(!TestWindows::visibleWindow<ConferenceMainUi>());

        sim->playLaunchLogin();
        QTRY_VERIFY(TestWindows::visibleWindow<ConferenceMainUi>());
        QVERIFY(!loading->isVisible());
        QCOMPARE(joins(), 2);
        QCOMPARE(TestWindows::visibleWindow<ConferenceMainUi>()->confId(), QStringLiteral("318200001"));
        facade.reset();
        if (KpMsgTip* tip = ConferenceMainUi::messageTip())
            tip->close();
        BusinessFixture::flushDeletes();
    }

    void theManagerTakesItsWindowAlong()
    {
        auto mgr = launch();
        QPointer<SmartConferenceLoadingWnd> window = mgr->loadingWnd();
        mgr.reset();
        QVERIFY(!window);
    }
};

QTEST_MAIN(tst_ConferenceLaunch)
#include "tst_ConferenceLaunch.moc"
