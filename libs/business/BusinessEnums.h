#pragma once

// Enumerations and small helpers shared by every business view and record.
// Kept free of QObject so that widget code can include it cheaply.

#include "business/kp_business_global.h"

#include <QMetaType>
#include <QString>

// Every enumeration crossing the business interface has a fixed underlying
// type: values a newer server sends stay well-defined and reach the module's
// "unknown value" paths instead of being undefined.

// Kind of a unified conference.
enum ENUM_CONFERENCE_TYPE : int {
    CONFERENCE_TYPE_UNKNOWN = 0,
    CONFERENCE_TYPE_INSTANT = 1, // started at once (outside link, member picker without group)
    CONFERENCE_TYPE_RESERVED = 2, // booked in advance
    CONFERENCE_TYPE_TRAINING = 3, // lecturer and audience
    CONFERENCE_TYPE_UNIFIED = 5, // entered through an invitation
    CONFERENCE_TYPE_GROUP = 6, // group call of an IM group, shown in the nine-tile window
};

// Media of a unified conference.
enum ENUM_CONFERENCE_MEDIA_TYPE : int {
    CONF_MEDIA_NONE = 0,
    CONF_MEDIA_AUDIO = 1,
    CONF_MEDIA_VIDEO = 2, // audio and video
    CONF_MEDIA_DESKTOP = 3,
    CONF_MEDIA_WHITEBOARD = 4,
    CONF_MEDIA_CURRENT = 5, // whatever the running conference uses (invitation into it)
};

// Device a conference member takes part from. A member present from two
// devices is two members: every list keys members by account and device type.
enum ENUM_CONFMEMBER_DEVICETYPE : int {
    CONFMEMBER_DEVICE_NONE = -1, // no media (listed only)
    CONFMEMBER_DEVICE_UNKNOWN = 0,
    CONFMEMBER_DEVICE_TELEPHONE = 1,
    CONFMEMBER_DEVICE_MOBILE = 2,
    CONFMEMBER_DEVICE_PAD = 10,
    CONFMEMBER_DEVICE_PAD_LIMITED = 11, // may not be made host
    CONFMEMBER_DEVICE_PC = 20, // this desktop client
    CONFMEMBER_DEVICE_WEB = 21, // browser (H5) client
    CONFMEMBER_DEVICE_PC_OTHER = 22, // another desktop client
};

// Event codes of Agent_VoIPCallMsg::eventCode.
enum VoipCallEvent : int {
    VOIP_EVENT_PROCEEDING = 0,
    VOIP_EVENT_ALERTING = 1,
    VOIP_EVENT_ENDED = 2,
    VOIP_EVENT_ANSWERED = 3,
    VOIP_EVENT_RELEASED = 4,
};

// Call types: 0 and 2 voice; 1, 6 and 7 video.
enum VoipCallType : int {
    VOIP_CALL_VOICE = 0,
    VOIP_CALL_VIDEO = 1,
    VOIP_CALL_VOICE_CONF = 2,
    VOIP_CALL_VIDEO_SHARE = 6,
    VOIP_CALL_VIDEO_CONF = 7,
};

// Kind of an older meeting of MeetingView (sig_showMeetingWidget, invitations).
enum MeetingType : int {
    MEETING_TYPE_VOICE = 1,
    MEETING_TYPE_VIDEO = 2,
};

// Owner under which the client shows a module's tip or modal mask.
enum PopUpHandleType : int {
    POPUP_HANDLE_DEFAULT = 0, // the active window of the client
    POPUP_HANDLE_CHAT = 1, // the chat window
    POPUP_HANDLE_MAIN = 2, // the client's main window
    POPUP_HANDLE_VIDYO = 3, // the Vidyo meeting window
    POPUP_HANDLE_CONFERENCE = 4, // the conference window itself
};

// Global media-busy status of MultimediaMgrView; 300 means the devices are free.
enum MultimediaStatusEnum : int {
    MULTIMEDIA_FREE = 300,
    MULTIMEDIA_VOICE_CALL = 301,
    MULTIMEDIA_VIDEO_CALL = 302,
    MULTIMEDIA_CONFERENCE = 303,
    MULTIMEDIA_VIDYO = 304,
    MULTIMEDIA_MEETING = 305,
    MULTIMEDIA_WHITEBOARD = 311, // a whiteboard room is open; leave it before starting another
};

// Rights of the current user (UserInfoView::getUserAuthority takes the int value).
enum UserAuthority : int {
    USER_AUTHORITY_WHITEBOARD = 60,
};

// Action code of sig_updateMemberInfo(ConferenceMemberInfo, int).
enum ConfMemberAction : int {
    CONF_MEMBER_ACTION_MIC_OFF = 2,
    CONF_MEMBER_ACTION_MIC_ON = 3,
    CONF_MEMBER_ACTION_CAMERA_OFF = 12,
    CONF_MEMBER_ACTION_CAMERA_ON = 13,
    CONF_MEMBER_ACTION_RENAME = 51,
};

// Operation code of UnifiedConferenceView::memberOperate.
enum ConfMemberOperation : int {
    CONF_MEMBER_OP_KICK = 0,
    CONF_MEMBER_OP_HAND = 1,
    CONF_MEMBER_OP_MIC = 2,
    CONF_MEMBER_OP_CAMERA = 3,
};

// Commands of UnifiedConferenceView::setConferenceLockState and bits of the lock status.
enum ConfLockCommand : int {
    CONF_LOCK_CONFERENCE = 0,
    CONF_UNLOCK_CONFERENCE = 1,
    CONF_LOCK_SHARING = 2,
    CONF_UNLOCK_SHARING = 3,
};
enum ConfLockBits : int {
    CONF_LOCK_BIT_CONFERENCE = 0x2,
    CONF_LOCK_BIT_SHARING = 0x4,
};

// Reason codes carried by business answers.
namespace BusinessReason {
constexpr int Success = 200;
constexpr int DeviceSuccess = 0;
constexpr int CallHungUp = 0; // ReleaseCall: this side ends the call, nothing failed
constexpr int CallDeclined = 175603;
constexpr int CallNotAnswered = 175408;
constexpr int InvitationRefused = 107603;
} // namespace BusinessReason

// Key of a conference member: "%1|%2" of account and decimal device type.
// Built by concatenation so that a '%' inside an account is kept as it is.
inline QString memberKey(const QString& account, int deviceType)
{
    return account + QLatin1Char('|') + QString::number(deviceType);
}

Q_DECLARE_METATYPE(ENUM_CONFERENCE_TYPE)
Q_DECLARE_METATYPE(ENUM_CONFERENCE_MEDIA_TYPE)
Q_DECLARE_METATYPE(ENUM_CONFMEMBER_DEVICETYPE)
Q_DECLARE_METATYPE(PopUpHandleType)
Q_DECLARE_METATYPE(MultimediaStatusEnum)
