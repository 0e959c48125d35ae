#pragma once

// The module's few Windows calls. Elsewhere they do nothing and report success.

#include <QRect>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <ole2.h>
#include <windows.h>
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

// Native handle of the whole desktop, as screen shares name it; 0 elsewhere
// (the business library shares the whole screen for it).
inline long long desktopWindowHandle()
{
#ifdef Q_OS_WIN
    return static_cast<long long>(reinterpret_cast<quintptr>(GetDesktopWindow()));
#else
    return 0;
#endif
}

// Holds the cursor inside the rectangle (device pixels, virtual desktop);
// nullptr lets it go. Only Windows can confine the cursor.
inline void clipCursor(const QRect* area)
{
#ifdef Q_OS_WIN
    if (!area) {
        ClipCursor(nullptr);
        return;
    }
    const RECT rect { area->left(), area->top(), area->right() + 1, area->bottom() + 1 };
    ClipCursor(&rect);
#else
    Q_UNUSED(area)
#endif
}

} // namespace KpPlatform
