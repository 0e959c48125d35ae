#pragma once

#include <QtCore/qglobal.h>

// Only the facade, the bottom notification and the error notice leave the library.
#if defined(KP_MEDIACONFUI_LIBRARY)
#define KP_MEDIACONFUI_EXPORT Q_DECL_EXPORT
#else
#define KP_MEDIACONFUI_EXPORT Q_DECL_IMPORT
#endif
