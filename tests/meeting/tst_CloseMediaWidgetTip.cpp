#include "BusinessFixture.h"
#include "CloseMediaWidgetTip.h"
#include "KPTitleBar.h"
#include "KpPublicBtn.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {
template<typename T> T* child(QWidget* root, const char* name)
{
    T* w = root->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QStringList commands()
{
    return BusinessFixture::journalCommands();
}
} // namespace

class tst_CloseMediaWidgetTip : public QObject
{
    Q_OBJECT

private slots:
    void init() { BusinessFixture::reset(); }

    void confirmingPerformsTheTypesActionsThenGoes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<bool>("whiteBoardClosed");
        QTest::newRow("0 leave voice") << 0 << QStringLiteral("Exit the current audio session?")
                                       << BusinessFixture::texts({ "exitMeeting", "closeVoiceMeeting" }) << false;
        QTest::newRow("1 dismiss voice") << 1 << QStringLiteral("Dismiss current audio sessions?")
                                         << BusinessFixture::texts({ "dismissMeeting", "closeVoiceMeeting" }) << false;
        QTest::newRow("2 leave video") << 2 << QStringLiteral("Exit the current video meeting?")
                                       << BusinessFixture::texts({ "exitMeeting", "closeVideoMeeting" }) << false;
        QTest::newRow("3 dismiss video") << 3 << QStringLiteral("Dismiss current video meeting?")
                                         << BusinessFixture::texts({ "dismissMeeting", "closeVideoMeeting" }) << false;
        QTest::newRow("4 voice call") << 4 << QStringLiteral("Exit point-to-point speech?") << QStringList() << false;
        QTest::newRow("5 video call") << 5 << QStringLiteral("Exit point to point video?")
                                      << BusinessFixture::texts({ "closeVideoCallWnd" }) << true;
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
        QPointer<CloseMediaWidgetTip> tip = new CloseMediaWidgetTip(nullptr);
        tip->setType(type);
        QCOMPARE(tip->type(), type);
        QCOMPARE(child<QLabel>(tip, "label_tip")->text(), question);
        tip->show();
        QVERIFY(commands().isEmpty());

        QTest::mouseClick(child<QPushButton>(tip, "pushButton_ok"), Qt::LeftButton);
        QCOMPARE(commands(), operations);
        QCOMPARE(whiteBoard.count(), whiteBoardClosed ? 1 : 0);
        for (const JournalEntry& e : BusinessFixture::journal()->entries()) {
            const QString view = e.operation == QLatin1String("closeVideoCallWnd") ? QStringLiteral("VoipView")
                                                                                   : QStringLiteral("MeetingView");
            QCOMPARE(e.view, view);
        }
        QTRY_VERIFY(tip.isNull());
    }

    void cancellingEndsNothing()
    {
        QSignalSpy whiteBoard(
            BusinessFixture::business()->getWhiteBoardView(), &WhiteBoardView::sig_closeWhiteBoardMainWidget);
        QPointer<CloseMediaWidgetTip> byButton = new CloseMediaWidgetTip(nullptr);
        byButton->setType(5);
        byButton->show();
        QTest::mouseClick(child<QPushButton>(byButton, "pushButton_cancel"), Qt::LeftButton);
        QTRY_VERIFY(byButton.isNull());

        QPointer<CloseMediaWidgetTip> byTitle = new CloseMediaWidgetTip(nullptr);
        byTitle->setType(3);
        byTitle->show();
        emit child<KPTitleBar>(byTitle, "widget_title")->sig_closeBtn_clicked();
        QTRY_VERIFY(byTitle.isNull());

        QVERIFY(commands().isEmpty());
        QCOMPARE(whiteBoard.count(), 0);
    }

    void aSecondConfirmationEndsNothingTwice()
    {
        auto* tip = new CloseMediaWidgetTip(nullptr);
        QPointer<CloseMediaWidgetTip> guard(tip);
        tip->setType(1);
        tip->show();
        tip->slot_closeMediaWidget();
        if (guard)
            guard->slot_closeMediaWidget();
        QCOMPARE(commands(), BusinessFixture::texts({ "dismissMeeting", "closeVoiceMeeting" }));
        QTRY_VERIFY(guard.isNull());
    }

    void tipHasItsTitleAndButtons()
    {
        CloseMediaWidgetTip tip(nullptr);
        tip.setAttribute(Qt::WA_DeleteOnClose, false); // on the stack here
        QVERIFY(tip.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(tip.isWindow());
        auto* title = child<KPTitleBar>(&tip, "widget_title");
        QCOMPARE(title->title(), QStringLiteral("Prompt"));
        QCOMPARE(title->showType(), Title_CloseOnly);
        QCOMPARE(child<KpPublicBtn>(&tip, "pushButton_ok")->btnStyle(), BtnStyle_Primary);
        QCOMPARE(child<KpPublicBtn>(&tip, "pushButton_cancel")->btnStyle(), BtnStyle_Secondary);
        QCOMPARE(child<KpPublicBtn>(&tip, "pushButton_cancel")->text(), QStringLiteral("Cancel"));
        // Another type replaces the question; an unknown one empties it.
        tip.setType(0);
        tip.setType(7);
        QVERIFY(child<QLabel>(&tip, "label_tip")->text().isEmpty());
    }
};

QTEST_MAIN(tst_CloseMediaWidgetTip)
#include "tst_CloseMediaWidgetTip.moc"
