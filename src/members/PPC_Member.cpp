#include "members/PPC_Member.h"

#include "ui_PPC_Member.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "members/MemberBusinessSignals.h"

PPC_Member::PPC_Member(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_Member)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : { ui->MemberCountTipLbl, ui->HasInTipLbl, ui->WillInTipLbl })
        w->setFont(font);
    connect(ui->HasInListView, &MemberListViewBase::sig_updateMemberCount, this, &PPC_Member::slot_updateHasInCount);
    connect(ui->WillInListView, &MemberListViewBase::sig_updateMemberCount, this, &PPC_Member::slot_updateWillInCount);
    MemberBusinessSignals::connectTo(this, MemberBusinessSignals::Roster);
    setIsHost(false);

    // Opened during a conference: the members known so far.
    MemberListViewBase::fill(ui->HasInListView, ui->WillInListView,
        KP_BusinessView::instance()->getUnifiedConferenceView()->getAllConferenceInfo());
    ScreenScale::beginScale(this);
}

PPC_Member::~PPC_Member() = default;

ConferenceMembersListView* PPC_Member::joinedList() const
{
    return ui->HasInListView;
}

ConferenceMembersListView* PPC_Member::expectedList() const
{
    return ui->WillInListView;
}

void PPC_Member::setIsHost(bool isHost)
{
    m_isHost = isHost;
    ui->BottomWgt->setVisible(isHost);
}

void PPC_Member::on_YesBtn_clicked()
{
    KP_BusinessView::instance()->getUnifiedConferenceView()->controlAllMemberMicphone(false);
}

void PPC_Member::on_NoBtn_clicked()
{
    KP_BusinessView::instance()->getUnifiedConferenceView()->controlAllMemberMicphone(true);
}

void PPC_Member::slot_updateHasInCount(int nCount)
{
    m_joinedCount = nCount;
    showCount();
}

void PPC_Member::slot_updateWillInCount(int nCount)
{
    m_expectedCount = nCount;
    showCount();
}

void PPC_Member::showCount()
{
    ui->MemberCountTipLbl->setText(
        tr("Conference Member ( %1 / %2 )").arg(m_joinedCount + m_expectedCount).arg(kCapacity));
}

// --- business slots ---

void PPC_Member::slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members)
{
    if (members.isEmpty()) {
        AreaLog::members().LogInfo(
            QStringLiteral("PPC_Member::slot_onGetConferenceMemberInfoList empty list, rows kept"));
        return;
    }
    MemberListViewBase::reload(ui->HasInListView, ui->WillInListView, members);
}

void PPC_Member::slot_onInviteMemberList(QList<ConferenceMemberInfo> members, bool started)
{
    Q_UNUSED(started)
    ui->WillInListView->addAll(members);
}

void PPC_Member::slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString confId)
{
    Q_UNUSED(confId)
    ui->HasInListView->addOrUpdate(memberInfo);
    // Only this device's expected row: the member may still be expected on another.
    ui->WillInListView->remove(memberInfo.account, memberInfo.deviceType);
}

void PPC_Member::slot_onConfMsgMemberQuit(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    ui->HasInListView->remove(account, deviceType);
    ui->WillInListView->remove(account, deviceType);
}

void PPC_Member::slot_onConfMsgKickMember(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    slot_onConfMsgMemberQuit(account, deviceType);
}

void PPC_Member::slot_updateMemberInfo(ConferenceMemberInfo memberInfo, int action)
{
    ui->HasInListView->applyMediaAction(memberInfo, action);
    ui->WillInListView->applyMediaAction(memberInfo, action);
}

void PPC_Member::slot_updateMainConfMemberControlWidget(ConferenceMemberInfo memberInfo)
{
    ui->HasInListView->setMainVenue(memberInfo.account, memberInfo.deviceType, memberInfo.isMainVenue);
}

void PPC_Member::slot_onHandUp(
    bool isSuccess, QString errorMsg, bool on, QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    if (isSuccess)
        ui->HasInListView->setHandUp(account, on, deviceType);
    else
        AreaLog::members().LogInfo(QStringLiteral("PPC_Member::slot_onHandUp failed %1").arg(errorMsg));
}

void PPC_Member::slot_onUpdateMemberInfo(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType, QString userName)
{
    ui->HasInListView->rename(memberId, deviceType, userName);
}

void PPC_Member::slot_updateAllMicphonesButtonState(bool on)
{
    Q_UNUSED(on)
}

void PPC_Member::slot_updateAllCameraButtonState(bool on)
{
    Q_UNUSED(on)
}
