#include "business/UnifiedConferenceView.h"

#include "business/KP_BusinessView.h"

#include <QTimer>

UnifiedConferenceView::UnifiedConferenceView(QObject* parent)
    : BusinessViewBase(QStringLiteral("UnifiedConferenceView"), parent)
    , m_ignoreTimer(new QTimer(this))
{
    m_ignoreTimer->setSingleShot(true);
    m_ignoreTimer->setInterval(ignoreSdkInfoMs);
    connect(m_ignoreTimer, &QTimer::timeout, this, [this] { m_state.ignoreSdkInfo = false; });
}

UnifiedConferenceView::~UnifiedConferenceView() = default;

void UnifiedConferenceView::resetState()
{
    m_state = State();
    m_ignoreTimer->stop();
    clearRoster();
    m_isRecording = false;
    m_screenShareMode = 0;
}

// --- roster ---

void UnifiedConferenceView::setRoster(const QList<ConferenceMemberInfo>& members)
{
    clearRoster();
    m_rosterIndex.reserve(members.size());
    for (const ConferenceMemberInfo& m : members)
        upsertMember(m);
}

void UnifiedConferenceView::upsertMember(const ConferenceMemberInfo& member)
{
    const auto it = m_rosterIndex.constFind(RosterKey(member.account, member.deviceType));
    if (it != m_rosterIndex.cend()) {
        ConferenceMemberInfo& stored = **it;
        if (stored.isHost && --m_hostEntries[stored.account] <= 0)
            m_hostEntries.remove(stored.account);
        stored = member;
    } else {
        m_rosterIndex.insert(RosterKey(member.account, member.deviceType), m_roster.insert(m_roster.end(), member));
    }
    if (member.isHost)
        ++m_hostEntries[member.account];
}

bool UnifiedConferenceView::removeMember(const QString& account, int deviceType)
{
    const auto it = m_rosterIndex.find(RosterKey(account, deviceType));
    if (it == m_rosterIndex.end())
        return false;
    if ((*it)->isHost && --m_hostEntries[account] <= 0)
        m_hostEntries.remove(account);
    m_roster.erase(*it);
    m_rosterIndex.erase(it);
    return true;
}

void UnifiedConferenceView::clearRoster()
{
    m_rosterIndex.clear();
    m_roster.clear();
    m_hostEntries.clear();
}

QList<ConferenceMemberInfo> UnifiedConferenceView::roster() const
{
    QList<ConferenceMemberInfo> all;
    all.reserve(int(m_roster.size()));
    for (const ConferenceMemberInfo& m : m_roster)
        all << m;
    return all;
}

const ConferenceMemberInfo* UnifiedConferenceView::member(const QString& account, int deviceType) const
{
    const auto it = m_rosterIndex.constFind(RosterKey(account, deviceType));
    return it == m_rosterIndex.cend() ? nullptr : &**it;
}

void UnifiedConferenceView::setHostAccount(const QString& account)
{
    m_hostEntries.clear();
    for (ConferenceMemberInfo& m : m_roster) {
        m.isHost = !account.isEmpty() && m.account == account;
        if (m.isHost)
            ++m_hostEntries[m.account];
    }
}

// --- commands ---

void UnifiedConferenceView::setConferenceType(ENUM_CONFERENCE_TYPE type)
{
    command(QStringLiteral("setConferenceType"), type);
    m_state.conferenceType = type;
}

void UnifiedConferenceView::joinConference(const QString& confId, const QString& password, int inviterState,
    ENUM_CONFERENCE_TYPE confType, int joinType, int reserved, const QString& extend)
{
    command(QStringLiteral("joinConference"), confId, password, inviterState, confType, joinType, reserved, extend);
}

void UnifiedConferenceView::leaveConference(const QString& confId)
{
    command(QStringLiteral("leaveConference"), confId);
}

void UnifiedConferenceView::dismissConference(const QString& confId)
{
    command(QStringLiteral("dismissConference"), confId);
}

void UnifiedConferenceView::rejectInvitation(const QString& confId, const QString& fromAccount, int reason)
{
    command(QStringLiteral("rejectInvitation"), confId, fromAccount, reason);
}

void UnifiedConferenceView::resetInviteConfId()
{
    command(QStringLiteral("resetInviteConfId"));
    m_state.inviteConfId.clear();
    m_state.inviteConfType = 0;
}

void UnifiedConferenceView::createConferenceAndInvite(const QString& subject, const QString& password,
    const QStringList& accounts, const QString& groupId, ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media,
    int joinType)
{
    command(QStringLiteral("createConferenceAndInvite"), subject, password, accounts, groupId, type, media, joinType);
}

void UnifiedConferenceView::inviteMembers(const QStringList& accounts)
{
    command(QStringLiteral("inviteMembers"), accounts);
}

void UnifiedConferenceView::invitePhoneMembers(const QMap<QString, LandingCallMember>& members)
{
    command(QStringLiteral("invitePhoneMembers"), members);
}

void UnifiedConferenceView::queryConfenceAppSetting()
{
    command(QStringLiteral("queryConfenceAppSetting"));
}

void UnifiedConferenceView::getStatisticsInfo()
{
    command(QStringLiteral("getStatisticsInfo"));
}

void UnifiedConferenceView::startIgnoreSdkInfo()
{
    command(QStringLiteral("startIgnoreSdkInfo"));
    m_state.ignoreSdkInfo = true;
    m_ignoreTimer->start();
}

void UnifiedConferenceView::controlSelfMicphone(bool on)
{
    command(QStringLiteral("controlSelfMicphone"), on);
}

void UnifiedConferenceView::controlSelfCamera(bool on, void* view)
{
    command(QStringLiteral("controlSelfCamera"), on, view);
}

void UnifiedConferenceView::controlSelfAudio(bool on)
{
    command(QStringLiteral("controlSelfAudio"), on);
}

void UnifiedConferenceView::controlSelfHand(bool up)
{
    command(QStringLiteral("controlSelfHand"), up);
}

void UnifiedConferenceView::controlAllMemberMicphone(bool on)
{
    command(QStringLiteral("controlAllMemberMicphone"), on);
}

void UnifiedConferenceView::controlAllMemberCamera(bool on)
{
    command(QStringLiteral("controlAllMemberCamera"), on);
}

void UnifiedConferenceView::controlMemberHand(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool up)
{
    command(QStringLiteral("controlMemberHand"), account, deviceType, up);
}

void UnifiedConferenceView::controlMemberMicphone(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on)
{
    command(QStringLiteral("controlMemberMicphone"), account, deviceType, on);
}

void UnifiedConferenceView::memberOperate(
    int operation, const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, int value)
{
    command(QStringLiteral("memberOperate"), operation, account, deviceType, value);
}

void UnifiedConferenceView::setHost_V3(const ConfSendCmdInfo& info)
{
    command(QStringLiteral("setHost_V3"), info);
}

void UnifiedConferenceView::updateMemberInfo(
    const QString& account, const QString& name, ENUM_CONFMEMBER_DEVICETYPE deviceType, int kind)
{
    command(QStringLiteral("updateMemberInfo"), account, name, deviceType, kind);
}

void UnifiedConferenceView::UpdateConferenceTopic(const QString& confId, const QString& issuesJson)
{
    command(QStringLiteral("UpdateConferenceTopic"), confId, issuesJson);
}

void UnifiedConferenceView::setConferenceLockState(int lockCommand)
{
    command(QStringLiteral("setConferenceLockState"), lockCommand);
}

void UnifiedConferenceView::beginDesktopShare()
{
    command(QStringLiteral("beginDesktopShare"));
}

void UnifiedConferenceView::stopDesktopShare()
{
    command(QStringLiteral("stopDesktopShare"));
}

void UnifiedConferenceView::stopScreenMirroring(bool leave)
{
    command(QStringLiteral("stopScreenMirroring"), leave);
}

void UnifiedConferenceView::sendCmdDesktopShare(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on)
{
    command(QStringLiteral("sendCmdDesktopShare"), account, deviceType, on);
}

void UnifiedConferenceView::sendCmdLectureMode(bool on)
{
    command(QStringLiteral("sendCmdLectureMode"), on);
}

void UnifiedConferenceView::beginRecording()
{
    command(QStringLiteral("beginRecording"));
}

void UnifiedConferenceView::stopRecording()
{
    command(QStringLiteral("stopRecording"));
}

void UnifiedConferenceView::restStopRecording(int type)
{
    command(QStringLiteral("restStopRecording"), type);
}

void UnifiedConferenceView::switchToMobile()
{
    command(QStringLiteral("switchToMobile"));
}

void UnifiedConferenceView::enableVoiceActivate(bool on)
{
    command(QStringLiteral("enableVoiceActivate"), on);
    m_state.voiceActivate = on;
}

void UnifiedConferenceView::requestStartMemberVideo(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, void* view)
{
    command(QStringLiteral("requestStartMemberVideo"), account, deviceType, view);
    if (view)
        m_state.memberVideoViews.insert(memberKey(account, deviceType), quintptr(view));
    else
        m_state.memberVideoViews.remove(memberKey(account, deviceType));
}

void UnifiedConferenceView::requestStopMemberVideo(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    command(QStringLiteral("requestStopMemberVideo"), account, deviceType);
    m_state.memberVideoViews.remove(memberKey(account, deviceType));
}

void UnifiedConferenceView::resetSelfVideoView(void* view)
{
    command(QStringLiteral("resetSelfVideoView"), view);
    m_state.selfVideoView = quintptr(view);
}

void UnifiedConferenceView::requestDesktopShareView(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, void* view)
{
    command(QStringLiteral("requestDesktopShareView"), account, deviceType, view);
    if (view)
        m_state.desktopShareViews.insert(memberKey(account, deviceType), quintptr(view));
    else
        m_state.desktopShareViews.remove(memberKey(account, deviceType));
}

void UnifiedConferenceView::stopDesktopShareView(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    command(QStringLiteral("stopDesktopShareView"), account, deviceType);
    m_state.desktopShareViews.remove(memberKey(account, deviceType));
}

// --- queries ---

QString UnifiedConferenceView::getCurrentConfId() const
{
    query(QStringLiteral("getCurrentConfId"));
    return m_state.currentConfId;
}

QString UnifiedConferenceView::getCurrentAccount() const
{
    query(QStringLiteral("getCurrentAccount"));
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

QString UnifiedConferenceView::getCreator() const
{
    query(QStringLiteral("getCreator"));
    return m_state.creator;
}

ENUM_CONFERENCE_TYPE UnifiedConferenceView::getConferenceType() const
{
    query(QStringLiteral("getConferenceType"));
    return m_state.conferenceType;
}

QString UnifiedConferenceView::getInviteConfId() const
{
    query(QStringLiteral("getInviteConfId"));
    return m_state.inviteConfId;
}

int UnifiedConferenceView::getInviteConfType() const
{
    query(QStringLiteral("getInviteConfType"));
    return m_state.inviteConfType;
}

int UnifiedConferenceView::getInviterConfState(const QString& confId) const
{
    query(QStringLiteral("getInviterConfState"), confId);
    return m_state.inviterConfState;
}

Agent_ConfInfo UnifiedConferenceView::getConfInfo() const
{
    query(QStringLiteral("getConfInfo"));
    return m_state.confInfo;
}

Agent_ConfAppSetting UnifiedConferenceView::getConfAppSettting() const
{
    query(QStringLiteral("getConfAppSettting"));
    return m_state.appSetting;
}

Agent_OstrelConfConfig UnifiedConferenceView::getOstrelConfConfig() const
{
    query(QStringLiteral("getOstrelConfConfig"));
    return m_state.ostrelConfig;
}

QList<ConferenceMemberInfo> UnifiedConferenceView::getAllConferenceInfo() const
{
    query(QStringLiteral("getAllConferenceInfo"));
    return roster();
}

QList<ConferenceMemberInfo> UnifiedConferenceView::getOnlineConferenceInfos(bool includeNoMedia) const
{
    query(QStringLiteral("getOnlineConferenceInfos"), includeNoMedia);
    QList<ConferenceMemberInfo> online;
    for (const ConferenceMemberInfo& m : m_roster) {
        if (m.isInConf && (includeNoMedia || m.deviceType != CONFMEMBER_DEVICE_NONE))
            online << m;
    }
    return online;
}

QStringList UnifiedConferenceView::getMembersInConf() const
{
    query(QStringLiteral("getMembersInConf"));
    QStringList accounts;
    for (const ConferenceMemberInfo& m : m_roster) {
        if (m.isInConf)
            accounts << m.account;
    }
    return accounts;
}

ConferenceMemberInfo UnifiedConferenceView::findConferenceMemberInfo(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool& found) const
{
    query(QStringLiteral("findConferenceMemberInfo"), account, deviceType);
    const ConferenceMemberInfo* m = member(account, deviceType);
    found = m != nullptr;
    return m ? *m : ConferenceMemberInfo();
}

bool UnifiedConferenceView::getIsIgnoreSdkInfo() const
{
    query(QStringLiteral("getIsIgnoreSdkInfo"));
    return m_state.ignoreSdkInfo;
}

bool UnifiedConferenceView::isHost() const
{
    query(QStringLiteral("isHost"));
    const QString self = KP_BusinessView::instance()->getUserInfoView()->state().account;
    return !self.isEmpty() && m_hostEntries.contains(self);
}

bool UnifiedConferenceView::isConferenceHost(const QString& account) const
{
    query(QStringLiteral("isConferenceHost"), account);
    return !account.isEmpty() && m_hostEntries.contains(account);
}

bool UnifiedConferenceView::isMySelf(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const
{
    query(QStringLiteral("isMySelf"), account, deviceType);
    const QString self = KP_BusinessView::instance()->getUserInfoView()->state().account;
    if (self.isEmpty() || account != self)
        return false;
    return deviceType == CONFMEMBER_DEVICE_PC || m_state.appSetting.multiDeviceMode == 0;
}

bool UnifiedConferenceView::isDesktopSharing(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const
{
    query(QStringLiteral("isDesktopSharing"), account, deviceType);
    return !m_state.shareAccount.isEmpty() && m_state.shareAccount == account && m_state.shareDeviceType == deviceType;
}

QString UnifiedConferenceView::getDesktopShareAccount(ENUM_CONFMEMBER_DEVICETYPE& deviceType) const
{
    query(QStringLiteral("getDesktopShareAccount"));
    deviceType = m_state.shareDeviceType;
    return m_state.shareAccount;
}

bool UnifiedConferenceView::isEnabledVoiceActivate() const
{
    query(QStringLiteral("isEnabledVoiceActivate"));
    return m_state.voiceActivate;
}

bool UnifiedConferenceView::allowCallPhone() const
{
    query(QStringLiteral("allowCallPhone"));
    return m_state.appSetting.allowCallPhone;
}

bool UnifiedConferenceView::isHaveCamears() const
{
    query(QStringLiteral("isHaveCamears"));
    return !KP_BusinessView::instance()->getVoipView()->state().cameras.isEmpty();
}
