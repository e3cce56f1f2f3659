#pragma once

#include <string_view>

namespace norvil {

// The body without a leading UTF-8 byte-order mark (EF BB BF). A body shorter than the mark, or
// one that carries it anywhere but at its very start, comes back unchanged.
inline std::string_view SkipUtf8ByteOrderMark(std::string_view body)
{
    return body.starts_with("\xEF\xBB\xBF") ? body.substr(3) : body;
}

} // namespace norvil
