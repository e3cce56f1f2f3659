#pragma once

#include "Platform.h"

namespace norvil {

// Opens URLs through Qt's desktop services (xdg-open on Linux), with the text exactly as given.
// A local path or file URL is checked first, so that a missing file or folder gives the
// shell's codes 2 and 3.
class DesktopBrowserOpener final : public BrowserOpener {
public:
    std::int32_t Open(std::u16string_view url) override;

    static constexpr std::int32_t kSuccess = 42;          // any value above 32 means success
    static constexpr std::int32_t kFileNotFound = 2;
    static constexpr std::int32_t kPathNotFound = 3;
    static constexpr std::int32_t kNoAssociation = 31;    // nothing could open it
};

} // namespace norvil
