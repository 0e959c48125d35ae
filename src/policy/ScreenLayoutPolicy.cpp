#include "policy/ScreenLayoutPolicy.h"

namespace ScreenLayoutPolicy {

bool isLayoutType(int type)
{
    return type >= 0 && type < kLayoutCount;
}

int chosenLayout(const QVector<bool>& checkedInTypeOrder)
{
    int type = kNoLayout;
    const int n = qMin(int(checkedInTypeOrder.size()), kLayoutCount);
    for (int i = 0; i < n; ++i) {
        if (checkedInTypeOrder.at(i))
            type = i;
    }
    return type;
}

} // namespace ScreenLayoutPolicy
