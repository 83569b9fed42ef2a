#pragma once

#include <cstdint>

// Identifiers of the advanced settings grid: the 32-bit item data of every property, unique over both grids,
// and of the nine groups. Grid #1 holds groups 1 to 5 (properties 1 to 28), grid #2 groups 6 to 9 (29 to 42).

// Group 1: WLAN Basic Configuration
inline constexpr std::uint32_t VRX_GROUP_ID_1 = 10000;
inline constexpr std::uint32_t VRX_GROUP1_PROPERTY_ID_1 = 1; // SSID
inline constexpr std::uint32_t VRX_GROUP1_PROPERTY_ID_2 = 2; // WLAN Mode
inline constexpr std::uint32_t VRX_GROUP1_PROPERTY_ID_3 = 3; // Channel (ad hoc)
inline constexpr std::uint32_t VRX_GROUP1_PROPERTY_ID_4 = 4; // Channel (Wi-Fi Direct)
inline constexpr std::uint32_t VRX_GROUP1_PROPERTY_ID_5 = 5; // PIN Code

// Group 2: WLAN Security Configuration
inline constexpr std::uint32_t VRX_GROUP_ID_2 = 10001;
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_1 = 6;  // Authentication
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_2 = 7;  // Encryption
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_3 = 8;  // EAP Mode
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_4 = 9;  // PSK Key
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_5 = 10; // WEP-64 Key
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_6 = 11; // WEP-128 Key
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_7 = 12; // EAP ID
inline constexpr std::uint32_t VRX_GROUP2_PROPERTY_ID_8 = 13; // EAP Password

// Group 3: IP Address Configuration
inline constexpr std::uint32_t VRX_GROUP_ID_3 = 10002;
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_1 = 14; // IP Address Assignment
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_2 = 15; // DHCP Option 12
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_3 = 16; // DHCP Option 77
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_4 = 17; // IP Address
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_5 = 18; // Subnet Mask
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_6 = 19; // GateWay
inline constexpr std::uint32_t VRX_GROUP3_PROPERTY_ID_7 = 20; // Port Number

// Group 4: System Information
inline constexpr std::uint32_t VRX_GROUP_ID_4 = 10003;
inline constexpr std::uint32_t VRX_GROUP4_PROPERTY_ID_1 = 21; // Firmware Version
inline constexpr std::uint32_t VRX_GROUP4_PROPERTY_ID_2 = 22; // Update Date
inline constexpr std::uint32_t VRX_GROUP4_PROPERTY_ID_3 = 23; // MAC Address

// Group 5: System Configuration
inline constexpr std::uint32_t VRX_GROUP_ID_5 = 10004;
inline constexpr std::uint32_t VRX_GROUP5_PROPERTY_ID_1 = 24; // System Name
inline constexpr std::uint32_t VRX_GROUP5_PROPERTY_ID_2 = 25; // User ID
inline constexpr std::uint32_t VRX_GROUP5_PROPERTY_ID_3 = 26; // User Password
inline constexpr std::uint32_t VRX_GROUP5_PROPERTY_ID_4 = 27; // Inactivity Time (Sec.)
inline constexpr std::uint32_t VRX_GROUP5_PROPERTY_ID_5 = 28; // Wireless frequency

// Group 6: Protocol
inline constexpr std::uint32_t VRX_GROUP_ID_6 = 10005;
inline constexpr std::uint32_t VRX_GROUP6_PROPERTY_ID_1 = 29; // HTTPS
inline constexpr std::uint32_t VRX_GROUP6_PROPERTY_ID_2 = 30; // TELNET
inline constexpr std::uint32_t VRX_GROUP6_PROPERTY_ID_3 = 31; // FTP
inline constexpr std::uint32_t VRX_GROUP6_PROPERTY_ID_4 = 32; // SNMP

// Group 7: SNMP
inline constexpr std::uint32_t VRX_GROUP_ID_7 = 10006;
inline constexpr std::uint32_t VRX_GROUP7_PROPERTY_ID_1 = 33; // SNMP Community (Read)
inline constexpr std::uint32_t VRX_GROUP7_PROPERTY_ID_2 = 34; // SNMP Community (Write)
inline constexpr std::uint32_t VRX_GROUP7_PROPERTY_ID_3 = 35; // SNMP Trap
inline constexpr std::uint32_t VRX_GROUP7_PROPERTY_ID_4 = 36; // SNMP Trap Community
inline constexpr std::uint32_t VRX_GROUP7_PROPERTY_ID_5 = 37; // SNMP Trap IP Address

// Group 8: Certificate Upload
inline constexpr std::uint32_t VRX_GROUP_ID_8 = 10007;
inline constexpr std::uint32_t VRX_GROUP8_PROPERTY_ID_1 = 38; // Certificate Type
inline constexpr std::uint32_t VRX_GROUP8_PROPERTY_ID_2 = 39; // Certificate File

// Group 9: Certificate Name
inline constexpr std::uint32_t VRX_GROUP_ID_9 = 10008;
inline constexpr std::uint32_t VRX_GROUP9_PROPERTY_ID_1 = 40; // CA
inline constexpr std::uint32_t VRX_GROUP9_PROPERTY_ID_2 = 41; // Client Key
inline constexpr std::uint32_t VRX_GROUP9_PROPERTY_ID_3 = 42; // Client PEM

inline constexpr std::uint32_t VRX_FIRST_GROUP_ID = VRX_GROUP_ID_1;
inline constexpr std::uint32_t VRX_LAST_GROUP_ID = VRX_GROUP_ID_9;
// The grid a property identifier belongs to: 1 for 1..28, 2 for 29..42, 0 for anything else.
constexpr int GridOfProperty(std::uint32_t id) {
    return id >= 1 && id <= 28 ? 1 : id >= 29 && id <= 42 ? 2 : 0;
}
