#include "NumberText.h"
#include "CoreTest.h"
#include "clsVersion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

clsVersion Parsed(std::u16string_view text)
{
    clsVersion v;
    v.Import(text);
    return v;
}

} // namespace

TEST_CASE("ReadLeadingNumberRules")
{
    struct Row {
        const char* name;
        std::u16string text;
        std::optional<std::int32_t> value;
    };
    const std::vector<Row> rows = {
        {"tab and line feed ignored", u"\t1\n2 ", 12},
        {"carriage return stops", u"1\r2", 1},
        {"plus sign", u"+7", 7},
        {"hex without digits", u"&H", 0},
        {"octal stops at 8", u"&o178", 15},
        {"negative hex", u"-&H10", -16},
        {"ampersand other letter", u"&X1", 0},
        {"exponent", u"1e3", 1000},
        {"exponent plus", u"1e+2", 100},
        {"exponent sign without digits", u"5e-", 5},
        {"half rounds to even (down)", u"5e-1", 0},
        {"just above half far out", u"500000000001e-12", 1},
        {"below half rounds down", u"49e-2", 0},
        {"zero with huge exponent", u"0e400", 0},
        {"max int", u"2147483647", 2147483647},
        {"min int", u"-2147483648", INT32_MIN},
        {"too big", u"2147483648", std::nullopt},
        {"too small", u"-2147483649", std::nullopt},
        {"exponent overflowing 64 bits", u"1e99999999999999999999999", std::nullopt},
        {"max plus a half rounds up out of range", u"21474836475e-1", std::nullopt},
        {"long hex", u"&H" + std::u16string(1000, u'F'), std::nullopt},
        {"long zeros then digit", std::u16string(100000, u'0') + u"7", 7},
        // A megabyte of digits, of exponent or of blanks comes back at once (linear time).
        {"a digit and a megabyte of zeros, a megabyte down", u"1" + std::u16string(1 << 20, u'0') + u"e-1048576", 1},
        {"a megabyte of exponent digits", u"1e-" + std::u16string(1 << 20, u'9'), 0},
        {"a megabyte of blanks", std::u16string(1 << 20, u' ') + u"3", 3},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(norvil::ReadLeadingNumber(row.text), row.value);
    }
}

TEST_CASE("ImportComponentsAndLetter")
{
    struct Row {
        const char* name;
        std::u16string text;
        bool ok;
        std::int32_t major, minor, revision;
        std::u16string display;
    };
    const std::vector<Row> rows = {
        {"test build", u"1.2.3b", true, 1, 2, 3, u"Ver 1.2.3b"},
        {"one number", u"2", true, 2, 0, 0, u"Ver 2"},
        {"leading zeros dropped in display", u"02.10", true, 2, 10, 0, u"Ver 2.10"},
        {"no leading number", u"ver2", true, 0, 0, 0, u"Ver 0"},
        {"empty text", u"", true, 0, 0, 0, u"Ver "},
        {"empty components", u"..", true, 0, 0, 0, u"Ver 0.0.0"},
        {"negative", u"-1.2", true, -1, 2, 0, u"Ver -1.2"},
        {"last char a line break: no letter", u"1.2.0b\n", true, 1, 2, 0, u"Ver 1.2.0"},
        {"second component too big: the first kept, the letter not", u"1.99999999999b", false, 1, 0, 0, u"Ver 1"},
        {"too big fourth ignored", u"1.2.3.99999999999", true, 1, 2, 3, u"Ver 1.2.3"},
    };
    // One object for every row: each Import starts from nothing, whatever the row before left.
    clsVersion v;
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(v.Import(row.text), row.ok);
        CHECK_EQ(v.Major(), row.major);
        CHECK_EQ(v.Minor(), row.minor);
        CHECK_EQ(v.Revision(), row.revision);
        CHECK_EQ(v.GetText(), row.display);
    }
}

TEST_CASE("CompareLadder")
{
    struct Row {
        const char* name;
        std::u16string self, other;
        int expected;
    };
    const std::vector<Row> rows = {
        {"older revision", u"1.2.3", u"1.2.4", -1},
        {"numbers not text", u"1.10", u"1.9", 1},
        {"major decides first", u"2.0.0", u"1.99.99", 1},
        {"minor before revision", u"1.1.0", u"1.0.9", 1},
        {"missing counts as zero", u"1", u"1.0.0", 0},
        {"release above test build", u"1.2.3", u"1.2.3b", 1},
        {"lower case above upper case", u"1.2.3a", u"1.2.3A", 1},
        {"same letter", u"1.2b", u"1.2.0b", 0},
        {"extremes", u"-2147483648", u"2147483647", -1},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(static_cast<int>(Parsed(row.self).Compare(Parsed(row.other))), row.expected);
    }
}
