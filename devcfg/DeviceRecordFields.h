#pragma once

#include "devcfg/DeviceRecords.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The fields of WLAN_ADVANCED_CONFIG_INFO by name, for the command line's listings and the module
// simulator's configuration and state: every byte of the record belongs to exactly one entry, the carried
// ones included, so a record survives a round trip through its named form unchanged.
namespace DeviceRecordFields {

enum class Kind {
    Text,     // zero-filled text
    Number,   // one byte
    Number16, // two bytes, high byte first
    Ipv4,     // four bytes, "%d.%d.%d.%d"
    Bytes,    // not interpreted: lower-case hex text
};

struct Field {
    std::string_view name;
    std::size_t offset;
    std::size_t size;
    Kind kind;
    bool secret; // a password, key or community: shown as "********" unless asked for
};

// In record order.
std::span<const Field> All();
const Field* Find(std::string_view name);

inline constexpr std::string_view kMaskedSecret = "********";

// The field's value as text ("Office", "3", "192.0.2.7", "00ff..."), secrets masked unless showSecrets.
std::string Text(const WLAN_ADVANCED_CONFIG_INFO& record, const Field& field, bool showSecrets);
// Sets the field from text of the form Text gives (a text, decimal digits, a dotted address, hex digits).
// False, with error and the record unchanged, when the text does not fit the field.
bool SetText(WLAN_ADVANCED_CONFIG_INFO& record, const Field& field, const std::string& text,
             std::string& error);

// Whether the field is one of the bytes that variant carries.
bool CarriedBy(const Field& field, DeviceRecords::ConfigVariant variant);

} // namespace DeviceRecordFields
