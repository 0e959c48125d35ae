// The conference's activity log and information page, driven through the
// business view: the lines and their texts, and the agenda the host edits.
#include "business/UI_ControlView.h"
#include "customui/KpPublicBtn.h"
#include "panels/NewPPC_Info.h"
#include "panels/PPC_Chat.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QTextEdit>
#include <QtTest>

using namespace TestWindows;

class tst_ConferenceSidePages : public QObject
{
    Q_OBJECT

    static UnifiedConferenceView* conf() { return BusinessFixture::business()->getUnifiedConferenceView(); }
    static ConferenceBriefInfo brief(const QString& issues)
    {
        ConferenceBriefInfo info;
        info.confId = QStringLiteral("9001");
        info.subject = QStringLiteral("Quarterly review");
        info.issues = issues;
        return info;
    }
    static QTextEdit* editor(QWidget* page, int n)
    {
        return child<QTextEdit>(page, QStringLiteral("ConfTopicLet%1").arg(n).toLatin1().constData());
    }
    const QString threeIssues = QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Budget\"},"
                                               "{\"haveDone\":\"1\",\"topic\":\"Hiring\"},{\"topic\":\"Travel\"}]}");

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1");
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("ann"), QStringLiteral("Ann Lee")));
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void activityLogWritesALinePerEvent()
    {
        PPC_Chat chat;
        QCOMPARE(chat.size(), QSize(313, 408));
        const ConferenceMemberInfo bob = BusinessFixture::makeMember(
            QStringLiteral("bob"), CONFMEMBER_DEVICE_PC, true, QStringLiteral("Bob Stone"));
        emit conf()->sig_onJoinConferenceNotify(bob, QStringLiteral("9001"));
        emit conf()->sig_onInviteConfNotify(QStringLiteral("ann"), 107603);
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("ann"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onConfMsgKickMember(QStringLiteral("zed"), CONFMEMBER_DEVICE_MOBILE);
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("ann"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onStopShareDesktopNotify(QStringLiteral("ann"));
        // Only somebody else's hand going up, and only when it worked.
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("ann"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onHandUp(true, QString(), false, QStringLiteral("ann"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onHandUp(false, QStringLiteral("busy"), true, QStringLiteral("ann"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_onHandUp(true, QString(), true, QStringLiteral("me"), CONFMEMBER_DEVICE_PC);
        emit conf()->sig_updateMemberInfo(bob, CONF_MEMBER_ACTION_CAMERA_OFF);
        emit conf()->sig_updateMemberInfo(bob, CONF_MEMBER_ACTION_RENAME);
        chat.slot_updateMemberOperLog(QStringLiteral("Ann Lee was made host"));

        // The time stamp in front of each line is the log's rule; here, which events write which line.
        const QStringList lines = chat.lines();
        QStringList texts;
        for (int i = 0; i < lines.size() - 1; ++i)
            texts << lines.at(i).mid(8);
        QCOMPARE(texts.join(QLatin1Char('|')),
            QStringLiteral("Bob Stone join the conference|Ann Lee refused the invitation|Ann Lee quit the conference|"
                           "zed kicked out of the conference|Ann Lee begin share desktop|Ann Lee stop share desktop|"
                           "Ann Lee Hand Up|Bob Stone turned off camera|Bob Stone"));
        QCOMPARE(lines.last(), QStringLiteral("Ann Lee was made host"));
        // The send button sends nothing.
        BusinessFixture::journal()->clear();
        QVERIFY(click(&chat, "SendMsgBtn"));
        QVERIFY(BusinessFixture::journalCommands().isEmpty());
    }

    void agendaIsReadByAMemberAndEditedByTheHost()
    {
        NewPPC_Info info;
        QCOMPARE(info.size(), QSize(440, 582));
        emit conf()->sig_updateConferenceInfo(brief(threeIssues));
        QCOMPARE(child<QTextEdit>(&info, "ConfTopicTipLbl")->toPlainText(), QStringLiteral("Quarterly review"));
        QCOMPARE(info.issues().join(QLatin1Char('|')), QStringLiteral("Budget|Hiring|Travel"));
        QVERIFY(child(&info, "btnTopicOk")->isHidden());
        QVERIFY(editor(&info, 1)->isReadOnly());

        // The host of this conference, not of another, gets the edit button.
        QList<ConferenceMemberInfo> members { BusinessFixture::makeMember(QStringLiteral("me")) };
        members[0].isHost = true;
        emit conf()->sig_changedHost(members, QStringLiteral("777"));
        QVERIFY(child(&info, "btnTopicOk")->isHidden());
        emit conf()->sig_changedHost(members, QStringLiteral("9001"));
        QVERIFY(!child(&info, "btnTopicOk")->isHidden());

        auto* edit = child<KpPublicBtn>(&info, "btnTopicOk");
        edit->click(); // editing
        QCOMPARE(info.status(), 2);
        QCOMPARE(edit->text(), QStringLiteral("Ok"));
        QVERIFY(!editor(&info, 3)->isReadOnly());
        edit->click(); // nothing changed: nothing is sent
        QCOMPARE(info.status(), 1);
        QCOMPARE(edit->text(), QStringLiteral("Edit"));
        QVERIFY(editor(&info, 3)->isReadOnly());
        QVERIFY(BusinessFixture::journal()->entries(QStringLiteral("UpdateConferenceTopic")).isEmpty());

        edit->click();
        editor(&info, 1)->setPlainText(QStringLiteral("Budget 2025"));
        editor(&info, 2)->clear();
        editor(&info, 3)->setPlainText(QStringLiteral("Travel\nrules"));
        edit->click();
        QCOMPARE(BusinessFixture::journal()->last(QStringLiteral("UpdateConferenceTopic")).args,
            (QVariantList { QStringLiteral("9001"),
                QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Budget2025\"},"
                               "{\"haveDone\":\"0\",\"topic\":\"Travelrules\"}]}") }));
    }

    void aRefusedSaveShowsTheStoredAgendaAgain()
    {
        NewPPC_Info info;
        info.setHost(true);
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        info.slot_updateConferenceInfo(brief(threeIssues));
        info.updateButtonEnabled(false);
        editor(&info, 1)->setPlainText(QStringLiteral("Changed"));
        emit conf()->sig_updateConferenceInfo(brief(QString()), true);
        ConferenceBriefInfo other = brief(QString());
        other.confId = QStringLiteral("777");
        emit conf()->sig_updateConferenceInfo(other, false);
        QVERIFY(tips.isEmpty());
        emit conf()->sig_updateConferenceInfo(brief(QString()), false);
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("Failed to revise the issue"));
        QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
        QCOMPARE(info.issues().first(), QStringLiteral("Budget"));
    }

    void issuesHoldFortyCharactersAndBadAgendasLoadNothing()
    {
        NewPPC_Info info;
        info.show();
        info.updateButtonEnabled(false);
        QTest::keyClicks(editor(&info, 1), QString(41, QLatin1Char('a')));
        QCOMPARE(editor(&info, 1)->toPlainText().size(), 40);
        editor(&info, 2)->setPlainText(QString(5000, QLatin1Char('b'))); // pasted: cut at once
        QCOMPARE(editor(&info, 2)->toPlainText().size(), 40);
        QCOMPARE(editor(&info, 2)->height(), int(editor(&info, 2)->document()->size().height()) + 10);

        // Which agendas are bad is the agenda parser's rule; a bad one empties the page.
        info.slot_updateConferenceInfo(brief(threeIssues));
        info.slot_updateConferenceInfo(brief(QStringLiteral("{\"topics\":[{\"topic\":\"cut")));
        QCOMPARE(info.issues(), QStringList({ QString(), QString(), QString() }));
    }
};

QTEST_MAIN(tst_ConferenceSidePages)
#include "tst_ConferenceSidePages.moc"
