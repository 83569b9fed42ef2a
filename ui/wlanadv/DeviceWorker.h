#pragma once

#include "ui/wlanadv/IWindowLoop.h"

#include <functional>
#include <thread>

// Runs the device exchanges off the window thread. Run starts one exchange on a thread of its own and keeps
// the window thread's event loop going until it has ended, so that the window paints, its timers tick and
// the waiting dialog animates while the printer takes its time. Whatever the exchange does to windows (a
// question, a message, the grid rebuild, the validators) it hands to the window thread through Invoke and
// waits for it there. One exchange at a time: Run is refused while one runs.
class DeviceWorker {
public:
    explicit DeviceWorker(IWindowLoop& loop);

    // On the window thread: runs work on a worker thread and returns when it has ended; false (and work not
    // run) when an exchange is running already.
    bool Run(const std::function<void()>& work);
    // Whether an exchange is running (asked on the window thread).
    bool IsRunning() const { return m_bRunning; }

    // Runs call on the window thread and returns when it has ended: at once on the window thread itself,
    // otherwise through the window loop, the calling thread waiting.
    void Invoke(const std::function<void()>& call);
    bool OnWindowThread() const { return std::this_thread::get_id() == m_windowThread; }

private:
    IWindowLoop& m_loop;
    std::thread::id m_windowThread;
    bool m_bRunning = false;
};
