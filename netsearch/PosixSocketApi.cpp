#include "netsearch/PosixSocketApi.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The pauses of the exchange running on this thread (one socket's life).
struct Pace {
    Clock::time_point lastEnd{};
    Clock::duration behind{};
};
thread_local Pace t_pace;

} // namespace

PosixSocketApi& PosixSocketApi::Instance() {
    static PosixSocketApi instance;
    return instance;
}

int PosixSocketApi::Open() {
    t_pace = {}; // a new exchange
    return ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
}

int PosixSocketApi::SetOption(int fd, int level, int name, const void* value, socklen_t length) {
    return ::setsockopt(fd, level, name, value, length);
}

int PosixSocketApi::GetOption(int fd, int level, int name, void* value, socklen_t* length) {
    return ::getsockopt(fd, level, name, value, length);
}

int PosixSocketApi::Bind(int fd, const sockaddr_in& address) {
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

ssize_t PosixSocketApi::SendTo(int fd, const void* data, std::size_t size, const sockaddr_in& to,
                               const Route* route) {
    iovec payload{const_cast<void*>(data), size};
    msghdr message{};
    message.msg_name = const_cast<sockaddr_in*>(&to);
    message.msg_namelen = sizeof to;
    message.msg_iov = &payload;
    message.msg_iovlen = 1;
    // The interface and source address travel with the datagram (IP_PKTINFO), which needs no privilege.
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (route) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(route->interfaceIndex);
        std::memcpy(&info.ipi_spec_dst.s_addr, route->source, 4);
        std::memcpy(CMSG_DATA(header), &info, sizeof info);
    }
    ssize_t sent;
    do {
        sent = ::sendmsg(fd, &message, 0);
    } while (sent < 0 && errno == EINTR);
    return sent;
}

ssize_t PosixSocketApi::ReceiveFrom(int fd, void* buffer, std::size_t size, bool dontWait, sockaddr_in& from,
                                    Arrival* arrival) {
    iovec payload{buffer, size};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    ssize_t received;
    do {
        message = {};
        message.msg_name = &from;
        message.msg_namelen = sizeof from;
        message.msg_iov = &payload;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        received = ::recvmsg(fd, &message, dontWait ? MSG_DONTWAIT : 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0 || !arrival)
        return received;
    *arrival = {};
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level != IPPROTO_IP || header->cmsg_type != IP_PKTINFO)
            continue;
        in_pktinfo info{};
        std::memcpy(&info, CMSG_DATA(header), sizeof info);
        arrival->known = true;
        arrival->interfaceIndex = static_cast<unsigned>(info.ipi_ifindex);
        std::memcpy(arrival->destination, &info.ipi_addr.s_addr, 4); // the header's destination
    }
    return received;
}

int PosixSocketApi::BytesWaiting(int fd) {
    int bytes = 0;
    return ::ioctl(fd, FIONREAD, &bytes) == 0 ? bytes : -1;
}

bool PosixSocketApi::DatagramWaiting(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN);
}

int PosixSocketApi::WaitForDatagrams(const int* fds, bool* ready, int count,
                                     std::chrono::milliseconds timeout) {
    std::vector<pollfd> entries(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries[static_cast<size_t>(i)] = {fds[i], POLLIN, 0};
    int result;
    do {
        result = ::poll(entries.data(), entries.size(), static_cast<int>(std::max<long>(timeout.count(), 0)));
    } while (result < 0 && errno == EINTR);
    for (int i = 0; i < count; ++i)
        ready[i] = result > 0 && (entries[static_cast<size_t>(i)].revents & POLLIN);
    return result;
}

std::chrono::steady_clock::time_point PosixSocketApi::Now() {
    return Clock::now();
}

void PosixSocketApi::Close(int fd) {
    t_pace = {};
    ::close(fd);
}

void PosixSocketApi::Sleep(std::chrono::milliseconds duration) {
    // The exchanges pace themselves by runs of short pauses (five requests 50 ms apart, 40 polls for 2 s
    // of silence). A busy system wakes a sleeper late, and over a run the delays add up; so a pause that
    // follows closely on another of the same exchange is shortened by what the run is behind (at most one
    // pause's worth). The first pause of an exchange is never shortened.
    const auto start = Clock::now();
    if (start - t_pace.lastEnd > std::chrono::milliseconds(100))
        t_pace.behind = {}; // not part of the same run
    const auto wanted = std::chrono::duration_cast<Clock::duration>(duration);
    std::this_thread::sleep_until(start + std::max(wanted - t_pace.behind, Clock::duration::zero()));
    t_pace.lastEnd = Clock::now();
    t_pace.behind =
        std::clamp(t_pace.behind + (t_pace.lastEnd - start) - wanted, Clock::duration::zero(), wanted);
}

int PosixSocketApi::LastError() {
    return errno;
}
