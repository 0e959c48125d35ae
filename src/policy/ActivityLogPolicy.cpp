#include "policy/ActivityLogPolicy.h"

#include "business/BusinessEnums.h"

#include <QCoreApplication>

namespace ActivityLogPolicy {

namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("PPC_Chat", text);
}
} // namespace

QString timeStamp(const QDateTime& at)
{
    return at.toString(QStringLiteral("hh:mm   "));
}

QString eventText(Event event)
{
    switch (event) {
    case Joined:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " join the conference"));
    case RefusedInvitation:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " refused the invitation"));
    case Quit:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " quit the conference"));
    case Kicked:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " kicked out of the conference"));
    case BeganSharing:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " begin share desktop"));
    case StoppedSharing:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " stop share desktop"));
    case HandUp:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " Hand Up"));
    }
    return QString();
}

QString mediaChangeText(int action)
{
    switch (action) {
    case CONF_MEMBER_ACTION_MIC_OFF:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " turned off microphone"));
    case CONF_MEMBER_ACTION_MIC_ON:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " turned on microphone"));
    case CONF_MEMBER_ACTION_CAMERA_OFF:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " turned off camera"));
    case CONF_MEMBER_ACTION_CAMERA_ON:
        return translated(QT_TRANSLATE_NOOP("PPC_Chat", " turned on camera"));
    default:
        return QString();
    }
}

QString line(const QDateTime& at, const QString& name, const QString& what)
{
    return timeStamp(at) + name + what;
}

} // namespace ActivityLogPolicy
