#include "ui/wlanadv/DeviceWorker.h"

#include <atomic>
#include <future>
#include <memory>

DeviceWorker::DeviceWorker(IWindowLoop& loop) : m_loop(loop), m_windowThread(std::this_thread::get_id()) {}

bool DeviceWorker::Run(const std::function<void()>& work) {
    if (m_bRunning || !OnWindowThread())
        return false;
    m_bRunning = true;
    // The flag outlives both threads' use of it: the worker's last act is to post the task that sets it,
    // and the loop returns only after that task has run.
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread worker([this, &work, finished] {
        work();
        m_loop.Post([finished] { finished->store(true); });
    });
    m_loop.RunUntil([&finished] { return finished->load(); });
    worker.join();
    m_bRunning = false;
    return true;
}

void DeviceWorker::Invoke(const std::function<void()>& call) {
    if (OnWindowThread()) {
        call();
        return;
    }
    std::promise<void> ended;
    std::future<void> waited = ended.get_future();
    m_loop.Post([&call, &ended] {
        call();
        ended.set_value();
    });
    waited.wait();
}
