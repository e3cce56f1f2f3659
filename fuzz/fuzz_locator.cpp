// The name search and the version it yields: the version text follows the first occurrence of
// the name and one separator, holds no ">", and always parses or fails cleanly.
#include "FuzzInput.h"
#include "VersionLocator.h"
#include "clsVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input = FuzzText(data, size);
    // name, a NUL, then the update file's text
    const std::size_t nul = input.find(u'\0');
    if (nul == std::u16string::npos)
        return 0;
    const std::u16string_view name = std::u16string_view(input).substr(0, nul);
    const std::u16string_view text = std::u16string_view(input).substr(nul + 1);

    const auto version = norvil::FindVersionText(text, name);
    const std::size_t at = text.find(name);
    FUZZ_CHECK(version.has_value() == (at != std::u16string_view::npos));
    if (!version)
        return 0;
    FUZZ_CHECK(version->find(u'>') == std::u16string_view::npos);
    if (!version->empty()) {
        FUZZ_CHECK(version->data() == text.data() + at + name.size() + 1);
        const std::size_t end = at + name.size() + 1 + version->size();
        FUZZ_CHECK(end == text.size() || text[end] == u'>');
    }
    clsVersion parsed;
    parsed.Import(*version);
    FUZZ_CHECK(parsed.GetText().starts_with(u"Ver "));
    return 0;
}
