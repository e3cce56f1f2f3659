#pragma once

#include "Platform.h"

namespace norvil {

// Opens the URL with the shell's "open" verb (ShellExecuteW, SW_SHOWNORMAL) and returns the
// shell's own result: above 32 on success, 2 for a missing file, 3 for a missing path.
// The wide call hands the URL over whole, whatever the ANSI code page can spell.
class ShellBrowserOpener final : public BrowserOpener {
public:
    std::int32_t Open(std::u16string_view url) override;
};

} // namespace norvil
