#pragma once

#include "common/kp_mediaconfui_global.h"

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/ConferenceRecords.h"
#include "business/VidyoView.h"
#include "call/BottomTipWidget.h"

#include <QObject>
#include <QSharedPointer>

#include <memory>

class AddressBookPerson;

// The one object the client sees: a switchboard. Its slots receive the
// business library's signals and hand each to the controller of its area
// (calls, invitations, Vidyo, conferences, meetings, member picking), which
// owns that area's windows.
class KP_MEDIACONFUI_EXPORT KP_MediaConfUI : public QObject
{
    Q_OBJECT

public:
    KP_MediaConfUI();
    ~KP_MediaConfUI() override;

    void startLaunchConf(QString, QString, QString);
    void setLaunchExtendParam(QString, QString, QString);

private slots:
    void rejectConference(int variantKey = 256);
    void slot_destructorChildWgt();
    void slot_CallEvents(int reason, Agent_VoIPCallMsg msg);
    void slot_ShowVoipCallWnd(int nCallType, QString called, bool fromCallComing);
    void slot_CloseVoiceWnd();
    void slot_ShowCallIncomingWnd(Agent_VoIPComingInfo comingInfo);
    void slot_ReleaseCallIncoming(Agent_VoIPComingInfo comingInfo);
    void slot_AcceptCallIncoming(Agent_VoIPComingInfo comingInfo);
    void slot_onCloseVidyoWidget();
    void slot_onGetPlayerWidget(VidyoView::VidyoViewStartVidyoType type);
    void slot_onCallVidyo(VidyoJsonTransferData& data);
    void slot_onBottomTipWidgeAccept(const BottomTipWidget::BottomTipType& type);
    void slot_onBottomTipWidgeReject(const BottomTipWidget::BottomTipType& type);
    void slot_CloseBottomTipWidget();
    void slot_onOtherRefuse(VidyoJsonTransferData data);
    void slot_confOtherRefuse(VidyoJsonTransferData data);
    void slot_onMessageAccept(int type);
    void slot_onOtherHangUp(VidyoJsonTransferData data);
    void slot_remoteSourceRemoved(QString account, int n);
    void slot_onHaveRemovedOut(VidyoJsonTransferData data);
    void slot_onOtherDeviceAnswer();
    void slot_onOtherBusy(QSharedPointer<AddressBookPerson> person);
    void slot_onInviteOverTime(int type);
    void slot_onVidyoing();
    void slot_onCompereStopVidyo();
    void slot_onVidyovideofailed();
    void slot_GetVidyoInfofaild();
    void slot_onDialInviteJoinMeetingFaild(int reason);
    void slot_CloseDialMeettingWidget();
    void slot_showMeetingWidget(int meetingType);
    void slot_onInviteMeetingCall(int meetingType, QString caller, QString confId);
    void slot_closeVoiceMeeting();
    void slot_closeVideoMeeting();
    void slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType, bool flag);
    void slot_closeConferenceMainWidget();
    void slot_onInviteNormalConference(ConferenceBriefInfo confInfo, QString sender);
    void slot_onInviteNormalConferenceClose(Agent_ConfNtyMsg msg);
    void slot_onInviteRejectConference();
    void slot_onStopInviteNormalConference();
    void slot_reserveConfInviteNofity(ConferenceBriefInfo confInfo);
    void slot_onOperatorConferenceError(QString text, int reason);
    void slot_closeVideoCallWnd();
    void slot_onLoginSever(bool state);
    void slot_onRemovedOutPerson(QSharedPointer<AddressBookPerson> person);
    void slot_onCloseBottomWidget(VidyoJsonTransferData data);
    void slot_onCloseMainWidgetAll();
    void slot_onlySelectConfMembers(QList<QString> listMember, int nType);
    void slot_showSelectConfMemberWidget(
        bool createConf, ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType);
    void slot_onQueryConferenceMember(int reason, QString groupid, QList<Agent_GroupMember> list);

private:
    void InitConnect();

    struct Controllers;
    std::unique_ptr<Controllers> d;
};
