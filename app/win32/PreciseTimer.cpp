#include "PreciseTimer.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION // Windows 10 version 1803; newer than mingw-w64's headers here
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace norvil {
namespace {

constexpr int kBackstopSlackMs = 32;

} // namespace

PreciseTimer::~PreciseTimer()
{
    Stop();
    if (m_timer != nullptr)
        CloseHandle(m_timer);
}

void PreciseTimer::Start(HWND window, UINT_PTR backstopId, int intervalMs)
{
    Stop();
    if (m_timer == nullptr) {
        // Windows before 10 version 1803 does not know the high-resolution flag.
        m_timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
        if (m_timer == nullptr)
            m_timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    m_window = window;
    m_backstop = backstopId;
    m_interval = intervalMs;
    m_running = true;
    Arm();
}

void PreciseTimer::Arm()
{
    if (m_timer != nullptr) {
        LARGE_INTEGER due;
        due.QuadPart = -10000LL * m_interval; // relative, in 100 ns units
        SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE);
    }
    SetTimer(m_window, m_backstop, static_cast<UINT>(m_interval + (m_timer != nullptr ? kBackstopSlackMs : 0)), nullptr);
}

void PreciseTimer::Stop()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_timer != nullptr)
        CancelWaitableTimer(m_timer);
    KillTimer(m_window, m_backstop);
}

bool PreciseTimer::Elapsed()
{
    if (!m_running)
        return false;
    Arm();
    return true;
}

} // namespace norvil
