#pragma once

#include <chrono>

// The fixed delays of the device exchanges (before every read, between steps). The program sleeps; tests
// run on a virtual clock, and a benchmark totals the delays of an exchange to know its floor.
class IDeviceSleeper {
public:
    virtual ~IDeviceSleeper() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    // Whether the exchange has been given up (the user cancelled it, or its time is over): its reads stop
    // and it ends as a failure.
    virtual bool Cancelled() const { return false; }
};

// Sleeps the calling thread.
class ThreadSleeper : public IDeviceSleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override;
    static ThreadSleeper& Instance();
};

// Passes every delay on to another sleeper and totals them.
class SleepTally : public IDeviceSleeper {
public:
    explicit SleepTally(IDeviceSleeper& next) : m_next(next) {}
    void Sleep(std::chrono::milliseconds duration) override {
        m_total += duration;
        ++m_count;
        m_next.Sleep(duration);
    }
    bool Cancelled() const override { return m_next.Cancelled(); }
    std::chrono::milliseconds Total() const { return m_total; }
    int Count() const { return m_count; }
    void Reset() {
        m_total = {};
        m_count = 0;
    }

private:
    IDeviceSleeper& m_next;
    std::chrono::milliseconds m_total{};
    int m_count = 0;
};
