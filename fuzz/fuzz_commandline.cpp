// clsCommandLine: the four words are the text's first four blank-separated pieces, and the
// switches follow the whole-text rule.
#include "FuzzInput.h"
#include "clsCommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    clsCommandLine cmd;
    const bool ok = cmd.Import(text);

    std::size_t blanks = 0;
    for (char16_t c : text)
        blanks += c == u' ';
    FUZZ_CHECK(ok == (!text.empty() && blanks >= 3));
    if (ok) {
        const std::u16string words = cmd.Name() + u' ' + cmd.Ver() + u' ' + cmd.Url1() + u' ' + cmd.Url2();
        FUZZ_CHECK(text.starts_with(words));
        FUZZ_CHECK(text.size() == words.size() || text[words.size()] == u' ');
        FUZZ_CHECK(cmd.IsHide() == (text.find(u"/h ") != std::u16string::npos || text.ends_with(u"/h")));
        FUZZ_CHECK(cmd.IsDebug() == (text.find(u"/d ") != std::u16string::npos || text.ends_with(u"/d")));
    } else {
        FUZZ_CHECK(!cmd.IsHide() && !cmd.IsDebug());
    }
    return 0;
}
