// Every kind of work a window leaves for later (its timers, single shots bound
// to it, deletions it posted) with the window, or its owner, destroyed while
// that work is pending. Run under the sanitizers: a guard that is missing shows
// up as a use after free or a leak.
#include "call/BottomTipWidget.h"
#include "call/VideoWidget.h"
#include "call/VoipCallIncoming.h"
#include "conference/ConferenceTestSupport.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/PPC_ShareScreen.h"
#include "conference/SafeWgt.h"
#include "conference/WorkbenchWgt.h"
#include "facade/KP_MediaConfUI.h"
#include "meeting/ConferenceTipWidget.h"
#include "meeting/RectangeTip.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"
#include "panels/DebugForStatisticsWdg.h"
#include "panels/NetworkWidget.h"
#include "policy/MemberRowGeometry.h"
#include "video/MediaLayoutWgt.h"
#include "video/PromptWidget_SysMsg.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/VidyoWidget.h"

#include <QPointer>

#include <functional>

using namespace ConferenceTest;
using F = BusinessFixture;

namespace {

// What a row left pending, and how its owner goes.
struct Pending
{
    std::function<void()> destroy = {};
    QList<QPointer<QTimer>> ownTimers = {}; // must go with the window
    QList<QTimer*> processTimers = {}; // process-wide: fired once the window is gone
    int boundShotMs = 0; // a single shot bound to the window: the loop runs past it
    bool clocked = false; // the row started the window's own timers
};

QList<QPointer<QTimer>> activeTimers(const QObject* window)
{
    QList<QPointer<QTimer>> timers;
    for (QTimer* t : window->findChildren<QTimer*>())
        if (t->isActive())
            timers << t;
    return timers;
}

template<class T> std::function<void()> destroyer(T* object)
{
    return [object] { delete object; };
}

ConfMembersControlWidget* attendees(bool host)
{
    auto* w = new ConfMembersControlWidget;
    conf()->setRoster(roster(2, host));
    w->setIsHost(host);
    w->show();
    emit conf()->sig_onGetConferenceMemberInfoList(roster(2, host));
    return w;
}

using Row = std::function<Pending()>;

// A window whose own timers the start runs: they must go with it.
template<class W> Row clocks(const std::function<void(W*)>& start)
{
    return [start] {
        auto* w = new W;
        w->show();
        start(w);
        return Pending { destroyer(w), activeTimers(w), {}, 0, true };
    };
}

// The facade shows a conference of the type and is told to close it: the window's deletion is posted.
Row facadeClosing(ENUM_CONFERENCE_TYPE type)
{
    return [type] {
        auto* facade = new KP_MediaConfUI;
        conf()->state().currentConfId = QStringLiteral("9001");
        emit conf()->sig_showConferenceMainWidget(type, CONF_MEDIA_VIDEO, false);
        emit conf()->sig_closeConferenceMainWidget();
        return Pending { destroyer(facade) };
    };
}

const QList<QPair<const char*, Row>>& rows()
{
    static const QList<QPair<const char*, Row>> table {
        { "conference window: media time-out leave, clock, polling, end countdown and extension offer",
            [] {
                ConferenceMainUi* w = enter(roster(6, true)).release();
                QMetaObject::invokeMethod(w, "slot_openPolling", Q_ARG(QString, QStringLiteral("5")));
                Agent_ConfNtyMsg msg;
                QString text;
                emit conf()->sig_handleMsgReserveRemindBeforeEnd(msg, text);
                emit conf()->sig_confEndCountdown(QStringLiteral("9001"), 180);
                F::business()->getMultimediaMgrView()->state().status = MULTIMEDIA_CONFERENCE;
                emit conf()->sig_onConferenceMediaTimeout(QString(), 0, QStringLiteral("9001"));
                return Pending { destroyer(w), activeTimers(w), {}, 2000, true };
            } },
        { "conference window: closed share chooser",
            [] {
                ConferenceMainUi* w = enter(roster(2, true)).release();
                emit w->findChild<ConferenceToolBar*>()->sig_on_share_screen_clicked();
                w->shareChooser()->slot_close(); // its deletion is posted
                return Pending { destroyer(w) };
            } },
        { "countdown strip: closed while counting",
            [] {
                ConferenceMainUi* w = enter(roster(2, true)).release();
                RectangeTip* strip = w->countdownStrip();
                strip->startCountdown(180);
                QList<QPointer<QTimer>> timers { strip->countdownTimer() };
                TestWindows::click(strip, "pushButton"); // deletes itself later; the window forgets it
                return Pending { destroyer(w), timers };
            } },
        { "attendee list: menu about to open",
            [] {
                ConfMembersControlWidget* w = attendees(false);
                ConfMembersControlListView* list = w->joinedList();
                const QRect row = list->visualRect(list->sortModel()->index(1, 0)); // "me" after the host
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, MemberRowGeometry::moreRect(row, 1).center());
                return Pending { destroyer(w) };
            } },
        { "attendee list: kick-out question open",
            [] {
                ConfMembersControlWidget* w = attendees(true);
                w->joinedList()->slot_showMsgBox(QStringLiteral("Information"), QStringLiteral("Kick?"),
                    QStringLiteral("m1"), CONFMEMBER_DEVICE_PC, MessageType_KickOut);
                return Pending { destroyer(w) };
            } },
        { "bubble: deactivation settling",
            [] {
                auto* bubble = new SafeWgt;
                bubble->show();
                QEvent deactivate(QEvent::WindowDeactivate);
                QCoreApplication::sendEvent(bubble, &deactivate);
                return Pending { destroyer(bubble) };
            } },
        { "toolbar: rapid-click guards",
            [] {
                auto* bar = new ConferenceToolBar;
                TestWindows::click(bar, "btn_audio");
                TestWindows::click(bar, "btn_video");
                return Pending { destroyer(bar), {},
                    { ConferenceToolBar::microphoneGuard(), ConferenceToolBar::cameraGuard() } };
            } },
        { "work bench: rapid-click guards",
            [] {
                auto* bench = new WorkbenchWgt;
                bench->show();
                for (const char* name : { "btn_polling", "btn_lock_conf", "btn_share_lock" })
                    TestWindows::click(bench, name);
                return Pending { destroyer(bench), {},
                    { WorkbenchWgt::guardTimer(WorkbenchWgt::PollingGuard),
                        WorkbenchWgt::guardTimer(WorkbenchWgt::ConferenceLockGuard),
                        WorkbenchWgt::guardTimer(WorkbenchWgt::ShareLockGuard) } };
            } },
        { "voice grid: meeting clock", clocks<MediaLayoutWgt>([](auto* w) { w->setCallingState(false); }) },
        { "incoming call: ring time-out", clocks<VoipCallIncoming>([](auto*) {}) },
        { "Vidyo window: call clock", clocks<VidyoWidget>([](auto* w) { w->slot_onStartConnectTime(); }) },
        { "Vidyo attendees: mute-all guard", clocks<AttendeesWidget>([](auto* w) { w->slot_onMuteAllBtn(); }) },
        { "statistics window: polling",
            clocks<DebugForStatisticsWdg>([](auto* w) { TestWindows::click(w, "btn_start"); }) },
        { "phone notice: animation and lifetime", clocks<ConferenceTipWidget>([](auto*) {}) },
        { "network card: hiding", clocks<NetworkWidget>([](auto*) {}) },
        { "safety bubble: hiding", clocks<SafeWgt>([](auto* w) { w->refresh(); }) },
        { "system message prompt: queue",
            clocks<PromptWidget_SysMsg>([](auto* w) { w->addMessage(QStringLiteral("m1 joined"), true); }) },
        { "call picture: ratio after a resize",
            [] {
                auto* picture = new VideoWidget;
                picture->slotResizeVideoWidget(true);
                return Pending { destroyer(picture) };
            } },
        { "title bar: its network card's deletion", [] { return Pending { destroyer(new ConferenceTitleBar) }; } },
        { "facade: conference window deletion posted", facadeClosing(CONFERENCE_TYPE_UNIFIED) },
        { "facade: voice grid deletion posted", facadeClosing(CONFERENCE_TYPE_GROUP) },
    };
    return table;
}

} // namespace

class tst_DeferredWork : public ConferenceSuite
{
    Q_OBJECT

private slots:
    void cleanup() // keeps the process-wide bottom tip the facade's rows make
    {
        closeTip();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void pendingWorkOutlivesItsWindowSafely_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::newRow(rows().at(i).first) << i;
    }
    void pendingWorkOutlivesItsWindowSafely()
    {
        QFETCH(int, row);
        Pending pending = rows().at(row).second();
        for (QTimer* t : qAsConst(pending.processTimers))
            QVERIFY(t->isActive());
        QVERIFY(!pending.clocked || !pending.ownTimers.isEmpty());
        pending.destroy();
        for (const QPointer<QTimer>& t : qAsConst(pending.ownTimers))
            QVERIFY2(!t, "a timer outlived its window");
        for (QTimer* t : qAsConst(pending.processTimers))
            F::fire(t);
        // The business library goes on talking to nobody.
        emit conf()->sig_updateConferenceInfo(brief(QStringLiteral("9001")));
        emit conf()->sig_onGetConferenceMemberInfoList(roster(3));
        emit conf()->sig_onLeaveConference(true, QString(), QStringLiteral("9001"));
        F::flushDeletes();
        if (pending.boundShotMs > 0) {
            QObject context;
            bool past = false;
            QTimer::singleShot(pending.boundShotMs + 50, &context, [&past] { past = true; });
            QTRY_VERIFY_WITH_TIMEOUT(past, pending.boundShotMs + 5000);
        }
        F::flushDeletes();
    }
};

QTEST_MAIN(tst_DeferredWork)
#include "tst_DeferredWork.moc"
