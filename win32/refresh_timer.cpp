#include "win32/refresh_timer.h"

#include "win32/user_separators.h"

namespace tarvola::win32 {

void RefreshTimer::start()
{
    m_running = SetTimer(m_window, kTimerId, static_cast<UINT>(kRefreshIntervalMs), nullptr) != 0;
}

void RefreshTimer::stop()
{
    if (m_running)
        KillTimer(m_window, kTimerId);
    m_running = false;
}

void RefreshTimer::timerFired(WPARAM timerId)
{
    if (timerId == kTimerId)
        tick();
}

void RefreshTimer::tick() noexcept
{
    try {
        RunRefreshTick(m_fields, UserSeparators());
    } catch (...) {
    }
}

} // namespace tarvola::win32
