#pragma once

// A timer whose ticks come to the millisecond.

#include <windows.h>

namespace norvil {

// SetTimer's ticks come on the system's clock tick, up to 15.6 ms late. This one is a
// high-resolution waitable timer that the program's message loop waits on together with its
// messages (HandleEvents), with no thread of its own. A loop that does not wait on it, a menu's
// or a window move's, gets the tick from a SetTimer backstop a little later.
class PreciseTimer {
public:
    PreciseTimer() = default;
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;
    ~PreciseTimer();

    // backstopId: the SetTimer id on window that stands in for a loop that does not wait.
    void Start(HWND window, UINT_PTR backstopId, int intervalMs);
    void Stop();
    // Signalled when a tick is due; none before the first Start.
    HANDLE Handle() const { return m_timer; }
    // Either has come: true when it is a tick of a running timer, which is then armed again.
    bool Elapsed();

private:
    void Arm();

    HANDLE m_timer = nullptr;
    HWND m_window = nullptr;
    UINT_PTR m_backstop = 0;
    int m_interval = 0;
    bool m_running = false;
};

} // namespace norvil
