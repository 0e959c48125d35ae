#include "customui/KPTitleBar.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace TestWindows;

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
    static QStringList commands() { return BusinessFixture::journalCommands(); }

private slots:
    void init() { BusinessFixture::reset(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void confirmingPerformsTheTypesActionsThenGoes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<bool>("whiteBoardClosed");
        const auto ops = [](std::initializer_list<const char*> names) { return BusinessFixture::texts(names); };
        QTest::newRow("0 leave voice") << 0 << QStringLiteral("Exit the current audio session?")
                                       << ops({ "exitMeeting", "closeVoiceMeeting" }) << false;
        QTest::newRow("1 dismiss voice") << 1 << QStringLiteral("Dismiss current audio sessions?")
                                         << ops({ "dismissMeeting", "closeVoiceMeeting" }) << false;
        QTest::newRow("2 leave video") << 2 << QStringLiteral("Exit the current video meeting?")
                                       << ops({ "exitMeeting", "closeVideoMeeting" }) << false;
        QTest::newRow("3 dismiss video") << 3 << QStringLiteral("Dismiss current video meeting?")
                                         << ops({ "dismissMeeting", "closeVideoMeeting" }) << false;
        QTest::newRow("4 voice call") << 4 << QStringLiteral("Exit point-to-point speech?") << QStringList() << false;
        QTest::newRow("5 video call") << 5 << QStringLiteral("Exit point to point video?")
                                      << ops({ "closeVideoCallWnd" }) << true;
        QTest::newRow("unknown") << 9 << QString() << QStringList() << false;
    }
    void confirmingPerformsTheTypesActionsThenGoes()
    {
        QFETCH(int, type);
        QFETCH(QString, question);
        QFETCH(QStringList, operations);
        QFETCH(bool, whiteBoardClosed);
        QSignalSpy whiteBoard(
            BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        QPointer<CloseMediaWidgetTip> tip = shownTip(0);
        tip->setType(type); // another type replaces the question
        QCOMPARE(child<QLabel>(tip, "label_tip")->text(), question);
        QVERIFY(commands().isEmpty());
        QVERIFY(click(tip, "pushButton_ok"));
        QCOMPARE(commands(), operations);
        QCOMPARE(whiteBoard.count(), whiteBoardClosed ? 1 : 0);
        QTRY_VERIFY(tip.isNull());
    }

    void cancellingEndsNothingAndASecondConfirmationNothingTwice()
    {
        QSignalSpy whiteBoard(
            BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
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
        QCOMPARE(commands(), BusinessFixture::texts({ "dismissMeeting", "closeVoiceMeeting" }));
        QTRY_VERIFY(twice.isNull());
    }
};

QTEST_MAIN(tst_CloseMediaWidgetTip)
#include "tst_CloseMediaWidgetTip.moc"
