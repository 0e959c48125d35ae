#include "policy/DevicePolicy.h"

namespace DevicePolicy {

CameraChoice cameraChoice(int listIndex, int preferredCapability)
{
    if (preferredCapability < 0)
        return {};
    return { listIndex, preferredCapability };
}

} // namespace DevicePolicy
