#pragma once

#include "business/ConferenceRecords.h"
#include "policy/PhoneInvitePolicy.h"

// The telephone invitation map UnifiedConferenceView::invitePhoneMembers takes,
// from the records the builders of PhoneInvitePolicy make (third text empty).
inline LandingCallMemberMap landingCallMembers(const QList<PhoneInvitePolicy::PhoneInvitee>& invitees)
{
    LandingCallMemberMap map;
    for (const PhoneInvitePolicy::PhoneInvitee& invitee : invitees) {
        LandingCallMember member;
        member.number = invitee.number;
        member.name = invitee.name;
        map.insert(invitee.key, member);
    }
    return map;
}
