#include "policy/HostCommandPolicy.h"

#include "business/BusinessEnums.h"

namespace HostCommandPolicy {
namespace {

struct Rule
{
    const char* operation;
    Kind kind;
    bool aimedAtMember; // arguments start with the member's account and device type
};

// memberOperate's first argument is its operation: it is told apart in classify().
constexpr Rule kRules[] = {
    { "memberOperate", Kind::MemberMedia, false },
    { "controlMemberMicphone", Kind::MemberMedia, true },
    { "controlMemberHand", Kind::MemberMedia, true },
    { "sendCmdDesktopShare", Kind::MemberMedia, true },
    { "controlAllMemberMicphone", Kind::AllMembers, false },
    { "controlAllMemberCamera", Kind::AllMembers, false },
    { "sendCmdLectureMode", Kind::AllMembers, false },
    { "setConferenceLockState", Kind::Lock, false },
    { "setHost_V3", Kind::HandOver, false },
    { "dismissConference", Kind::EndConference, false },
    { "restStopRecording", Kind::EndConference, false },
};

bool isOwn(const QVariantList& args, int at, const QString& ownAccount)
{
    return args.size() > at + 1 && args.at(at).toString() == ownAccount
        && args.at(at + 1).toInt() == CONFMEMBER_DEVICE_PC;
}

} // namespace

QStringList operations()
{
    QStringList names;
    for (const Rule& rule : kRules)
        names << QLatin1String(rule.operation);
    return names;
}

std::optional<Kind> classify(const QString& operation, const QVariantList& args, const QString& ownAccount)
{
    for (const Rule& rule : kRules) {
        if (operation != QLatin1String(rule.operation))
            continue;
        if (operation == QLatin1String("memberOperate")) {
            if (!args.isEmpty() && args.first().toInt() == CONF_MEMBER_OP_KICK)
                return Kind::KickOut;
            return isOwn(args, 1, ownAccount) ? std::nullopt : std::optional<Kind>(Kind::MemberMedia);
        }
        if (rule.aimedAtMember && isOwn(args, 0, ownAccount))
            return std::nullopt;
        return rule.kind;
    }
    return std::nullopt;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::MemberMedia:
        return QStringLiteral("media control of another member");
    case Kind::AllMembers:
        return QStringLiteral("all-member control");
    case Kind::Lock:
        return QStringLiteral("lock");
    case Kind::HandOver:
        return QStringLiteral("host hand-over");
    case Kind::KickOut:
        return QStringLiteral("kick-out");
    case Kind::EndConference:
        return QStringLiteral("ending the conference");
    }
    return QString();
}

} // namespace HostCommandPolicy
