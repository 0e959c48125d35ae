#include "policy/VideoBindingPlan.h"

#include <algorithm>

namespace VideoBindingPlan {

namespace {

bool known(const KnownFn& isKnown, const VideoItem& item)
{
    return !isKnown || isKnown(item);
}

Plan pipPlan(const QVector<TileContent>& pool, const TileContent& pip, const QList<VideoItem>& order,
    const VideoItem& self, const KnownFn& isKnown)
{
    bool hasMain = false;
    bool hasPip = false;
    VideoItem mainItem;
    VideoItem pipItem;
    if (!order.isEmpty() && order.first().isSameMember(self) && order.first().isMainVenue) {
        hasMain = true;
        mainItem = order.first();
        if (order.size() > 1) {
            hasPip = true;
            pipItem = order.at(1);
        }
    } else {
        // Self never takes the main picture here; without anybody else the
        // floating window stays empty too.
        for (const VideoItem& item : order) {
            if (item.isSameMember(self))
                continue;
            hasMain = true;
            mainItem = item;
            hasPip = true;
            pipItem = self;
            pipItem.isShare = false;
            break;
        }
    }

    Plan plan;
    const bool keepPip = hasPip && pip.shows(pipItem);
    const bool keepMain = hasMain && !pool.isEmpty() && pool.first().shows(mainItem);
    if (pip.isBound() && !keepPip)
        plan.clears.append(kPipIndex);
    const int poolSize = std::min(int(pool.size()), kMaxPoolTiles);
    for (int i = 0; i < poolSize; ++i) {
        if (pool.at(i).isBound() && !(i == 0 && keepMain))
            plan.clears.append(i);
    }
    if (hasMain && !keepMain && !pool.isEmpty()) {
        if (known(isKnown, mainItem))
            plan.binds.append({ 0, mainItem });
        else
            plan.dropped.append(mainItem);
    }
    if (hasPip && !keepPip) {
        if (known(isKnown, pipItem))
            plan.binds.append({ kPipIndex, pipItem });
        else
            plan.dropped.append(pipItem);
    }
    return plan;
}

Plan gridPlan(const QVector<TileContent>& pool, const TileContent& pip, int gridCount, const QList<VideoItem>& order,
    const KnownFn& isKnown)
{
    Plan plan;
    if (pip.isBound())
        plan.clears.append(kPipIndex);

    const int poolSize = std::min(int(pool.size()), kMaxPoolTiles);
    const int shown = std::max(0, std::min({ gridCount, int(order.size()), poolSize }));
    QVector<int> freeTiles;
    QVector<const VideoItem*> pending;
    freeTiles.reserve(poolSize);
    pending.reserve(shown);
    for (int i = 0; i < poolSize; ++i) {
        const TileContent& tile = pool.at(i);
        if (i < shown) {
            const VideoItem& item = order.at(i);
            if (tile.shows(item))
                continue;
            pending.append(&item);
        }
        if (tile.isBound())
            plan.clears.append(i);
        freeTiles.append(i);
    }

    // Cleared tiles are taken in ascending order, so with every member known
    // item i lands in tile i.
    int next = 0;
    for (const VideoItem* item : qAsConst(pending)) {
        if (!known(isKnown, *item)) {
            plan.dropped.append(*item);
            continue;
        }
        plan.binds.append({ freeTiles.at(next++), *item });
    }
    return plan;
}

} // namespace

Plan makePlan(int mode, const QVector<TileContent>& pool, const TileContent& pip, int gridCount,
    const QList<VideoItem>& order, const VideoItem& self, const KnownFn& isKnown)
{
    if (mode == kPipMode)
        return pipPlan(pool, pip, order, self, isKnown);
    return gridPlan(pool, pip, gridCount, order, isKnown);
}

} // namespace VideoBindingPlan
