#include "VersionLocator.h"

namespace norvil {

std::optional<std::u16string_view> FindVersionText(std::u16string_view text, std::u16string_view name)
{
    const std::size_t found = text.find(name);
    if (found == std::u16string_view::npos)
        return std::nullopt;

    const std::size_t start = found + name.size() + 1;
    if (start >= text.size())
        return std::u16string_view();
    const std::size_t end = text.find(u'>', start);
    return text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
}

} // namespace norvil
