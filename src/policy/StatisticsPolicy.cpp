#include "policy/StatisticsPolicy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace StatisticsPolicy {

namespace {
int firstFractionLost(const QJsonObject& audio, const QString& stream)
{
    const QJsonArray reports = audio.value(stream).toArray();
    if (reports.isEmpty())
        return 0;
    return reports.first().toObject().value(QStringLiteral("fraction_lost")).toInt();
}
} // namespace

bool parseStatistics(const QString& json, MediaStatistics* out, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("not an object");
        return false;
    }
    const QJsonObject root = doc.object();
    const QJsonObject audio = root.value(QStringLiteral("AudioStats")).toObject();
    MediaStatistics stats;
    stats.sendLoss = firstFractionLost(audio, QStringLiteral("SendStream"));
    stats.recvLoss = firstFractionLost(audio, QStringLiteral("Receive"));
    stats.rttMs = root.value(QStringLiteral("TotalStats")).toObject().value(QStringLiteral("Rtt_ms")).toInt();
    if (out)
        *out = stats;
    return true;
}

int intervalMsFromText(const QString& text)
{
    bool ok = false;
    const int seconds = text.trimmed().toInt(&ok);
    if (!ok || seconds < kMinIntervalSeconds || seconds > kMaxIntervalSeconds)
        return -1;
    return seconds * 1000;
}

} // namespace StatisticsPolicy
