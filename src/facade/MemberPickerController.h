#pragma once

#include "business/BusinessEnums.h"
#include "business/ConferenceRecords.h"
#include "customui/KpMsgBox.h"
#include "customui/SectionStaffWindow.h"
#include "facade/OwnedWindow.h"

#include <QObject>
#include <QStringList>

// Member picking: the member-selection window, the picker that creates a
// conference (or invites members by telephone into the running one), and the
// box that says the media devices are busy. Methods are named after the
// facade slots they serve.
class MemberPickerController : public QObject
{
public:
    MemberPickerController();
    ~MemberPickerController() override;

    void onlySelectConfMembers(const QList<QString>& listMember, int nType);
    void showSelectConfMemberWidget(
        bool createConf, ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType);
    void onQueryConferenceMember(const QString& groupid, const QList<Agent_GroupMember>& list);

    // Teardown of every picker and of the busy box.
    void destroyWindows();

private:
    void createConference(const QString& groupId, const QStringList& members, ENUM_CONFERENCE_TYPE type,
        ENUM_CONFERENCE_MEDIA_TYPE media, bool create);
    void onPickedConferenceMembers(const QString& groupId, ENUM_CONFERENCE_TYPE type, ENUM_CONFERENCE_MEDIA_TYPE media,
        bool create, QStringList accounts);
    void invitePhoneMembers(const QStringList& accounts);
    // Shows the busy box and waits in a local event loop for its answer.
    void waitOnMediaBusyBox(int status);

    OwnedWindow<SectionStaffWindow> m_selectionWindow;
    OwnedWindow<SectionStaffWindow> m_conferencePicker;
    OwnedWindow<KpMsgBox> m_mediaBusyBox;
};
