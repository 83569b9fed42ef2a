#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The printers' UDP protocol: port pairs, requests, answer and settings headers.
namespace QlinkProtocol {

// Wired printers listen on 48781 and are asked from 48780; wireless ones listen on 3337, asked from 9000.
inline constexpr std::uint16_t kWiredLocalPort = 48780;
inline constexpr std::uint16_t kWiredPrinterPort = 48781;
inline constexpr std::uint16_t kWirelessLocalPort = 9000;
inline constexpr std::uint16_t kWirelessPrinterPort = 3337;

// The local and the printer's port of a printer network type; 0 for an unknown type.
std::uint16_t LocalPort(int nPrinterNetworkType);
std::uint16_t PrinterPort(int nPrinterNetworkType);

// Discovery requests, no terminating zero.
inline constexpr std::string_view kWiredRequest = "FIND";
inline constexpr std::string_view kWirelessRequest = "__[I_F]__[PRT_REG]";
// Discovery answers: header, then the record bytes.
inline constexpr std::string_view kWiredAnswerHeader = "IMIN";
inline constexpr std::string_view kWirelessAnswerHeader = "__[I_F]__[REG_RSP]";
inline constexpr std::size_t kWiredAnswerMinLength = 30;      // header + record offsets 0..25
inline constexpr std::size_t kWirelessAnswerMinLength = 47;   // header + record offsets 0..28
inline constexpr std::size_t kWirelessAnswerNameLength = 111; // ... + the 64-byte system name

// Settings messages and the printers' confirmations.
inline constexpr std::string_view kWiredSettingsHeader = "SETT";
inline constexpr std::string_view kWirelessSettingsHeader = "__[I_F]__[PRT_SET]";
inline constexpr std::string_view kSettingsReplyHeader = "__[I_F]__[SET_RSP]";
inline constexpr std::string_view kSettingsCompleteHeader = "SETC";

// While a search answers for DHCP mode, the address sent is the factory default.
inline constexpr std::uint8_t kDhcpPlaceholderIp[4] = {192, 168, 192, 123};

// Every datagram is read into a buffer of this size; longer ones are cut.
inline constexpr std::size_t kMaxDatagram = 1024;

// True when data begins with prefix.
bool StartsWith(const std::uint8_t* data, std::size_t length, std::string_view prefix);

} // namespace QlinkProtocol
