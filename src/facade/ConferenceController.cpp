#include "facade/ConferenceController.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "facade/ControllerSupport.h"
#include "policy/FacadePolicy.h"
#include "video/MediaLayoutWgt.h"

using ControllerSupport::business;

namespace {
// UnifiedConferenceView::m_screenShareMode of a conference that only shares the screen.
constexpr int kMirroringOnly = 2;
} // namespace

ConferenceController::ConferenceController() = default;

ConferenceController::~ConferenceController() = default;

void ConferenceController::showConferenceMainWidget(
    ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE, bool flag)
{
    business()->getUnifiedConferenceView()->queryConfenceAppSetting();
    if (confType == CONFERENCE_TYPE_GROUP) {
        showVoiceGrid(flag);
        return;
    }
    showConferenceMainUi();
}

void ConferenceController::showConferenceMainUi()
{
    ConferenceMainUi* window = m_mainUi.get();
    if (!window)
        window = m_mainUi.replace(nullptr);
    if (business()->getUnifiedConferenceView()->m_screenShareMode == kMirroringOnly)
        window->startMirroringShare();
    else
        window->show();
}

void ConferenceController::closeConferenceMainWidget()
{
    business()->getMultimediaMgrView()->resetStatus();
    closeConferenceMainUi();
    closeVoiceGrid();
}

void ConferenceController::closeConferenceMainUi()
{
    if (!m_mainUi)
        return;
    emit business()->getUnifiedConferenceView()->sig_closeConferenceChat(m_mainUi->confId());
    m_mainUi.destroyLater();
}

MediaLayoutWgt* ConferenceController::voiceGrid() const
{
    return m_voiceGrid.get();
}

void ConferenceController::showVoiceGrid(bool calling)
{
    if (!m_voiceGrid)
        m_voiceGrid.replace(nullptr);
    m_voiceGrid->setCallingState(calling);
    m_voiceGrid->show();
}

void ConferenceController::closeVoiceGrid()
{
    if (!m_voiceGrid)
        return;
    emit business()->getUnifiedConferenceView()->sig_closeConferenceChat(m_voiceGrid->confId());
    m_voiceGrid.destroyLater();
}

std::optional<QString> ConferenceController::runningConferenceId() const
{
    if (!m_mainUi)
        return std::nullopt;
    return m_mainUi->confId();
}

void ConferenceController::onOperatorConferenceError(const QString& text, int reason)
{
    const QString shown = FacadePolicy::conferenceErrorText(text, reason);
    if (shown.isEmpty()) {
        AreaLog::facade().LogInfo(
            QStringLiteral("ConferenceController::onOperatorConferenceError no text for reason %1").arg(reason));
        return;
    }
    emit UI_ControlView::instance()->sig_showMsgTip(shown, POPUP_HANDLE_MAIN);
}

void ConferenceController::startLaunchConf(const QString&, const QString&, const QString&)
{
    AreaLog::facade().LogInfo(
        QStringLiteral("ConferenceController::startLaunchConf the launch flow is not in this build"));
}
