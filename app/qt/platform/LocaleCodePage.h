#pragma once

#include "Platform.h"

#include <string>

namespace norvil {

// The locale's character set stands in for the ANSI code page. A plain C/POSIX locale counts as
// UTF-8. Conversion goes through iconv.
class LocaleCodePage final : public CodePage {
public:
    // charset: an iconv name such as "UTF-8" or "EUC-JP"; empty means the current locale's.
    explicit LocaleCodePage(std::string charset = {});
    void AppendText(std::string_view bytes, std::u16string& text) const override;
    const std::string& Charset() const { return m_charset; }

private:
    std::string m_charset;
};

} // namespace norvil
