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
        return translated(" join the conference");
    case RefusedInvitation:
        return translated(" refused the invitation");
    case Quit:
        return translated(" quit the conference");
    case Kicked:
        return translated(" kicked out of the conference");
    case BeganSharing:
        return translated(" begin share desktop");
    case StoppedSharing:
        return translated(" stop share desktop");
    case HandUp:
        return translated(" Hand Up");
    }
    return QString();
}

QString mediaChangeText(int action)
{
    switch (action) {
    case CONF_MEMBER_ACTION_MIC_OFF:
        return translated(" turned off microphone");
    case CONF_MEMBER_ACTION_MIC_ON:
        return translated(" turned on microphone");
    case CONF_MEMBER_ACTION_CAMERA_OFF:
        return translated(" turned off camera");
    case CONF_MEMBER_ACTION_CAMERA_ON:
        return translated(" turned on camera");
    default:
        return QString();
    }
}

QString line(const QDateTime& at, const QString& name, const QString& what)
{
    return timeStamp(at) + name + what;
}

} // namespace ActivityLogPolicy
