#pragma once

#include "business/CallRecords.h"
#include "business/ConferenceRecords.h"
#include "call/BottomTipWidget.h"
#include "facade/OwnedWindow.h"

#include <QObject>

class ConferenceController;
class GroupConfMsgBox;
class MessageTipWidget;
class VidyoController;

// Invitations: the bottom notification filled and answered for every kind
// (Vidyo call and meeting, voice and video meeting, unified conference, the
// other-device notice), the group-invitation box, and the reminder of a
// booked conference. Methods are named after the facade slots they serve.
class InvitationController : public QObject
{
public:
    // Accepting a Vidyo invitation opens the Vidyo window; accepting a
    // conference invitation first leaves the conference that is running.
    InvitationController(VidyoController& vidyo, const ConferenceController& conference);
    ~InvitationController() override;

    void onCallVidyo(const VidyoJsonTransferData& data);
    void onInviteMeetingCall(int meetingType, const QString& caller, const QString& confId);
    void onInviteNormalConference(const ConferenceBriefInfo& confInfo, const QString& sender);
    void onBottomTipWidgeAccept(BottomTipWidget::BottomTipType type);
    void onBottomTipWidgeReject(BottomTipWidget::BottomTipType type);
    void rejectConference(int variantKey);
    void onInviteNormalConferenceClose(const Agent_ConfNtyMsg& msg);
    void onInviteRejectConference();
    void onStopInviteNormalConference();
    void onOtherDeviceAnswer();
    void reserveConfInviteNofity(const ConferenceBriefInfo& confInfo);
    // After a call event: a released call may be the one behind a meeting invitation.
    void closeInvitationOfReleasedCall(int reason, const Agent_VoIPCallMsg& msg);
    // slot_CloseBottomTipWidget, slot_onCloseBottomWidget and the Vidyo messages.
    void closeTipAndMask();

    // Teardown deletes the reminder without closing it.
    void destroyReminder();
    // The group box and the bottom notification, once nobody can answer them.
    void closeInvitations();

private:
    void hideMaskOfGroupBox();

    VidyoController& m_vidyo;
    const ConferenceController& m_conference;
    VidyoJsonTransferData m_lastVidyoInvitation;
    OwnedWindow<GroupConfMsgBox> m_groupBox;
    OwnedWindow<MessageTipWidget> m_reminder;
};
