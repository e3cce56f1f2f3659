#pragma once

// The translations as compiled in: written at build time from app/translations/*.ts by
// catalog.py. Only Texts.cpp reads it.

#include <cstddef>

namespace norvil::catalog {

struct Message {
    const char* context;
    const char* source; // UTF-8, as the program writes it
};

struct Language {
    const char16_t* name;                // "de", "pt_BR", ...
    const char16_t* const* translations; // one per message, nullptr where the file has none
};

extern const Message kMessages[];
extern const std::size_t kMessageCount;
extern const Language kLanguages[];
extern const std::size_t kLanguageCount;

} // namespace norvil::catalog
