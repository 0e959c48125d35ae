#include "util/KPFilePathMgr.h"

#include <QCoreApplication>

KPFilePathMgr* KPFilePathMgr::instance()
{
    static KPFilePathMgr mgr;
    return &mgr;
}

QString KPFilePathMgr::getAppPath() const
{
    QString path = qEnvironmentVariable("KP_APP_PATH");
    if (path.isEmpty())
        path = QCoreApplication::applicationDirPath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
