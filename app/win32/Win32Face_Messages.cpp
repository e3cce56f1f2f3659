// The window's messages: the user's clicks and keys, the timers, a change of DPI.

#include "Win32Face.h"

#include "Placement.h"
#include "frmMain.h"

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4 // Windows 10 1703 on; the headers show it to programs for 10 only
#endif

namespace norvil {
INT_PTR CALLBACK Win32Face::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE; // the focus is the check's to give
    }
    auto* face = reinterpret_cast<Win32Face*>(GetWindowLongPtrW(window, DWLP_USER));
    if (face == nullptr)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return face->Form_Command(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE: // the close box, Alt+F4
        face->m_form->Unload();
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return face->Form_CtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        if (wParam == kMarqueeTimer)
            face->m_form->cTimer2_Timer();
        else if (wParam == kStartBackstop)
            face->StartTimerElapsed();
        return TRUE;
    case WM_GETDPISCALEDSIZE: {
        const INT_PTR given = face->Form_GetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
        SetWindowLongPtrW(window, DWLP_MSGRESULT, given);
        return TRUE;
    }
    case WM_DPICHANGED:
        return face->Form_DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_NCDESTROY:
        face->Form_Destroyed();
        SetWindowLongPtrW(window, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR Win32Face::Form_Command(int id, HWND /*control*/)
{
    // The dialog manager sends IDOK for Enter when no button is the default, IDCANCEL for
    // Escape: the check's default and cancel buttons answer them, or nothing does.
    if (id == IDOK)
        Click(m_default);
    else if (id == IDCANCEL)
        Click(m_cancel);
    else if (id == IdOf(Ctl::cmdOK))
        Click(Ctl::cmdOK);
    else if (id == IdOf(Ctl::cmdClose))
        Click(Ctl::cmdClose);
    else
        return FALSE;
    return TRUE;
}

void Win32Face::Click(Ctl button)
{
    // Only a button the user can see: Enter and Escape reach the window whichever page it shows.
    HWND handle = Handle(button);
    if (handle == nullptr || !IsWindowVisible(handle) || !IsWindowEnabled(handle))
        return;
    if (button == Ctl::cmdOK)
        m_form->cmdOK_Click();
    else if (button == Ctl::cmdClose)
        m_form->cmdClose_Click();
}

INT_PTR Win32Face::Form_CtlColorStatic(HDC dc, HWND control)
{
    if (control != Handle(Ctl::lblProg))
        return FALSE;
    const std::uint32_t rgb = m_design.ProgressColor;
    SetTextColor(dc, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR Win32Face::Form_GetDpiScaledSize(UINT dpi, SIZE& size) const
{
    // The client area keeps its twips at the new DPI, exactly; Windows would scale the frame too.
    size = OuterSize(dpi);
    return TRUE;
}

INT_PTR Win32Face::Form_DpiChanged(UINT dpi, const RECT& suggested)
{
    m_dpi = dpi;
    FontCache old;
    old.Swap(m_fonts); // deleted once the controls have their new fonts
    if (m_dressed)
        ApplyFonts();
    PlaceControls();
    SizeWindow(&suggested);
    SetIconsForDpi();
    return TRUE;
}

void Win32Face::Form_Destroyed()
{
    m_log.Detach();
    m_window = nullptr;
    m_logHolder = nullptr;
    m_controls.fill(nullptr);
}

} // namespace norvil
