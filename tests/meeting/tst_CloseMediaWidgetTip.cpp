#include "customui/KPTitleBar.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QtTest>

using namespace TestWindows;
using F = BusinessFixture;

class tst_CloseMediaWidgetTip : public QObject
{
    Q_OBJECT

    static QPointer<CloseMediaWidgetTip> shownTip(int type)
    {
        auto* tip = new CloseMediaWidgetTip(nullptr);
        tip->setType(type);
        tip->show();
        return tip;
    }
    static QStringList commands() { return F::journalCommands(); }

private slots:
    void init() { F::reset(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void confirmingPerformsTheTypesActionsThenGoes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("operations");
        QTest::newRow("0 leave voice") << 0 << QStringLiteral("Exit the current audio session?")
                                       << F::texts({ "exitMeeting", "closeVoiceMeeting" });
        QTest::newRow("1 dismiss voice") << 1 << QStringLiteral("Dismiss current audio sessions?")
                                         << F::texts({ "dismissMeeting", "closeVoiceMeeting" });
        QTest::newRow("2 leave video") << 2 << QStringLiteral("Exit the current video meeting?")
                                       << F::texts({ "exitMeeting", "closeVideoMeeting" });
        QTest::newRow("3 dismiss video") << 3 << QStringLiteral("Dismiss current video meeting?")
                                         << F::texts({ "dismissMeeting", "closeVideoMeeting" });
        QTest::newRow("4 voice call") << 4 << QStringLiteral("Exit point-to-point speech?") << QStringList();
        QTest::newRow("5 video call") << 5 << QStringLiteral("Exit point to point video?")
                                      << F::texts({ "closeVideoCallWnd" });
        QTest::newRow("unknown") << 9 << QString() << QStringList();
    }
    void confirmingPerformsTheTypesActionsThenGoes()
    {
        QFETCH(int, type);
        QFETCH(QString, question);
        QFETCH(QStringList, operations);
        QSignalSpy whiteBoard(F::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        QPointer<CloseMediaWidgetTip> tip = shownTip(0);
        tip->setType(type); // another type replaces the question
        QCOMPARE(child<QLabel>(tip, "label_tip")->text(), question);
        QVERIFY(commands().isEmpty());
        QVERIFY(click(tip, "pushButton_ok"));
        QCOMPARE(commands(), operations);
        QCOMPARE(whiteBoard.count(), type == 5 ? 1 : 0); // only the video call's whiteboard goes with it
        QTRY_VERIFY(tip.isNull());
    }

    void cancellingEndsNothingAndASecondConfirmationNothingTwice()
    {
        QSignalSpy whiteBoard(F::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        QPointer<CloseMediaWidgetTip> byButton = shownTip(5);
        QVERIFY(click(byButton, "pushButton_cancel"));
        QPointer<CloseMediaWidgetTip> byTitle = shownTip(3);
        emit child<KPTitleBar>(byTitle, "widget_title")->sig_closeBtn_clicked();
        QTRY_VERIFY(byButton.isNull() && byTitle.isNull());
        QVERIFY(commands().isEmpty());
        QCOMPARE(whiteBoard.count(), 0);

        QPointer<CloseMediaWidgetTip> twice = shownTip(1);
        twice->slot_closeMediaWidget();
        if (twice)
            twice->slot_closeMediaWidget();
        QCOMPARE(commands(), F::texts({ "dismissMeeting", "closeVoiceMeeting" }));
        QTRY_VERIFY(twice.isNull());
    }
};

QTEST_MAIN(tst_CloseMediaWidgetTip)
#include "tst_CloseMediaWidgetTip.moc"
