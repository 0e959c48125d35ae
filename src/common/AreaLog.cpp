#include "common/AreaLog.h"

namespace AreaLog {

// Function statics: loggers are made on first use, never during static initialisation.
const KPLog& facade()
{
    static const KPLog log("kp.mediaconf.facade");
    return log;
}

const KPLog& call()
{
    static const KPLog log("kp.mediaconf.call");
    return log;
}

const KPLog& video()
{
    static const KPLog log("kp.mediaconf.video");
    return log;
}

const KPLog& panels()
{
    static const KPLog log("kp.mediaconf.panels");
    return log;
}

const KPLog& meeting()
{
    static const KPLog log("kp.mediaconf.meeting");
    return log;
}

const KPLog& members()
{
    static const KPLog log("kp.mediaconf.members");
    return log;
}

const KPLog& vidyo()
{
    static const KPLog log("kp.mediaconf.vidyo");
    return log;
}

const KPLog& common()
{
    static const KPLog log("kp.mediaconf.common");
    return log;
}

const KPLog& conference()
{
    static const KPLog log("kp.mediaconf.conference");
    return log;
}

} // namespace AreaLog
