#pragma once

#include <chrono>
#include <cstdint>

// What the serial and the USB port share: the arithmetic of their bounded waits. No data, nothing virtual.
class CPortUtility {
public:
    // A total time-out as the serial line's settings form it: per byte times the count, plus the constant,
    // capped so that it never overflows.
    static std::uint32_t TotalTimeoutMs(std::uint32_t perByteMs, std::uint32_t constantMs,
                                        std::uint32_t bytes) {
        const std::uint64_t total = std::uint64_t{perByteMs} * bytes + constantMs;
        return total > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(total);
    }

    // Milliseconds on a clock that never jumps.
    static std::int64_t NowMs() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // What is left of a wait that ends at deadlineMs, for poll (never negative).
    static int RemainingMs(std::int64_t deadlineMs) {
        const std::int64_t left = deadlineMs - NowMs();
        return left <= 0 ? 0 : left > INT32_MAX ? INT32_MAX : static_cast<int>(left);
    }
};
