// Unified conference answers of the simulator.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "business/sim/TestCardRenderer.h"
#include "util/KPLog.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int joinDelayMs = 600;
constexpr int leaveDelayMs = 300;

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}
} // namespace

void BusinessSimulator::registerConferenceHandlers()
{
    const QString view = QStringLiteral("UnifiedConferenceView");
    on(view, QStringLiteral("joinConference"), [this](const QVariantList& a) {
        const QString confId = a.value(0).toString();
        const int confType = a.value(3).toInt();
        after(joinDelayMs, [this, confId, confType] { answerJoin(confId, confType); });
    });
    on(view, QStringLiteral("leaveConference"), [this](const QVariantList& a) {
        const QString confId = a.value(0).toString();
        after(leaveDelayMs, [this, confId] { endConference(confId, false); });
    });
    on(view, QStringLiteral("dismissConference"), [this](const QVariantList& a) {
        const QString confId = a.value(0).toString();
        after(leaveDelayMs, [this, confId] { endConference(confId, true); });
    });
    // The host ends (1) or leaves (2) through the recording stop.
    on(view, QStringLiteral("restStopRecording"), [this](const QVariantList& a) {
        const bool dismiss = a.value(0).toInt() == 1;
        after(leaveDelayMs, [this, dismiss] { endConference(QString(), dismiss); });
    });
    on(view, QStringLiteral("rejectInvitation"), [this](const QVariantList& a) {
        const QString confId = a.value(0).toString();
        m_invitations.remove(confId);
        after(0, [this] { handled(QStringLiteral("rejectInvitation")); });
    });
    on(view, QStringLiteral("createConferenceAndInvite"), [this](const QVariantList& a) {
        const QString subject = a.value(0).toString();
        const QStringList accounts = a.value(2).toStringList();
        const QString groupId = a.value(3).toString();
        const int type = a.value(4).toInt();
        const int media = a.value(5).toInt();
        after(joinDelayMs,
            [this, subject, accounts, groupId, type, media] { answerCreate(subject, accounts, groupId, type, media); });
    });
}

void BusinessSimulator::answerJoin(const QString& confId, int confType)
{
    UnifiedConferenceView* conf = conferenceView();
    if (!m_joinFailure.isEmpty() || confId.isEmpty()) {
        const QString error = m_joinFailure.isEmpty() ? QStringLiteral("The meeting ID was not found") : m_joinFailure;
        g_Log.LogInfo(QStringLiteral("BusinessSimulator::answerJoin failed confId=%1 error=%2").arg(confId, error));
        emit conf->sig_onJoinConference(false, error, confId);
        handled(QStringLiteral("joinConference"));
        return;
    }
    ConferenceBriefInfo brief = m_invitations.take(confId);
    if (brief.confId.isEmpty()) {
        // Joined by id (outside link): the server makes up the rest.
        const auto& persons = KP_BusinessView::instance()->getAddressBookView()->persons();
        brief = makeConferenceBrief(persons.size() > 1 ? persons.at(1)->account() : QString());
        brief.confId = confId;
        brief.shareLink = QStringLiteral("https://meet.example.com/appdownload/join.html?confId=") + confId;
    }
    const int stateType = conf->state().conferenceType;
    brief.confType = ENUM_CONFERENCE_TYPE(stateType != CONFERENCE_TYPE_UNKNOWN ? stateType : confType);
    const QList<ConferenceMemberInfo> roster = makeRoster(kJoinRosterSize, brief.hostAccount);
    enterConference(brief, roster, false, brief.mediaType);
    handled(QStringLiteral("joinConference"));
}

void BusinessSimulator::answerCreate(
    const QString& subject, const QStringList& accounts, const QString& groupId, int type, int media)
{
    auto* business = KP_BusinessView::instance();
    const UserInfoView::State& user = business->getUserInfoView()->state();
    ConferenceBriefInfo brief = makeConferenceBrief(user.account, subject);
    brief.confType = ENUM_CONFERENCE_TYPE(type);
    brief.mediaType = ENUM_CONFERENCE_MEDIA_TYPE(media);
    brief.startTime = QDateTime::currentSecsSinceEpoch();
    if (!groupId.isEmpty()) {
        brief.extension = QString::fromUtf8(
            QJsonDocument(QJsonObject { { QStringLiteral("groupId"), groupId } }).toJson(QJsonDocument::Compact));
    }
    // The creator is in and host; the invited are rung and not yet in.
    QList<ConferenceMemberInfo> roster = makeRoster(1, user.account);
    for (const QString& account : accounts) {
        ConferenceMemberInfo m;
        m.account = account;
        m.name = displayName(account);
        m.memberType = 1;
        m.deviceType = CONFMEMBER_DEVICE_PC;
        roster << m;
    }
    brief.memberCount = roster.size();
    business->getUnifiedConferenceView()->state().conferenceType = brief.confType;
    enterConference(brief, roster, true, media);
    emit business->getUnifiedConferenceView()->sig_onInviteMemberList(roster.mid(1), true);
    handled(QStringLiteral("createConferenceAndInvite"));
}

void BusinessSimulator::enterConference(
    const ConferenceBriefInfo& brief, const QList<ConferenceMemberInfo>& roster, bool calling, int media)
{
    auto* business = KP_BusinessView::instance();
    UnifiedConferenceView* conf = business->getUnifiedConferenceView();
    UnifiedConferenceView::State& s = conf->state();
    s.currentConfId = brief.confId;
    s.creator = brief.hostAccount;
    if (s.inviteConfId == brief.confId) {
        s.inviteConfId.clear();
        s.inviteConfType = 0;
    }
    Agent_ConfInfo& info = s.confInfo;
    info = Agent_ConfInfo();
    info.confId = brief.confId;
    info.subject = brief.subject;
    info.startTime = QDateTime::fromSecsSinceEpoch(brief.startTime).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    info.endTime
        = QDateTime::fromSecsSinceEpoch(brief.startTime + 3600).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    info.hostAccount = brief.hostAccount;
    info.hostName = brief.hostName;
    info.extension = brief.extension;
    info.whiteboardInfo = brief.whiteboardInfo;
    info.shareLink = brief.shareLink;
    info.confType = brief.confType;
    info.mediaType = brief.mediaType;
    conf->setRoster(roster);
    business->getMultimediaMgrView()->state().status = MULTIMEDIA_CONFERENCE;

    emit conf->sig_onJoinConference(true, QString(), brief.confId);
    emit conf->sig_showConferenceMainWidget(brief.confType, ENUM_CONFERENCE_MEDIA_TYPE(media), calling);
    emit conf->sig_updateConferenceInfo(brief);
    emit conf->sig_onGetConferenceMemberInfoList(roster);
    emit conf->sig_showConferenceDetail(brief.confId, roster);
    if (brief.confType == CONFERENCE_TYPE_GROUP)
        emit conf->sig_startJiugongge(brief);
}

void BusinessSimulator::endConference(const QString& requestedId, bool dismissed)
{
    auto* business = KP_BusinessView::instance();
    UnifiedConferenceView* conf = business->getUnifiedConferenceView();
    const QString confId = requestedId.isEmpty() ? conf->state().currentConfId : requestedId;
    const bool current = confId == conf->state().currentConfId;
    if (current) {
        UnifiedConferenceView::State& s = conf->state();
        s.currentConfId.clear();
        s.confInfo = Agent_ConfInfo();
        s.shareAccount.clear();
        s.shareDeviceType = CONFMEMBER_DEVICE_NONE;
        s.lockStatus = 0;
        s.memberVideoViews.clear();
        s.desktopShareViews.clear();
        s.selfVideoView = 0;
        conf->clearRoster();
        conf->m_isRecording = false;
        business->getMultimediaMgrView()->state().status = MULTIMEDIA_FREE;
        m_renderer->removeWithPrefix(QStringLiteral("conf."));
    }
    if (dismissed)
        emit conf->sig_onDismissConference(true, QString(), confId);
    else
        emit conf->sig_onLeaveConference(true, QString(), confId);
    if (current)
        emit conf->sig_closeConferenceMainWidget();
    handled(dismissed ? QStringLiteral("dismissConference") : QStringLiteral("leaveConference"));
}
