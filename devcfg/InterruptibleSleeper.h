#pragma once

#include "devcfg/IDeviceSleeper.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

// The delays of exchanges that someone may give up: Cancel (from any thread) ends the sleep under way and
// every later one at once, and from then on Cancelled holds, so that the exchange's reads stop. A deadline
// does the same when its time comes. Reset makes it an ordinary sleeper again, for the next exchange.
class InterruptibleSleeper : public IDeviceSleeper {
public:
    using Clock = std::chrono::steady_clock;

    // next: the sleeper that sleeps (tests' virtual time); without one this one waits itself. now: the clock
    // the deadline is read on.
    explicit InterruptibleSleeper(IDeviceSleeper* next = nullptr,
                                  std::function<Clock::time_point()> now = &Clock::now);

    void Sleep(std::chrono::milliseconds duration) override;
    bool Cancelled() const override;

    void Cancel();
    // From deadline on, the exchanges count as given up.
    void SetDeadline(Clock::time_point deadline);
    // No longer cancelled, no deadline.
    void Reset();

private:
    IDeviceSleeper* m_next;
    std::function<Clock::time_point()> m_now;
    mutable std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_bCancelled = false;
    std::optional<Clock::time_point> m_deadline;
};
