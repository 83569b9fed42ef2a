#include "ui/wlanadv/BlockingWindowLoop.h"

void BlockingWindowLoop::Post(std::function<void()> task) {
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_posted.notify_all();
}

void BlockingWindowLoop::RunUntil(const std::function<bool()>& done) {
    while (!done()) {
        std::function<void()> task;
        {
            std::unique_lock lock(m_mutex);
            m_posted.wait(lock, [this] { return !m_tasks.empty(); });
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}
