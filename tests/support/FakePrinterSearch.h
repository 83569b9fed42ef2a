#pragma once

#include "netsearch/PrinterRecords.h"
#include "ui/IPrinterSearch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <string>

// A printer search for tests: every run finds the next scripted pair of tables (the last pair again when
// the script has run out; nothing before anything was scripted).
class FakePrinterSearch : public IPrinterSearch {
public:
    struct Found {
        WLanInfoMap wlan;
        EthernetInfoMap ethernet;
    };

    void Script(Found found) { m_script.push_back(std::move(found)); }

    void Run(WLanInfoMap& wlan, EthernetInfoMap& ethernet) override {
        ++runs;
        if (onRun)
            onRun();
        if (!m_script.empty()) {
            m_last = std::move(m_script.front());
            m_script.pop_front();
        }
        // Like the search dialog: entries are inserted, the targets are not emptied first.
        wlan.insert(m_last.wlan.begin(), m_last.wlan.end());
        ethernet.insert(m_last.ethernet.begin(), m_last.ethernet.end());
    }

    int runs = 0;
    // Runs while the search is "up", before the tables are handed over.
    std::function<void()> onRun;

private:
    std::deque<Found> m_script;
    Found m_last;
};

// Printer records as the discovery answers give them; addresses from the documentation ranges.
namespace printers {

inline std::array<std::uint8_t, 6> Mac(std::uint8_t last) {
    return {0x00, 0x1A, 0x2B, 0x3C, 0x4D, last};
}

inline ETHERNET_INFO Wired(std::uint8_t macLast, std::array<std::uint8_t, 4> ip, std::uint8_t dhcp = 0,
                           std::uint8_t http = 0) {
    ETHERNET_INFO info{};
    const auto mac = Mac(macLast);
    std::memcpy(info.MacAddr, mac.data(), 6);
    std::memcpy(info.Ip, ip.data(), 4);
    const std::uint8_t subnet[4] = {255, 255, 255, 0};
    std::memcpy(info.Subnet, subnet, 4);
    const std::uint8_t gateway[4] = {ip[0], ip[1], ip[2], 1};
    std::memcpy(info.Gateway, gateway, 4);
    info.Port[0] = 0x23; // 9100
    info.Port[1] = 0x8C;
    info.Baudrate = 7;
    info.FwVer[0] = 2;
    info.FwVer[1] = 14;
    info.Dhcp = dhcp;
    info.I_activeTime[0] = 0x01; // 300 s
    info.I_activeTime[1] = 0x2C;
    info.Http = http;
    return info;
}

inline WLAN_INFO Wireless(std::uint8_t macLast, std::array<std::uint8_t, 4> ip, std::uint8_t mask0 = 0x91,
                          const std::string& systemName = "", std::uint8_t dhcp = 0, std::uint8_t http = 0) {
    WLAN_INFO info{};
    const ETHERNET_INFO common = Wired(macLast, ip, dhcp, http);
    static_assert(offsetof(WLAN_INFO, Http) == offsetof(ETHERNET_INFO, Http));
    std::memcpy(&info, &common, offsetof(ETHERNET_INFO, Http) + 1); // the fields both records share
    info.Mask[0] = mask0;
    info.Mask[1] = 0x02;
    std::memcpy(info.SystemName, systemName.data(), std::min(systemName.size(), sizeof info.SystemName));
    return info;
}

inline std::string MacOf(std::uint8_t macLast) {
    return MacText(Mac(macLast).data());
}

} // namespace printers
