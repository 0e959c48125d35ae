#pragma once

// Records of the unified conference, crossing signals by value.

#include "business/BusinessEnums.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

// One member of a conference (one account on one device).
struct KP_BUSINESS_EXPORT ConferenceMemberInfo
{
    QString account;
    QString name; // display name; the number for a telephone participant
    int memberType = 0; // 1 an enterprise user, 2 a guest or telephone participant
    int joinOrder = 0; // order of arrival, kept by the server
    // The ten flags, in the order the server sends them.
    bool isHandUp = false;
    bool isMicOpen = false;
    bool isSpeakerOpen = false;
    bool isCameraOpen = false;
    bool isHost = false;
    bool isMainVenue = false;
    bool isInConf = false;
    bool isSharing = false;
    bool isPresenter = false;
    bool isRecording = false;
    ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_NONE;

    QString key() const { return memberKey(account, deviceType); }
    bool operator==(const ConferenceMemberInfo& o) const;
    bool operator!=(const ConferenceMemberInfo& o) const { return !(*this == o); }
};

// Summary of a conference as invitations and info updates carry it.
struct KP_BUSINESS_EXPORT ConferenceBriefInfo
{
    // Text fields in the server's order (the module addresses some by position).
    QString confId; // 1
    QString subject; // 2
    QString issues; // 3: agenda issues, JSON {"topics":[{"haveDone","topic"}...]}
    QString hostName; // 4
    QString shareLink; // 5
    QString whiteboardInfo; // 6: JSON of a running whiteboard room, empty when none
    QString extension; // 7: JSON; "groupId" for a group conference
    QString hostAccount; // 8
    QString password; // 9
    qint64 startTime = 0; // seconds since the epoch; 0 while not started
    int memberCount = 0;
    ENUM_CONFERENCE_TYPE confType = CONFERENCE_TYPE_UNKNOWN;
    ENUM_CONFERENCE_MEDIA_TYPE mediaType = CONF_MEDIA_NONE;

    bool operator==(const ConferenceBriefInfo& o) const;
    bool operator!=(const ConferenceBriefInfo& o) const { return !(*this == o); }
};

// Full information of the joined conference (UnifiedConferenceView::getConfInfo).
struct KP_BUSINESS_EXPORT Agent_ConfInfo
{
    QString confId;
    QString subject;
    QString startTime; // "yyyy-MM-dd hh:mm:ss", local time
    QString endTime; // same format
    QString hostAccount;
    QString hostName;
    QString password;
    QString extension; // JSON; "groupId" for a group conference
    QString whiteboardInfo; // non-empty while the conference's whiteboard is open
    QString shareLink;
    ENUM_CONFERENCE_TYPE confType = CONFERENCE_TYPE_UNKNOWN;
    ENUM_CONFERENCE_MEDIA_TYPE mediaType = CONF_MEDIA_NONE;

    bool operator==(const Agent_ConfInfo& o) const;
    bool operator!=(const Agent_ConfInfo& o) const { return !(*this == o); }
};

// A conference notice: invitation closed, reminder before the end.
struct KP_BUSINESS_EXPORT Agent_ConfNtyMsg
{
    QString confId;
    QString result; // "" answered elsewhere, "107781" refused elsewhere, ...
    int kind = 0; // 20: closed silently
    QString fromAccount;

    bool operator==(const Agent_ConfNtyMsg& o) const;
    bool operator!=(const Agent_ConfNtyMsg& o) const { return !(*this == o); }
};

// One entry of the speaker report (members currently speaking).
struct KP_BUSINESS_EXPORT Agent_ConferenceParticipantMemberInfo
{
    QString account;
    int volume = 0;
    int deviceType = CONFMEMBER_DEVICE_NONE;

    bool operator==(const Agent_ConferenceParticipantMemberInfo& o) const;
    bool operator!=(const Agent_ConferenceParticipantMemberInfo& o) const { return !(*this == o); }
};

// Application settings of the conference service.
struct KP_BUSINESS_EXPORT Agent_ConfAppSetting
{
    // Non-zero: members are told apart by device, the local camera is the
    // user's device-type-20 entry. Zero: any entry of the user's account is local.
    int multiDeviceMode = 1;
    int maxMembers = 300;
    bool allowCallPhone = true;

    bool operator==(const Agent_ConfAppSetting& o) const;
    bool operator!=(const Agent_ConfAppSetting& o) const { return !(*this == o); }
};

// Customer-specific conference configuration.
struct KP_BUSINESS_EXPORT Agent_OstrelConfConfig
{
    QString customerId;
    bool cameraOnJoin = true; // members join with the camera on
    bool micOnJoin = true;

    bool operator==(const Agent_OstrelConfConfig& o) const;
    bool operator!=(const Agent_OstrelConfConfig& o) const { return !(*this == o); }
};

// Command addressed to one member (host hand-over and the like).
struct KP_BUSINESS_EXPORT ConfSendCmdInfo
{
    QString confId;
    QString account;
    ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_NONE;
    int command = 0;
    int value = 0;

    bool operator==(const ConfSendCmdInfo& o) const;
    bool operator!=(const ConfSendCmdInfo& o) const { return !(*this == o); }
};

// A telephone participant to call into the conference.
struct KP_BUSINESS_EXPORT LandingCallMember
{
    QString number; // number, or account
    QString name;
    QString extra; // left empty by the module

    bool operator==(const LandingCallMember& o) const;
    bool operator!=(const LandingCallMember& o) const { return !(*this == o); }
};
using LandingCallMemberMap = QMap<QString, LandingCallMember>;

// Network report of the media engine.
struct KP_BUSINESS_EXPORT CS_StatReports
{
    int rttMs = 0;
    double sendLoss = 0.0; // percent
    double recvLoss = 0.0; // percent
    int sendKbps = 0;
    int recvKbps = 0;

    bool operator==(const CS_StatReports& o) const;
    bool operator!=(const CS_StatReports& o) const { return !(*this == o); }
};

// One member of an IM group.
struct KP_BUSINESS_EXPORT Agent_GroupMember
{
    QString account;
    QString name;
    int role = 0; // 0 member, 1 administrator, 2 owner

    bool operator==(const Agent_GroupMember& o) const;
    bool operator!=(const Agent_GroupMember& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(ConferenceMemberInfo)
Q_DECLARE_METATYPE(ConferenceBriefInfo)
Q_DECLARE_METATYPE(Agent_ConfInfo)
Q_DECLARE_METATYPE(Agent_ConfNtyMsg)
Q_DECLARE_METATYPE(Agent_ConferenceParticipantMemberInfo)
Q_DECLARE_METATYPE(Agent_ConfAppSetting)
Q_DECLARE_METATYPE(Agent_OstrelConfConfig)
Q_DECLARE_METATYPE(ConfSendCmdInfo)
Q_DECLARE_METATYPE(LandingCallMember)
Q_DECLARE_METATYPE(CS_StatReports)
Q_DECLARE_METATYPE(Agent_GroupMember)
