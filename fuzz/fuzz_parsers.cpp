// What libFuzzer feeds the parsers of the texts that come from outside, one
// function per input. Each executable kp_fuzz_<kind> (fuzz_main.cpp) calls one of
// them, so that each input has its own corpus (fuzz/corpus/<kind>/) and its own
// count of runs; scripts/fuzz builds them with clang and runs them all. Each
// function checks what the parser promises (bounds, round trips), not only that
// it survives.

#include "FuzzParsers.h"

#include "business/MsgUtil.h"
#include "customui/KpLayoutConfig.h"
#include "policy/AgendaPolicy.h"
#include "policy/ConfSharePolicy.h"
#include "policy/ConferenceWindowPolicy.h"
#include "policy/InvitationPolicy.h"
#include "policy/PhoneInvitePolicy.h"
#include "policy/ShareScreenPolicy.h"
#include "policy/StatisticsPolicy.h"
#include "policy/VidyoPolicy.h"
#include "policy/VoiceGridPolicy.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// A broken promise stops the run with the input saved as a crash file.
void expect(bool promise)
{
    if (!promise)
        __builtin_trap();
}

bool isClock(const QString& text)
{
    static const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    return clock.match(text).hasMatch();
}

} // namespace

// The video layout file: every layout that survives fits its grid, has a
// cell per member and no two cells overlap; the table by member count
// always offers a layout for at least that many members.
void fuzzLayout(const QByteArray& bytes)
{
    const KpLayoutConfig::ParseResult result = KpLayoutConfig::parse(bytes);
    if (!result.valid)
        expect(result.layouts.isEmpty());
    for (const KpLayout& layout : result.layouts) {
        expect(layout.rows >= 1 && layout.rows <= KpLayoutConfig::MaxGridSide);
        expect(layout.columns >= 1 && layout.columns <= KpLayoutConfig::MaxGridSide);
        expect(layout.count >= 1 && layout.items.size() >= layout.count);
        QVector<bool> taken(layout.rows * layout.columns, false);
        for (const KpLayoutItem& item : layout.items) {
            expect(item.row >= 0 && item.column >= 0 && item.rowSpan >= 1 && item.columnSpan >= 1);
            expect(item.row + item.rowSpan <= layout.rows && item.column + item.columnSpan <= layout.columns);
            for (int r = item.row; r < item.row + item.rowSpan; ++r) {
                for (int c = item.column; c < item.column + item.columnSpan; ++c) {
                    expect(!taken[r * layout.columns + c]);
                    taken[r * layout.columns + c] = true;
                }
            }
        }
    }
    const QList<KpLayout> table = KpLayoutConfig::byMemberCount(result.layouts);
    for (int i = 0; i < table.size(); ++i)
        expect(table.at(i).count >= i + 1);
}

// The media statistics: a text is read or refused with a reason, and what is
// read comes back unchanged when written the way the engine writes it.
void fuzzStatistics(const QByteArray& bytes)
{
    StatisticsPolicy::MediaStatistics stats;
    QString error;
    if (!StatisticsPolicy::parseStatistics(QString::fromUtf8(bytes), &stats, &error)) {
        expect(!error.isEmpty());
        return;
    }
    const QString again
        = QStringLiteral("{\"TotalStats\":{\"Rtt_ms\":%1},\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":%2}],"
                         "\"Receive\":[{\"fraction_lost\":%3}]}}")
              .arg(stats.rttMs)
              .arg(stats.sendLoss)
              .arg(stats.recvLoss);
    StatisticsPolicy::MediaStatistics read;
    expect(StatisticsPolicy::parseStatistics(again, &read));
    expect(read.rttMs == stats.rttMs && read.sendLoss == stats.sendLoss && read.recvLoss == stats.recvLoss);
}

// The extension text of a unified conference: only an object is read; what is
// read survives being written back.
void fuzzExtension(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const std::optional<InvitationPolicy::ConferenceExtension> extension
        = InvitationPolicy::parseConferenceExtension(text);
    if (!extension)
        return;
    const QJsonObject written { { QStringLiteral("groupId"), extension->groupId },
        { QStringLiteral("groupName"), extension->groupName }, { QStringLiteral("inviter"), extension->inviter } };
    const std::optional<InvitationPolicy::ConferenceExtension> again = InvitationPolicy::parseConferenceExtension(
        QString::fromUtf8(QJsonDocument(written).toJson(QJsonDocument::Compact)));
    expect(again && again->groupId == QString::fromUtf8(extension->groupId.toUtf8())
        && again->groupName == QString::fromUtf8(extension->groupName.toUtf8())
        && again->inviter == QString::fromUtf8(extension->inviter.toUtf8()));
}

// A conference's agenda: at most three issues of bounded length; what loads
// saves and loads again as the editors keep it.
void fuzzAgenda(const QByteArray& bytes)
{
    const QStringList issues = AgendaPolicy::parseIssues(QString::fromUtf8(bytes));
    expect(issues.size() <= AgendaPolicy::kMaxIssues);
    QStringList kept;
    for (QString issue : issues) {
        expect(issue.size() <= AgendaPolicy::kMaxIssueLength);
        issue.remove(QLatin1Char(' ')).remove(QLatin1Char('\n'));
        if (!issue.isEmpty())
            kept << issue;
    }
    expect(AgendaPolicy::parseIssues(AgendaPolicy::saveIssues(issues).json) == kept);
}

// The summary the voice grid receives: its extension's group id, which a
// written-back summary gives again.
void fuzzSummary(const QByteArray& bytes)
{
    const std::optional<QString> groupId = VoiceGridPolicy::groupIdOf(QString::fromUtf8(bytes));
    if (!groupId)
        return;
    const QString clean = QString::fromUtf8(groupId->toUtf8());
    const QJsonObject written { { QStringLiteral("groupId"), clean } };
    expect(VoiceGridPolicy::groupIdOf(QString::fromUtf8(QJsonDocument(written).toJson())) == clean);
}

// The whiteboard room: what parses survives a round trip.
void fuzzWbss(const QByteArray& bytes)
{
    QString roomId, password, host;
    if (!MsgUtil::parseWbssInfo(bytes, roomId, password, host)) {
        expect(roomId.isEmpty() && password.isEmpty() && host.isEmpty());
        return;
    }
    roomId = QString::fromUtf8(roomId.toUtf8());
    password = QString::fromUtf8(password.toUtf8());
    host = QString::fromUtf8(host.toUtf8());
    QString roomId2, password2, host2;
    expect(MsgUtil::parseWbssInfo(MsgUtil::makeWbssInfo(roomId, password, host), roomId2, password2, host2));
    expect(roomId2 == roomId && password2 == password && host2 == host);
}

// The conference's start: the voice grid's start text and the conference
// window's start in seconds. A clock is shown only from the start on, as
// "HH:mm:ss" with whole days apart.
void fuzzStart(const QByteArray& bytes)
{
    constexpr qint64 kNowMs = 1767225600000; // 2026-01-01, the clock is ours
    qint64 startSeconds = 0;
    if (bytes.size() >= 8)
        std::memcpy(&startSeconds, bytes.constData(), 8);
    const VoiceGridPolicy::Elapsed elapsed = VoiceGridPolicy::meetingElapsed(QString::fromUtf8(bytes), kNowMs);
    if (elapsed.shown)
        expect(elapsed.days >= 0 && isClock(elapsed.clock));
    else
        expect(elapsed.days == 0 && elapsed.clock.isEmpty());
    const QString text = ConferenceWindowPolicy::elapsedText(kNowMs, startSeconds);
    expect(text.isEmpty() || isClock(text.right(8)));
}

// Share-device records: a 64-bit window id, then a 256-byte title field that
// need not end in a zero; as many records as the input holds. A title stays on
// one line, whatever its bytes.
void fuzzShareDevices(const QByteArray& bytes)
{
    constexpr int kIdBytes = 8;
    constexpr int kTitleBytes = 256;
    QStringList titles;
    for (int at = 0; at + kIdBytes + kTitleBytes <= bytes.size(); at += kIdBytes + kTitleBytes)
        titles << ShareScreenPolicy::decodeWindowTitle(bytes.constData() + at + kIdBytes, kTitleBytes);
    const int offered = ShareScreenPolicy::firstOfferedWindow(titles, ShareScreenPolicy::exclusionList());
    expect(offered >= -1 && offered < titles.size());
    const QString title = ShareScreenPolicy::decodeWindowTitle(bytes.constData(), bytes.size());
    expect(title.size() <= bytes.size());
    for (const QChar c : title)
        expect(c.category() != QChar::Other_Control);
}

// Typed telephone numbers: every builder keeps the number as typed.
void fuzzPhone(const QByteArray& bytes)
{
    const QString typed = QString::fromUtf8(bytes);
    expect(PhoneInvitePolicy::callPhoneConfirmable(typed) == (typed.size() >= 10));
    if (PhoneInvitePolicy::quickInviteAccepts(typed)) {
        for (const QChar c : typed)
            expect(c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.'));
    }
    const PhoneInvitePolicy::PhoneInvitee invitee = PhoneInvitePolicy::typedNumber(typed);
    expect(invitee.key == typed && invitee.number == typed && invitee.name == typed);
    QString grouped = ConfSharePolicy::groupInThrees(typed);
    QString plain = typed;
    expect(grouped.remove(QLatin1Char(' ')) == plain.remove(QLatin1Char(' ')));
}

// Keys of the password keypad: one of the twelve, and only "#" ends a password.
void fuzzKeypad(const QByteArray& bytes)
{
    const QString key = QString::fromUtf8(bytes);
    const bool isKey = VidyoPolicy::isKeypadKey(key);
    expect(isKey == (key.size() == 1 && QStringLiteral("0123456789*#").contains(key)));
    if (VidyoPolicy::endsPassword(key))
        expect(isKey && key == QLatin1String("#"));
}
