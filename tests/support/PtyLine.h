#pragma once

#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

// The tool's end of a simulated printer's line, opened the way a serial port is (raw, no controlling
// terminal), for tests that write requests and read replies themselves.
class PtyLine {
public:
    using Bytes = std::vector<std::uint8_t>;
    using Clock = std::chrono::steady_clock;

    explicit PtyLine(const std::string& path) {
        m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            return;
        termios raw{};
        ::tcgetattr(m_fd, &raw);
        ::cfmakeraw(&raw);
        raw.c_cflag |= CLOCAL | CREAD;
        ::tcsetattr(m_fd, TCSANOW, &raw);
    }
    ~PtyLine() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    bool IsOpen() const { return m_fd >= 0; }

    bool Write(const Bytes& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            pollfd p{m_fd, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                return false;
            const ssize_t put = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            if (put <= 0)
                return false;
            done += static_cast<std::size_t>(put);
        }
        return true;
    }

    // Reads until the last byte received is 0x03 and at least minLength bytes are in, or timeoutMs pass.
    // reads counts the reads that returned bytes.
    Bytes ReadReply(int timeoutMs = 2000, std::size_t minLength = 1, int* reads = nullptr) {
        Bytes got;
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < until) {
            if (!got.empty() && got.back() == 0x03 && got.size() >= minLength)
                break;
            ReadSome(got, until, reads);
        }
        return got;
    }
    // Everything that arrives within ms.
    Bytes ReadFor(int ms, int* reads = nullptr) {
        Bytes got;
        const auto until = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < until)
            ReadSome(got, until, reads);
        return got;
    }
    // Exactly count bytes, or what came within timeoutMs.
    Bytes ReadCount(std::size_t count, int timeoutMs = 2000) {
        Bytes got;
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (got.size() < count && Clock::now() < until)
            ReadSome(got, until, nullptr);
        return got;
    }

    Bytes Exchange(const Bytes& request, int timeoutMs = 2000, std::size_t minLength = 1) {
        if (!Write(request))
            return {};
        return ReadReply(timeoutMs, minLength);
    }

private:
    void ReadSome(Bytes& got, Clock::time_point until, int* reads) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left > 0 ? left : 0)) <= 0)
            return;
        std::uint8_t buffer[8192];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            got.insert(got.end(), buffer, buffer + n);
            if (reads)
                ++*reads;
        }
    }

    int m_fd = -1;
};
