#include "LocaleCodePage.h"

#include <iconv.h>
#include <langinfo.h>

#include <bit>
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

void LocaleCodePage::AppendText(std::string_view bytes, std::u16string& text) const
{
    if (bytes.empty())
        return;

    // Straight into the text's own units, in the machine's byte order.
    const char* units = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    iconv_t cd = iconv_open(units, m_charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        cd = iconv_open(units, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        text.append(bytes.size(), u'\uFFFD');
        return;
    }

    // Converted in place, into room for a character per byte, which no character set exceeds;
    // should one do so, the room grows.
    const std::size_t start = text.size();
    std::size_t written = 0; // units
    text.resize(start + bytes.size());
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    auto convert = [&](char** from, std::size_t* fromLeft) {
        char* out = reinterpret_cast<char*>(text.data() + start + written);
        std::size_t outLeft = (text.size() - start - written) * sizeof(char16_t);
        const std::size_t result = iconv(cd, from, fromLeft, &out, &outLeft);
        const int error = errno;
        written = text.size() - start - outLeft / sizeof(char16_t);
        errno = error;
        return result;
    };
    auto replace = [&] {
        if (start + written == text.size())
            text.resize(text.size() + 1);
        text[start + written++] = u'\uFFFD';
    };

    while (inLeft > 0) {
        if (convert(&in, &inLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            text.resize(text.size() + inLeft + 1);
        } else if (errno == EILSEQ) {
            // A byte that does not decode: replace it and go on with the next one.
            replace();
            ++in;
            --inLeft;
        } else if (errno == EINVAL) {
            // A sequence cut off by the end of the body.
            replace();
            inLeft = 0;
        } else {
            break;
        }
    }
    // The end of a character set that keeps a state.
    while (convert(nullptr, nullptr) == static_cast<std::size_t>(-1) && errno == E2BIG)
        text.resize(text.size() + 4);
    text.resize(start + written);
    iconv_close(cd);
}

} // namespace norvil
