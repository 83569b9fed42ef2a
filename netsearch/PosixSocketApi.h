#pragma once

#include "netsearch/ISocketApi.h"

// The operating system's sockets.
class PosixSocketApi : public ISocketApi {
public:
    static PosixSocketApi& Instance();

    int Open() override;
    int SetOption(int fd, int level, int name, const void* value, socklen_t length) override;
    int GetOption(int fd, int level, int name, void* value, socklen_t* length) override;
    int Bind(int fd, const sockaddr_in& address) override;
    ssize_t SendTo(int fd, const void* data, std::size_t size, const sockaddr_in& to,
                   const Route* route) override;
    ssize_t ReceiveFrom(int fd, void* buffer, std::size_t size, bool dontWait, sockaddr_in& from,
                        Arrival* arrival) override;
    int BytesWaiting(int fd) override;
    bool DatagramWaiting(int fd) override;
    int WaitForDatagrams(const int* fds, bool* ready, int count, std::chrono::milliseconds timeout) override;
    std::chrono::steady_clock::time_point Now() override;
    void Close(int fd) override;
    void Sleep(std::chrono::milliseconds duration) override;
    int LastError() override;
};
