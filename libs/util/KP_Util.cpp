#include "util/KP_Util.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

namespace {

struct ReasonText
{
    int reason;
    const char* text;
};

// Reasons the server sends for calls, invitations and conference operations.
// 175500 and 175604 deliberately have no entry: callers supply their own text.
const ReasonText kReasonTexts[] = {
    { 200, QT_TRANSLATE_NOOP("KP_Util", "Success") },
    { 107603, QT_TRANSLATE_NOOP("KP_Util", "The invitation was refused") },
    { 107781, QT_TRANSLATE_NOOP("KP_Util", "Other ends have refused") },
    { 171151, QT_TRANSLATE_NOOP("KP_Util", "The account has been suspended") },
    { 171511, QT_TRANSLATE_NOOP("KP_Util", "The account has been suspended") },
    { 175400, QT_TRANSLATE_NOOP("KP_Util", "Bad request") },
    { 175403, QT_TRANSLATE_NOOP("KP_Util", "The call was forbidden") },
    { 175404, QT_TRANSLATE_NOOP("KP_Util", "The user was not found") },
    { 175408, QT_TRANSLATE_NOOP("KP_Util", "The call was not answered") },
    { 175480, QT_TRANSLATE_NOOP("KP_Util", "The user is temporarily unavailable") },
    { 175486, QT_TRANSLATE_NOOP("KP_Util", "The user is busy") },
    { 175487, QT_TRANSLATE_NOOP("KP_Util", "The call was cancelled") },
    { 175488, QT_TRANSLATE_NOOP("KP_Util", "The media is not acceptable") },
    { 175503, QT_TRANSLATE_NOOP("KP_Util", "The service is unavailable") },
    { 175603, QT_TRANSLATE_NOOP("KP_Util", "The call was declined") },
    { 814006, QT_TRANSLATE_NOOP("KP_Util", "The meeting ID was not found") },
    { 814007, QT_TRANSLATE_NOOP("KP_Util", "Wrong password for meeting") },
    { 814011, QT_TRANSLATE_NOOP("KP_Util", "The meeting is full and cannot be joined") },
    { 814012, QT_TRANSLATE_NOOP("KP_Util", "The meeting is locked and cannot join the meeting") },
    { 814023, QT_TRANSLATE_NOOP("KP_Util", "Send app register notify fail") },
    { 814026, QT_TRANSLATE_NOOP("KP_Util", "The meeting is not started.") },
    { 814052, QT_TRANSLATE_NOOP("KP_Util", "Conferece total count beyond limit") },
    { 814056, QT_TRANSLATE_NOOP("KP_Util", "You cannot join the meeting belonging to another organization.") },
};

} // namespace

QString KP_Util::GetErrMsgByReason(int reason)
{
    static const QHash<int, const char*> table = [] {
        QHash<int, const char*> t;
        for (const ReasonText& r : kReasonTexts)
            t.insert(r.reason, r.text);
        return t;
    }();
    const char* text = table.value(reason, nullptr);
    return text ? QCoreApplication::translate("KP_Util", text) : QString();
}

qint64 KP_Util::getCurrentTimeInt64()
{
    return QDateTime::currentMSecsSinceEpoch();
}

QString KP_Util::Time_Difference_CurDate(qint64 startMs)
{
    return formatDuration((getCurrentTimeInt64() - startMs) / 1000);
}

QString KP_Util::formatDuration(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0; // a clock set back must not show a negative duration
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
