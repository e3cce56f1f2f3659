// The body-to-text step: the byte-order mark is dropped and the rest decoded in the code page.
// Decoding never fails; in UTF-8, a text without U+FFFD encodes back to the exact bytes.
#include "ByteOrderMark.h"
#include "LocaleCodePage.h"
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string ToUtf8(const std::u16string& text)
{
    static const iconv_t utf8 = iconv_open("UTF-8", "UTF-16LE");
    std::string out(text.size() * 3, '\0');
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    char* at = out.data();
    std::size_t inLeft = text.size() * sizeof(char16_t), outLeft = out.size();
    iconv(utf8, &in, &inLeft, &at, &outLeft);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const norvil::LocaleCodePage utf8("UTF-8");
    static const norvil::LocaleCodePage shiftJis("SHIFT_JIS");

    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string_view body = norvil::SkipUtf8ByteOrderMark(raw);
    if (body.size() != raw.size() && !raw.starts_with("\xEF\xBB\xBF"))
        std::abort();

    const std::u16string text = utf8.ToText(body);
    if (text.size() > body.size())
        std::abort();
    if (text.find(u'\uFFFD') == std::u16string::npos && ToUtf8(text) != body)
        std::abort();

    if (shiftJis.ToText(body).size() > body.size())
        std::abort();
    return 0;
}
