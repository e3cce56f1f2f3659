#pragma once

// doctest, with UTF-16 texts shown as UTF-8 in failure messages. Each table row names itself
// through INFO, so a failure says which row it was.
#include "TextUtil.h"

#include <doctest.h>

#include <optional>
#include <string>

namespace doctest {
template <>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text) { return ('"' + norvil::ToUtf8(text) + '"').c_str(); }
};
template <typename T>
struct StringMaker<std::optional<T>> {
    static String convert(const std::optional<T>& value) { return value ? toString(*value) : String("(none)"); }
};
} // namespace doctest
