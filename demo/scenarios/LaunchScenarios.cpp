// The client started from an outside link to enter one conference: the loading
// window while it logs in, then the conference window once the join succeeds;
// or the failure notice when the join fails, which a later successful join
// takes away. Closing the notice would end the client, so no scenario does.

#include "business/sim/BusinessSimulator.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceMainUi.h"
#include "conference/SmartConferenceLoadingWnd.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "facade/KP_MediaConfUI.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QTimer>

void registerLaunchScenarios(DemoRegistry& registry);

namespace {

const QString kLinkConference = QStringLiteral("318205566");
const QString kJoinError = QStringLiteral("The meeting ID was not found");

SmartConferenceLoadingWnd* loadingWindow()
{
    return DemoContext::window<SmartConferenceLoadingWnd>();
}

bool conferenceEntered()
{
    // Photographed once the video area has laid out the members' tiles.
    ConferenceMainUi* main = DemoContext::window<ConferenceMainUi>();
    return main && main->confId() == kLinkConference && !loadingWindow()
        && !main->layoutControl()->videoList().isEmpty() && !main->videoArea()->relayoutTimer()->isActive();
}

DemoStep startedFromTheLink()
{
    return { QStringLiteral("started from the link"),
        [](DemoContext& c) { c.facade()->startLaunchConf(kLinkConference, QString(), QString()); },
        [](DemoContext&) { return loadingWindow() && !loadingWindow()->isFailed(); },
        QStringLiteral("the loading window shows while the client logs in") };
}

DemoStep loggedInAndJoined()
{
    return { QStringLiteral("logged in and joined"), [](DemoContext& c) { c.sim().playLaunchLogin(); },
        [](DemoContext&) { return conferenceEntered(); },
        QStringLiteral("the conference window replaces the loading window") };
}

void addScenarios(DemoRegistry& registry)
{
    registry.addScenario({ QStringLiteral("conference-launch"),
        QStringLiteral("Started from a link: loading, login, join, the conference window"),
        { startedFromTheLink(), loggedInAndJoined() } });
    registry.addScenario({ QStringLiteral("conference-launch-failed"),
        QStringLiteral("Started from a link whose join fails: the failure notice, then a retry that enters"),
        { startedFromTheLink(),
            { QStringLiteral("the join fails"), [](DemoContext& c) { c.sim().playLaunchLogin(kJoinError); },
                [](DemoContext&) {
                    return loadingWindow() && loadingWindow()->isFailed() && !DemoContext::visible<ConferenceMainUi>();
                },
                QStringLiteral("the loading window shows the failure notice alone") },
            loggedInAndJoined() } });
}

// The loading window on its own, in either state.
QWidget* showLoadingWindow(bool failed)
{
    auto* w = new SmartConferenceLoadingWnd();
    w->setFailed(failed);
    w->show();
    return w;
}

} // namespace

void registerLaunchScenarios(DemoRegistry& registry)
{
    addScenarios(registry);
    registry.addGalleryItem(
        { QStringLiteral("launch-loading-window"), [](DemoContext&) { return showLoadingWindow(false); } });
    registry.addGalleryItem(
        { QStringLiteral("launch-failure-notice"), [](DemoContext&) { return showLoadingWindow(true); } });
    registry.addEvent({ QStringLiteral("Launch a conference from a link"), [](DemoContext& c) {
                           c.facade()->startLaunchConf(kLinkConference, QString(), QString());
                           c.sim().playLaunchLogin();
                       } });
    registry.addEvent({ QStringLiteral("Launch from a link whose join fails"), [](DemoContext& c) {
                           c.facade()->startLaunchConf(kLinkConference, QString(), QString());
                           c.sim().playLaunchLogin(kJoinError);
                       } });
}
