// The Windows face on the real window: what it shows at start, the pages and the keys that
// press their buttons, the log box and its menu, a change of DPI, the start timer.

#include "DpiCalls.h"
#include "LogBoxMenu.h"
#include "LogMenu.h"
#include "WindowRun.h"

#include <commctrl.h>

#include <array>

using norvil::Ctl;

namespace {

constexpr char16_t kUrl2[] = u"http://example.invalid/get?a=1&b=日本";

std::u16string Words(const char16_t* switches = u"")
{
    return std::u16string(u"MyApp 1.0 http://127.0.0.1:1/u1 ") + kUrl2 + u" " + switches;
}

int FontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

int Px(int twips, HWND window)
{
    return MulDiv(twips, static_cast<int>(norvil::WindowDpi(window)), 1440);
}

bool IsDefault(HWND button)
{
    return (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

} // namespace

TEST_CASE("The window at start")
{
    for (const auto& [switches, heightTwips] : std::array<std::pair<const char16_t*, int>, 2>{{{u"", 1920}, {u"/d", 5760}}}) {
        INFO(std::u16string(switches));
        WindowRun run(u"App[*] 1.0 u1 u2 " + std::u16string(switches));
        HWND window = run.face.Window();
        // A dialog box named by its title, with a close box and a fixed border only.
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        CHECK(std::wstring(className) == L"#32770");
        const auto style = GetWindowLongPtrW(window, GWL_STYLE);
        CHECK((style & (WS_CAPTION | WS_SYSMENU)) == (WS_CAPTION | WS_SYSMENU));
        CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
        CHECK(TextOf(window) == u"App[*] 最新バージョンの確認");
        CHECK(SendMessageW(window, WM_GETICON, ICON_SMALL, 0) != 0);
        // The manifest: sharp at each monitor's DPI, the common controls with visual styles.
        const auto context = norvil::User32Function<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
        const auto awareness = norvil::User32Function<DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT)>("GetAwarenessFromDpiAwarenessContext");
        CHECK(awareness(context(window)) == DPI_AWARENESS_PER_MONITOR_AWARE);
        SIZE ideal{};
        CHECK(SendMessageW(run[Ctl::cmdOK], BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0);

        // The client area as designed, at the window's DPI, the window centred on its monitor.
        RECT client;
        GetClientRect(window, &client);
        CHECK(client.right == Px(6900, window));
        CHECK(client.bottom == Px(heightTwips, window));
        RECT outer;
        GetWindowRect(window, &outer);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        CHECK(std::abs((outer.left + outer.right) - (monitor.rcWork.left + monitor.rcWork.right)) <= 1);
        CHECK(std::abs((outer.top + outer.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)) <= 1);

        // The progress page with the marquee's empty track.
        CHECK(IsWindowVisible(run[Ctl::fraPage0]));
        CHECK_FALSE(IsWindowVisible(run[Ctl::fraPage1]));
        CHECK(TextOf(run[Ctl::lblProg]) == std::u16string(18, u'\u25A1'));
    }
}

TEST_CASE("The pages, and the keys that press their buttons")
{
    enum class Outcome { None, Newer, Same, TransferError };
    enum class Act { Nothing, Return, Escape, AltC, ReturnInLog, CloseBox };
    struct Row {
        const char* name;
        const char16_t* switches;
        Outcome outcome;
        Act act;
        const char16_t* headline; // nullptr: still the progress page
        bool ended, opened;
    };
    const char16_t* update = u"最新バージョン「Ver 2.0」が公開されています。";
    const char16_t* latest = u"最新バージョンはありません。";
    const char16_t* failed = u"バージョン情報の取得に失敗しました。";
    const Row rows[] = {
        {"update page, Return opens the page", u"", Outcome::Newer, Act::Return, update, true, true},
        {"update page, Escape presses the cancel button", u"", Outcome::Newer, Act::Escape, update, true, false},
        {"update page, Alt+C presses its button", u"", Outcome::Newer, Act::AltC, update, true, false},
        {"update page /d, Return in the log opens the page", u"/d", Outcome::Newer, Act::ReturnInLog, update, false, true},
        {"latest page, Return closes", u"", Outcome::Same, Act::Return, latest, true, false},
        {"failure page, Escape does nothing", u"", Outcome::TransferError, Act::Escape, failed, false, false},
        {"progress page, Return does nothing", u"", Outcome::None, Act::Return, nullptr, false, false},
        {"progress page, the close box ends", u"", Outcome::None, Act::CloseBox, nullptr, true, false},
        {"/h newer: shown on the update page", u"/h", Outcome::Newer, Act::Nothing, update, false, false},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        WindowRun run(Words(row.switches));
        run.form.cTimer1_Timer();
        if (row.outcome == Outcome::Newer)
            run.inet.Complete("MyApp=2.0>");
        else if (row.outcome == Outcome::Same)
            run.inet.Complete("MyApp=1.0>");
        else if (row.outcome == Outcome::TransferError)
            run.inet.Fail(12029, u"refused");
        run.Pump();

        if (row.headline != nullptr) {
            CHECK(TextOf(run[Ctl::lblMsg2]) == row.headline);
            CHECK_FALSE(IsWindowVisible(run[Ctl::fraPage0]));
            // The default button has the focus and looks it.
            const bool updatePage = row.outcome == Outcome::Newer;
            HWND defaultButton = run[updatePage ? Ctl::cmdOK : Ctl::cmdClose];
            CHECK(GetFocus() == defaultButton);
            CHECK(IsDefault(defaultButton));
            CHECK(IsWindowVisible(run[Ctl::cmdOK]) == updatePage);
            CHECK(TextOf(run[Ctl::cmdClose]) == (updatePage ? u"今は何もしない(&C)" : u"閉じる(&C)"));
            // The failure's detail in 9 points.
            CHECK(FontHeight(run[Ctl::lblMsg3]) == -Px(row.outcome == Outcome::TransferError ? 180 : 225, run.face.Window()));
        }

        switch (row.act) {
        case Act::Nothing:
            break;
        case Act::Return:
            run.Key(VK_RETURN);
            break;
        case Act::Escape:
            run.Key(VK_ESCAPE);
            break;
        case Act::AltC:
            run.AltKey(L'c');
            break;
        case Act::ReturnInLog:
            SendMessageW(run.face.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(run[Ctl::txtLog]), TRUE);
            run.Key(VK_RETURN);
            CHECK(run.face.LogText().ends_with(u"ShellExecute() = 42\r\n"));
            break;
        case Act::CloseBox:
            PostMessageW(run.face.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
            run.Pump();
            break;
        }
        CHECK(run.form.IsUnloaded() == row.ended);
        CHECK((run.face.Window() == nullptr) == row.ended); // the window goes with it
        CHECK(run.Quit == row.ended);                       // and the program ends
        CHECK(run.platform.Opened == (row.opened ? std::vector<std::u16string>{kUrl2} : std::vector<std::u16string>{}));
        if (!row.ended)
            CHECK(IsWindowVisible(run.face.Window()));
    }
}

TEST_CASE("Tab moves cmdOK, cmdClose, txtLog among those shown")
{
    WindowRun run(Words(u"/d"));
    run.form.cTimer1_Timer();
    run.inet.Complete("MyApp=2.0>");
    run.Pump();
    REQUIRE(GetFocus() == run[Ctl::cmdOK]);
    for (const Ctl next : {Ctl::cmdClose, Ctl::txtLog, Ctl::cmdOK}) {
        run.Key(VK_TAB);
        CHECK(GetFocus() == run[next]);
    }
    // A button with the focus answers Enter itself.
    run.Key(VK_TAB);
    run.Key(VK_RETURN);
    CHECK(run.form.IsUnloaded());
    CHECK(run.platform.Opened.empty());
}

TEST_CASE("The log box")
{
    WindowRun run(Words(u"/d"));
    run.form.cTimer1_Timer(); // its line now, not in the middle of a pump that a subcase waits on
    HWND log = run[Ctl::txtLog];

    SUBCASE("lines land at the end whatever the selection, the caret after them")
    {
        const std::u16string before = run.face.LogText();
        SendMessageW(log, EM_SETSEL, 5, 10);
        run.form.AddLog(u"A");
        run.form.AddLog(u"");
        run.form.AddLog(u"B\r\nb\rc\nd"); // every line break is CR LF in the box
        const std::u16string after = before + u"A\r\n\r\nB\r\nb\r\nc\r\nd\r\n";
        CHECK(run.face.LogText() == after);
        CHECK(TextOf(log) == after);
        DWORD start = 0, end = 0;
        SendMessageW(log, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        CHECK(start == after.size());
        CHECK(end == after.size());
    }
    SUBCASE("a large line goes in by slices, what comes later after it")
    {
        const std::u16string before = run.face.LogText();
        std::u16string big;
        while (big.size() < 2 * 1024 * 1024)
            big += u"0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz\n";
        run.form.AddLog(big);
        run.form.AddLog(u"after");
        std::u16string expected = before;
        for (std::size_t at = 0; at < big.size(); at = big.find(u'\n', at) + 1)
            expected += big.substr(at, big.find(u'\n', at) - at) + u"\r\n";
        expected += u"\r\nafter\r\n";
        CHECK(run.face.LogText() == expected); // whole at once for whoever reads it
        CHECK(run.face.LogFilling());
        REQUIRE(run.PumpUntil([&] { return !run.face.LogFilling(); }, 60000));
        CHECK(TextOf(log) == expected);
    }
}

TEST_CASE("The log box's menu")
{
    struct Row {
        const char* name;
        DWORD selectFrom, selectTo; // -1, -1: everything
        bool typedAndCopied; // something typed (to undo) and text on the clipboard (to paste)
        std::array<bool, 6> enabled; // Undo, Cut, Copy, Paste, Delete, Select All
    };
    const Row rows[] = {
        {"nothing selected, typed or copied", 3, 3, false, {false, false, false, false, false, true}},
        {"a selection, typed and copied", 2, 6, true, {true, true, true, true, true, true}},
        {"everything selected", 0, static_cast<DWORD>(-1), false, {false, true, true, false, true, false}},
    };
    const norvil::LogMenuEntry entries[] = {norvil::LogMenuEntry::Undo,  norvil::LogMenuEntry::Cut,    norvil::LogMenuEntry::Copy,
                                            norvil::LogMenuEntry::Paste, norvil::LogMenuEntry::Delete, norvil::LogMenuEntry::SelectAll};
    const int positions[] = {0, 2, 3, 4, 5, 7}; // separators at 1 and 6
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        WindowRun run(Words(u"/d"));
        HWND log = run[Ctl::txtLog];
        OpenClipboard(run.face.Window());
        EmptyClipboard();
        CloseClipboard();
        if (row.typedAndCopied) {
            SendMessageW(log, WM_CHAR, L'x', 1);
            SendMessageW(log, EM_SETSEL, 0, 3);
            SendMessageW(log, WM_COPY, 0, 0);
        }
        SendMessageW(log, EM_SETSEL, row.selectFrom, static_cast<LPARAM>(static_cast<int>(row.selectTo)));

        HMENU menu = norvil::CreateLogBoxMenu(log);
        REQUIRE(GetMenuItemCount(menu) == 8);
        CHECK((GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        CHECK((GetMenuState(menu, 6, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        for (std::size_t i = 0; i < 6; ++i) {
            wchar_t words[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(positions[i]), words, 64, MF_BYPOSITION);
            const std::u16string expected = norvil::LogMenuText(entries[i]);
            CHECK(std::wstring(words) == std::wstring(expected.begin(), expected.end()));
            CHECK(((GetMenuState(menu, static_cast<UINT>(positions[i]), MF_BYPOSITION) & MF_GRAYED) == 0) == row.enabled[i]);
        }
        DestroyMenu(menu);
    }
}

namespace {

// The menu the log box shows, caught from within its own modal loop.
struct ShownMenu {
    DWORD exStyle = 0;
    std::wstring firstEntry;
    wchar_t chooseKey = 0;
};
ShownMenu* g_shown = nullptr;

void CALLBACK CatchMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    g_shown->exStyle = static_cast<DWORD>(GetWindowLongPtrW(popup, GWL_EXSTYLE));
    auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    wchar_t words[64] = {};
    GetMenuStringW(menu, 0, words, 64, MF_BYPOSITION);
    g_shown->firstEntry = words;
    PostMessageW(popup, WM_CHAR, g_shown->chooseKey, 1); // an entry chosen by its access key
}

} // namespace

TEST_CASE("The log box's menu as shown, in each direction")
{
    for (const char16_t* language : {u"en", u"ar"}) {
        INFO(std::u16string(language));
        WindowRun run(Words(u"/d"), language);
        HWND log = run[Ctl::txtLog];
        const std::u16string selectAll = norvil::LogMenuText(norvil::LogMenuEntry::SelectAll);
        ShownMenu shown;
        shown.chooseKey = static_cast<wchar_t>(selectAll[selectAll.find(u'&') + 1]);
        g_shown = &shown;
        SetTimer(nullptr, 0, 20, CatchMenu);
        RECT box;
        GetWindowRect(log, &box);
        SendMessageW(log, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(log), MAKELPARAM(box.left + 20, box.top + 20));
        const std::u16string undo = norvil::LogMenuText(norvil::LogMenuEntry::Undo);
        CHECK(shown.firstEntry == std::wstring(undo.begin(), undo.end()));
        CHECK(((shown.exStyle & WS_EX_LAYOUTRTL) != 0) == (std::u16string(language) == u"ar"));
        DWORD start = 1, end = 0;
        SendMessageW(log, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        CHECK(start == 0);
        CHECK(end == TextOf(log).size());
    }
}

TEST_CASE("A change of DPI places every control and remakes the fonts")
{
    WindowRun run(Words(u"/d"));
    HWND window = run.face.Window();
    RECT outer;
    GetWindowRect(window, &outer);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&outer));
    RECT client;
    GetClientRect(window, &client);
    CHECK(client.right == MulDiv(6900, 144, 1440));
    CHECK(client.bottom == MulDiv(5760, 144, 1440));
    RECT button;
    GetWindowRect(run[Ctl::cmdOK], &button);
    CHECK(button.right - button.left == MulDiv(2715, 144, 1440));
    CHECK(FontHeight(run[Ctl::lblMsg1]) == -MulDiv(225, 144, 1440));
    CHECK(FontHeight(run[Ctl::txtLog]) == -MulDiv(195, 144, 1440));
}

TEST_CASE("The start timer ticks once, a second after start")
{
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    WindowRun run(Words());
    REQUIRE(run.PumpUntil([&] { return !run.inet.Requests.empty(); }, 5000));
    QueryPerformanceCounter(&after);
    CHECK((after.QuadPart - before.QuadPart) * 1000 >= 1000 * frequency.QuadPart);
    run.PumpUntil([] { return false; }, 200); // a short while in which a second tick would come
    CHECK(run.inet.Requests == std::vector<std::u16string>{u"GET http://127.0.0.1:1/u1"});
}
