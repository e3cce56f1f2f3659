#pragma once

// The log box's right-click menu: the edit box's usual entries, in the window's language.

#include <windows.h>

namespace norvil {

// Undo, Cut, Copy, Paste, Delete and Select All, enabled as the edit box's own menu enables
// them for the box as it stands. Each entry's id is the message that carries it out.
HMENU CreateLogBoxMenu(HWND edit);

// Shows the menu where the user asked for it (lParam of WM_CONTEXTMENU: the mouse, or -1 for
// the keyboard) and carries out the entry chosen.
void ShowLogBoxMenu(HWND edit, LPARAM where, bool rightToLeft);

} // namespace norvil
