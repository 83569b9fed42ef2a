#pragma once

// The page's one-second timers, by identifier. The view starts a real timer that calls the page's OnTimer
// with the identifier; tests tick by hand.
class IPageTimer {
public:
    virtual ~IPageTimer() = default;
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
};
