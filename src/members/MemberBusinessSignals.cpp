#include "members/MemberBusinessSignals.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"

#include <QObject>

namespace MemberBusinessSignals {

namespace {

struct Connection
{
    const char* signal;
    const char* slot;
};

template<size_t N> void connectAll(QObject* sender, QObject* receiver, const Connection (&table)[N])
{
    for (const Connection& c : table) {
        if (!QObject::connect(sender, c.signal, receiver, c.slot)) {
            AreaLog::members().LogInfo(QStringLiteral("MemberBusinessSignals::connectTo failed %1 -> %2")
                                          .arg(QLatin1String(c.signal + 1), QLatin1String(c.slot + 1)));
        }
    }
}

} // namespace

void connectTo(QObject* receiver, Set set)
{
    QObject* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    // Built at the call: SIGNAL and SLOT may record their location, which wants a running program.
    const Connection roster[] = {
        { SIGNAL(sig_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo>)),
            SLOT(slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo>)) },
        { SIGNAL(sig_onInviteMemberList(QList<ConferenceMemberInfo>, bool)),
            SLOT(slot_onInviteMemberList(QList<ConferenceMemberInfo>, bool)) },
        { SIGNAL(sig_onJoinConferenceNotify(ConferenceMemberInfo, QString)),
            SLOT(slot_onJoinConferenceNotify(ConferenceMemberInfo, QString)) },
        { SIGNAL(sig_onConfMsgMemberQuit(QString, ENUM_CONFMEMBER_DEVICETYPE)),
            SLOT(slot_onConfMsgMemberQuit(QString, ENUM_CONFMEMBER_DEVICETYPE)) },
        { SIGNAL(sig_onConfMsgKickMember(QString, ENUM_CONFMEMBER_DEVICETYPE)),
            SLOT(slot_onConfMsgKickMember(QString, ENUM_CONFMEMBER_DEVICETYPE)) },
        { SIGNAL(sig_updateMemberInfo(ConferenceMemberInfo, int)),
            SLOT(slot_updateMemberInfo(ConferenceMemberInfo, int)) },
        { SIGNAL(sig_updateMainConfMemberControlWidget(ConferenceMemberInfo)),
            SLOT(slot_updateMainConfMemberControlWidget(ConferenceMemberInfo)) },
        { SIGNAL(sig_onHandUp(bool, QString, bool, QString, ENUM_CONFMEMBER_DEVICETYPE)),
            SLOT(slot_onHandUp(bool, QString, bool, QString, ENUM_CONFMEMBER_DEVICETYPE)) },
        { SIGNAL(sig_updateMemberInfo(QString, ENUM_CONFMEMBER_DEVICETYPE, QString)),
            SLOT(slot_onUpdateMemberInfo(QString, ENUM_CONFMEMBER_DEVICETYPE, QString)) },
        { SIGNAL(sig_updateAllMicphonesButtonState(bool)), SLOT(slot_updateAllMicphonesButtonState(bool)) },
        { SIGNAL(sig_updateAllCameraButtonState(bool)), SLOT(slot_updateAllCameraButtonState(bool)) },
    };
    connectAll(conf, receiver, roster);
    if (set != RosterHostAndSpeakers)
        return;
    const Connection hostAndSpeakers[] = {
        { SIGNAL(sig_changedHost(QList<ConferenceMemberInfo>, QString)),
            SLOT(slot_onHostChanged(QList<ConferenceMemberInfo>, QString)) },
        { SIGNAL(sig_onConferenceParticipant(QString, QList<Agent_ConferenceParticipantMemberInfo>)),
            SLOT(slot_onConferenceParticipant(QString, QList<Agent_ConferenceParticipantMemberInfo>)) },
    };
    connectAll(conf, receiver, hostAndSpeakers);
}

} // namespace MemberBusinessSignals
