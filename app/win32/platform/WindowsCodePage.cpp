#include "WindowsCodePage.h"

#include <windows.h>

#include <algorithm>

namespace norvil {
namespace {

// Appends the conversion of bytes to text; false, with text unchanged, when any byte sequence
// in them does not decode. Code pages that refuse the strict flag convert the system's way.
bool AppendStrict(UINT codePage, std::string_view bytes, std::u16string& text)
{
    if (bytes.empty())
        return true;
    // In one pass: no code page gives more characters than bytes.
    const int length = static_cast<int>(bytes.size());
    const std::size_t at = text.size();
    text.resize(at + bytes.size());
    auto* into = reinterpret_cast<wchar_t*>(text.data() + at);
    int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, into, length);
    if (units <= 0 && GetLastError() == ERROR_INVALID_FLAGS)
        units = MultiByteToWideChar(codePage, 0, bytes.data(), length, into, length);
    text.resize(at + static_cast<std::size_t>(std::max(units, 0)));
    return units > 0;
}

// True when the bytes are the start of one character that the end of the text cut off.
bool IsCutOffCharacter(UINT codePage, std::string_view rest, std::size_t maxCharSize)
{
    if (rest.size() >= maxCharSize)
        return false;
    const auto lead = static_cast<unsigned char>(rest.front());
    if (codePage == CP_UTF8) {
        const std::size_t needed = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        return needed > rest.size()
            && std::all_of(rest.begin() + 1, rest.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
    }
    return rest.size() == 1 && IsDBCSLeadByteEx(codePage, lead);
}

// The slow road for a piece that holds undecodable bytes: one character at a time.
void AppendLenient(UINT codePage, std::string_view bytes, std::size_t maxCharSize, std::u16string& text)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::string_view rest = bytes.substr(pos);
        std::size_t taken = 0;
        for (std::size_t size = 1; size <= std::min(maxCharSize, rest.size()) && taken == 0; ++size) {
            if (AppendStrict(codePage, rest.substr(0, size), text))
                taken = size;
        }
        if (taken == 0) {
            text += u'\uFFFD';
            taken = IsCutOffCharacter(codePage, rest, maxCharSize) ? rest.size() : 1;
        }
        pos += taken;
    }
}

} // namespace

WindowsCodePage::WindowsCodePage(unsigned codePage)
    : m_codePage(codePage)
{
}

void WindowsCodePage::AppendText(std::string_view bytes, std::u16string& text) const
{
    const UINT codePage = m_codePage == CP_ACP ? GetACP() : m_codePage;
    if (AppendStrict(codePage, bytes, text))
        return;
    CPINFO info{};
    const std::size_t maxCharSize = GetCPInfo(codePage, &info) ? std::max<std::size_t>(info.MaxCharSize, 1) : 4;

    // Something does not decode: again a line at a time, so that only the lines with bad bytes
    // go down the slow road. No code page uses a line feed inside a character.
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        const std::string_view piece = bytes.substr(start, end - start);
        if (!AppendStrict(codePage, piece, text))
            AppendLenient(codePage, piece, maxCharSize, text);
        start = end;
    }
}

} // namespace norvil
