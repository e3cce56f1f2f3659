#include "FaceFonts.h"

#include "DpiCalls.h"

#include <algorithm>
#include <cstring>

namespace norvil {
namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const std::u16string& face)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::copy(face.begin(), face.end(), wanted.lfFaceName);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Characters that are never drawn: the isolates around a filled-in name, marks, joiners.
bool IsInvisible(char16_t c)
{
    return c < 0x20 || c == u'&' || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

} // namespace

LOGFONTW DesignedFont(const FontDesign& font, int twips, UINT dpi)
{
    LOGFONTW lf{};
    SetFontHeight(lf, twips, dpi);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = static_cast<BYTE>(font.Charset);
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = static_cast<BYTE>(font.FixedPitch ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS);
    for (const std::u16string& face : font.Faces) {
        if (IsInstalled(face)) {
            std::copy(face.begin(), face.end(), lf.lfFaceName);
            break;
        }
    }
    return lf;
}

LOGFONTW MessageFont(UINT dpi)
{
    LOGFONTW font{};
    if (!MessageFontForDpi(font, dpi))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

bool HasAllLetters(const LOGFONTW& font, std::u16string_view text)
{
    std::wstring letters;
    for (const char16_t c : text) {
        if (!IsInvisible(c))
            letters += static_cast<wchar_t>(c);
    }
    if (letters.empty())
        return true;
    std::vector<WORD> glyphs(letters.size());
    HDC screen = GetDC(nullptr);
    HFONT made = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(screen, made);
    const DWORD mapped = GetGlyphIndicesW(screen, letters.c_str(), static_cast<int>(letters.size()), glyphs.data(),
                                          GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, old);
    DeleteObject(made);
    ReleaseDC(nullptr, screen);
    if (mapped == GDI_ERROR)
        return false;
    for (const WORD glyph : glyphs) {
        if (glyph == 0xFFFF)
            return false;
    }
    return true;
}

LOGFONTW FirstWithLetters(const std::vector<LOGFONTW>& fonts, std::u16string_view text)
{
    for (const LOGFONTW& font : fonts) {
        if (HasAllLetters(font, text))
            return font;
    }
    return fonts.front();
}

std::vector<LOGFONTW> WideCoverageFonts()
{
    std::vector<LOGFONTW> fonts;
    for (const std::u16string face : {u"Segoe UI", u"Segoe UI Symbol", u"DejaVu Sans"}) {
        if (IsInstalled(face)) {
            LOGFONTW font{};
            font.lfWeight = FW_NORMAL;
            font.lfCharSet = DEFAULT_CHARSET;
            font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
            std::copy(face.begin(), face.end(), font.lfFaceName);
            fonts.push_back(font);
        }
    }
    return fonts;
}

HFONT FontCache::Get(const LOGFONTW& font)
{
    for (const Entry& entry : m_fonts) {
        if (std::memcmp(&entry.font, &font, sizeof font) == 0)
            return entry.handle;
    }
    HFONT handle = CreateFontIndirectW(&font);
    m_fonts.push_back({font, handle});
    return handle;
}

void FontCache::Clear()
{
    for (const Entry& entry : m_fonts)
        DeleteObject(entry.handle);
    m_fonts.clear();
}

} // namespace norvil
