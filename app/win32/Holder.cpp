#include "Holder.h"

namespace norvil {
namespace {

constexpr wchar_t kClassName[] = L"NorvilPage";
constexpr DWORD kEtched = 0x0001; // a style bit of this class's own

LRESULT CALLBACK HolderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (GetWindowLongPtrW(hwnd, GWL_STYLE) & kEtched) {
            RECT edge;
            GetClientRect(hwnd, &edge);
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

ATOM RegisterHolder()
{
    WNDCLASSEXW holder{};
    holder.cbSize = sizeof holder;
    holder.style = CS_HREDRAW | CS_VREDRAW;
    holder.lpfnWndProc = HolderProc;
    holder.hInstance = GetModuleHandleW(nullptr);
    holder.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    holder.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    holder.lpszClassName = kClassName;
    return RegisterClassExW(&holder);
}

} // namespace

HWND CreateHolder(HWND parent, int id, DWORD exStyle, bool etched)
{
    static const ATOM registered = RegisterHolder();
    static_cast<void>(registered);
    return CreateWindowExW(exStyle | WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (etched ? kEtched : 0),
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

} // namespace norvil
