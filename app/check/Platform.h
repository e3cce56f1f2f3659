#pragma once

// What the check asks of the operating system, each service behind a small interface so that
// every platform brings its own and tests can stand in for them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// Opens a URL or document with the user's default program, like the shell's "open" verb.
// Returns the shell's kind of result: above 32 on success; 2 when a local file is missing,
// 3 when its folder is missing; any other failure 32 or less.
class BrowserOpener {
public:
    virtual ~BrowserOpener() = default;
    virtual std::int32_t Open(std::u16string_view url) = 0;
};

// Turns bytes in the system's legacy ("ANSI") code page into text. Bytes that do not decode
// become U+FFFD; this never fails. No code page gives more characters than bytes.
class CodePage {
public:
    virtual ~CodePage() = default;
    // Appends the text of bytes to text, converted in place: a large body is never held twice.
    virtual void AppendText(std::string_view bytes, std::u16string& text) const = 0;

    std::u16string ToText(std::string_view bytes) const
    {
        std::u16string text;
        AppendText(bytes, text);
        return text;
    }
};

struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
};

// Everything the check needs from the platform, handed to it at creation.
struct Platform {
    BrowserOpener* Browser = nullptr;
    const CodePage* AnsiCodePage = nullptr;
    ProgramVersion Version;
    // Everything after the program's own path, as the platform delivers it.
    std::u16string ArgumentText;
    // The LANGUAGE environment variable as it stands: the calling application's choice.
    std::u16string LanguageVariable;
    // The user's own languages, most wanted first ("de_DE.UTF-8", "zh-Hant-TW", "C", ...).
    std::vector<std::u16string> UserLanguages;
};

} // namespace norvil
