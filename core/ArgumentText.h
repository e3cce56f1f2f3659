#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// The argument text that clsCommandLine::Import reads, built from what the platform delivers.

// From arguments already split into words (Linux): joined with single blanks, so an empty
// argument gives an empty word. The program's own name is not among them.
std::u16string JoinArguments(const std::vector<std::u16string>& arguments);

// From the raw command line (Windows): the program path, quoted or not, and the blanks and
// tabs after it are skipped; the rest is returned untouched.
std::u16string_view SkipProgramPath(std::u16string_view rawCommandLine);

} // namespace norvil
