#include "LogBox.h"

#include "LogBoxMenu.h"

namespace norvil {
namespace {

constexpr UINT_PTR kFeedTimer = 0x4C6F; // apart from the ids the edit box uses itself
// Small lines go straight in; a larger one waits, and goes in slices of this many units.
constexpr std::size_t kDirectUnits = 64 * 1024;
constexpr std::size_t kSliceUnits = 256 * 1024;

// Appends text with each CR LF, lone CR and lone LF as CR LF: the edit box breaks lines at
// CR LF alone.
void AppendWithCrLf(std::wstring& out, std::u16string_view text)
{
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(text.begin() + static_cast<std::ptrdiff_t>(run), text.begin() + static_cast<std::ptrdiff_t>(i));
        out += L"\r\n";
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        run = i + 1;
    }
    out.append(text.begin() + static_cast<std::ptrdiff_t>(run), text.end());
}

// Where a slice of text that starts at from ends: after the last line break within the
// budget, or at the budget, never between CR and LF nor inside a surrogate pair.
std::size_t SliceEnd(std::u16string_view text, std::size_t from, std::size_t budget)
{
    if (text.size() - from <= budget)
        return text.size();
    std::size_t end = from + budget;
    for (std::size_t at = end; at > from + budget / 2; --at) {
        if (text[at - 1] == u'\n' || (text[at - 1] == u'\r' && text[at] != u'\n'))
            return at;
    }
    if (text[end - 1] == u'\r' || (text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF))
        ++end;
    return end;
}

} // namespace

void LogBox::Attach(HWND edit, bool rightToLeft)
{
    m_edit = edit;
    m_rightToLeft = rightToLeft;
    SendMessageW(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    // Subclassed the classic way: the common controls' helpers would load them at start.
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    // What came before: at once when it is small, as any line would be, else by slices.
    std::size_t waiting = 0;
    for (const LogLine& line : m_pending)
        waiting += line->size();
    if (waiting <= kDirectUnits) {
        while (!m_pending.empty())
            FeedSlice();
    } else if (!m_pending.empty()) {
        SetTimer(m_edit, kFeedTimer, USER_TIMER_MINIMUM, nullptr);
    }
}

void LogBox::Detach()
{
    if (m_edit == nullptr)
        return;
    KillTimer(m_edit, kFeedTimer);
    SetWindowLongPtrW(m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_editProc));
    SetWindowLongPtrW(m_edit, GWLP_USERDATA, 0);
    m_edit = nullptr;
    m_pending.clear();
}

void LogBox::Append(LogLine line)
{
    if (m_edit == nullptr) { // the box is made when the window is first shown
        m_pending.push_back(std::move(line));
        return;
    }
    if (m_pending.empty() && line->size() <= kDirectUnits) {
        std::wstring text;
        AppendWithCrLf(text, *line);
        text += L"\r\n";
        InsertAtEnd(text);
        return;
    }
    if (m_pending.empty())
        SetTimer(m_edit, kFeedTimer, USER_TIMER_MINIMUM, nullptr);
    m_pending.push_back(std::move(line));
}

std::u16string LogBox::Text() const
{
    std::u16string text;
    if (m_edit != nullptr) {
        std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(m_edit)) + 1, L'\0');
        shown.resize(static_cast<std::size_t>(GetWindowTextW(m_edit, shown.data(), static_cast<int>(shown.size()))));
        text.assign(shown.begin(), shown.end());
    }
    std::wstring waiting;
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
        AppendWithCrLf(waiting, std::u16string_view(*m_pending[i]).substr(i == 0 ? m_taken : 0));
        waiting += L"\r\n";
    }
    text.append(waiting.begin(), waiting.end());
    return text;
}

void LogBox::FeedSlice()
{
    if (m_pending.empty())
        return;
    std::wstring slice;
    while (!m_pending.empty() && slice.size() < kSliceUnits) {
        const std::u16string_view line = *m_pending.front();
        const std::size_t end = SliceEnd(line, m_taken, kSliceUnits - slice.size());
        AppendWithCrLf(slice, line.substr(m_taken, end - m_taken));
        if (end < line.size()) {
            m_taken = end;
            break;
        }
        slice += L"\r\n";
        m_pending.pop_front();
        m_taken = 0;
    }
    InsertAtEnd(slice);
    if (m_pending.empty())
        KillTimer(m_edit, kFeedTimer);
}

void LogBox::InsertAtEnd(const std::wstring& text) const
{
    const LRESULT end = GetWindowTextLengthW(m_edit);
    SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(m_edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT LogBox::Edit(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(m_editProc, m_edit, message, wParam, lParam);
}

LRESULT CALLBACK LogBox::Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    LogBox& box = *reinterpret_cast<LogBox*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    switch (message) {
    case WM_GETDLGCODE:
        // Enter, Escape and Tab belong to the dialog: Enter presses the default button, Tab
        // moves on. Coming in by Tab leaves the caret where the lines left it, at the end.
        return box.Edit(message, wParam, lParam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    case WM_CHAR:
        if (wParam == L'\r' || wParam == L'\n') // no line breaks typed into the log
            return 0;
        break;
    case WM_TIMER:
        if (wParam == kFeedTimer) {
            box.FeedSlice();
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        ShowLogBoxMenu(edit, lParam, box.m_rightToLeft);
        return 0;
    case WM_NCDESTROY: {
        const WNDPROC own = box.m_editProc;
        box.Detach();
        return CallWindowProcW(own, edit, message, wParam, lParam);
    }
    default:
        break;
    }
    return box.Edit(message, wParam, lParam);
}

} // namespace norvil
