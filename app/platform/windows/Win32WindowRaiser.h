#pragma once

#include "PlatformServices.h"

namespace norvil {

// SetWindowPos(HWND_TOP, SWP_NOMOVE | SWP_NOSIZE) on the window's handle: to the top of the
// window order, position and size unchanged.
class Win32WindowRaiser final : public WindowRaiser {
public:
    void BringToTop(std::uintptr_t windowHandle) override;
};

} // namespace norvil
