#pragma once

// Records of one-to-one calls, local devices, Vidyo, the older meetings and chat.

#include "business/BusinessEnums.h"

#include <QList>
#include <QMetaType>
#include <QString>

#include <cstring>

// Event of a one-to-one call.
struct KP_BUSINESS_EXPORT Agent_VoIPCallMsg
{
    int eventCode = VOIP_EVENT_PROCEEDING;
    int callType = VOIP_CALL_VOICE;
    QString callId;
    QString callerAccount;
    QString calleeAccount;
    QString callerName;
    QString calleeName;
    QString extra;
    int mediaConnected = 0; // 1 once the audio channel is up (muting is possible)

    bool operator==(const Agent_VoIPCallMsg& o) const;
    bool operator!=(const Agent_VoIPCallMsg& o) const { return !(*this == o); }
};

// An incoming one-to-one call.
struct KP_BUSINESS_EXPORT Agent_VoIPComingInfo
{
    int callType = VOIP_CALL_VOICE; // 0 voice, 1 video
    QString callId;
    QString callerAccount;
    QString callerName;
    QString extra;

    bool operator==(const Agent_VoIPComingInfo& o) const;
    bool operator!=(const Agent_VoIPComingInfo& o) const { return !(*this == o); }
};

struct KP_BUSINESS_EXPORT Agent_CameraCapability
{
    float width = 0;
    float height = 0;

    bool operator==(const Agent_CameraCapability& o) const { return width == o.width && height == o.height; }
};

struct KP_BUSINESS_EXPORT Agent_CameraInfo
{
    int index = 0;
    QString name;
    QString id;
    int capabilityCount = 0;
    QList<Agent_CameraCapability> capabilities;

    bool operator==(const Agent_CameraInfo& o) const;
    bool operator!=(const Agent_CameraInfo& o) const { return !(*this == o); }
};

struct KP_BUSINESS_EXPORT Agent_MicroPhoneInfo
{
    int index = 0;
    QString name;

    bool operator==(const Agent_MicroPhoneInfo& o) const { return index == o.index && name == o.name; }
    bool operator!=(const Agent_MicroPhoneInfo& o) const { return !(*this == o); }
};

struct KP_BUSINESS_EXPORT Agent_SpeakerInfo
{
    int index = 0;
    QString name;

    bool operator==(const Agent_SpeakerInfo& o) const { return index == o.index && name == o.name; }
    bool operator!=(const Agent_SpeakerInfo& o) const { return !(*this == o); }
};

// A window that can be shared: its id, then its title as a zero-terminated 8-bit field.
struct KP_BUSINESS_EXPORT Agent_ECShareDeviceInfo
{
    qint64 windowId = 0;
    char title[256] = {};

    // Stores the UTF-8 of text, cut so that the terminating zero fits.
    void setTitle(const QString& text);
    QString titleText() const { return QString::fromUtf8(title); }
    bool operator==(const Agent_ECShareDeviceInfo& o) const
    {
        return windowId == o.windowId && std::strcmp(title, o.title) == 0;
    }
};

// A Vidyo invitation or notice: fourteen texts.
struct KP_BUSINESS_EXPORT VidyoJsonTransferData
{
    QString msgId; // 1
    QString msgType; // 2
    QString roomId; // 3
    QString callKind; // 4: "0" video call, "1" video meeting
    QString roomKey; // 5
    QString roomUrl; // 6
    QString portal; // 7
    QString roomPin; // 8
    QString subject; // 9
    QString groupId; // 10
    QString sendTime; // 11
    QString toAccount; // 12
    QString fromName; // 13
    QString fromAccount; // 14: the other party

    bool operator==(const VidyoJsonTransferData& o) const;
    bool operator!=(const VidyoJsonTransferData& o) const { return !(*this == o); }
};

// A member of an older voice or video meeting.
struct KP_BUSINESS_EXPORT Agent_MeetingMemberInfo
{
    int index = 0;
    int role = 0; // 1 master
    int videoState = 0; // 1 a picture is sent
    int audioState = 0;
    QString name;
    QString account; // second text
    QString muteStatus; // "11"/"01" microphone open, "10"/"00" muted
    QString phone;
    bool isMaster = false;
    bool isOnline = false;
    bool isSpeaking = false;

    bool operator==(const Agent_MeetingMemberInfo& o) const;
    bool operator!=(const Agent_MeetingMemberInfo& o) const { return !(*this == o); }
};

// Video state change of a video-meeting member.
struct KP_BUSINESS_EXPORT Agent_VideoMeetingMsg
{
    QString meetingId;
    QString member;
    int state = 0; // 1 the member's picture is sent

    bool operator==(const Agent_VideoMeetingMsg& o) const
    {
        return meetingId == o.meetingId && member == o.member && state == o.state;
    }
};

// One chat message.
struct KP_BUSINESS_EXPORT ChatMsgData
{
    QString msgId;
    QString sessionId;
    QString senderAccount;
    QString text;
    qint64 time = 0; // ms since the epoch

    bool operator==(const ChatMsgData& o) const;
    bool operator!=(const ChatMsgData& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(Agent_VoIPCallMsg)
Q_DECLARE_METATYPE(Agent_VoIPComingInfo)
Q_DECLARE_METATYPE(Agent_CameraCapability)
Q_DECLARE_METATYPE(Agent_CameraInfo)
Q_DECLARE_METATYPE(Agent_MicroPhoneInfo)
Q_DECLARE_METATYPE(Agent_SpeakerInfo)
Q_DECLARE_METATYPE(Agent_ECShareDeviceInfo)
Q_DECLARE_METATYPE(VidyoJsonTransferData)
Q_DECLARE_METATYPE(Agent_MeetingMemberInfo)
Q_DECLARE_METATYPE(Agent_VideoMeetingMsg)
Q_DECLARE_METATYPE(ChatMsgData)
