#include "business/sim/VideoSimulation.h"

#include "business/KP_BusinessView.h"
#include "business/UnifiedConferenceView.h"

namespace {

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

// A copy of the member's record, or false when the roster lacks it.
bool recordOf(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, ConferenceMemberInfo& record)
{
    const ConferenceMemberInfo* m = conf()->member(account, deviceType);
    if (!m)
        return false;
    record = *m;
    return true;
}

} // namespace

VideoSimulation::VideoSimulation(QObject* parent)
    : QObject(parent)
{
    connect(&m_rotation, &QTimer::timeout, this, &VideoSimulation::rotateSpeakers);
}

void VideoSimulation::pushSpeakers(const QList<MemberRef>& speakers, int volume)
{
    QList<Agent_ConferenceParticipantMemberInfo> report;
    report.reserve(speakers.size());
    for (const MemberRef& speaker : speakers) {
        Agent_ConferenceParticipantMemberInfo entry;
        entry.account = speaker.first;
        entry.deviceType = speaker.second;
        entry.volume = volume;
        report.append(entry);
    }
    emit conf()->sig_onConferenceParticipant(conf()->state().currentConfId, report);
    emit sig_pushed(QStringLiteral("sig_onConferenceParticipant"));
}

bool VideoSimulation::pushReconnect(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    emit conf()->sig_onConfMsgMemberReConnect(record);
    emit sig_pushed(QStringLiteral("sig_onConfMsgMemberReConnect"));
    return true;
}

bool VideoSimulation::pushMicrophone(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool open)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    record.isMicOpen = open;
    conf()->upsertMember(record);
    emit conf()->sig_updateMemberInfo(record, open ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF);
    emit sig_pushed(QStringLiteral("sig_updateMemberInfo"));
    return true;
}

bool VideoSimulation::pushCamera(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool open)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    record.isCameraOpen = open;
    conf()->upsertMember(record);
    emit conf()->sig_updateMemberInfo(record, open ? CONF_MEMBER_ACTION_CAMERA_ON : CONF_MEMBER_ACTION_CAMERA_OFF);
    emit sig_pushed(QStringLiteral("sig_updateMemberInfo"));
    return true;
}

bool VideoSimulation::pushRename(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, const QString& name)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    record.name = name;
    conf()->upsertMember(record);
    emit conf()->sig_updateMemberInfo(record, CONF_MEMBER_ACTION_RENAME);
    emit sig_pushed(QStringLiteral("sig_updateMemberInfo"));
    return true;
}

bool VideoSimulation::pushShareBegin(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    // One sharer at a time: a new share ends the previous one.
    if (!conf()->state().shareAccount.isEmpty())
        pushShareEnd();
    record.isSharing = true;
    conf()->upsertMember(record);
    conf()->state().shareAccount = account;
    conf()->state().shareDeviceType = deviceType;
    emit conf()->sig_onBeginShareDesktopNotify(account, deviceType);
    emit sig_pushed(QStringLiteral("sig_onBeginShareDesktopNotify"));
    return true;
}

void VideoSimulation::pushShareEnd()
{
    UnifiedConferenceView::State& state = conf()->state();
    const QString account = state.shareAccount;
    if (account.isEmpty())
        return;
    ConferenceMemberInfo record;
    if (recordOf(account, state.shareDeviceType, record)) {
        record.isSharing = false;
        conf()->upsertMember(record);
    }
    state.shareAccount.clear();
    state.shareDeviceType = CONFMEMBER_DEVICE_NONE;
    emit conf()->sig_onStopShareDesktopNotify(account);
    emit sig_pushed(QStringLiteral("sig_onStopShareDesktopNotify"));
}

bool VideoSimulation::pushMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on)
{
    ConferenceMemberInfo record;
    if (!recordOf(account, deviceType, record))
        return false;
    // There is one main venue: naming a new one takes the flag from the others.
    if (on) {
        const QList<ConferenceMemberInfo> members = conf()->roster();
        for (ConferenceMemberInfo other : members) {
            if (other.isMainVenue && !(other.account == account && other.deviceType == deviceType)) {
                other.isMainVenue = false;
                conf()->upsertMember(other);
            }
        }
    }
    record.isMainVenue = on;
    conf()->upsertMember(record);
    emit conf()->sig_updateMainConfLayout(record);
    emit sig_pushed(QStringLiteral("sig_updateMainConfLayout"));
    return true;
}

void VideoSimulation::pushSystemMessage(const QString& text, bool atOnce)
{
    emit conf()->sig_onSystemMsgNotify(text, atOnce);
    emit sig_pushed(QStringLiteral("sig_onSystemMsgNotify"));
}

void VideoSimulation::startSpeakerRotation(int intervalMs, int count)
{
    m_rotationCount = qMax(1, count);
    m_rotation.start(qMax(1, intervalMs));
}

void VideoSimulation::stopSpeakerRotation()
{
    m_rotation.stop();
}

void VideoSimulation::rotateSpeakers()
{
    QList<MemberRef> candidates;
    const QList<ConferenceMemberInfo> members = conf()->roster();
    for (const ConferenceMemberInfo& m : members) {
        if (m.isInConf && m.isMicOpen)
            candidates.append(qMakePair(m.account, m.deviceType));
    }
    QList<MemberRef> speakers;
    if (!candidates.isEmpty()) {
        const int count = qMin(m_rotationCount, candidates.size());
        for (int i = 0; i < count; ++i)
            speakers.append(candidates.at((m_rotationIndex + i) % candidates.size()));
        m_rotationIndex = (m_rotationIndex + count) % candidates.size();
    }
    pushSpeakers(speakers);
}
