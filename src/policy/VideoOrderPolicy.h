#pragma once

#include "policy/VideoItem.h"

#include <QList>

// Which member (and which shared desktop) the conference video area shows,
// and in which order. Plain functions: the video area asks the business view
// for the local user and hands the answers in.
namespace VideoOrderPolicy {

// The local item: the user's account on this client (device type 20) when the
// service tells devices apart (multiDeviceMode non-zero), else device type 0.
VideoItem selfItem(const QString& currentAccount, int multiDeviceMode);

// The ordered list of items to show: somebody else's shared desktop, the main
// venue, the sharer's camera, the speakers (only without a sharer or a main
// venue), the host and the other members, each member once (a speaker the
// report names twice is kept twice, as reported); then self is moved to
// position 1 unless it is the main venue. Host, sharer, main venue and self are
// absent when their account is empty (so an empty self is not inserted).
// O(n) in the number of members and speakers.
QList<VideoItem> buildVideoOrder(const QList<VideoItem>& members, const VideoItem& host, const VideoItem& sharer,
    const VideoItem& mainVenue, const QList<VideoItem>& speakers, const VideoItem& self);

} // namespace VideoOrderPolicy
