#include "business/MsgUtil.h"

#include <QJsonDocument>
#include <QJsonObject>

bool MsgUtil::parseWbssInfo(const QByteArray& json, QString& roomId, QString& password, QString& host)
{
    roomId.clear();
    password.clear();
    host.clear();
    QJsonParseError error {};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    roomId = o.value(QStringLiteral("roomId")).toString();
    password = o.value(QStringLiteral("password")).toString();
    host = o.value(QStringLiteral("host")).toString();
    return true;
}

QByteArray MsgUtil::makeWbssInfo(const QString& roomId, const QString& password, const QString& host)
{
    const QJsonObject o { { QStringLiteral("roomId"), roomId }, { QStringLiteral("password"), password },
        { QStringLiteral("host"), host } };
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
