#pragma once

#include "FakePrinterSearch.h"

#include <string>

// count printers as a fleet's search finds them: every fourth one wireless (named "Dock-N"), the others
// wired; MAC addresses 00:1A:2B:3C:HH:LL counting from 00:00, addresses 192.0.2.1 to .254 and on in
// 198.51.100.0/24 and 203.0.113.0/24.
namespace printers {

inline std::array<std::uint8_t, 6> FleetMac(int index) {
    return {0x00, 0x1A, 0x2B, 0x3C, static_cast<std::uint8_t>(index >> 8), static_cast<std::uint8_t>(index)};
}

inline std::array<std::uint8_t, 4> FleetIp(int index) {
    if (index < 254)
        return {192, 0, 2, static_cast<std::uint8_t>(index + 1)};
    if (index < 508)
        return {198, 51, 100, static_cast<std::uint8_t>(index - 253)};
    return {203, 0, 113, static_cast<std::uint8_t>(index - 507)};
}

inline FakePrinterSearch::Found Fleet(int count) {
    FakePrinterSearch::Found found;
    for (int i = 0; i < count; ++i) {
        const auto mac = FleetMac(i);
        if (i % 4 == 3) {
            WLAN_INFO info = Wireless(0, FleetIp(i), 0x91, "Dock-" + std::to_string(i));
            std::memcpy(info.MacAddr, mac.data(), 6);
            found.wlan[MacText(mac.data())] = info;
        } else {
            ETHERNET_INFO info = Wired(0, FleetIp(i));
            std::memcpy(info.MacAddr, mac.data(), 6);
            found.ethernet[MacText(mac.data())] = info;
        }
    }
    return found;
}

inline std::string FleetMacText(int index) {
    return MacText(FleetMac(index).data());
}

} // namespace printers
