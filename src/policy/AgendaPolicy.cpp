#include "policy/AgendaPolicy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace AgendaPolicy {

namespace {
const QString kTopics = QStringLiteral("topics");
const QString kTopic = QStringLiteral("topic");
const QString kHaveDone = QStringLiteral("haveDone");

// The issue as an editor holds it: valid text (a stray half of a character
// pair becomes a replacement character) of at most kMaxIssueLength, not cut
// between the halves of a pair.
QString shownIssue(const QString& topic)
{
    QString text = QString::fromUtf8(topic.toUtf8());
    if (text.size() > kMaxIssueLength) {
        text.truncate(kMaxIssueLength);
        if (text.at(text.size() - 1).isHighSurrogate())
            text.chop(1);
    }
    return text;
}
} // namespace

QStringList parseIssues(const QString& json, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QStringList();
    };
    const QByteArray bytes = json.toUtf8();
    if (bytes.size() > kMaxAgendaBytes)
        return fail(QStringLiteral("%1 bytes, more than %2").arg(bytes.size()).arg(kMaxAgendaBytes));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    const QJsonArray topics = doc.object().value(kTopics).toArray();
    if (topics.isEmpty())
        return fail(QStringLiteral("no topics"));
    QStringList issues;
    for (int i = 0; i < qMin(int(topics.size()), kMaxIssues); ++i)
        issues << shownIssue(topics.at(i).toObject().value(kTopic).toString());
    return issues;
}

SavedAgenda saveIssues(const QStringList& editorTexts)
{
    SavedAgenda saved;
    QJsonArray topics;
    for (QString text : editorTexts) {
        text.remove(QLatin1Char(' ')).remove(QLatin1Char('\n'));
        if (text.isEmpty())
            continue;
        saved.concatenation += text;
        topics.append(QJsonObject { { kHaveDone, QStringLiteral("0") }, { kTopic, text } });
    }
    saved.json = QString::fromUtf8(QJsonDocument(QJsonObject { { kTopics, topics } }).toJson(QJsonDocument::Compact));
    return saved;
}

} // namespace AgendaPolicy
