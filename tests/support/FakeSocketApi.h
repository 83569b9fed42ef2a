#pragma once

#include "netsearch/ISocketApi.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <sys/time.h>
#include <utility>
#include <vector>

// A scripted network for the UDP endpoint, on a virtual clock: Sleep and waiting receives advance the
// clock instead of taking time. Datagrams are scheduled to arrive at a virtual time; a responder may
// schedule answers to every datagram sent. A socket buffer of limited capacity drops what does not fit,
// as the system's does.
class FakeSocketApi : public ISocketApi {
public:
    struct Datagram {
        std::vector<std::uint8_t> bytes;
        sockaddr_in from{};
        long atMs = 0;
        Arrival arrival; // unknown unless scripted
    };
    struct Sent {
        std::vector<std::uint8_t> bytes;
        sockaddr_in to{};
        long atMs = 0;
        bool routed = false; // sent with a route
        Route route;
    };
    struct Event {
        std::string what; // "open 3", "close 3", "bind 3", "sleep 100", ...
        long atMs = 0;
    };

    long nowMs = 0;
    size_t bufferCapacity = 100000; // datagrams the socket holds before it drops
    size_t dropped = 0;
    std::vector<Sent> sent;
    std::vector<Event> events;
    std::function<void(FakeSocketApi&, const Sent&)> responder;

    // Failures to script.
    bool failOpen = false;
    int failOptionName = -1; // SOL_SOCKET option whose setting fails
    bool failBind = false;
    bool failSend = false;
    bool failRoutedSend = false; // a send with a route is refused (EINVAL), one without is not

    // What the endpoint did.
    std::map<int, std::vector<std::uint8_t>> options;   // last value per SOL_SOCKET option
    std::map<int, std::vector<std::uint8_t>> ipOptions; // last value per IPPROTO_IP option
    sockaddr_in bound{};
    std::set<int> openSockets;

    static sockaddr_in Address(const std::string& dotted, std::uint16_t port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        unsigned a, b, c, d;
        std::sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
        const std::uint8_t octets[4] = {std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d)};
        std::memcpy(&address.sin_addr.s_addr, octets, 4);
        return address;
    }
    static std::string Text(const sockaddr_in& address) {
        const auto* o = reinterpret_cast<const std::uint8_t*>(&address.sin_addr.s_addr);
        return std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) + "." +
               std::to_string(o[3]) + ":" + std::to_string(ntohs(address.sin_port));
    }

    // Where a datagram sent to destination came in: the interface with index interfaceIndex.
    static Arrival Via(unsigned interfaceIndex, const std::string& destination) {
        Arrival arrival;
        arrival.known = true;
        arrival.interfaceIndex = interfaceIndex;
        const sockaddr_in address = Address(destination, 0);
        std::memcpy(arrival.destination, &address.sin_addr.s_addr, 4);
        return arrival;
    }

    // Schedules a datagram to arrive atMs; how it came in is reported only with IP_PKTINFO on.
    void Arrive(std::vector<std::uint8_t> bytes, long atMs, const sockaddr_in& from, Arrival arrival = {}) {
        Datagram datagram{std::move(bytes), from, atMs, arrival};
        const auto position = std::upper_bound(m_scheduled.begin(), m_scheduled.end(), atMs,
                                               [](long t, const Datagram& d) { return t < d.atMs; });
        m_scheduled.insert(position, std::move(datagram));
    }

    int Open() override {
        if (failOpen) {
            errno = EMFILE;
            return -1;
        }
        const int fd = m_nextFd++;
        openSockets.insert(fd);
        Log("open " + std::to_string(fd));
        return fd;
    }
    int SetOption(int fd, int level, int name, const void* value, socklen_t length) override {
        if (!openSockets.count(fd) || (level != SOL_SOCKET && level != IPPROTO_IP))
            return Fail(EBADF);
        if (name == failOptionName && level == SOL_SOCKET)
            return Fail(ENOPROTOOPT);
        const auto* bytes = static_cast<const std::uint8_t*>(value);
        if (level == IPPROTO_IP) {
            ipOptions[name].assign(bytes, bytes + length);
            return 0;
        }
        options[name].assign(bytes, bytes + length);
        if (name == SO_RCVTIMEO && length == sizeof(timeval)) {
            const auto* timeout = static_cast<const timeval*>(value);
            m_timeoutMs = timeout->tv_sec * 1000 + timeout->tv_usec / 1000;
        }
        return 0;
    }
    int GetOption(int fd, int, int name, void* value, socklen_t* length) override {
        if (!openSockets.count(fd) || !options.count(name))
            return Fail(ENOPROTOOPT);
        const auto& bytes = options[name];
        std::memcpy(value, bytes.data(), std::min<size_t>(*length, bytes.size()));
        return 0;
    }
    int Bind(int fd, const sockaddr_in& address) override {
        if (failBind)
            return Fail(EADDRNOTAVAIL);
        bound = address;
        Log("bind " + Text(address));
        (void)fd;
        return 0;
    }
    ssize_t SendTo(int fd, const void* data, std::size_t size, const sockaddr_in& to,
                   const Route* route) override {
        if (failSend || !openSockets.count(fd))
            return Fail(ENETUNREACH);
        if (failRoutedSend && route)
            return Fail(EINVAL);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        sent.push_back({std::vector<std::uint8_t>(bytes, bytes + size), to, nowMs, route != nullptr,
                        route ? *route : Route{}});
        if (responder)
            responder(*this, sent.back());
        return static_cast<ssize_t>(size);
    }
    ssize_t ReceiveFrom(int fd, void* buffer, std::size_t size, bool dontWait, sockaddr_in& from,
                        Arrival* arrival) override {
        if (!openSockets.count(fd))
            return Fail(EBADF);
        Deliver();
        if (m_queue.empty() && !dontWait) {
            // Wait for the next arrival, at most the receive time-out.
            const long deadline = nowMs + m_timeoutMs;
            if (!m_scheduled.empty() && m_scheduled.front().atMs <= deadline) {
                nowMs = std::max(nowMs, m_scheduled.front().atMs);
                Deliver();
            } else {
                nowMs = deadline;
                Deliver();
                return Fail(EAGAIN);
            }
        }
        if (m_queue.empty())
            return Fail(EAGAIN);
        Datagram datagram = std::move(m_queue.front());
        m_queue.pop_front();
        const size_t length = std::min(size, datagram.bytes.size());
        if (length > 0)
            std::memcpy(buffer, datagram.bytes.data(), length);
        from = datagram.from;
        if (arrival)
            *arrival = ipOptions.count(IP_PKTINFO) ? datagram.arrival : Arrival{};
        return static_cast<ssize_t>(length);
    }
    int BytesWaiting(int fd) override {
        if (!openSockets.count(fd))
            return Fail(EBADF);
        Deliver();
        return m_queue.empty() ? 0 : static_cast<int>(m_queue.front().bytes.size());
    }
    bool DatagramWaiting(int fd) override {
        Deliver();
        return openSockets.count(fd) && !m_queue.empty();
    }
    // One network for every socket: whichever socket reads first takes the next datagram.
    int WaitForDatagrams(const int* fds, bool* ready, int count, std::chrono::milliseconds timeout) override {
        Deliver();
        if (m_queue.empty()) {
            const long deadline = nowMs + static_cast<long>(timeout.count());
            if (!m_scheduled.empty() && m_scheduled.front().atMs <= deadline)
                nowMs = std::max(nowMs, m_scheduled.front().atMs);
            else
                nowMs = deadline;
            Deliver();
        }
        int readyCount = 0;
        for (int i = 0; i < count; ++i) {
            ready[i] = openSockets.count(fds[i]) && !m_queue.empty();
            readyCount += ready[i];
        }
        return readyCount;
    }
    std::chrono::steady_clock::time_point Now() override {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(nowMs));
    }
    void Close(int fd) override {
        openSockets.erase(fd);
        ipOptions.clear();
        m_queue.clear(); // what a closed socket held is gone
        Log("close " + std::to_string(fd));
    }
    void Sleep(std::chrono::milliseconds duration) override {
        Log("sleep " + std::to_string(duration.count()));
        nowMs += duration.count();
    }
    int LastError() override { return m_lastError; }

    // Datagrams still waiting or to come.
    size_t Pending() {
        Deliver();
        return m_queue.size() + m_scheduled.size();
    }

private:
    int Fail(int error) {
        m_lastError = error;
        errno = error;
        return -1;
    }
    void Log(std::string what) { events.push_back({std::move(what), nowMs}); }
    // Moves what has arrived by now into the socket buffer, dropping what does not fit.
    void Deliver() {
        while (!m_scheduled.empty() && m_scheduled.front().atMs <= nowMs) {
            if (m_queue.size() < bufferCapacity)
                m_queue.push_back(std::move(m_scheduled.front()));
            else
                ++dropped;
            m_scheduled.pop_front();
        }
    }

    int m_nextFd = 3;
    long m_timeoutMs = 0;
    int m_lastError = 0;
    std::deque<Datagram> m_scheduled;
    std::deque<Datagram> m_queue;
};
