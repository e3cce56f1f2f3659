#pragma once

// doctest, with UTF-16 texts shown in failure messages, units outside ASCII as \uXXXX. Each
// table row names itself through INFO, so a failure says which row it was.
#include <doctest.h>

#include <cstdio>
#include <string>

namespace doctest {
template <>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text)
    {
        std::string shown = "\"";
        for (const char16_t unit : text) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            shown += unit < 0x80 ? std::string(1, static_cast<char>(unit)) : std::string(escaped);
        }
        return (shown + '"').c_str();
    }
};
} // namespace doctest
