#include "LocaleCodePage.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>

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

void LocaleCodePage::Decode(std::string_view bytes, const TextSink& out) const
{
    if (bytes.empty())
        return;

    iconv_t cd = iconv_open("UTF-16LE", m_charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        cd = iconv_open("UTF-16LE", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        out(std::u16string(bytes.size(), u'\uFFFD'));
        return;
    }

    // The text goes out a window at a time, so converting never holds a second copy of the body.
    constexpr std::size_t kWindowBytes = 64 * 1024;
    char window[kWindowBytes];
    char16_t units[kWindowBytes / 2];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = window;
    std::size_t outLeft = sizeof window;

    auto flush = [&] {
        const std::size_t count = static_cast<std::size_t>(outPtr - window) / sizeof(char16_t);
        for (std::size_t i = 0; i < count; ++i) {
            const auto lo = static_cast<unsigned char>(window[2 * i]);
            const auto hi = static_cast<unsigned char>(window[2 * i + 1]);
            units[i] = static_cast<char16_t>(lo | (hi << 8));
        }
        if (count > 0)
            out(std::u16string_view(units, count));
        outPtr = window;
        outLeft = sizeof window;
    };
    auto emitReplacement = [&] {
        if (outLeft < sizeof(char16_t))
            flush();
        *outPtr++ = static_cast<char>(0xFD); // U+FFFD, little-endian
        *outPtr++ = static_cast<char>(0xFF);
        outLeft -= sizeof(char16_t);
    };

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            flush();
        } else if (errno == EILSEQ) {
            // A byte that does not decode: replace it and go on with the next one.
            emitReplacement();
            ++in;
            --inLeft;
        } else if (errno == EINVAL) {
            // A sequence cut off by the end of the body.
            emitReplacement();
            inLeft = 0;
        } else {
            break;
        }
    }
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1) && errno == E2BIG) {
        flush();
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    }
    flush();
    iconv_close(cd);
}

} // namespace norvil
