#include "facade/MemberPickerController.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "facade/ControllerSupport.h"
#include "facade/KP_MediaConfUI.h"
#include "policy/InvitationPolicy.h"

#include <QEventLoop>

using ControllerSupport::business;

namespace {
// The kind of picker that chooses the members of a new conference.
constexpr int kConferencePickerType = 10;
} // namespace

MemberPickerController::MemberPickerController() = default;

MemberPickerController::~MemberPickerController() = default;

void MemberPickerController::onlySelectConfMembers(const QList<QString>& listMember, int nType)
{
    if (!m_selectionWindow)
        m_selectionWindow.replace(nType, nullptr);
    AreaLog::facade().LogDebug(QStringLiteral("=================================="));
    m_selectionWindow->setDefaultStaff(listMember);
    m_selectionWindow->setIsInMask(false, POPUP_HANDLE_DEFAULT);
    m_selectionWindow->show();
    m_selectionWindow->activateWindow();
    m_selectionWindow->raise();
}

void MemberPickerController::showSelectConfMemberWidget(
    bool createConf, ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType)
{
    if (confType != CONFERENCE_TYPE_GROUP)
        return;
    KP_BusinessView* root = business();
    const QString groupId
        = InvitationPolicy::parseConferenceExtension(root->getUnifiedConferenceView()->getConfInfo().extension)
              .value_or(InvitationPolicy::ConferenceExtension {})
              .groupId;
    if (groupId.isEmpty()) {
        AreaLog::facade().LogInfo(QStringLiteral("MemberPickerController::showSelectConfMemberWidget no group id"));
        return;
    }
    const QSharedPointer<AddressBookGroup> group = root->getGroupMgrView()->getOneAddressBookGroup(groupId, true);
    if (!group || group->isDisbanded()) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            KP_MediaConfUI::tr("The group has been disbanded"), POPUP_HANDLE_MAIN);
        return;
    }
    createConference(groupId, group->memberAccounts(), confType, mediaType, createConf);
}

void MemberPickerController::onQueryConferenceMember(const QString& groupid, const QList<Agent_GroupMember>& list)
{
    QStringList members;
    members.reserve(list.size());
    for (const Agent_GroupMember& member : list)
        members.append(member.account);
    createConference(
        groupid, members, groupid.isEmpty() ? CONFERENCE_TYPE_INSTANT : CONFERENCE_TYPE_GROUP, CONF_MEDIA_VIDEO, true);
}

void MemberPickerController::createConference(const QString& groupId, const QStringList& members,
    ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media, bool create)
{
    AddressBookView* book = business()->getAddressBookView();
    QList<QSharedPointer<AddressBookBase>> persons;
    for (const QString& account : members) {
        const QSharedPointer<AddressBookPerson> person = book->getAddressBookOnePerson_Account(account, false);
        if (person && person->isValidPerson(false))
            persons.append(person);
    }
    // A picker still waiting for an answer is given up for the new request.
    SectionStaffWindow* picker = m_conferencePicker.replace(kConferencePickerType, nullptr);
    connect(picker, &SectionStaffWindow::sig_returnAccouts, this,
        [this, groupId, type, media, create](
            QStringList accounts, int) { onPickedConferenceMembers(groupId, type, media, create, accounts); });
    picker->setOnlyDefaultStaff(members, persons);
    emit UI_ControlView::instance()->sig_showMaskWgt(picker, POPUP_HANDLE_MAIN);
}

void MemberPickerController::invitePhoneMembers(const QStringList& accounts)
{
    KP_BusinessView* root = business();
    QMap<QString, LandingCallMember> phones;
    for (const QString& account : accounts) {
        const QSharedPointer<AddressBookPerson> person
            = root->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
        if (!person || person->phoneNumber().isEmpty())
            continue;
        LandingCallMember member;
        member.name = person->displayName();
        member.number = person->phoneNumber();
        phones.insert(account, member);
    }
    if (!phones.isEmpty())
        root->getUnifiedConferenceView()->invitePhoneMembers(phones);
}

void MemberPickerController::waitOnMediaBusyBox(int status)
{
    KpMsgBox* box = m_mediaBusyBox.replace(nullptr);
    box->setMultimediaTip(MultimediaStatusEnum(status));
    QEventLoop loop;
    connect(box, qOverload<int>(&KpMsgBox::signal_Accept), &loop, &QEventLoop::quit);
    connect(box, qOverload<int>(&KpMsgBox::signal_Reject), &loop, &QEventLoop::quit);
    connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    box->show();
    // Other slots of the facade may run while this waits, the facade's teardown among them.
    const QPointer<MemberPickerController> alive(this);
    const QPointer<KpMsgBox> shown(box);
    loop.exec();
    if (alive && shown && m_mediaBusyBox.get() == shown)
        m_mediaBusyBox.destroyLater();
}

void MemberPickerController::onPickedConferenceMembers(const QString& groupId, ENUM_CONFERENCE_TYPE type,
    ENUM_CONFERENCE_MEDIA_TYPE media, bool create, QStringList accounts)
{
    if (!create) {
        // Inviting by telephone into the running conference.
        invitePhoneMembers(accounts);
        return;
    }
    KP_BusinessView* root = business();
    const int status = root->getMultimediaMgrView()->getMultimediaStatus();
    if (status != MULTIMEDIA_FREE) {
        // The devices are busy with another call or meeting: say so and create nothing.
        waitOnMediaBusyBox(status);
        return;
    }
    const QString subject = root->getUserInfoView()->getCurUserName() + KP_MediaConfUI::tr("Meetings initiated");
    accounts.removeAll(root->getUserInfoView()->getCurUserAccount());
    if (!groupId.isEmpty() && accounts.isEmpty()) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            KP_MediaConfUI::tr("Two people are required to open the Jiugongge meeting"), POPUP_HANDLE_MAIN);
        return;
    }
    root->getUnifiedConferenceView()->createConferenceAndInvite(
        subject, QString(), accounts, groupId, type, media, CONF_JOIN_TYPE_CREATED);
}

void MemberPickerController::destroyWindows()
{
    m_selectionWindow.closeAndDestroy();
    m_conferencePicker.closeAndDestroy();
    m_mediaBusyBox.closeAndDestroy();
}
