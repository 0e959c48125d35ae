#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "customui/KP_UI_UTIL.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QSound>
#include <QStackedWidget>
#include <QtTest>

using namespace TestWindows;
using F = BusinessFixture;

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
        F::reset();
    }
    void cleanup()
    {
        // The one notification lives on; the next test finds it empty.
        tip()->closeWidget();
        tip()->clearData();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void buttonsAndKeysReportTheAnswer_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("accepts");
        QTest::addColumn<int>("rejects");
        QTest::newRow("Return: OK") << 3 << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("Enter: OK") << 3 << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("Escape: Cancel") << 3 << int(Qt::Key_Escape) << 0 << 1;
        // Nothing to accept or reject when another device answered.
        QTest::newRow("answered elsewhere, OK") << 6 << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("answered elsewhere, Cancel") << 6 << int(Qt::Key_Escape) << 0 << 0;
    }
    void buttonsAndKeysReportTheAnswer()
    {
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(int, accepts);
        QFETCH(int, rejects);
        QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
        QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
        tip()->setMessageType(BottomTipWidget::BottomTipType(type));
        tip()->BottomTipShow();
        QTest::keyClick(tip(), Qt::Key(key));
        QCOMPARE(accepted.count(), accepts);
        QCOMPARE(rejected.count(), rejects);
        if (accepts + rejects)
            QCOMPARE(typeOf(accepts ? accepted : rejected, 0), BottomTipWidget::BottomTipType(type));
        QVERIFY(!tip()->isVisible() && !timer()->isActive());
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
        // An answer is not a lapse: the business is not told to reset anything.
        QVERIFY(F::journalCommands().isEmpty());
    }

    void eachTypeLapsesOrClosesAndTellsTheBusiness_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<int>("vidyoState");
        QTest::addColumn<int>("meetingStatus");
        QTest::addColumn<QStringList>("commands");
        const QStringList none;
        QTest::newRow("vidyo call ringing") << 1 << 59000 << 2 << 0 << F::texts({ "resetVidyoingState" });
        QTest::newRow("vidyo meeting idle") << 2 << 59000 << 0 << 0 << none;
        QTest::newRow("voice meeting invited") << 3 << 59000 << 0 << 3 << F::texts({ "resetMeetingStatus" });
        QTest::newRow("video meeting joined") << 4 << 59000 << 0 << 1 << none;
        QTest::newRow("conference") << 5 << 59000 << 0 << 0 << F::texts({ "resetInviteConfId" });
        QTest::newRow("answered elsewhere") << 6 << 3500 << 0 << 0 << none;
        QTest::newRow("unknown type") << 9 << 59000 << 0 << 0 << none;
    }
    void eachTypeLapsesOrClosesAndTellsTheBusiness()
    {
        QFETCH(int, type);
        QFETCH(int, timeOut);
        QFETCH(int, vidyoState);
        QFETCH(int, meetingStatus);
        QFETCH(QStringList, commands);
        QCOMPARE(ring()->loops(), 20);
        QVERIFY(ring()->fileName().endsWith(QLatin1String("/Ring.wav")));
        for (const bool lapse : { false, true }) {
            F::vidyo()->state().vidyoingState = vidyoState;
            F::meeting()->state().meetingStatus = meetingStatus;
            F::journal()->clear();
            QSignalSpy accepted(tip(), &BottomTipWidget::signal_Accept);
            QSignalSpy rejected(tip(), &BottomTipWidget::signal_Reject);
            QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
            tip()->setMessageType(BottomTipWidget::BottomTipType(type));
            // The clock runs from here, before the window shows.
            QVERIFY(timer()->isActive());
            QCOMPARE(timer()->interval(), timeOut);
            tip()->BottomTipShow();
            // Only a conference invitation rings (QSound reports the request without an audio device).
            QCOMPARE(ring()->isFinished(), type != 5);
            if (lapse)
                F::fire(timer()); // the time has passed
            else
                tip()->closeBottomTip();
            QVERIFY(!tip()->isVisible() && ring()->isFinished() && !timer()->isActive());
            QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_None);
            // Neither is an answer; closing is reported (but for another device's answer), a lapse is not.
            QCOMPARE(accepted.count() + rejected.count(), 0);
            QCOMPARE(closed.count(), lapse || type == 6 ? 0 : 1);
            if (closed.count())
                QCOMPARE(typeOf(closed, 0), BottomTipWidget::BottomTipType(type));
            QCOMPARE(F::journalCommands(), commands);
        }
    }

    void closeWidgetKeepsTypeAndDataUntilCleared()
    {
        QSignalSpy closed(tip(), &BottomTipWidget::signal_Close);
        tip()->setMessageType(BottomTipWidget::BottomTip_Conference);
        tip()->setVariant(QStringLiteral("c-1"), 256);
        tip()->setFromAccount(QStringLiteral("bob"));
        tip()->BottomTipShow();
        tip()->closeWidget();
        QVERIFY(!tip()->isVisible() && !timer()->isActive());
        QCOMPARE(tip()->getMessageType(), BottomTipWidget::BottomTip_Conference);
        QCOMPARE(tip()->variant(256), QStringLiteral("c-1"));
        QCOMPARE(closed.count(), 0);
        QVERIFY(F::journalCommands().isEmpty());
        tip()->clearData();
        QCOMPARE(tip()->variant(256), QString());
        QCOMPARE(tip()->getFromAccount(), QString());
    }

    void conferenceInvitationShowsTheDetailsAndTheHostPicture_data()
    {
        QTest::addColumn<QString>("hostAccount");
        QTest::addColumn<QString>("recordName");
        QTest::addColumn<QString>("drawnName");
        QTest::addColumn<QString>("hostLine");
        QTest::newRow("host in the directory")
            << QStringLiteral("bob.li") << QString() << QStringLiteral("Bob Li") << QStringLiteral("Host:Bob Li");
        QTest::newRow("host unknown") << QStringLiteral("zed") << QStringLiteral("Zed Ho") << QStringLiteral("Zed Ho")
                                      << QStringLiteral("Host:Zed Ho");
        QTest::newRow("host unknown, no name")
            << QStringLiteral("zed") << QString() << QString() << QStringLiteral("Host:zed");
    }
    void conferenceInvitationShowsTheDetailsAndTheHostPicture()
    {
        QFETCH(QString, hostAccount);
        QFETCH(QString, recordName);
        QFETCH(QString, drawnName);
        QFETCH(QString, hostLine);
        F::business()->getAddressBookView()->addPerson(
            F::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
        auto* head = child<QLabel>(tip(), "headIconLbl");
        const QSize formSize = head->size();
        head->setFixedSize(90, 60); // not square: width and height must not trade places
        ConferenceBriefInfo info;
        info.confId = QStringLiteral("c-9");
        info.subject = QStringLiteral("Budget");
        info.hostAccount = hostAccount;
        info.hostName = recordName;
        info.memberCount = 12;
        tip()->setVariant(QStringLiteral("old"), 3);
        tip()->setConferenceInfo(info);
        const QImage shown = head->pixmap(Qt::ReturnByValue).toImage();
        head->setFixedSize(formSize);
        QCOMPARE(page(), QStringLiteral("detailPage"));
        QCOMPARE(text("firstTipLbl"), QStringLiteral("Conference theme: Budget"));
        QCOMPARE(text("secondTipLbl"), hostLine);
        QCOMPARE(text("thirdTipLbl"), QStringLiteral("Attendance:12"));
        QCOMPARE(tip()->variant(3), QString());
        QCOMPARE(tip()->variant(256), QStringLiteral("c-9"));
        // Drawn as a square as wide as the label, then rounded to the label.
        const QPixmap drawn = KP_UI_UTIL::getSelfDrawPicHead(drawnName, hostAccount, 90, 90, true, 4, 12);
        QCOMPARE(shown, KP_UI_UTIL::PixmapToRound(drawn, 90, 60, 4).toImage());
        tip()->setMessageText(QStringLiteral("plain"));
        QCOMPARE(page(), QStringLiteral("textPage"));
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
        F::fire(timer);
        QVERIFY(!notice.isVisible());
        QVERIFY(label->text().isEmpty());
    }
};

QTEST_MAIN(tst_BottomTipWidget)
#include "tst_BottomTipWidget.moc"
