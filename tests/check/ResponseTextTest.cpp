// The received bytes as text: the byte-order mark, the code page a run of whole lines at a time,
// and the version found in the text.

#include "CheckFakes.h"
#include "CoreTest.h"
#include "VersionLocator.h"

#include <optional>

TEST_CASE("ReadResponseText")
{
    struct Row {
        const char* name;
        std::string body;
        std::u16string text;
    };
    std::string lines;
    std::u16string linesText;
    // Over 256 KiB in lines whose characters take three bytes, so that the 256 KiB mark falls
    // inside a character.
    while (lines.size() < 300000) {
        lines += "xx日本語の行\n";
        linesText += u"xx日本語の行\n";
    }
    const std::vector<Row> rows = {
        {"the mark alone", "\xEF\xBB\xBF", u""},
        {"the mark, then letters", "\xEF\xBB\xBF" "abc", u"abc"},
        {"not the mark", "\xEF\xBB" "a", u"\uFFFD" "a"},
        {"the mark elsewhere", "a\xEF\xBB\xBF", u"a\uFEFF"},
        {"300000 bytes in lines", lines, linesText},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CheckRun run(u"MyApp 1.0 u1 u2");
        run.inet.Body = row.body;
        CHECK_EQ(run.form->ReadResponseText(), row.text);
        // Each run given to the code page but the last ends at a line feed: no character is cut.
        for (std::size_t i = 0; i + 1 < run.platform.Decoded.size(); ++i)
            CHECK_EQ(run.platform.Decoded[i].back(), '\n');
        CHECK_EQ(run.platform.Decoded.size() > 1, row.body.size() > 256 * 1024);
    }
}

TEST_CASE("FindVersionText")
{
    struct Row {
        const char* name;
        std::u16string text;
        std::u16string appName;
        std::optional<std::u16string> version;
    };
    const std::vector<Row> rows = {
        {"runs to the end, line break included", u"MyApp=1.2.0\r\n", u"MyApp", u"1.2.0\r\n"},
        {"first occurrence inside a longer word", u"MyApp2=3.0>MyApp=1.0>", u"MyApp", u"=3.0"},
        {"empty version", u"MyApp=>", u"MyApp", u""},
        {"name is the last thing", u"abc MyApp", u"MyApp", u""},
        {"empty name matches at the start", u"x1.5>", u"", u"1.5"},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        const auto found = norvil::FindVersionText(row.text, row.appName);
        CHECK_EQ(found ? std::optional<std::u16string>(std::u16string(*found)) : std::nullopt, row.version);
    }
}
