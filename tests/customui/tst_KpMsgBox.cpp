#include "KPTitleBar.h"
#include "KpMsgBox.h"
#include "KpMsgTip.h"
#include "KpPublicBtn.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using UserData = QMap<int, QVariant>;

// The message box's answers (both signal forms, every way of closing, the
// auto-close timer, button sets) and the transient tip's queue.
class tst_KpMsgBox : public QObject
{
    Q_OBJECT

private:
    static KpPublicBtn* okBtn(KpMsgBox& box) { return box.findChild<KpPublicBtn*>(QStringLiteral("okBtn")); }
    static KpPublicBtn* cancelBtn(KpMsgBox& box) { return box.findChild<KpPublicBtn*>(QStringLiteral("cancelBtn")); }
    static void fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

private slots:

    void answersCarryTypeInfoAndUserData()
    {
        KpMsgBox box;
        QSignalSpy acceptInt(&box, qOverload<int>(&KpMsgBox::signal_Accept));
        QSignalSpy rejectInt(&box, qOverload<int>(&KpMsgBox::signal_Reject));
        QSignalSpy acceptData(&box, qOverload<const QString&, const UserData&>(&KpMsgBox::signal_Accept));
        QSignalSpy rejectData(&box, qOverload<const QString&, const UserData&>(&KpMsgBox::signal_Reject));

        box.setMessageTitle(QStringLiteral("Information"));
        box.setMessageText(QStringLiteral("Are you sure to kick out Bob?"));
        box.setMessageInfo(QStringLiteral("bob"));
        box.setMessageType(101);
        box.setUserData(256, 20);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        okBtn(box)->click();

        QVERIFY(!box.isVisible());
        QCOMPARE(acceptInt.count(), 1);
        QCOMPARE(acceptInt.first().first().toInt(), 101);
        QCOMPARE(acceptData.count(), 1);
        QCOMPARE(acceptData.first().at(0).toString(), QStringLiteral("bob"));
        QCOMPARE(acceptData.first().at(1).value<UserData>().value(256).toInt(), 20);
        QCOMPARE(rejectInt.count() + rejectData.count(), 0);

        // The box is reused: a second question gets its own answer.
        box.setMessageType(99);
        box.show();
        cancelBtn(box)->click();
        QCOMPARE(rejectInt.count(), 1);
        QCOMPARE(rejectInt.first().first().toInt(), 99);
        QCOMPARE(rejectData.count(), 1);
        QCOMPARE(acceptInt.count(), 1);
    }

    void dataFormReachesEachAnswerOnce()
    {
        // Callers may connect both names of the data form to one slot.
        KpMsgBox both;
        int bothCount = 0;
        connect(&both, qOverload<const QString&, const UserData&>(&KpMsgBox::signal_Accept), this,
            [&bothCount] { ++bothCount; });
        connect(&both, &KpMsgBox::signal_AcceptData, this, [&bothCount] { ++bothCount; });
        both.show();
        okBtn(both)->click();
        QCOMPARE(bothCount, 1);

        KpMsgBox dataOnly;
        QSignalSpy rejectData(&dataOnly, &KpMsgBox::signal_RejectData);
        dataOnly.setMessageInfo(QStringLiteral("carol"));
        dataOnly.show();
        cancelBtn(dataOnly)->click();
        QCOMPARE(rejectData.count(), 1);
        QCOMPARE(rejectData.first().first().toString(), QStringLiteral("carol"));
    }

    void closingWithoutAButtonIsARejection()
    {
        KpMsgBox box;
        box.setMessageType(7);
        QSignalSpy accept(&box, qOverload<int>(&KpMsgBox::signal_Accept));
        QSignalSpy reject(&box, qOverload<int>(&KpMsgBox::signal_Reject));

        box.show();
        box.findChild<QPushButton*>(QStringLiteral("btn_close"))->click();
        QCOMPARE(reject.count(), 1);
        QVERIFY(!box.isVisible());

        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QCOMPARE(reject.count(), 2);

        box.show();
        box.close();
        QCOMPARE(reject.count(), 3);

        // Closing a box that is not shown answers nothing (teardown of an idle box).
        box.close();
        QCOMPARE(reject.count(), 3);

        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(accept.count(), 1);
        QCOMPARE(reject.count(), 3);
    }

    void autoCloseRejectsAfterItsIntervalUnlessReplaced()
    {
        KpMsgBox box;
        QSignalSpy reject(&box, qOverload<int>(&KpMsgBox::signal_Reject));
        box.setMessageText(QStringLiteral("Your invitation rejected!"));
        box.show();
        QVERIFY(!box.closeTimer()->isActive());
        box.startCloseWidgetTimeOut();
        QVERIFY(box.closeTimer()->isActive());
        QCOMPARE(box.closeTimer()->interval(), 3000);
        fire(box.closeTimer());
        QVERIFY(!box.isVisible());
        QCOMPARE(reject.count(), 1);

        // A later message must not be closed by the earlier one's timer.
        box.show();
        box.startCloseWidgetTimeOut();
        box.setMessageText(QStringLiteral("Sure to delete Bob!"));
        QVERIFY(!box.closeTimer()->isActive());

        // Answering stops the timer too.
        box.startCloseWidgetTimeOut();
        okBtn(box)->click();
        QVERIFY(!box.closeTimer()->isActive());
    }

    void buttonSetsShowTheRightButtons()
    {
        KpMsgBox box;
        box.show();
        auto* ok = okBtn(box);
        auto* cancel = cancelBtn(box);

        box.setStandardButtons(KpMsgBox::KpButtons(QFlag(3)));
        QVERIFY(ok->isVisible());
        QVERIFY(cancel->isVisible());
        QCOMPARE(ok->text(), QStringLiteral("Confirm"));

        box.setStandardButtons(KpMsgBox::KpButtons(QFlag(4)));
        QVERIFY(ok->isVisible());
        QVERIFY(!cancel->isVisible());
        QCOMPARE(ok->text(), QStringLiteral("OK"));

        box.setStandardButtons(KpMsgBox::KpButtons(QFlag(5)));
        QVERIFY(ok->isVisible());
        QVERIFY(!cancel->isVisible());

        box.setStandardButtons(KpMsgBox::NoButton);
        QVERIFY(!ok->isVisible());
        QVERIFY(!box.findChild<QWidget*>(QStringLiteral("widget_bottom"))->isVisible());

        box.setStandardButtons(KpMsgBox::Confirm | KpMsgBox::Cancel);
        box.setBtnText(QStringLiteral("Ignore"), QStringLiteral("Connect"));
        QCOMPARE(ok->text(), QStringLiteral("Ignore"));
        QCOMPARE(cancel->text(), QStringLiteral("Connect"));
        box.setStandardButtons(KpMsgBox::Ok);
        QCOMPARE(ok->text(), QStringLiteral("Ignore"));
        box.setBtnText(QString(), QString());
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->btnStyle(), BtnStyle_Primary);
    }

    void iconFollowsTypeUnlessSet()
    {
        KpMsgBox box;
        QCOMPARE(box.labelIcon(), int(KpMsgBox::Label_Info));
        box.setMessageType(KpMsgBox::Msg_Error);
        QCOMPARE(box.labelIcon(), int(KpMsgBox::Label_Error));
        box.setMessageType(85); // a caller's tag: a question
        QCOMPARE(box.labelIcon(), int(KpMsgBox::Label_Question));
        box.setLabelIcon(KpMsgBox::Label_None);
        box.setMessageType(2);
        QCOMPARE(box.labelIcon(), int(KpMsgBox::Label_None));
        box.show();
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("label_icon"))->isVisible());
        box.setLabelIcon(42); // unknown: back to following the type
        QCOMPARE(box.labelIcon(), int(KpMsgBox::Label_Error));
    }

    void multimediaTipNamesTheBusyActivity()
    {
        KpMsgBox box;
        QSignalSpy accept(&box, qOverload<int>(&KpMsgBox::signal_Accept));
        box.setMultimediaTip(MULTIMEDIA_WHITEBOARD);
        box.show();
        QCOMPARE(box.messageType(), 311);
        QVERIFY(box.messageText().contains(QStringLiteral("whiteboard")));
        QVERIFY(cancelBtn(box)->isVisible());
        okBtn(box)->click();
        QCOMPARE(accept.count(), 1);
        QCOMPARE(accept.first().first().toInt(), 311);

        box.setMultimediaTip(MULTIMEDIA_VIDEO_CALL);
        box.show();
        QCOMPARE(box.messageType(), 302);
        QVERIFY(box.messageText().contains(QStringLiteral("video call")));
        QVERIFY(!cancelBtn(box)->isVisible());
        QVERIFY(KpMsgBox::multimediaTipText(999) != KpMsgBox::multimediaTipText(MULTIMEDIA_VOICE_CALL));
    }

    void handlerMayDeleteTheBox()
    {
        auto* box = new KpMsgBox;
        QPointer<KpMsgBox> guard(box);
        connect(box, qOverload<int>(&KpMsgBox::signal_Accept), this, [box] { delete box; });
        box->show();
        okBtn(*box)->click();
        QVERIFY(guard.isNull());
    }

    void tipsShowOneAtATimeInOrder()
    {
        KpMsgTip tip;
        QVERIFY(!tip.getTimerIsActive());
        tip.addMsgTip(QStringLiteral("first"));
        QVERIFY(tip.isVisible());
        QVERIFY(tip.getTimerIsActive());
        QCOMPARE(tip.showTimer()->interval(), 2000);
        QCOMPARE(tip.currentText(), QStringLiteral("first"));

        tip.addMsgTip(QStringLiteral("second"));
        tip.addMsgTip(QStringLiteral("second")); // repeat of the last queued
        tip.addMsgTip(QStringLiteral("   ")); // nothing to show
        tip.addMsgTip(QStringLiteral("third"));
        QCOMPARE(tip.currentText(), QStringLiteral("first"));
        QCOMPARE(tip.pendingCount(), 2);

        fire(tip.showTimer());
        QCOMPARE(tip.currentText(), QStringLiteral("second"));
        QVERIFY(tip.getTimerIsActive());
        fire(tip.showTimer());
        QCOMPARE(tip.currentText(), QStringLiteral("third"));
        fire(tip.showTimer());
        QVERIFY(!tip.isVisible());
        QVERIFY(!tip.getTimerIsActive());

        tip.addMsgTip(QStringLiteral("again"));
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.currentText(), QStringLiteral("again"));
    }

    void tipKeepsItsPlaceAndBoundsItsQueue()
    {
        KpMsgTip tip;
        tip.addMsgTip(QStringLiteral("short"));
        tip.move(100, 100);
        const QPoint centre = tip.frameGeometry().center();
        for (int i = 0; i < KpMsgTip::MaxQueued + 5; ++i)
            tip.addMsgTip(QStringLiteral("queued %1").arg(i));
        QCOMPARE(tip.pendingCount(), KpMsgTip::MaxQueued);
        fire(tip.showTimer());
        QCOMPARE(tip.currentText(), QStringLiteral("queued 0"));
        QVERIFY((tip.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void tipMadeToDeleteOnCloseGoesAwayWhenDone()
    {
        auto* tip = new KpMsgTip;
        tip->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<KpMsgTip> guard(tip);
        tip->addMsgTip(QStringLiteral("only"));
        fire(tip->showTimer());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }
};

QTEST_MAIN(tst_KpMsgBox)
#include "tst_KpMsgBox.moc"
