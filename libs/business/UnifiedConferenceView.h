#pragma once

#include "business/AddressBookRecords.h"
#include "business/BusinessViewBase.h"
#include "business/ConferenceRecords.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <list>

class QTimer;

// The unified conference: join, leave, members, host, media control, sharing,
// recording, lock, lecture mode, layout and whiteboard.
class KP_BUSINESS_EXPORT UnifiedConferenceView : public BusinessViewBase
{
    Q_OBJECT
public:
    // Query state, set by tests and the simulator (and by the local commands).
    struct State
    {
        QString currentConfId;
        QString creator;
        Agent_ConfInfo confInfo;
        Agent_ConfAppSetting appSetting;
        Agent_OstrelConfConfig ostrelConfig;
        ENUM_CONFERENCE_TYPE conferenceType = CONFERENCE_TYPE_UNKNOWN; // setConferenceType
        QString inviteConfId; // invitation waiting for an answer; resetInviteConfId clears it
        int inviteConfType = 0; // conference type of that invitation (3 training)
        int inviterConfState = 128; // join flags the inviter asks for (getInviterConfState)
        QString shareAccount; // who shares the desktop; empty when nobody
        ENUM_CONFMEMBER_DEVICETYPE shareDeviceType = CONFMEMBER_DEVICE_NONE;
        int lockStatus = 0; // ConfLockBits
        bool voiceActivate = false;
        bool ignoreSdkInfo = false; // startIgnoreSdkInfo sets it for ignoreSdkInfoMs
        bool lectureMode = false;
        // Native render targets handed over (member key -> handle).
        QHash<QString, quintptr> memberVideoViews;
        QHash<QString, quintptr> desktopShareViews;
        quintptr selfVideoView = 0;
    };
    static constexpr int ignoreSdkInfoMs = 3000;

    explicit UnifiedConferenceView(QObject* parent = nullptr);
    ~UnifiedConferenceView() override;

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;
    // Ends the ignore period of startIgnoreSdkInfo (its timer fires here).
    QTimer* ignoreSdkInfoTimer() const { return m_ignoreTimer; }

    // The roster: every member of the current conference, keyed by account and
    // device type, in arrival order. Look-ups, updates and removals are O(1)
    // and build no text.
    void setRoster(const QList<ConferenceMemberInfo>& members);
    // Adds the member, or replaces the record with the same key in place.
    void upsertMember(const ConferenceMemberInfo& member);
    bool removeMember(const QString& account, int deviceType);
    void clearRoster();
    // A copy of the whole roster; for one member use member().
    QList<ConferenceMemberInfo> roster() const;
    int rosterSize() const { return int(m_roster.size()); }
    // Unjournaled lookup for tests and the simulator; nullptr when absent.
    const ConferenceMemberInfo* member(const QString& account, int deviceType) const;
    // Makes the members of this account host and everybody else not.
    void setHostAccount(const QString& account);

    // Public fields the module reads and writes directly.
    bool m_isRecording = false;
    // 2: the conference exists only to share the screen or project wirelessly;
    // the module sets 1 once the user joins the conference proper.
    int m_screenShareMode = 0;

    // --- commands ---
    void setConferenceType(ENUM_CONFERENCE_TYPE type);
    void joinConference(const QString& confId, const QString& password, int inviterState, ENUM_CONFERENCE_TYPE confType,
        int joinType, int reserved, const QString& extend);
    void leaveConference(const QString& confId);
    void dismissConference(const QString& confId);
    void rejectInvitation(const QString& confId, const QString& fromAccount, int reason);
    void resetInviteConfId();
    void createConferenceAndInvite(const QString& subject, const QString& password, const QStringList& accounts,
        const QString& groupId, ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media, int joinType);
    void inviteMembers(const QStringList& accounts);
    void invitePhoneMembers(const QMap<QString, LandingCallMember>& members);
    void queryConfenceAppSetting();
    void getStatisticsInfo(); // answered by sig_onStatisticsInfo
    void startIgnoreSdkInfo();
    void controlSelfMicphone(bool on);
    void controlSelfCamera(bool on, void* view);
    void controlSelfAudio(bool on);
    void controlSelfHand(bool up);
    void controlAllMemberMicphone(bool on);
    void controlAllMemberCamera(bool on);
    void controlMemberHand(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool up);
    void controlMemberMicphone(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on);
    // operation: ConfMemberOperation; value 1 open, 0 close.
    void memberOperate(int operation, const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, int value);
    void setHost_V3(const ConfSendCmdInfo& info);
    // kind 1 renames an enterprise user, 2 a guest.
    void updateMemberInfo(const QString& account, const QString& name, ENUM_CONFMEMBER_DEVICETYPE deviceType, int kind);
    void UpdateConferenceTopic(const QString& confId, const QString& issuesJson);
    void setConferenceLockState(int command); // ConfLockCommand
    void beginDesktopShare();
    void stopDesktopShare();
    void stopScreenMirroring(bool leave);
    void sendCmdDesktopShare(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on);
    void sendCmdLectureMode(bool on);
    void beginRecording();
    void stopRecording();
    // Stops the recording, then ends (1) or leaves (2) the conference as host.
    void restStopRecording(int type);
    void switchToMobile();
    void enableVoiceActivate(bool on);
    void requestStartMemberVideo(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, void* view);
    void requestStopMemberVideo(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void resetSelfVideoView(void* view);
    void requestDesktopShareView(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, void* view);
    void stopDesktopShareView(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);

    // --- queries ---
    QString getCurrentConfId() const;
    QString getCurrentAccount() const; // the logged-in user's account
    QString getCreator() const;
    ENUM_CONFERENCE_TYPE getConferenceType() const;
    QString getInviteConfId() const;
    int getInviteConfType() const;
    int getInviterConfState(const QString& confId) const;
    Agent_ConfInfo getConfInfo() const;
    Agent_ConfAppSetting getConfAppSettting() const;
    Agent_OstrelConfConfig getOstrelConfConfig() const;
    QList<ConferenceMemberInfo> getAllConferenceInfo() const;
    // Members in the conference; without includeNoMedia those of device type -1 are left out.
    QList<ConferenceMemberInfo> getOnlineConferenceInfos(bool includeNoMedia) const;
    QStringList getMembersInConf() const; // accounts of the members in the conference
    ConferenceMemberInfo findConferenceMemberInfo(
        const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool& found) const;
    bool getIsIgnoreSdkInfo() const;
    bool isHost() const;
    bool isConferenceHost(const QString& account) const;
    // The user's own entry: own account on this client (20), or any device
    // when the service does not tell devices apart.
    bool isMySelf(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const;
    bool isDesktopSharing(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const;
    QString getDesktopShareAccount(ENUM_CONFMEMBER_DEVICETYPE& deviceType) const;
    bool isEnabledVoiceActivate() const;
    bool allowCallPhone() const;
    bool isHaveCamears() const; // from VoipView's camera list

signals:
    // Conference windows and invitations.
    void sig_showConferenceMainWidget(ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media, bool calling);
    void sig_closeConferenceMainWidget();
    void sig_onInviteNormalConference(ConferenceBriefInfo info, QString sender);
    void sig_onInviteNormalConferenceClose(Agent_ConfNtyMsg msg);
    void sig_onInviteRejectConference();
    void sig_onStopInviteNormalConference();
    void sig_reserveConfInviteNofity(ConferenceBriefInfo info);
    void sig_onOperatorConferenceError(QString text, int reason);
    void sig_showSelectConfMemberWidget(bool createConf, ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media);
    void sig_onlySelectConfMembers(QList<QString> accounts, int type);
    void sig_selectConfMembers(QStringList accounts, QList<QSharedPointer<AddressBookBase>> persons, int type);
    // Conference state.
    void sig_updateConferenceInfo(ConferenceBriefInfo info);
    void sig_updateConferenceInfo(bool status, ConferenceBriefInfo info);
    void sig_updateConferenceInfo(ConferenceBriefInfo info, bool status);
    void sig_showConferenceDetail(QString confId, QList<ConferenceMemberInfo> members);
    void sig_onJoinConference(bool isSuccess, QString errorMsg, QString confId);
    void sig_onLeaveConference(bool isSuccess, QString errorMsg, QString confId);
    void sig_onDismissConference(bool isSuccess, QString errorMsg, QString confId);
    void sig_onNotifyConferenceLockStatus(int state);
    void sig_StartRecord(bool on);
    void sig_onNetworkSignalStrength(CS_StatReports report);
    void sig_onStatisticsInfo(QString json);
    void sig_onConferenceMediaTimeout(QString account, int kind, QString confId);
    void sig_multiEndKickOut();
    void sig_handleMsgReserveRemindBeforeEnd(Agent_ConfNtyMsg& msg, QString& text);
    void sig_confEndCountdown(QString confId, int seconds);
    void sig_onSystemMsgNotify(QString info, bool atOnce);
    void sig_startJiugongge(ConferenceBriefInfo info);
    // Roster.
    void sig_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members);
    void sig_onInviteMemberList(QList<ConferenceMemberInfo> members, bool started);
    void sig_onJoinConferenceNotify(ConferenceMemberInfo member, QString confId);
    void sig_onConfMsgMemberQuit(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void sig_onConfMsgKickMember(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void sig_onConfMsgMemberReConnect(ConferenceMemberInfo member);
    void sig_onInviteConfNotify(QString account, int cause);
    void sig_updateMemberInfo(ConferenceMemberInfo member, int action);
    void sig_updateMemberInfo(QList<ConferenceMemberInfo> members);
    void sig_updateMemberInfo(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType, QString name);
    void sig_updateMainConfLayout(ConferenceMemberInfo member);
    void sig_updateMainConfMemberControlWidget(ConferenceMemberInfo member);
    void sig_changedHost(QList<ConferenceMemberInfo> members, QString confId);
    void sig_onHandUp(
        bool isSuccess, QString errorMsg, bool up, QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void sig_onConferenceParticipant(QString confId, QList<Agent_ConferenceParticipantMemberInfo> speakers);
    void sig_updateAllMicphonesButtonState(bool on);
    void sig_updateAllCameraButtonState(bool on);
    // Media of the user.
    void sig_onControlSelfMicphone(QString account, bool on);
    void sig_onControlSelfMicphone(bool isSuccess, bool on);
    void sig_onControlSelfCamera(QString account, bool on);
    void sig_onControlSelfAudio(QString errorMsg, bool on);
    void sig_onRequestOpenCamera();
    // Sharing and whiteboard.
    void sig_onBeginShareDesktop(bool isSuccess, QString errorMsg);
    void sig_onStopShareDesktop(bool isSuccess, QString errorMsg);
    void sig_onBeginShareDesktopNotify(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void sig_onStopShareDesktopNotify(QString account);
    void sig_onNotifyCancelDesktopShare(bool cancelled);
    void sig_startConferenceWhiteborad(QString roomId, QString password, QString host, QString confId);
    // Requests the module sends to the client.
    void sig_confUIClose(QString confId);
    void sig_showConferenceChat(QString confId);
    void sig_closeConferenceChat(QString confId);
    void sig_showConfShareWidget();
    void sig_activeWhiteborad();
    void sig_uiQuitWhiteborad();
    void sig_conferenceExtendDuration(QString confId, int minutes, int total);

private:
    State m_state;
    QTimer* m_ignoreTimer = nullptr;
    using RosterKey = QPair<QString, int>; // account, device type
    using Roster = std::list<ConferenceMemberInfo>; // arrival order; its iterators stay valid
    Roster m_roster;
    QHash<RosterKey, Roster::iterator> m_rosterIndex;
    QHash<QString, int> m_hostEntries; // account -> number of host entries
};
