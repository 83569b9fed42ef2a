#pragma once

// For test programs that send UDP: they run only inside the private network of scripts/netns-harness, and
// report their checks as "ok: ..." / "FAILED: ..." lines.

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace harness {

inline int failures = 0;

inline void Check(bool condition, const std::string& what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what.c_str());
    if (!condition)
        ++failures;
}

// True when this process runs in the network namespace named by QL_NS_TOOL (made by the harness).
inline bool InHarnessNamespace() {
    const char* name = std::getenv("QL_NS_TOOL");
    if (!name || !*name)
        return false;
    struct stat own {
    }, harness{};
    if (stat("/proc/self/ns/net", &own) != 0 ||
        stat(("/run/netns/" + std::string(name)).c_str(), &harness) != 0)
        return false;
    return own.st_dev == harness.st_dev && own.st_ino == harness.st_ino;
}

// True when every IPv4 address of this network namespace is loopback or in 192.0.2.0/24, 198.51.100.0/24
// or 203.0.113.0/24. Not enough on its own: a machine's real interface may be in one of those ranges.
inline bool OnlyTestNetworks(const char* program) {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool only = true;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        const std::uint32_t address =
            ntohl(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr);
        const std::uint32_t net24 = address & 0xFFFFFF00u;
        const bool loopback = (address >> 24) == 127;
        if (!loopback && net24 != 0xC0000200u && net24 != 0xC6336400u && net24 != 0xCB007100u) {
            std::fprintf(stderr, "%s: interface %s is on a real network\n", program, entry->ifa_name);
            only = false;
        }
    }
    freeifaddrs(list);
    return only;
}

// True when the program may send: it runs inside the harness's tool namespace and sees only test networks.
inline bool InsideHarness(const char* program) {
    if (InHarnessNamespace() && OnlyTestNetworks(program))
        return true;
    std::fprintf(stderr, "%s: runs only inside scripts/netns-harness\n", program);
    return false;
}

} // namespace harness
