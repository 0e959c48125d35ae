#include "members/ConfMembersControlWidget.h"

#include "ui_ConfMembersControlWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "members/MemberBusinessSignals.h"

#include <QButtonGroup>
#include <QPushButton>

#include <algorithm>

namespace {

UnifiedConferenceView* conference()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

constexpr int kFieldButton = 12; // the search and clear buttons inside the search field

} // namespace

ConfMembersControlWidget::ConfMembersControlWidget(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ConfMembersControlWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    m_searchBtn = new QPushButton(ui->lineEdit);
    m_searchBtn->setObjectName(QStringLiteral("btn_search"));
    m_searchBtn->setIcon(QIcon(QStringLiteral(":/Conference/Resource/Conference/search_normal.png")));
    m_searchBtn->setAccessibleName(tr("Search"));
    m_clearBtn = new QPushButton(ui->lineEdit);
    m_clearBtn->setObjectName(QStringLiteral("btn_clear"));
    m_clearBtn->setIcon(QIcon(QStringLiteral(":/Conference/Resource/Conference/close.png")));
    m_clearBtn->setAccessibleName(tr("Clear the search"));
    const QSize field = ui->lineEdit->minimumSize();
    const int top = (field.height() - kFieldButton) / 2;
    for (QPushButton* b : { m_searchBtn, m_clearBtn }) {
        b->setFixedSize(kFieldButton, kFieldButton);
        b->setIconSize(QSize(kFieldButton, kFieldButton));
        b->setFocusPolicy(Qt::NoFocus);
    }
    m_searchBtn->move(6, top);
    m_clearBtn->move(field.width() - 6 - kFieldButton, top);

    const QFont small = KP_UI_UTIL::getFontScale(12, false);
    for (QWidget* w :
        { ui->btn_openAllCameras, ui->btn_closeAllCameras, ui->btn_closeAllMicphones, ui->btn_openAllMicphones })
        w->setFont(small);
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : { static_cast<QWidget*>(ui->lineEdit), static_cast<QWidget*>(ui->btn_attend),
             static_cast<QWidget*>(ui->btn_unAttend), static_cast<QWidget*>(ui->btn_invite),
             static_cast<QWidget*>(ui->btn_member_control) })
        w->setFont(font);

    connect(ui->HasInListView, &MemberListViewBase::sig_updateMemberCount, this,
        &ConfMembersControlWidget::slot_updateHasInCount);
    connect(ui->WillInListView, &MemberListViewBase::sig_updateMemberCount, this,
        &ConfMembersControlWidget::slot_updateWillInCount);
    connect(ui->btn_invite, &QPushButton::clicked, this, &ConfMembersControlWidget::slot_btnClicked);
    connect(ui->btn_member_control, &QPushButton::clicked, this, &ConfMembersControlWidget::slot_btnClicked);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, &ConfMembersControlWidget::slot_searchTextChanged);
    connect(m_searchBtn, &QPushButton::clicked, this, [this] { emit ui->lineEdit->textChanged(ui->lineEdit->text()); });
    connect(m_clearBtn, &QPushButton::clicked, this, [this] {
        ui->lineEdit->setText(QString());
        m_clearBtn->hide();
    });
    connect(ui->btn_attend, &QPushButton::clicked, this, [this] { ui->stackedWidget->setCurrentWidget(ui->page); });
    connect(ui->btn_unAttend, &QPushButton::clicked, this, [this] { ui->stackedWidget->setCurrentWidget(ui->page_2); });
    MemberBusinessSignals::connectTo(this, MemberBusinessSignals::RosterHostAndSpeakers);

    for (QWidget* w : { static_cast<QWidget*>(m_searchBtn), static_cast<QWidget*>(m_clearBtn),
             static_cast<QWidget*>(ui->btn_attend), static_cast<QWidget*>(ui->btn_unAttend),
             static_cast<QWidget*>(ui->btn_invite), static_cast<QWidget*>(ui->btn_member_control) })
        w->setCursor(Qt::PointingHandCursor);
    auto* tabs = new QButtonGroup(this);
    tabs->setExclusive(true);
    tabs->addButton(ui->btn_attend, 0);
    tabs->addButton(ui->btn_unAttend, 1);
    for (QWidget* w :
        { ui->btn_openAllCameras, ui->btn_closeAllCameras, ui->btn_closeAllMicphones, ui->btn_openAllMicphones })
        w->hide();
    ui->lineEdit->setPlaceholderText(tr("Search for enrolled members"));
    setIsHost(false);
    emit m_searchBtn->clicked();

    slot_updateHasInCount(0);
    slot_updateWillInCount(0);
    const QList<ConferenceMemberInfo> members = conference()->getAllConferenceInfo();
    for (const ConferenceMemberInfo& m : members) {
        if (!m.account.isEmpty())
            m_members.insert(m.account, m);
    }
    MemberListViewBase::fill(ui->HasInListView, ui->WillInListView, members);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ConfMembersControlWidget::~ConfMembersControlWidget() = default;

ConfMembersControlListView* ConfMembersControlWidget::joinedList() const
{
    return ui->HasInListView;
}

ConfMembersControlListView* ConfMembersControlWidget::notEnrolledList() const
{
    return ui->WillInListView;
}

ConfMembersControlListView* ConfMembersControlWidget::searchList() const
{
    return ui->SearchListView;
}

void ConfMembersControlWidget::setConfId(QString confId)
{
    m_confId = confId;
}

void ConfMembersControlWidget::setIsHost(bool isHost)
{
    m_isHost = isHost;
    ui->btn_member_control->setVisible(isHost);
}

QMap<QString, QString> ConfMembersControlWidget::notEnrolledMembers() const
{
    QMap<QString, QString> absent;
    for (const ConferenceMemberInfo& m : m_members) {
        if (!m.isInConf)
            absent.insert(m.account, m.name);
    }
    return absent;
}

QStringList ConfMembersControlWidget::joinedAccounts() const
{
    QStringList accounts;
    for (const ConferenceMemberInfo& m : m_members) {
        if (m.isInConf)
            accounts << m.account;
    }
    std::sort(accounts.begin(), accounts.end());
    return accounts;
}

// --- business slots ---

void ConfMembersControlWidget::slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members)
{
    if (members.isEmpty()) {
        AreaLog::members().LogInfo(
            QStringLiteral("ConfMembersControlWidget::slot_onGetConferenceMemberInfoList empty list, rows kept"));
        return;
    }
    m_members.clear();
    m_members.reserve(members.size());
    for (ConferenceMemberInfo m : qAsConst(members)) {
        if (m.account.isEmpty())
            continue;
        m.isHandUp = false;
        m_members.insert(m.account, m);
    }
    MemberListViewBase::reload(ui->HasInListView, ui->WillInListView, members);
}

void ConfMembersControlWidget::slot_onInviteMemberList(QList<ConferenceMemberInfo> members, bool started)
{
    Q_UNUSED(started)
    for (const ConferenceMemberInfo& m : qAsConst(members)) {
        if (!m.account.isEmpty())
            m_members.insert(m.account, m);
    }
    ui->WillInListView->addAll(members);
}

void ConfMembersControlWidget::slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString confId)
{
    if (memberInfo.account.isEmpty()) {
        AreaLog::members().LogInfo(
            QStringLiteral("ConfMembersControlWidget::slot_onJoinConferenceNotify no account, conf %1").arg(confId));
        return;
    }
    m_members.insert(memberInfo.account, memberInfo);
    ui->HasInListView->addOrUpdate(memberInfo);
    ui->WillInListView->removeByAccount(memberInfo.account);
}

void ConfMembersControlWidget::removeMember(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    ui->HasInListView->remove(account, deviceType);
    ui->WillInListView->remove(account, deviceType);
    m_members.remove(account);
}

void ConfMembersControlWidget::slot_onConfMsgMemberQuit(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    removeMember(account, deviceType);
}

void ConfMembersControlWidget::slot_onConfMsgKickMember(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    removeMember(account, deviceType);
}

void ConfMembersControlWidget::slot_updateMemberInfo(ConferenceMemberInfo memberInfo, int action)
{
    ui->HasInListView->applyMediaAction(memberInfo, action);
    ui->WillInListView->applyMediaAction(memberInfo, action);
}

void ConfMembersControlWidget::slot_updateMainConfMemberControlWidget(ConferenceMemberInfo memberInfo)
{
    ui->HasInListView->setMainVenue(memberInfo.account, memberInfo.deviceType, memberInfo.isMainVenue);
}

void ConfMembersControlWidget::slot_onHandUp(
    bool isSuccess, QString errorMsg, bool on, QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    if (!isSuccess) {
        AreaLog::members().LogInfo(QStringLiteral("ConfMembersControlWidget::slot_onHandUp failed %1").arg(errorMsg));
        return;
    }
    ui->HasInListView->setHandUp(account, on, deviceType);
}

void ConfMembersControlWidget::slot_onUpdateMemberInfo(
    QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType, QString userName)
{
    ui->HasInListView->rename(memberId, deviceType, userName);
}

void ConfMembersControlWidget::slot_onHostChanged(QList<ConferenceMemberInfo> infos, QString id)
{
    if (id != m_confId) {
        AreaLog::members().LogInfo(
            QStringLiteral("ConfMembersControlWidget::slot_onHostChanged other conference %1 (this %2)")
                .arg(id, m_confId));
        return;
    }
    const QString self = KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount();
    for (const ConferenceMemberInfo& m : qAsConst(infos)) {
        if (!self.isEmpty() && m.account == self)
            setIsHost(m.isHost);
        ui->HasInListView->updateMember(m);
    }
}

void ConfMembersControlWidget::slot_onConferenceParticipant(
    QString confId, QList<Agent_ConferenceParticipantMemberInfo> speakers)
{
    if (confId != m_confId)
        return;
    ui->HasInListView->setSpeakingList(speakers);
}

void ConfMembersControlWidget::slot_updateAllMicphonesButtonState(bool on)
{
    Q_UNUSED(on)
}

void ConfMembersControlWidget::slot_updateAllCameraButtonState(bool on)
{
    Q_UNUSED(on)
}

// --- counts ---

void ConfMembersControlWidget::slot_updateHasInCount(int nCount)
{
    m_joinedCount = nCount;
    ui->btn_attend->setText(tr("Joined (%1)").arg(nCount));
    emitCounts();
}

void ConfMembersControlWidget::slot_updateWillInCount(int nCount)
{
    m_notEnrolledCount = nCount;
    ui->btn_unAttend->setText(tr("Not enrolled (%1)").arg(nCount));
    emitCounts();
}

void ConfMembersControlWidget::emitCounts()
{
    emit sig_onConferenceCountChange(m_joinedCount, m_notEnrolledCount, m_joinedCount + m_notEnrolledCount);
}

// --- buttons ---

void ConfMembersControlWidget::on_btn_closeAllMicphones_clicked()
{
    if (m_isHost)
        conference()->controlAllMemberMicphone(false);
}

void ConfMembersControlWidget::on_btn_openAllMicphones_clicked()
{
    if (m_isHost)
        conference()->controlAllMemberMicphone(true);
}

void ConfMembersControlWidget::on_btn_closeAllCameras_clicked()
{
    if (m_isHost)
        conference()->controlAllMemberCamera(false);
}

void ConfMembersControlWidget::on_btn_openAllCameras_clicked()
{
    if (m_isHost)
        conference()->controlAllMemberCamera(true);
}

void ConfMembersControlWidget::slot_btnClicked()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    const QRect rect(button->mapToGlobal(QPoint(0, 0)), button->size());
    if (button == ui->btn_invite)
        emit sig_invite_clicked(rect);
    else if (button == ui->btn_member_control)
        emit sig_member_control_clicked(rect);
}

void ConfMembersControlWidget::slot_searchTextChanged(const QString& text)
{
    if (text.isEmpty()) {
        ui->wgt_attend->show();
        ui->stackedWidget->setCurrentWidget(ui->page);
        ui->btn_attend->setChecked(true);
        m_clearBtn->hide();
        return;
    }
    ui->stackedWidget->setCurrentWidget(ui->page_3);
    QList<ConferenceMemberInfo> found;
    for (const ConferenceMemberInfo& m : qAsConst(m_members)) {
        if (m.name.contains(text))
            found << m;
    }
    ui->SearchListView->clear();
    ui->SearchListView->addAll(found);
    m_clearBtn->show();
    ui->wgt_attend->hide();
}
