// The argument text as a real process receives it: the helper is started with an exact raw
// command line and echoes what the program would read.

#include "CoreTest.h"
#include "WindowsTestSupport.h"

#include <vector>

namespace {

using namespace std::chrono_literals;

struct LaunchRow {
    const char* name;
    bool quotedPath;             // otherwise the program is named separately and the line starts with a bare word
    std::u16string afterPath;    // what follows the program path on the raw command line
    std::u16string text;         // the argument text the program must read
};

// How the rest of the line is cut from the program path is the core table's business; these rows
// show that a real launch hands the program that line, blanks, quotes and wide characters intact.
const std::vector<LaunchRow> kLaunchRows = {
    {"quoted path with blanks", true, u" App  1.0 u1 u2 /h", u"App  1.0 u1 u2 /h"},
    {"no arguments", true, u"", u""},
    {"unquoted program word", false, u"   App 1.0 u1 u2 /d /h", u"App 1.0 u1 u2 /d /h"},
    {"quotes, tabs and Japanese kept", true, u" \"アプリ\" 1.0\tx http://127.0.0.1/更新.txt u2",
     u"\"アプリ\" 1.0\tx http://127.0.0.1/更新.txt u2"},
};

// Starts program with exactly this command line and waits for it, at most 30 seconds.
bool Launch(const wintest::fs::path& program, bool quotedPath, const std::u16string& afterPath)
{
    std::wstring commandLine = quotedPath ? L"\"" + program.wstring() + L"\"" : L"argument_echo";
    commandLine += wintest::Wide(afterPath);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(quotedPath ? nullptr : program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended && exitCode == 0;
}

} // namespace

TEST_CASE("ArgumentTextFromRealLaunches")
{
    const wintest::ScratchFolder folder(L"norvil launch test");
    const wintest::fs::path program = folder.CopyOfEcho(L"echo with blanks.exe");
    int row = 0;
    for (const LaunchRow& r : kLaunchRows) {
        INFO(r.name);
        const wintest::fs::path echoFile = folder.Path() / (L"echo" + std::to_wstring(++row) + L".bin");
        wintest::SetEchoFile(echoFile);
        CHECK(Launch(program, r.quotedPath, r.afterPath));
        const std::optional<std::u16string> text = wintest::WaitForEcho(echoFile, 0ms);
        CHECK_EQ(text, std::optional<std::u16string>(r.text));
    }
}
