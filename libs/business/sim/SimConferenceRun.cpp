// A running conference as the simulator plays it: joining one of any size, the
// main venue, remote shares, recording, network figures, host hand-over, the
// end countdown and the dismissal; and the server's answers to the user's own
// media, lock, share and statistics requests.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int selfAnswerMs = 200; // the user's own microphone or camera switches
constexpr int lockAnswerMs = 150;
constexpr int shareAnswerMs = 400;
constexpr int endCountdownSeconds = 180;

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString selfAccount()
{
    return KP_BusinessView::instance()->getUserInfoView()->state().account;
}

QString statisticsJson(const CS_StatReports& figures)
{
    const QJsonObject audio { { QStringLiteral("SendStream"),
                                  QJsonArray {
                                      QJsonObject { { QStringLiteral("fraction_lost"), qRound(figures.sendLoss) } } } },
        { QStringLiteral("Receive"),
            QJsonArray { QJsonObject { { QStringLiteral("fraction_lost"), qRound(figures.recvLoss) } } } } };
    const QJsonObject root { { QStringLiteral("AudioStats"), audio },
        { QStringLiteral("TotalStats"), QJsonObject { { QStringLiteral("Rtt_ms"), figures.rttMs } } } };
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact));
}

} // namespace

ConferenceBriefInfo BusinessSimulator::pushConferenceJoined(int members, const QString& hostAccount)
{
    const QList<ConferenceMemberInfo> roster = makeMemberRoster(members, hostAccount);
    QString host = hostAccount;
    for (const ConferenceMemberInfo& m : roster) {
        if (host.isEmpty() && m.isHost)
            host = m.account;
    }
    ConferenceBriefInfo brief = makeConferenceBrief(host);
    brief.memberCount = roster.size();
    conferenceView()->state().conferenceType = brief.confType;
    enterConference(brief, roster, false, brief.mediaType);
    return brief;
}

bool BusinessSimulator::pushMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    UnifiedConferenceView* conf = conferenceView();
    ConferenceMemberInfo venue;
    // The old main venue steps down first.
    for (const ConferenceMemberInfo& m : conf->roster()) {
        if (m.isMainVenue) {
            ConferenceMemberInfo old = m;
            old.isMainVenue = false;
            conf->upsertMember(old);
            venue = old;
        }
    }
    if (!account.isEmpty()) {
        const ConferenceMemberInfo* found = conf->member(account, deviceType);
        if (!found)
            return false;
        venue = *found;
        venue.isMainVenue = true;
        conf->upsertMember(venue);
    }
    emit conf->sig_updateMainConfLayout(venue);
    return true;
}

bool BusinessSimulator::pushConferenceShare(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on)
{
    UnifiedConferenceView* conf = conferenceView();
    UnifiedConferenceView::State& s = conf->state();
    if (on) {
        if (!conf->member(account, deviceType))
            return false;
        s.shareAccount = account;
        s.shareDeviceType = deviceType;
        emit conf->sig_onBeginShareDesktopNotify(account, deviceType);
        return true;
    }
    if (s.shareAccount != account)
        return false;
    s.shareAccount.clear();
    s.shareDeviceType = CONFMEMBER_DEVICE_NONE;
    emit conf->sig_onStopShareDesktopNotify(account);
    return true;
}

void BusinessSimulator::pushRecording(bool on)
{
    UnifiedConferenceView* conf = conferenceView();
    conf->m_isRecording = on;
    emit conf->sig_StartRecord(on);
}

void BusinessSimulator::pushNetworkReport(int rttMs, double sendLoss, double recvLoss)
{
    m_network.rttMs = rttMs;
    m_network.sendLoss = sendLoss;
    m_network.recvLoss = recvLoss;
    m_network.sendKbps = rttMs < 300 ? 1200 : 350;
    m_network.recvKbps = rttMs < 300 ? 2400 : 600;
    emit conferenceView()->sig_onNetworkSignalStrength(m_network);
}

bool BusinessSimulator::pushHostHandOver(const QString& account)
{
    if (!pushHostChange(account))
        return false;
    UnifiedConferenceView* conf = conferenceView();
    conf->state().creator = account;
    emit conf->sig_showConferenceDetail(conf->state().currentConfId, conf->roster());
    return true;
}

void BusinessSimulator::pushEndCountdown()
{
    UnifiedConferenceView* conf = conferenceView();
    Agent_ConfNtyMsg msg;
    msg.confId = conf->state().currentConfId;
    QString text = QStringLiteral("The conference ends in 5 minutes");
    emit conf->sig_handleMsgReserveRemindBeforeEnd(msg, text);
    emit conf->sig_confEndCountdown(msg.confId, endCountdownSeconds);
}

void BusinessSimulator::pushDismissal()
{
    endConference(conferenceView()->state().currentConfId, true);
}

void BusinessSimulator::registerConferenceRunHandlers()
{
    const QString view = QStringLiteral("UnifiedConferenceView");
    // The user's own microphone or camera: the answer, then the user's entry changes.
    on(view, QStringLiteral("controlSelfMicphone"), [this](const QVariantList& a) {
        const bool on = a.value(0).toBool();
        after(selfAnswerMs, [this, on] {
            emit conferenceView()->sig_onControlSelfMicphone(true, on);
            pushMediaChange(
                selfAccount(), CONFMEMBER_DEVICE_PC, on ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF);
            handled(QStringLiteral("controlSelfMicphone"));
        });
    });
    on(view, QStringLiteral("controlSelfCamera"), [this](const QVariantList& a) {
        const bool on = a.value(0).toBool();
        after(selfAnswerMs, [this, on] {
            emit conferenceView()->sig_onControlSelfCamera(selfAccount(), on);
            pushMediaChange(
                selfAccount(), CONFMEMBER_DEVICE_PC, on ? CONF_MEMBER_ACTION_CAMERA_ON : CONF_MEMBER_ACTION_CAMERA_OFF);
            handled(QStringLiteral("controlSelfCamera"));
        });
    });
    on(view, QStringLiteral("getStatisticsInfo"), [this](const QVariantList&) {
        after(0, [this] {
            emit conferenceView()->sig_onStatisticsInfo(statisticsJson(m_network));
            handled(QStringLiteral("getStatisticsInfo"));
        });
    });
    on(view, QStringLiteral("setConferenceLockState"), [this](const QVariantList& a) {
        const int command = a.value(0).toInt();
        after(lockAnswerMs, [this, command] {
            UnifiedConferenceView* conf = conferenceView();
            int& bits = conf->state().lockStatus;
            if (command == CONF_LOCK_CONFERENCE)
                bits |= CONF_LOCK_BIT_CONFERENCE;
            else if (command == CONF_UNLOCK_CONFERENCE)
                bits &= ~CONF_LOCK_BIT_CONFERENCE;
            else if (command == CONF_LOCK_SHARING)
                bits |= CONF_LOCK_BIT_SHARING;
            else if (command == CONF_UNLOCK_SHARING)
                bits &= ~CONF_LOCK_BIT_SHARING;
            emit conf->sig_onNotifyConferenceLockStatus(bits);
            handled(QStringLiteral("setConferenceLockState"));
        });
    });
    on(view, QStringLiteral("beginDesktopShare"), [this](const QVariantList&) {
        after(shareAnswerMs, [this] {
            UnifiedConferenceView* conf = conferenceView();
            conf->state().shareAccount = selfAccount();
            conf->state().shareDeviceType = CONFMEMBER_DEVICE_PC;
            emit conf->sig_onBeginShareDesktop(true, QString());
            emit conf->sig_onBeginShareDesktopNotify(selfAccount(), CONFMEMBER_DEVICE_PC);
            handled(QStringLiteral("beginDesktopShare"));
        });
    });
    on(view, QStringLiteral("stopDesktopShare"), [this](const QVariantList&) {
        after(shareAnswerMs, [this] {
            UnifiedConferenceView* conf = conferenceView();
            conf->state().shareAccount.clear();
            conf->state().shareDeviceType = CONFMEMBER_DEVICE_NONE;
            emit conf->sig_onStopShareDesktop(true, QString());
            emit conf->sig_onStopShareDesktopNotify(selfAccount());
            handled(QStringLiteral("stopDesktopShare"));
        });
    });
    // The host stops somebody else's share.
    on(view, QStringLiteral("sendCmdDesktopShare"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        if (a.value(2).toBool())
            return;
        after(shareAnswerMs, [this, account] {
            const UnifiedConferenceView::State& s = conferenceView()->state();
            if (s.shareAccount == account)
                pushConferenceShare(account, s.shareDeviceType, false);
            else
                g_Log.LogInfo(QStringLiteral("BusinessSimulator sendCmdDesktopShare: %1 does not share").arg(account));
            handled(QStringLiteral("sendCmdDesktopShare"));
        });
    });
}
