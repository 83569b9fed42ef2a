#pragma once

#include <functional>

// The window thread's event loop as the device worker sees it. Under Qt it is the application's event loop
// (painting, timers and input go on while it runs); tests and the command line use BlockingWindowLoop.
class IWindowLoop {
public:
    virtual ~IWindowLoop() = default;
    // From any thread: runs task on the window thread, from its event loop, in the order posted.
    virtual void Post(std::function<void()> task) = 0;
    // On the window thread: handles events, the posted tasks among them, until done() holds. done is
    // looked at after every batch of events.
    virtual void RunUntil(const std::function<bool()>& done) = 0;
};
