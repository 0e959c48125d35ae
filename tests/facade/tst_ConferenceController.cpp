#include "facade/ConferenceController.h"

#include "business/UI_ControlView.h"
#include "facade/FacadeTestSupport.h"
#include "video/MediaLayoutWgt.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The reason table itself is tst_FacadePolicy's.
class tst_ConferenceController : public QObject
{
    Q_OBJECT

private slots:
    void init() { FacadeTest::resetBusiness(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance()); }

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

    void withoutConferenceWindowsOnlyTheBusinessStepsRun()
    {
        m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
        m_conference.closeConferenceMainWidget();
        QCOMPARE(
            BusinessFixture::journalCommands(), BusinessFixture::texts({ "queryConfenceAppSetting", "resetStatus" }));
        QVERIFY(!m_conference.runningConferenceId()); // an invitation accepted now leaves nothing first
    }

    void voiceGridOfGroupCallsAcrossTwoConferences()
    {
        UnifiedConferenceView* conf = BusinessFixture::business()->getUnifiedConferenceView();
        QSignalSpy chatClosed(conf, &UnifiedConferenceView::sig_closeConferenceChat);
        for (int round = 0; round < 2; ++round) {
            const QString confId = QStringLiteral("c-%1").arg(round);
            m_conference.showConferenceMainWidget(CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO, true);
            QPointer<MediaLayoutWgt> grid = m_conference.voiceGrid();
            QVERIFY(grid && grid->isVisible() && !grid->meetingTimer()->isActive()); // still calling
            emit conf->sig_updateConferenceInfo(FacadeTest::brief(confId, FacadeTest::groupExtension()));

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
