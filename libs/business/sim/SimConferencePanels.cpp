// The conference's agenda and activity as the simulator plays them: agenda
// texts pushed with the conference record (valid ones and broken ones), the
// server's answer to the host's agenda update, and members refusing an
// invitation.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <QDateTime>

namespace {

constexpr int topicAnswerMs = 250;

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

} // namespace

QStringList BusinessSimulator::sampleAgendas()
{
    return {
        QStringLiteral(
            "{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Quarterly figures\"},"
            "{\"haveDone\":\"1\",\"topic\":\"Hiring plan\"},{\"haveDone\":\"0\",\"topic\":\"Any other business\"}]}"),
        QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Release review\"}]}"),
        QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"cut off"),
        QStringLiteral("[\"topics\",\"not an object\"]"),
        QStringLiteral("{\"topics\":[{\"topic\":\"") + QString(70000, QLatin1Char('x')) + QStringLiteral("\"}]}"),
    };
}

ConferenceBriefInfo BusinessSimulator::currentConferenceBrief() const
{
    const UnifiedConferenceView::State& s = conferenceView()->state();
    ConferenceBriefInfo brief;
    brief.confId = s.currentConfId;
    brief.subject = s.confInfo.subject;
    brief.issues = m_agenda;
    brief.hostName = s.confInfo.hostName;
    brief.shareLink = s.confInfo.shareLink;
    brief.whiteboardInfo = s.confInfo.whiteboardInfo;
    brief.extension = s.confInfo.extension;
    brief.hostAccount = s.confInfo.hostAccount;
    brief.startTime
        = QDateTime::fromString(s.confInfo.startTime, QStringLiteral("yyyy-MM-dd hh:mm:ss")).toSecsSinceEpoch();
    brief.memberCount = conferenceView()->rosterSize();
    brief.confType = s.confInfo.confType;
    brief.mediaType = s.confInfo.mediaType;
    return brief;
}

void BusinessSimulator::pushAgenda(const QString& issuesJson)
{
    m_agenda = issuesJson;
    emit conferenceView()->sig_updateConferenceInfo(currentConferenceBrief());
}

void BusinessSimulator::pushInvitationRefused(const QString& account)
{
    emit conferenceView()->sig_onInviteConfNotify(account, BusinessReason::InvitationRefused);
}

void BusinessSimulator::registerConferencePanelHandlers()
{
    on(QStringLiteral("UnifiedConferenceView"), QStringLiteral("UpdateConferenceTopic"), [this](const QVariantList& a) {
        const QString confId = a.value(0).toString();
        const QString json = a.value(1).toString();
        after(topicAnswerMs, [this, confId, json] {
            UnifiedConferenceView* conf = conferenceView();
            ConferenceBriefInfo brief = currentConferenceBrief();
            if (m_agendaSaveFails || confId != brief.confId) {
                g_Log.LogInfo(QStringLiteral("BusinessSimulator UpdateConferenceTopic refused for %1").arg(confId));
                brief.confId = confId;
                emit conf->sig_updateConferenceInfo(brief, false);
            } else {
                m_agenda = json;
                brief.issues = json;
                emit conf->sig_updateConferenceInfo(true, brief);
                emit conf->sig_updateConferenceInfo(brief, true);
                emit conf->sig_updateConferenceInfo(brief);
            }
            handled(QStringLiteral("UpdateConferenceTopic"));
        });
    });
}
