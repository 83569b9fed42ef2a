#pragma once

#include "devcfg/DeviceRecords.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>

// How the device commands show a module's records: every field by name, with the meaning of coded values,
// and the secrets masked unless asked for.
namespace DeviceConfigOutput {

// The fields the variant carries, by name; numbers as numbers.
nlohmann::json RecordJson(const WLAN_ADVANCED_CONFIG_INFO& record, DeviceRecords::ConfigVariant variant,
                          bool showSecrets);
// One line per field the variant carries: the name, the value and, for coded values, their meaning.
void PrintRecord(const WLAN_ADVANCED_CONFIG_INFO& record, DeviceRecords::ConfigVariant variant,
                 bool showSecrets, std::FILE* out);

nlohmann::json SystemJson(const WLAN_ADVANCED_SYS_INFO& info);
// The MAC address as the settings page shows it: "00:1A:2B:3C:4D:5E".
std::string MacText(const std::uint8_t (&mac)[6]);

// One scanned access point.
nlohmann::json BssJson(const BSS_INFO& entry);
// "Infrastructure", "WPA2" and the like; "UNKNOWN" for other codes.
std::string BssNetworkMode(std::uint8_t mode);
std::string BssSecurity(std::uint8_t security);

// The lines that differ between two records: "name: old -> new", secrets masked ("changed").
std::vector<std::string> Differences(const WLAN_ADVANCED_CONFIG_INFO& a, DeviceRecords::ConfigVariant va,
                                     const WLAN_ADVANCED_CONFIG_INFO& b, DeviceRecords::ConfigVariant vb,
                                     bool showSecrets);

} // namespace DeviceConfigOutput
