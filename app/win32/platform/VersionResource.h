#pragma once

#include "Platform.h"

#include <optional>
#include <string>

namespace norvil {

// The major and minor file version from the version resource of an executable or DLL;
// none when the file is missing or carries no version resource.
std::optional<ProgramVersion> ReadFileVersion(const std::wstring& path);

// The running program's own path, however long; empty if Windows cannot tell.
std::wstring OwnProgramPath();

// The running program's own version, from its version resource; the numbers the build was
// given when the resource is missing.
ProgramVersion OwnProgramVersion();

} // namespace norvil
