#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "customui/KP_UI_UTIL.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSound>
#include <QStackedWidget>
#include <QtTest>

using namespace TestWindows;

class tst_BottomTipWidget : public QObject
{
    Q_OBJECT

    static BottomTipWidget* tip() { return BottomTipWidget::instance(); }
    static QTimer* timer() { return child<QTimer>(tip(), "timeOutTimer"); }
    static QSound* ring() { return tip()->findChild<QSound*>(); }
    static QString text(const char* label) { return child<QLabel>(tip(), label)->text(); }
    static QString page() { return child<QStackedWidget>(tip(), "stackedWidget")->currentWidget()->objectName(); }
    static BottomTipWidget::BottomTipType typeOf(const QSignalSpy& spy, int i)
    {
        return spy.at(i).at(0).value<BottomTipWidget::BottomTipType>();
    }

private slots:
    void init()
    {
        qRegisterMetaType<BottomTipWidget::BottomTipType>();
        BusinessFixture::reset();
    }
    void cleanup()
    {
        // The one notification lives on; the next test finds it empty.
        tip()->closeWidget();
        tip()->clearData();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void timeOutStartsWhenTypeIsSet_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("interval");
        for (int type = 1; type <= 5; ++type)
            QTest::newRow(qPrintable(QStringLiteral("type %1").arg(type))) << type << 59000;
        QTest::newRow("type 6") << 6 << 3500;
        QTest::newRow("unknown type 9") << 9 << 59000;
    }
    void timeOutStartsWhenTypeIsSet()
    {
        QFETCH(int, type);
        QFETCH(int, interval);
        tip()->setMessageType(BottomTipWidget::BottomTipType(type));
        QVERIFY(!tip()->isVisible());
        QVERIFY(timer()->isActive()); // running before the window is shown
        QCOMPARE(timer()->interval(), interval);
    }

    void ringsOnlyForConferenceInvitations()
    {
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

    void unansweredConferenceInvitationLapsesSilently()
    {
        QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
        QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
        QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
        tip()->setMessageType(BottomTipWidget::BottomTip_Conference);
        tip()->setVariant(QStringLiteral("c-1"), 256);
        tip()->BottomTipShow();
        BusinessFixture::fire(timer()); // the 59 s have passed
        QVERIFY(!tip()->isVisible());
        QVERIFY(ring()->isFinished());
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
        QCOMPARE(accepted.count() + rejected.count() + closed.count(), 0);
        QCOMPARE(BusinessFixture::journalCommands(), BusinessFixture::texts({ "resetInviteConfId" }));
    }

    void buttonsAndKeysReportTheAnswer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Return: OK") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter: OK") << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape: Cancel") << int(Qt::Key_Escape) << false;
    }
    void buttonsAndKeysReportTheAnswer()
    {
        QFETCH(int, key);
        QFETCH(bool, accepted);
        QSignalSpy accepts(tip(), &BottomTipWidget::signal_Accept);
        QSignalSpy rejects(tip(), &BottomTipWidget::signal_Reject);
        tip()->setMessageType(BottomTipWidget::BottomTip_VoiceMeeting);
        tip()->BottomTipShow();
        QTest::keyClick(tip(), Qt::Key(key));
        QCOMPARE(accepts.count(), accepted ? 1 : 0);
        QCOMPARE(rejects.count(), accepted ? 0 : 1);
        QCOMPARE(typeOf(accepted ? accepts : rejects, 0), BottomTipWidget::BottomTip_VoiceMeeting);
        QVERIFY(!tip()->isVisible());
        QVERIFY(!timer()->isActive());
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
        // An answer is not a lapse: the business is not told to reset anything.
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void answeredElsewhereNoticeReportsNothing()
    {
        QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
        QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
        QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
        for (auto press :
            { &BottomTipWidget::slot_onOkBtn, &BottomTipWidget::slot_onCancelBtn, &BottomTipWidget::slot_onCloseBtn }) {
            tip()->setMessageType(BottomTipWidget::BottomTip_OtherDeviceAnswered);
            tip()->BottomTipShow();
            (tip()->*press)();
            QVERIFY(!tip()->isVisible());
        }
        QCOMPARE(accepted.count() + rejected.count() + closed.count(), 0);
    }

    void closingTellsTheBusinessTheInvitationLapsed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("vidyoState");
        QTest::addColumn<int>("meetingStatus");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("vidyo call ringing") << 1 << 2 << 0 << BusinessFixture::texts({ "resetVidyoingState" });
        QTest::newRow("vidyo meeting idle") << 2 << 0 << 0 << QStringList();
        QTest::newRow("voice meeting invited") << 3 << 0 << 3 << BusinessFixture::texts({ "resetMeetingStatus" });
        QTest::newRow("video meeting joined") << 4 << 0 << 1 << QStringList();
        QTest::newRow("conference") << 5 << 0 << 0 << BusinessFixture::texts({ "resetInviteConfId" });
    }
    void closingTellsTheBusinessTheInvitationLapsed()
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
        QCOMPARE(typeOf(closed, 0), BottomTipWidget::BottomTipType(type));
        QCOMPARE(BusinessFixture::journalCommands(), commands);
    }

    void closeWidgetKeepsTypeAndData()
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

    void variantsHoldOneEntry()
    {
        tip()->setVariant(QStringLiteral("c-1"), 256);
        QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
        tip()->setVariant(QStringLiteral("x"), 7);
        QCOMPARE(tip()->variant(256), QString()); // the second key replaced the first
        QCOMPARE(tip()->variant(7), QStringLiteral("x"));
        tip()->clearData();
        QCOMPARE(tip()->variant(7), QString());
    }

    void conferenceDetailsFillTheDetailPage()
    {
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
        ConferenceBriefInfo info;
        info.confId = QStringLiteral("c-9");
        info.subject = QStringLiteral("Budget");
        info.hostAccount = QStringLiteral("bob.li");
        info.memberCount = 12;
        tip()->setVariant(QStringLiteral("old"), 3);
        tip()->setConferenceInfo(info);
        QCOMPARE(page(), QStringLiteral("detailPage"));
        QCOMPARE(text("firstTipLbl"), QStringLiteral("Conference theme: Budget"));
        QCOMPARE(text("secondTipLbl"), QStringLiteral("Host:Bob Li"));
        QCOMPARE(text("thirdTipLbl"), QStringLiteral("Attendance:12"));
        QCOMPARE(tip()->variant(3), QString());
        QCOMPARE(tip()->variant(256), QStringLiteral("c-9"));

        // A host the directory does not know, without a name: the account.
        info.hostAccount = QStringLiteral("zed");
        tip()->setConferenceInfo(info);
        QCOMPARE(text("secondTipLbl"), QStringLiteral("Host:zed"));
        tip()->setMessageText(QStringLiteral("plain"));
        QCOMPARE(page(), QStringLiteral("textPage"));
    }

    void hostPictureIsDrawnAsWideAsTheLabelFromNameAndAccount_data()
    {
        QTest::addColumn<QString>("hostAccount");
        QTest::addColumn<QString>("recordName");
        QTest::addColumn<QString>("drawnName");
        QTest::newRow("host in the directory") << QStringLiteral("bob.li") << QString() << QStringLiteral("Bob Li");
        QTest::newRow("host unknown") << QStringLiteral("zed") << QStringLiteral("Zed Ho") << QStringLiteral("Zed Ho");
    }
    void hostPictureIsDrawnAsWideAsTheLabelFromNameAndAccount()
    {
        QFETCH(QString, hostAccount);
        QFETCH(QString, recordName);
        QFETCH(QString, drawnName);
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
        auto* head = child<QLabel>(tip(), "headIconLbl");
        const QSize formSize = head->size();
        head->setFixedSize(90, 60); // not square: width and height must not trade places
        ConferenceBriefInfo info;
        info.hostAccount = hostAccount;
        info.hostName = recordName;
        tip()->setConferenceInfo(info);
        const QPixmap drawn = KP_UI_UTIL::getSelfDrawPicHead(drawnName, hostAccount, 90, 90, true, 4, 12);
        const QImage expected = KP_UI_UTIL::PixmapToRound(drawn, 90, 60, 4).toImage();
        const QImage shown = head->pixmap(Qt::ReturnByValue).toImage();
        head->setFixedSize(formSize);
        QCOMPARE(shown, expected);
    }

    void noticeShowsEachTextForFullTwoSeconds()
    {
        MessageNotice notice(nullptr);
        auto* timer = child<QTimer>(&notice, "displayTimer");
        auto* label = child<QLabel>(&notice, "label_notice");
        QTest::ignoreMessage(QtDebugMsg, "SetMessageNotice");
        notice.SetMessageNotice(QStringLiteral("first"));
        QVERIFY(notice.isVisible());
        QCOMPARE(timer->interval(), 2000);
        timer->start(10); // the first text is about to go
        QTest::ignoreMessage(QtDebugMsg, "SetMessageNotice");
        notice.SetMessageNotice(QStringLiteral("second"));
        QCOMPARE(label->text(), QStringLiteral("second"));
        QVERIFY(timer->remainingTime() > 1000); // restarted in full for the new text
        BusinessFixture::fire(timer);
        QVERIFY(!notice.isVisible());
        QVERIFY(label->text().isEmpty());
    }
};

QTEST_MAIN(tst_BottomTipWidget)
#include "tst_BottomTipWidget.moc"
