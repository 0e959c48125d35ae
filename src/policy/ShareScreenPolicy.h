#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The share-source chooser and the share control bar without their widgets:
// which sources are offered and in what order, how a window title is read
// from its record, and the projection clock.
namespace ShareScreenPolicy {

enum SourceType : int {
    Source_None = -1,
    Source_Screen = 0,
    Source_Window = 1,
    Source_Whiteboard = 2,
};
// The selection before any card is clicked, and the whiteboard's id.
constexpr qint64 kNoSelectionId = -2;
constexpr qint64 kWhiteboardId = -1;

struct ShareSource
{
    qint64 id = kNoSelectionId;
    QString name;
    int type = Source_None;
};

// Titles of windows never offered: "Foxmail", "Form", "Conference" and the
// translations of "dashvel3", "meeting" and "kestrum" (context PPC_ShareScreen).
QStringList exclusionList();

// One source per screen id, in the order given, named "desktop0", "desktop1", ...
// (the translation of "desktop" and the index).
QList<ShareSource> screenSources(const QList<qint64>& screenIds);

// The whiteboard source.
ShareSource whiteboardSource();

// Index of the first title not in the exclusion list; -1 when every one is.
int firstOfferedWindow(const QStringList& titles, const QStringList& exclusion);

// A window title as its record carries it: 8-bit text ending at the first zero
// byte or at the end of the field, whichever comes first. Bytes that are not
// UTF-8 become replacement characters and control characters spaces, so the
// title always fits on a card's single line.
QString decodeWindowTitle(const char* field, int capacity);

// The projection clock: "hh:mm:ss" of the elapsed seconds; hours go on past 99.
QString projectionClock(qint64 seconds);

// The members a whiteboard started from the chooser invites: everybody in the
// conference but every entry of the user's own account.
QStringList whiteboardInvitees(const QStringList& membersInConf, const QString& selfAccount);

} // namespace ShareScreenPolicy
