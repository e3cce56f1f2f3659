#include "NumberText.h"

#include <cstddef>
#include <string>

namespace norvil {
namespace {

constexpr std::int64_t kMaxMagnitude = std::int64_t{1} << 31; // |INT32_MIN|

// A cursor over the text that never stops on a blank, tab or line feed.
class Reader {
public:
    explicit Reader(std::u16string_view text) : m_text(text) { SkipIgnored(); }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char16_t Peek() const { return AtEnd() ? u'\0' : m_text[m_pos]; }
    void Next()
    {
        ++m_pos;
        SkipIgnored();
    }
    bool Take(char16_t lower)
    {
        const char16_t c = Peek();
        if (c == lower || c == lower - (u'a' - u'A')) {
            Next();
            return true;
        }
        return false;
    }

private:
    void SkipIgnored()
    {
        while (m_pos < m_text.size()) {
            const char16_t c = m_text[m_pos];
            if (c != u' ' && c != u'\t' && c != u'\n')
                break;
            ++m_pos;
        }
    }

    std::u16string_view m_text;
    std::size_t m_pos = 0;
};

int DigitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// Digits after &H or &O. The magnitude saturates just above the 32-bit range so that any
// number of digits is read without overflow.
std::int64_t ReadRadixDigits(Reader& in, int base)
{
    std::int64_t magnitude = 0;
    for (int d; (d = DigitValue(in.Peek(), base)) >= 0; in.Next()) {
        if (magnitude <= kMaxMagnitude)
            magnitude = magnitude * base + d;
    }
    return magnitude;
}

// Decimal digits with an optional exponent, rounded to an integer magnitude (ties to even).
// Returns a value above kMaxMagnitude for anything too large to matter.
std::int64_t ReadDecimal(Reader& in)
{
    // Significant digits only: leading zeros are dropped as they are read.
    std::string digits;
    for (; DigitValue(in.Peek(), 10) >= 0; in.Next()) {
        const char digit = static_cast<char>(in.Peek());
        if (digit != '0' || !digits.empty())
            digits.push_back(digit);
    }

    std::int64_t exponent = 0;
    if (in.Take(u'e')) {
        bool negative = false;
        if (in.Peek() == u'+' || in.Peek() == u'-') {
            negative = in.Peek() == u'-';
            in.Next();
        }
        constexpr std::int64_t kExponentCap = 1'000'000'000'000;
        for (; DigitValue(in.Peek(), 10) >= 0; in.Next()) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (in.Peek() - u'0');
        }
        if (negative)
            exponent = -exponent;
    }

    if (digits.empty())
        return 0;

    // The value is 0.d1d2d3... times 10^integerDigits.
    const std::int64_t integerDigits = static_cast<std::int64_t>(digits.size()) + exponent;
    if (integerDigits > 10)
        return kMaxMagnitude + 1; // at least 10^10
    if (integerDigits < 0)
        return 0; // below 0.1

    std::int64_t whole = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        whole = whole * 10 + (at < digits.size() ? digits[at] - '0' : 0);
    }

    const std::size_t fractionStart = static_cast<std::size_t>(integerDigits);
    if (fractionStart < digits.size()) {
        const char first = digits[fractionStart];
        bool roundUp = first > '5';
        if (first == '5') {
            const bool moreThanHalf =
                digits.find_first_not_of('0', fractionStart + 1) != std::string::npos;
            roundUp = moreThanHalf || (whole % 2 == 1);
        }
        if (roundUp)
            ++whole;
    }
    return whole;
}

} // namespace

std::optional<std::int32_t> ReadLeadingNumber(std::u16string_view text)
{
    Reader in(text);

    bool negative = false;
    if (in.Peek() == u'+' || in.Peek() == u'-') {
        negative = in.Peek() == u'-';
        in.Next();
    }

    std::int64_t magnitude = 0;
    if (in.Peek() == u'&') {
        in.Next();
        if (in.Take(u'h'))
            magnitude = ReadRadixDigits(in, 16);
        else if (in.Take(u'o'))
            magnitude = ReadRadixDigits(in, 8);
    } else {
        magnitude = ReadDecimal(in);
    }

    if (magnitude > kMaxMagnitude || (!negative && magnitude == kMaxMagnitude))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace norvil
