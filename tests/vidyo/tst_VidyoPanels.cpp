#include "vidyo/AttendeesOneWidget.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"
#include "vidyo/VidyoTestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace VidyoTest;
using TestWindows::child;
using F = BusinessFixture;

// The attendee list with its rows, and the password keypad, on their own.
class tst_VidyoPanels : public QObject
{
    Q_OBJECT

    AttendeesOneWidget* row(const char* account) const
    {
        for (AttendeesOneWidget* r : m_list->shownRows())
            if (r->account() == QLatin1String(account))
                return r;
        return nullptr;
    }
    QString countText() const { return child<QLabel>(m_list.get(), "personCountLabel")->text(); }
    QPushButton* muteAll() const { return child<QPushButton>(m_list.get(), "muteAllBtn"); }
    static bool showsMuted(AttendeesOneWidget* r)
    {
        return child<QPushButton>(r, "operateBtn")->styleSheet().contains(QLatin1String("Mutex_Disable_Normal.png"));
    }
    static void roomChanged() { emit vidyo()->signal_RoomPersonCountChanged(); }

    std::unique_ptr<AttendeesWidget> m_list;

private slots:
    void init()
    {
        resetRoom();
        m_list = std::make_unique<AttendeesWidget>();
        m_list->setAttendeesWidget(0);
        m_list->show();
    }
    void cleanup()
    {
        m_list.reset();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void listFollowsTheRoom()
    {
        QCOMPARE(countText(), QStringLiteral("Members:(0/20)"));
        roomChanged();
        AttendeesOneWidget* eve = row("eve");

        // Strangers get a row, an entry without a person none; the count is not capped.
        auto& room = vidyo()->state().invitedPersons;
        for (int i = 10; i < 34; ++i)
            room.insert(QStringLiteral("guest%1").arg(i), F::makePerson(QStringLiteral("guest%1").arg(i)));
        room.insert(QStringLiteral("ghost"), {});
        roomChanged();
        QCOMPARE(countText(), QStringLiteral("Members:27/20"));
        QVERIFY(!row("ghost"));
        QVERIFY(m_list->shownRows().contains(eve)); // rows are reused, not remade

        QVERIFY(TestWindows::click(m_list.get(), "inviteBtn"));
        QCOMPARE(F::journal()->count(QStringLiteral("showInvitePersonWidget")), 1);
        m_list->setAttendeesWidget(1);
        QVERIFY(!child(m_list.get(), "inviteWidget")->isVisible() && muteAll()->isVisible());
    }

    void muteAllSilencesEverybodyButTheUserOncePerSecond()
    {
        roomChanged();
        QCOMPARE(muteAll()->text(), QStringLiteral("un-mute"));
        muteAll()->click();
        QCOMPARE(F::journal()->count(QStringLiteral("muteAll")), 1);
        QVERIFY(showsMuted(row("bob")) && showsMuted(row("eve")) && !row("me")->isMuted());
        muteAll()->click(); // within the second: nothing
        QCOMPARE(F::journal()->count(QStringLiteral("unmuteAll")), 0);
        QCOMPARE(m_list->muteAllTimer()->interval(), 1000);
        F::fire(m_list->muteAllTimer());
        muteAll()->click();
        QCOMPARE(F::journal()->count(QStringLiteral("unmuteAll")), 1);
        QCOMPARE(muteAll()->text(), QStringLiteral("Speaking banned"));
        QVERIFY(!showsMuted(row("bob")) && !row("eve")->isMuted());
    }

    void onePersonIsMutedByItsButtonOrTheServerAndRemovedByTheMenu()
    {
        roomChanged();
        QVERIFY(!child(row("me"), "operateBtn")->isVisible());
        QVERIFY(TestWindows::click(row("bob"), "operateBtn"));
        QCOMPARE(F::lastArgs(QStringLiteral("muteOnePersonOnMuteOrOff")), QStringLiteral("bob"));
        QVERIFY(showsMuted(row("bob")));
        QCOMPARE(child<QLabel>(row("bob"), "stateLabel")->text(), QStringLiteral("Muted"));
        // Somebody nobody knows, or an account in another case, changes nobody.
        emit vidyo()->signal_setMemberSilenced(QStringLiteral("mallory"), false);
        emit vidyo()->signal_setMemberSilenced(QStringLiteral("BOB"), false);
        // The state stays with the person when the rows shift.
        vidyo()->state().invitedPersons.insert(QStringLiteral("abe"), F::makePerson(QStringLiteral("abe")));
        roomChanged();
        QVERIFY(row("bob")->isMuted() && !row("abe")->isMuted());
        emit vidyo()->signal_setMemberSilenced(QStringLiteral("bob"), false);
        QVERIFY(!showsMuted(row("bob")));

        // Removal is offered to whoever runs the meeting, on anybody's row but the user's.
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QCoreApplication::sendEvent(row("me"), &event);
        QVERIFY(!row("me")->contextMenu());

        AttendeesOneWidget* bob = row("bob");
        QCoreApplication::sendEvent(bob, &event);
        const QList<QAction*> actions = bob->contextMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Profile"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("Delete members"));
        QSignalSpy removal(vidyo(), &VidyoView::signal_RemovedOutPerson);
        actions.at(1)->trigger();
        QCOMPARE(removal.at(0).at(0).value<QSharedPointer<AddressBookPerson>>()->account(), QStringLiteral("bob"));
        actions.at(0)->trigger();
        QCOMPARE(F::lastArgs(QStringLiteral("showPersonInfo")), QStringLiteral("bob|2"));

        // A meeting joined by invitation: the profile only, and no mute buttons.
        m_list->setAttendeesWidget(1);
        roomChanged();
        QCoreApplication::sendEvent(bob, &event);
        QVERIFY(!actions.at(1)->isVisible() && !child(bob, "operateBtn")->isVisible());
        bob->contextMenu()->hide();
    }

    void keypadDialsEveryKeyAndHashEndsThePassword()
    {
        PasswordKeypad keypad;
        keypad.show();
        QCOMPARE(keypad.size(), QSize(310, 394));
        QSignalSpy accepted(&keypad, &PasswordKeypad::sig_ClosePasswordKeypadWnd);
        QSignalSpy closedByButton(&keypad, &PasswordKeypad::sig_BtnClosePasswordKeypadWnd);
        for (const char* key : { "oneBtn", "zeroBtn", "starBtn", "nineBtn" })
            QVERIFY(TestWindows::click(&keypad, key));
        emit vidyo()->signal_isDialPassword(true); // a key, not the end of the password
        QVERIFY(keypad.isVisible() && accepted.isEmpty());
        QVERIFY(TestWindows::click(&keypad, "pouneBtn"));
        QCOMPARE(vidyo()->state().dialedPassword, QStringLiteral("10*9#"));
        QVERIFY(!keypad.isVisible());
        emit vidyo()->signal_isDialPassword(false);
        emit vidyo()->signal_isDialPassword(true);
        emit vidyo()->signal_isDialPassword(true);
        QCOMPARE(accepted.count(), 1);

        keypad.slot_onBtnClicked(); // not from a key: nothing is dialled
        QCOMPARE(F::journal()->count(QStringLiteral("dialPassword")), 5);
        keypad.show();
        QVERIFY(TestWindows::click(&keypad, "closeBtn"));
        QVERIFY(!keypad.isVisible());
        QCOMPARE(closedByButton.count(), 1);
    }
};

QTEST_MAIN(tst_VidyoPanels)
#include "tst_VidyoPanels.moc"
