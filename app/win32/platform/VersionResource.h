#pragma once

#include "Platform.h"

namespace norvil {

// The running program's own version, from its version resource, read in place; the numbers the
// build was given when the resource is missing.
ProgramVersion OwnProgramVersion();

} // namespace norvil
