#pragma once

#include <QString>
#include <QStringList>

// The agenda of a conference: up to three issues that the record carries as
// JSON ({"topics":[{"haveDone":"0","topic":"..."}, ...]}) and that the host
// edits on the information page.
namespace AgendaPolicy {

constexpr int kMaxIssues = 3;
// An issue holds at most this many characters.
constexpr int kMaxIssueLength = 40;
// A longer agenda text is no agenda this module wrote or can show: it is refused unread.
constexpr int kMaxAgendaBytes = 64 * 1024;

// The issue texts of the first three topics, each cut to kMaxIssueLength; an
// empty list for text that is not such a document (logged with the reason in *error).
QStringList parseIssues(const QString& json, QString* error = nullptr);

// What the editors save: each text with its spaces and line feeds removed,
// empty ones left out, written compact in the editors' order.
struct SavedAgenda
{
    QString json;
    QString concatenation; // the kept issues joined, to tell a change
};
SavedAgenda saveIssues(const QStringList& editorTexts);

} // namespace AgendaPolicy
