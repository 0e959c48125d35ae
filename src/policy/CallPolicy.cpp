#include "policy/CallPolicy.h"

#include <QTime>

namespace CallPolicy {

QString talkTimeText(int seconds)
{
    return QTime(0, 0, 0).addSecs(qMax(0, seconds)).toString(QStringLiteral("hh:mm:ss"));
}

QString peerAccount(const QString& callerAccount, const QString& calleeAccount, const QString& currentUser)
{
    return callerAccount == currentUser ? calleeAccount : callerAccount;
}

uint speakerVolumeToSet(uint volume)
{
    return volume == 0 ? 255u : 0u;
}

bool whiteBoardOffered(bool hasAuthority, int whiteBoardMode)
{
    return hasAuthority && whiteBoardMode != 3 && whiteBoardMode != 7;
}

QPoint bottomRightPosition(const QRect& available, const QSize& size)
{
    return QPoint(available.x() + available.width() - size.width(), available.y() + available.height() - size.height());
}

QPoint centredPosition(const QRect& available, const QSize& size)
{
    return QPoint(available.x() + (available.width() - size.width()) / 2,
        available.y() + (available.height() - size.height()) / 2);
}

QPoint toolBarPosition(const QRect& windowGeometry, const QSize& toolBarSize)
{
    return QPoint(windowGeometry.x() + (windowGeometry.width() - toolBarSize.width()) / 2,
        windowGeometry.y() + windowGeometry.height() - toolBarSize.height());
}

} // namespace CallPolicy
