#pragma once

#include <QString>

// The media statistics that the business library reports as a JSON text
// (sig_onStatisticsInfo), and the developer window's polling settings.
namespace StatisticsPolicy {

struct MediaStatistics
{
    int rttMs = 0; // TotalStats.Rtt_ms
    int sendLoss = 0; // AudioStats.SendStream[0].fraction_lost
    int recvLoss = 0; // AudioStats.Receive[0].fraction_lost
};

// Reads the figures of a statistics text. False (with the reason in error)
// when the text is no JSON object; missing figures read as 0.
bool parseStatistics(const QString& json, MediaStatistics* out, QString* error = nullptr);

// The developer window's polling interval: 1 to 20 seconds, 2 at start.
constexpr int kDefaultIntervalMs = 2000;
constexpr int kMinIntervalSeconds = 1;
constexpr int kMaxIntervalSeconds = 20;
// Milliseconds of an entered number of seconds; -1 when it is out of range or no integer.
int intervalMsFromText(const QString& text);

// The window keeps at most this many reports; the next one starts afresh.
constexpr int kMaxReports = 20;

} // namespace StatisticsPolicy
