#include "LogBoxMenu.h"

#include "LogMenu.h"

#include <string>

namespace norvil {
namespace {

void AddEntry(HMENU menu, LogMenuEntry entry, UINT command, bool enabled)
{
    const std::u16string words = LogMenuText(entry);
    const std::wstring text(words.begin(), words.end());
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text.c_str());
}

} // namespace

HMENU CreateLogBoxMenu(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    const bool selected = start != end;
    const bool writable = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0;

    HMENU menu = CreatePopupMenu();
    AddEntry(menu, LogMenuEntry::Undo, WM_UNDO, writable && SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AddEntry(menu, LogMenuEntry::Cut, WM_CUT, writable && selected);
    AddEntry(menu, LogMenuEntry::Copy, WM_COPY, selected);
    AddEntry(menu, LogMenuEntry::Paste, WM_PASTE, writable && IsClipboardFormatAvailable(CF_UNICODETEXT));
    AddEntry(menu, LogMenuEntry::Delete, WM_CLEAR, writable && selected);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AddEntry(menu, LogMenuEntry::SelectAll, EM_SETSEL, start != 0 || end != length);
    return menu;
}

void ShowLogBoxMenu(HWND edit, LPARAM where, bool rightToLeft)
{
    if (GetFocus() != edit)
        SetFocus(edit);
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) { // from the keyboard: the middle of the box
        RECT client;
        GetClientRect(edit, &client);
        at = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        ClientToScreen(edit, &at);
    }
    HMENU menu = CreateLogBoxMenu(edit);
    // The log reads left to right; its menu speaks the window's language and goes its way,
    // opening towards where its lines start.
    const UINT direction = rightToLeft ? TPM_LAYOUTRTL : TPM_LEFTALIGN;
    const auto command = static_cast<UINT>(TrackPopupMenuEx(menu, direction | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, edit, nullptr));
    DestroyMenu(menu);
    if (command != 0)
        SendMessageW(edit, command, 0, command == EM_SETSEL ? -1 : 0);
}

} // namespace norvil
