#include "facade/ConferenceController.h"

#include "conference/SmartConferenceLoadingWnd.h"
#include "customui/KpMsgTip.h"
#include "facade/FacadeTestSupport.h"
#include "facade/KP_MediaConfUI.h"
#include "video/MediaLayoutWgt.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using TestWindows::visibleWindows;

// The reason table itself is tst_FacadePolicy's.
class tst_ConferenceController : public QObject
{
    Q_OBJECT

    static UnifiedConferenceView* conf() { return BusinessFixture::business()->getUnifiedConferenceView(); }
    static void showConference(const QString& confId)
    {
        emit conf()->sig_showConferenceMainWidget(CONFERENCE_TYPE_UNIFIED, CONF_MEDIA_VIDEO, false);
        emit conf()->sig_updateConferenceInfo(FacadeTest::brief(confId));
    }

private slots:
    void init() { FacadeTest::resetBusiness(); }
    void cleanup()
    {
        if (KpMsgTip* tip = ConferenceMainUi::messageTip())
            tip->close();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    // Each operation error's tip (reason texts, a server's own text, nothing to say) is checked by
    // the demo's conference-errors scenario.

    void theGroupCallHasNoMainWindow()
    {
        m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
        m_conference.closeConferenceMainWidget();
        QCOMPARE(
            BusinessFixture::journalCommands(), BusinessFixture::texts({ "queryConfenceAppSetting", "resetStatus" }));
        QVERIFY(!m_conference.conferenceMainUi());
        QVERIFY(!m_conference.runningConferenceId()); // an invitation accepted now leaves nothing first
    }

    void oneWindowPerConferenceTwoInARowAndTheFacadeTakesItAlong()
    {
        auto facade = std::make_unique<KP_MediaConfUI>();
        QSignalSpy chatClosed(conf(), &UnifiedConferenceView::sig_closeConferenceChat);
        showConference(QStringLiteral("9001"));
        emit conf()->sig_showConferenceMainWidget(CONFERENCE_TYPE_RESERVED, CONF_MEDIA_VIDEO, false); // again
        QCOMPARE(visibleWindows<ConferenceMainUi>().size(), 1);
        QPointer<ConferenceMainUi> first = visibleWindows<ConferenceMainUi>().first();
        QCOMPARE(first->confId(), QStringLiteral("9001"));

        emit conf()->sig_closeConferenceMainWidget();
        QCOMPARE(chatClosed.count(), 1);
        QCOMPARE(chatClosed.at(0).at(0).toString(), QStringLiteral("9001"));
        QCOMPARE(BusinessFixture::business()->getMultimediaMgrView()->getMultimediaStatus(), MULTIMEDIA_FREE);
        QVERIFY(first); // deleted later, not under the signal
        // The next conference arrives before the old window is gone: a new one.
        showConference(QStringLiteral("9002"));
        BusinessFixture::flushDeletes();
        QVERIFY(!first);
        const QList<ConferenceMainUi*> shown = visibleWindows<ConferenceMainUi>();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first()->confId(), QStringLiteral("9002"));

        // The login view's control signal closes it too, whatever its value.
        QPointer<ConferenceMainUi> second = shown.first();
        emit BusinessFixture::business()->getLoginView()->sig_onControlWindow(7);
        BusinessFixture::flushDeletes();
        QVERIFY(!second);
        QCOMPARE(chatClosed.count(), 2);

        showConference(QStringLiteral("9003"));
        QCOMPARE(visibleWindows<ConferenceMainUi>().size(), 1);
        facade.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void aMirroringConferenceSharesTheDesktopInstead()
    {
        conf()->m_screenShareMode = 2;
        m_conference.showConferenceMainWidget(CONFERENCE_TYPE_UNIFIED, CONF_MEDIA_VIDEO, false);
        QVERIFY(m_conference.conferenceMainUi());
        QVERIFY(!m_conference.conferenceMainUi()->isVisible());
        QCOMPARE(BusinessFixture::journalCommands(),
            BusinessFixture::texts({ "queryConfenceAppSetting", "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo",
                "SelectShareDevice", "beginDesktopShare", "setRemoteMute" }));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SelectShareDevice")).section(QLatin1Char('|'), 2, 2),
            QStringLiteral("10"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setRemoteMute")), QStringLiteral("true"));
        QCOMPARE(m_conference.runningConferenceId(), std::optional<QString>(QString()));
        m_conference.closeConferenceMainWidget();
        BusinessFixture::flushDeletes();
        QVERIFY(!m_conference.conferenceMainUi());
    }

    void voiceGridOfGroupCallsAcrossTwoConferences()
    {
        QSignalSpy chatClosed(conf(), &UnifiedConferenceView::sig_closeConferenceChat);
        for (int round = 0; round < 2; ++round) {
            const QString confId = QStringLiteral("c-%1").arg(round);
            m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
            QPointer<MediaLayoutWgt> grid = m_conference.voiceGrid();
            QVERIFY(grid && grid->isVisible() && !grid->meetingTimer()->isActive()); // still calling
            emit conf()->sig_updateConferenceInfo(FacadeTest::brief(confId, FacadeTest::groupExtension()));

            // Set up now: the same grid, its clock running.
            m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, false);
            QCOMPARE(m_conference.voiceGrid(), grid.data());
            QVERIFY(grid->meetingTimer()->isActive());

            m_conference.closeConferenceMainWidget();
            QVERIFY(!m_conference.voiceGrid());
            QCOMPARE(chatClosed.count(), round + 1);
            QCOMPARE(chatClosed.last().at(0).toString(), confId);
            QVERIFY(grid); // deleted later
            BusinessFixture::flushDeletes();
            QVERIFY(grid.isNull());
        }
        m_conference.closeConferenceMainWidget(); // no grid: no chat to close
        QCOMPARE(chatClosed.count(), 2);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("leaveConference")), 0);
    }

    // Started from a link: loading window, login, join, then the conference window.
    void launchFromALinkAcrossTwoLaunches()
    {
        auto facade = std::make_unique<KP_MediaConfUI>();
        facade->startLaunchConf(QStringLiteral("8008"), QStringLiteral("a"), QStringLiteral("b"));
        SmartConferenceLoadingWnd* loading = TestWindows::visibleWindow<SmartConferenceLoadingWnd>();
        QVERIFY(loading);
        emit BusinessFixture::business()->getLoginView()->sig_loginSuccess(QStringLiteral("me"));
        QCOMPARE(BusinessFixture::journalCommands(), BusinessFixture::texts({ "joinConference" }));
        showConference(QStringLiteral("8008"));
        QVERIFY(!loading->isVisible());

        // The second launch reuses the manager and its window; the teardown
        // slot leaves them, the facade's end takes them along.
        facade->startLaunchConf(QStringLiteral("9009"), QString(), QString());
        QCOMPARE(TestWindows::visibleWindow<SmartConferenceLoadingWnd>(), loading);
        emit BusinessFixture::business()->getLoginView()->sig_loginSuccess(QStringLiteral("me"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")).section(QLatin1Char('|'), 0, 0),
            QStringLiteral("9009"));
        QVERIFY(QMetaObject::invokeMethod(facade.get(), "slot_destructorChildWgt"));
        QVERIFY(loading->isVisible());
        facade.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void aLoginWithNoLaunchJoinsNothing()
    {
        auto facade = std::make_unique<KP_MediaConfUI>();
        emit BusinessFixture::business()->getLoginView()->sig_loginSuccess(QStringLiteral("me"));
        emit conf()->sig_onJoinConference(false, QStringLiteral("e"), QStringLiteral("8008"));
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
        QVERIFY(visibleWindows().isEmpty());
    }

private:
    ConferenceController m_conference;
};

QTEST_MAIN(tst_ConferenceController)
#include "tst_ConferenceController.moc"
