#include "business/BusinessMetaTypes.h"

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/CommandJournal.h"
#include "business/ConferenceRecords.h"
#include "business/VidyoView.h"

// Registered under the names the signals spell, so that signature-string and
// queued connections find them. qRegisterMetaType is itself idempotent.
void registerBusinessMetaTypes()
{
    static const bool done = [] {
        qRegisterMetaType<ENUM_CONFERENCE_TYPE>("ENUM_CONFERENCE_TYPE");
        qRegisterMetaType<ENUM_CONFERENCE_MEDIA_TYPE>("ENUM_CONFERENCE_MEDIA_TYPE");
        qRegisterMetaType<ENUM_CONFMEMBER_DEVICETYPE>("ENUM_CONFMEMBER_DEVICETYPE");
        qRegisterMetaType<PopUpHandleType>("PopUpHandleType");
        qRegisterMetaType<MultimediaStatusEnum>("MultimediaStatusEnum");
        qRegisterMetaType<VidyoView::VidyoViewStartVidyoType>("VidyoView::VidyoViewStartVidyoType");

        qRegisterMetaType<ConferenceMemberInfo>("ConferenceMemberInfo");
        qRegisterMetaType<QList<ConferenceMemberInfo>>("QList<ConferenceMemberInfo>");
        qRegisterMetaType<ConferenceBriefInfo>("ConferenceBriefInfo");
        qRegisterMetaType<Agent_ConfInfo>("Agent_ConfInfo");
        qRegisterMetaType<Agent_ConfNtyMsg>("Agent_ConfNtyMsg");
        qRegisterMetaType<Agent_ConferenceParticipantMemberInfo>("Agent_ConferenceParticipantMemberInfo");
        qRegisterMetaType<QList<Agent_ConferenceParticipantMemberInfo>>("QList<Agent_ConferenceParticipantMemberInfo>");
        qRegisterMetaType<Agent_ConfAppSetting>("Agent_ConfAppSetting");
        qRegisterMetaType<Agent_OstrelConfConfig>("Agent_OstrelConfConfig");
        qRegisterMetaType<ConfSendCmdInfo>("ConfSendCmdInfo");
        qRegisterMetaType<LandingCallMember>("LandingCallMember");
        qRegisterMetaType<LandingCallMemberMap>("QMap<QString,LandingCallMember>");
        qRegisterMetaType<CS_StatReports>("CS_StatReports");
        qRegisterMetaType<Agent_GroupMember>("Agent_GroupMember");
        qRegisterMetaType<QList<Agent_GroupMember>>("QList<Agent_GroupMember>");

        qRegisterMetaType<Agent_VoIPCallMsg>("Agent_VoIPCallMsg");
        qRegisterMetaType<Agent_VoIPComingInfo>("Agent_VoIPComingInfo");
        qRegisterMetaType<Agent_CameraCapability>("Agent_CameraCapability");
        qRegisterMetaType<Agent_CameraInfo>("Agent_CameraInfo");
        qRegisterMetaType<QList<Agent_CameraInfo>>("QList<Agent_CameraInfo>");
        qRegisterMetaType<Agent_MicroPhoneInfo>("Agent_MicroPhoneInfo");
        qRegisterMetaType<QList<Agent_MicroPhoneInfo>>("QList<Agent_MicroPhoneInfo>");
        qRegisterMetaType<Agent_SpeakerInfo>("Agent_SpeakerInfo");
        qRegisterMetaType<QList<Agent_SpeakerInfo>>("QList<Agent_SpeakerInfo>");
        qRegisterMetaType<Agent_ECShareDeviceInfo>("Agent_ECShareDeviceInfo");
        qRegisterMetaType<QList<Agent_ECShareDeviceInfo>>("QList<Agent_ECShareDeviceInfo>");
        qRegisterMetaType<QList<qlonglong>>("QList<qlonglong>");
        qRegisterMetaType<QList<qlonglong>>("QList<long long>"); // as sig_onGetShareScreenInfoList spells it
        qRegisterMetaType<VidyoJsonTransferData>("VidyoJsonTransferData");
        qRegisterMetaType<Agent_MeetingMemberInfo>("Agent_MeetingMemberInfo");
        qRegisterMetaType<QList<Agent_MeetingMemberInfo>>("QList<Agent_MeetingMemberInfo>");
        qRegisterMetaType<Agent_VideoMeetingMsg>("Agent_VideoMeetingMsg");
        qRegisterMetaType<ChatMsgData>("ChatMsgData");
        qRegisterMetaType<QList<ChatMsgData>>("QList<ChatMsgData>");

        // sig_onlySelectConfMembers spells its list this way rather than QStringList.
        qRegisterMetaType<QList<QString>>("QList<QString>");
        qRegisterMetaType<QSharedPointer<AddressBookPerson>>("QSharedPointer<AddressBookPerson>");
        qRegisterMetaType<QSharedPointer<AddressBookBase>>("QSharedPointer<AddressBookBase>");
        qRegisterMetaType<QList<QSharedPointer<AddressBookBase>>>("QList<QSharedPointer<AddressBookBase>>");
        qRegisterMetaType<QSharedPointer<AddressBookGroup>>("QSharedPointer<AddressBookGroup>");

        qRegisterMetaType<JournalEntry>("JournalEntry");
        return true;
    }();
    Q_UNUSED(done)
}
