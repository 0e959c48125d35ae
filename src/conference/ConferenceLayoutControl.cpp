#include "conference/ConferenceLayoutControl.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "conference/ConferenceTitleBar.h"
#include "policy/ConferenceLayoutPolicy.h"
#include "policy/ScreenLayoutPolicy.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>

using namespace ConferenceLayoutPolicy;

namespace {

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

VideoItem itemOf(const ConferenceMemberInfo& member)
{
    return VideoItem { member.account, member.deviceType, false, member.isMainVenue };
}

} // namespace

ConferenceLayoutControl::ConferenceLayoutControl(
    ConfSmartVideoPlayMainWdg* videoArea, ConferenceTitleBar* titleBar, QObject* parent)
    : QObject(parent)
    , m_videoArea(videoArea)
    , m_titleBar(titleBar)
    , m_pollingTimer(new QTimer(this))
    , m_layoutType(kInitialLayout)
    , m_previousLayoutType(kInitialLayout)
{
    m_pollingTimer->setObjectName(QStringLiteral("pollingTimer"));
    connect(m_pollingTimer, &QTimer::timeout, this, &ConferenceLayoutControl::showNextPollingPage);
}

ConferenceLayoutControl::~ConferenceLayoutControl() = default;

bool ConferenceLayoutControl::isPolling() const
{
    return m_pollingTimer->isActive();
}

bool ConferenceLayoutControl::isOtherConference(const QString& confId) const
{
    return !m_confId.isEmpty() && !confId.isEmpty() && confId != m_confId;
}

void ConferenceLayoutControl::onConferenceParticipant(
    const QString& confId, const QList<Agent_ConferenceParticipantMemberInfo>& speakers)
{
    if (isOtherConference(confId)) {
        AreaLog::conference().LogDebug(
            QStringLiteral("ConferenceMainUi::slot_onConferenceParticipant for conference %1 dropped").arg(confId));
        return;
    }
    if (shareOrMainSpeakerActive() || speakers.isEmpty()) {
        m_participants.clear();
        return;
    }
    if (speakers != m_participants)
        m_participants = speakers;
    rebuild();
}

void ConferenceLayoutControl::onConferenceMemberInfoList(const QList<ConferenceMemberInfo>& members)
{
    AreaLog::conference().LogInfo(
        QStringLiteral("ConferenceMainUi::slot_onGetConferenceMemberInfoList %1 members").arg(members.size()));
    for (ConferenceMemberInfo member : members) {
        if (!member.isInConf || m_videoList.contains(member.account, member.deviceType))
            continue;
        member.isHandUp = false;
        m_videoList.append(member);
    }
    rebuild();
}

void ConferenceLayoutControl::onInviteMemberList(const QList<ConferenceMemberInfo>& members)
{
    AreaLog::conference().LogInfo(
        QStringLiteral("ConferenceMainUi::slot_onInviteMemberList %1 members").arg(members.size()));
    for (const ConferenceMemberInfo& member : members) {
        if (member.isInConf)
            addMember(member);
    }
}

void ConferenceLayoutControl::onJoinConferenceNotify(const ConferenceMemberInfo& member, const QString& confId)
{
    AreaLog::conference().LogInfo(
        QStringLiteral("ConferenceMainUi::slot_onJoinConferenceNotify %1 conference %2").arg(member.key(), confId));
    if (confId == m_confId)
        addMember(member);
}

void ConferenceLayoutControl::addMember(const ConferenceMemberInfo& member)
{
    if (member.account.isEmpty()) {
        AreaLog::conference().LogInfo(QStringLiteral("ConferenceLayoutControl::addMember member without account"));
        return;
    }
    m_videoList.append(member);
    if (rebuildsOnArrival(
            m_layoutType, m_videoList.size(), m_videoArea->tileCount(), member.isHost, shareOrMainSpeakerActive()))
        rebuild();
}

void ConferenceLayoutControl::onMemberLeft(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    const bool removed = m_videoList.remove(account, deviceType);
    const int speakersBefore = m_participants.size();
    m_participants.erase(std::remove_if(m_participants.begin(), m_participants.end(),
                             [&](const Agent_ConferenceParticipantMemberInfo& p) {
                                 return p.account == account && p.deviceType == deviceType;
                             }),
        m_participants.end());
    const bool wasMainSpeaker = m_mainSpeaker && m_mainSpeakerAccount == account;
    if (wasMainSpeaker) {
        m_mainSpeaker = false;
        m_mainSpeakerAccount.clear();
    }
    if (!removed && !wasMainSpeaker && speakersBefore == m_participants.size()) {
        AreaLog::conference().LogDebug(QStringLiteral("ConferenceLayoutControl::onMemberLeft unknown member %1")
                                           .arg(memberKey(account, deviceType)));
        return;
    }
    if (m_videoList.size() == 1 || m_videoArea->isMemberShown(account))
        rebuild();
}

void ConferenceLayoutControl::onUpdateMemberInfo(const ConferenceMemberInfo& member)
{
    const bool byDevice = conferenceView()->getConfAppSettting().multiDeviceMode != 0;
    m_videoList.update(member, byDevice);
}

void ConferenceLayoutControl::onUpdateMainConfLayout(const ConferenceMemberInfo& member)
{
    AreaLog::conference().LogDebug(QStringLiteral("slot_updateMainConfLayout cancel m_account:%1 isMainConf:%2 ")
                                       .arg(member.account)
                                       .arg(member.isMainVenue));
    m_mainSpeaker = member.isMainVenue;
    m_mainSpeakerAccount = member.isMainVenue ? member.account : QString();
    m_mainSpeakerDeviceType = member.isMainVenue ? int(member.deviceType) : 0;
    if (!m_sharing)
        rebuild();
}

void ConferenceLayoutControl::onBeginShareDesktopNotify(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    m_sharerDeviceType = deviceType;
    m_sharerAccount = account;
    // This client's own share is started by its own answer.
    if (deviceType == CONFMEMBER_DEVICE_PC && account == conferenceView()->getCurrentAccount())
        return;
    m_sharing = true;
    rebuild();
}

void ConferenceLayoutControl::onStopShareDesktopNotify(const QString& account)
{
    m_sharerAccount.clear();
    if (m_sharing && m_videoList.contains(account, m_sharerDeviceType)) {
        m_sharing = false;
        rebuild();
    }
}

void ConferenceLayoutControl::setScreenLayout(int type)
{
    if (!ScreenLayoutPolicy::isLayoutType(type)) {
        AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_setScreenLayout no layout %1").arg(type));
        return;
    }
    conferenceView()->startIgnoreSdkInfo();
    if (m_videoList.size() < 2) {
        emit sig_tip(QCoreApplication::translate(
            "ConferenceMainUi", "When there are less than 2 participants in the meeting, display with full screen"));
        return;
    }
    if (isPolling()) {
        emit sig_tip(QCoreApplication::translate("ConferenceMainUi", "When switching layouts, round robin will fail"));
        m_pollingTimer->stop();
        emit sig_pollingChanged(false);
        rebuild();
    }
    AreaLog::conference().LogDebug(QStringLiteral("slot_setScreenLayout----------------1"));
    m_previousLayoutType = m_layoutType;
    m_layoutType = type;
    rebuild();
    m_titleBar->setLayoutType(type);
}

void ConferenceLayoutControl::openPolling(const QString& seconds)
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_openPolling open slot %1").arg(seconds));
    bool ok = false;
    const int intervalMs = seconds.toInt(&ok) * 1000;
    if (!ok || intervalMs <= 0) {
        AreaLog::conference().LogInfo(
            QStringLiteral("ConferenceMainUi::slot_openPolling no interval in \"%1\"").arg(seconds));
        emit sig_pollingChanged(isPolling());
        return;
    }
    if (m_videoList.size() <= pollingThreshold(m_layoutType)) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            QCoreApplication::translate("ConferenceMainUi",
                "When there are not enough participants, the round robin mode cannot be turned on!"),
            POPUP_HANDLE_CONFERENCE);
        emit sig_pollingChanged(false);
        return;
    }
    m_layoutType = kSpeakerLayout;
    m_titleBar->setLayoutType(m_layoutType);
    showNextPollingPage();
    m_pollingTimer->stop();
    m_pollingTimer->start(intervalMs);
    emit sig_pollingChanged(true);
}

void ConferenceLayoutControl::closePolling()
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_closePolling close slot"));
    m_pollingTimer->stop();
    emit sig_pollingChanged(false);
    rebuild();
}

void ConferenceLayoutControl::showNextPollingPage()
{
    const QVector<int> positions = nextPollingPage(m_videoList.size(), pollingPageSize(m_layoutType));
    if (positions.isEmpty())
        return;
    QList<ConferenceMemberInfo> page;
    page.reserve(positions.size());
    for (int at : positions)
        page.append(m_videoList.at(at));
    rebuildWith(page);
}

void ConferenceLayoutControl::rebuild()
{
    rebuildWith(m_videoList.members());
}

void ConferenceLayoutControl::rebuildWith(const QList<ConferenceMemberInfo>& members)
{
    m_videoArea->setScreenLayout(layoutCode(m_layoutType, m_videoList.size()));

    QList<VideoItem> items;
    items.reserve(members.size());
    for (const ConferenceMemberInfo& member : members)
        items.append(itemOf(member));

    UnifiedConferenceView* view = conferenceView();
    VideoItem host;
    for (const ConferenceMemberInfo& member : m_videoList.members()) {
        if (view->isConferenceHost(member.account)) {
            host = itemOf(member);
            break;
        }
    }
    VideoItem sharer;
    if (!m_sharerAccount.isEmpty())
        sharer = VideoItem { m_sharerAccount, m_sharerDeviceType };
    VideoItem mainVenue;
    if (!m_mainSpeakerAccount.isEmpty())
        mainVenue
            = VideoItem { m_mainSpeakerAccount, ENUM_CONFMEMBER_DEVICETYPE(m_mainSpeakerDeviceType), false, true };

    QList<VideoItem> speakers;
    QSet<VideoMemberKey> seen;
    for (const Agent_ConferenceParticipantMemberInfo& p : qAsConst(m_participants)) {
        const VideoMemberKey key(p.account, p.deviceType);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        speakers.append(VideoItem { p.account, ENUM_CONFMEMBER_DEVICETYPE(p.deviceType) });
    }

    m_videoArea->applyVideoOrder(m_videoArea->buildVideoOrder(items, host, sharer, mainVenue, speakers));
}
