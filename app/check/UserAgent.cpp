#include "UserAgent.h"

#include "TextUtil.h"

namespace norvil {
namespace {

bool IsTokenCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || std::string_view("!#$&'*+-.^_`|~").find(c) != std::string_view::npos;
}

// The word as a product token: token characters as they are, every other byte of its UTF-8 as
// %XX.
std::u16string Token(std::u16string_view word)
{
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string out;
    for (const char c : ToUtf8(word)) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsTokenCharacter(c))
            out += static_cast<char16_t>(byte);
        else
            out += {u'%', kHex[byte >> 4], kHex[byte & 15]};
    }
    return out;
}

} // namespace

std::u16string UserAgent(std::u16string_view name, std::u16string_view ver, ProgramVersion own)
{
    return Token(name) + u'/' + Token(ver) + u" Norvil/" + ToDecimal(own.Major) + u'.' + ToDecimal(own.Minor);
}

} // namespace norvil
