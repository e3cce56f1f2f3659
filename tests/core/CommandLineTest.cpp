#include "ArgumentText.h"
#include "CoreTest.h"
#include "clsCommandLine.h"

#include <string>
#include <vector>

namespace {

struct ImportRow {
    const char* name;
    std::u16string text;
    bool ok;
    std::u16string Name, Ver, Url1, Url2;
    bool hide, debug;
};

const std::vector<ImportRow> kImportRows = {
    {"both switches", u"App 1.0 u1 u2 /d /h", true, u"App", u"1.0", u"u1", u"u2", true, true},
    {"three words keep what was copied, no switches", u"App 1.0 /h", false, u"App", u"1.0", u"/h", u"", false, false},
    {"switches are case-sensitive", u"App 1.0 u1 u2 /D /H", true, u"App", u"1.0", u"u1", u"u2", false, false},
    {"url ending in /h at the end", u"App 1.0 u1 http://x/h", true, u"App", u"1.0", u"u1", u"http://x/h", true, false},
    {"switch needs a blank or the end", u"App 1.0 u1 u2 /hx /dy", true, u"App", u"1.0", u"u1", u"u2", false, false},
    {"switch first takes a position", u"/h App 1.0 u1 u2", true, u"/h", u"App", u"1.0", u"u1", true, false},
    {"two blanks shift the values", u"App  1.0 u1 u2", true, u"App", u"", u"1.0", u"u1", false, false},
    {"tabs and quotes are ordinary", u"\"My App\"\t1 1.0 u1 u2", true, u"\"My", u"App\"\t1", u"1.0", u"u1", false, false},
};

} // namespace

TEST_CASE("ImportSplitsWordsAndFindsSwitches")
{
    // One object for every row: each Import starts from nothing, whatever the row before left.
    clsCommandLine cmd;
    for (const ImportRow& row : kImportRows) {
        INFO(row.name);
        CHECK_EQ(cmd.Import(row.text), row.ok);
        CHECK_EQ(cmd.Name(), row.Name);
        CHECK_EQ(cmd.Ver(), row.Ver);
        CHECK_EQ(cmd.Url1(), row.Url1);
        CHECK_EQ(cmd.Url2(), row.Url2);
        CHECK_EQ(cmd.IsHide(), row.hide);
        CHECK_EQ(cmd.IsDebug(), row.debug);
    }
}

TEST_CASE("SkipProgramPathOfRawCommandLine")
{
    struct Row {
        const char* name;
        std::u16string raw;
        std::u16string rest;
    };
    const std::vector<Row> rows = {
        {"plain path", u"C:\\norvil.exe App 1.0 u1 u2", u"App 1.0 u1 u2"},
        {"quoted path glued to argument", u"\"C:\\a b\\n.exe\"App 1.0", u"App 1.0"},
        {"several blanks and a tab after the path", u"n.exe  \t App  1.0", u"App  1.0"},
        {"no arguments", u"n.exe", u""},
        {"unclosed quote", u"\"C:\\n.exe App", u""},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(std::u16string(norvil::SkipProgramPath(row.raw)), row.rest);
    }
}
