#include "clsVersion.h"

#include "NumberText.h"
#include "TextUtil.h"

#include <array>

bool clsVersion::Import(std::u16string_view strVer)
{
    *this = clsVersion();

    // Only the first three components matter, so the split stops there.
    const auto components = norvil::SplitFirst(strVer, u'.', 3);

    std::array<std::int32_t*, 3> values{&m_Major, &m_Minor, &m_Revision};
    std::array<std::int16_t*, 3> present{&m_HasMajor, &m_HasMinor, &m_HasRevision};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const auto number = norvil::ReadLeadingNumber(components[i]);
        if (!number)
            return false;
        *values[i] = *number;
        *present[i] = -1;
    }

    if (!strVer.empty()) {
        const char16_t last = strVer.back();
        if ((last >= u'A' && last <= u'Z') || (last >= u'a' && last <= u'z'))
            m_Test.assign(1, last);
    }
    return true;
}

std::int16_t clsVersion::Compare(const clsVersion& other) const
{
    const std::array<std::int32_t, 3> mine{m_Major, m_Minor, m_Revision};
    const std::array<std::int32_t, 3> theirs{other.m_Major, other.m_Minor, other.m_Revision};
    for (std::size_t i = 0; i < mine.size(); ++i) {
        if (mine[i] != theirs[i])
            return mine[i] > theirs[i] ? 1 : -1;
    }

    if (m_Test.empty() || other.m_Test.empty())
        return static_cast<std::int16_t>(m_Test.empty() - other.m_Test.empty());
    if (m_Test == other.m_Test)
        return 0;
    return m_Test > other.m_Test ? 1 : -1;
}

std::u16string clsVersion::GetText() const
{
    std::u16string text = u"Ver ";
    if (m_HasMajor)
        text += norvil::ToDecimal(m_Major);
    if (m_HasMinor)
        text += u'.' + norvil::ToDecimal(m_Minor);
    if (m_HasRevision)
        text += u'.' + norvil::ToDecimal(m_Revision);
    return text + m_Test;
}
