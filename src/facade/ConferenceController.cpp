#include "facade/ConferenceController.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "facade/ControllerSupport.h"
#include "policy/FacadePolicy.h"

using ControllerSupport::business;

ConferenceController::ConferenceController() = default;

ConferenceController::~ConferenceController() = default;

void ConferenceController::showConferenceMainWidget(ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE, bool)
{
    business()->getUnifiedConferenceView()->queryConfenceAppSetting();
    AreaLog::facade().LogInfo(QStringLiteral("ConferenceController::showConferenceMainWidget the conference "
                                             "window and the voice grid are not in this build, type %1")
                                  .arg(int(confType)));
}

void ConferenceController::closeConferenceMainWidget()
{
    business()->getMultimediaMgrView()->resetStatus();
    AreaLog::facade().LogDebug(
        QStringLiteral("ConferenceController::closeConferenceMainWidget the conference windows are not in this build"));
}

std::optional<QString> ConferenceController::runningConferenceId() const
{
    // No conference main window in this build.
    return std::nullopt;
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
