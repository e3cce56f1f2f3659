#pragma once

#include "Platform.h"

namespace norvil {

// Bytes in a Windows code page to text through MultiByteToWideChar. Each byte that starts no
// valid character becomes U+FFFD, and a character cut off by the end of the bytes becomes one
// U+FFFD, as with the Linux build's converter.
class WindowsCodePage final : public CodePage {
public:
    // codePage: a Windows code page number such as 932 or 65001; 0 (CP_ACP) is the system's
    // ANSI code page.
    explicit WindowsCodePage(unsigned codePage = 0);
    void AppendText(std::string_view bytes, std::u16string& text) const override;

private:
    unsigned m_codePage;
};

} // namespace norvil
