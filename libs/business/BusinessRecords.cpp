#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/ConferenceRecords.h"

#include <tuple>

// Member-wise equality; std::tie keeps each comparison in one readable line.

bool ConferenceMemberInfo::operator==(const ConferenceMemberInfo& o) const
{
    return std::tie(account, name, memberType, joinOrder, isHandUp, isMicOpen, isSpeakerOpen, isCameraOpen, isHost,
               isMainVenue, isInConf, isSharing, isPresenter, isRecording, deviceType)
        == std::tie(o.account, o.name, o.memberType, o.joinOrder, o.isHandUp, o.isMicOpen, o.isSpeakerOpen,
            o.isCameraOpen, o.isHost, o.isMainVenue, o.isInConf, o.isSharing, o.isPresenter, o.isRecording,
            o.deviceType);
}

bool ConferenceBriefInfo::operator==(const ConferenceBriefInfo& o) const
{
    return std::tie(confId, subject, issues, hostName, shareLink, whiteboardInfo, extension, hostAccount, password,
               startTime, memberCount, confType, mediaType)
        == std::tie(o.confId, o.subject, o.issues, o.hostName, o.shareLink, o.whiteboardInfo, o.extension,
            o.hostAccount, o.password, o.startTime, o.memberCount, o.confType, o.mediaType);
}

bool Agent_ConfInfo::operator==(const Agent_ConfInfo& o) const
{
    return std::tie(confId, subject, startTime, endTime, hostAccount, hostName, password, extension, whiteboardInfo,
               shareLink, confType, mediaType)
        == std::tie(o.confId, o.subject, o.startTime, o.endTime, o.hostAccount, o.hostName, o.password, o.extension,
            o.whiteboardInfo, o.shareLink, o.confType, o.mediaType);
}

bool Agent_ConfNtyMsg::operator==(const Agent_ConfNtyMsg& o) const
{
    return std::tie(confId, result, kind, fromAccount) == std::tie(o.confId, o.result, o.kind, o.fromAccount);
}

bool Agent_ConferenceParticipantMemberInfo::operator==(const Agent_ConferenceParticipantMemberInfo& o) const
{
    return std::tie(account, volume, deviceType) == std::tie(o.account, o.volume, o.deviceType);
}

bool Agent_ConfAppSetting::operator==(const Agent_ConfAppSetting& o) const
{
    return std::tie(multiDeviceMode, maxMembers, allowCallPhone)
        == std::tie(o.multiDeviceMode, o.maxMembers, o.allowCallPhone);
}

bool Agent_OstrelConfConfig::operator==(const Agent_OstrelConfConfig& o) const
{
    return std::tie(customerId, cameraOnJoin, micOnJoin) == std::tie(o.customerId, o.cameraOnJoin, o.micOnJoin);
}

bool ConfSendCmdInfo::operator==(const ConfSendCmdInfo& o) const
{
    return std::tie(confId, account, deviceType, command, value)
        == std::tie(o.confId, o.account, o.deviceType, o.command, o.value);
}

bool LandingCallMember::operator==(const LandingCallMember& o) const
{
    return std::tie(number, name, extra) == std::tie(o.number, o.name, o.extra);
}

bool CS_StatReports::operator==(const CS_StatReports& o) const
{
    return std::tie(rttMs, sendLoss, recvLoss, sendKbps, recvKbps)
        == std::tie(o.rttMs, o.sendLoss, o.recvLoss, o.sendKbps, o.recvKbps);
}

bool Agent_GroupMember::operator==(const Agent_GroupMember& o) const
{
    return std::tie(account, name, role) == std::tie(o.account, o.name, o.role);
}

bool Agent_VoIPCallMsg::operator==(const Agent_VoIPCallMsg& o) const
{
    return std::tie(
               eventCode, callType, callId, callerAccount, calleeAccount, callerName, calleeName, extra, mediaConnected)
        == std::tie(o.eventCode, o.callType, o.callId, o.callerAccount, o.calleeAccount, o.callerName, o.calleeName,
            o.extra, o.mediaConnected);
}

bool Agent_VoIPComingInfo::operator==(const Agent_VoIPComingInfo& o) const
{
    return std::tie(callType, callId, callerAccount, callerName, extra)
        == std::tie(o.callType, o.callId, o.callerAccount, o.callerName, o.extra);
}

bool Agent_CameraInfo::operator==(const Agent_CameraInfo& o) const
{
    return std::tie(index, name, id, capabilityCount, capabilities)
        == std::tie(o.index, o.name, o.id, o.capabilityCount, o.capabilities);
}

void Agent_ECShareDeviceInfo::setTitle(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    // Never cut inside a multi-byte sequence: back off over continuation bytes.
    int n = qMin(utf8.size(), int(sizeof(title)) - 1);
    while (n > 0 && n < utf8.size() && (uchar(utf8.at(n)) & 0xC0) == 0x80)
        --n;
    std::memset(title, 0, sizeof(title));
    std::memcpy(title, utf8.constData(), size_t(n));
}

bool VidyoJsonTransferData::operator==(const VidyoJsonTransferData& o) const
{
    return std::tie(msgId, msgType, roomId, callKind, roomKey, roomUrl, portal, roomPin, subject, groupId, sendTime,
               toAccount, fromName, fromAccount)
        == std::tie(o.msgId, o.msgType, o.roomId, o.callKind, o.roomKey, o.roomUrl, o.portal, o.roomPin, o.subject,
            o.groupId, o.sendTime, o.toAccount, o.fromName, o.fromAccount);
}

bool Agent_MeetingMemberInfo::operator==(const Agent_MeetingMemberInfo& o) const
{
    return std::tie(
               index, role, videoState, audioState, name, account, muteStatus, phone, isMaster, isOnline, isSpeaking)
        == std::tie(o.index, o.role, o.videoState, o.audioState, o.name, o.account, o.muteStatus, o.phone, o.isMaster,
            o.isOnline, o.isSpeaking);
}

bool ChatMsgData::operator==(const ChatMsgData& o) const
{
    return std::tie(msgId, sessionId, senderAccount, text, time)
        == std::tie(o.msgId, o.sessionId, o.senderAccount, o.text, o.time);
}

AddressBookBase::~AddressBookBase() = default;

AddressBookPerson::AddressBookPerson(const QString& account, const QString& name, const QString& phoneNumber,
    const QString& department, const QString& headImagePath)
    : m_account(account)
    , m_name(name)
    , m_phoneNumber(phoneNumber)
    , m_department(department)
    , m_headImagePath(headImagePath)
{ }

bool AddressBookPerson::isValidPerson(bool includeInactive) const
{
    return !m_account.isEmpty() && (m_active || includeInactive);
}

bool AddressBookPerson::matchesSearchKey(const QString& key) const
{
    return key.isEmpty() || m_name.contains(key, Qt::CaseInsensitive) || m_account.contains(key, Qt::CaseInsensitive)
        || m_phoneNumber.contains(key, Qt::CaseInsensitive) || m_department.contains(key, Qt::CaseInsensitive);
}

AddressBookGroup::AddressBookGroup(const QString& groupId, const QString& name, const QList<Agent_GroupMember>& members)
    : m_groupId(groupId)
    , m_name(name)
    , m_members(members)
{ }

QStringList AddressBookGroup::memberAccounts() const
{
    QStringList accounts;
    accounts.reserve(m_members.size());
    for (const Agent_GroupMember& m : m_members)
        accounts << m.account;
    return accounts;
}
