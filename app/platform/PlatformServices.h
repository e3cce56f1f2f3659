#pragma once

// The services the program asks of the operating system, each behind a small interface so that
// every platform brings its own and tests can stand in for them. Plain C++: the Windows
// implementations are built without Qt.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace norvil {

// Opens a URL or document with the user's default program, like the shell's "open" verb.
// Returns the shell's kind of result: above 32 on success; 2 when a local file is missing,
// 3 when its folder is missing; any other failure 32 or less.
class BrowserOpener {
public:
    virtual ~BrowserOpener() = default;
    virtual std::int32_t Open(std::u16string_view url) = 0;
};

// Brings a shown top-level window to the top of the window order, keeping its position and size.
class WindowRaiser {
public:
    virtual ~WindowRaiser() = default;
    virtual void BringToTop(std::uintptr_t windowHandle) = 0;
};

// Turns bytes in the system's legacy ("ANSI") code page into text. Bytes that do not decode
// become U+FFFD; this never fails.
class CodePage {
public:
    using TextSink = std::function<void(std::u16string_view)>;

    virtual ~CodePage() = default;
    // Hands the text to out in pieces, in order, so that a large body is never held twice.
    virtual void Decode(std::string_view bytes, const TextSink& out) const = 0;

    std::u16string ToText(std::string_view bytes) const
    {
        std::u16string text;
        Decode(bytes, [&text](std::u16string_view piece) { text += piece; });
        return text;
    }
};

struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
};

// Everything the window needs from the platform, handed to it at creation.
struct Platform {
    BrowserOpener* Browser = nullptr;
    WindowRaiser* Raiser = nullptr;
    const CodePage* AnsiCodePage = nullptr;
    ProgramVersion Version;
    std::u16string ArgumentText;
};

} // namespace norvil
