#include "devcfg/InterruptibleSleeper.h"

InterruptibleSleeper::InterruptibleSleeper(IDeviceSleeper* next, std::function<Clock::time_point()> now)
    : m_next(next), m_now(std::move(now)) {}

void InterruptibleSleeper::Sleep(std::chrono::milliseconds duration) {
    if (Cancelled())
        return;
    if (m_next) {
        m_next->Sleep(duration);
        return;
    }
    std::unique_lock lock(m_mutex);
    // The wait ends early at the deadline (on the steady clock; a test's clock drives its own sleeper).
    auto until = Clock::now() + duration;
    if (m_deadline && *m_deadline < until)
        until = *m_deadline;
    m_woken.wait_until(lock, until, [this] { return m_bCancelled; });
}

bool InterruptibleSleeper::Cancelled() const {
    std::optional<Clock::time_point> deadline;
    {
        std::lock_guard lock(m_mutex);
        if (m_bCancelled)
            return true;
        deadline = m_deadline;
    }
    return deadline && m_now() >= *deadline;
}

void InterruptibleSleeper::Cancel() {
    {
        std::lock_guard lock(m_mutex);
        m_bCancelled = true;
    }
    m_woken.notify_all();
}

void InterruptibleSleeper::SetDeadline(Clock::time_point deadline) {
    {
        std::lock_guard lock(m_mutex);
        m_deadline = deadline;
    }
    m_woken.notify_all();
}

void InterruptibleSleeper::Reset() {
    std::lock_guard lock(m_mutex);
    m_bCancelled = false;
    m_deadline.reset();
}
