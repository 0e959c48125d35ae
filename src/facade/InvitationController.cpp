#include "facade/InvitationController.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/MessageTipWidget.h"
#include "facade/ConferenceController.h"
#include "facade/ControllerSupport.h"
#include "facade/KP_MediaConfUI.h"
#include "facade/VidyoController.h"
#include "policy/InvitationPolicy.h"

using ControllerSupport::business;
using ControllerSupport::displayName;

namespace {

BottomTipWidget* bottomTip()
{
    return BottomTipWidget::instance();
}

BottomTipWidget::BottomTipType tipType(const InvitationPolicy::Notice& notice)
{
    return BottomTipWidget::BottomTipType(notice.type);
}

} // namespace

InvitationController::InvitationController(VidyoController& vidyo, const ConferenceController& conference)
    : m_vidyo(vidyo)
    , m_conference(conference)
{ }

InvitationController::~InvitationController() = default;

void InvitationController::hideMaskOfGroupBox()
{
    if (m_groupBox)
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN);
}

void InvitationController::closeTipAndMask()
{
    bottomTip()->closeBottomTip();
    hideMaskOfGroupBox();
}

void InvitationController::onCallVidyo(const VidyoJsonTransferData& data)
{
    m_lastVidyoInvitation = data;
    BottomTipWidget* tip = bottomTip();
    if (const auto notice = InvitationPolicy::vidyoInvitation(data.callKind, displayName(data.fromAccount))) {
        tip->setMessageTitle(notice->title);
        tip->setMessageType(tipType(*notice));
        tip->setMessageText(notice->text);
    } else {
        AreaLog::facade().LogInfo(
            QStringLiteral("InvitationController::onCallVidyo unknown call kind ") + data.callKind);
    }
    tip->setBtnText(KP_MediaConfUI::tr("Accept"), KP_MediaConfUI::tr("No"));
    tip->BottomTipShow();
}

void InvitationController::onInviteMeetingCall(int meetingType, const QString& caller, const QString& confId)
{
    const InvitationPolicy::Notice notice = InvitationPolicy::meetingInvitation(meetingType, caller);
    if (notice.type == BottomTipKind::None)
        AreaLog::facade().LogInfo(
            QStringLiteral("InvitationController::onInviteMeetingCall unknown meeting type %1").arg(meetingType));
    BottomTipWidget* tip = bottomTip();
    tip->setMessageTitle(notice.title);
    tip->setVariant(confId, BottomTipWidget::kConfIdKey);
    tip->setMessageType(tipType(notice));
    tip->setMessageText(notice.text);
    tip->setBtnText(KP_MediaConfUI::tr("Accept"), KP_MediaConfUI::tr("No"));
    tip->BottomTipShow();
}

void InvitationController::onInviteNormalConference(const ConferenceBriefInfo& confInfo, const QString& sender)
{
    const bool group = InvitationPolicy::isGroupConference(confInfo.extension);
    const InvitationPolicy::Notice notice = InvitationPolicy::conferenceInvitation(
        group, business()->getUnifiedConferenceView()->getInviteConfType(), displayName(sender));
    if (group) {
        if (m_groupBox) {
            AreaLog::facade().LogInfo(
                QStringLiteral("InvitationController::onInviteNormalConference group invitation dropped: ")
                + confInfo.confId);
            return;
        }
        GroupConfMsgBox* box = m_groupBox.replace(nullptr);
        box->setConferenceInfo(confInfo.confId, confInfo.extension);
        box->setInviteMessage(notice.text);
        emit UI_ControlView::instance()->sig_showMaskWgt(box, POPUP_HANDLE_MAIN);
        return;
    }

    BottomTipWidget* tip = bottomTip();
    if (tip->isVisible()) {
        AreaLog::facade().LogInfo(
            QStringLiteral("InvitationController::onInviteNormalConference invitation dropped: ") + confInfo.confId);
        return;
    }
    tip->setMessageTitle(notice.title);
    tip->setMessageType(tipType(notice));
    tip->setVariant(confInfo.confId, BottomTipWidget::kConfIdKey);
    tip->setConferenceInfo(confInfo);
    tip->setBtnText(KP_MediaConfUI::tr("Accept"), KP_MediaConfUI::tr("No"));
    tip->setFromAccount(sender);
    tip->BottomTipShow();
}

void InvitationController::onBottomTipWidgeAccept(BottomTipWidget::BottomTipType type)
{
    KP_BusinessView* root = business();
    switch (type) {
    case BottomTipWidget::BottomTip_VidyoCall:
        m_vidyo.initVidyoShow(VidyoView::StartVidyo_AcceptedCall);
        root->getVidyoView()->AcceptVidyo(m_lastVidyoInvitation, VidyoView::StartVidyo_AcceptedCall);
        break;
    case BottomTipWidget::BottomTip_VidyoMeeting:
        m_vidyo.initVidyoShow(VidyoView::StartVidyo_AcceptedMeeting);
        root->getVidyoView()->AcceptVidyo(m_lastVidyoInvitation, VidyoView::StartVidyo_AcceptedMeeting);
        break;
    case BottomTipWidget::BottomTip_VoiceMeeting:
    case BottomTipWidget::BottomTip_VideoMeeting:
        root->getMeetingView()->acceptMeeting();
        break;
    case BottomTipWidget::BottomTip_Conference: {
        UnifiedConferenceView* conf = root->getUnifiedConferenceView();
        conf->setConferenceType(CONFERENCE_TYPE_UNIFIED);
        if (const std::optional<QString> running = m_conference.runningConferenceId())
            conf->leaveConference(*running);
        conf->joinConference(bottomTip()->variant(BottomTipWidget::kConfIdKey), QString(), 128, CONFERENCE_TYPE_INSTANT,
            1, 0, QString());
        break;
    }
    default:
        break;
    }
    bottomTip()->clearData();
}

void InvitationController::onBottomTipWidgeReject(BottomTipWidget::BottomTipType type)
{
    KP_BusinessView* root = business();
    switch (type) {
    case BottomTipWidget::BottomTip_VidyoCall:
    case BottomTipWidget::BottomTip_VidyoMeeting:
        root->getVidyoView()->RejectVidyo(m_lastVidyoInvitation);
        break;
    case BottomTipWidget::BottomTip_VoiceMeeting:
    case BottomTipWidget::BottomTip_VideoMeeting:
        root->getMeetingView()->rejectMeeting();
        break;
    case BottomTipWidget::BottomTip_Conference:
        rejectConference(BottomTipWidget::kConfIdKey);
        break;
    default:
        break;
    }
    bottomTip()->clearData();
}

void InvitationController::rejectConference(int variantKey)
{
    const QString confId = bottomTip()->variant(variantKey);
    if (confId.isEmpty())
        return;
    UnifiedConferenceView* conf = business()->getUnifiedConferenceView();
    conf->rejectInvitation(confId, bottomTip()->getFromAccount(), BusinessReason::InvitationRefused);
    conf->resetInviteConfId();
}

void InvitationController::onInviteNormalConferenceClose(const Agent_ConfNtyMsg& msg)
{
    if (msg.confId.isEmpty()) {
        // It would match a notification that holds no invitation at all.
        AreaLog::facade().LogInfo(
            QStringLiteral("InvitationController::onInviteNormalConferenceClose without conference id"));
        return;
    }
    bool handled = false;
    if (bottomTip()->variant(BottomTipWidget::kConfIdKey) == msg.confId) {
        bottomTip()->closeBottomTip();
        handled = true;
    }
    if (m_groupBox && m_groupBox->getConfId() == msg.confId) {
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN);
        handled = true;
    }
    const bool open = m_conference.runningConferenceId() == msg.confId;
    const QString tip = InvitationPolicy::invitationClosedTip(msg.result, msg.kind);
    if ((handled || open) && !tip.isEmpty())
        emit UI_ControlView::instance()->sig_showMsgTip(tip, POPUP_HANDLE_MAIN);
}

void InvitationController::onInviteRejectConference()
{
    if (bottomTip()->isVisible())
        bottomTip()->slot_onCancelBtn();
}

void InvitationController::onStopInviteNormalConference()
{
    bottomTip()->closeWidget();
    hideMaskOfGroupBox();
}

void InvitationController::onOtherDeviceAnswer()
{
    const InvitationPolicy::Notice notice = InvitationPolicy::otherDeviceAnswered();
    BottomTipWidget* tip = bottomTip();
    tip->close();
    tip->setMessageTitle(notice.title);
    tip->setMessageType(tipType(notice));
    tip->setMessageText(notice.text);
    tip->setBtnText(KP_MediaConfUI::tr("OK"), KP_MediaConfUI::tr("Cancle"));
    tip->BottomTipShow();
}

void InvitationController::reserveConfInviteNofity(const ConferenceBriefInfo& confInfo)
{
    if (!m_reminder)
        m_reminder.replace(nullptr);
    m_reminder->setMessageType(MessageTipWidget::Tip_ReserveReminder);
    m_reminder->setConfInfo(confInfo.confId, confInfo.subject, confInfo.startTime);
    m_reminder->bottomTipShow();
}

void InvitationController::closeInvitationOfReleasedCall(int reason, const Agent_VoIPCallMsg& msg)
{
    if (reason != BusinessReason::Success || msg.eventCode != VOIP_EVENT_RELEASED)
        return;
    const BottomTipWidget::BottomTipType type = bottomTip()->getMessageType();
    if ((type == BottomTipWidget::BottomTip_VoiceMeeting || type == BottomTipWidget::BottomTip_VideoMeeting)
        && business()->getMeetingView()->getInviteMeetingCallid() == msg.callId)
        closeTipAndMask();
}

void InvitationController::destroyReminder()
{
    m_reminder.destroyNow();
}

void InvitationController::closeInvitations()
{
    m_groupBox.closeAndDestroy();
    // Nobody is left to answer the notification: it lapses as if closed.
    if (bottomTip()->isVisible())
        bottomTip()->closeBottomTip();
}
