// The body-to-text step: the byte-order mark is dropped and the rest decoded in the code page.
// Decoding never fails; in UTF-8, a text without U+FFFD encodes back to the exact bytes.
#include "ByteOrderMark.h"
#include "LocaleCodePage.h"
#include "TextUtil.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
    if (text.find(u'\uFFFD') == std::u16string::npos && norvil::ToUtf8(text) != body)
        std::abort();

    if (shiftJis.ToText(body).size() > body.size())
        std::abort();
    return 0;
}
