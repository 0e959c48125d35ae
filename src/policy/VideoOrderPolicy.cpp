#include "policy/VideoOrderPolicy.h"

#include <vector>

namespace VideoOrderPolicy {

VideoItem selfItem(const QString& currentAccount, int multiDeviceMode)
{
    VideoItem self;
    self.account = currentAccount;
    self.deviceType = multiDeviceMode != 0 ? CONFMEMBER_DEVICE_PC : CONFMEMBER_DEVICE_UNKNOWN;
    return self;
}

namespace {

// The members already in the order. Open addressing over pointers to the
// caller's items, in one allocation: a node-based set would allocate once per
// member, and the whole roster goes through here on every re-layout.
class ListedMembers
{
public:
    explicit ListedMembers(int expected)
    {
        size_t capacity = 16;
        while (capacity < size_t(expected) * 2)
            capacity <<= 1;
        m_slots.assign(capacity, nullptr);
        m_mask = capacity - 1;
    }

    // False when the same member (account and device type) is already listed.
    // The item must outlive the set.
    bool insert(const VideoItem& item)
    {
        for (size_t i = memberHash(item.account, item.deviceType) & m_mask;; i = (i + 1) & m_mask) {
            const VideoItem*& slot = m_slots[i];
            if (!slot) {
                slot = &item;
                return true;
            }
            if (slot->isSameMember(item))
                return false;
        }
    }

private:
    std::vector<const VideoItem*> m_slots;
    size_t m_mask = 0;
};

} // namespace

QList<VideoItem> buildVideoOrder(const QList<VideoItem>& members, const VideoItem& host, const VideoItem& sharer,
    const VideoItem& mainVenue, const QList<VideoItem>& speakers, const VideoItem& self)
{
    // With a share or a main venue on screen the speaker report would only
    // shuffle the tiles around the fixed first picture.
    const bool useSpeakers = !sharer.isPresent() && !mainVenue.isPresent();
    // A user never sees his own shared desktop.
    const bool showShare = sharer.isPresent() && !sharer.isSameMember(self);
    const bool hasVenue = mainVenue.isPresent();
    const bool selfIsVenue = hasVenue && mainVenue.isSameMember(self);
    const bool placeSelf = self.isPresent() && !selfIsVenue;

    // The order is the share, the main venue, self at position 1, then the
    // rest. The main venue and self have fixed places, so every entry of
    // theirs is left out of the rest as it is collected, rather than removed
    // from the finished list.
    QList<VideoItem> order;
    order.reserve(members.size() + (useSpeakers ? speakers.size() : 0) + 4);
    bool selfPending = placeSelf;
    auto append = [&order, &selfPending, &self](const VideoItem& item) {
        order.append(item);
        if (selfPending) {
            selfPending = false;
            VideoItem local = self;
            local.isShare = false;
            order.append(local);
        }
    };
    auto hasFixedPlace = [&](const VideoItem& item) {
        return (hasVenue && item.isSameMember(mainVenue)) || (placeSelf && item.isSameMember(self));
    };

    if (showShare) {
        VideoItem share = sharer;
        share.isShare = true;
        append(share);
    }
    if (hasVenue)
        append(mainVenue);

    ListedMembers listed(members.size() + (useSpeakers ? speakers.size() : 0) + 2);
    VideoItem sharerCamera;
    if (sharer.isPresent()) {
        sharerCamera = sharer;
        sharerCamera.isShare = false;
        listed.insert(sharerCamera);
        if (!hasFixedPlace(sharerCamera))
            append(sharerCamera);
    }
    if (useSpeakers) {
        // Every speaker, in the report's order, even one reported twice.
        for (const VideoItem& speaker : speakers) {
            listed.insert(speaker);
            if (!hasFixedPlace(speaker))
                append(speaker);
        }
    }
    if (host.isPresent() && listed.insert(host) && !hasFixedPlace(host))
        append(host);
    for (const VideoItem& member : members) {
        if (listed.insert(member) && !hasFixedPlace(member))
            append(member);
    }
    if (selfPending) { // nobody else: self alone
        VideoItem local = self;
        local.isShare = false;
        order.append(local);
    }
    return order;
}

} // namespace VideoOrderPolicy
