#include "meeting/MeetingMemberItem.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/MeetingRoomPolicy.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using MeetingRoomPolicy::MuteStatus;

namespace {
MeetingView* meetingView()
{
    return KP_BusinessView::instance()->getMeetingView();
}
} // namespace

MeetingMemberItem::MeetingMemberItem(QWidget* parent)
    : QWidget(parent)
{ }

MeetingMemberItem::~MeetingMemberItem() = default;

void MeetingMemberItem::bindControls(QLabel* name, QPushButton* mute, QPushButton* kick)
{
    m_name = name;
    m_mute = mute;
    m_kick = kick;
    connect(m_mute, &QPushButton::clicked, this, &MeetingMemberItem::slot_setMute);
    connect(m_kick, &QPushButton::clicked, this, &MeetingMemberItem::slot_deleteMember);
}

void MeetingMemberItem::setMemberInfo(const Agent_MeetingMemberInfo& info)
{
    KP_BusinessView* business = KP_BusinessView::instance();
    m_account = info.account;
    const QSharedPointer<AddressBookPerson> person
        = business->getAddressBookView()->getAddressBookOnePerson_Account(m_account, false);
    // Somebody the directory does not know (a guest, a telephone) still gets a name.
    if (person)
        m_name->setText(person->displayName());
    else
        m_name->setText(info.name.isEmpty() ? m_account : info.name);
    showAvatar(person);

    m_isMaster = meetingView()->ifRoomMaster();
    m_isOwnRow = !m_account.isEmpty() && m_account == business->getUserInfoView()->getCurUserAccount();
    if (!m_isMaster) {
        m_mute->hide();
        m_kick->hide();
        return;
    }
    m_mute->show();
    m_kick->show();
    if (m_isOwnRow) {
        m_mute->setEnabled(false);
        m_kick->setEnabled(false);
        m_mute->setStyleSheet(MeetingRoomPolicy::ownRowMuteStyle());
        m_kick->setStyleSheet(MeetingRoomPolicy::ownRowKickStyle());
        return;
    }
    m_mute->setEnabled(true);
    m_kick->setEnabled(true);
    setMuteStatus(info.muteStatus);
}

void MeetingMemberItem::setMuteStatus(const QString& status)
{
    // The master's own row keeps its disabled controls.
    if (m_isMaster && m_isOwnRow)
        return;
    switch (MeetingRoomPolicy::muteStatus(status)) {
    case MuteStatus::Open:
        m_muted = false;
        m_mute->setStyleSheet(MeetingRoomPolicy::memberMuteStyle(false));
        break;
    case MuteStatus::Muted:
        m_muted = true;
        m_mute->setStyleSheet(MeetingRoomPolicy::memberMuteStyle(true));
        break;
    case MuteStatus::Unknown:
        AreaLog::meeting().LogDebug(
            QStringLiteral("MeetingMemberItem::setMuteStatus status '%1' of %2 kept").arg(status, m_account));
        break;
    }
}

QMenu* MeetingMemberItem::contextMenu() const
{
    return m_menu;
}

bool MeetingMemberItem::controlsOffered() const
{
    return m_isMaster && !m_isOwnRow;
}

void MeetingMemberItem::slot_setMute()
{
    if (!m_muted) {
        m_muted = true;
        m_mute->setStyleSheet(MeetingRoomPolicy::memberMutedByMasterStyle());
        meetingView()->setMemberMute(m_account, 1);
    } else {
        m_muted = false;
        m_mute->setStyleSheet(MeetingRoomPolicy::memberMuteStyle(false));
        meetingView()->setMemberMute(m_account, 2);
    }
}

void MeetingMemberItem::slot_deleteMember()
{
    meetingView()->deleteMemberMultiMediaMeeting(m_account);
}

void MeetingMemberItem::contextMenuEvent(QContextMenuEvent* event)
{
    if (!controlsOffered()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    delete m_menu.data();
    m_menu = new QMenu(this);
    m_menu->setFont(KP_UI_UTIL::getFontScale(14, false));
    m_menu->addAction(kickText(), this, &MeetingMemberItem::slot_deleteMember);
    m_menu->addAction(m_muted ? tr("Cancel it") : tr("Banned"), this, &MeetingMemberItem::slot_setMute);
    m_menu->popup(QCursor::pos());
    event->accept();
}
