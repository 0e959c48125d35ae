#pragma once

#include "policy/VideoItem.h"

#include <QList>
#include <QVector>

#include <functional>

// Which tiles of the video area are cleared and which are bound when an order
// is applied. Plain data in, plain steps out: the video area reads what its
// tiles show, asks for a plan and carries it out.
namespace VideoBindingPlan {

constexpr int kPipIndex = 999; // tile index of the picture-in-picture window
constexpr int kMaxPoolTiles = 25; // pool indexes 0..24
constexpr int kPipMode = 2; // the screen-layout mode with the floating window

// What one tile currently shows; unbound when the account is empty.
struct TileContent
{
    QString account;
    int deviceType = CONFMEMBER_DEVICE_NONE;
    bool isShare = false;

    bool isBound() const { return !account.isEmpty(); }
    // The tile's isShowing(): account, device type and share flag all match.
    bool shows(const VideoItem& item) const
    {
        return isShare == item.isShare && deviceType == item.deviceType && account == item.account;
    }
};

struct Binding
{
    int tile = -1; // pool index, or kPipIndex
    VideoItem item;
};

struct Plan
{
    QVector<int> clears; // bound tiles to clear, in this order (kPipIndex first when present)
    QVector<Binding> binds; // then these bindings, in this order
    QVector<VideoItem> dropped; // items the business view does not know: not shown
};

// Whether the business view knows the member of an item; called once per item
// that needs a new binding, in binding order. Empty: every member is known.
using KnownFn = std::function<bool(const VideoItem&)>;

// Grid modes: item i goes to tile i for i below both gridCount and the order's
// length; a tile that already shows its item is left alone (its stream keeps
// running); every other bound tile is cleared; the items to bind go, in order,
// into the lowest-numbered free tile (an unknown member takes no tile, so the
// items after it move up).
// Picture-in-picture mode: tile 0 gets the first item that is not self and the
// floating window gets self; when the first item is self flagged as main venue,
// it takes tile 0 and the second item goes into the floating window. The two
// targets that are already shown stay; all other tiles are cleared.
// O(pool size + gridCount): only the shown prefix of the order is read.
Plan makePlan(int mode, const QVector<TileContent>& pool, const TileContent& pip, int gridCount,
    const QList<VideoItem>& order, const VideoItem& self, const KnownFn& isKnown = KnownFn());

} // namespace VideoBindingPlan
