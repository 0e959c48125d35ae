#include "conference/ConferenceVideoList.h"

bool ConferenceVideoList::contains(const QString& account, int deviceType) const
{
    return m_positions.contains(VideoMemberKey(account, deviceType));
}

bool ConferenceVideoList::append(const ConferenceMemberInfo& member)
{
    const VideoMemberKey key(member.account, member.deviceType);
    if (m_positions.contains(key))
        return false;
    m_positions.insert(key, int(m_members.size()));
    m_members.append(member);
    return true;
}

bool ConferenceVideoList::remove(const QString& account, int deviceType)
{
    const auto found = m_positions.constFind(VideoMemberKey(account, deviceType));
    if (found == m_positions.cend())
        return false;
    const int at = found.value();
    m_positions.erase(found);
    m_members.removeAt(at);
    // The entries after it move up one place.
    for (int i = at; i < m_members.size(); ++i)
        m_positions[VideoMemberKey(m_members.at(i).account, m_members.at(i).deviceType)] = i;
    return true;
}

bool ConferenceVideoList::update(const ConferenceMemberInfo& member, bool byDevice)
{
    int at = m_positions.value(VideoMemberKey(member.account, member.deviceType), -1);
    if (at < 0 && !byDevice) {
        for (int i = 0; i < m_members.size() && at < 0; ++i) {
            if (m_members.at(i).account == member.account)
                at = i;
        }
    }
    if (at < 0)
        return false;
    // The entry keeps its key: it is the same member whatever device the record names.
    ConferenceMemberInfo& entry = m_members[at];
    const ENUM_CONFMEMBER_DEVICETYPE deviceType = entry.deviceType;
    entry = member;
    entry.deviceType = deviceType;
    return true;
}

void ConferenceVideoList::clear()
{
    m_members.clear();
    m_positions.clear();
}
