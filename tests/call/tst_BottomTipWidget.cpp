#include "call/BottomTipWidget.h"
#include "support/BusinessFixture.h"
#include "call/MessageNotice.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSound>
#include <QStackedWidget>
#include <QtTest>


class tst_BottomTipWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void timeOutStartsWhenTypeIsSet_data();
    void timeOutStartsWhenTypeIsSet();
    void ringsOnlyForConferenceInvitations();
    void unansweredConferenceInvitationLapsesSilently();
    void buttonsAndKeysReportTheAnswer();
    void answeredElsewhereNoticeReportsNothing();
    void closingTellsTheBusinessTheInvitationLapsed_data();
    void closingTellsTheBusinessTheInvitationLapsed();
    void closeWidgetKeepsTypeAndData();
    void variantsHoldOneEntry();
    void conferenceDetailsFillTheDetailPage();
    void noticeShowsEachTextForFullTwoSeconds();

private:
    static BottomTipWidget* tip() { return BottomTipWidget::instance(); }
    static QTimer* timer() { return tip()->findChild<QTimer*>(QStringLiteral("timeOutTimer")); }
    static QSound* ring() { return tip()->findChild<QSound*>(); }
};

void tst_BottomTipWidget::init()
{
    qRegisterMetaType<BottomTipWidget::BottomTipType>();
    BusinessFixture::reset();
}

void tst_BottomTipWidget::cleanup()
{
    tip()->closeWidget();
    tip()->clearData();
}

void tst_BottomTipWidget::timeOutStartsWhenTypeIsSet_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("interval");
    for (int type = 1; type <= 5; ++type)
        QTest::newRow(qPrintable(QStringLiteral("type %1").arg(type))) << type << 59000;
    QTest::newRow("type 6") << 6 << 3500;
    QTest::newRow("unknown type 9") << 9 << 59000;
}

void tst_BottomTipWidget::timeOutStartsWhenTypeIsSet()
{
    QFETCH(int, type);
    QFETCH(int, interval);
    tip()->setMessageType(BottomTipWidget::BottomTipType(type));
    QVERIFY(!tip()->isVisible());
    QVERIFY(timer()->isActive()); // running before the window is shown
    QCOMPARE(timer()->interval(), interval);
}

void tst_BottomTipWidget::ringsOnlyForConferenceInvitations()
{
    QVERIFY(ring());
    QCOMPARE(ring()->loops(), 20);
    QVERIFY(ring()->fileName().endsWith(QLatin1String("/Ring.wav")));
    // Without an audio device QSound plays nothing, but it does report it was asked to.
    tip()->setMessageType(BottomTipWidget::BottomTip_VidyoCall);
    tip()->BottomTipShow();
    QVERIFY(ring()->isFinished());
    tip()->closeWidget();
    tip()->setMessageType(BottomTipWidget::BottomTip_Conference);
    tip()->BottomTipShow();
    QVERIFY(!ring()->isFinished());
    tip()->slot_onOkBtn();
    QVERIFY(ring()->isFinished());
}

void tst_BottomTipWidget::unansweredConferenceInvitationLapsesSilently()
{
    QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
    QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
    QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
    tip()->setMessageType(BottomTipWidget::BottomTip_Conference);
    tip()->setVariant(QStringLiteral("c-1"), 256);
    tip()->BottomTipShow();
    QVERIFY(QMetaObject::invokeMethod(timer(), "timeout")); // the 59 s have passed
    QVERIFY(!tip()->isVisible());
    QVERIFY(ring()->isFinished());
    QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
    QCOMPARE(accepted.count() + rejected.count() + closed.count(), 0);
    QCOMPARE(BusinessFixture::journalCommands(), BusinessFixture::texts({"resetInviteConfId"}));
}

void tst_BottomTipWidget::buttonsAndKeysReportTheAnswer()
{
    QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
    QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
    tip()->setMessageType(BottomTipWidget::BottomTip_VoiceMeeting);
    tip()->BottomTipShow();
    QTest::keyClick(tip(), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.at(0).at(0).value<BottomTipWidget::BottomTipType>(), BottomTipWidget::BottomTip_VoiceMeeting);
    QVERIFY(!tip()->isVisible());
    QVERIFY(!timer()->isActive());
    QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);

    tip()->setMessageType(BottomTipWidget::BottomTip_VidyoMeeting);
    tip()->BottomTipShow();
    QTest::keyClick(tip(), Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(rejected.at(0).at(0).value<BottomTipWidget::BottomTipType>(), BottomTipWidget::BottomTip_VidyoMeeting);
    QVERIFY(!tip()->isVisible());
    // An answer is not a lapse: the business is not told to reset anything.
    QVERIFY(BusinessFixture::journalCommands().isEmpty());
}

void tst_BottomTipWidget::answeredElsewhereNoticeReportsNothing()
{
    QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
    QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
    QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
    for (auto press : {&BottomTipWidget::slot_onOkBtn, &BottomTipWidget::slot_onCancelBtn,
                       &BottomTipWidget::slot_onCloseBtn}) {
        tip()->setMessageType(BottomTipWidget::BottomTip_OtherDeviceAnswered);
        tip()->BottomTipShow();
        (tip()->*press)();
        QVERIFY(!tip()->isVisible());
    }
    QCOMPARE(accepted.count() + rejected.count() + closed.count(), 0);
}

void tst_BottomTipWidget::closingTellsTheBusinessTheInvitationLapsed_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("vidyoState");
    QTest::addColumn<int>("meetingStatus");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("vidyo call ringing") << 1 << 2 << 0 << BusinessFixture::texts({"resetVidyoingState"});
    QTest::newRow("vidyo meeting idle") << 2 << 0 << 0 << QStringList();
    QTest::newRow("voice meeting invited") << 3 << 0 << 3 << BusinessFixture::texts({"resetMeetingStatus"});
    QTest::newRow("video meeting joined") << 4 << 0 << 1 << QStringList();
    QTest::newRow("conference") << 5 << 0 << 0 << BusinessFixture::texts({"resetInviteConfId"});
}

void tst_BottomTipWidget::closingTellsTheBusinessTheInvitationLapsed()
{
    QFETCH(int, type);
    QFETCH(int, vidyoState);
    QFETCH(int, meetingStatus);
    QFETCH(QStringList, commands);
    BusinessFixture::business()->getVidyoView()->state().vidyoingState = vidyoState;
    BusinessFixture::business()->getMeetingView()->state().meetingStatus = meetingStatus;
    QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
    tip()->setMessageType(BottomTipWidget::BottomTipType(type));
    tip()->BottomTipShow();
    tip()->closeBottomTip();
    QVERIFY(!tip()->isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<BottomTipWidget::BottomTipType>(), BottomTipWidget::BottomTipType(type));
    QCOMPARE(BusinessFixture::journalCommands(), commands);
}

void tst_BottomTipWidget::closeWidgetKeepsTypeAndData()
{
    QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
    tip()->setMessageType(BottomTipWidget::BottomTip_Conference);
    tip()->setVariant(QStringLiteral("c-1"), 256);
    tip()->setFromAccount(QStringLiteral("bob"));
    tip()->BottomTipShow();
    tip()->closeWidget();
    QVERIFY(!tip()->isVisible());
    QVERIFY(!timer()->isActive());
    QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_Conference);
    QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
    QCOMPARE(tip()->getFromAccount(), QStringLiteral("bob"));
    QCOMPARE(closed.count(), 0);
    QVERIFY(BusinessFixture::journalCommands().isEmpty());
}

void tst_BottomTipWidget::variantsHoldOneEntry()
{
    tip()->setVariant(QStringLiteral("c-1"), 256);
    QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
    tip()->setVariant(QStringLiteral("x"), 7);
    QCOMPARE(tip()->variant(256), QString()); // the second key replaced the first
    QCOMPARE(tip()->variant(7), QStringLiteral("x"));
    tip()->clearData();
    QCOMPARE(tip()->variant(7), QString());
}

void tst_BottomTipWidget::conferenceDetailsFillTheDetailPage()
{
    BusinessFixture::business()->getAddressBookView()->addPerson(
        BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob")));
    ConferenceBriefInfo info;
    info.confId = QStringLiteral("c-9");
    info.subject = QStringLiteral("Budget");
    info.hostAccount = QStringLiteral("bob");
    info.memberCount = 12;
    tip()->setVariant(QStringLiteral("old"), 3);
    tip()->setConferenceInfo(info);
    auto text = [](const char* name) { return tip()->findChild<QLabel*>(QLatin1String(name))->text(); };
    QCOMPARE(tip()->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(),
             QStringLiteral("detailPage"));
    QCOMPARE(text("firstTipLbl"), QStringLiteral("Conference theme: Budget"));
    QCOMPARE(text("secondTipLbl"), QStringLiteral("Host:Bob"));
    QCOMPARE(text("thirdTipLbl"), QStringLiteral("Attendance:12"));
    QCOMPARE(tip()->variant(3), QString());
    QCOMPARE(tip()->variant(256), QStringLiteral("c-9"));
    QVERIFY(!tip()->findChild<QLabel*>(QStringLiteral("headIconLbl"))->pixmap(Qt::ReturnByValue).isNull());

    // A host the directory does not know: the record's own name, or its account.
    info.hostAccount = QStringLiteral("zed");
    info.hostName.clear();
    tip()->setConferenceInfo(info);
    QCOMPARE(text("secondTipLbl"), QStringLiteral("Host:zed"));
    QVERIFY(!tip()->findChild<QLabel*>(QStringLiteral("headIconLbl"))->pixmap(Qt::ReturnByValue).isNull());

    tip()->setMessageText(QStringLiteral("plain"));
    QCOMPARE(tip()->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(),
             QStringLiteral("textPage"));
}

void tst_BottomTipWidget::noticeShowsEachTextForFullTwoSeconds()
{
    MessageNotice notice(nullptr);
    auto* timer = notice.findChild<QTimer*>(QStringLiteral("displayTimer"));
    auto* label = notice.findChild<QLabel*>(QStringLiteral("label_notice"));
    QTest::ignoreMessage(QtDebugMsg, "SetMessageNotice");
    notice.SetMessageNotice(QStringLiteral("first"));
    QVERIFY(notice.isVisible());
    QCOMPARE(timer->interval(), 2000);
    timer->start(10); // the first text is about to go
    QTest::ignoreMessage(QtDebugMsg, "SetMessageNotice");
    notice.SetMessageNotice(QStringLiteral("second"));
    QCOMPARE(label->text(), QStringLiteral("second"));
    QVERIFY(timer->remainingTime() > 1000); // restarted in full for the new text
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QVERIFY(!notice.isVisible());
    QVERIFY(label->text().isEmpty());
}

QTEST_MAIN(tst_BottomTipWidget)
#include "tst_BottomTipWidget.moc"
