#pragma once

#include <chrono>

// The page's one-second timers, by identifier, and the clock they tick by. The view starts a real timer
// that calls the page's OnTimer with the identifier; tests tick by hand and keep their own time.
class IPageTimer {
public:
    virtual ~IPageTimer() = default;
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // The time now, for waits bounded in wall time; any thread may ask.
    virtual std::chrono::steady_clock::time_point Now() const { return std::chrono::steady_clock::now(); }
};
