#pragma once

#include "util/kp_util_global.h"

#include <QString>

class KP_UTIL_EXPORT KP_Util
{
public:
    // User text of a business reason code; empty when the code has no text.
    static QString GetErrMsgByReason(int reason);

    // Milliseconds since the epoch.
    static qint64 getCurrentTimeInt64();

    // Elapsed time from a getCurrentTimeInt64() stamp to now, as "hh:mm:ss".
    static QString Time_Difference_CurDate(qint64 startMs);

    // "hh:mm:ss" of a number of seconds; hours keep growing past 99.
    static QString formatDuration(qint64 seconds);
};
