#include "facade/VidyoController.h"

#include "facade/FacadeTestSupport.h"

#include <QtTest>

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

    void oneBoxCarriesTheLatestMessage();
    void ownEndsAndMissingMeetingWindowShowNothing();
    void removalIsConfirmedThenSent();

private:
    QSharedPointer<AddressBookPerson> eve() const
    {
        return BusinessFixture::business()->getAddressBookView()->getAddressBookOnePerson_Account(
            QStringLiteral("eve"), false);
    }

    std::unique_ptr<VidyoController> m_vidyo;
    int m_tipClosings = 0;
};

void tst_VidyoController::oneBoxCarriesTheLatestMessage()
{
    m_vidyo->onOtherBusy(eve());
    QCOMPARE(boxText(), QStringLiteral("EveBusy now!"));
    m_vidyo->onInviteOverTime(2);
    QCOMPARE(TestWindows::visibleWindows<KpMsgBox>().size(), 1);
    QCOMPARE(boxText(), QStringLiteral("Connection timeout, video call canceled"));
    QCOMPARE(m_tipClosings, 0);
}

void tst_VidyoController::ownEndsAndMissingMeetingWindowShowNothing()
{
    VidyoJsonTransferData mine;
    mine.fromAccount = QStringLiteral("me");
    m_vidyo->onOtherHangUp(mine);
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

void tst_VidyoController::removalIsConfirmedThenSent()
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

QTEST_MAIN(tst_VidyoController)
#include "tst_VidyoController.moc"
