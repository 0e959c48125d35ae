#include "policy/ConferenceWindowPolicy.h"

#include "policy/ConfSharePolicy.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTime>

namespace ConferenceWindowPolicy {

namespace {
constexpr int kMaxShownCount = 999;
constexpr qint64 kDayMs = 86400000;

QString clockText(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms)).toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

QString conferenceIdText(const QString& confId)
{
    if (confId.isEmpty())
        return QString();
    return QStringLiteral("ID:") + ConfSharePolicy::groupInThrees(confId);
}

QString memberCountText(int count)
{
    if (count > kMaxShownCount)
        return QStringLiteral("(999+)");
    return QStringLiteral("(%1)").arg(count);
}

QString elapsedText(qint64 nowMs, qint64 startSeconds)
{
    // The start comes from the server: one before the epoch or after now is no
    // start, and nothing else can overflow the milliseconds.
    if (startSeconds < 0 || startSeconds > nowMs / 1000)
        return QString();
    const qint64 elapsed = nowMs - startSeconds * 1000;
    if (elapsed < 0)
        return QString();
    const qint64 days = elapsed / kDayMs;
    if (days == 0)
        return clockText(elapsed);
    return QCoreApplication::translate("ConferenceMainUi", "%1 day %2").arg(days).arg(clockText(elapsed % kDayMs));
}

PanelToggle togglePanel(bool panelShown, bool firstToggle, bool maximised)
{
    PanelToggle toggle;
    toggle.shown = !panelShown;
    if (maximised)
        return toggle;
    if (panelShown)
        toggle.widthChange = -kSidePanelWidth;
    else if (!firstToggle)
        toggle.widthChange = kSidePanelWidth;
    return toggle;
}

int restoredWidth(bool panelShown)
{
    return panelShown ? kWindowWidth : kMinimumWidth;
}

QPoint restoredPosition(const QPoint& saved, const QVector<QRect>& screens, int primaryWidth)
{
    for (const QRect& screen : screens) {
        if (screen.contains(saved))
            return saved;
    }
    if (primaryWidth <= 0)
        return saved;
    return QPoint((saved.x() % primaryWidth + primaryWidth) % primaryWidth, saved.y());
}

QRect cursorConfinement(const QVector<QRect>& availableGeometries, qreal devicePixelRatio)
{
    QRect all;
    for (const QRect& area : availableGeometries)
        all = all.united(area);
    all.setWidth(qRound(all.width() * devicePixelRatio));
    all.setHeight(qRound(all.height() * devicePixelRatio));
    return all;
}

} // namespace ConferenceWindowPolicy
