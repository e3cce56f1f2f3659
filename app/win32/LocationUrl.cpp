#include "LocationUrl.h"

namespace norvil {
namespace {

struct Reference {
    std::u16string_view Scheme;    // without ":"; empty for a relative reference
    std::u16string_view Authority; // without "//"
    bool HasAuthority = false;
    std::u16string_view Path;
    std::u16string_view Query; // with its "?"; empty when there is none
};

bool IsSchemeChar(char16_t c, bool first)
{
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    return letter || (!first && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.'));
}

Reference Split(std::u16string_view text)
{
    text = text.substr(0, text.find(u'#'));
    Reference ref;
    for (std::size_t i = 0; i < text.size() && IsSchemeChar(text[i], i == 0) ; ++i) {
        if (i + 1 < text.size() && text[i + 1] == u':') {
            ref.Scheme = text.substr(0, i + 1);
            text.remove_prefix(i + 2);
            break;
        }
    }
    if (text.substr(0, 2) == u"//") {
        text.remove_prefix(2);
        const std::size_t end = text.find_first_of(u"/?");
        ref.Authority = text.substr(0, end);
        ref.HasAuthority = true;
        text.remove_prefix(ref.Authority.size());
    }
    const std::size_t query = text.find(u'?');
    ref.Path = text.substr(0, query);
    if (query != std::u16string_view::npos)
        ref.Query = text.substr(query);
    return ref;
}

void DropLastSegment(std::u16string& output)
{
    const std::size_t slash = output.rfind(u'/');
    output.erase(slash == std::u16string::npos ? 0 : slash);
}

// "/a/b/../c/./d" is "/a/c/d": a server must not be asked for a path above its root.
std::u16string RemoveDotSegments(std::u16string_view path)
{
    std::u16string input(path);
    std::u16string output;
    auto starts = [&input](std::u16string_view prefix) { return input.compare(0, prefix.size(), prefix) == 0; };
    while (!input.empty()) {
        if (starts(u"../"))
            input.erase(0, 3);
        else if (starts(u"./") || starts(u"/./"))
            input.erase(0, 2);
        else if (input == u"/.")
            input = u"/";
        else if (starts(u"/../")) {
            input.erase(0, 3);
            DropLastSegment(output);
        } else if (input == u"/..") {
            input = u"/";
            DropLastSegment(output);
        } else if (input == u"." || input == u"..")
            input.clear();
        else {
            const std::size_t end = input.find(u'/', 1);
            output += input.substr(0, end);
            input.erase(0, end);
        }
    }
    return output;
}

} // namespace

std::u16string ResolveLocation(std::u16string_view base, std::u16string_view location)
{
    const Reference ref = Split(location);
    if (!ref.Scheme.empty())
        return std::u16string(location.substr(0, location.find(u'#')));
    const Reference from = Split(base);
    std::u16string out = std::u16string(from.Scheme) + u"://";
    if (ref.HasAuthority)
        return out + std::u16string(ref.Authority) + RemoveDotSegments(ref.Path) + std::u16string(ref.Query);
    out += from.Authority;
    if (ref.Path.empty())
        return out + std::u16string(from.Path) + std::u16string(ref.Query.empty() ? from.Query : ref.Query);
    if (ref.Path.front() == u'/')
        return out + RemoveDotSegments(ref.Path) + std::u16string(ref.Query);
    const std::u16string_view directory = from.Path.substr(0, from.Path.rfind(u'/') + 1);
    const std::u16string merged = (from.Path.empty() ? u"/" : std::u16string(directory)) + std::u16string(ref.Path);
    return out + RemoveDotSegments(merged) + std::u16string(ref.Query);
}

} // namespace norvil
