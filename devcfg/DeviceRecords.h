#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The records exchanged with the printer's network module and stored in configuration files. Byte-packed;
// 16-bit numbers high byte first (except BSS_INFO's RSSI), IPv4 addresses first octet first. Text fields are
// zero-filled byte fields (UTF-8 here); a text that fills its field has no terminating zero. Carried bytes
// are not interpreted: they keep what the module sent and go back unchanged.

#pragma pack(push, 1)

// The module's configuration (620 bytes).
struct WLAN_ADVANCED_CONFIG_INFO {
    std::uint8_t bySystemName[64];        // 0
    std::uint8_t byCarried64;             // 64
    std::uint8_t byNetworkMode;           // 65: VRX_NETWORK_MODE_*
    std::uint8_t byIPConfigMode;          // 66: 0 manual address, 1 DHCP
    std::uint8_t byIP[4];                 // 67
    std::uint8_t bySubnetMask[4];         // 71
    std::uint8_t byGateway[4];            // 75
    std::uint8_t bySSID[32];              // 79: the tool leaves a terminating zero inside
    std::uint8_t byAuthentication;        // 111: VRX_AUTH_*
    std::uint8_t byEncryption;            // 112: VRX_ENCRYPTION_*
    std::uint8_t byWEP_Key0[26];          // 113: as typed (5 or 13 characters, 10 or 26 hex digits)
    std::uint8_t byCarried139[78];        // 139
    std::uint8_t byPSK_Key[64];           // 217
    std::uint8_t byAdhocChannel;          // 281: 1 to 14
    std::uint8_t byEAPMode;               // 282: VRX_EAP_*
    std::uint8_t szEAP_Id[32];            // 283
    std::uint8_t szEAP_Password[32];      // 315
    std::uint8_t byP2P_Carried;           // 347: first byte of the Wi-Fi Direct block
    std::uint8_t byP2P_PinCode[9];        // 348: 4 or 8 digits, zero-terminated
    std::uint8_t byP2P_Channel[3];        // 357: "1", "6" or "11", zero-filled
    std::uint8_t byUserName[32];          // 360: administrator user ID
    std::uint8_t byUserPassword[32];      // 392
    std::uint8_t byPortNumber[2];         // 424: printing port
    std::uint8_t byCarried426[131];       // 426
    std::uint8_t byWebSSL;                // 557: 0 disabled, 1 enabled
    std::uint8_t byTelnet;                // 558
    std::uint8_t byFTP;                   // 559
    std::uint8_t bySNMP;                  // 560: VRX_SNMP_NOT_OFFERED marks SNMP as not offered
    std::uint8_t bySNMPTrap;              // 561
    std::uint8_t szSNMPSetCommunity[16];  // 562: write community
    std::uint8_t bySNMPGetCommunity[16];  // 578: read community
    std::uint8_t szSNMPTrapCommunity[16]; // 594
    std::uint8_t byTrapIP[4];             // 610
    std::uint8_t byIncativityTime[2];     // 614: seconds
    std::uint8_t byRFMode;                // 616: VRX_RF_MODE_*
    std::uint8_t byDummy3;                // 617: VRX_DUMMY3_* bits, others carried
    std::uint8_t byFrameChecksum[2];      // 618: never sent; the Wi-Fi Direct + RF frame's checksum bytes
};

// The module's system information (56 bytes), payload of SYS_RSP.
struct WLAN_ADVANCED_SYS_INFO {
    std::uint8_t FW_VERSION[16];
    std::uint8_t FW_DATE[32];
    std::uint8_t FW_MACADDRESS[6];
    std::uint8_t byReserved[2];
};

// One access point of a scan (47 bytes).
struct BSS_INFO {
    std::uint8_t byIndex;       // 0: position in the scan table, 0-based
    std::uint8_t byFirst;       // 1: the entry's first byte, not interpreted
    std::uint8_t bySSIDLength;  // 2: SSID length as received (may exceed 32)
    std::uint8_t bySSID[32];    // 3: UTF-8
    std::uint8_t byExtra[2];    // 35: the two bytes after the SSID, not interpreted
    std::uint8_t byBSSID[6];    // 37
    std::uint8_t byNetworkMode; // 43: 0 Infrastructure, 1 Adhoc, others unknown
    std::uint8_t byRSSI[2];     // 44: signed 16-bit signal strength in this machine's byte order (Rssi())
    std::uint8_t bySecurity;    // 46: VRX_BSS_SECURITY_*
};

// A certificate's name as the module stores it (34 bytes).
struct CERT_NAME_INFO {
    std::uint8_t byCertName[34];
};

#pragma pack(pop)

static_assert(sizeof(WLAN_ADVANCED_CONFIG_INFO) == 620);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byNetworkMode) == 65);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, bySSID) == 79);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byWEP_Key0) == 113);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byPSK_Key) == 217);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, szEAP_Password) == 315);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byP2P_PinCode) == 348);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byUserName) == 360);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byPortNumber) == 424);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byWebSSL) == 557);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, szSNMPSetCommunity) == 562);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byTrapIP) == 610);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byRFMode) == 616);
static_assert(offsetof(WLAN_ADVANCED_CONFIG_INFO, byDummy3) == 617);
static_assert(sizeof(WLAN_ADVANCED_SYS_INFO) == 56);
static_assert(sizeof(BSS_INFO) == 47);
static_assert(offsetof(BSS_INFO, byBSSID) == 37);
static_assert(offsetof(BSS_INFO, byRSSI) == 44);
static_assert(sizeof(CERT_NAME_INFO) == 34);

// byNetworkMode
inline constexpr std::uint8_t VRX_NETWORK_MODE_INFRASTRUCTURE = 0;
inline constexpr std::uint8_t VRX_NETWORK_MODE_ADHOC = 1;
inline constexpr std::uint8_t VRX_NETWORK_MODE_WIFI_DIRECT = 2;
inline constexpr std::uint8_t VRX_NETWORK_MODE_SOFT_AP = 3;
// byIPConfigMode
inline constexpr std::uint8_t VRX_IP_CONFIG_MANUAL = 0;
inline constexpr std::uint8_t VRX_IP_CONFIG_DHCP = 1;
// byAuthentication
inline constexpr std::uint8_t VRX_AUTH_OPEN_SYSTEM = 0;
inline constexpr std::uint8_t VRX_AUTH_SHARED_KEY = 1;
inline constexpr std::uint8_t VRX_AUTH_WPA_PSK = 2;
inline constexpr std::uint8_t VRX_AUTH_WPA2_PSK = 3;
inline constexpr std::uint8_t VRX_AUTH_WPA_EAP = 4;
inline constexpr std::uint8_t VRX_AUTH_WPA2_EAP = 5;
// byEncryption
inline constexpr std::uint8_t VRX_ENCRYPTION_NONE = 0;
inline constexpr std::uint8_t VRX_ENCRYPTION_WEP64 = 1;
inline constexpr std::uint8_t VRX_ENCRYPTION_WEP128 = 2;
inline constexpr std::uint8_t VRX_ENCRYPTION_TKIP = 3;
inline constexpr std::uint8_t VRX_ENCRYPTION_AES = 4;
inline constexpr std::uint8_t VRX_ENCRYPTION_AES_TKIP = 5;
// byEAPMode
inline constexpr std::uint8_t VRX_EAP_PEAP = 0;
inline constexpr std::uint8_t VRX_EAP_TTLS = 1;
inline constexpr std::uint8_t VRX_EAP_TLS = 2;
inline constexpr std::uint8_t VRX_EAP_LEAP = 3;
inline constexpr std::uint8_t VRX_EAP_FAST = 4;
// byWebSSL, byTelnet, byFTP, bySNMP, bySNMPTrap
inline constexpr std::uint8_t VRX_SERVICE_DISABLED = 0;
inline constexpr std::uint8_t VRX_SERVICE_ENABLED = 1;
inline constexpr std::uint8_t VRX_SNMP_NOT_OFFERED = 0x0A;
// byRFMode
inline constexpr std::uint8_t VRX_RF_MODE_2_4GHZ = 0;
inline constexpr std::uint8_t VRX_RF_MODE_5GHZ = 1;
inline constexpr std::uint8_t VRX_RF_MODE_DUAL_PRIORITY_2_4GHZ = 2;
inline constexpr std::uint8_t VRX_RF_MODE_DUAL_PRIORITY_5GHZ = 3;
// byDummy3 bits
inline constexpr std::uint8_t VRX_DUMMY3_CERTIFICATE_SUPPORT = 0x01; // set by the module only
inline constexpr std::uint8_t VRX_DUMMY3_DHCP_OPTION12_DISABLED = 0x02;
inline constexpr std::uint8_t VRX_DUMMY3_DHCP_OPTION77_DISABLED = 0x04;
// BSS_INFO::bySecurity
inline constexpr std::uint8_t VRX_BSS_SECURITY_NONE = 0;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WEP64 = 1;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WEP128 = 2;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WEP64_128 = 3;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WPA = 4;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WPA2 = 8;
inline constexpr std::uint8_t VRX_BSS_SECURITY_WPA_WPA2 = 12;

// The scan table holds this many access points.
inline constexpr int VRX_MAX_BSS_INFO = 100;

namespace DeviceRecords {

// ---- wire variants of the configuration record ----------------------------------------------------------

// Which bytes of WLAN_ADVANCED_CONFIG_INFO an IF__CUR / IF__SET payload carries, told by the length of the
// module's IF__CUR frame; the tool sends and saves the variant it read.
enum class ConfigVariant {
    Basic,        // 603 bytes: 0..346, then 360..615 (no Wi-Fi Direct block, RF mode or byDummy3)
    WifiDirect,   // 616 bytes: 0..615
    WifiDirectRf, // 618 bytes: 0..617
};
struct ByteRange {
    std::size_t offset;
    std::size_t size;
};
// The record ranges the variant carries, in order.
// "basic", "wifi-direct" or "wifi-direct-rf": how configurations and the command line name a variant.
const char* VariantName(ConfigVariant variant);
std::span<const ByteRange> CarriedRanges(ConfigVariant variant);
std::size_t PayloadSize(ConfigVariant variant);
// The length of the variant's IF__CUR / IF__SET frame on the line (and of a configuration file).
std::size_t FrameLength(ConfigVariant variant);
// From the capability flags: neither basic; Wi-Fi Direct only Wi-Fi Direct; both Wi-Fi Direct + RF.
ConfigVariant VariantForFlags(bool bWifiDirect, bool bRfModeSelection);
// From a received frame's length N: at least 1280 Wi-Fi Direct + RF, 1276 Wi-Fi Direct, 1250 basic;
// nothing below 1250.
std::optional<ConfigVariant> VariantForFrameLength(std::size_t N);

// The payload of record in variant.
std::vector<std::uint8_t> RecordToPayload(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant);
// Clears record and fills it from the bytes after the header (available of them): the variant's ranges, and
// for Wi-Fi Direct + RF the 620 bytes after the header (payload and the two checksum bytes). False, with
// record untouched, when fewer bytes are available than the variant needs.
bool PayloadToRecord(const std::uint8_t* afterHeader, std::size_t available, ConfigVariant variant,
                     WLAN_ADVANCED_CONFIG_INFO& record);
// The IF__SET (forSending, with modeLetter) or IF__CUR (a configuration file, prefix 0x1F 'W' 'M') frame of
// record in variant.
std::vector<std::uint8_t> ConfigurationFrame(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant,
                                             bool bForSending, std::uint8_t modeLetter);

// ---- the record sent --------------------------------------------------------------------------------------

// The record fields (offset, size) that grid item nItemId edits; empty for items that edit none. Grid 1
// holds the items 1 to 28, grid 2 the items 29 to 37.
std::span<const ByteRange> ItemFields(int nGrid, int nItemId);
// The record to send: asRead with the fields of the visible items of both grids taken from working.
WLAN_ADVANCED_CONFIG_INFO MergeVisibleItems(const WLAN_ADVANCED_CONFIG_INFO& asRead,
                                            const WLAN_ADVANCED_CONFIG_INFO& working,
                                            const std::vector<int>& grid1Visible,
                                            const std::vector<int>& grid2Visible);

// ---- access-point scan ----------------------------------------------------------------------------------

// Parses the message of a BSS_RSP (n bytes, header and checksum included) into table, which it clears first;
// the number of access points stored. Entries follow the header: first byte, SSID length, SSID, two bytes,
// BSSID, network mode, RSSI (high byte first), security. At most VRX_MAX_BSS_INFO are stored ("break loop"
// in the log when more follow); entries whose SSID is blank after trimming are read but not stored; an SSID
// longer than 32 bytes is cut to 32 while the position advances by the length given. An entry that runs
// past the message's end ends the parse.
int ParseBssResponse(const std::uint8_t* message, std::size_t n, BSS_INFO (&table)[VRX_MAX_BSS_INFO]);

// ---- field helpers --------------------------------------------------------------------------------------

// The text of a zero-filled field: its bytes up to the first zero (all of them when it is full).
std::string FieldText(const std::uint8_t* field, std::size_t size);
template <std::size_t N> std::string FieldText(const std::uint8_t (&field)[N]) {
    return FieldText(field, N);
}
// Clears the field and copies text into it, cut to size bytes on a UTF-8 character boundary.
void SetFieldText(std::uint8_t* field, std::size_t size, std::string_view text);
template <std::size_t N> void SetFieldText(std::uint8_t (&field)[N], std::string_view text) {
    SetFieldText(field, N, text);
}
// 16-bit numbers stored high byte first.
inline std::uint16_t BigEndian16(const std::uint8_t (&field)[2]) {
    return static_cast<std::uint16_t>((field[0] << 8) | field[1]);
}
inline void SetBigEndian16(std::uint8_t (&field)[2], std::uint16_t value) {
    field[0] = static_cast<std::uint8_t>(value >> 8);
    field[1] = static_cast<std::uint8_t>(value & 0xFF);
}
// The signal strength of an access point (kept as bytes: the entries of a table are not aligned).
inline std::int16_t Rssi(const BSS_INFO& entry) {
    std::int16_t value;
    std::memcpy(&value, entry.byRSSI, sizeof value);
    return value;
}
inline void SetRssi(BSS_INFO& entry, std::int16_t value) {
    std::memcpy(entry.byRSSI, &value, sizeof value);
}
// True when text holds nothing but white space.
bool IsBlank(std::string_view text);

} // namespace DeviceRecords
