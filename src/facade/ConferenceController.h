#pragma once

#include "business/BusinessEnums.h"
#include "conference/ConferenceMainUi.h"
#include "facade/OwnedWindow.h"

#include <QObject>
#include <QString>

#include <optional>

// Unified conferences: the conference main window and the voice conference
// grid, the launch flow from an outside link, and the errors of conference
// operations. The voice grid and the launch manager are not in this build:
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
    ConferenceMainUi* conferenceMainUi() const { return m_mainUi.get(); }

private:
    // The main window of every conference type but the group call's.
    void showConferenceMainUi();
    void closeConferenceMainUi();

    OwnedWindow<ConferenceMainUi> m_mainUi;
};
