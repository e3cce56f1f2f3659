#pragma once

#include "PlatformServices.h"

namespace norvil {

// Raises and activates the Qt window with this handle; the window manager keeps its place.
class QtWindowRaiser final : public WindowRaiser {
public:
    void BringToTop(std::uintptr_t windowHandle) override;
};

} // namespace norvil
