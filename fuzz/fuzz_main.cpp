// The libFuzzer entry of one kp_fuzz_<kind>: KP_FUZZ_ENTRY names its input's
// function (fuzz/CMakeLists.txt sets it).

#include "FuzzParsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KP_FUZZ_ENTRY(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
