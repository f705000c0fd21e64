#pragma once

#include "app/refresh_cycle.h"

#include <windows.h>

namespace tarvola::win32 {

// Timer1: runs the refresh cycle on its fields every kRefreshIntervalMs on the window's thread,
// reading the user's separators afresh at each tick. The window hands it its WM_TIMER messages.
class RefreshTimer {
public:
    // A timer of `window`, not yet started; the fields must outlive it.
    RefreshTimer(HWND window, RefreshFields fields) : m_window(window), m_fields(fields) { }
    ~RefreshTimer() { stop(); }
    RefreshTimer(const RefreshTimer&) = delete;
    RefreshTimer& operator=(const RefreshTimer&) = delete;

    // Starts the ticks; a timer Windows refuses leaves it stopped.
    void start();
    // Stops the ticks; harmless when stopped, or when the window is gone.
    void stop();

    // Handles WM_TIMER: one refresh when the timer is this one (its wParam).
    void timerFired(WPARAM timerId);

    // One refresh now. Lets nothing escape: a tick that cannot even read the separators is skipped.
    void tick() noexcept;

private:
    static constexpr UINT_PTR kTimerId = 1;

    HWND m_window;
    RefreshFields m_fields;
    bool m_running = false;
};

} // namespace tarvola::win32
