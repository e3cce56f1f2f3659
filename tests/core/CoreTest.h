#pragma once

// doctest, with row names and UTF-16 texts shown in failure messages, units outside ASCII as
// \uXXXX. Each table row names itself through INFO, so a failure says which row it was.
#include <doctest.h>

#include <cstdio>
#include <string>

namespace doctest {
// A row's name, given to INFO, as text rather than as an address.
template <>
struct StringMaker<const char*> {
    static String convert(const char* text) { return text; }
};

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
