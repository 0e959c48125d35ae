// Every area's scenarios and gallery entries, in the order the demo lists them.

#include "demo/DemoScenario.h"

void registerEverything(DemoRegistry& registry)
{
    registerInvitationScenarios(registry);
    registerCallScenarios(registry);
    registerNotificationGallery(registry);
    registerCallGallery(registry);
    registerPanelsGallery(registry);
    registerVideoGallery(registry);
    registerMembersScenarios(registry);
    registerMeetingScenarios(registry);
    registerVidyoScenarios(registry);
    registerConferenceScenarios(registry);
    registerLaunchScenarios(registry);
    registerPopupScenarios(registry);
    registerShareInviteScenarios(registry);
}
