#pragma once

#include "business/BusinessEnums.h"

#include <QHash>
#include <QMetaType>
#include <QString>

// One entry of the video order: a member's camera or a member's shared desktop.
// Passed by value; an aggregate so callers can write VideoItem { account, type }.
struct VideoItem
{
    QString account;
    ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_NONE;
    bool isShare = false; // the member's shared desktop rather than the camera
    bool isMainVenue = false; // the conference's main venue

    // Host, sharer and main venue are "absent" when their account is empty.
    bool isPresent() const { return !account.isEmpty(); }
    // Items stand for the same member when account and device type match; the
    // two flags are not compared.
    bool isSameMember(const VideoItem& other) const
    {
        return deviceType == other.deviceType && account == other.account;
    }
    QString key() const { return memberKey(account, deviceType); }

    // Full equality (flags included), for comparing whole orders.
    bool operator==(const VideoItem& other) const
    {
        return isSameMember(other) && isShare == other.isShare && isMainVenue == other.isMainVenue;
    }
    bool operator!=(const VideoItem& other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(VideoItem)

// Hash key of a member (account and device type, like memberKey()) that needs
// no string building: the ordering rules look members up in loops over
// thousands of entries.
struct VideoMemberKey
{
    QString account;
    int deviceType = CONFMEMBER_DEVICE_NONE;

    VideoMemberKey() = default;
    VideoMemberKey(const QString& a, int d)
        : account(a)
        , deviceType(d)
    { }
    explicit VideoMemberKey(const VideoItem& item)
        : account(item.account)
        , deviceType(item.deviceType)
    { }
    bool operator==(const VideoMemberKey& o) const { return deviceType == o.deviceType && account == o.account; }
};

// Hash of a member's account and device type, shared by every member lookup.
inline uint memberHash(const QString& account, int deviceType, uint seed = 0)
{
    return qHash(account, seed) ^ (uint(deviceType) * 0x9E3779B9u);
}

inline uint qHash(const VideoMemberKey& key, uint seed = 0)
{
    return memberHash(key.account, key.deviceType, seed);
}
