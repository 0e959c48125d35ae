// Sharing the screen and inviting from the conference window: the share-source
// chooser (collection, exclusion, order of arrival, start per type), the share
// bar (its two modes, the More menu, ending the share), and the invitation and
// sharing windows the conference window opens, places and lets go.
#include "ConferenceTestSupport.h"

#include "business/UI_ControlView.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/PPC_ShareScreen.h"
#include "conference/PPC_ShareScreenChild.h"
#include "conference/ShareScreenControl.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "members/ConfRightWgt.h"
#include "panels/CallPhoneDlg.h"
#include "panels/ComConfirmDlg.h"
#include "panels/ConfShareWidget.h"
#include "panels/InviteChoiceWgt.h"
#include "panels/PPC_QuickInvite.h"
#include "panels/ShareConfInfoWgt.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

using namespace ConferenceTest;
using namespace TestWindows;

namespace {

constexpr auto voip = &BusinessFixture::voip;

Agent_ECShareDeviceInfo window(qint64 id, const char* title)
{
    Agent_ECShareDeviceInfo device;
    device.windowId = id;
    device.setTitle(QString::fromUtf8(title));
    return device;
}

QStringList cardNames(const PPC_ShareScreen& chooser)
{
    QStringList names;
    for (const PPC_ShareScreenChild* card : chooser.cards())
        names << QStringLiteral("%1:%2").arg(card->type()).arg(card->name());
    return names;
}

} // namespace

class tst_ShareScreen : public ConferenceSuite
{
    Q_OBJECT

    // A chooser that has the screens 0 and 7 and the windows, its cards built.
    static QPointer<PPC_ShareScreen> chooserWithSources()
    {
        QPointer<PPC_ShareScreen> chooser = new PPC_ShareScreen;
        chooser->show();
        emit voip()->sig_onGetShareScreenInfoList({ 0, 7 });
        emit voip()->sig_onGetShareDeviceInfoList({ window(11, "Foxmail"), window(12, "meeting"),
            window(13, "Quarterly report - Editor"), window(14, "Project plan - Browser") });
        return chooser;
    }
    static void confirm(PPC_ShareScreen* chooser) { QVERIFY(click(chooser, "YesBtn")); }
    // A chooser with those sources, the card clicked and confirmed.
    static QPointer<PPC_ShareScreen> confirmCard(int card)
    {
        QPointer<PPC_ShareScreen> chooser = chooserWithSources();
        chooser->cards().at(card)->click();
        confirm(chooser);
        return chooser;
    }
    // Gone once the pending deletions ran (the windows delete themselves later).
    template<class T> static bool deletedLater(const QPointer<T>& window)
    {
        BusinessFixture::flushDeletes();
        return window.isNull();
    }

private slots:
    void screensThenOneWindowThenTheWhiteboard()
    {
        // The window list builds the cards: screens that come after it are left out.
        QPointer<PPC_ShareScreen> chooser = new PPC_ShareScreen;
        emit voip()->sig_onGetShareDeviceInfoList({ window(21, "Editor") });
        emit voip()->sig_onGetShareScreenInfoList({ 0 });
        QCOMPARE(cardNames(*chooser), texts({ "1:Editor" }));
        chooser->close();
        QVERIFY(deletedLater(chooser));

        BusinessFixture::business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        chooser = new PPC_ShareScreen;
        chooser->show();
        QVERIFY(chooser->isModal());
        emit voip()->sig_onGetShareScreenInfoList({ 0, 7 });
        QVERIFY(chooser->cards().isEmpty());
        emit voip()->sig_onGetShareDeviceInfoList({ window(11, "Foxmail"), window(12, "meeting"),
            window(13, "Quarterly report - Editor"), window(14, "Project plan - Browser") });
        QCOMPARE(
            cardNames(*chooser), texts({ "0:desktop0", "0:desktop1", "2:Whiteboard", "1:Quarterly report - Editor" }));
        const QList<PPC_ShareScreenChild*> cards = chooser->cards();
        QCOMPARE(cards.at(3)->id(), 13);
        // No grabs offscreen: the window has the share sign, the whiteboard its picture.
        QVERIFY(!child<QLabel>(cards.at(3), "label_pic")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!child<QLabel>(cards.at(2), "label_pic")->pixmap(Qt::ReturnByValue).isNull());
        auto* list = child<QListWidget>(chooser, "listWidget");

        // Exactly the clicked card is lit; a list item selects as well.
        cards.at(0)->click();
        cards.at(3)->click();
        QCOMPARE(chooser->selectedId(), 13);
        QVERIFY(!cards.at(0)->isHighlighted() && cards.at(3)->isHighlighted());
        QMetaObject::invokeMethod(chooser, "slot_itemClicked", Q_ARG(QListWidgetItem*, list->item(1)));
        QCOMPARE(chooser->selectedId(), 7);
        QCOMPARE(chooser->selectedType(), 0);

        QSignalSpy closed(chooser.data(), &PPC_ShareScreen::sig_onClose);
        QVERIFY(click(chooser, "NoBtn"));
        QCOMPARE(closed.count(), 1);
        QVERIFY(deletedLater(chooser));
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void eachTypeStartsItsWay()
    {
        QPointer<PPC_ShareScreen> chooser = confirmCard(1);
        QCOMPARE(BusinessFixture::journalCalls(), texts({ "SelectShareDevice(0,7,10,0)", "beginDesktopShare" }));
        QVERIFY(deletedLater(chooser));

        BusinessFixture::journal()->clear();
        chooser = confirmCard(2); // the window: no whiteboard card without the right
        QCOMPARE(BusinessFixture::journalCalls(),
            texts({ "SelectShareDevice(1,13,10,0)", "SetShareScaleMode(1,1080,720)", "beginDesktopShare" }));
        QVERIFY(deletedLater(chooser));

        // Nothing clicked (a hovered card is no choice): the tip, nothing starts, the chooser closes.
        BusinessFixture::journal()->clear();
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        chooser = chooserWithSources();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(chooser->cards().first(), &enter);
        confirm(chooser);
        QCOMPARE(tipsOf(tips), texts({ "Please select the window to be shared @4" }));
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
        QVERIFY(deletedLater(chooser));
    }

    void theWhiteboardStartsAtOnceOrAfterLeavingTheRoom()
    {
        BusinessFixture::business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
        conf()->setRoster(roster(2));
        QPointer<PPC_ShareScreen> chooser = chooserWithSources();
        QSignalSpy boards(chooser.data(), &PPC_ShareScreen::sig_startWhiteBoard);
        chooser->cards().at(2)->click();
        confirm(chooser);
        QCOMPARE(signalArgs(boards, 1), texts({ "8" }));
        QCOMPARE(boards.at(0).at(0).toStringList(), texts({ "m1", "m2" }));
        QVERIFY(deletedLater(chooser));

        // In a whiteboard room: asked first; yes leaves the room and starts 1000 ms later.
        BusinessFixture::business()->getWhiteBoardView()->state().inMeeting = true;
        chooser = confirmCard(2);
        QSignalSpy later(chooser.data(), &PPC_ShareScreen::sig_startWhiteBoard);
        KpMsgBox* question = chooser->whiteboardQuestion();
        QVERIFY(question && question->isVisible() && !chooser->isVisible());
        QCOMPARE(question->messageType(), int(MULTIMEDIA_WHITEBOARD));
        question->slot_onOk();
        QVERIFY(BusinessFixture::journalCommands().contains(QStringLiteral("wb_leaveRoom")));
        QCOMPARE(later.count(), 0);
        QCOMPARE(chooser->whiteboardRestart()->interval(), 1000);
        BusinessFixture::fire(chooser->whiteboardRestart());
        QCOMPARE(later.count(), 1);
        QVERIFY(deletedLater(chooser));

        // The conference's own whiteboard is open already: the tip, nothing left or started.
        BusinessFixture::journal()->clear();
        conf()->state().confInfo.whiteboardInfo = QStringLiteral("{\"roomId\":\"r1\"}");
        BusinessFixture::business()->getWhiteBoardView()->state().inMeeting = true; // left above
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        chooser = confirmCard(2);
        chooser->whiteboardQuestion()->slot_onOk();
        QCOMPARE(tipsOf(tips), texts({ "The white board in the meeting has been opened @4" }));
        QVERIFY(!BusinessFixture::journalCommands().contains(QStringLiteral("wb_leaveRoom")));
        QVERIFY(deletedLater(chooser));

        // Saying no closes the chooser too.
        chooser = confirmCard(2);
        chooser->whiteboardQuestion()->slot_onCancel();
        QVERIFY(deletedLater(chooser));
    }

    void theBarInBothModes()
    {
        QPointer<ShareScreenControl> bar = new ShareScreenControl;
        QVERIFY(bar->isHidden());
        bar->setConfId(QStringLiteral("318204001"));
        QCOMPARE(child<QLabel>(bar, "label_confId")->text(), QStringLiteral("Conference Id 318204001"));
        conf()->m_screenShareMode = 1;
        bar->updateShareMode();
        bar->show();
        QCOMPARE(bar->width(), 330);
        QVERIFY(child(bar, "label_confId")->isVisible() && child(bar, "label_time")->isHidden());
        QVERIFY(child(bar, "ptn_conf_imm")->isHidden());
        QCOMPARE(child<QPushButton>(bar, "btn_stop")->text(), QStringLiteral("End sharing"));

        conf()->m_screenShareMode = 2;
        bar->updateShareMode();
        QCOMPARE(bar->width(), 460);
        QVERIFY(child(bar, "label_confId")->isHidden() && child(bar, "label_time")->isVisible());
        QVERIFY(child(bar, "ptn_conf_imm")->isVisible());
        QCOMPARE(child<QPushButton>(bar, "btn_stop")->text(), QStringLiteral("End projection"));
        QCOMPARE(bar->projectionTimer()->interval(), 1000);
        BusinessFixture::fire(bar->projectionTimer());
        BusinessFixture::fire(bar->projectionTimer());
        QCOMPARE(child<QLabel>(bar, "label_time")->text(), QStringLiteral("00:00:02"));
        bar->updateShareMode(); // every projection counts from zero
        QCOMPARE(child<QLabel>(bar, "label_time")->text(), QStringLiteral("00:00:00"));

        QVERIFY(click(bar, "toolButton_more"));
        QStringList entries;
        for (QAction* action : bar->moreMenu()->actions())
            entries << action->text();
        QCOMPARE(entries, texts({ "Invite", "Setting", "Conference Lock : Open", "Sharing Lock : Open" }));
        QCOMPARE(bar->moreMenu()->pos().y(), 40);
        bar->moreMenu()->actions().first()->trigger(); // only logged
        bar->moreMenu()->hide();
        QVERIFY(BusinessFixture::journalCommands().isEmpty());

        // "Meeting immediately": the projection becomes the conference.
        QSignalSpy join(bar.data(), &ShareScreenControl::sig_joinConf);
        QVERIFY(click(bar, "ptn_conf_imm"));
        QCOMPARE(BusinessFixture::journalCalls(),
            texts({ "setRemoteMute(false)", "stopDesktopShare", "stopScreenMirroring(false)" }));
        QCOMPARE(conf()->m_screenShareMode, 1);
        QCOMPARE(join.count(), 1);
        QVERIFY(deletedLater(bar));

        BusinessFixture::journal()->clear();
        bar = new ShareScreenControl;
        bar->show();
        QSignalSpy leave(bar.data(), &ShareScreenControl::sig_leaveConf);
        QVERIFY(click(bar, "btn_stop"));
        QCOMPARE(BusinessFixture::journalCalls(), texts({ "setRemoteMute(false)", "stopDesktopShare" }));
        QCOMPARE(leave.count(), 1);
        QVERIFY(deletedLater(bar));
    }

    void theConferenceWindowSharesAndEndsTheShareWithIt()
    {
        auto w = enter(roster(2));
        QVERIFY(click(w->toolBar(), "btn_share_screen"));
        QPointer<PPC_ShareScreen> chooser = w->shareChooser();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->size(), QSize(696, 497));
        QCOMPARE(commands(), QStringList { QStringLiteral("selectShareWindow") });
        emit voip()->sig_onGetShareScreenInfoList({ 0 });
        emit voip()->sig_onGetShareDeviceInfoList({ window(13, "Editor") });
        // A share that ends elsewhere while the chooser is open leaves it as it is.
        emit conf()->sig_onStopShareDesktop(true, QString());
        emit conf()->sig_onStopShareDesktopNotify(QStringLiteral("m1"));
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->cards().size(), 2);
        chooser->cards().first()->click();
        confirm(chooser);
        QVERIFY(deletedLater(chooser) && !w->shareChooser());

        conf()->state().shareAccount = QStringLiteral("me");
        conf()->state().shareDeviceType = CONFMEMBER_DEVICE_PC;
        emit conf()->sig_onBeginShareDesktop(true, QString());
        ShareScreenControl* bar = w->shareControl();
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->y(), 0);
        QCOMPARE(bar->x(), (QGuiApplication::primaryScreen()->availableGeometry().width() - 330) / 2);
        QCOMPARE(child<QLabel>(bar, "label_confId")->text(), QStringLiteral("Conference Id 9001"));

        // The moderator takes the screen: the user's share ends through its bar.
        BusinessFixture::journal()->clear();
        emit conf()->sig_onNotifyCancelDesktopShare(true);
        QCOMPARE(commands(), texts({ "setRemoteMute", "stopDesktopShare" }));
        QCOMPARE(tipText(),
            QStringLiteral("The moderator is about to start sharing, and you have been stopped sharing already"));
        QVERIFY(!w->shareControl());
        closeTip();

        // Leaving with a share running ends the share first, once.
        emit conf()->sig_onBeginShareDesktop(true, QString());
        BusinessFixture::journal()->clear();
        invoke(*w, "slot_onAccept", 4);
        QCOMPARE(commands(), texts({ "setRemoteMute", "stopDesktopShare", "leaveConference" }));
        QVERIFY(!w->shareControl());
    }

    void aMirroringConferenceLeavesOrJoinsFromItsBar()
    {
        auto w = enter(roster(2));
        w->hide();
        conf()->m_screenShareMode = 2;
        emit conf()->sig_onBeginShareDesktop(true, QString());
        QVERIFY(click(w->shareControl(), "ptn_conf_imm"));
        QVERIFY(w->isVisible());
        BusinessFixture::flushDeletes();

        conf()->m_screenShareMode = 2;
        emit conf()->sig_onBeginShareDesktop(true, QString());
        BusinessFixture::journal()->clear();
        QVERIFY(click(w->shareControl(), "btn_stop"));
        QCOMPARE(BusinessFixture::journalCalls(),
            texts({ "setRemoteMute(false)", "stopDesktopShare", "stopScreenMirroring(true)", "leaveConference()" }));
        QCOMPARE(conf()->m_screenShareMode, 1);
        BusinessFixture::flushDeletes();
    }

    void invitationsFromTheSidePanel()
    {
        auto w = enter(roster(2));
        conf()->state().appSetting.allowCallPhone = true;
        const QRect button(900, 700, 80, 30);
        emit w->rightPanel()->sig_invite_clicked(button);
        InviteChoiceWgt* choice = w->inviteChoice();
        QCOMPARE(choice->pos(), QPoint(980 - 188, 700 - 124));
        QVERIFY(click(choice, "btn_invite_phone"));
        CallPhoneDlg* dialog = w->callPhoneDialog();
        QVERIFY(dialog->isModal());
        QCOMPARE(child<QLabel>(dialog, "label_title")->text(), QStringLiteral("Invite phone to join"));
        QCOMPARE(child<QPushButton>(dialog, "btn_cancel")->text(), QStringLiteral("cancel"));
        QTest::keyClicks(child<QLineEdit>(dialog, "lineEdit"), QStringLiteral("13900000037"));
        QVERIFY(click(dialog, "btn_ok"));

        // The same choice and dialog serve the next invitation, the number cleared.
        emit w->rightPanel()->sig_invite_clicked(button);
        QCOMPARE(w->inviteChoice(), choice);
        QSignalSpy picker(conf(), &UnifiedConferenceView::sig_onlySelectConfMembers);
        QVERIFY(click(choice, "btn_choice_members"));
        QCOMPARE(signalArgs(picker, 1), texts({ "2" }));
        emit w->rightPanel()->sig_invite_clicked(button);
        QVERIFY(click(choice, "btn_invite_phone"));
        QVERIFY(child<QLineEdit>(w->callPhoneDialog(), "lineEdit")->text().isEmpty());
        QVERIFY(click(w->callPhoneDialog(), "btn_cancel"));

        // The invite menu's telephone entry opens the dial pad.
        QMenu* menu = w->findChild<QMenu*>(QStringLiteral("inviteMenu"));
        menu->actions().at(1)->trigger();
        QVERIFY(w->quickInvite()->isVisible());
        w->quickInvite()->close();
    }

    void detailsCardShareWindowAndTheKickOutNotice()
    {
        auto w = enter(roster(2));
        emit w->titleBar()->sig_showDetailInfo(QRect(700, 40, 100, 30));
        ShareConfInfoWgt* card = w->detailCard();
        QCOMPARE(card->pos(), QPoint(700 + (100 - 360) / 2 - 530, 70));
        QCOMPARE(child<QLabel>(card, "label_ID")->text(), QStringLiteral("900 1"));
        card->hide();

        emit conf()->sig_showConfShareWidget();
        QPointer<ConfShareWidget> share = w->confShareWidget();
        QCOMPARE(share->pos(),
            QPoint((KP_UI_UTIL::getDeskTopWidth() - 778) / 2, (KP_UI_UTIL::getDeskTopHeight() - 484) / 2));
        emit conf()->sig_showConfShareWidget(); // a fresh one replaces it
        QVERIFY(deletedLater(share) && w->confShareWidget());
        w->confShareWidget()->close();

        QSignalSpy closeWindow(conf(), &UnifiedConferenceView::sig_closeConferenceMainWidget);
        emit conf()->sig_multiEndKickOut();
        emit conf()->sig_multiEndKickOut(); // one notice at a time
        QList<ComConfirmDlg*> notices = w->findChildren<ComConfirmDlg*>();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(child<QLabel>(notices.first(), "label_title")->text(), QStringLiteral("Move out of meeting"));
        QCOMPARE(closeWindow.count(), 0); // the user reads it first
        QVERIFY(click(notices.first(), "btn_confirm"));
        QCOMPARE(closeWindow.count(), 1);
        BusinessFixture::flushDeletes();
    }

    void twoConferencesInARowLeaveNoWindowBehind()
    {
        for (int round = 0; round < 2; ++round) {
            auto w = enter(roster(2));
            QVERIFY(click(w->toolBar(), "btn_share_screen"));
            emit conf()->sig_onBeginShareDesktop(true, QString());
            emit conf()->sig_multiEndKickOut();
            emit conf()->sig_showConfShareWidget();
            w->quickInvite()->show();
            QVERIFY(w->shareControl() && w->shareChooser());
            w.reset();
            BusinessFixture::flushDeletes();
            QVERIFY(TestWindows::leftoverWindows().isEmpty());
        }
    }
};

QTEST_MAIN(tst_ShareScreen)
#include "tst_ShareScreen.moc"
