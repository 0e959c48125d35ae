#include "facade/VidyoController.h"

#include "customui/KP_UI_UTIL.h"
#include "facade/FacadeTestSupport.h"
#include "vidyo/VidyoWidget.h"

#include <QPointer>
#include <QtTest>

#include <functional>

using namespace FacadeTest;

// Each message's text and box are checked row by row in tst_KP_MediaConfUI.
class tst_VidyoController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetBusiness();
        m_tipClosings = 0;
        m_vidyo = std::make_unique<VidyoController>([this] { ++m_tipClosings; });
    }
    void cleanup()
    {
        m_vidyo.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void oneBoxCarriesTheLatestMessage()
    {
        m_vidyo->onOtherBusy(eve());
        QCOMPARE(boxText(), QStringLiteral("EveBusy now!"));
        m_vidyo->onInviteOverTime(2);
        QCOMPARE(TestWindows::visibleWindows<KpMsgBox>().size(), 1);
        QCOMPARE(boxText(), QStringLiteral("Connection timeout, video call canceled"));
        QCOMPARE(m_tipClosings, 0);
    }

    void ownEndsAndMissingMeetingWindowShowNothing()
    {
        m_vidyo->onOtherHangUp(vidyoFrom(QStringLiteral("me")));
        m_vidyo->remoteSourceRemoved(QStringLiteral("me"));
        m_vidyo->onLoginSever(true);
        // Failures that only matter inside a meeting window say nothing without one.
        m_vidyo->onVidyovideofailed();
        m_vidyo->getVidyoInfofaild();
        m_vidyo->closeDialMeettingWidget();
        m_vidyo->onDialInviteJoinMeetingFaild(5);
        QVERIFY(TestWindows::visibleWindows<KpMsgBox>().isEmpty());
        QCOMPARE(m_tipClosings, 0);
        m_vidyo->onCloseMainWidgetAll();
        QCOMPARE(m_tipClosings, 1);
    }

    void removalIsConfirmedThenSent()
    {
        m_vidyo->onRemovedOutPerson(eve());
        QCOMPARE(boxText(), QStringLiteral("Sure to deleteEve!"));
        TestWindows::visibleWindow<KpMsgBox>()->slot_onOk();
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("removeOutMeeting")), QStringLiteral("eve"));

        m_vidyo->onRemovedOutPerson({});
        m_vidyo->onMessageAccept(0); // another kind of message removes nobody
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("removeOutMeeting")), 1);
        // Teardown forgets the person: a late acceptance removes nobody in particular.
        m_vidyo->onRemovedOutPerson(eve());
        m_vidyo->destroyWindows();
        m_vidyo->forgetPendingRemoval();
        QVERIFY(TestWindows::visibleWindows<KpMsgBox>().isEmpty());
        m_vidyo->onMessageAccept(10);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("removeOutMeeting")), QString());
    }

    void meetingWindowLivesOneMeetingAtATime()
    {
        m_vidyo->initVidyoShow(42); // not a layout of the window
        QCOMPARE(windowCount(), 0);

        m_vidyo->initVidyoShow(VidyoView::StartVidyo_AcceptedMeeting);
        QPointer<VidyoWidget> first = meetingWindow();
        QVERIFY(first);
        QCOMPARE(first->type(), VidyoView::StartVidyo_AcceptedMeeting);
        QCOMPARE(first->pos(),
            QPoint((KP_UI_UTIL::getDeskTopWidth() - 1067) / 2, (KP_UI_UTIL::getDeskTopHeight() - 672) / 2));
        const JournalEntry handed = BusinessFixture::journal()->last(QStringLiteral("setPlayerWidget"));
        QCOMPARE(handed.args.value(0).value<quintptr>(), quintptr(first->winId()));
        QCOMPARE(playerRect(), QRect(0, 50, 797, 500));
        // A second invitation accepted while the meeting runs: the same window, laid out anew.
        m_vidyo->initVidyoShow(VidyoView::StartVidyo_AcceptedCall);
        QCOMPARE(meetingWindow(), first.data());
        QCOMPARE(windowCount(), 1);
        QCOMPARE(playerRect(), QRect(0, 50, first->width(), 500));

        emit BusinessFixture::business()->getVidyoView()->signal_Connecting();
        first->slot_onCloseMesBox(0); // the user confirmed the close
        // The next meeting comes before the first window is gone; the first one's late word takes nothing.
        m_vidyo->initVidyoShow(VidyoView::StartVidyo_Meeting);
        QPointer<VidyoWidget> second;
        for (VidyoWidget* w : TestWindows::visibleWindows<VidyoWidget>())
            second = w != first ? w : second.data();
        QVERIFY(second);
        QMetaObject::invokeMethod(first, "signal_CloseVidyoWidget");
        BusinessFixture::flushDeletes();
        QVERIFY(!first && second);
        QCOMPARE(windowCount(), 1);

        // Closed before it connected, a window waits hidden; the next meeting gets a fresh one.
        second->slot_onCloseMesBox(0);
        QVERIFY(second->isHidden());
        m_vidyo->initVidyoShow(VidyoView::StartVidyo_Meeting);
        QPointer<VidyoWidget> third = meetingWindow();
        BusinessFixture::flushDeletes();
        QVERIFY(!second && third);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 2);
        m_vidyo->onCloseVidyoWidget();
        BusinessFixture::flushDeletes();
        QVERIFY(!third);
        QCOMPARE(windowCount(), 0);
    }

    void endsFromTheOtherSideCloseTheWindowThreeSecondsLater()
    {
        m_vidyo->initVidyoShow(VidyoView::StartVidyo_AcceptedCall);
        QPointer<VidyoWidget> window = meetingWindow();
        auto* closeTimer = window->findChild<QTimer*>(QStringLiteral("closeTimer"));
        m_vidyo->onOtherHangUp(vidyoFrom(QStringLiteral("eve")));
        QVERIFY(closeTimer->isActive());
        QCOMPARE(closeTimer->interval(), 3000);
        BusinessFixture::fire(closeTimer);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
        BusinessFixture::flushDeletes();
        QVERIFY(!window);

        for (const auto& end : QList<std::function<void()>> { [this] { m_vidyo->onCompereStopVidyo(); },
                 [this] { m_vidyo->onHaveRemovedOut(); }, [this] { m_vidyo->onInviteOverTime(2); },
                 [this] { m_vidyo->closeDialMeettingWidget(); }, [this] { m_vidyo->onCloseMainWidgetAll(); } }) {
            m_vidyo->initVidyoShow(VidyoView::StartVidyo_Meeting);
            end();
            QVERIFY(meetingWindow()->findChild<QTimer*>(QStringLiteral("closeTimer"))->isActive());
            m_vidyo->destroyWindows();
        }
    }

    void teardownTakesTheWindowAndItsQuestion()
    {
        m_vidyo->initVidyoShow(VidyoView::StartVidyo_Meeting);
        meetingWindow()->slot_onClose();
        m_vidyo->onLoginSever(false);
        QCOMPARE(TestWindows::visibleWindows<KpMsgBox>().size(), 2);
        m_vidyo->destroyWindows();
        m_vidyo->destroyWindows();
        QCOMPARE(TestWindows::leftoverWindows({ tip() }), QStringList());
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("CloseVidyo")), 1);
    }

private:
    QSharedPointer<AddressBookPerson> eve() const
    {
        return BusinessFixture::business()->getAddressBookView()->getAddressBookOnePerson_Account(
            QStringLiteral("eve"), false);
    }

    static VidyoWidget* meetingWindow() { return TestWindows::visibleWindow<VidyoWidget>(); }
    static int windowCount() { return TestWindows::leftoverWindows({ tip() }).count(QStringLiteral("VidyoWidget")); }
    static QRect playerRect()
    {
        return BusinessFixture::journal()->last(QStringLiteral("setPlayerWidget")).args.value(1).toRect();
    }

    std::unique_ptr<VidyoController> m_vidyo;
    int m_tipClosings = 0;
};

QTEST_MAIN(tst_VidyoController)
#include "tst_VidyoController.moc"
