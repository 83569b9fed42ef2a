#pragma once

#include "ui/wlanadv/IWindowLoop.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// A window loop without a toolkit: RunUntil sleeps until a task is posted, runs it, and looks at done again.
class BlockingWindowLoop : public IWindowLoop {
public:
    void Post(std::function<void()> task) override;
    void RunUntil(const std::function<bool()>& done) override;

private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_tasks;
};
