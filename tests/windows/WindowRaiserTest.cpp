// Bringing a real window to the top of the window order.

#include "CoreTest.h"
#include "Win32WindowRaiser.h"

#include <windows.h>

namespace {

HWND MakeWindow(const wchar_t* title, int x, int y)
{
    static const ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NorvilRaiserTest";
        return RegisterClassW(&wc);
    }();
    (void)windowClass;
    return CreateWindowExW(0, L"NorvilRaiserTest", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 240, 120, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// True when upper lies above lower in the window order.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == lower)
            return true;
    }
    return false;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST_CASE("RaisedWindowKeepsItsPlace")
{
    HWND first = MakeWindow(L"first", 30, 40);
    HWND second = MakeWindow(L"second", 90, 100);
    CHECK((first != nullptr && second != nullptr));
    CHECK(IsAbove(second, first));

    RECT before{};
    GetWindowRect(first, &before);
    norvil::Win32WindowRaiser().BringToTop(reinterpret_cast<std::uintptr_t>(first));
    RECT after{};
    GetWindowRect(first, &after);

    CHECK(IsAbove(first, second));
    CHECK(SameRect(before, after));
    CHECK(IsWindowVisible(first));
    DestroyWindow(second);
    DestroyWindow(first);
}
