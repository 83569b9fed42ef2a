#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/types.h>

// The few socket calls the UDP endpoint makes, so that tests can run the endpoint's exchanges against a
// scripted network. Results and errors as in POSIX: -1 and LastError() on failure.
class ISocketApi {
public:
    // How a datagram is to leave: by the interface with this index (0: as the routing table decides),
    // with this source address.
    struct Route {
        unsigned interfaceIndex = 0;
        std::uint8_t source[4] = {};
    };
    // How a datagram came in, when the socket reports it (IP_PKTINFO): the interface it arrived on and
    // the address it was sent to (a unicast, a subnet broadcast or 255.255.255.255).
    struct Arrival {
        bool known = false;
        unsigned interfaceIndex = 0;
        std::uint8_t destination[4] = {};
    };

    virtual ~ISocketApi() = default;

    // An IPv4 datagram socket.
    virtual int Open() = 0;
    virtual int SetOption(int fd, int level, int name, const void* value, socklen_t length) = 0;
    virtual int GetOption(int fd, int level, int name, void* value, socklen_t* length) = 0;
    virtual int Bind(int fd, const sockaddr_in& address) = 0;
    // One datagram to to; by route when given.
    virtual ssize_t SendTo(int fd, const void* data, std::size_t size, const sockaddr_in& to,
                           const Route* route) = 0;
    // One datagram; waits at most the socket's receive time-out unless dontWait. A longer datagram is cut.
    // arrival, when given, tells where it came in (known only with IP_PKTINFO on).
    virtual ssize_t ReceiveFrom(int fd, void* buffer, std::size_t size, bool dontWait, sockaddr_in& from,
                                Arrival* arrival) = 0;
    // The size of the next waiting datagram (FIONREAD); 0 when none, -1 on failure.
    virtual int BytesWaiting(int fd) = 0;
    // True when a datagram is waiting, an empty one included (which BytesWaiting cannot tell).
    virtual bool DatagramWaiting(int fd) = 0;
    // Waits at most timeout until a datagram waits on any of the count sockets in fds; ready[i] tells for
    // each whether one does. The number of sockets ready (0: the time passed), -1 on failure.
    virtual int WaitForDatagrams(const int* fds, bool* ready, int count,
                                 std::chrono::milliseconds timeout) = 0;
    // A monotonic clock for the exchanges' deadlines.
    virtual std::chrono::steady_clock::time_point Now() = 0;
    virtual void Close(int fd) = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    virtual int LastError() = 0;
};
