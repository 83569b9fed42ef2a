#include "netsearch/SystemInterfaces.h"

#include <cerrno>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace {

void CopyAddress(const sockaddr* address, std::uint8_t (&out)[4]) {
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    std::memcpy(out, &ipv4->sin_addr.s_addr, 4); // network order: first octet first
}

} // namespace

bool ListSystemInterfaces(std::vector<SystemInterfaceEntry>& entries, int& errorCode) {
    entries.clear();
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        errorCode = errno;
        return false;
    }
    for (const ifaddrs* item = list; item; item = item->ifa_next) {
        if (!item->ifa_addr || item->ifa_addr->sa_family != AF_INET)
            continue;
        SystemInterfaceEntry entry;
        entry.name = item->ifa_name ? item->ifa_name : "";
        entry.flags = item->ifa_flags;
        // An address label such as "eth0:1" names the device before the colon.
        entry.index = ::if_nametoindex(entry.name.substr(0, entry.name.find(':')).c_str());
        CopyAddress(item->ifa_addr, entry.address);
        if (item->ifa_netmask)
            CopyAddress(item->ifa_netmask, entry.netmask);
        // ifa_broadaddr shares its storage with the point-to-point destination; it is a broadcast address
        // only with IFF_BROADCAST.
        if ((item->ifa_flags & IFF_BROADCAST) && item->ifa_broadaddr &&
            item->ifa_broadaddr->sa_family == AF_INET) {
            CopyAddress(item->ifa_broadaddr, entry.broadcast);
            entry.hasBroadcast = true;
        }
        entries.push_back(entry);
    }
    ::freeifaddrs(list);
    errorCode = 0;
    return true;
}
