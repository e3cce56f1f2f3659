#pragma once

// The real window of the Windows face, run by the real check, with a transfer and a browser
// that the test drives: messages go through the program's own dispatch (the dialog manager
// first), as in norvil.exe.

#include "CheckFakes.h"
#include "CoreTest.h"
#include "MessageLoop.h"
#include "Win32Face.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

inline std::u16string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
}

// One run of the window, started with these words, in this language (LANGUAGE's value).
class WindowRun {
public:
    explicit WindowRun(const std::u16string& words, const std::u16string& language = u"ja")
        : form(platform.Services(words, language), face, inet)
    {
        form.Load();
        Pump();
    }

    HWND operator[](norvil::Ctl control) const { return face.Handle(control); }

    // Handles the messages there are, then waits for more until done() or timeoutMs passes.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
    {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        for (DWORD wait = 0;;) {
            if (!norvil::HandleEvents(face, wait))
                Quit = true;
            if (done())
                return true;
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                return false;
            wait = static_cast<DWORD>(deadline - now);
        }
    }
    void Pump() { PumpUntil([] { return true; }); }

    // A key pressed in the control that has the focus, as the keyboard delivers it.
    void Key(WPARAM key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        Pump();
    }
    void AltKey(wchar_t letter)
    {
        PostMessageW(GetFocus(), WM_SYSCHAR, letter, 1 << 29);
        Pump();
    }

    FakePlatform platform;
    norvil::Win32Face face;
    FakeInet inet;
    frmMain form;
    bool Quit = false; // the window asked the program to end
};
