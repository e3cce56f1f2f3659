// clsVersion: Import never crashes or hangs; Compare is antisymmetric, reflexive and transitive;
// GetText starts with "Ver ".
#include "FuzzInput.h"
#include "clsVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    // Three versions from one input, split at '|'.
    clsVersion a, b, c;
    std::u16string_view rest = text;
    for (clsVersion* v : {&a, &b, &c}) {
        const std::size_t bar = rest.find(u'|');
        v->Import(rest.substr(0, bar));
        rest = bar == std::u16string_view::npos ? std::u16string_view() : rest.substr(bar + 1);
    }
    FUZZ_CHECK(a.Compare(b) == -b.Compare(a));
    FUZZ_CHECK(a.Compare(a) == 0);
    if (a.Compare(b) <= 0 && b.Compare(c) <= 0)
        FUZZ_CHECK(a.Compare(c) <= 0);
    FUZZ_CHECK(a.GetText().starts_with(u"Ver "));
    FUZZ_CHECK(b.GetText().starts_with(u"Ver "));
    FUZZ_CHECK(a.Test().size() <= 1);
    return 0;
}
