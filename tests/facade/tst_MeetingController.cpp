#include "facade/MeetingController.h"

#include "call/VideoWidget.h"
#include "facade/FacadeTestSupport.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "meeting/VideoMeetingWidget.h"
#include "meeting/VoiceMeetingWidget.h"

#include <QPointer>
#include <QtTest>

namespace {
constexpr auto meeting = &BusinessFixture::meeting;
} // namespace

class tst_MeetingController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        FacadeTest::resetBusiness();
        m_meetings = std::make_unique<MeetingController>();
    }
    void cleanup()
    {
        m_meetings.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void voiceMeetingWindowAcrossTwoMeetings()
    {
        for (int round = 0; round < 2; ++round) {
            BusinessFixture::journal()->clear();
            m_meetings->showMeetingWidget(1);
            QPointer<VoiceMeetingWidget> window = m_meetings->voiceMeeting();
            QVERIFY(window && window->isVisible());
            QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setAccount")), QStringLiteral("me"));
            m_meetings->showMeetingWidget(1); // raised again, not doubled
            QCOMPARE(m_meetings->voiceMeeting(), window.data());
            QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("setAccount")), 1);

            m_meetings->closeVoiceMeeting();
            QVERIFY(window.isNull()); // at once, not later
            QVERIFY(!m_meetings->voiceMeeting());
            emit meeting()->sig_getVoiceMeetingMembers({ Agent_MeetingMemberInfo() }); // late news reaches nothing
            m_meetings->closeVoiceMeeting();
        }
    }

    void videoMeetingWindowAcrossTwoMeetingsStartsItsVideoOnEveryShow()
    {
        for (int round = 0; round < 2; ++round) {
            BusinessFixture::journal()->clear();
            m_meetings->showMeetingWidget(2);
            QPointer<VideoMeetingWidget> window = m_meetings->videoMeeting();
            QVERIFY(window && window->isVisible());
            m_meetings->showMeetingWidget(2);
            QCOMPARE(m_meetings->videoMeeting(), window.data());
            // The own camera's pane goes to MeetingView after each show.
            QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("setVideoView")), 2);
            QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("getCameraInfo")), 2);
            QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("setVideoView")),
                QStringLiteral("%1|0").arg(window->selfPane()->renderHandle()));

            m_meetings->closeVideoMeeting();
            QVERIFY(window.isNull());
            emit meeting()->sig_onRemoteVideoScale(QStringLiteral("bob"), 1.5f); // late news reaches nothing
        }
    }

    void otherMeetingTypesShowNothing()
    {
        for (int type : { 0, 3, -1 })
            m_meetings->showMeetingWidget(type);
        QVERIFY(!m_meetings->voiceMeeting() && !m_meetings->videoMeeting());
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void teardownTakesBothWindowsAndTheirQuestions()
    {
        m_meetings->showMeetingWidget(1);
        m_meetings->showMeetingWidget(2);
        QVERIFY(TestWindows::click(m_meetings->voiceMeeting(), "btn_exitMeeting"));
        QPointer<CloseMediaWidgetTip> question = m_meetings->voiceMeeting()->closeTip();
        QVERIFY(question);
        m_meetings->destroyWindows();
        QVERIFY(!m_meetings->voiceMeeting() && !m_meetings->videoMeeting());
        BusinessFixture::flushDeletes();
        QVERIFY(question.isNull());
        m_meetings->destroyWindows(); // twice is harmless
    }

private:
    std::unique_ptr<MeetingController> m_meetings;
};

QTEST_MAIN(tst_MeetingController)
#include "tst_MeetingController.moc"
