#pragma once

#include "util/kp_util_global.h"

#include <QString>

class KP_UTIL_EXPORT KPFilePathMgr
{
public:
    static KPFilePathMgr* instance();

    // The client's installation folder, always ending in '/'. KP_APP_PATH
    // overrides it; otherwise it is the folder of the running executable.
    QString getAppPath() const;

private:
    KPFilePathMgr() = default;
};
