#pragma once

#include <QtCore/qglobal.h>

#if defined(KP_BUSINESS_LIBRARY)
#define KP_BUSINESS_EXPORT Q_DECL_EXPORT
#else
#define KP_BUSINESS_EXPORT Q_DECL_IMPORT
#endif
