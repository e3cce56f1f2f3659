#pragma once

#include <optional>
#include <string_view>

namespace norvil {

// The published version text of the application called name inside an update-information text.
//
// The first occurrence of name (exact, case-sensitive, also inside a longer word) is the marker;
// the one character after it is a separator and is skipped; the version runs from there up to
// the next ">" or to the end of the text. No value when name does not occur. When name is the
// very last thing in the text, the version text is empty.
std::optional<std::u16string_view> FindVersionText(std::u16string_view text, std::u16string_view name);

} // namespace norvil
