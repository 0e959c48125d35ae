#include "policy/ShareScreenPolicy.h"

#include <QCoreApplication>

namespace ShareScreenPolicy {

namespace {
const char* const kContext = "PPC_ShareScreen";

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}
} // namespace

QStringList exclusionList()
{
    return { QStringLiteral("Foxmail"), QStringLiteral("Form"), QStringLiteral("Conference"),
        translated(QT_TRANSLATE_NOOP("PPC_ShareScreen", "dashvel3")),
        translated(QT_TRANSLATE_NOOP("PPC_ShareScreen", "meeting")),
        translated(QT_TRANSLATE_NOOP("PPC_ShareScreen", "kestrum")) };
}

QList<ShareSource> screenSources(const QList<qint64>& screenIds)
{
    QList<ShareSource> sources;
    for (int k = 0; k < screenIds.size(); ++k)
        sources.append({ screenIds.at(k),
            QStringLiteral("%1%2").arg(translated(QT_TRANSLATE_NOOP("PPC_ShareScreen", "desktop"))).arg(k),
            Source_Screen });
    return sources;
}

ShareSource whiteboardSource()
{
    return { kWhiteboardId, translated(QT_TRANSLATE_NOOP("PPC_ShareScreen", "Whiteboard")), Source_Whiteboard };
}

int firstOfferedWindow(const QStringList& titles, const QStringList& exclusion)
{
    for (int i = 0; i < titles.size(); ++i) {
        if (!exclusion.contains(titles.at(i)))
            return i;
    }
    return -1;
}

QString decodeWindowTitle(const char* field, int capacity)
{
    if (!field || capacity <= 0)
        return QString();
    const int length = int(qstrnlen(field, uint(capacity)));
    QString title = QString::fromUtf8(field, length);
    for (QChar& c : title) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return title;
}

QString projectionClock(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, zero)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

QStringList whiteboardInvitees(const QStringList& membersInConf, const QString& selfAccount)
{
    QStringList invitees = membersInConf;
    invitees.removeAll(selfAccount);
    return invitees;
}

} // namespace ShareScreenPolicy
