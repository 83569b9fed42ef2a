#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

// A pseudo-terminal: the port under test opens slavePath; the test plays the printer on the master side.
class PtyPair {
public:
    PtyPair() {
        char name[128] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            std::abort();
        m_slavePath = name;
        // The printer's side takes bytes as they come.
        termios t{};
        ::tcgetattr(m_master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_master, TCSANOW, &t);
    }
    ~PtyPair() {
        ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return m_slavePath; }
    int master() const { return m_master; }
    // The test's own slave descriptor, which keeps the pty alive between the port's opens.
    int slave() const { return m_slave; }

    void Send(const std::string& bytes) const {
        if (::write(m_master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            std::abort();
    }
    // What arrived at the master side within timeoutMs of silence.
    std::string Receive(int timeoutMs = 200) const {
        std::string got;
        char buffer[4096];
        while (true) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                break;
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }

    // The printer's side of one exchange, on a thread of its own: waits (up to 2 s) for a request that ends
    // with end, then answers with the pieces, pausing pauseMs between them. Join the thread before the pair
    // goes; the request it saw is in request.
    std::thread AnswerOnce(char end, std::vector<std::string> pieces, std::string& request,
                           int pauseMs = 5) const {
        return std::thread([this, end, pieces = std::move(pieces), &request, pauseMs] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (request.empty() || request.back() != end) {
                if (std::chrono::steady_clock::now() > deadline)
                    return;
                request += Receive(20);
            }
            for (const std::string& piece : pieces) {
                Send(piece);
                std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            }
        });
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};
