#include "conference/SmartConferenceLaunchMgr.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "conference/SmartConferenceLoadingWnd.h"
#include "customui/KP_UI_UTIL.h"

SmartConferenceLaunchMgr::SmartConferenceLaunchMgr(QWidget* parent)
    : QWidget(parent)
{
    KP_BusinessView* business = KP_BusinessView::instance();
    UnifiedConferenceView* conf = business->getUnifiedConferenceView();
    connect(
        business->getLoginView(), &LoginView::sig_loginSuccess, this, &SmartConferenceLaunchMgr::slot_onLoginSuccess);
    connect(conf, &UnifiedConferenceView::sig_showConferenceMainWidget, this,
        &SmartConferenceLaunchMgr::slot_showConferenceMainWidget);
    connect(conf, &UnifiedConferenceView::sig_onJoinConference, this, &SmartConferenceLaunchMgr::slot_onJoinConference);
}

SmartConferenceLaunchMgr::~SmartConferenceLaunchMgr()
{
    delete m_loadingWnd.data();
}

SmartConferenceLoadingWnd* SmartConferenceLaunchMgr::loadingWnd() const
{
    return m_loadingWnd.data();
}

void SmartConferenceLaunchMgr::showLoading(bool show, bool failed)
{
    if (!show) {
        if (m_loadingWnd)
            m_loadingWnd->hide();
        return;
    }
    if (!m_loadingWnd) {
        m_loadingWnd = new SmartConferenceLoadingWnd(nullptr);
        KP_UI_UTIL::centreOnOwner(m_loadingWnd);
    }
    m_loadingWnd->setFailed(failed);
    m_loadingWnd->show();
    m_loadingWnd->raise();
    m_loadingWnd->activateWindow();
}

void SmartConferenceLaunchMgr::setLaunchParam(const QString& confId, const QString&, const QString&)
{
    m_confId = confId;
    m_launchPending = true;
}

void SmartConferenceLaunchMgr::slot_onLoginSuccess(QString userName)
{
    AreaLog::conference().LogInfo(
        QStringLiteral("%1,userName=%2").arg(QLatin1String("SmartConferenceLaunchMgr::slot_onLoginSuccess"), userName));
    // A login of a client that entered its conference already (a reconnect)
    // must not enter it a second time.
    if (!m_launchPending) {
        AreaLog::conference().LogInfo(
            QStringLiteral("SmartConferenceLaunchMgr::slot_onLoginSuccess no launch pending, nothing to join"));
        return;
    }
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    conf->joinConference(m_confId, QString(), conf->getInviterConfState(m_confId), CONFERENCE_TYPE_INSTANT,
        CONF_JOIN_TYPE_BY_ID, 0, QString());
}

void SmartConferenceLaunchMgr::slot_onJoinConference(bool isSuccess, QString errorMsg, QString confId)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,p1=%2,p2=%3,p3=%4")
                                      .arg(QLatin1String("SmartConferenceLaunchMgr::slot_onJoinConference"))
                                      .arg(int(isSuccess))
                                      .arg(errorMsg, confId));
    // Answers to joins of other conferences (an invitation accepted meanwhile)
    // are not the launch's; the business error text is only logged.
    if (!m_launchPending || (!confId.isEmpty() && !m_confId.isEmpty() && confId != m_confId)) {
        AreaLog::conference().LogInfo(
            QStringLiteral("SmartConferenceLaunchMgr::slot_onJoinConference not the launch of %1, ignored")
                .arg(m_confId));
        return;
    }
    if (isSuccess)
        launchDone();
    else
        showLoading(true, true);
}

void SmartConferenceLaunchMgr::slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE, ENUM_CONFERENCE_MEDIA_TYPE, bool)
{
    launchDone();
}

void SmartConferenceLaunchMgr::slot_onJoinConferenceSuccess()
{
    launchDone();
}

void SmartConferenceLaunchMgr::slot_onJoinConferenceFailed(QString errorMsg)
{
    // The notice follows sig_onJoinConference alone.
    AreaLog::conference().LogInfo(
        QStringLiteral("SmartConferenceLaunchMgr::slot_onJoinConferenceFailed %1").arg(errorMsg));
}

void SmartConferenceLaunchMgr::launchDone()
{
    m_launchPending = false;
    showLoading(false);
}
