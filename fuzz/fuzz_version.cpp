// clsVersion: Import never crashes or hangs, and Compare is a total order: antisymmetric,
// reflexive and transitive.
#include "clsVersion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Three versions from one input, a byte to a character (so that digits, dots, blanks and
    // letters come often), split at '|'.
    const std::u16string text(data, data + size);
    clsVersion a, b, c;
    std::u16string_view rest = text;
    for (clsVersion* v : {&a, &b, &c}) {
        const std::size_t bar = rest.find(u'|');
        v->Import(rest.substr(0, bar));
        rest = bar == std::u16string_view::npos ? std::u16string_view() : rest.substr(bar + 1);
    }
    if (a.Compare(b) != -b.Compare(a) || a.Compare(a) != 0)
        std::abort();
    if (a.Compare(b) <= 0 && b.Compare(c) <= 0 && a.Compare(c) > 0)
        std::abort();
    return 0;
}
