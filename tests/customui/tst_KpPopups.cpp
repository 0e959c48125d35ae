#include "BusinessFixture.h"
#include "ExtendDurationWidget.h"
#include "GroupConfMsgBox.h"
#include "KP_UI_UTIL.h"
#include "MessageTipWidget.h"

#include <QDateTime>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The small pop-ups: the group-conference invitation (and what it tells
// the business library), the reservation reminder, the extension offer.
class tst_KpPopups : public QObject
{
    Q_OBJECT

private:
    static void fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static GroupConfMsgBox* makeBox()
    {
        auto* box = new GroupConfMsgBox;
        box->setConferenceInfo(QStringLiteral("c1"),
            QStringLiteral("{\"groupId\":\"g9\",\"groupName\":\"Team Rocket\",\"inviter\":\"alice\"}"));
        box->setInviteMessage(QStringLiteral("AliceYou are invited to the integrated meeting"));
        box->show();
        return box;
    }

private slots:
    void init()
    {
        BusinessFixture::reset();
        qRegisterMetaType<PopUpHandleType>("PopUpHandleType");
    }

    void groupBoxShowsTheInvitationAndTimesOut()
    {
        QPointer<GroupConfMsgBox> box = makeBox();
        QCOMPARE(box->getConfId(), QStringLiteral("c1"));
        QCOMPARE(box->groupId(), QStringLiteral("g9"));
        QCOMPARE(box->fromAccount(), QStringLiteral("alice"));
        QVERIFY(box->findChild<QLabel*>(QStringLiteral("label_group"))->text().contains(QStringLiteral("Team Rocket")));
        QCOMPARE(box->inviteMessage(), QStringLiteral("AliceYou are invited to the integrated meeting"));
        QVERIFY(box->timeOutTimer()->isActive());
        QCOMPARE(box->timeOutTimer()->interval(), 59000);

        QSignalSpy lapsed(box.data(), &GroupConfMsgBox::sig_lapsed);
        QSignalSpy mask(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        fire(box->timeOutTimer());
        QCOMPARE(lapsed.count(), 1);
        QCOMPARE(mask.count(), 1);
        QCOMPARE(BusinessFixture::journalCommands(), QStringList { QStringLiteral("resetInviteConfId") });
        flushDeletes();
        QVERIFY(box.isNull());
    }

    void acceptingLeavesTheRunningConferenceThenJoins()
    {
        auto* view = BusinessFixture::business()->getUnifiedConferenceView();
        view->state().currentConfId = QStringLiteral("c0");
        QPointer<GroupConfMsgBox> box = makeBox();
        QSignalSpy accepted(box.data(), &GroupConfMsgBox::sig_accept);
        box->findChild<QPushButton*>(QStringLiteral("btn_accept"))->click();

        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.first().first().toString(), QStringLiteral("c1"));
        QCOMPARE(BusinessFixture::journalCommands(),
            (QStringList { QStringLiteral("setConferenceType"), QStringLiteral("leaveConference"),
                QStringLiteral("joinConference") }));
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("leaveConference")).args.value(0).toString(),
            QStringLiteral("c0"));
        const QVariantList join = BusinessFixture::journal()->last(QStringLiteral("joinConference")).args;
        QCOMPARE(join.value(0).toString(), QStringLiteral("c1"));
        QCOMPARE(join.value(3).toInt(), int(CONFERENCE_TYPE_GROUP));
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("setConferenceType")).args.value(0).toInt(),
            int(CONFERENCE_TYPE_GROUP));
        QVERIFY(!box->timeOutTimer()->isActive());
        flushDeletes();
        QVERIFY(box.isNull());
    }

    void refusingTellsTheInviter()
    {
        QPointer<GroupConfMsgBox> box = makeBox();
        box->setFromAccount(QStringLiteral("bob")); // the facade knows the sender better
        QSignalSpy rejected(box.data(), &GroupConfMsgBox::sig_reject);
        box->findChild<QPushButton*>(QStringLiteral("btn_reject"))->click();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(BusinessFixture::journalCommands(),
            (QStringList { QStringLiteral("rejectInvitation"), QStringLiteral("resetInviteConfId") }));
        const QVariantList args = BusinessFixture::journal()->last(QStringLiteral("rejectInvitation")).args;
        QCOMPARE(args, (QVariantList { QStringLiteral("c1"), QStringLiteral("bob"), 107603 }));
    }

    void hiddenMaskClosesTheBoxWithoutAnswer()
    {
        QPointer<GroupConfMsgBox> box = makeBox();
        QSignalSpy accepted(box.data(), &GroupConfMsgBox::sig_accept);
        QSignalSpy lapsed(box.data(), &GroupConfMsgBox::sig_lapsed);
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_CONFERENCE); // not its mask
        QVERIFY(box->isVisible());
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN);
        flushDeletes();
        QVERIFY(box.isNull());
        QCOMPARE(accepted.count() + lapsed.count(), 0);
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void groupBoxSurvivesBadExtensionAndMissingId()
    {
        auto* box = new GroupConfMsgBox;
        QPointer<GroupConfMsgBox> guard(box);
        box->setConferenceInfo(QString(), QStringLiteral("{not json"));
        QVERIFY(box->groupId().isEmpty());
        box->show();
        box->findChild<QPushButton*>(QStringLiteral("btn_accept"))->click();
        QVERIFY(BusinessFixture::journalCommands().isEmpty()); // nothing to join
        flushDeletes();
        QVERIFY(guard.isNull());
    }

    void reminderShowsTheBookingInTheCorner()
    {
        MessageTipWidget tip;
        tip.setMessageType(1);
        const qint64 start = QDateTime(QDate(2024, 5, 6), QTime(14, 30)).toSecsSinceEpoch();
        tip.setConfInfo(QStringLiteral("123456789"), QStringLiteral("Weekly review"), start);
        QVERIFY(
            tip.findChild<QLabel*>(QStringLiteral("label_subject"))->text().contains(QStringLiteral("Weekly review")));
        QVERIFY(tip.findChild<QLabel*>(QStringLiteral("label_confId"))->text().contains(QStringLiteral("123456789")));
        QVERIFY(
            tip.findChild<QLabel*>(QStringLiteral("label_time"))->text().contains(QStringLiteral("2024-05-06 14:30")));
        QCOMPARE(MessageTipWidget::startTimeText(start * 1000), QStringLiteral("2024-05-06 14:30")); // milliseconds
        QVERIFY(MessageTipWidget::startTimeText(0).isEmpty());

        tip.bottomTipShow();
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.x(), KP_UI_UTIL::getDeskTopWidth() - tip.width() - 10);
        QCOMPARE(tip.y(), KP_UI_UTIL::getDeskTopHeight() - tip.height() - 40);

        QSignalSpy closed(&tip, &MessageTipWidget::sig_closed);
        tip.findChild<QPushButton*>(QStringLiteral("btn_ok"))->click();
        QVERIFY(!tip.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.first().first().toString(), QStringLiteral("123456789"));
        tip.bottomTipShow(); // reused by its owner
        QVERIFY(tip.isVisible());
    }

    void extensionOfferAnswersWithTheChosenMinutes()
    {
        ExtendDurationWidget offer;
        QSignalSpy yes(&offer, &ExtendDurationWidget::sig_btn_extend_Yes);
        QSignalSpy no(&offer, &ExtendDurationWidget::sig_btn_extend_No);
        offer.setTimerStatart();
        offer.show();
        QCOMPARE(offer.countdownTimer()->interval(), 1000);
        QVERIFY(offer.countdownTimer()->isActive());
        QCOMPARE(offer.selectedMinutes(), 30);
        offer.findChild<QRadioButton*>(QStringLiteral("radio_60"))->click();
        offer.findChild<QPushButton*>(QStringLiteral("btn_yes"))->click();
        QCOMPARE(yes.count(), 1);
        QCOMPARE(yes.first().first().toInt(), 60);
        QVERIFY(!offer.countdownTimer()->isActive());
        offer.findChild<QPushButton*>(QStringLiteral("btn_no"))->click(); // answered already
        QCOMPARE(no.count(), 0);
    }

    void extensionOfferLapsesAfterItsCountdown()
    {
        ExtendDurationWidget offer;
        QSignalSpy yes(&offer, &ExtendDurationWidget::sig_btn_extend_Yes);
        QSignalSpy no(&offer, &ExtendDurationWidget::sig_btn_extend_No);
        offer.setTimerStatart();
        offer.show();
        for (int i = 1; i < ExtendDurationWidget::CountdownSeconds; ++i)
            fire(offer.countdownTimer());
        QCOMPARE(offer.remainingSeconds(), 1);
        QCOMPARE(no.count(), 0);
        fire(offer.countdownTimer());
        QCOMPARE(no.count(), 1);
        QVERIFY(!offer.isVisible());
        fire(offer.countdownTimer());
        QCOMPARE(no.count(), 1);
        QCOMPARE(yes.count(), 0);

        // Escape says no; the owner withdrawing it with close() says nothing.
        ExtendDurationWidget second;
        QSignalSpy secondNo(&second, &ExtendDurationWidget::sig_btn_extend_No);
        second.setTimerStatart();
        second.show();
        QTest::keyClick(&second, Qt::Key_Escape);
        QCOMPARE(secondNo.count(), 1);
        ExtendDurationWidget third;
        QSignalSpy thirdNo(&third, &ExtendDurationWidget::sig_btn_extend_No);
        third.setTimerStatart();
        third.show();
        third.close();
        QCOMPARE(thirdNo.count(), 0);
        QVERIFY(!third.countdownTimer()->isActive());
    }
};

QTEST_MAIN(tst_KpPopups)
#include "tst_KpPopups.moc"
