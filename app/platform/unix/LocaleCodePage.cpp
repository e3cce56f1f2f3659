#include "LocaleCodePage.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>

namespace norvil {
namespace {

std::string LocaleCharset()
{
    const char* name = nl_langinfo(CODESET);
    const std::string charset = name ? name : "";
    // glibc names the plain C/POSIX locale's set ANSI_X3.4-1968; treat it, like no answer, as UTF-8.
    if (charset.empty() || charset == "ANSI_X3.4-1968" || charset == "ASCII" || charset == "US-ASCII")
        return "UTF-8";
    return charset;
}

} // namespace

LocaleCodePage::LocaleCodePage(std::string charset)
    : m_charset(charset.empty() ? LocaleCharset() : std::move(charset))
{
}

std::u16string LocaleCodePage::ToText(std::string_view bytes) const
{
    std::u16string text;
    if (bytes.empty())
        return text;

    iconv_t cd = iconv_open("UTF-16LE", m_charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        cd = iconv_open("UTF-16LE", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::u16string(bytes.size(), u'\uFFFD');

    // Every input byte makes at most two UTF-16 units (a surrogate pair needs four bytes).
    std::string out(bytes.size() * 2 * sizeof(char16_t) + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();

    auto emitReplacement = [&] {
        const char16_t replacement = u'\uFFFD';
        std::memcpy(outPtr, &replacement, sizeof replacement);
        outPtr += sizeof replacement;
        outLeft -= sizeof replacement;
    };

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == EILSEQ) {
            // A byte that does not decode: replace it and go on with the next one.
            emitReplacement();
            ++in;
            --inLeft;
        } else if (errno == EINVAL) {
            // A sequence cut off by the end of the body.
            emitReplacement();
            inLeft = 0;
        } else {
            break; // E2BIG cannot happen with the room reserved above
        }
    }
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);

    const std::size_t units = static_cast<std::size_t>(outPtr - out.data()) / sizeof(char16_t);
    text.resize(units);
    for (std::size_t i = 0; i < units; ++i) {
        const auto lo = static_cast<unsigned char>(out[2 * i]);
        const auto hi = static_cast<unsigned char>(out[2 * i + 1]);
        text[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return text;
}

} // namespace norvil
