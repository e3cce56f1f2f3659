#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// A locale name taken apart, whichever way it is written: "sr_RS.UTF-8@latin" (POSIX, with a
// gettext modifier) and "sr-Latn-RS" (Windows) both give sr, Latn, RS. A script that the name
// does not give is the one its language is usually written in (zh_TW: Hant; zh, zh_SG: Hans).
struct Locale {
    std::u16string Language; // "de", "zh"; "C" or "POSIX" for the plain locale
    std::u16string Script;   // "Latn", "Hant", ...; empty for a language the program does not know
    std::u16string Territory; // "DE", "TW", ...; empty when not given
};
Locale ParseLocale(std::u16string_view name);

// Which language the window speaks: "ja", the program's own (no translation needed), or the
// name of a translation in available ("de", "pt_BR", "sr_Latn", ...).
//
// The first of the user's languages that the program has decides: LANGUAGE's colon-separated
// entries first, so that a calling application can hand its own language on, then the user's own.
// A translation serves its language in its script (simplified Chinese does not serve
// traditional); of two such, the one for the user's own country wins (pt_PT over pt_BR),
// otherwise the first. Japanese, the C or POSIX locale (no language chosen), or no language at
// all keep the source texts; a user none of whose languages the program has gets English.
std::u16string ChooseLanguage(std::u16string_view languageVariable, const std::vector<std::u16string>& userLanguages,
                              const std::vector<std::u16string>& available);

} // namespace norvil
