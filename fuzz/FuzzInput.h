#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Turns fuzzer bytes into UTF-16 text. The first byte picks the reading: mostly one byte per
// character (so that digits, dots, blanks and letters come often), sometimes two bytes per
// UTF-16 unit (so that any unit, surrogates included, can appear).
inline std::u16string FuzzText(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    if (size == 0)
        return text;
    const bool wide = data[0] % 4 == 0;
    ++data;
    --size;
    if (wide) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    } else {
        text.assign(data, data + size);
    }
    return text;
}

// A failed invariant: stop so that libFuzzer saves the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            std::abort();                                                                          \
    } while (false)
