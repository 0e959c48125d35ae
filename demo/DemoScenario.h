#pragma once

#include <QList>
#include <QString>

#include <functional>

class DemoContext;
class QWidget;

// One step of a scripted scenario: an action, then a condition that must hold
// within the time-out. Every visible window is photographed after each step.
struct DemoStep
{
    QString label;
    std::function<void(DemoContext&)> action;
    std::function<bool(DemoContext&)> until; // empty: the step only lets events settle
    QString expectation; // what `until` checks, printed when it fails
    int timeoutMs = 5000;
};

struct DemoScenario
{
    QString name;
    QString description;
    QList<DemoStep> steps;
};

// A component shown on its own with sample data.
struct DemoGalleryItem
{
    QString name;
    // Creates (or fills) the widget and shows it. The gallery deletes it afterwards
    // unless `keep` is set (singletons such as the bottom notification).
    std::function<QWidget*(DemoContext&)> show;
    bool keep = false;
};

// A one-click business event for the scenario panel.
struct DemoEvent
{
    QString name;
    std::function<void(DemoContext&)> fire;
};

class DemoRegistry
{
public:
    static DemoRegistry& instance();

    void addScenario(const DemoScenario& scenario) { m_scenarios.append(scenario); }
    void addGalleryItem(const DemoGalleryItem& item) { m_gallery.append(item); }
    void addEvent(const DemoEvent& event) { m_events.append(event); }

    const QList<DemoScenario>& scenarios() const { return m_scenarios; }
    const QList<DemoGalleryItem>& gallery() const { return m_gallery; }
    const QList<DemoEvent>& events() const { return m_events; }
    const DemoScenario* scenario(const QString& name) const;

private:
    QList<DemoScenario> m_scenarios;
    QList<DemoGalleryItem> m_gallery;
    QList<DemoEvent> m_events;
};

// Each area of the module registers its scenarios and gallery entries here.
void registerInvitationScenarios(DemoRegistry& registry);
void registerNotificationGallery(DemoRegistry& registry);
void registerPanelsGallery(DemoRegistry& registry);
void registerVideoGallery(DemoRegistry& registry);
void registerCallScenarios(DemoRegistry& registry);
void registerCallGallery(DemoRegistry& registry);
void registerMembersScenarios(DemoRegistry& registry);
void registerMeetingScenarios(DemoRegistry& registry);
void registerVidyoScenarios(DemoRegistry& registry);
void registerConferenceScenarios(DemoRegistry& registry);
void registerLaunchScenarios(DemoRegistry& registry);
void registerPopupScenarios(DemoRegistry& registry);
void registerShareInviteScenarios(DemoRegistry& registry);
// All of the above, in the order the demo lists them.
void registerEverything(DemoRegistry& registry);
