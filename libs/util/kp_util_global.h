#pragma once

#include <QtCore/qglobal.h>

#if defined(KP_UTIL_LIBRARY)
#define KP_UTIL_EXPORT Q_DECL_EXPORT
#else
#define KP_UTIL_EXPORT Q_DECL_IMPORT
#endif
