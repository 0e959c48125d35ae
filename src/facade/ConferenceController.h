#pragma once

#include "business/BusinessEnums.h"

#include <QObject>
#include <QString>

#include <optional>

// Unified conferences: the conference main window and the voice conference
// grid, the launch flow from an outside link, and the errors of conference
// operations. The two windows and the launch manager are not in this build:
// their steps are logged no-ops until those windows land here.
class ConferenceController : public QObject
{
public:
    ConferenceController();
    ~ConferenceController() override;

    void showConferenceMainWidget(ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType, bool flag);
    // The media status goes back to free; the conference windows go later.
    void closeConferenceMainWidget();
    void onOperatorConferenceError(const QString& text, int reason);
    void startLaunchConf(const QString& first, const QString& second, const QString& third);

    // The conference the main window shows, when there is a main window.
    std::optional<QString> runningConferenceId() const;
};
