#pragma once

#include "business/ConferenceRecords.h"
#include "policy/VideoItem.h"

#include <QHash>
#include <QList>

// The members whose video the conference window lays out, in order, each
// account and device type once. Every entry is found through a hash of its
// account and device type, so that a whole roster is appended in O(n) rather
// than compared with every entry.
class ConferenceVideoList
{
public:
    int size() const { return int(m_members.size()); }
    bool isEmpty() const { return m_members.isEmpty(); }
    const QList<ConferenceMemberInfo>& members() const { return m_members; }
    const ConferenceMemberInfo& at(int i) const { return m_members.at(i); }

    bool contains(const QString& account, int deviceType) const;
    // Appends the member unless an entry has its account and device type; false then.
    bool append(const ConferenceMemberInfo& member);
    // Removes the member's entry; false when there is none.
    bool remove(const QString& account, int deviceType);
    // The member's entry takes the new record: the entry of the same account
    // and device type, or with byDevice false the first entry of the account
    // (the service does not tell the user's devices apart). False when none.
    bool update(const ConferenceMemberInfo& member, bool byDevice);
    void clear();

private:
    QList<ConferenceMemberInfo> m_members;
    QHash<VideoMemberKey, int> m_positions;
};
