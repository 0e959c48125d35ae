#include "facade/ConferenceController.h"

#include "business/UI_ControlView.h"
#include "facade/FacadeTestSupport.h"

#include <QSignalSpy>
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

private:
    ConferenceController m_conference;
};

QTEST_MAIN(tst_ConferenceController)
#include "tst_ConferenceController.moc"
