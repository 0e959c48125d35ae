#pragma once

#include "util/KPLog.h"

// One logger per area of the module, each a category below g_Log's
// "kp.mediaconf": QT_LOGGING_RULES="kp.mediaconf.video.debug=true" turns on
// the video area's debug lines alone.
namespace AreaLog {

const KPLog& facade(); // kp.mediaconf.facade: the switchboard and its controllers
const KPLog& call(); // kp.mediaconf.call: call windows and notifications
const KPLog& video(); // kp.mediaconf.video: tiles and the video area
const KPLog& panels(); // kp.mediaconf.panels: side panels and settings
const KPLog& meeting(); // kp.mediaconf.meeting: meeting and dial-in widgets
const KPLog& members(); // kp.mediaconf.members: member lists and the side panel
const KPLog& vidyo(); // kp.mediaconf.vidyo: the Vidyo meeting window
const KPLog& common(); // kp.mediaconf.common: shared helpers
const KPLog& conference(); // kp.mediaconf.conference: the conference main window and its bars

} // namespace AreaLog
