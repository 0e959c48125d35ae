#include "conference/SmartConferenceLaunchMgr.h"

#include "business/KP_BusinessView.h"
#include "conference/SmartConferenceLoadingWnd.h"
#include "conference/SmartConferenceWarningWnd.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
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
    static void joined(bool ok, const char* confId = "8008")
    {
        emit conf()->sig_onJoinConference(ok, QStringLiteral("814006 not found"), QString::fromUtf8(confId));
    }

    // The launch of conference 8008 as the facade starts it.
    static std::unique_ptr<SmartConferenceLaunchMgr> launch()
    {
        auto mgr = std::make_unique<SmartConferenceLaunchMgr>();
        mgr->showLoading(true, false);
        mgr->setLaunchParam(QStringLiteral("8008"), QStringLiteral("token"), QStringLiteral("extra"));
        return mgr;
    }

    // "loading" or "failed" when exactly that part shows; otherwise "hidden" or "both".
    static QString state(const SmartConferenceLaunchMgr& mgr)
    {
        SmartConferenceLoadingWnd* w = mgr.loadingWnd();
        const bool left = w && child(w, "widget_left")->isVisible(), right = w && child(w, "widget_right")->isVisible();
        if (!w || !w->isVisible())
            return QStringLiteral("hidden");
        return left == right ? QStringLiteral("both") : QLatin1String(left ? "loading" : "failed");
    }

    // True when what `act` does quits the application's event loop.
    static bool quitsTheApplication(const std::function<void()>& act)
    {
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QTimer::singleShot(0, qApp, act);
        return QCoreApplication::exec() == 0;
    }

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1"); // the forms' own sizes
        BusinessFixture::reset();
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void joinsOnLoginAndHidesOnceJoined()
    {
        {
            SmartConferenceLaunchMgr bare; // before any id: the empty one
            login();
            QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("||128|1|1|0|"));
        }
        BusinessFixture::journal()->clear();
        conf()->state().inviterConfState = 64;
        auto mgr = launch();
        QCOMPARE(state(*mgr), QStringLiteral("loading"));
        QCOMPARE(joins(), 0); // not before the login
        login();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("8008||64|1|1|0|"));
        joined(true);
        QCOMPARE(state(*mgr), QStringLiteral("hidden"));
        login(); // a reconnect in the running conference enters it no second time
        QCOMPARE(joins(), 1);
    }

    void aFailedJoinShowsTheNoticeUntilAJoinSucceeds()
    {
        auto mgr = launch();
        login();
        joined(false, "7007"); // answers for other conferences are not the launch's
        joined(true, "7007");
        QCOMPARE(state(*mgr), QStringLiteral("loading"));
        joined(false);
        QCOMPARE(state(*mgr), QStringLiteral("failed"));
        for (QLabel* label : mgr->loadingWnd()->findChildren<QLabel*>()) // logged, never shown
            QVERIFY(!label->text().contains(QStringLiteral("814006")));
        login(); // the business library tries again
        QCOMPARE(joins(), 2);
        joined(true, ""); // an answer that names no conference is the launch's
        QCOMPARE(state(*mgr), QStringLiteral("hidden"));
    }

    void theWindowsLookAsGiven()
    {
        auto mgr = launch();
        SmartConferenceLoadingWnd* loading = mgr->loadingWnd();
        QCOMPARE(loading->size(), QSize(800, 450));
        QCOMPARE(loading->windowTitle(), QStringLiteral("正在进入会议室"));
        QCOMPARE(child<QLabel>(loading, "label")->text(), QStringLiteral("正在进入会议室..."));
        QCOMPARE(loading->grab().toImage().pixelColor(4, 4), QColor(223, 223, 223));

        mgr->showLoading(true, true);
        SmartConferenceWarningWnd* notice = loading->warningWnd();
        QCOMPARE(notice->size(), QSize(350, 240));
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
        joined(false);
        SmartConferenceLoadingWnd* window = mgr->loadingWnd();
        QTest::keyClick(window, Qt::Key_Escape); // not a way out
        QCOMPARE(state(*mgr), QStringLiteral("failed"));
        QVERIFY(quitsTheApplication([window] { TestWindows::click(window, "btn_close"); }));
        QVERIFY(quitsTheApplication([window] { window->close(); })); // by the window system
    }
};

QTEST_MAIN(tst_ConferenceLaunch)
#include "tst_ConferenceLaunch.moc"
