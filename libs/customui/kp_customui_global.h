#pragma once

#include <QtCore/qglobal.h>

#if defined(KP_CUSTOMUI_LIBRARY)
#define KP_CUSTOMUI_EXPORT Q_DECL_EXPORT
#else
#define KP_CUSTOMUI_EXPORT Q_DECL_IMPORT
#endif
