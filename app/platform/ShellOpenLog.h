#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace norvil {

// What the log says after the download page was handed to the shell: "ShellExecute() = " and
// the shell's result, then, for a failure (32 or less), the text that names it: 2 a missing
// file, 3 a missing URL or path, anything else a browser that could not be opened.
std::vector<std::u16string> ShellOpenLogLines(std::int32_t result);

} // namespace norvil
