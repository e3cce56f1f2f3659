#pragma once

// The window's fonts: the design's faces as GDI has them, at the window's DPI.

#include "Design.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// The design's font as GDI is asked for it: the first of its faces that the system has (none:
// GDI's mapper picks by character set and pitch), its character set, its height in twips at dpi.
LOGFONTW DesignedFont(const FontDesign& font, int twips, UINT dpi);

inline void SetFontHeight(LOGFONTW& font, int twips, UINT dpi)
{
    font.lfHeight = -MulDiv(twips, static_cast<int>(dpi), 1440); // the em, as a point size gives it
}

// The user's message font (message boxes, dialogs) at dpi.
LOGFONTW MessageFont(UINT dpi);

// The first of the fonts whose face has every letter of text; the first font when none has.
LOGFONTW FirstWithLetters(const std::vector<LOGFONTW>& fonts, std::u16string_view text);

// The faces that have the letters of most languages and common symbols, for a text whose
// designed face lacks some (the marquee's squares in a Devanagari or Thai face): the system's
// own first, then the one Debian packages. Those the system has.
std::vector<LOGFONTW> WideCoverageFonts();

// Whether the face draws every letter of text itself, without borrowing from another face;
// access-key marks and invisible format characters aside.
bool HasAllLetters(const LOGFONTW& font, std::u16string_view text);

// The fonts the window uses, made once each and deleted together.
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache() { Clear(); }

    HFONT Get(const LOGFONTW& font);
    void Clear();
    // For a change of all fonts: the old ones go once the new ones are in place.
    void Swap(FontCache& other) noexcept { m_fonts.swap(other.m_fonts); }

private:
    struct Entry {
        LOGFONTW font;
        HFONT handle;
    };
    std::vector<Entry> m_fonts;
};

} // namespace norvil
