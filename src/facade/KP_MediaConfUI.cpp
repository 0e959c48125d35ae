#include "facade/KP_MediaConfUI.h"

#include "business/BusinessMetaTypes.h"
#include "business/BusinessRecorder.h"
#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "facade/CallWindowController.h"
#include "facade/ConferenceController.h"
#include "facade/InvitationController.h"
#include "facade/MeetingController.h"
#include "facade/MemberPickerController.h"
#include "facade/VidyoController.h"

#include <QMetaType>

// The area controllers, in the order they are made. Some Vidyo messages close
// the invitation's notification, which the invitation controller (made after
// the Vidyo controller, as it needs it) owns: the Vidyo controller is handed a
// call that runs only once both exist.
struct KP_MediaConfUI::Controllers
{
    CallWindowController calls;
    ConferenceController conference;
    VidyoController vidyo { [this] { invitations.closeTipAndMask(); } };
    InvitationController invitations { vidyo, conference };
    MeetingController meetings;
    MemberPickerController pickers;
};

KP_MediaConfUI::KP_MediaConfUI()
    : QObject(nullptr)
    , d(std::make_unique<Controllers>())
{
    // KP_MEDIACONF_RECORD=file records every business signal from here on,
    // before this facade's own connections see it.
    BusinessRecorder::startFromEnvironment();
    InitConnect();
}

KP_MediaConfUI::~KP_MediaConfUI()
{
    slot_destructorChildWgt();
    // What the teardown above leaves: the group box and the bottom
    // notification, which nobody can answer any more (the notification itself
    // is process-wide and stays), and the pickers.
    d->invitations.closeInvitations();
    d->pickers.destroyWindows();
}

void KP_MediaConfUI::startLaunchConf(QString first, QString second, QString third)
{
    d->conference.startLaunchConf(first, second, third);
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
    KP_BusinessView* root = KP_BusinessView::instance();
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

void KP_MediaConfUI::slot_destructorChildWgt()
{
    d->calls.destroyWindows();
    d->vidyo.destroyWindows();
    d->meetings.destroyWindows();
    d->vidyo.forgetPendingRemoval();
    d->invitations.destroyReminder();
}

void KP_MediaConfUI::rejectConference(int variantKey)
{
    d->invitations.rejectConference(variantKey);
}

void KP_MediaConfUI::slot_CallEvents(int reason, Agent_VoIPCallMsg msg)
{
    d->calls.callEvents(reason, msg);
    d->invitations.closeInvitationOfReleasedCall(reason, msg);
}

void KP_MediaConfUI::slot_ShowVoipCallWnd(int nCallType, QString called, bool fromCallComing)
{
    d->calls.showVoipCallWnd(nCallType, called, fromCallComing);
}

void KP_MediaConfUI::slot_CloseVoiceWnd()
{
    d->calls.closeVoiceWnd();
}

void KP_MediaConfUI::slot_ShowCallIncomingWnd(Agent_VoIPComingInfo comingInfo)
{
    d->calls.showCallIncomingWnd(comingInfo);
}

void KP_MediaConfUI::slot_ReleaseCallIncoming(Agent_VoIPComingInfo comingInfo)
{
    d->calls.releaseCallIncoming(comingInfo);
}

void KP_MediaConfUI::slot_AcceptCallIncoming(Agent_VoIPComingInfo comingInfo)
{
    d->calls.acceptCallIncoming(comingInfo);
}

void KP_MediaConfUI::slot_onCloseVidyoWidget()
{
    d->vidyo.onCloseVidyoWidget();
}

void KP_MediaConfUI::slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType type)
{
    d->vidyo.initVidyoShow(int(type));
}

void KP_MediaConfUI::slot_onCallVidyo(VidyoJsonTransferData& data)
{
    d->invitations.onCallVidyo(data);
}

void KP_MediaConfUI::slot_onBottomTipWidgeAccept(const BottomTipWidget::BottomTipType& type)
{
    d->invitations.onBottomTipWidgeAccept(type);
}

void KP_MediaConfUI::slot_onBottomTipWidgeReject(const BottomTipWidget::BottomTipType& type)
{
    d->invitations.onBottomTipWidgeReject(type);
}

void KP_MediaConfUI::slot_CloseBottomTipWidget()
{
    d->invitations.closeTipAndMask();
}

void KP_MediaConfUI::slot_onOtherRefuse(VidyoJsonTransferData data)
{
    d->vidyo.onOtherRefuse(data);
}

void KP_MediaConfUI::slot_confOtherRefuse(VidyoJsonTransferData data)
{
    d->vidyo.confOtherRefuse(data);
}

void KP_MediaConfUI::slot_onMessageAccept(int type)
{
    d->vidyo.onMessageAccept(type);
}

void KP_MediaConfUI::slot_onOtherHangUp(VidyoJsonTransferData data)
{
    d->vidyo.onOtherHangUp(data);
}

void KP_MediaConfUI::slot_remoteSourceRemoved(QString account, int)
{
    d->vidyo.remoteSourceRemoved(account);
}

void KP_MediaConfUI::slot_onHaveRemovedOut(VidyoJsonTransferData)
{
    d->vidyo.onHaveRemovedOut();
}

void KP_MediaConfUI::slot_onOtherDeviceAnswer()
{
    d->invitations.onOtherDeviceAnswer();
}

void KP_MediaConfUI::slot_onOtherBusy(QSharedPointer<AddressBookPerson> person)
{
    d->vidyo.onOtherBusy(person);
}

void KP_MediaConfUI::slot_onInviteOverTime(int type)
{
    d->vidyo.onInviteOverTime(type);
}

void KP_MediaConfUI::slot_onVidyoing()
{
    d->vidyo.onVidyoing();
}

void KP_MediaConfUI::slot_onCompereStopVidyo()
{
    d->vidyo.onCompereStopVidyo();
}

void KP_MediaConfUI::slot_onVidyovideofailed()
{
    d->vidyo.onVidyovideofailed();
}

void KP_MediaConfUI::slot_GetVidyoInfofaild()
{
    d->vidyo.getVidyoInfofaild();
}

void KP_MediaConfUI::slot_onDialInviteJoinMeetingFaild(int reason)
{
    d->vidyo.onDialInviteJoinMeetingFaild(reason);
}

void KP_MediaConfUI::slot_CloseDialMeettingWidget()
{
    d->vidyo.closeDialMeettingWidget();
}

void KP_MediaConfUI::slot_showMeetingWidget(int meetingType)
{
    d->meetings.showMeetingWidget(meetingType);
}

void KP_MediaConfUI::slot_onInviteMeetingCall(int meetingType, QString caller, QString confId)
{
    d->invitations.onInviteMeetingCall(meetingType, caller, confId);
}

void KP_MediaConfUI::slot_closeVoiceMeeting()
{
    d->meetings.closeVoiceMeeting();
}

void KP_MediaConfUI::slot_closeVideoMeeting()
{
    d->meetings.closeVideoMeeting();
}

void KP_MediaConfUI::slot_showConferenceMainWidget(
    ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType, bool flag)
{
    d->conference.showConferenceMainWidget(confType, mediaType, flag);
}

void KP_MediaConfUI::slot_closeConferenceMainWidget()
{
    d->conference.closeConferenceMainWidget();
    d->calls.rebindVideoAfterConference();
}

void KP_MediaConfUI::slot_onInviteNormalConference(ConferenceBriefInfo confInfo, QString sender)
{
    d->invitations.onInviteNormalConference(confInfo, sender);
}

void KP_MediaConfUI::slot_onInviteNormalConferenceClose(Agent_ConfNtyMsg msg)
{
    d->invitations.onInviteNormalConferenceClose(msg);
}

void KP_MediaConfUI::slot_onInviteRejectConference()
{
    d->invitations.onInviteRejectConference();
}

void KP_MediaConfUI::slot_onStopInviteNormalConference()
{
    d->invitations.onStopInviteNormalConference();
}

void KP_MediaConfUI::slot_reserveConfInviteNofity(ConferenceBriefInfo confInfo)
{
    d->invitations.reserveConfInviteNofity(confInfo);
}

void KP_MediaConfUI::slot_onOperatorConferenceError(QString text, int reason)
{
    d->conference.onOperatorConferenceError(text, reason);
}

void KP_MediaConfUI::slot_closeVideoCallWnd()
{
    d->calls.closeVideoCallWnd();
}

void KP_MediaConfUI::slot_onLoginSever(bool state)
{
    d->vidyo.onLoginSever(state);
}

void KP_MediaConfUI::slot_onRemovedOutPerson(QSharedPointer<AddressBookPerson> person)
{
    d->vidyo.onRemovedOutPerson(person);
}

void KP_MediaConfUI::slot_onCloseBottomWidget(VidyoJsonTransferData)
{
    d->invitations.closeTipAndMask();
}

void KP_MediaConfUI::slot_onCloseMainWidgetAll()
{
    d->vidyo.onCloseMainWidgetAll();
}

void KP_MediaConfUI::slot_onlySelectConfMembers(QList<QString> listMember, int nType)
{
    d->pickers.onlySelectConfMembers(listMember, nType);
}

void KP_MediaConfUI::slot_showSelectConfMemberWidget(
    bool createConf, ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType)
{
    d->pickers.showSelectConfMemberWidget(createConf, confType, mediaType);
}

void KP_MediaConfUI::slot_onQueryConferenceMember(int, QString groupid, QList<Agent_GroupMember> list)
{
    d->pickers.onQueryConferenceMember(groupid, list);
}
