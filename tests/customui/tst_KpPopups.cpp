#include "customui/ExtendDurationWidget.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/KpMsgBox.h"
#include "customui/KpMsgTip.h"
#include "customui/MessageTipWidget.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QtTest>

#include <functional>

using F = BusinessFixture;
using TestWindows::child;
using TestWindows::click;
using UserData = QMap<int, QVariant>;

// The pop-ups: the message box's answers, the transient tip's queue, the group-conference invitation
// (and what it tells the business library), the reservation reminder, the extension offer.
class tst_KpPopups : public QObject
{
    Q_OBJECT

private:
    // Logs every answer of the box ("accept 7", "reject info 20", ...). Without
    // both, only the second name of the data form is listened to.
    static void listen(KpMsgBox& box, QStringList& log, bool both)
    {
        const auto data = [&log](const char* what) {
            return [&log, what](const QString& info, const UserData& d) {
                log << QStringLiteral("%1 %2 %3").arg(QLatin1String(what), info).arg(d.value(256).toInt());
            };
        };
        connect(&box, qOverload<int>(&KpMsgBox::signal_Accept), &box,
            [&log](int t) { log << QStringLiteral("accept %1").arg(t); });
        connect(&box, qOverload<int>(&KpMsgBox::signal_Reject), &box,
            [&log](int t) { log << QStringLiteral("reject %1").arg(t); });
        connect(&box, &KpMsgBox::signal_AcceptData, &box, data("acceptData"));
        connect(&box, &KpMsgBox::signal_RejectData, &box, data("rejectData"));
        if (both) {
            connect(&box, qOverload<const QString&, const UserData&>(&KpMsgBox::signal_Accept), &box, data("accept"));
            connect(&box, qOverload<const QString&, const UserData&>(&KpMsgBox::signal_Reject), &box, data("reject"));
        }
    }

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
    void init() { F::reset(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void answersCarryTypeInfoAndUserData()
    {
        KpMsgBox box;
        QStringList log;
        listen(box, log, true);
        box.setMessageText(QStringLiteral("Are you sure to kick out Bob?"));
        box.setMessageInfo(QStringLiteral("bob"));
        box.setMessageType(101);
        box.setUserData(256, 20);
        box.show();
        QVERIFY(click(&box, "okBtn"));
        QVERIFY(!box.isVisible());
        // Callers may connect both names of the data form: each answer reaches one of them.
        QCOMPARE(log, F::texts({ "accept 101", "accept bob 20" }));

        log.clear();
        box.setMessageType(99); // the box is reused: a second question gets its own answer
        box.show();
        QVERIFY(click(&box, "cancelBtn"));
        QCOMPARE(log, F::texts({ "reject 99", "reject bob 20" }));

        KpMsgBox dataOnly; // nothing on the first name: the second one carries it
        log.clear();
        listen(dataOnly, log, false);
        dataOnly.setMessageInfo(QStringLiteral("carol"));
        dataOnly.show();
        QVERIFY(click(&dataOnly, "cancelBtn"));
        QCOMPARE(log, F::texts({ "reject 0", "rejectData carol 0" }));

        // The handler may delete the box it hears from.
        QPointer<KpMsgBox> deleted = new KpMsgBox;
        connect(deleted, qOverload<int>(&KpMsgBox::signal_Accept), this, [&deleted] { delete deleted; });
        deleted->show();
        QVERIFY(click(deleted, "okBtn"));
        QVERIFY(deleted.isNull());
    }

    void closingWithoutAButtonIsARejectionAndAutoCloseKeepsToItsMessage()
    {
        KpMsgBox box;
        QStringList log;
        listen(box, log, true);
        box.setMessageType(7);
        const QList<std::function<void()>> closers {
            [&box] { click(&box, "btn_close"); },
            [&box] { QTest::keyClick(&box, Qt::Key_Escape); },
            [&box] { box.close(); },
            [&box] { F::fire(box.closeTimer()); },
        };
        for (const auto& close : closers) {
            box.show();
            close();
            QVERIFY(!box.isVisible());
        }
        box.close(); // closing a box that is not shown answers nothing
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(log.filter(QStringLiteral("reject 7")).size(), closers.size());
        QCOMPARE(log.filter(QStringLiteral("accept 7")).size(), 1);

        // Closing by itself only when asked, and only for the message it was asked for.
        box.show();
        QVERIFY(!box.closeTimer()->isActive());
        box.startCloseWidgetTimeOut();
        QVERIFY(box.closeTimer()->isActive());
        // The one box is reused: a later message must not be closed by the earlier one's timer.
        box.setMessageText(QStringLiteral("Sure to delete Bob!"));
        QVERIFY(!box.closeTimer()->isActive());
        box.startCloseWidgetTimeOut();
        QVERIFY(click(&box, "okBtn"));
        QVERIFY(!box.closeTimer()->isActive());
    }

    void tipsShowOneAtATimeInOrderThenGo()
    {
        auto* tip = new KpMsgTip;
        tip->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<KpMsgTip> guard(tip);
        tip->addMsgTip(QStringLiteral("first"));
        QVERIFY(tip->isVisible() && tip->getTimerIsActive());
        tip->move(100, 100); // placed by its owner: it stays centred there
        const QPoint centre = tip->frameGeometry().center();

        tip->addMsgTip(QStringLiteral("second"));
        tip->addMsgTip(QStringLiteral("second")); // repeat of the last queued
        tip->addMsgTip(QStringLiteral("   ")); // nothing to show
        tip->addMsgTip(QStringLiteral("a longer third tip"));
        QCOMPARE(tip->currentText(), QStringLiteral("first"));
        QCOMPARE(tip->pendingCount(), 2);
        F::fire(tip->showTimer());
        QCOMPARE(tip->currentText(), QStringLiteral("second"));
        F::fire(tip->showTimer());
        QCOMPARE(tip->currentText(), QStringLiteral("a longer third tip"));
        QVERIFY((tip->frameGeometry().center() - centre).manhattanLength() <= 2);

        // A flood of tips is bounded and drains.
        for (int i = 0; i < 1000; ++i)
            tip->addMsgTip(QStringLiteral("queued %1").arg(i));
        QVERIFY(tip->pendingCount() < 100);
        for (int i = 0; i < 100 && guard && tip->getTimerIsActive(); ++i)
            F::fire(tip->showTimer());
        QVERIFY(!guard || !tip->isVisible());
        F::flushDeletes(); // made to delete itself on close: gone when done
        QVERIFY(guard.isNull());
    }

    void groupInvitationAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("answers"); // counts of sig_accept, sig_reject, sig_lapsed
        QTest::newRow("accept") << QStringLiteral("btn_accept")
                                << F::texts({ "setConferenceType(6)", "leaveConference(c0)",
                                       "joinConference(c1,,128,6,1,0,)" })
                                << QStringLiteral("100");
        QTest::newRow("refuse") << QStringLiteral("btn_reject")
                                << F::texts({ "rejectInvitation(c1,alice,107603)", "resetInviteConfId" })
                                << QStringLiteral("010");
        QTest::newRow("time-out") << QStringLiteral("timer") << F::texts({ "resetInviteConfId" })
                                  << QStringLiteral("001");
        QTest::newRow("close button") << QStringLiteral("btn_close") << F::texts({ "resetInviteConfId" })
                                      << QStringLiteral("001");
        // The client took the mask away (the inviter cancelled): no answer at all.
        QTest::newRow("mask hidden") << QStringLiteral("mask") << QStringList() << QStringLiteral("000");
    }
    void groupInvitationAnswers()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, calls);
        QFETCH(QString, answers);
        F::business()->getUnifiedConferenceView()->state().currentConfId = QStringLiteral("c0");
        QPointer<GroupConfMsgBox> box = makeBox();
        QVERIFY(child<QLabel>(box, "label_group")->text().contains(QStringLiteral("Team Rocket")));
        QVERIFY(box->timeOutTimer()->isActive());
        QSignalSpy accepted(box.data(), &GroupConfMsgBox::sig_accept);
        QSignalSpy rejected(box.data(), &GroupConfMsgBox::sig_reject);
        QSignalSpy lapsed(box.data(), &GroupConfMsgBox::sig_lapsed);
        QSignalSpy mask(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);

        if (action == QLatin1String("timer")) {
            F::fire(box->timeOutTimer());
        } else if (action == QLatin1String("mask")) {
            emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_CONFERENCE); // not its mask
            QVERIFY(box->isVisible());
            emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN);
        } else {
            QVERIFY(click(box, action.toLatin1().constData()));
        }

        QCOMPARE(F::journalCalls(), calls);
        // The box lifts its mask itself, except when the mask went first.
        QCOMPARE(mask.count(), action == QLatin1String("mask") ? 2 : 1);
        QCOMPARE(mask.last().first().value<PopUpHandleType>(), POPUP_HANDLE_MAIN);
        QCOMPARE(QStringLiteral("%1%2%3").arg(accepted.count()).arg(rejected.count()).arg(lapsed.count()), answers);
        F::flushDeletes();
        QVERIFY(box.isNull());
    }

    void groupInvitationSurvivesItsOwnerAndBadInput()
    {
        // Whoever hears the mask go away may delete the box at once.
        GroupConfMsgBox* box = makeBox();
        QObject context;
        connect(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt, &context, [&box] {
            delete box;
            box = nullptr;
        });
        QVERIFY(click(box, "btn_reject"));
        QVERIFY(!box);
        QCOMPARE(F::lastArgs(QStringLiteral("rejectInvitation")), QStringLiteral("c1|alice|107603"));

        // No id and an extension that is no JSON: shown blank, nothing to join.
        F::reset();
        QPointer<GroupConfMsgBox> blank = new GroupConfMsgBox;
        blank->setConferenceInfo(QString(), QStringLiteral("{not json"));
        QVERIFY(child<QLabel>(blank, "label_group")->text().isEmpty());
        blank->show();
        QVERIFY(click(blank, "btn_accept"));
        QVERIFY(F::journalCommands().isEmpty());
        F::flushDeletes();
        QVERIFY(blank.isNull());
    }

    void reminderShowsTheBookingAndReportsItsClosing()
    {
        MessageTipWidget tip;
        tip.setMessageType(1);
        const qint64 start = QDateTime(QDate(2024, 5, 6), QTime(14, 30)).toSecsSinceEpoch();
        tip.setConfInfo(QStringLiteral("123456789"), QStringLiteral("Weekly review"), start);
        QString texts;
        for (const char* name : { "label_subject", "label_confId", "label_time" })
            texts += child<QLabel>(&tip, name)->text() + QLatin1Char('|');
        for (const char* part : { "Weekly review", "123456789", "2024-05-06 14:30" })
            QVERIFY2(texts.contains(QLatin1String(part)), qPrintable(texts));
        QCOMPARE(MessageTipWidget::startTimeText(start * 1000), QStringLiteral("2024-05-06 14:30")); // milliseconds
        QVERIFY(MessageTipWidget::startTimeText(0).isEmpty());

        tip.bottomTipShow();
        QSignalSpy closed(&tip, &MessageTipWidget::sig_closed);
        QVERIFY(click(&tip, "btn_ok"));
        QVERIFY(!tip.isVisible());
        QCOMPARE(closed, (QList<QVariantList> { { QStringLiteral("123456789") } }));
    }

    void extensionOfferAnswersOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QVariantList>("answers"); // minutes of "yes", or false for "no"
        QTest::newRow("sixty minutes") << QStringLiteral("radio_60") << QVariantList { 60 };
        QTest::newRow("no") << QStringLiteral("btn_no") << QVariantList { false };
        QTest::newRow("close button") << QStringLiteral("btn_close") << QVariantList { false };
        QTest::newRow("escape") << QStringLiteral("escape") << QVariantList { false };
        QTest::newRow("countdown") << QStringLiteral("countdown") << QVariantList { false };
        QTest::newRow("withdrawn by its owner") << QStringLiteral("close") << QVariantList();
    }
    void extensionOfferAnswersOnce()
    {
        QFETCH(QString, action);
        QFETCH(QVariantList, answers);
        ExtendDurationWidget offer;
        QVariantList got;
        connect(&offer, &ExtendDurationWidget::sig_btn_extend_Yes, this, [&got](int minutes) { got << minutes; });
        connect(&offer, &ExtendDurationWidget::sig_btn_extend_No, this, [&got] { got << false; });
        offer.setTimerStatart();
        offer.show();
        QVERIFY(offer.countdownTimer()->isActive());

        if (action == QLatin1String("countdown")) {
            int ticks = 0;
            for (; ticks < 1000 && got.isEmpty(); ++ticks)
                F::fire(offer.countdownTimer());
            QVERIFY(ticks > 1); // a countdown, not a single time-out
        } else if (action == QLatin1String("escape")) {
            QTest::keyClick(&offer, Qt::Key_Escape);
        } else if (action == QLatin1String("close")) {
            offer.close();
        } else {
            QVERIFY(click(&offer, action.toLatin1().constData()));
            if (action.startsWith(QLatin1String("radio")))
                QVERIFY(click(&offer, "btn_yes"));
        }
        QVERIFY(!offer.isVisible());
        QVERIFY(!offer.countdownTimer()->isActive());
        if (action != QLatin1String("close")) { // nothing answers a second time
            click(&offer, "btn_no");
            click(&offer, "btn_yes");
            F::fire(offer.countdownTimer());
        }
        QCOMPARE(got, answers);
    }
};

QTEST_MAIN(tst_KpPopups)
#include "tst_KpPopups.moc"
