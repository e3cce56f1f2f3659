// clsVersion: Import never crashes or hangs; Compare is antisymmetric and reflexive; GetText
// starts with "Ver ".
#include "FuzzInput.h"
#include "clsVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    // Two versions from one input: split at the first '|'.
    const std::size_t bar = text.find(u'|');
    const std::u16string_view first = std::u16string_view(text).substr(0, bar);
    const std::u16string_view second =
        bar == std::u16string::npos ? std::u16string_view() : std::u16string_view(text).substr(bar + 1);

    clsVersion a, b;
    a.Import(first);
    b.Import(second);
    FUZZ_CHECK(a.Compare(b) == -b.Compare(a));
    FUZZ_CHECK(a.Compare(a) == 0);
    FUZZ_CHECK(a.GetText().starts_with(u"Ver "));
    FUZZ_CHECK(b.GetText().starts_with(u"Ver "));
    FUZZ_CHECK(a.Test().size() <= 1);
    return 0;
}
