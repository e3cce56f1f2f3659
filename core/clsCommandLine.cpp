#include "clsCommandLine.h"

#include "TextUtil.h"

#include <array>

namespace {

// The switch is on when the whole text holds it followed by a blank, or ends with it: it is
// not tied to a word, so a URL ending in "/d" counts too.
bool HasSwitch(std::u16string_view text, std::u16string_view flag)
{
    const std::u16string followed = std::u16string(flag) + u' ';
    return text.find(followed) != std::u16string_view::npos || text.ends_with(flag);
}

} // namespace

bool clsCommandLine::Import(std::u16string_view strCommandLine)
{
    *this = clsCommandLine();

    const auto words = norvil::SplitFirst(strCommandLine, u' ', 4);
    std::array<std::u16string*, 4> targets{&m_Name, &m_Ver, &m_Url1, &m_Url2};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (i >= words.size())
            return false;
        *targets[i] = words[i];
    }

    m_IsHide = HasSwitch(strCommandLine, u"/h");
    m_IsDebug = HasSwitch(strCommandLine, u"/d");
    return true;
}
