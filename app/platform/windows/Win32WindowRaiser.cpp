#include "Win32WindowRaiser.h"

#include <windows.h>

namespace norvil {

void Win32WindowRaiser::BringToTop(std::uintptr_t windowHandle)
{
    SetWindowPos(reinterpret_cast<HWND>(windowHandle), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace norvil
