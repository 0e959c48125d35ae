#pragma once

#include <QString>

// Network quality of the conference, kept apart from the widgets that show it
// (the title bar's network button and its hover card).
namespace NetworkPolicy {

// The quality letters carried by the "level" and "grade" properties.
inline QString high()
{
    return QStringLiteral("h");
}
inline QString medium()
{
    return QStringLiteral("m");
}
inline QString low()
{
    return QStringLiteral("l");
}

// The level of a round trip (ms) and the two loss rates (percent):
// "l" when rtt >= 1000 or a loss > 25; else "m" when rtt >= 300 or a loss > 6;
// else "h" when rtt < 150 or a loss < 2; otherwise (moderate delay and losses)
// the previous level stays.
QString networkLevel(int rttMs, double sendLoss, double recvLoss, const QString& previous);

// The sentence shown for a level; the normal one for unknown letters.
QString levelText(const QString& level);

// Values of the card: "45ms" (a negative delay shows 0ms), "2.5%", "512Kbps" / "1.2Mbps".
QString delayText(int rttMs);
QString lossText(double percent);
QString rateText(int kbps);

} // namespace NetworkPolicy
