#include "cli/DeviceConfigOutput.h"

#include "devcfg/DeviceRecordFields.h"
#include "devcfg/DeviceRecordJson.h"

#include <cstring>

namespace DeviceConfigOutput {

namespace {

using DeviceRecordFields::Field;
using DeviceRecords::ConfigVariant;
using DeviceRecords::VariantName;

// The meaning of a coded one-byte field, or "".
std::string Meaning(const Field& field, std::uint8_t value) {
    const std::string_view name = field.name;
    auto pick = [value](std::initializer_list<const char*> names) -> std::string {
        return value < names.size() ? *(names.begin() + value) : "";
    };
    if (name == "byNetworkMode")
        return pick({"Infrastructure", "Adhoc", "Wi-Fi Direct", "Soft AP"});
    if (name == "byIPConfigMode")
        return pick({"manual address", "DHCP"});
    if (name == "byAuthentication")
        return pick({"Open System", "Shared Key", "WPA-PSK", "WPA2-PSK", "WPA-EAP", "WPA2-EAP"});
    if (name == "byEncryption")
        return pick({"None", "WEP-64", "WEP-128", "TKIP", "AES", "AES + TKIP"});
    if (name == "byEAPMode")
        return pick({"EAP-PEAP", "EAP-TTLS", "EAP-TLS", "EAP-LEAP", "EAP-FAST"});
    if (name == "byRFMode")
        return pick({"2.4GHz", "5GHz", "2.4GHz/5GHz (Priority: 2.4GHz)", "2.4GHz/5Ghz (Priority: 5GHz)"});
    if (name == "bySNMP" && value == VRX_SNMP_NOT_OFFERED)
        return "not offered";
    if (name == "byWebSSL" || name == "byTelnet" || name == "byFTP" || name == "bySNMP" ||
        name == "bySNMPTrap")
        return pick({"disabled", "enabled"});
    if (name == "byDummy3") {
        std::string bits;
        auto add = [&bits](const char* text) { bits += (bits.empty() ? "" : ", ") + std::string(text); };
        if (value & VRX_DUMMY3_CERTIFICATE_SUPPORT)
            add("certificates");
        add(value & VRX_DUMMY3_DHCP_OPTION12_DISABLED ? "DHCP option 12 disabled" : "DHCP option 12 enabled");
        add(value & VRX_DUMMY3_DHCP_OPTION77_DISABLED ? "DHCP option 77 disabled" : "DHCP option 77 enabled");
        return bits;
    }
    return "";
}

const std::uint8_t* At(const WLAN_ADVANCED_CONFIG_INFO& record, const Field& field) {
    return reinterpret_cast<const std::uint8_t*>(&record) + field.offset;
}

} // namespace

nlohmann::json RecordJson(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant, bool showSecrets) {
    nlohmann::json out = nlohmann::json::object();
    for (const Field& field : DeviceRecordFields::All())
        if (DeviceRecordFields::CarriedBy(field, variant))
            out[std::string(field.name)] = DeviceRecordJson::Value(record, field, showSecrets);
    return out;
}

void PrintRecord(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant, bool showSecrets,
                 std::FILE* out) {
    for (const Field& field : DeviceRecordFields::All()) {
        if (!DeviceRecordFields::CarriedBy(field, variant))
            continue;
        const std::string value = DeviceRecordFields::Text(record, field, showSecrets);
        const std::string meaning =
            field.kind == DeviceRecordFields::Kind::Number ? Meaning(field, *At(record, field)) : "";
        std::fprintf(out, "  %-20s %s%s\n", std::string(field.name).c_str(), value.c_str(),
                     meaning.empty() ? "" : (" (" + meaning + ")").c_str());
    }
}

std::string MacText(const std::uint8_t (&mac)[6]) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

nlohmann::json SystemJson(const WLAN_ADVANCED_SYS_INFO& info) {
    return {{"firmware_version", DeviceRecords::FieldText(info.FW_VERSION)},
            {"firmware_date", DeviceRecords::FieldText(info.FW_DATE)},
            {"mac", MacText(info.FW_MACADDRESS)}};
}

std::string BssNetworkMode(std::uint8_t mode) {
    return mode == 0 ? "Infrastructure" : mode == 1 ? "Adhoc" : "UNKNOWN";
}

std::string BssSecurity(std::uint8_t security) {
    switch (security) {
    case 0:
        return "None";
    case 1:
        return "WEP-64";
    case 2:
        return "WEP-128";
    case 3:
        return "WEP-64/WEP-128";
    case 4:
        return "WPA";
    case 8:
        return "WPA2";
    case 12:
        return "WPA/WPA2";
    }
    return "";
}

nlohmann::json BssJson(const BSS_INFO& entry) {
    return {{"ssid", DeviceRecords::FieldText(entry.bySSID)}, {"bssid", MacText(entry.byBSSID)},
            {"mode", BssNetworkMode(entry.byNetworkMode)},    {"rssi", DeviceRecords::Rssi(entry)},
            {"security", BssSecurity(entry.bySecurity)},      {"security_code", entry.bySecurity}};
}

std::vector<std::string> Differences(const WLAN_ADVANCED_CONFIG_INFO& a, ConfigVariant va,
                                     const WLAN_ADVANCED_CONFIG_INFO& b, ConfigVariant vb, bool showSecrets) {
    std::vector<std::string> lines;
    if (va != vb)
        lines.push_back(std::string("variant: ") + VariantName(va) + " -> " + VariantName(vb));
    for (const Field& field : DeviceRecordFields::All()) {
        const bool inA = DeviceRecordFields::CarriedBy(field, va);
        const bool inB = DeviceRecordFields::CarriedBy(field, vb);
        if (!inA && !inB)
            continue;
        if (inA && inB && std::memcmp(At(a, field), At(b, field), field.size) == 0)
            continue;
        const std::string name(field.name);
        const std::string from = inA ? DeviceRecordFields::Text(a, field, showSecrets) : "(not carried)";
        const std::string to = inB ? DeviceRecordFields::Text(b, field, showSecrets) : "(not carried)";
        if (field.secret && !showSecrets && inA && inB)
            lines.push_back(name + ": changed");
        else
            lines.push_back(name + ": " + from + " -> " + to);
    }
    return lines;
}

} // namespace DeviceConfigOutput
