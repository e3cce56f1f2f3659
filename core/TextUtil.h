#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// Splits text at every separator, each separator on its own: two in a row give an empty piece
// between them. An empty text gives no piece at all. At most maxPieces are returned; the rest
// of the text is not looked at.
std::vector<std::u16string_view> SplitFirst(std::u16string_view text, char16_t separator,
                                            std::size_t maxPieces);

std::u16string ToDecimal(std::int64_t value);

// UTF-8 text, such as the program's own string literals, as UTF-16. A byte that starts no
// valid character becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

// UTF-16 text as UTF-8. A lone surrogate, which UTF-8 cannot carry, becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

} // namespace norvil
