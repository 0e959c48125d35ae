#include "facade/MemberPickerController.h"

#include "business/UI_ControlView.h"
#include "facade/FacadeTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace FacadeTest;

namespace {

Agent_GroupMember groupMember(const QString& account)
{
    Agent_GroupMember member;
    member.account = account;
    return member;
}

// The group "g-1" of bob and eve, and a running conference that belongs to it.
QSharedPointer<AddressBookGroup> addGroupOfBobAndEve()
{
    auto group = QSharedPointer<AddressBookGroup>::create(QStringLiteral("g-1"), QStringLiteral("Team"));
    group->setMembers({ groupMember(QStringLiteral("bob")), groupMember(QStringLiteral("eve")) });
    BusinessFixture::business()->getGroupMgrView()->addGroup(group);
    BusinessFixture::conf()->state().confInfo.extension = groupExtension();
    return group;
}

} // namespace

class tst_MemberPickerController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetBusiness();
        m_pickers = std::make_unique<MemberPickerController>();
        m_masks = std::make_unique<QSignalSpy>(UI_ControlView::instance(), &UI_ControlView::sig_showMaskWgt);
        m_tips = std::make_unique<QSignalSpy>(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
    }
    void cleanup()
    {
        m_pickers.reset();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void queriedMembersCreateAConference_data()
    {
        QTest::addColumn<QString>("groupId");
        QTest::addColumn<int>("type");
        QTest::newRow("no group") << QString() << 1;
        QTest::newRow("group") << QStringLiteral("g-1") << 6;
    }

    void queriedMembersCreateAConference()
    {
        QFETCH(QString, groupId);
        QFETCH(int, type);
        // "ghost" is not in the directory: the picker offers the persons the directory knows.
        m_pickers->onQueryConferenceMember(
            groupId, { groupMember(QStringLiteral("bob")), groupMember(QStringLiteral("ghost")) });
        QCOMPARE(m_masks->count(), 1);
        QCOMPARE(m_masks->at(0).at(1).value<PopUpHandleType>(), PopUpHandleType(2));
        QCOMPARE(maskedPicker()->pickerType(), 10);

        emit maskedPicker()->sig_returnAccouts(
            { QStringLiteral("me"), QStringLiteral("bob"), QStringLiteral("me") }, 10);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("createConferenceAndInvite")),
            QStringLiteral("Me MyselfMeetings initiated||bob|%1|%2|2|196").arg(groupId).arg(type));
    }

    void groupConferenceNeedsAnotherMember()
    {
        m_pickers->onQueryConferenceMember(QStringLiteral("g-1"), {});
        emit maskedPicker()->sig_returnAccouts({ QStringLiteral("me") }, 10);
        QCOMPARE(m_tips->count(), 1);
        QCOMPARE(
            m_tips->at(0).at(0).toString(), QStringLiteral("Two people are required to open the Jiugongge meeting"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 0);

        // Without a group, a conference of one is fine. The new request takes the place of the pending picker.
        m_pickers->onQueryConferenceMember(QString(), {});
        emit maskedPicker()->sig_returnAccouts({ QStringLiteral("me") }, 10);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 1);
        QCOMPARE(TestWindows::leftoverWindows({ tip() }), QStringList { QStringLiteral("SectionStaffWindow") });
    }

    void busyMediaCreatesNothing()
    {
        BusinessFixture::business()->getMultimediaMgrView()->state().status = MULTIMEDIA_VOICE_CALL;
        m_pickers->onQueryConferenceMember(QString(), {});
        // The busy box waits in a local loop; the user answers it from inside that loop.
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            if (KpMsgBox* box = TestWindows::visibleWindow<KpMsgBox>()) {
                shown = box->messageText();
                box->slot_onOk();
            }
        });
        emit maskedPicker()->sig_returnAccouts({ QStringLiteral("bob") }, 10);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("createConferenceAndInvite")), 0);
        BusinessFixture::flushDeletes();
        QVERIFY(TestWindows::leftoverWindows({ tip() }).count(QStringLiteral("KpMsgBox")) == 0);

        // The facade may be torn down while the box waits: the wait ends and touches nothing that is gone.
        m_pickers->onQueryConferenceMember(QString(), {});
        QTimer::singleShot(0, this, [this] { m_pickers.reset(); });
        emit maskedPicker()->sig_returnAccouts({ QStringLiteral("bob") }, 10);
        QVERIFY(!m_pickers);
    }

    void phoneInvitationSendsOnlyNumbers()
    {
        addGroupOfBobAndEve();
        m_pickers->showSelectConfMemberWidget(false, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
        QCOMPARE(m_masks->count(), 1);
        emit maskedPicker()->sig_returnAccouts({ QStringLiteral("bob"), QStringLiteral("eve") }, 10);
        const JournalEntry invite = BusinessFixture::journal()->last(QStringLiteral("invitePhoneMembers"));
        const auto phones = invite.args.value(0).value<QMap<QString, LandingCallMember>>();
        QCOMPARE(phones.keys(), QStringList { QStringLiteral("bob") }); // eve has no number
        QCOMPARE(phones.value(QStringLiteral("bob")).number, QStringLiteral("1391"));
        QCOMPARE(phones.value(QStringLiteral("bob")).name, QStringLiteral("Bob"));
    }

    void groupPickerNeedsALiveGroup()
    {
        // Not a group conference, or no group id: nothing. Then a disbanded group.
        m_pickers->showSelectConfMemberWidget(true, CONFERENCE_TYPE_INSTANT, CONF_MEDIA_AUDIO);
        BusinessFixture::conf()->state().confInfo.extension = QStringLiteral("not json");
        m_pickers->showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
        QCOMPARE(m_tips->count() + m_masks->count(), 0);
        addGroupOfBobAndEve()->setDisbanded(true);
        m_pickers->showSelectConfMemberWidget(true, CONFERENCE_TYPE_GROUP, CONF_MEDIA_AUDIO);
        QCOMPARE(m_tips->count(), 1);
        QCOMPARE(m_tips->at(0).at(0).toString(), QStringLiteral("The group has been disbanded"));
        QCOMPARE(m_masks->count(), 0);
    }

    void selectionWindowIsReusedWhileOpen()
    {
        m_pickers->onlySelectConfMembers({ QStringLiteral("bob") }, 2);
        m_pickers->onlySelectConfMembers({ QStringLiteral("eve") }, 3);
        QCOMPARE(TestWindows::visibleWindows<SectionStaffWindow>().size(), 1);
        QCOMPARE(TestWindows::visibleWindow<SectionStaffWindow>()->pickerType(), 2);
        QVERIFY(!TestWindows::visibleWindow<SectionStaffWindow>()->isInMask());
        TestWindows::visibleWindow<SectionStaffWindow>()->close(); // it deletes itself
        BusinessFixture::flushDeletes();
        m_pickers->onlySelectConfMembers({}, 3);
        QCOMPARE(TestWindows::visibleWindow<SectionStaffWindow>()->pickerType(), 3);
    }

private:
    // The picker the controller put into the client's mask last.
    SectionStaffWindow* maskedPicker() const
    {
        return static_cast<SectionStaffWindow*>(m_masks->last().at(0).value<void*>());
    }

    std::unique_ptr<MemberPickerController> m_pickers;
    std::unique_ptr<QSignalSpy> m_masks;
    std::unique_ptr<QSignalSpy> m_tips;
};

QTEST_MAIN(tst_MemberPickerController)
#include "tst_MemberPickerController.moc"
