// The window in every language the program speaks: each text fits its control as GDI measures
// it, in a face that has its letters; right to left, the mirror image of the window.

#include "FaceFonts.h"
#include "Texts.h"
#include "WindowRun.h"

#include <usp10.h>

#include <array>

using norvil::Ctl;

namespace {

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// The text's width in the control's font, one line, its letters shaped as the control draws
// them: Uniscribe measures so (wine's GetTextExtentPoint32 takes Arabic letters in their
// isolated forms, a third wider). A button's "&" marks its access key and is not drawn.
int TextWidth(HWND control, std::u16string text, bool accessKey)
{
    if (accessKey) {
        if (const std::size_t mark = text.find(u'&'); mark != std::u16string::npos)
            text.erase(mark, 1);
    }
    if (text.empty())
        return 0;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring wide(text.begin(), text.end());
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    int width = 1 << 20;
    if (SUCCEEDED(ScriptStringAnalyse(dc, wide.c_str(), static_cast<int>(wide.size()), static_cast<int>(wide.size()) * 3 / 2 + 16, -1,
                                      SSA_GLYPHS, 0, nullptr, nullptr, nullptr, nullptr, nullptr, &analysis))) {
        width = ScriptString_pSize(analysis)->cx;
        ScriptStringFree(&analysis);
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return width;
}

// What is wrong with the page as shown: a text wider than its control, a letter its face lacks.
std::string PageFaults(const WindowRun& run)
{
    std::string faults;
    auto fault = [&](HWND control, const std::string& what) {
        faults += what + " in " + doctest::StringMaker<std::u16string>::convert(TextOf(control)).c_str() + "; ";
    };
    for (const Ctl shown : {Ctl::lblMsg1, Ctl::lblProg, Ctl::lblMsg2, Ctl::lblMsg3, Ctl::Label1, Ctl::cmdOK, Ctl::cmdClose}) {
        HWND control = run[shown];
        if (!IsWindowVisible(control))
            continue;
        // A push button draws its text inside its edge and the focus rectangle.
        const bool button = shown == Ctl::cmdOK || shown == Ctl::cmdClose;
        RECT client;
        GetClientRect(control, &client);
        const int room = client.right - (button ? 2 * (GetSystemMetrics(SM_CXEDGE) + 2) : 0);
        if (const int width = TextWidth(control, TextOf(control), button); width > room)
            fault(control, std::to_string(width) + " pixels wide, room for " + std::to_string(room));
        if (!norvil::HasAllLetters(FontOf(control), TextOf(control)))
            fault(control, "letters missing");
    }
    return faults;
}

} // namespace

TEST_CASE("Every language's texts fit their controls")
{
    std::vector<std::u16string> languages = norvil::AvailableTranslations();
    languages.insert(languages.begin(), u"ja");
    for (const std::u16string& language : languages) {
        INFO(language);
        WindowRun run(u"App 1.0 u1 u2 /d", language);
        REQUIRE(run.form.Language() == language);
        std::string faults;
        for (const auto& [page, show] : EveryPage(run.form)) {
            show();
            if (const std::string found = PageFaults(run); !found.empty())
                faults += std::string(page) + " page: " + found + "\n";
        }
        CHECK_MESSAGE(faults.empty(), faults);
    }
}

TEST_CASE("Right to left, the mirror image")
{
    WindowRun rightToLeft(u"App 1.0 u1 u2 /d", u"ar");
    WindowRun leftToRight(u"App 1.0 u1 u2 /d", u"en");
    CHECK((GetWindowLongPtrW(rightToLeft.face.Window(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);

    // Every control at the mirror image of its place, measured on screen from the client area.
    auto client = [](const WindowRun& run) {
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        GetWindowInfo(run.face.Window(), &info);
        return info.rcClient;
    };
    const RECT mirroredClient = client(rightToLeft), plainClient = client(leftToRight);
    for (const Ctl control : {Ctl::fraPage0, Ctl::fraPage1, Ctl::lblMsg1, Ctl::lblProg, Ctl::lblMsg2, Ctl::lblMsg3, Ctl::cmdOK,
                              Ctl::cmdClose, Ctl::Label1, Ctl::txtLog}) {
        INFO(static_cast<int>(control));
        RECT mirrored, plain;
        GetWindowRect(rightToLeft[control], &mirrored);
        GetWindowRect(leftToRight[control], &plain);
        CHECK(mirroredClient.right - mirrored.right == plain.left - plainClient.left);
    }

    // Labels start where their language starts a line; the log box reads left to right.
    auto endsRight = [](HWND label) {
        const auto style = GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK;
        const bool mirrored = (GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        return style == (mirrored ? SS_LEFT : SS_RIGHT);
    };
    for (const Ctl label : {Ctl::lblMsg1, Ctl::lblMsg2, Ctl::lblMsg3, Ctl::Label1}) {
        CHECK(endsRight(rightToLeft[label]));
        CHECK_FALSE(endsRight(leftToRight[label]));
    }
    HWND log = rightToLeft[Ctl::txtLog];
    CHECK((GetWindowLongPtrW(log, GWL_EXSTYLE) & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_RIGHT)) == 0);
    CHECK((GetWindowLongPtrW(GetParent(log), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) == 0);
    CHECK((GetWindowLongPtrW(log, GWL_STYLE) & (ES_CENTER | ES_RIGHT)) == 0);
}
