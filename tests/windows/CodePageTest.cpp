// Bytes of the update file to text through Windows' own code page tables.

#include "CoreTest.h"
#include "WindowsCodePage.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct CodePageRow {
    const char* name;
    unsigned codePage;
    std::string bytes;
    std::u16string text;
};

const std::vector<CodePageRow> kRows = {
    {"932 Japanese", 932, "\x83\x41\x83\x76\x83\x8A=2.0>", u"アプリ=2.0>"},
    {"932 half-width katakana", 932, "\xB1\xCC\xDF\xD8", u"ｱﾌﾟﾘ"},
    {"932 undecodable byte", 932, "a\xFF" "b", u"a\uFFFDb"},
    {"932 lead byte cut off at the end", 932, "x\x82", u"x\uFFFD"},
    {"932 lead byte before a line feed", 932, "x\x82\ny", u"x\uFFFD\ny"},
    {"UTF-8 Japanese", 65001, "アプリ=1.0>", u"アプリ=1.0>"},
    {"UTF-8 undecodable byte", 65001, "a\xFF" "b", u"a\uFFFDb"},
    {"UTF-8 cut off at the end", 65001, "x\xE3\x81", u"x\uFFFD"},
    {"UTF-8 lead byte, then no continuation", 65001, "\xE3" "AB", u"\uFFFD" "AB"},
    {"UTF-8 encoded surrogate", 65001, "\xED\xA0\x80z", u"\uFFFD\uFFFD\uFFFDz"},
    {"UTF-8 beyond the BMP", 65001, "\xF0\x9F\x98\x80", u"\U0001F600"},
    {"1252 every byte decodes", 1252, "caf\xE9 \x80", u"café €"},
    {"NUL kept", 932, std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    {"empty", 932, "", u""},
};

} // namespace

TEST_CASE("CodePageTable")
{
    for (const CodePageRow& r : kRows) {
        INFO(r.name);
        CHECK_EQ(norvil::WindowsCodePage(r.codePage).ToText(r.bytes), r.text);
    }
}

TEST_CASE("CodePageLargeBodies")
{
    // Many lines, one bad byte in the middle: only that byte is replaced.
    std::string bytes;
    std::u16string text;
    for (int i = 0; i < 50000; ++i) {
        const bool bad = i == 25000;
        bytes += bad ? "MyApp=\xFF>\n" : "\x83\x41\x83\x76=1.0>\n";
        text += bad ? u"MyApp=\uFFFD>\n" : u"アプ=1.0>\n";
    }
    CHECK_EQ(norvil::WindowsCodePage(932).ToText(bytes) == text, true);

    // One long line without a line feed.
    const std::string line(300000, 'z');
    CHECK_EQ(norvil::WindowsCodePage(932).ToText(line + "\xFF").size(), line.size() + 1);
}

TEST_CASE("CodePageDefaultIsTheAnsiCodePage")
{
    const std::string bytes = "caf\xE9 \x83\x41";
    CHECK_EQ(norvil::WindowsCodePage().ToText(bytes), norvil::WindowsCodePage(GetACP()).ToText(bytes));
}
