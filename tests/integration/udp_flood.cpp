// Sends foreign datagrams to one address and port as fast as a busy network might: 512 bytes of noise
// every half millisecond, until SECONDS have passed or it is stopped. Run only inside the printer namespace
// of scripts/netns-harness.
//   udp-flood ADDRESS PORT SECONDS

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: udp-flood ADDRESS PORT SECONDS\n");
        return 2;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(std::atoi(argv[2])));
    if (::inet_pton(AF_INET, argv[1], &to.sin_addr) != 1)
        return 2;
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 1;
    std::mt19937 random(17);
    std::vector<unsigned char> noise(512);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    long sent = 0;
    while (std::chrono::steady_clock::now() < end) {
        for (auto& byte : noise)
            byte = static_cast<unsigned char>(random());
        if (::sendto(fd, noise.data(), noise.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) >
            0)
            ++sent;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::printf("sent %ld\n", sent);
    ::close(fd);
    return 0;
}
