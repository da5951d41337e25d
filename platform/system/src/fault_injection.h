// Test seam: lets tests make the next creations of chosen kinds fail.
#ifndef PELLORY_SYSTEM_FAULT_INJECTION_H
#define PELLORY_SYSTEM_FAULT_INJECTION_H

#include "system_services.h"

namespace pellory::sys {

// True when this creation must fail; each true answer uses up one armed failure.
bool creationMustFail(SysResource kind);

} // namespace pellory::sys

#endif
