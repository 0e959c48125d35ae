#pragma once

class QObject;

// The member panels follow the business view by the signature texts of its
// signals, each to the receiver's slot of the fixed name (slot_onHandUp, ...).
// Both panels have the same slots, so the table is kept once here.
namespace MemberBusinessSignals {

enum Set {
    Roster, // members: full list, invitations, joins, quits, kicks, media, hands, names
    RosterHostAndSpeakers, // and host changes and speaker reports
};

// Connects UnifiedConferenceView's member signals to the receiver; logs any
// connection that fails (a slot missing or misspelt).
void connectTo(QObject* receiver, Set set);

} // namespace MemberBusinessSignals
