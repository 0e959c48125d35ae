#pragma once

// The module's few Windows calls. Elsewhere they do nothing and report success.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <ole2.h>
#ifdef _MSC_VER
#pragma comment(lib, "ole32.lib")
#endif
#endif

namespace KpPlatform {

// Result codes of OleInitialize that mean OLE is usable on this thread.
constexpr long kOleOk = 0; // initialised now
constexpr long kOleAlreadyInitialised = 1; // initialised before, reference counted

// Initialises OLE (drag and drop, the clipboard of native windows) on the
// calling thread; balance every usable result with oleUninitialize().
inline long oleInitialize()
{
#ifdef Q_OS_WIN
    return long(OleInitialize(nullptr));
#else
    return kOleOk;
#endif
}

inline bool oleUsable(long result)
{
    return result == kOleOk || result == kOleAlreadyInitialised;
}

inline void oleUninitialize()
{
#ifdef Q_OS_WIN
    OleUninitialize();
#endif
}

} // namespace KpPlatform
