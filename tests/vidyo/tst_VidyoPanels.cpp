#include "vidyo/AttendeesOneWidget.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"
#include "vidyo/VidyoBottomOneWidget.h"
#include "vidyo/VidyoTestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace VidyoTest;
using TestWindows::child;

// The attendee list, its rows, the password keypad and the bottom toggle on their own.
class tst_VidyoPanels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetRoom();
        m_list = std::make_unique<AttendeesWidget>();
        m_list->setAttendeesWidget(0);
        m_list->resize(270, 500);
        m_list->show();
    }
    void cleanup()
    {
        m_list.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void listFollowsTheRoom();
    void muteAllSilencesEverybodyButTheUserOncePerSecond();
    void onePersonIsMutedByItsButtonOrTheServer();
    void contextMenuOffersRemovalToWhoeverRunsTheMeeting();
    void keypadDialsEveryKeyAndHashEndsThePassword();
    void bottomTogglePressOnlyAsks();

private:
    AttendeesOneWidget* row(const QString& account) const
    {
        for (AttendeesOneWidget* r : m_list->shownRows()) {
            if (r->account() == account)
                return r;
        }
        return nullptr;
    }
    QString countText() const { return child<QLabel>(m_list.get(), "personCountLabel")->text(); }
    QPushButton* muteAll() const { return child<QPushButton>(m_list.get(), "muteAllBtn"); }
    static bool showsMuted(AttendeesOneWidget* r)
    {
        return child<QPushButton>(r, "operateBtn")->styleSheet().contains(QLatin1String("Mutex_Disable_Normal.png"));
    }

    std::unique_ptr<AttendeesWidget> m_list;
};

void tst_VidyoPanels::listFollowsTheRoom()
{
    QCOMPARE(countText(), QStringLiteral("Members:(0/20)"));
    emit vidyo()->signal_RoomPersonCountChanged();
    QCOMPARE(m_list->shownRows().size(), 3);
    QCOMPARE(countText(), QStringLiteral("Members:3/20"));
    QCOMPARE(child<QLabel>(row(QStringLiteral("bob")), "nameLabel")->text(), QStringLiteral("Bob"));

    AttendeesOneWidget* reused = row(QStringLiteral("eve"));
    vidyo()->state().invitedPersons.remove(QStringLiteral("bob"));
    emit vidyo()->signal_RoomPersonCountChanged();
    QCOMPARE(m_list->shownRows().size(), 2);
    QVERIFY(!row(QStringLiteral("bob")));
    QCOMPARE(countText(), QStringLiteral("Members:2/20"));

    // Unknown to the directory, or no person at all: a row for the first, nothing for the second.
    auto& room = vidyo()->state().invitedPersons;
    for (int i = 0; i < 24; ++i)
        room.insert(QStringLiteral("guest%1").arg(i, 2, 10, QLatin1Char('0')),
            BusinessFixture::makePerson(QStringLiteral("guest%1").arg(i, 2, 10, QLatin1Char('0'))));
    room.insert(QStringLiteral("ghost"), {});
    emit vidyo()->signal_RoomPersonCountChanged();
    QCOMPARE(countText(), QStringLiteral("Members:26/20"));
    QVERIFY(!row(QStringLiteral("ghost")));
    QVERIFY(m_list->shownRows().contains(reused)); // rows are reused, not remade

    QVERIFY(TestWindows::click(m_list.get(), "inviteBtn"));
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("showInvitePersonWidget")), 1);
    m_list->setAttendeesWidget(1);
    QVERIFY(!child(m_list.get(), "inviteWidget")->isVisible());
    QVERIFY(muteAll()->isVisible());
    m_list->hideAllRows();
    QVERIFY(m_list->shownRows().isEmpty());
}

void tst_VidyoPanels::muteAllSilencesEverybodyButTheUserOncePerSecond()
{
    emit vidyo()->signal_RoomPersonCountChanged();
    QCOMPARE(muteAll()->text(), QStringLiteral("un-mute"));
    muteAll()->click();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("muteAll")), 1);
    QCOMPARE(muteAll()->text(), QStringLiteral("un-mute"));
    QVERIFY(showsMuted(row(QStringLiteral("bob"))) && showsMuted(row(QStringLiteral("eve"))));
    QVERIFY(!row(QStringLiteral("me"))->isMuted());

    QVERIFY(!muteAll()->isEnabled());
    muteAll()->click(); // within the second: nothing
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("unmuteAll")), 0);
    QCOMPARE(m_list->muteAllTimer()->interval(), 1000);
    BusinessFixture::fire(m_list->muteAllTimer());
    QVERIFY(muteAll()->isEnabled());

    muteAll()->click();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("unmuteAll")), 1);
    QCOMPARE(muteAll()->text(), QStringLiteral("Speaking banned"));
    QVERIFY(!row(QStringLiteral("bob"))->isMuted() && !showsMuted(row(QStringLiteral("eve"))));
}

void tst_VidyoPanels::onePersonIsMutedByItsButtonOrTheServer()
{
    emit vidyo()->signal_RoomPersonCountChanged();
    AttendeesOneWidget* bob = row(QStringLiteral("bob"));
    QVERIFY(!child(row(QStringLiteral("me")), "operateBtn")->isVisible());
    QVERIFY(TestWindows::click(bob, "operateBtn"));
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("muteOnePersonOnMuteOrOff")), QStringLiteral("bob"));
    QVERIFY(bob->isMuted() && showsMuted(bob));
    QCOMPARE(child<QLabel>(bob, "stateLabel")->text(), QStringLiteral("Muted"));

    // Somebody nobody knows, or an account in another case, changes nobody.
    emit vidyo()->signal_setMemberSilenced(QStringLiteral("mallory"), false);
    emit vidyo()->signal_setMemberSilenced(QStringLiteral("BOB"), false);
    QVERIFY(bob->isMuted());
    // The state stays with the person when the rows shift.
    vidyo()->state().invitedPersons.insert(QStringLiteral("abe"), BusinessFixture::makePerson(QStringLiteral("abe")));
    emit vidyo()->signal_RoomPersonCountChanged();
    QVERIFY(row(QStringLiteral("bob"))->isMuted());
    QVERIFY(!row(QStringLiteral("abe"))->isMuted());
    emit vidyo()->signal_setMemberSilenced(QStringLiteral("bob"), false);
    QVERIFY(!row(QStringLiteral("bob"))->isMuted() && !showsMuted(row(QStringLiteral("bob"))));
}

void tst_VidyoPanels::contextMenuOffersRemovalToWhoeverRunsTheMeeting()
{
    emit vidyo()->signal_RoomPersonCountChanged();
    QContextMenuEvent onSelf(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QCoreApplication::sendEvent(row(QStringLiteral("me")), &onSelf);
    QVERIFY(!row(QStringLiteral("me"))->contextMenu());

    AttendeesOneWidget* bob = row(QStringLiteral("bob"));
    QContextMenuEvent onBob(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QCoreApplication::sendEvent(bob, &onBob);
    QMenu* menu = bob->contextMenu();
    QVERIFY(menu && menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Profile"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("Delete members"));
    QVERIFY(actions.at(1)->isVisible());
    QSignalSpy removal(vidyo(), &VidyoView::signal_RemovedOutPerson);
    actions.at(1)->trigger();
    QCOMPARE(removal.count(), 1);
    QCOMPARE(removal.at(0).at(0).value<QSharedPointer<AddressBookPerson>>()->account(), QStringLiteral("bob"));
    actions.at(0)->trigger();
    QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("showPersonInfo")), QStringLiteral("bob|2"));
    menu->hide();

    // A meeting joined by invitation: the profile only, and no mute buttons.
    m_list->setAttendeesWidget(1);
    emit vidyo()->signal_RoomPersonCountChanged();
    QCoreApplication::sendEvent(bob, &onBob);
    QVERIFY(!actions.at(1)->isVisible());
    QVERIFY(!child(bob, "operateBtn")->isVisible());
    menu->hide();
}

void tst_VidyoPanels::keypadDialsEveryKeyAndHashEndsThePassword()
{
    PasswordKeypad keypad;
    keypad.show();
    QCOMPARE(keypad.size(), QSize(310, 394));
    QCOMPARE(keypad.windowTitle(), QStringLiteral("Form"));
    QVERIFY(keypad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QSignalSpy accepted(&keypad, &PasswordKeypad::sig_ClosePasswordKeypadWnd);
    QSignalSpy closedByButton(&keypad, &PasswordKeypad::sig_BtnClosePasswordKeypadWnd);
    for (const char* key : { "oneBtn", "zeroBtn", "starBtn", "nineBtn" })
        QVERIFY(TestWindows::click(&keypad, key));
    QCOMPARE(vidyo()->state().dialedPassword, QStringLiteral("10*9"));
    emit vidyo()->signal_isDialPassword(true); // a key, not the end of the password
    QCOMPARE(accepted.count(), 0);
    QVERIFY(keypad.isVisible());

    QVERIFY(TestWindows::click(&keypad, "pouneBtn"));
    QCOMPARE(vidyo()->state().dialedPassword, QStringLiteral("10*9#"));
    QVERIFY(!keypad.isVisible());
    emit vidyo()->signal_isDialPassword(false);
    QCOMPARE(accepted.count(), 0);
    emit vidyo()->signal_isDialPassword(true);
    emit vidyo()->signal_isDialPassword(true);
    QCOMPARE(accepted.count(), 1);

    // Not from a key: nothing is dialled.
    keypad.slot_onBtnClicked();
    QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("dialPassword")), 5);
    keypad.show();
    QVERIFY(TestWindows::click(&keypad, "closeBtn"));
    QVERIFY(!keypad.isVisible());
    QCOMPARE(closedByButton.count(), 1);
}

void tst_VidyoPanels::bottomTogglePressOnlyAsks()
{
    VidyoBottomOneWidget toggle;
    toggle.setKind(0);
    QSignalSpy asked(&toggle, &VidyoBottomOneWidget::signal_setActivateState);
    QTest::mouseClick(&toggle, Qt::RightButton);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QCOMPARE(asked.count(), 2);
    QCOMPARE(asked.at(1).at(0).toBool(), false);
    QVERIFY(child<QLabel>(&toggle, "m_pIconLabel")->styleSheet().contains(QLatin1String("ShareScreen_Disable_Normal")));
    toggle.setActivateState(false);
    QCOMPARE(toggle.kind(), 4);
    QVERIFY(child<QLabel>(&toggle, "m_pIconLabel")
                ->styleSheet()
                .contains(QLatin1String("vidyoNew/ShareScreen_Normal.png)")));
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QCOMPARE(asked.last().at(0).toBool(), true);
    toggle.resetKind();
    QCOMPARE(toggle.kind(), 0);
    QVERIFY(toggle.isActivated());
    QVERIFY(child<QLabel>(&toggle, "m_pIconLabel")->styleSheet().contains(QLatin1String("ShareScreen_Disable_Normal")));
}

QTEST_MAIN(tst_VidyoPanels)
#include "tst_VidyoPanels.moc"
