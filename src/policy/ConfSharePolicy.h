#pragma once

#include <QList>
#include <QPair>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Sharing a conference's data: the join link, the grouped conference number
// and the texts the copy buttons put on the clipboard.
namespace ConfSharePolicy {

// The number in groups of three from the left, joined by single spaces
// ("123 456 789 0"); the last group may be shorter, an empty number stays empty.
QString groupInThrees(const QString& number);

// "<http type>://<domain>:<port>/appdownload/join.html?confId=<id>". Without a
// conference id or a domain there is nothing to join: empty.
QString joinLink(const QString& httpType, const QString& domain, const QString& port, const QString& confId);

using Caption = QPair<QString, QString>; // caption, value

// The share window's "Copy Share Info": one line per pair, "caption : value\n".
QString shareInfoText(const QList<Caption>& rows);

// The details card's "Copy membership info": the title on the first line, then
// "captionvalue\n" for each pair.
QString membershipInfoText(const QString& title, const QList<Caption>& rows);

// Where the conference window puts the details card for the title bar's
// button rectangle: centred under it, 530 px further left (650 maximised).
QPoint detailCardPosition(const QRect& anchor, const QSize& card, bool maximised);

// The side panel's invite choice: right-aligned with the button, above it.
QPoint inviteChoicePosition(const QRect& anchor, const QSize& popup);

} // namespace ConfSharePolicy
