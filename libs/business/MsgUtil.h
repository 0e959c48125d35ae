#pragma once

#include "business/kp_business_global.h"

#include <QByteArray>
#include <QString>

// Formats of business message fields.
class KP_BUSINESS_EXPORT MsgUtil
{
public:
    // The whiteboard room carried in ConferenceBriefInfo::whiteboardInfo:
    // {"roomId": "...", "password": "...", "host": "..."}. Returns false (and
    // empties the outputs) for text that is not such an object.
    static bool parseWbssInfo(const QByteArray& json, QString& roomId, QString& password, QString& host);
    static QByteArray makeWbssInfo(const QString& roomId, const QString& password, const QString& host);
};
