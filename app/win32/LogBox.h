#pragma once

// txtLog: a multi-line edit box that the log's lines are appended to.

#include "Face.h"

#include <windows.h>

#include <deque>
#include <string>

namespace norvil {

// Lines land at the very end, whatever the user has selected, each ended by CR LF.
//
// An edit box lays out what it is given at once: 16 MiB in one piece keeps the window from
// answering for seconds. So a large line waits here and goes into the box a slice at a time,
// on the lowest-priority message there is (a timer), between the user's keys and the painting;
// lines appended meanwhile queue up behind it.
class LogBox {
public:
    LogBox() = default;
    LogBox(const LogBox&) = delete;
    LogBox& operator=(const LogBox&) = delete;
    ~LogBox() { Detach(); }

    // Takes over the edit box's keys, its menu and its lines, those appended before included.
    // rightToLeft: the way the window, and so the box's menu, reads.
    void Attach(HWND edit, bool rightToLeft);
    void Detach();

    void Append(LogLine line);
    // The whole log, every line ended by CR LF, including what still waits for the box.
    std::u16string Text() const;
    // Whether lines still wait to go into the box.
    bool Filling() const { return !m_pending.empty(); }

private:
    static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Edit(UINT message, WPARAM wParam, LPARAM lParam) const;
    void FeedSlice();
    void InsertAtEnd(const std::wstring& text) const;

    HWND m_edit = nullptr;
    WNDPROC m_editProc = nullptr; // the edit box's own
    bool m_rightToLeft = false;
    std::deque<LogLine> m_pending;
    std::size_t m_taken = 0; // of the first pending line, the units already in the box
};

} // namespace norvil
