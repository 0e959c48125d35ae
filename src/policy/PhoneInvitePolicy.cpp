#include "policy/PhoneInvitePolicy.h"

#include <QRegExp>

namespace PhoneInvitePolicy {

namespace {
// More than nine digits: ten or eleven.
constexpr int kCallPhoneMinLength = 10;
} // namespace

QString callPhonePattern()
{
    return QStringLiteral("[0-9]+$");
}

bool callPhoneConfirmable(const QString& text)
{
    return text.size() >= kCallPhoneMinLength;
}

QString quickInvitePattern()
{
    return QStringLiteral("^[-]?\\d+[.]?\\d*$");
}

bool quickInviteAccepts(const QString& text)
{
    return QRegExp(quickInvitePattern()).exactMatch(text);
}

PhoneInvitee rowCall(const QString& account, const QString& displayName)
{
    return { account, account, displayName };
}

PhoneInvitee typedNumber(const QString& number)
{
    return { number, number, number };
}

PhoneInvitee dialledNumber(const QString& number, const QString& directoryName)
{
    return { number, number, directoryName };
}

} // namespace PhoneInvitePolicy
