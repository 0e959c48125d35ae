#pragma once

#include "business/BusinessEnums.h"
#include "conference/ConferenceMainUi.h"
#include "facade/OwnedWindow.h"

#include <QObject>
#include <QString>

#include <optional>

class MediaLayoutWgt;

// Unified conferences: the conference main window and the voice conference
// grid, the launch flow from an outside link, and the errors of conference
// operations. The launch manager is not in this build: its step is a logged
// no-op until it lands here.
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
    // The voice conference grid of a group call (type 6), null when none is open.
    MediaLayoutWgt* voiceGrid() const;

private:
    // The main window of every conference type but the group call's.
    void showConferenceMainUi();
    void closeConferenceMainUi();
    void showVoiceGrid(bool calling);
    void closeVoiceGrid();

    OwnedWindow<ConferenceMainUi> m_mainUi;
    OwnedWindow<MediaLayoutWgt> m_voiceGrid;
};
