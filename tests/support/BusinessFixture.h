#pragma once

#include "business/KP_BusinessView.h"

#include <QStringList>

#include <initializer_list>

class QTimer;

// Helpers for tests that drive the module through the business views.
class BusinessFixture
{
public:
    // Every view back to its fresh state, the journal emptied (and recording
    // everything again), the record meta-types registered. Call from init().
    static void reset();

    static KP_BusinessView* business() { return KP_BusinessView::instance(); }
    static CommandJournal* journal() { return CommandJournal::instance(); }
    static UnifiedConferenceView* conf() { return business()->getUnifiedConferenceView(); }
    static VoipView* voip() { return business()->getVoipView(); }
    static VidyoView* vidyo() { return business()->getVidyoView(); }
    static MeetingView* meeting() { return business()->getMeetingView(); }
    // Operation names of the journal, oldest first (queries included / left out).
    static QStringList journalOps();
    static QStringList journalCommands();
    // Each command with its arguments, oldest first: "setMemberMute(bob,1)"; a
    // command without arguments is its bare name.
    static QStringList journalCalls();
    // {"a", "b"} as a QStringList (the project builds without implicit ASCII casts).
    static QStringList texts(std::initializer_list<const char*> items);

    static QSharedPointer<AddressBookPerson> makePerson(const QString& account, const QString& name = QString(),
        const QString& phone = QString(), const QString& department = QString());
    // A member in the conference with microphone and camera open.
    static ConferenceMemberInfo makeMember(const QString& account,
        ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_PC, bool inConference = true,
        const QString& name = QString());
    // Logs the account in (UserInfoView) and puts it in the directory.
    static QSharedPointer<AddressBookPerson> setCurrentUser(const QString& account, const QString& name = QString());

    // Fires a timer at once: long time-outs are tested by firing, not waiting.
    static void fire(QTimer* timer);
    // Runs the pending deleteLater() calls (windows that delete themselves on close).
    static void flushDeletes();
    // The arguments of the latest call of an operation, as texts joined by '|'.
    static QString lastArgs(const QString& operation);
};
