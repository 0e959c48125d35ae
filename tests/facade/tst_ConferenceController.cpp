#include "facade/ConferenceController.h"

#include "business/UI_ControlView.h"
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

    void operationErrorsBecomeClientTips()
    {
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        m_conference.onOperatorConferenceError(QStringLiteral("raw"), 814012);
        m_conference.onOperatorConferenceError(QStringLiteral("Rejected by the server"), 1);
        m_conference.onOperatorConferenceError(QString(), 7); // nothing to say
        QCOMPARE(tips.count(), 2);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("The meeting is locked and cannot join the meeting"));
        QCOMPARE(tips.at(1).at(0).toString(), QStringLiteral("Rejected by the server"));
        QCOMPARE(tips.at(1).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
    }

    void theGroupCallHasNoMainWindow()
    {
        m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
        m_conference.closeConferenceMainWidget();
        QCOMPARE(
            BusinessFixture::journalCommands(), BusinessFixture::texts({ "queryConfenceAppSetting", "resetStatus" }));
        QVERIFY(!m_conference.conferenceMainUi());
        QVERIFY(!m_conference.runningConferenceId()); // an invitation accepted now leaves nothing first
    }

    void oneWindowPerConferenceTwoInARow()
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

    void theFacadeTakesItsWindowAlong()
    {
        auto facade = std::make_unique<KP_MediaConfUI>();
        showConference(QStringLiteral("9001"));
        QCOMPARE(visibleWindows<ConferenceMainUi>().size(), 1);
        facade.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
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

private:
    ConferenceController m_conference;
};

QTEST_MAIN(tst_ConferenceController)
#include "tst_ConferenceController.moc"
