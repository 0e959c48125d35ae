// The member roster of a conference as the simulator plays it: rosters of any
// size, joins, quits, kicks, hands, host changes, media changes and speakers,
// and the server's answers to the member commands of the member lists.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <QSet>

namespace {

constexpr int memberAnswerMs = 200; // a member command takes effect
constexpr int invitationAnswerMs = 1500; // an invited member picks up
constexpr int secondDeviceEvery = 25;

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString selfAccount()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

} // namespace

QList<ConferenceMemberInfo> BusinessSimulator::makeMemberRoster(int n, const QString& hostAccount) const
{
    n = qMax(1, n);
    // Rows on a second device come out of the n: the user's own mobile, then every 25th other.
    const int extra = n >= 10 ? 1 + (n - 10) / (secondDeviceEvery + 1) : 0;
    QList<ConferenceMemberInfo> roster = makeRoster(n - extra, hostAccount);
    roster.reserve(n);
    const int base = roster.size();
    QSet<int> doubled;
    // The user first, then every 25th member, then whoever is left, till the roster has n rows.
    for (int pass = 0; pass < 2 && roster.size() < n; ++pass) {
        for (int i = 0; i < base && roster.size() < n; ++i) {
            const ConferenceMemberInfo& first = roster.at(i);
            const bool pick = pass == 1 || i == 0 || i % secondDeviceEvery == 0;
            if (!pick || !first.isInConf || first.deviceType != CONFMEMBER_DEVICE_PC || doubled.contains(i))
                continue;
            doubled.insert(i);
            ConferenceMemberInfo mobile = first;
            mobile.deviceType = CONFMEMBER_DEVICE_MOBILE;
            mobile.isCameraOpen = false;
            mobile.isMicOpen = false;
            roster << mobile;
        }
    }
    return roster;
}

QList<ConferenceMemberInfo> BusinessSimulator::pushRoster(int n, const QString& hostAccount)
{
    const QList<ConferenceMemberInfo> roster = makeMemberRoster(n, hostAccount);
    pushRoster(roster);
    return roster;
}

void BusinessSimulator::pushRoster(const QList<ConferenceMemberInfo>& members)
{
    UnifiedConferenceView* conf = conferenceView();
    conf->setRoster(members);
    emit conf->sig_onGetConferenceMemberInfoList(members);
}

void BusinessSimulator::pushMemberJoin(ConferenceMemberInfo member)
{
    UnifiedConferenceView* conf = conferenceView();
    member.isInConf = true;
    conf->upsertMember(member);
    emit conf->sig_onJoinConferenceNotify(member, conf->state().currentConfId);
}

bool BusinessSimulator::pushMemberQuit(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool kicked)
{
    UnifiedConferenceView* conf = conferenceView();
    if (!conf->removeMember(account, deviceType))
        return false;
    if (kicked)
        emit conf->sig_onConfMsgKickMember(account, deviceType);
    else
        emit conf->sig_onConfMsgMemberQuit(account, deviceType);
    return true;
}

bool BusinessSimulator::pushHandUp(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool up)
{
    UnifiedConferenceView* conf = conferenceView();
    const ConferenceMemberInfo* found = conf->member(account, deviceType);
    if (!found)
        return false;
    ConferenceMemberInfo m = *found;
    m.isHandUp = up;
    conf->upsertMember(m);
    emit conf->sig_onHandUp(true, QString(), up, account, deviceType);
    return true;
}

bool BusinessSimulator::pushHostChange(const QString& account)
{
    UnifiedConferenceView* conf = conferenceView();
    QList<ConferenceMemberInfo> changed;
    for (const ConferenceMemberInfo& m : conf->roster()) {
        if (m.isHost != (m.account == account)) {
            ConferenceMemberInfo c = m;
            c.isHost = !m.isHost;
            changed << c;
        }
    }
    if (changed.isEmpty())
        return false;
    conf->setHostAccount(account);
    emit conf->sig_changedHost(changed, conf->state().currentConfId);
    return true;
}

bool BusinessSimulator::pushMediaChange(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, ConfMemberAction action)
{
    UnifiedConferenceView* conf = conferenceView();
    const ConferenceMemberInfo* found = conf->member(account, deviceType);
    if (!found)
        return false;
    ConferenceMemberInfo m = *found;
    switch (action) {
    case CONF_MEMBER_ACTION_MIC_OFF:
    case CONF_MEMBER_ACTION_MIC_ON:
        m.isMicOpen = action == CONF_MEMBER_ACTION_MIC_ON;
        break;
    case CONF_MEMBER_ACTION_CAMERA_OFF:
    case CONF_MEMBER_ACTION_CAMERA_ON:
        m.isCameraOpen = action == CONF_MEMBER_ACTION_CAMERA_ON;
        break;
    default:
        return false;
    }
    conf->upsertMember(m);
    emit conf->sig_updateMemberInfo(m, int(action));
    return true;
}

void BusinessSimulator::pushSpeakers(const QList<Agent_ConferenceParticipantMemberInfo>& speakers)
{
    UnifiedConferenceView* conf = conferenceView();
    emit conf->sig_onConferenceParticipant(conf->state().currentConfId, speakers);
}

QList<Agent_ConferenceParticipantMemberInfo> BusinessSimulator::pickSpeakers(int count) const
{
    QList<Agent_ConferenceParticipantMemberInfo> speakers;
    const QList<ConferenceMemberInfo> roster = conferenceView()->roster();
    const int step = qMax(1, roster.size() / qMax(1, count));
    for (int i = 0; i < roster.size() && speakers.size() < count; i += step) {
        const ConferenceMemberInfo& m = roster.at(i);
        if (m.isInConf && m.isMicOpen)
            speakers << Agent_ConferenceParticipantMemberInfo { m.account, 60 + i % 40, m.deviceType };
    }
    return speakers;
}

// --- answers ---

void BusinessSimulator::registerMemberHandlers()
{
    const QString view = QStringLiteral("UnifiedConferenceView");
    on(view, QStringLiteral("memberOperate"), [this](const QVariantList& a) {
        const int operation = a.value(0).toInt();
        const QString account = a.value(1).toString();
        const auto device = ENUM_CONFMEMBER_DEVICETYPE(a.value(2).toInt());
        const bool on = a.value(3).toInt() == 1;
        after(memberAnswerMs, [this, operation, account, device, on] {
            switch (operation) {
            case CONF_MEMBER_OP_KICK:
                pushMemberQuit(account, device, true);
                break;
            case CONF_MEMBER_OP_HAND:
                pushHandUp(account, device, on);
                break;
            case CONF_MEMBER_OP_MIC:
                pushMediaChange(account, device, on ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF);
                break;
            case CONF_MEMBER_OP_CAMERA:
                pushMediaChange(account, device, on ? CONF_MEMBER_ACTION_CAMERA_ON : CONF_MEMBER_ACTION_CAMERA_OFF);
                break;
            default:
                break;
            }
            handled(QStringLiteral("memberOperate"));
        });
    });
    on(view, QStringLiteral("controlMemberHand"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const auto device = ENUM_CONFMEMBER_DEVICETYPE(a.value(1).toInt());
        const bool up = a.value(2).toBool();
        after(memberAnswerMs, [this, account, device, up] {
            pushHandUp(account, device, up);
            handled(QStringLiteral("controlMemberHand"));
        });
    });
    on(view, QStringLiteral("controlMemberMicphone"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const auto device = ENUM_CONFMEMBER_DEVICETYPE(a.value(1).toInt());
        const bool on = a.value(2).toBool();
        after(memberAnswerMs, [this, account, device, on] {
            pushMediaChange(account, device, on ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF);
            handled(QStringLiteral("controlMemberMicphone"));
        });
    });
    on(view, QStringLiteral("controlAllMemberMicphone"), [this](const QVariantList& a) {
        const bool on = a.value(0).toBool();
        after(memberAnswerMs, [this, on] { answerAllMembers(true, on); });
    });
    on(view, QStringLiteral("controlAllMemberCamera"), [this](const QVariantList& a) {
        const bool on = a.value(0).toBool();
        after(memberAnswerMs, [this, on] { answerAllMembers(false, on); });
    });
    on(view, QStringLiteral("setHost_V3"), [this](const QVariantList& a) {
        const QString account = a.value(0).value<ConfSendCmdInfo>().account;
        after(memberAnswerMs, [this, account] {
            pushHostChange(account);
            handled(QStringLiteral("setHost_V3"));
        });
    });
    on(view, QStringLiteral("updateMemberInfo"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const QString name = a.value(1).toString();
        const auto device = ENUM_CONFMEMBER_DEVICETYPE(a.value(2).toInt());
        after(memberAnswerMs, [this, account, name, device] {
            UnifiedConferenceView* conf = conferenceView();
            if (const ConferenceMemberInfo* found = conf->member(account, device)) {
                ConferenceMemberInfo m = *found;
                m.name = name;
                conf->upsertMember(m);
                emit conf->sig_updateMemberInfo(account, device, name);
            }
            handled(QStringLiteral("updateMemberInfo"));
        });
    });
    on(view, QStringLiteral("inviteMembers"), [this](const QVariantList& a) {
        const QStringList accounts = a.value(0).toStringList();
        after(invitationAnswerMs, [this, accounts] { answerInvitation(accounts, false); });
    });
    on(view, QStringLiteral("invitePhoneMembers"), [this](const QVariantList& a) {
        const QStringList numbers = a.value(0).value<LandingCallMemberMap>().keys();
        after(invitationAnswerMs, [this, numbers] { answerInvitation(numbers, true); });
    });
}

void BusinessSimulator::answerInvitation(const QStringList& accounts, bool telephone)
{
    UnifiedConferenceView* conf = conferenceView();
    const QString operation = telephone ? QStringLiteral("invitePhoneMembers") : QStringLiteral("inviteMembers");
    if (conf->state().currentConfId.isEmpty()) {
        handled(operation);
        return;
    }
    const ENUM_CONFMEMBER_DEVICETYPE device = telephone ? CONFMEMBER_DEVICE_TELEPHONE : CONFMEMBER_DEVICE_PC;
    const QList<ConferenceMemberInfo> roster = conf->roster();
    for (const QString& account : accounts) {
        if (account.isEmpty())
            continue;
        // An invited member picks up on the device it was expected on.
        const ConferenceMemberInfo* known = nullptr;
        for (const ConferenceMemberInfo& r : roster) {
            if (r.account == account && !r.isInConf) {
                known = &r;
                break;
            }
        }
        ConferenceMemberInfo m = known ? *known : ConferenceMemberInfo();
        if (!known) {
            m.account = account;
            m.name = telephone ? account : displayName(account);
            m.memberType = telephone ? 2 : 1;
            m.deviceType = device;
        }
        m.isMicOpen = true;
        m.isSpeakerOpen = true;
        m.isCameraOpen = !telephone;
        pushMemberJoin(m);
    }
    g_Log.LogInfo(QStringLiteral("BusinessSimulator::answerInvitation %1 joined").arg(accounts.size()));
    handled(operation);
}

void BusinessSimulator::answerAllMembers(bool microphone, bool on)
{
    UnifiedConferenceView* conf = conferenceView();
    const QString self = selfAccount();
    const ConfMemberAction action = microphone ? (on ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF)
                                               : (on ? CONF_MEMBER_ACTION_CAMERA_ON : CONF_MEMBER_ACTION_CAMERA_OFF);
    for (const ConferenceMemberInfo& m : conf->roster()) {
        const bool current = microphone ? m.isMicOpen : m.isCameraOpen;
        if (m.isInConf && m.account != self && m.deviceType != CONFMEMBER_DEVICE_NONE && current != on)
            pushMediaChange(m.account, m.deviceType, action);
    }
    if (microphone)
        emit conf->sig_updateAllMicphonesButtonState(on);
    else
        emit conf->sig_updateAllCameraButtonState(on);
    handled(microphone ? QStringLiteral("controlAllMemberMicphone") : QStringLiteral("controlAllMemberCamera"));
}
