#include "MessageLoop.h"

namespace norvil {

bool HandleEvents(Win32Face& face, DWORD timeoutMs)
{
    HANDLE timer = face.StartTimer();
    const DWORD woken = MsgWaitForMultipleObjectsEx(timer != nullptr ? 1 : 0, &timer, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (timer != nullptr && woken == WAIT_OBJECT_0)
        face.StartTimerElapsed();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        HWND dialog = face.Window();
        if (dialog != nullptr && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

int RunMessageLoop(Win32Face& face)
{
    while (HandleEvents(face, INFINITE)) {
    }
    return 0;
}

} // namespace norvil
