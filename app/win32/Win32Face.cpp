// The window and its controls as created, and what the check sets on them.

#include "Win32Face.h"

#include "DpiCalls.h"
#include "Holder.h"
#include "Placement.h"
#include "SystemLibrary.h"
#include "frmMain.h"

#include <commctrl.h>

#include <algorithm>

namespace norvil {
namespace {

std::wstring Wide(const std::u16string& text)
{
    return std::wstring(text.begin(), text.end());
}

// A mirrored control counts left and right from its trailing edge, and reads right to left
// unless told otherwise: the design's visual alignment and reading order are turned to
// match.
DWORD AlignmentStyle(Align align, bool mirrored)
{
    switch (align) {
    case Align::Center:
        return SS_CENTER;
    case Align::Right:
        return mirrored ? SS_LEFT : SS_RIGHT;
    case Align::Left:
        break;
    }
    return mirrored ? SS_RIGHT : SS_LEFT;
}

DWORD DirectionExStyle(const ControlDesign& control, bool mirrored)
{
    return (mirrored ? WS_EX_LAYOUTRTL : 0) | (control.RightToLeft != mirrored ? WS_EX_RTLREADING : 0);
}

} // namespace

Win32Face::~Win32Face()
{
    if (m_window != nullptr) {
        m_accessible.Clear();
        DestroyWindow(m_window);
    }
}

HWND Win32Face::Handle(Ctl control) const
{
    if (control == Ctl::frmMain)
        return m_window;
    if (control == Ctl::None)
        return nullptr;
    return m_controls[static_cast<std::size_t>(control)];
}

void Win32Face::Create(const FormDesign& design, ::frmMain& form)
{
    m_design = design;
    m_form = &form;
    for (const ControlDesign& control : design.Controls) {
        m_captions[static_cast<std::size_t>(control.Id)] = control.Caption;
        m_visible[static_cast<std::size_t>(control.Id)] = true;
    }

    // A dialog box (#32770) from an empty template: screen readers meet a dialog named by its
    // title, and the dialog manager gives Tab, access keys, Enter and Escape their usual ways.
    struct alignas(4) EmptyTemplate {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } empty{};
    empty.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    // The log box alone keeps left to right, so each control is told its direction itself.
    empty.head.dwExtendedStyle = design.RightToLeft ? WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT : 0;
    m_window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.head, nullptr, FormProc, reinterpret_cast<LPARAM>(this));
    if (m_window == nullptr)
        return;
    // Windows 10 version 1803 and later would rescale a template's dialog by themselves when
    // the DPI changes; this window places its controls itself (Form_DpiChanged).
    using DialogDpiBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    if (auto behave = User32Function<DialogDpiBehavior>("SetDialogDpiChangeBehavior"))
        behave(m_window, DDC_DISABLE_ALL, DDC_DISABLE_ALL);

    m_dpi = WindowDpi(m_window);
    SetWindowTextW(m_window, Wide(design.Caption).c_str());
    SetIconsForDpi();
}

void Win32Face::Dress()
{
    if (m_dressed || m_window == nullptr)
        return;
    m_dressed = true;
    // The common controls of version 6 (visual styles, the manifest names them), loaded now.
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = FunctionOf<Init>(LoadSystemLibrary(L"comctl32.dll"), "InitCommonControlsEx")) {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        init(&controls);
    }
    CreateControls();
    ChooseFaces();
    ApplyFonts();
    PlaceControls();
    SetDefault(m_default);
    // The log is named after its header, which is no longer its neighbour.
    m_accessible.SetName(Handle(Ctl::txtLog), DesignOf(m_design, Ctl::Label1).Caption);
    for (std::size_t i = 0; i < m_descriptions.size(); ++i) {
        if (!m_descriptions[i].empty())
            m_accessible.SetDescription(m_controls[i], m_descriptions[i]);
    }
}

void Win32Face::CreateControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const bool mirrored = m_design.RightToLeft;
    for (const ControlDesign& control : m_design.Controls) {
        HWND parent = control.Container == Ctl::frmMain ? m_window : Handle(control.Container);
        auto* id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(control.Id)));
        const std::wstring caption = Wide(m_captions[static_cast<std::size_t>(control.Id)]);
        HWND made = nullptr;
        switch (control.Kind) {
        case ControlKind::Frame:
            made = CreateHolder(parent, IdOf(control.Id), mirrored ? WS_EX_LAYOUTRTL : 0, true);
            break;
        case ControlKind::Label:
            // Names and versions come from outside: an "&" in them is a letter, not an access key.
            made = CreateWindowExW(DirectionExStyle(control, mirrored), L"STATIC", caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTERIMAGE | AlignmentStyle(control.Alignment, mirrored),
                                   0, 0, 0, 0, parent, id, instance, nullptr);
            break;
        case ControlKind::CommandButton:
            made = CreateWindowExW(DirectionExStyle(control, mirrored), L"BUTTON", caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, parent, id, instance, nullptr);
            break;
        case ControlKind::TextBox:
            // Left to right in every window: its lines are addresses and fixed English words.
            // It sits in a left-to-right holder of its own: a scrolling child that is not
            // mirrored, straight in a mirrored window, loses its scroll bars and shifts its
            // text under wine.
            m_logHolder = CreateHolder(parent, kFirstId - 1, 0, false);
            made = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL
                                       | ES_AUTOVSCROLL | ES_LEFT,
                                   0, 0, 0, 0, m_logHolder, id, instance, nullptr);
            m_log.Attach(made, m_design.RightToLeft);
            break;
        }
        m_controls[static_cast<std::size_t>(control.Id)] = made;
        if (!m_visible[static_cast<std::size_t>(control.Id)])
            ShowWindow(made, SW_HIDE);
    }
}

void Win32Face::ChooseFaces()
{
    const LOGFONTW page = DesignedFont(m_design.F1, m_design.F1.Height, m_dpi);
    const LOGFONTW log = DesignedFont(m_design.F2, m_design.F2.Height, m_dpi);
    const LOGFONTW message = MessageFont(m_dpi);
    const std::vector<LOGFONTW> wide = WideCoverageFonts();
    for (const ControlDesign& control : m_design.Controls) {
        // The designed face, unless it lacks letters of the control's text. The buttons and
        // the log's header speak the user's message font; one that lacks the letters (a
        // Western Windows showing Japanese or Chinese) gives way to the pages' face, which has
        // them and draws Chinese characters in the language's own forms.
        std::vector<LOGFONTW> faces = wide;
        if (control.Font == FontRole::F1)
            faces.insert(faces.begin(), {page, message});
        else if (control.Font == FontRole::F2)
            faces.insert(faces.begin(), log);
        else
            faces.insert(faces.begin(), {message, page});
        m_faces[static_cast<std::size_t>(control.Id)] = FirstWithLetters(faces, m_captions[static_cast<std::size_t>(control.Id)]);
    }
}

LOGFONTW Win32Face::FontOf(const ControlDesign& control) const
{
    LOGFONTW font = m_faces[static_cast<std::size_t>(control.Id)];
    const int twips = m_fontTwips[static_cast<std::size_t>(control.Id)];
    if (twips != 0)
        SetFontHeight(font, twips, m_dpi);
    else if (control.Font == FontRole::F1)
        SetFontHeight(font, m_design.F1.Height, m_dpi);
    else if (control.Font == FontRole::F2)
        SetFontHeight(font, m_design.F2.Height, m_dpi);
    else
        font.lfHeight = MessageFont(m_dpi).lfHeight;
    return font;
}

void Win32Face::ApplyFonts()
{
    for (const ControlDesign& control : m_design.Controls) {
        if (control.Kind != ControlKind::Frame)
            SendMessageW(Handle(control.Id), WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.Get(FontOf(control))), TRUE);
    }
}

void Win32Face::PlaceControls()
{
    for (const ControlDesign& control : m_design.Controls) {
        RECT place = PlaceInContainer(m_design, control, m_dpi);
        HWND handle = Handle(control.Id);
        if (control.Id == Ctl::Label1 && m_dressed) {
            // The log's header, alone on its line, grows to its words where a language needs more.
            HDC dc = GetDC(handle);
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)));
            RECT text{};
            const std::wstring caption = Wide(m_captions[static_cast<std::size_t>(control.Id)]);
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, old);
            ReleaseDC(handle, dc);
            place.right = std::max(place.right, place.left + text.right);
        }
        if (control.Id == Ctl::txtLog) {
            SetWindowPos(handle, nullptr, 0, 0, place.right - place.left, place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
            handle = m_logHolder;
        }
        SetWindowPos(handle, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

SIZE Win32Face::ClientSize(UINT dpi) const
{
    return {TwipsToPixels(m_design.ClientWidth, dpi), TwipsToPixels(std::max(m_heightTwips - kFrameHeight, 0), dpi)};
}

SIZE Win32Face::OuterSize(UINT dpi) const
{
    const SIZE client = ClientSize(dpi);
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectForDpi(outer, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)),
                           static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)), dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Face::SizeWindow(const RECT* suggested)
{
    const SIZE outer = OuterSize(m_dpi);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested == nullptr ? SWP_NOMOVE : 0);
    SetWindowPos(m_window, nullptr, suggested ? suggested->left : 0, suggested ? suggested->top : 0, outer.cx, outer.cy, flags);
    // A frame other than the one computed (wine keeps the system DPI's) is made up for.
    const SIZE wanted = ClientSize(m_dpi);
    RECT client;
    GetClientRect(m_window, &client);
    if (client.right != wanted.cx || client.bottom != wanted.cy)
        SetWindowPos(m_window, nullptr, 0, 0, outer.cx + wanted.cx - client.right, outer.cy + wanted.cy - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Face::Centre()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer;
    GetWindowRect(m_window, &outer);
    const RECT& work = monitor.rcWork;
    const int x = work.left + ((work.right - work.left) - (outer.right - outer.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (outer.bottom - outer.top)) / 2;
    SetWindowPos(m_window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Face::SetIconsForDpi()
{
    // The title bar's and the task switcher's, each drawn at its own size from the resource.
    for (const int size : {ICON_SMALL, ICON_BIG}) {
        const int pixels = SystemMetricForDpi(size == ICON_SMALL ? SM_CXSMICON : SM_CXICON, m_dpi);
        auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
        if (auto old = reinterpret_cast<HICON>(SendMessageW(m_window, WM_SETICON, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(icon))))
            DestroyIcon(old);
    }
}

void Win32Face::SetCaption(Ctl control, const std::u16string& text)
{
    if (control != Ctl::frmMain && control != Ctl::None)
        m_captions[static_cast<std::size_t>(control)] = text;
    if (HWND handle = Handle(control))
        SetWindowTextW(handle, Wide(text).c_str());
}

void Win32Face::SetVisible(Ctl control, bool visible)
{
    if (control != Ctl::frmMain && control != Ctl::None)
        m_visible[static_cast<std::size_t>(control)] = visible;
    HWND handle = Handle(control);
    if (handle == nullptr)
        return;
    if (control == Ctl::frmMain && visible && !m_centred) {
        m_centred = true;
        Dress();
        Centre();
    }
    ShowWindow(handle, visible ? SW_SHOW : SW_HIDE);
}

void Win32Face::SetFontSize(Ctl control, int twips)
{
    HWND handle = Handle(control);
    if (handle == nullptr || control == Ctl::frmMain)
        return;
    m_fontTwips[static_cast<std::size_t>(control)] = twips;
    if (m_dressed)
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.Get(FontOf(DesignOf(m_design, control)))), TRUE);
}

void Win32Face::SetDefault(Ctl button)
{
    m_default = button;
    if (!m_dressed)
        return;
    // The dialog manager's own record first (it clears the look of the one it knew), then the
    // look: it finds only its direct children by id, and the buttons sit on a page.
    SendMessageW(m_window, DM_SETDEFID, button == Ctl::None ? 0 : static_cast<WPARAM>(IdOf(button)), 0);
    for (const Ctl each : {Ctl::cmdOK, Ctl::cmdClose})
        SendMessageW(Handle(each), BM_SETSTYLE, each == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Win32Face::SetCancel(Ctl button)
{
    m_cancel = button;
}

void Win32Face::SetFocus(Ctl control)
{
    HWND handle = Handle(control);
    // A hidden window takes no focus: it would be activated by it.
    if (handle == nullptr || !IsWindowVisible(m_window))
        return;
    // Through the dialog manager, so that a button taking the focus shows itself the default.
    SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(handle), TRUE);
}

void Win32Face::SetDescription(Ctl control, const std::u16string& text)
{
    HWND handle = Handle(control);
    if (handle == nullptr || control == Ctl::frmMain)
        return;
    m_descriptions[static_cast<std::size_t>(control)] = text;
    if (m_dressed)
        m_accessible.SetDescription(handle, text);
}

void Win32Face::SetHeight(int twips)
{
    m_heightTwips = twips;
    if (m_window != nullptr)
        SizeWindow(nullptr);
}

void Win32Face::AppendToLog(LogLine line)
{
    m_log.Append(std::move(line));
}

void Win32Face::SetTimer(TimerId timer, bool enabled, int intervalMs)
{
    if (m_window == nullptr)
        return;
    if (timer == TimerId::cTimer1) {
        if (enabled)
            m_timer1.Start(m_window, kStartBackstop, intervalMs);
        else
            m_timer1.Stop();
    } else if (enabled) {
        ::SetTimer(m_window, kMarqueeTimer, static_cast<UINT>(intervalMs), nullptr);
    } else {
        KillTimer(m_window, kMarqueeTimer);
    }
}

void Win32Face::StartTimerElapsed()
{
    if (m_timer1.Elapsed())
        m_form->cTimer1_Timer();
}

void Win32Face::BringToTop()
{
    if (m_window != nullptr)
        SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Face::Unload()
{
    if (m_window == nullptr)
        return;
    m_timer1.Stop();
    m_accessible.Clear();
    DestroyWindow(m_window);
    PostQuitMessage(0);
}

} // namespace norvil
