#pragma once

// The pages (fraPage0, fraPage1) and the log box's own holder.

#include <windows.h>

namespace norvil {

// A child window that holds controls: a page's labels and buttons, with an etched edge, or
// the log box alone, without one. The dialog manager walks into it (WS_EX_CONTROLPARENT) for
// Tab and access keys; what its controls send up (clicks, colour questions) goes on to the
// window that holds it.
HWND CreateHolder(HWND parent, int id, DWORD exStyle, bool etched);

} // namespace norvil
