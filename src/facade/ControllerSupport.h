#pragma once

#include "business/KP_BusinessView.h"

#include <QString>

// Lookups that several controllers of the facade make.
namespace ControllerSupport {

inline KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}

// The directory's display name of an account; empty when the directory does not know it.
QString displayName(const QString& account);

} // namespace ControllerSupport
