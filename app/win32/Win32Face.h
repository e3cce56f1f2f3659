#pragma once

// The window as Windows shows it: a dialog box of Windows' own controls, no toolkit between.

#include "AccessibleTexts.h"
#include "Face.h"
#include "FaceFonts.h"
#include "LogBox.h"
#include "PreciseTimer.h"

#include <windows.h>

#include <array>
#include <string>

namespace norvil {

class Win32Face final : public Face {
public:
    Win32Face() = default;
    Win32Face(const Win32Face&) = delete;
    Win32Face& operator=(const Win32Face&) = delete;
    ~Win32Face() override;

    void Create(const FormDesign& design, ::frmMain& form) override;
    void SetCaption(Ctl control, const std::u16string& text) override;
    void SetVisible(Ctl control, bool visible) override;
    void SetFontSize(Ctl control, int twips) override;
    void SetDefault(Ctl button) override;
    void SetCancel(Ctl button) override;
    void SetFocus(Ctl control) override;
    void SetDescription(Ctl control, const std::u16string& text) override;
    void SetHeight(int twips) override;
    void AppendToLog(LogLine line) override;
    void SetTimer(TimerId timer, bool enabled, int intervalMs) override;
    void BringToTop() override;
    void Unload() override;

    // The dialog window; none once unloaded.
    HWND Window() const { return m_window; }
    // A control's window; none until the window is first shown.
    HWND Handle(Ctl control) const;
    // cTimer1's: signalled when its tick is due (the message loop waits on it), and its tick.
    HANDLE StartTimer() const { return m_timer1.Handle(); }
    void StartTimerElapsed();
    static int IdOf(Ctl control) { return kFirstId + static_cast<int>(control); }
    // The whole log, every line ended by CR LF.
    std::u16string LogText() const { return m_log.Text(); }
    bool LogFilling() const { return m_log.Filling(); }

private:
    static constexpr int kFirstId = 100; // clear of IDOK and IDCANCEL, which stand for Enter and Escape
    static constexpr UINT_PTR kStartBackstop = 1; // cTimer1's SetTimer, for loops that do not wait on it
    static constexpr UINT_PTR kMarqueeTimer = 2;  // cTimer2's, SetTimer's

    static INT_PTR CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Form_Command(int id, HWND control);
    INT_PTR Form_CtlColorStatic(HDC dc, HWND control);
    INT_PTR Form_DpiChanged(UINT dpi, const RECT& suggested);
    INT_PTR Form_GetDpiScaledSize(UINT dpi, SIZE& size) const;
    void Form_Destroyed();

    void CreateControls();
    void Dress();
    void PlaceControls();
    void ApplyFonts();
    void ChooseFaces();
    LOGFONTW FontOf(const ControlDesign& control) const;
    SIZE ClientSize(UINT dpi) const;
    SIZE OuterSize(UINT dpi) const;
    void SizeWindow(const RECT* suggested);
    void Centre();
    void SetIconsForDpi();
    void Click(Ctl button);

    FormDesign m_design;
    ::frmMain* m_form = nullptr;
    HWND m_window = nullptr;
    HWND m_logHolder = nullptr; // txtLog's own parent: see CreateControls
    std::array<HWND, static_cast<std::size_t>(Ctl::None)> m_controls{};
    std::array<int, static_cast<std::size_t>(Ctl::None)> m_fontTwips{}; // SetFontSize's; 0: as designed
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    int m_heightTwips = 0;
    bool m_centred = false;
    // The controls are made when the window is first shown: a silent check that finds nothing
    // new never shows its window, and never loads the common controls, their fonts and what
    // screen readers are told (several MiB and tens of milliseconds under wine). Until then
    // their properties are kept here.
    bool m_dressed = false;
    std::array<std::u16string, static_cast<std::size_t>(Ctl::None)> m_captions;
    std::array<bool, static_cast<std::size_t>(Ctl::None)> m_visible{};
    std::array<std::u16string, static_cast<std::size_t>(Ctl::None)> m_descriptions;
    std::array<LOGFONTW, static_cast<std::size_t>(Ctl::None)> m_faces{}; // each control's face, any height
    Ctl m_default = Ctl::None;
    Ctl m_cancel = Ctl::None;
    FontCache m_fonts;
    LogBox m_log;
    PreciseTimer m_timer1;
    AccessibleTexts m_accessible;
};

} // namespace norvil
