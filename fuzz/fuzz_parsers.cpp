// libFuzzer target for the texts that come from outside: the video layout file,
// the media statistics JSON, the whiteboard room JSON, a conference's agenda, the
// share-device records of the media engine and every number a user can type into the
// telephone invitations. Built with clang and -DKP_BUILD_FUZZERS=ON; run e.g.
// `build-fuzz/bin/kp_fuzz_parsers -max_total_time=60 fuzz/corpus/agenda` (fuzz/corpus/
// holds seed inputs by kind).

#include "business/MsgUtil.h"
#include "customui/KpLayoutConfig.h"
#include "policy/AgendaPolicy.h"
#include "policy/ConfSharePolicy.h"
#include "policy/PhoneInvitePolicy.h"
#include "policy/ShareScreenPolicy.h"
#include "policy/StatisticsPolicy.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    const KpLayoutConfig::ParseResult layouts = KpLayoutConfig::parse(bytes);
    (void)layouts;

    StatisticsPolicy::MediaStatistics statistics;
    QString error;
    StatisticsPolicy::parseStatistics(QString::fromUtf8(bytes), &statistics, &error);

    QString roomId, password, host;
    if (MsgUtil::parseWbssInfo(bytes, roomId, password, host)) {
        // What parses must survive a round trip.
        QString roomId2, password2, host2;
        const QByteArray again = MsgUtil::makeWbssInfo(roomId, password, host);
        if (!MsgUtil::parseWbssInfo(again, roomId2, password2, host2) || roomId2 != roomId || password2 != password
            || host2 != host)
            __builtin_trap();
    }

    // An agenda that loads saves and loads again as the editors would keep it.
    const QStringList issues = AgendaPolicy::parseIssues(QString::fromUtf8(bytes));
    if (issues.size() > AgendaPolicy::kMaxIssues)
        __builtin_trap();
    QStringList kept;
    for (QString issue : issues) {
        if (issue.size() > AgendaPolicy::kMaxIssueLength)
            __builtin_trap();
        issue.remove(QLatin1Char(' ')).remove(QLatin1Char('\n'));
        if (!issue.isEmpty())
            kept << issue;
    }
    if (AgendaPolicy::parseIssues(AgendaPolicy::saveIssues(issues).json) != kept)
        __builtin_trap();

    // Share-device records: a 64-bit window id, then a 256-byte title field that
    // need not end in a zero; as many records as the input holds.
    constexpr int kIdBytes = 8;
    constexpr int kTitleBytes = 256;
    QStringList titles;
    for (int at = 0; at + kIdBytes + kTitleBytes <= bytes.size(); at += kIdBytes + kTitleBytes)
        titles << ShareScreenPolicy::decodeWindowTitle(bytes.constData() + at + kIdBytes, kTitleBytes);
    const int offered = ShareScreenPolicy::firstOfferedWindow(titles, ShareScreenPolicy::exclusionList());
    if (offered < -1 || offered >= titles.size())
        __builtin_trap();
    // A title stays on one line, whatever its bytes.
    const QString title = ShareScreenPolicy::decodeWindowTitle(bytes.constData(), bytes.size());
    for (const QChar c : title) {
        if (c.category() == QChar::Other_Control)
            __builtin_trap();
    }

    // Typed telephone numbers: every builder keeps the number as typed.
    const QString typed = QString::fromUtf8(bytes);
    if (PhoneInvitePolicy::callPhoneConfirmable(typed) != (typed.size() >= 10))
        __builtin_trap();
    PhoneInvitePolicy::quickInviteAccepts(typed);
    const PhoneInvitePolicy::PhoneInvitee invitee = PhoneInvitePolicy::typedNumber(typed);
    if (invitee.key != typed || invitee.number != typed || invitee.name != typed)
        __builtin_trap();
    QString grouped = ConfSharePolicy::groupInThrees(typed);
    QString plain = typed;
    if (grouped.remove(QLatin1Char(' ')) != plain.remove(QLatin1Char(' ')))
        __builtin_trap();
    return 0;
}
