#pragma once

#include "netsearch/PrinterRecords.h"

#include <cstdint>
#include <string_view>
#include <vector>

// "SETT" + ETHERNET_INFO bytes 0..25 (30 bytes)
std::vector<std::uint8_t> BuildWiredSettingsMessage(const ETHERNET_INFO& record);
// "__[I_F]__[PRT_SET]" + WLAN_INFO bytes 0..92 (with the name, 112 bytes) or 0..28 (48 bytes) + one zero
// byte; the name is carried only when record.Mask[0] has 0x80
std::vector<std::uint8_t> BuildWirelessSettingsMessage(const WLAN_INFO& record);
// The 64-byte SystemName field from a UTF-8 name: trimmed of leading/trailing white space, cut at 64 bytes
// without splitting a character (no terminating zero when it fills all 64), zero-filled; "" or blanks give
// zeros.
void EncodeSystemName(std::string_view name, std::uint8_t (&field)[64]);
// The name as EncodeSystemName carries it, before the cut: without leading and trailing white space.
std::string_view TrimmedSystemName(std::string_view name);
// Whether the name's bytes, trimmed, fit the 64-byte field whole (a longer name would go out cut).
bool SystemNameFitsField(std::string_view name);
