#include "ArgumentText.h"

namespace norvil {

std::u16string JoinArguments(const std::vector<std::u16string>& arguments)
{
    std::u16string text;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            text += u' ';
        text += arguments[i];
    }
    return text;
}

std::u16string_view SkipProgramPath(std::u16string_view rawCommandLine)
{
    std::size_t pos = 0;
    // Windows reads the program path the same way: inside quotes up to the closing quote,
    // otherwise up to the first blank or tab.
    if (!rawCommandLine.empty() && rawCommandLine.front() == u'"') {
        const std::size_t close = rawCommandLine.find(u'"', 1);
        pos = close == std::u16string_view::npos ? rawCommandLine.size() : close + 1;
    } else {
        pos = rawCommandLine.find_first_of(u" \t");
        if (pos == std::u16string_view::npos)
            pos = rawCommandLine.size();
    }
    while (pos < rawCommandLine.size() && (rawCommandLine[pos] == u' ' || rawCommandLine[pos] == u'\t'))
        ++pos;
    return rawCommandLine.substr(pos);
}

} // namespace norvil
