#pragma once

#include "ui/wlanadv/IWindowLoop.h"

#include <QObject>
#include <QPointer>

// The window loop over Qt's event loop: posted tasks run as queued calls on the window thread, and RunUntil
// handles every event (painting, timers, input, the posted tasks) until done holds.
class QtWindowLoop : public IWindowLoop {
public:
    QtWindowLoop();
    ~QtWindowLoop() override;
    QtWindowLoop(const QtWindowLoop&) = delete;
    QtWindowLoop& operator=(const QtWindowLoop&) = delete;

    void Post(std::function<void()> task) override;
    void RunUntil(const std::function<bool()>& done) override;

private:
    QObject* m_context; // lives on the window thread; the posted tasks run in its name
};
