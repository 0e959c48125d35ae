#include "VideoOrderPolicy.h"

#include <QSet>

#include <algorithm>

namespace VideoOrderPolicy {

VideoItem selfItem(const QString& currentAccount, int multiDeviceMode)
{
    VideoItem self;
    self.account = currentAccount;
    self.deviceType = multiDeviceMode != 0 ? CONFMEMBER_DEVICE_PC : CONFMEMBER_DEVICE_UNKNOWN;
    return self;
}

namespace {

// Drops every item that stands for the same member as `who`, in one pass.
void removeSameMember(QList<VideoItem>& list, const VideoItem& who)
{
    list.erase(
        std::remove_if(list.begin(), list.end(), [&who](const VideoItem& item) { return item.isSameMember(who); }),
        list.end());
}

} // namespace

QList<VideoItem> buildVideoOrder(const QList<VideoItem>& members, const VideoItem& host, const VideoItem& sharer,
    const VideoItem& mainVenue, const QList<VideoItem>& speakers, const VideoItem& self)
{
    // With a share or a main venue on screen the speaker report would only
    // shuffle the tiles around the fixed first picture.
    const bool useSpeakers = !sharer.isPresent() && !mainVenue.isPresent();

    QList<VideoItem> order;
    order.reserve(members.size() + (useSpeakers ? speakers.size() : 0) + 4);
    QSet<VideoMemberKey> listed;
    listed.reserve(order.size() + members.size() + speakers.size() + 4);
    auto append = [&order, &listed](const VideoItem& item) {
        order.append(item);
        listed.insert(VideoMemberKey(item));
    };

    if (sharer.isPresent()) {
        VideoItem camera = sharer;
        camera.isShare = false;
        append(camera);
    }
    if (useSpeakers) {
        for (const VideoItem& speaker : speakers)
            append(speaker);
    }
    if (host.isPresent() && !listed.contains(VideoMemberKey(host)))
        append(host);
    for (const VideoItem& member : members) {
        if (!listed.contains(VideoMemberKey(member)))
            append(member);
    }

    if (mainVenue.isPresent()) {
        removeSameMember(order, mainVenue);
        order.prepend(mainVenue);
    }
    // A user never sees his own shared desktop.
    if (sharer.isPresent() && !sharer.isSameMember(self)) {
        VideoItem share = sharer;
        share.isShare = true;
        order.prepend(share);
    }
    const bool selfIsMainVenue = mainVenue.isPresent() && mainVenue.isSameMember(self);
    if (self.isPresent() && !selfIsMainVenue) {
        removeSameMember(order, self);
        VideoItem local = self;
        local.isShare = false;
        if (order.isEmpty())
            order.append(local);
        else
            order.insert(1, local);
    }
    return order;
}

} // namespace VideoOrderPolicy
