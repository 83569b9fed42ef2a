#include "netsearch/PosixSocketApi.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

PosixSocketApi& PosixSocketApi::Instance() {
    static PosixSocketApi instance;
    return instance;
}

int PosixSocketApi::Open() {
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

ssize_t PosixSocketApi::SendTo(int fd, const void* data, std::size_t size, const sockaddr_in& to) {
    return ::sendto(fd, data, size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

ssize_t PosixSocketApi::ReceiveFrom(int fd, void* buffer, std::size_t size, bool dontWait,
                                    sockaddr_in& from) {
    socklen_t length = sizeof from;
    ssize_t received;
    do {
        length = sizeof from;
        received = ::recvfrom(fd, buffer, size, dontWait ? MSG_DONTWAIT : 0,
                              reinterpret_cast<sockaddr*>(&from), &length);
    } while (received < 0 && errno == EINTR);
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

void PosixSocketApi::Close(int fd) {
    ::close(fd);
}

void PosixSocketApi::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

int PosixSocketApi::LastError() {
    return errno;
}
