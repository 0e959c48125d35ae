#include "members/ConfMembersControlDelegate.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "members/MemberListViewBase.h"
#include "members/MemberRowPainter.h"
#include "panels/PhoneInvitation.h"
#include "policy/MemberRowGeometry.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

UnifiedConferenceView* conference()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString localAccount()
{
    return KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount();
}

} // namespace

ConfMembersControlDelegate::ConfMembersControlDelegate(QObject* parent)
    : MemberDelegateBase(parent)
    , m_imagePath(QStringLiteral(":/ConfNew/Resource/ConfNew/ControlBtn/"))
    , m_menu(new QMenu)
{
    m_menu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    m_menu->setAttribute(Qt::WA_TranslucentBackground);
    m_menu->setFocusPolicy(Qt::NoFocus);
    // Entries are 80 px wide: the small font keeps "Close video" whole.
    m_menu->setFont(KP_UI_UTIL::getFontScale(12, false));
    // A menu made outside any form: its sheet grows with the screen here.
    m_menu->setStyleSheet(ScreenScale::grownStyleSheet(QStringLiteral(
        "QMenu{background-color:rgba(255,255,255,255);border-radius:4px;border:1px solid #f0f0f0;}"
        "QMenu::item{padding-left:10px;color:#000000;width:80px;height:23px;background-color:transparent;}"
        "QMenu::item:selected{color:#000000;background-color:rgb(0,128,240);border-radius:2px;}")));
    connect(m_menu.data(), &QMenu::aboutToHide, this, &ConfMembersControlDelegate::slot_moreMenu_aboutToHide);
    connect(m_menu.data(), &QMenu::triggered, this, &ConfMembersControlDelegate::slot_MenuAction_trigger);
}

ConfMembersControlDelegate::~ConfMembersControlDelegate()
{
    delete m_menu.data();
}

QMenu* ConfMembersControlDelegate::moreMenu() const
{
    return m_menu;
}

void ConfMembersControlDelegate::setSpeakingList(const QList<Agent_ConferenceParticipantMemberInfo>& speakers)
{
    m_speakers = speakers;
}

bool ConfMembersControlDelegate::isSpeaking(const ConferenceMemberInfo& m) const
{
    for (const Agent_ConferenceParticipantMemberInfo& speaker : m_speakers) {
        if (speaker.account == m.account && speaker.deviceType == m.deviceType)
            return true;
    }
    return false;
}

int ConfMembersControlDelegate::menuKindOf(const ConferenceMemberInfo& memberInfo)
{
    const bool own = MemberRosterPolicy::isOwnRow(memberInfo.account, memberInfo.deviceType, localAccount());
    return MemberRosterPolicy::menuKind(conference()->isHost(), own, memberInfo.deviceType);
}

void ConfMembersControlDelegate::paintRow(
    QPainter* painter, const QStyleOptionViewItem& option, const ConferenceMemberInfo& m) const
{
    const QRect& r = option.rect;

    QString role;
    if (m.isHost && m.isMainVenue)
        role = tr("Host, The main venue");
    else if (m.isHost)
        role = tr("Host");
    else if (m.isMainVenue)
        role = tr("The main venue");
    if (!role.isEmpty()) {
        painter->setFont(m_labelFont);
        painter->setPen(QColor(QStringLiteral("#333333")));
        painter->drawText(MemberRowGeometry::labelRect(r, m_scale), Qt::AlignLeft | Qt::AlignVCenter, role);
    }

    const QRect micArea = MemberRowGeometry::microphoneIconRect(r, m_scale);
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    if (!m.isInConf) {
        painter->drawPixmap(micArea.topLeft(),
            MemberRowPainter::icon(m_imagePath + QStringLiteral("Icon_call.png"), micArea.width(), dpr));
    } else if (m.deviceType != CONFMEMBER_DEVICE_NONE) {
        const QString camera
            = m.isCameraOpen ? QStringLiteral("Icon_ConfVideoOn.png") : QStringLiteral("Icon_ConfVideoOff.png");
        QString microphone = QStringLiteral("Icon_ConfAudioOff.png");
        if (m.isMicOpen)
            microphone
                = isSpeaking(m) ? QStringLiteral("Icon_ConfAudioing.png") : QStringLiteral("Icon_ConfAudioOn.png");
        painter->drawPixmap(MemberRowGeometry::cameraIconRect(r, m_scale).topLeft(),
            MemberRowPainter::icon(m_imagePath + camera, micArea.width(), dpr));
        painter->drawPixmap(micArea.topLeft(), MemberRowPainter::icon(m_imagePath + microphone, micArea.width(), dpr));
    }

    if (MemberRosterPolicy::hasMoreButton(menuKindOf(m))) {
        painter->drawPixmap(MemberRowGeometry::moreRect(r, m_scale).topLeft(),
            MemberRowPainter::icon(m_imagePath + QStringLiteral("Icon_More_Normal.png"), micArea.width(), dpr));
    }
}

bool ConfMembersControlDelegate::editorEvent(
    QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    ConferenceMemberInfo m;
    if (leftPressOn(event, index, &m)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        onPress(mouse->pos(), mouse->globalPos(), option.rect, m);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void ConfMembersControlDelegate::onPress(
    const QPoint& pos, const QPoint& globalPos, const QRect& row, const ConferenceMemberInfo& m)
{
    if (MemberRowGeometry::moreRect(row, m_scale).contains(pos)) {
        if (!rebuildMenu(m))
            return;
        m_menuShown = true;
        // The menu runs its own event loop: it opens from the event loop, once the
        // press has been handled, so that nothing the menu's loop deletes (the list,
        // the whole panel) is still on the stack when it returns.
        QTimer::singleShot(0, this, [this, globalPos] {
            if (!m_menuShown || !m_menu)
                return;
            m_menu->move(globalPos);
            m_menu->exec();
        });
        return;
    }
    if (!m.isInConf && MemberRowGeometry::callRect(row, m_scale).contains(pos)) {
        inviteAgain(m.account, m.name);
        emit UI_ControlView::instance()->sig_showMsgTip(tr("Invitation sent!"), POPUP_HANDLE_DEFAULT);
    }
}

bool ConfMembersControlDelegate::rebuildMenu(const ConferenceMemberInfo& memberInfo)
{
    m_menuMember = memberInfo;
    if (!m_menu)
        return false;
    m_menu->clear();
    const bool sameAccount = memberInfo.account == localAccount();
    for (MemberRosterPolicy::MenuEntry entry : MemberRosterPolicy::menuEntries(menuKindOf(memberInfo), sameAccount)) {
        QString text;
        switch (entry) {
        case MemberRosterPolicy::MenuEntry::Camera:
            text = memberInfo.isCameraOpen ? tr("Close video") : tr("Open video");
            break;
        case MemberRosterPolicy::MenuEntry::Microphone:
            text = memberInfo.isMicOpen ? tr("Close audio") : tr("Open audio");
            break;
        case MemberRosterPolicy::MenuEntry::KickOut:
            text = tr("Kick out");
            break;
        case MemberRosterPolicy::MenuEntry::SetHost:
            text = tr("Set as host");
            break;
        }
        m_menu->addAction(text)->setData(int(entry));
    }
    return !m_menu->isEmpty();
}

void ConfMembersControlDelegate::slot_moreMenu_aboutToHide()
{
    m_menuShown = false;
}

void ConfMembersControlDelegate::slot_MenuAction_trigger(QAction* pAction)
{
    m_menuShown = false;
    const ConferenceMemberInfo& m = m_menuMember;
    if (!pAction || m.account.isEmpty())
        return;
    UnifiedConferenceView* conf = conference();
    switch (MemberRosterPolicy::MenuEntry(pAction->data().toInt())) {
    case MemberRosterPolicy::MenuEntry::Camera:
        conf->memberOperate(CONF_MEMBER_OP_CAMERA, m.account, m.deviceType, m.isCameraOpen ? 0 : 1);
        break;
    case MemberRosterPolicy::MenuEntry::Microphone:
        conf->memberOperate(CONF_MEMBER_OP_MIC, m.account, m.deviceType, m.isMicOpen ? 0 : 1);
        break;
    case MemberRosterPolicy::MenuEntry::SetHost: {
        ConfSendCmdInfo info;
        info.account = m.account;
        info.deviceType = m.deviceType;
        conf->setHost_V3(info);
        break;
    }
    case MemberRosterPolicy::MenuEntry::KickOut:
        emit sig_showMsgBox(tr("Information"), tr("Are you sure to kick out %1?").arg(m.name), m.account, m.deviceType,
            MessageType_KickOut);
        break;
    }
}

void ConfMembersControlDelegate::memberGone(const QString& key)
{
    if (m_menuMember.account.isEmpty() || (!key.isEmpty() && key != m_menuMember.key()))
        return;
    AreaLog::members().LogDebug(QStringLiteral("ConfMembersControlDelegate::memberGone %1").arg(m_menuMember.key()));
    m_menuMember = ConferenceMemberInfo();
    m_menuShown = false;
    if (m_menu)
        m_menu->hide();
}

void ConfMembersControlDelegate::inviteAgain(const QString& account, const QString& displayName)
{
    UnifiedConferenceView* conf = conference();
    if (account == displayName) {
        conf->invitePhoneMembers(landingCallMembers({ PhoneInvitePolicy::rowCall(account, displayName) }));
    } else {
        conf->inviteMembers({ account });
    }
}
