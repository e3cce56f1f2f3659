#include "TextUtil.h"

namespace norvil {

std::vector<std::u16string_view> SplitFirst(std::u16string_view text, char16_t separator,
                                            std::size_t maxPieces)
{
    std::vector<std::u16string_view> pieces;
    if (text.empty())
        return pieces;
    std::size_t start = 0;
    while (pieces.size() < maxPieces) {
        const std::size_t end = text.find(separator, start);
        if (end == std::u16string_view::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::u16string ToDecimal(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace norvil
