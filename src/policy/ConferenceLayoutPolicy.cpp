#include "policy/ConferenceLayoutPolicy.h"

#include "policy/ScreenLayoutPolicy.h"

#include <QCoreApplication>

namespace ConferenceLayoutPolicy {

namespace {
// Layout type -> the video area's mode.
constexpr int kCodes[ScreenLayoutPolicy::kLayoutCount] = { 2, 3, 4, 6, 7, 8 };

// One rotation for the whole process: a window that opens polling again
// carries on where the last one stopped.
int s_pollingIndex = 0;
} // namespace

int layoutCode(int layoutType, int videoListSize)
{
    if (videoListSize == 1)
        return kSinglePictureCode;
    return ScreenLayoutPolicy::isLayoutType(layoutType) ? kCodes[layoutType] : 0;
}

QString layoutName(int layoutType)
{
    switch (layoutType) {
    case 0:
        return QCoreApplication::translate("ConferenceTitleBar", "PIP Mode");
    case 1:
        return QCoreApplication::translate("ConferenceTitleBar", "Speaker mode");
    case 2:
        return QCoreApplication::translate("ConferenceTitleBar", "L-shaped layout mode");
    case 3:
    case 4:
    case 5:
        return QCoreApplication::translate("ConferenceTitleBar", "Gong Ge model");
    default:
        return QString();
    }
}

int pollingPageSize(int layoutType)
{
    if (layoutType == kSpeakerLayout)
        return 4;
    return layoutType == kLShapedLayout ? 6 : 0;
}

int pollingThreshold(int layoutType)
{
    if (layoutType == kPipLayout || layoutType == kSpeakerLayout)
        return 4;
    return layoutType == kLShapedLayout ? 6 : 0;
}

QVector<int> pollingPage(int* index, int listSize, int pageSize)
{
    QVector<int> page;
    if (pageSize <= 0 || listSize <= pageSize)
        return page;
    page.reserve(pageSize);
    // An index left from a longer list starts again inside this one.
    int at = *index;
    for (int i = 0; i < pageSize; ++i) {
        at = ((at + 1) % listSize + listSize) % listSize;
        page.append(at);
    }
    *index = at;
    return page;
}

QVector<int> nextPollingPage(int listSize, int pageSize)
{
    return pollingPage(&s_pollingIndex, listSize, pageSize);
}

int pollingIndex()
{
    return s_pollingIndex;
}

void setPollingIndex(int index)
{
    s_pollingIndex = index;
}

bool rebuildsOnArrival(int layoutType, int videoListSize, int tileCount, bool memberIsHost, bool shareOrMainVenueActive)
{
    const bool hostTakesPicture = memberIsHost && !shareOrMainVenueActive;
    if (layoutType == kPipLayout)
        return hostTakesPicture || videoListSize == 2;
    if ((tileCount == 1 && videoListSize >= 2) || videoListSize <= tileCount)
        return true;
    return hostTakesPicture;
}

} // namespace ConferenceLayoutPolicy
