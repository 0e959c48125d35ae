#include "facade/KP_MediaConfUI.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "common/AreaLog.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/MessageTipWidget.h"
#include "customui/SectionStaffWindow.h"
#include "policy/FacadePolicy.h"
#include "util/AppEnvionmentSetting.h"
#include "util/KP_Util.h"

#include <QEventLoop>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaType>
#include <QSet>

namespace {

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}

constexpr int kSuccess = 200;
constexpr int kEventReleased = 4;
constexpr int kMediaFree = 300;
constexpr int kGroupConference = 6;
constexpr int kMaskTag = 2;

} // namespace

KP_MediaConfUI::KP_MediaConfUI()
    : QObject(nullptr)
{
    m_pMessageNotice = new MessageNotice(nullptr);
    InitConnect();
}

KP_MediaConfUI::~KP_MediaConfUI()
{
    slot_destructorChildWgt();
}

void KP_MediaConfUI::startLaunchConf(QString, QString, QString)
{
    AreaLog::facade().LogInfo(
        QStringLiteral("KP_MediaConfUI::startLaunchConf the launch flow is not part of this build"));
}

void KP_MediaConfUI::setLaunchExtendParam(QString, QString, QString) { }

void KP_MediaConfUI::InitConnect()
{
    AreaLog::facade().LogDebug(QStringLiteral("KP_MediaConfUI"));
    registerBusinessMetaTypes();
    qRegisterMetaType<Agent_VoIPCallMsg>("Agent_VoIPCallMsg");
    qRegisterMetaType<Agent_VoIPComingInfo>("Agent_VoIPComingInfo");
    qRegisterMetaType<QSharedPointer<AddressBookPerson>>("QSharedPointer<AddressBookPerson>");
    qRegisterMetaType<ConferenceBriefInfo>("ConferenceBriefInfo");
    qRegisterMetaType<Agent_ConfNtyMsg>("Agent_ConfNtyMsg");

    // Senders are fetched afresh for every row, as the client's views may be
    // replaced between modules; the table order is the order of delivery.
    KP_BusinessView* root = business();
    connect(root->getVoipView(), SIGNAL(sig_CallEvents(int, Agent_VoIPCallMsg)), this,
        SLOT(slot_CallEvents(int, Agent_VoIPCallMsg)));
    connect(root->getVoipView(), SIGNAL(sig_ShowVoipCallWnd(int, QString, bool)), this,
        SLOT(slot_ShowVoipCallWnd(int, QString, bool)));
    connect(root->getVoipView(), SIGNAL(sig_CallIncoming(Agent_VoIPComingInfo)), this,
        SLOT(slot_ShowCallIncomingWnd(Agent_VoIPComingInfo)));
    connect(root->getVidyoView(), SIGNAL(signal_getPlayerWidget(VidyoView::VidyoViewStartVidyoType)), this,
        SLOT(slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType)));
    connect(root->getVidyoView(), SIGNAL(signal_VidyoCall(VidyoJsonTransferData&)), this,
        SLOT(slot_onCallVidyo(VidyoJsonTransferData&)));
    connect(root->getMeetingView(), SIGNAL(sig_showMeetingWidget(int)), this, SLOT(slot_showMeetingWidget(int)));
    connect(root->getMeetingView(), SIGNAL(sig_onInviteMeetingCall(int, QString, QString)), this,
        SLOT(slot_onInviteMeetingCall(int, QString, QString)));
    connect(root->getMeetingView(), SIGNAL(sig_closeVoiceMeeting()), this, SLOT(slot_closeVoiceMeeting()));
    connect(root->getMeetingView(), SIGNAL(sig_closeVideoMeeting()), this, SLOT(slot_closeVideoMeeting()));
    connect(root->getVoipView(), SIGNAL(sig_closeVideoCallWnd()), this, SLOT(slot_closeVideoCallWnd()));
    connect(BottomTipWidget::instance(), SIGNAL(signal_Accept(const BottomTipWidget::BottomTipType&)), this,
        SLOT(slot_onBottomTipWidgeAccept(const BottomTipWidget::BottomTipType&)));
    connect(BottomTipWidget::instance(), SIGNAL(signal_Reject(const BottomTipWidget::BottomTipType&)), this,
        SLOT(slot_onBottomTipWidgeReject(const BottomTipWidget::BottomTipType&)));
    connect(root->getVidyoView(), SIGNAL(signal_OtherDeviceAnswer()), this, SLOT(slot_CloseBottomTipWidget()));
    connect(root->getVidyoView(), SIGNAL(signal_OtherDeviceHangUp()), this, SLOT(slot_CloseBottomTipWidget()));
    connect(root->getVidyoView(), SIGNAL(signal_OtherRefuse(VidyoJsonTransferData)), this,
        SLOT(slot_onOtherRefuse(VidyoJsonTransferData)));
    connect(root->getVidyoView(), SIGNAL(signal_confOtherRefuse(VidyoJsonTransferData)), this,
        SLOT(slot_confOtherRefuse(VidyoJsonTransferData)));
    connect(root->getVidyoView(), SIGNAL(signal_OtherHangUp(VidyoJsonTransferData)), this,
        SLOT(slot_onOtherHangUp(VidyoJsonTransferData)));
    connect(root->getVidyoView(), SIGNAL(signal_remoteSourceRemoved(QString, int)), this,
        SLOT(slot_remoteSourceRemoved(QString, int)));
    connect(root->getVidyoView(), SIGNAL(signal_HaveRemovedOut(VidyoJsonTransferData)), this,
        SLOT(slot_onHaveRemovedOut(VidyoJsonTransferData)));
    connect(root->getVidyoView(), SIGNAL(signal_OtherBusy(QSharedPointer<AddressBookPerson>)), this,
        SLOT(slot_onOtherBusy(QSharedPointer<AddressBookPerson>)));
    connect(root->getVidyoView(), SIGNAL(signal_InviteOverTime(int)), this, SLOT(slot_onInviteOverTime(int)));
    connect(root->getVidyoView(), SIGNAL(signal_Vidyoing()), this, SLOT(slot_onVidyoing()));
    connect(root->getVidyoView(), SIGNAL(signal_CompereStopVidyo()), this, SLOT(slot_onCompereStopVidyo()));
    connect(root->getVidyoView(), SIGNAL(signal_LoginSever(bool)), this, SLOT(slot_onLoginSever(bool)));
    connect(root->getVidyoView(), SIGNAL(signal_CloseDialMeettingWidget()), this, SLOT(slot_CloseDialMeettingWidget()));
    connect(root->getVidyoView(), SIGNAL(signal_StartVidyofaild()), this, SLOT(slot_onVidyovideofailed()));
    connect(root->getVidyoView(), SIGNAL(signal_GetVidyoInfofaild()), this, SLOT(slot_GetVidyoInfofaild()));
    connect(root->getMeetingView(), SIGNAL(sig_onDialInviteJoinMeetingFaild(int)), this,
        SLOT(slot_onDialInviteJoinMeetingFaild(int)));
    connect(root->getVidyoView(), SIGNAL(signal_RemovedOutPerson(QSharedPointer<AddressBookPerson>)), this,
        SLOT(slot_onRemovedOutPerson(QSharedPointer<AddressBookPerson>)));
    connect(root->getVidyoView(), SIGNAL(signal_CloseBottomWidget(VidyoJsonTransferData)), this,
        SLOT(slot_onCloseBottomWidget(VidyoJsonTransferData)));
    connect(root->getUnifiedConferenceView(),
        SIGNAL(sig_showConferenceMainWidget(ENUM_CONFERENCE_TYPE, ENUM_CONFERENCE_MEDIA_TYPE, bool)), this,
        SLOT(slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE, ENUM_CONFERENCE_MEDIA_TYPE, bool)));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_closeConferenceMainWidget()), this,
        SLOT(slot_closeConferenceMainWidget()));
    connect(root->getLoginView(), SIGNAL(sig_onControlWindow(int)), this, SLOT(slot_closeConferenceMainWidget()));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_onInviteNormalConference(ConferenceBriefInfo, QString)), this,
        SLOT(slot_onInviteNormalConference(ConferenceBriefInfo, QString)));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_onInviteNormalConferenceClose(Agent_ConfNtyMsg)), this,
        SLOT(slot_onInviteNormalConferenceClose(Agent_ConfNtyMsg)));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_onInviteRejectConference()), this,
        SLOT(slot_onInviteRejectConference()));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_onStopInviteNormalConference()), this,
        SLOT(slot_onStopInviteNormalConference()));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_reserveConfInviteNofity(ConferenceBriefInfo)), this,
        SLOT(slot_reserveConfInviteNofity(ConferenceBriefInfo)));
    connect(root->getVoipView(), SIGNAL(sig_AcceptCallIncoming(Agent_VoIPComingInfo)), this,
        SLOT(slot_AcceptCallIncoming(Agent_VoIPComingInfo)));
    connect(root->getUnifiedConferenceView(), SIGNAL(sig_onOperatorConferenceError(QString, int)), this,
        SLOT(slot_onOperatorConferenceError(QString, int)));
    connect(root->getUnifiedConferenceView(), &UnifiedConferenceView::sig_showSelectConfMemberWidget, this,
        &KP_MediaConfUI::slot_showSelectConfMemberWidget);
    connect(root->getUnifiedConferenceView(), &UnifiedConferenceView::sig_onlySelectConfMembers, this,
        &KP_MediaConfUI::slot_onlySelectConfMembers);
    connect(root->getGroupMgrView(), SIGNAL(sig_onQueryConferenceMember(int, QString, QList<Agent_GroupMember>)), this,
        SLOT(slot_onQueryConferenceMember(int, QString, QList<Agent_GroupMember>)));
}

// ---------------------------------------------------------------------------
// Teardown

void KP_MediaConfUI::slot_destructorChildWgt()
{
    auto closeAndDelete = [](auto*& window) {
        if (window) {
            window->close();
            delete window;
            window = nullptr;
        }
    };
    // The Vidyo and meeting windows join this order as they are built.
    closeAndDelete(m_pVoiceCallWnd);
    closeAndDelete(m_pCallIncomingWnd);
    closeAndDelete(m_pMessageNotice);
    closeAndDelete(m_pVideoCallWnd);
    closeAndDelete(m_pMsgBox);
    m_pRemovePerson.reset();
    delete m_pReserveTip;
    m_pReserveTip = nullptr;
}

// ---------------------------------------------------------------------------
// Invitations and the bottom notification

QString KP_MediaConfUI::displayName(const QString& account) const
{
    const QSharedPointer<AddressBookPerson> person
        = business()->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
    return person ? person->displayName() : QString();
}

void KP_MediaConfUI::closeTipAndMask()
{
    BottomTipWidget::instance()->closeBottomTip();
    if (m_pGroupConfMsgBox)
        emit UI_ControlView::instance()->sig_hideMaskWgt(PopUpHandleType(kMaskTag));
}

void KP_MediaConfUI::slot_onCallVidyo(VidyoJsonTransferData& data)
{
    m_lastVidyoInvitation = data;
    BottomTipWidget* tip = BottomTipWidget::instance();
    const QString name = displayName(data.fromAccount);
    bool numeric = false;
    const int kind = data.callKind.toInt(&numeric);
    switch (numeric ? kind : -1) {
    case 0:
        tip->setMessageTitle(tr("Video invitation"));
        tip->setMessageType(BottomTipWidget::BottomTip_VidyoCall);
        tip->setMessageText(name + tr("You receive a video invitation!"));
        break;
    case 1:
        tip->setMessageTitle(tr("Video meeting invitation"));
        tip->setMessageType(BottomTipWidget::BottomTip_VidyoMeeting);
        tip->setMessageText(name + tr("You receive a video meeting invitation!"));
        break;
    default:
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_onCallVidyo unknown call kind ") + data.callKind);
        break;
    }
    tip->setBtnText(tr("Accept"), tr("No"));
    tip->BottomTipShow();
}

void KP_MediaConfUI::slot_onInviteMeetingCall(int meetingType, QString caller, QString confId)
{
    BottomTipWidget* tip = BottomTipWidget::instance();
    QString title;
    QString text;
    BottomTipWidget::BottomTipType type = BottomTipWidget::BottomTip_None;
    if (meetingType == 1) {
        title = tr("A Voice meeting invitation");
        text = caller + tr(" Invite you to an audio conference");
        type = BottomTipWidget::BottomTip_VoiceMeeting;
    } else if (meetingType == 2) {
        title = tr("Video meeting invitation");
        text = caller + tr("Invite you to a video conference");
        type = BottomTipWidget::BottomTip_VideoMeeting;
    } else {
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_onInviteMeetingCall unknown meeting type %1").arg(meetingType));
    }
    tip->setMessageTitle(title);
    tip->setVariant(confId, BottomTipWidget::kConfIdKey);
    tip->setMessageType(type);
    tip->setMessageText(text);
    tip->setBtnText(tr("Accept"), tr("No"));
    tip->BottomTipShow();
}

void KP_MediaConfUI::slot_onInviteNormalConference(ConferenceBriefInfo confInfo, QString sender)
{
    const QString name = displayName(sender);
    if (confInfo.extension.contains(QLatin1String("groupId"))) {
        const QString text = name + tr("You are invited to the integrated meeting");
        if (m_pGroupConfMsgBox) {
            AreaLog::facade().LogInfo(
                QStringLiteral("KP_MediaConfUI::slot_onInviteNormalConference group invitation dropped: ")
                + confInfo.confId);
            return;
        }
        m_pGroupConfMsgBox = new GroupConfMsgBox(nullptr);
        m_pGroupConfMsgBox->setConferenceInfo(confInfo.confId, confInfo.extension);
        m_pGroupConfMsgBox->setInviteMessage(text);
        emit UI_ControlView::instance()->sig_showMaskWgt(m_pGroupConfMsgBox.data(), PopUpHandleType(kMaskTag));
        return;
    }

    BottomTipWidget* tip = BottomTipWidget::instance();
    if (tip->isVisible()) {
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_onInviteNormalConference invitation dropped: ") + confInfo.confId);
        return;
    }
    const QString phrase = business()->getUnifiedConferenceView()->getInviteConfType() == 3
        ? tr("You are invited to attend the training meeting")
        : tr("You are invited to the integrated meeting");
    tip->setMessageTitle(name + phrase);
    tip->setMessageType(BottomTipWidget::BottomTip_Conference);
    tip->setVariant(confInfo.confId, BottomTipWidget::kConfIdKey);
    tip->setConferenceInfo(confInfo);
    tip->setBtnText(tr("Accept"), tr("No"));
    tip->setFromAccount(sender);
    tip->BottomTipShow();
}

void KP_MediaConfUI::slot_onBottomTipWidgeAccept(const BottomTipWidget::BottomTipType& type)
{
    KP_BusinessView* root = business();
    switch (type) {
    case BottomTipWidget::BottomTip_VidyoCall:
        initVidyoShow(1);
        root->getVidyoView()->AcceptVidyo(m_lastVidyoInvitation, 1);
        break;
    case BottomTipWidget::BottomTip_VidyoMeeting:
        initVidyoShow(4);
        root->getVidyoView()->AcceptVidyo(m_lastVidyoInvitation, 4);
        break;
    case BottomTipWidget::BottomTip_VoiceMeeting:
    case BottomTipWidget::BottomTip_VideoMeeting:
        root->getMeetingView()->acceptMeeting();
        break;
    case BottomTipWidget::BottomTip_Conference: {
        UnifiedConferenceView* conf = root->getUnifiedConferenceView();
        conf->setConferenceType(CONFERENCE_TYPE_UNIFIED);
        if (m_pConferenceMainUi)
            conf->leaveConference(conferenceIdOfMainWindow());
        conf->joinConference(BottomTipWidget::instance()->variant(BottomTipWidget::kConfIdKey), QString(), 128,
            ENUM_CONFERENCE_TYPE(1), 1, 0, QString());
        break;
    }
    default:
        break;
    }
    BottomTipWidget::instance()->clearData();
}

void KP_MediaConfUI::slot_onBottomTipWidgeReject(const BottomTipWidget::BottomTipType& type)
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
    BottomTipWidget::instance()->clearData();
}

void KP_MediaConfUI::rejectConference(int variantKey)
{
    BottomTipWidget* tip = BottomTipWidget::instance();
    const QString confId = tip->variant(variantKey);
    if (confId.isEmpty())
        return;
    UnifiedConferenceView* conf = business()->getUnifiedConferenceView();
    conf->rejectInvitation(confId, tip->getFromAccount(), 107603);
    conf->resetInviteConfId();
}

void KP_MediaConfUI::slot_onInviteNormalConferenceClose(Agent_ConfNtyMsg msg)
{
    if (msg.confId.isEmpty()) {
        // Would match a notification that holds no invitation at all.
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_onInviteNormalConferenceClose without conference id"));
        return;
    }
    bool handled = false;
    BottomTipWidget* tip = BottomTipWidget::instance();
    if (tip->variant(BottomTipWidget::kConfIdKey) == msg.confId) {
        tip->closeBottomTip();
        handled = true;
    }
    if (m_pGroupConfMsgBox && m_pGroupConfMsgBox->getConfId() == msg.confId) {
        emit UI_ControlView::instance()->sig_hideMaskWgt(PopUpHandleType(kMaskTag));
        handled = true;
    }
    const bool open = m_pConferenceMainUi && conferenceIdOfMainWindow() == msg.confId;
    if ((handled || open) && msg.kind != 20) {
        if (msg.result.isEmpty())
            emit UI_ControlView::instance()->sig_showMsgTip(tr("The other end is answered"), PopUpHandleType(kMaskTag));
        else if (msg.result == QLatin1String("107781"))
            emit UI_ControlView::instance()->sig_showMsgTip(tr("Other ends have refused"), PopUpHandleType(kMaskTag));
    }
}

void KP_MediaConfUI::slot_onInviteRejectConference()
{
    BottomTipWidget* tip = BottomTipWidget::instance();
    if (tip->isVisible())
        tip->slot_onCancelBtn();
}

void KP_MediaConfUI::slot_onStopInviteNormalConference()
{
    BottomTipWidget::instance()->closeWidget();
    if (m_pGroupConfMsgBox)
        emit UI_ControlView::instance()->sig_hideMaskWgt(PopUpHandleType(kMaskTag));
}

void KP_MediaConfUI::slot_CloseBottomTipWidget()
{
    closeTipAndMask();
}

void KP_MediaConfUI::slot_onCloseBottomWidget(VidyoJsonTransferData)
{
    closeTipAndMask();
}

void KP_MediaConfUI::slot_onOtherDeviceAnswer()
{
    BottomTipWidget* tip = BottomTipWidget::instance();
    tip->close();
    tip->setMessageTitle(tr("Video invitation"));
    tip->setMessageType(BottomTipWidget::BottomTip_OtherDeviceAnswered);
    tip->setMessageText(tr("Answered by other device!"));
    tip->setBtnText(tr("OK"), tr("Cancle"));
    tip->BottomTipShow();
}

void KP_MediaConfUI::slot_reserveConfInviteNofity(ConferenceBriefInfo confInfo)
{
    if (!m_pReserveTip)
        m_pReserveTip = new MessageTipWidget(nullptr);
    m_pReserveTip->setMessageType(1);
    m_pReserveTip->setConfInfo(confInfo.confId, confInfo.subject, confInfo.startTime);
    m_pReserveTip->bottomTipShow();
}

// ---------------------------------------------------------------------------
// Vidyo meeting

void KP_MediaConfUI::initVidyoShow(int type)
{
    if (!m_pVidyoWidget) {
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::initVidyoShow no meeting window in this build, type %1").arg(type));
        return;
    }
}

void KP_MediaConfUI::slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType type)
{
    initVidyoShow(int(type));
}

void KP_MediaConfUI::slot_onCloseVidyoWidget() { }

void KP_MediaConfUI::closeVidyoLater()
{
    // The meeting window, once part of the build, closes itself 3 s after this.
    if (m_pVidyoWidget)
        AreaLog::facade().LogInfo(QStringLiteral("KP_MediaConfUI::closeVidyoLater"));
}

namespace {
// Every Vidyo message uses the same box: no title, message type 0, a single button.
constexpr int kVidyoBoxType = 0;
const QFlags<KpMsgBox::KpButton> kVidyoButtons(4);
} // namespace

void KP_MediaConfUI::slot_onOtherRefuse(VidyoJsonTransferData data)
{
    closeTipAndMask();
    showMessagebox(
        QString(), displayName(data.fromAccount) + tr("Your invitation rejected!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
}

void KP_MediaConfUI::slot_confOtherRefuse(VidyoJsonTransferData data)
{
    showMessagebox(
        QString(), displayName(data.fromAccount) + tr("Your invitation rejected!"), kVidyoBoxType, kVidyoButtons, true);
}

void KP_MediaConfUI::slot_onOtherHangUp(VidyoJsonTransferData data)
{
    const QString account = data.fromAccount;
    if (account == business()->getUserInfoView()->getCurUserAccount())
        return; // the user's own hang-up needs no message
    showMessagebox(QString(), displayName(account) + tr("Cancelled!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
    closeTipAndMask();
}

void KP_MediaConfUI::slot_remoteSourceRemoved(QString account, int)
{
    if (account == business()->getUserInfoView()->getCurUserAccount())
        return;
    showMessagebox(QString(), displayName(account) + tr("User disconnected link!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
    closeTipAndMask();
}

void KP_MediaConfUI::slot_onHaveRemovedOut(VidyoJsonTransferData)
{
    closeTipAndMask();
    showMessagebox(QString(), tr("You were removed from the meeting!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
}

void KP_MediaConfUI::slot_onOtherBusy(QSharedPointer<AddressBookPerson> person)
{
    const QString who = person ? person->displayName() : tr("The user");
    showMessagebox(QString(), who + tr("Busy now!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
}

void KP_MediaConfUI::slot_onInviteOverTime(int type)
{
    if (type == 1) {
        showMessagebox(QString(), tr("The other party’s mobile phone is not around, please try again later"),
            kVidyoBoxType, kVidyoButtons, true);
        return;
    }
    closeVidyoLater();
    showMessagebox(QString(), tr("Connection timeout, video call canceled"), kVidyoBoxType, kVidyoButtons, true);
}

void KP_MediaConfUI::slot_onVidyoing()
{
    showMessagebox(QString(), tr("Please close the current video and then go on to the next video!"), kVidyoBoxType,
        kVidyoButtons, true);
}

void KP_MediaConfUI::slot_onCompereStopVidyo()
{
    closeTipAndMask();
    showMessagebox(QString(), tr("The meeting disbanded by the host!"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
}

void KP_MediaConfUI::slot_onVidyovideofailed()
{
    if (m_pVidyoWidget)
        showMessagebox(QString(), tr("Your video connection is abnormal!"), kVidyoBoxType, kVidyoButtons, false);
}

void KP_MediaConfUI::slot_GetVidyoInfofaild()
{
    if (m_pVidyoWidget)
        showMessagebox(
            QString(), tr("You may have a network connection problem!"), kVidyoBoxType, kVidyoButtons, false);
}

void KP_MediaConfUI::slot_onDialInviteJoinMeetingFaild(int reason)
{
    if (m_pVidyoWidget)
        showMessagebox(QString(), tr("Failed to join in-line video conference: %1").arg(reason), kVidyoBoxType,
            kVidyoButtons, false);
}

void KP_MediaConfUI::slot_CloseDialMeettingWidget()
{
    if (!m_pVidyoWidget)
        return;
    showMessagebox(QString(), tr("Failed to join the video conference"), kVidyoBoxType, kVidyoButtons, true);
    closeVidyoLater();
}

void KP_MediaConfUI::slot_onLoginSever(bool state)
{
    if (!state)
        showMessagebox(QString(), tr("Server logging in failed!"), kVidyoBoxType, kVidyoButtons, true);
}

void KP_MediaConfUI::slot_onCloseMainWidgetAll()
{
    closeTipAndMask();
    closeVidyoLater();
}

void KP_MediaConfUI::slot_onRemovedOutPerson(QSharedPointer<AddressBookPerson> person)
{
    m_pRemovePerson = person;
    const QString text
        = tr("Sure to delete") + (person ? person->displayName() + QStringLiteral("!") : tr("the user!"));
    showMessagebox(QString(), text, 10, QFlags<KpMsgBox::KpButton>(3), false);
}

void KP_MediaConfUI::slot_onMessageAccept(int type)
{
    if (type == 10)
        business()->getVidyoView()->removeOutMeeting(m_pRemovePerson);
}

void KP_MediaConfUI::showMessagebox(
    const QString& title, const QString& text, int type, QFlags<KpMsgBox::KpButton> buttons, bool autoClose)
{
    if (!m_pMsgBox) {
        m_pMsgBox = new KpMsgBox(nullptr);
        connect(m_pMsgBox, qOverload<int>(&KpMsgBox::signal_Accept), this, &KP_MediaConfUI::slot_onMessageAccept);
    }
    m_pMsgBox->setMessageTitle(title);
    m_pMsgBox->setMessageText(text);
    m_pMsgBox->setMessageType(type);
    m_pMsgBox->setStandardButtons(buttons);
    m_pMsgBox->show();
    m_pMsgBox->setFocus(Qt::OtherFocusReason);
    if (autoClose)
        m_pMsgBox->startCloseWidgetTimeOut();
}

// ---------------------------------------------------------------------------
// Conference windows and conference errors

void KP_MediaConfUI::slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE, bool)
{
    business()->getUnifiedConferenceView()->queryConfenceAppSetting();
    AreaLog::facade().LogInfo(
        QStringLiteral("KP_MediaConfUI::slot_showConferenceMainWidget no conference window in this build, "
                       "type %1")
            .arg(int(confType)));
}

void KP_MediaConfUI::slot_closeConferenceMainWidget()
{
    business()->getMultimediaMgrView()->resetStatus();
    if (m_pVideoCallWnd) {
        // A video call that went on beside the conference renders in its own window again,
        // each picture in the pane the call window bound it to (remote first).
        AreaLog::facade().LogInfo(QStringLiteral("Before_Set_Video_View"));
        business()->getVoipView()->setVideoViewEX(
            m_pVideoCallWnd->remoteRenderHandle(), m_pVideoCallWnd->localRenderHandle(), nullptr, nullptr);
    }
}

QString KP_MediaConfUI::conferenceIdOfMainWindow() const
{
    return QString();
}

void KP_MediaConfUI::slot_onOperatorConferenceError(QString text, int reason)
{
    const QString shown = FacadePolicy::conferenceErrorText(text, reason);
    if (shown.isEmpty()) {
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_onOperatorConferenceError no text for reason %1").arg(reason));
        return;
    }
    emit UI_ControlView::instance()->sig_showMsgTip(shown, PopUpHandleType(kMaskTag));
}

// ---------------------------------------------------------------------------
// Member picker and conference creation

void KP_MediaConfUI::slot_onlySelectConfMembers(QList<QString> listMember, int nType)
{
    if (!m_pSelectStaffWnd)
        m_pSelectStaffWnd = new SectionStaffWindow(nType, nullptr);
    AreaLog::facade().LogDebug(QStringLiteral("=================================="));
    m_pSelectStaffWnd->setDefaultStaff(listMember);
    m_pSelectStaffWnd->setIsInMask(false, PopUpHandleType(0));
    m_pSelectStaffWnd->show();
    m_pSelectStaffWnd->activateWindow();
    m_pSelectStaffWnd->raise();
}

void KP_MediaConfUI::slot_showSelectConfMemberWidget(
    bool createConf, ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType)
{
    if (int(confType) != kGroupConference)
        return;
    KP_BusinessView* root = business();
    const QJsonDocument doc
        = QJsonDocument::fromJson(root->getUnifiedConferenceView()->getConfInfo().extension.toUtf8());
    const QString groupId = doc.object().value(QLatin1String("groupId")).toString();
    if (groupId.isEmpty()) {
        AreaLog::facade().LogInfo(QStringLiteral("KP_MediaConfUI::slot_showSelectConfMemberWidget no group id"));
        return;
    }
    const QSharedPointer<AddressBookGroup> group = root->getGroupMgrView()->getOneAddressBookGroup(groupId, true);
    if (!group || group->isDisbanded()) {
        emit UI_ControlView::instance()->sig_showMsgTip(tr("The group has been disbanded"), PopUpHandleType(kMaskTag));
        return;
    }
    createConference(groupId, group->memberAccounts(), confType, mediaType, createConf);
}

void KP_MediaConfUI::slot_onQueryConferenceMember(int, QString groupid, QList<Agent_GroupMember> list)
{
    QStringList members;
    members.reserve(list.size());
    for (const Agent_GroupMember& member : qAsConst(list))
        members.append(member.account);
    createConference(groupid, members, ENUM_CONFERENCE_TYPE(groupid.isEmpty() ? 1 : kGroupConference),
        ENUM_CONFERENCE_MEDIA_TYPE(2), true);
}

void KP_MediaConfUI::createConference(
    QString groupId, QStringList members, ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media, bool create)
{
    AddressBookView* book = business()->getAddressBookView();
    QList<QSharedPointer<AddressBookBase>> persons;
    for (const QString& account : qAsConst(members)) {
        const QSharedPointer<AddressBookPerson> person = book->getAddressBookOnePerson_Account(account, false);
        if (person && person->isValidPerson(false))
            persons.append(person);
    }
    auto* picker = new SectionStaffWindow(10, nullptr);
    connect(picker, &SectionStaffWindow::sig_returnAccouts, this,
        [this, groupId, type, media, create](
            QStringList accounts, int) { onPickedConferenceMembers(groupId, type, media, create, accounts); });
    picker->setOnlyDefaultStaff(members, persons);
    emit UI_ControlView::instance()->sig_showMaskWgt(picker, PopUpHandleType(kMaskTag));
}

void KP_MediaConfUI::onPickedConferenceMembers(const QString& groupId, ENUM_CONFERENCE_TYPE type,
    ENUM_CONFERENCE_MEDIA_TYPE media, bool create, QStringList accounts)
{
    KP_BusinessView* root = business();
    if (!create) {
        // Inviting by telephone into the running conference.
        QMap<QString, LandingCallMember> phones;
        for (const QString& account : qAsConst(accounts)) {
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
        return;
    }

    const int status = root->getMultimediaMgrView()->getMultimediaStatus();
    if (status != kMediaFree) {
        // The devices are busy with another call or meeting: say so and create nothing.
        auto* box = new KpMsgBox(nullptr);
        box->setMultimediaTip(MultimediaStatusEnum(status));
        QEventLoop loop;
        connect(box, qOverload<int>(&KpMsgBox::signal_Accept), &loop, &QEventLoop::quit);
        connect(box, qOverload<int>(&KpMsgBox::signal_Reject), &loop, &QEventLoop::quit);
        connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
        box->show();
        loop.exec();
        box->deleteLater();
        return;
    }

    const QString subject = root->getUserInfoView()->getCurUserName() + tr("Meetings initiated");
    accounts.removeAll(root->getUserInfoView()->getCurUserAccount());
    if (!groupId.isEmpty() && accounts.isEmpty()) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            tr("Two people are required to open the Jiugongge meeting"), PopUpHandleType(kMaskTag));
        return;
    }
    root->getUnifiedConferenceView()->createConferenceAndInvite(
        subject, QString(), accounts, groupId, type, media, 196);
}

// ---------------------------------------------------------------------------
// Older meetings

void KP_MediaConfUI::slot_showMeetingWidget(int meetingType)
{
    AreaLog::facade().LogInfo(
        QStringLiteral("KP_MediaConfUI::slot_showMeetingWidget no meeting window in this build, type %1")
            .arg(meetingType));
}

void KP_MediaConfUI::slot_closeVoiceMeeting() { }

void KP_MediaConfUI::slot_closeVideoMeeting() { }

// ---------------------------------------------------------------------------
// One-to-one calls

void KP_MediaConfUI::slot_CallEvents(int reason, Agent_VoIPCallMsg msg)
{
    if (FacadePolicy::isVoiceCallType(msg.callType))
        OnHandleVoiceCallEvents(reason, msg);
    else if (FacadePolicy::isVideoCallType(msg.callType))
        onHandleVideoCallEvents(reason, msg);
    else
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_CallEvents unknown call type %1").arg(msg.callType));

    if (reason != kSuccess || msg.eventCode != kEventReleased)
        return;
    // A released call may be the one behind a pending meeting invitation.
    BottomTipWidget* tip = BottomTipWidget::instance();
    const BottomTipWidget::BottomTipType type = tip->getMessageType();
    if ((type == BottomTipWidget::BottomTip_VoiceMeeting || type == BottomTipWidget::BottomTip_VideoMeeting)
        && business()->getMeetingView()->getInviteMeetingCallid() == msg.callId) {
        tip->closeBottomTip();
        if (m_pGroupConfMsgBox)
            emit UI_ControlView::instance()->sig_hideMaskWgt(PopUpHandleType(kMaskTag));
    }
}

void KP_MediaConfUI::ShowErrMsgNotice(int reason)
{
    if (!m_pMessageNotice)
        return;
    const QString text = FacadePolicy::callFailureText(reason, KP_Util::GetErrMsgByReason(reason));
    AreaLog::facade().LogInfo(QStringLiteral("KP_MediaConfUI::ShowErrMsgNotice ") + text);
    m_pMessageNotice->SetMessageNotice(text);
}

namespace {

// A call event belongs to a call window when the callee or the call id agree.
bool matchesCall(const Agent_VoIPCallMsg& event, const Agent_VoIPCallMsg& window)
{
    return event.calleeAccount == window.calleeAccount || event.callId == window.callId;
}

} // namespace

bool KP_MediaConfUI::incomingMatches(const Agent_VoIPCallMsg& msg) const
{
    return m_pCallIncomingWnd && m_pCallIncomingWnd->getComingInfo().callId == msg.callId;
}

template<class CallWindow>
void KP_MediaConfUI::handleCallEvent(
    int reason, const Agent_VoIPCallMsg& msg, CallWindow* window, void (KP_MediaConfUI::*closeWindow)())
{
    const bool matching = window && matchesCall(msg, window->getCallInfo());
    switch (msg.eventCode) {
    case VOIP_EVENT_PROCEEDING:
        return;
    case VOIP_EVENT_ALERTING:
        if (matching) {
            window->setCallInfo(msg);
            window->show();
        }
        return;
    case VOIP_EVENT_ANSWERED:
        if (matching)
            window->setCallInfo(msg);
        return;
    case VOIP_EVENT_RELEASED:
        if (matching) {
            (this->*closeWindow)();
            emit business()->getWhiteBoardView()->sig_closeWhiteBoardMainWidget();
        }
        break;
    default: // ended, or an event the facade does not know: the window goes
        if (matching)
            (this->*closeWindow)();
        break;
    }
    // A released call, or an unknown event, also ends a ringing window of the same call.
    if (msg.eventCode != VOIP_EVENT_ENDED && incomingMatches(msg))
        CloseCallIncomingWnd();
    if (reason != kSuccess)
        ShowErrMsgNotice(reason);
}

void KP_MediaConfUI::OnHandleVoiceCallEvents(int reason, Agent_VoIPCallMsg msg)
{
    handleCallEvent(reason, msg, m_pVoiceCallWnd, &KP_MediaConfUI::slot_CloseVoiceWnd);
}

void KP_MediaConfUI::onHandleVideoCallEvents(int reason, Agent_VoIPCallMsg msg)
{
    handleCallEvent(reason, msg, m_pVideoCallWnd, &KP_MediaConfUI::slot_closeVideoCallWnd);
}

void KP_MediaConfUI::slot_ShowVoipCallWnd(int nCallType, QString called, bool fromCallComing)
{
    if (business()->getVoipView()->GetVoipCallStatus() != 0)
        return;
    if (m_pMessageNotice && !m_pMessageNotice->isHidden())
        m_pMessageNotice->close();
    if (FacadePolicy::isVoiceCallType(nCallType))
        ShowVoiceCallWnd(called, fromCallComing, QString(), nCallType);
    else if (FacadePolicy::isVideoCallType(nCallType))
        ShowVideoCallWnd(called, fromCallComing, QString(), nCallType);
    else
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_ShowVoipCallWnd unknown call type %1").arg(nCallType));
}

Agent_VoIPCallMsg KP_MediaConfUI::placeOrAnswer(
    const QString& account, bool answering, const QString& callId, int callType, bool logPlacing)
{
    KP_BusinessView* root = business();
    const QSharedPointer<AddressBookPerson> self = root->getAddressBookView()->getCurUserAddressBook();
    const QString selfAccount = self ? self->account() : root->getUserInfoView()->getCurUserAccount();
    Agent_VoIPCallMsg record;
    record.eventCode = VOIP_EVENT_PROCEEDING;
    record.callType = callType;
    if (answering) {
        root->getVoipView()->AcceptCall(callId);
        record.callId = callId;
        record.callerAccount = account;
        record.calleeAccount = selfAccount;
    } else {
        if (logPlacing)
            AreaLog::facade().LogInfo(QStringLiteral("Before_Make_Call"));
        root->getVoipView()->MakeCall(callType, account);
        if (logPlacing)
            AreaLog::facade().LogInfo(QStringLiteral("After_Make_Call"));
        record.callerAccount = selfAccount;
        record.calleeAccount = account;
    }
    return record;
}

void KP_MediaConfUI::ShowVoiceCallWnd(QString account, bool answering, QString callId, int callType)
{
    m_pVoiceCallWnd = new VoiceCall(nullptr);
    connect(m_pVoiceCallWnd, &VoiceCall::sig_CloseVoiceWnd, this, &KP_MediaConfUI::slot_CloseVoiceWnd);
    m_pVoiceCallWnd->setCallInfo(placeOrAnswer(account, answering, callId, callType, false));
    m_pVoiceCallWnd->show();
}

void KP_MediaConfUI::ShowVideoCallWnd(QString account, bool answering, QString callId, int callType)
{
    m_pVideoCallWnd = new VideoCall(nullptr);
    // Shown first: the panes need native surfaces before the call starts rendering.
    m_pVideoCallWnd->show();
    AreaLog::facade().LogInfo(QStringLiteral("Before_Set_Video_View"));
    if (AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle)
        m_pVideoCallWnd->bindVideoByHandle();
    else
        m_pVideoCallWnd->bindVideoByAccount(account);
    AreaLog::facade().LogInfo(QStringLiteral("After_Set_Video_View"));
    m_pVideoCallWnd->setCallInfo(placeOrAnswer(account, answering, callId, callType, true));
}

void KP_MediaConfUI::slot_CloseVoiceWnd()
{
    // The window releases the call when it is destroyed.
    delete m_pVoiceCallWnd;
    m_pVoiceCallWnd = nullptr;
}

void KP_MediaConfUI::slot_closeVideoCallWnd()
{
    business()->getVoipView()->setVideoViewEX(nullptr, nullptr, nullptr, nullptr);
    if (m_pVideoCallWnd) {
        m_pVideoCallWnd->deleteLater();
        m_pVideoCallWnd = nullptr;
    }
}

void KP_MediaConfUI::CloseCallIncomingWnd()
{
    delete m_pCallIncomingWnd;
    m_pCallIncomingWnd = nullptr;
}

void KP_MediaConfUI::slot_ShowCallIncomingWnd(Agent_VoIPComingInfo comingInfo)
{
    KP_BusinessView* root = business();
    if (m_pCallIncomingWnd || !root || !root->getVoipView() || root->getVoipView()->GetVoipCallStatus() != 0) {
        AreaLog::facade().LogInfo(
            QStringLiteral("KP_MediaConfUI::slot_ShowCallIncomingWnd not shown, call ") + comingInfo.callId);
        return;
    }
    m_pCallIncomingWnd = new VoipCallIncoming(nullptr);
    emit root->getMsgCtrl()->sig_onCloseVoicePlay();
    connect(
        m_pCallIncomingWnd, &VoipCallIncoming::sig_AcceptCallIncoming, this, &KP_MediaConfUI::slot_AcceptCallIncoming);
    connect(m_pCallIncomingWnd, &VoipCallIncoming::sig_ReleaseCallIncoming, this,
        &KP_MediaConfUI::slot_ReleaseCallIncoming);
    m_pCallIncomingWnd->setComingInfo(comingInfo);
    m_pCallIncomingWnd->show();
}

void KP_MediaConfUI::slot_AcceptCallIncoming(Agent_VoIPComingInfo comingInfo)
{
    if (m_pCallIncomingWnd && m_pCallIncomingWnd->getComingInfo().callId == comingInfo.callId)
        CloseCallIncomingWnd();
    if (comingInfo.callType == 0)
        ShowVoiceCallWnd(comingInfo.callerAccount, true, comingInfo.callId, 0);
    else if (comingInfo.callType == 1)
        ShowVideoCallWnd(comingInfo.callerAccount, true, comingInfo.callId, 0);
}

void KP_MediaConfUI::slot_ReleaseCallIncoming(Agent_VoIPComingInfo comingInfo)
{
    if (m_pCallIncomingWnd && m_pCallIncomingWnd->getComingInfo().callId == comingInfo.callId)
        CloseCallIncomingWnd();
}
