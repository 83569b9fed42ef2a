#pragma once

#include <cstdint>
#include <map>
#include <string>

// Printer network type; selects the UDP port pair.
inline constexpr int VRX_WIRED_PRINTER = 1;
inline constexpr int VRX_WIRELESS_PRINTER = 2;

// One usable local IPv4 interface.
struct LOCAL_INTERFACE_INFO {
    std::uint32_t dwFlags = 0;    // 0x1 up, 0x2 broadcast capable
    std::uint8_t byIpAdr[4] = {}; // most significant byte first
    std::uint8_t byBroadcastAdr[4] = {};
};
inline constexpr std::uint32_t VRX_IFF_UP = 0x1;
inline constexpr std::uint32_t VRX_IFF_BROADCAST = 0x2;

// One wired printer as its discovery answer describes it (28 bytes, no gaps, numbers big-endian).
struct ETHERNET_INFO {
    std::uint8_t MacAddr[6];
    std::uint8_t Ip[4];
    std::uint8_t Subnet[4];
    std::uint8_t Gateway[4];
    std::uint8_t Port[2];
    std::uint8_t Baudrate;
    std::uint8_t FwVer[2];
    std::uint8_t Dhcp;
    std::uint8_t I_activeTime[2];
    std::uint8_t Http;
    std::uint8_t byLocalNetworkInterface; // key of the interface the answer came in on; never from the wire
};
static_assert(sizeof(ETHERNET_INFO) == 28);

// One wireless printer (94 bytes, no gaps).
struct WLAN_INFO {
    std::uint8_t MacAddr[6];
    std::uint8_t Ip[4];
    std::uint8_t Subnet[4];
    std::uint8_t Gateway[4];
    std::uint8_t Port[2];
    std::uint8_t Baudrate;
    std::uint8_t FwVer[2];
    std::uint8_t Dhcp;
    std::uint8_t I_activeTime[2];
    std::uint8_t Http;
    std::uint8_t Mask[2]; // [0]: 0x80 has a system name, 0x01 browser allowed, 0x10 configuration allowed
    std::uint8_t SystemName[64]; // UTF-8, zero-terminated unless it fills all 64 bytes
    std::uint8_t byLocalNetworkInterface;
};
static_assert(sizeof(WLAN_INFO) == 94);

inline constexpr std::uint8_t VRX_MASK_SYSTEM_NAME = 0x80;
inline constexpr std::uint8_t VRX_MASK_BROWSER = 0x01;
inline constexpr std::uint8_t VRX_MASK_CONFIGURATION = 0x10;

// Tables of printers found, keyed by MAC text; ordered by that text.
using EthernetInfoMap = std::map<std::string, ETHERNET_INFO>;
using WLanInfoMap = std::map<std::string, WLAN_INFO>;

// The record of one printer as the pages hold it.
struct PRINTER_NETWORK_INFO {
    ETHERNET_INFO stEthernetInfo{}; // meaningful for a wired printer
    WLAN_INFO stWLANInfo{};         // meaningful for a wireless printer
    std::string strMACAddress;
    std::string strIPAddress;
    std::string strSubnetMask;
    std::string strGateway;
    std::string strPortNumber;
    std::string strBaudrate;
    std::string strFwVersion;
    std::string strDhcp;
    std::string strInactiveTime;
    std::string strHttp;
    std::string strMask;        // wireless: "Mask[0].Mask[1]"; wired: empty
    std::string strNetworkType; // the interface text "Wired" or "Wireless" in the current language
    std::string strSystemName;  // wireless with a system name: the decoded name; otherwise empty
};
using PrinterInfoMap = std::map<std::string, PRINTER_NETWORK_INFO>;

// "00:1A:2B:3C:4D:5E"
std::string MacText(const std::uint8_t mac[6]);
// "192.0.2.10"
std::string Ipv4Text(const std::uint8_t address[4]);
// A big-endian 16-bit field.
inline unsigned BigEndian16(const std::uint8_t bytes[2]) {
    return (unsigned{bytes[0]} << 8) | bytes[1];
}

// The printer's record with its texts, built from a table entry. networkTypeText is the interface text of
// the type ("Wired" or "Wireless" in the current language).
PRINTER_NETWORK_INFO MakePrinterNetworkInfo(const ETHERNET_INFO& info, const std::string& networkTypeText);
PRINTER_NETWORK_INFO MakePrinterNetworkInfo(const WLAN_INFO& info, const std::string& networkTypeText);

// The system name of a wireless record: up to the first zero byte or the end of the field; "" without
// the system-name bit.
std::string DecodeSystemName(const WLAN_INFO& info);
