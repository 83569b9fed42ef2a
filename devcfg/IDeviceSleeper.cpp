#include "devcfg/IDeviceSleeper.h"

#include <thread>

void ThreadSleeper::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

ThreadSleeper& ThreadSleeper::Instance() {
    static ThreadSleeper sleeper;
    return sleeper;
}
