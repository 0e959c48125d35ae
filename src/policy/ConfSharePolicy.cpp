#include "policy/ConfSharePolicy.h"

#include <QStringList>

namespace ConfSharePolicy {

namespace {
constexpr int kGroup = 3;
// The title bar's rectangle is offset once more by the button's place in the bar.
constexpr int kDetailCardShift = 530;
constexpr int kDetailCardShiftMaximised = 650;
} // namespace

QString groupInThrees(const QString& number)
{
    QStringList groups;
    for (int at = 0; at < number.size(); at += kGroup)
        groups << number.mid(at, kGroup);
    return groups.join(QLatin1Char(' '));
}

QString joinLink(const QString& httpType, const QString& domain, const QString& port, const QString& confId)
{
    if (confId.isEmpty() || domain.isEmpty())
        return QString();
    return httpType + QStringLiteral("://") + domain + QLatin1Char(':') + port
        + QStringLiteral("/appdownload/join.html?confId=") + confId;
}

QString shareInfoText(const QList<Caption>& rows)
{
    QString text;
    for (const Caption& row : rows)
        text += row.first + QStringLiteral(" : ") + row.second + QLatin1Char('\n');
    return text;
}

QString membershipInfoText(const QString& title, const QList<Caption>& rows)
{
    QString text = title + QLatin1Char('\n');
    for (const Caption& row : rows)
        text += row.first + row.second + QLatin1Char('\n');
    return text;
}

QPoint detailCardPosition(const QRect& anchor, const QSize& card, bool maximised)
{
    const int shift = maximised ? kDetailCardShiftMaximised : kDetailCardShift;
    return QPoint(anchor.x() + (anchor.width() - card.width()) / 2 - shift, anchor.y() + anchor.height());
}

QPoint inviteChoicePosition(const QRect& anchor, const QSize& popup)
{
    return QPoint(anchor.x() + anchor.width() - popup.width(), anchor.y() - popup.height());
}

} // namespace ConfSharePolicy
