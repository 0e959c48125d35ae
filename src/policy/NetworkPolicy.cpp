#include "policy/NetworkPolicy.h"

#include <QCoreApplication>
#include <QLocale>

namespace NetworkPolicy {

QString networkLevel(int rttMs, double sendLoss, double recvLoss, const QString& previous)
{
    if (rttMs >= 1000 || sendLoss > 25.0 || recvLoss > 25.0)
        return low();
    if (rttMs >= 300 || sendLoss > 6.0 || recvLoss > 6.0)
        return medium();
    if (rttMs < 150 || sendLoss < 2.0 || recvLoss < 2.0)
        return high();
    return previous;
}

QString levelText(const QString& level)
{
    if (level == low())
        return QCoreApplication::translate("NetworkWidget", "Poor network quality");
    if (level == medium())
        return QCoreApplication::translate("NetworkWidget", "High network delay");
    return QCoreApplication::translate("NetworkWidget", "The network connection is normal");
}

QString delayText(int rttMs)
{
    return QStringLiteral("%1ms").arg(qMax(0, rttMs));
}

namespace {
// One decimal at most, without a trailing ".0".
QString shortNumber(double value)
{
    return QString::number(qRound(value * 10.0) / 10.0, 'f', qRound(value * 10.0) % 10 == 0 ? 0 : 1);
}
} // namespace

QString lossText(double percent)
{
    return shortNumber(qBound(0.0, percent, 100.0)) + QLatin1Char('%');
}

QString rateText(int kbps)
{
    const int value = qMax(0, kbps);
    if (value < 1000)
        return QStringLiteral("%1Kbps").arg(value);
    return shortNumber(value / 1000.0) + QStringLiteral("Mbps");
}

} // namespace NetworkPolicy
