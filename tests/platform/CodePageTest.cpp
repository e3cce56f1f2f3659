// The ANSI code page as each platform reads it: what becomes of bytes that do not decode. Each
// row names its code page twice, as iconv knows it (Linux) and by its Windows number.

#include "CoreTest.h"

#ifdef _WIN32
#include "WindowsCodePage.h"
#else
#include "LocaleCodePage.h"
#include <clocale>
#endif

#include <string>
#include <vector>

TEST_CASE("BytesThatDoNotDecode")
{
    struct Row {
        const char* name;
        const char* charset;
        unsigned codePage;
        std::string bytes;
        std::u16string text;
    };
    // Large bodies: one bad byte among many lines is replaced alone, and so is one at the end of
    // a long line without a line feed.
    std::string lines;
    std::u16string linesText;
    for (int i = 0; i < 50000; ++i) {
        const bool bad = i == 25000;
        lines += bad ? "MyApp=\xFF>\n" : "\x83\x41\x83\x76=1.0>\n";
        linesText += bad ? u"MyApp=\uFFFD>\n" : u"アプ=1.0>\n";
    }
    const std::vector<Row> rows = {
        {"UTF-8 invalid byte", "UTF-8", 65001, "a\xFF" "b", u"a\uFFFDb"},
        {"UTF-8 cut off at the end", "UTF-8", 65001, "x\xE3\x81", u"x\uFFFD"},
        {"Shift_JIS undecodable byte", "SHIFT_JIS", 932, "a\xFF" "b", u"a\uFFFDb"},
        {"Shift_JIS lead byte cut off at the end", "SHIFT_JIS", 932, "x\x82", u"x\uFFFD"},
        {"one bad byte among 50000 lines", "SHIFT_JIS", 932, lines, linesText},
        {"300000 bytes on one line, then a bad byte", "SHIFT_JIS", 932, std::string(300000, 'z') + "\xFF", std::u16string(300000, u'z') + u"\uFFFD"},
    };
    for (const Row& row : rows) {
        INFO(row.name);
#ifdef _WIN32
        const norvil::WindowsCodePage converter(row.codePage);
#else
        const norvil::LocaleCodePage converter(row.charset);
#endif
        CHECK_EQ(converter.ToText(row.bytes), row.text);
    }
}

#ifndef _WIN32
TEST_CASE("PlainLocaleReadsUtf8")
{
    // The locale's character set; the plain C/POSIX locale counts as UTF-8.
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C");
    const norvil::LocaleCodePage codePage;
    std::setlocale(LC_CTYPE, saved.c_str());
    CHECK_EQ(codePage.Charset(), "UTF-8");
}
#endif
