#include "CoreTest.h"
#include "VersionLocator.h"

#include <optional>
#include <string>
#include <vector>

TEST_CASE("FindVersionTextInUpdateFile")
{
    struct Row {
        const char* name;
        std::u16string text;
        std::u16string appName;
        std::optional<std::u16string> version;
    };
    const std::vector<Row> rows = {
        {"angle brackets", u"x<MyApp:1.2.0>y", u"MyApp", u"1.2.0"},
        {"runs to the end, line break included", u"MyApp=1.2.0\r\n", u"MyApp", u"1.2.0\r\n"},
        {"first occurrence inside a longer word", u"MyApp2=3.0>MyApp=1.0>", u"MyApp", u"=3.0"},
        {"empty version", u"MyApp=>", u"MyApp", u""},
        {"name is the last thing", u"abc MyApp", u"MyApp", u""},
        {"not present", u"Other=1.0>", u"MyApp", std::nullopt},
        {"empty name matches at the start", u"x1.5>", u"", u"1.5"},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        const auto found = norvil::FindVersionText(row.text, row.appName);
        CHECK_EQ(found ? std::optional<std::u16string>(std::u16string(*found)) : std::nullopt, row.version);
    }
}
