#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One IPv4 address of a local interface as the system lists it.
struct SystemInterfaceEntry {
    std::string name;        // "eth0"
    unsigned index = 0;      // the system's interface index; 0 when unknown
    std::uint32_t flags = 0; // the system's IFF_* flags
    std::uint8_t address[4] = {};
    std::uint8_t netmask[4] = {};
    bool hasBroadcast = false; // the system reports a broadcast address
    std::uint8_t broadcast[4] = {};
};

// Fills entries with every IPv4 address of the local interfaces, in the system's order; false (with the
// system's error code) when the list cannot be read.
using SystemInterfaceLister = std::function<bool(std::vector<SystemInterfaceEntry>& entries, int& errorCode)>;

// The lister over getifaddrs.
bool ListSystemInterfaces(std::vector<SystemInterfaceEntry>& entries, int& errorCode);
