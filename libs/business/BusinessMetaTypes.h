#pragma once

#include "business/kp_business_global.h"

// Registers every record and enumeration of the business library with the
// meta-type system (by the names the signals use), so that queued connections
// and signature-string connections work. Cheap to call again.
KP_BUSINESS_EXPORT void registerBusinessMetaTypes();
