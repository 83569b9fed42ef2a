#include "devcfg/DeviceRecordFields.h"

#include <cstdio>
#include <cstring>

namespace DeviceRecordFields {

namespace {

using K = Kind;
#define QL_FIELD(member, kind, secret)                                                                       \
    Field {                                                                                                  \
#member, offsetof(WLAN_ADVANCED_CONFIG_INFO, member), sizeof(WLAN_ADVANCED_CONFIG_INFO::member),     \
            kind, secret                                                                                     \
    }

constexpr Field kFields[] = {
    QL_FIELD(bySystemName, K::Text, false),
    QL_FIELD(byCarried64, K::Bytes, false),
    QL_FIELD(byNetworkMode, K::Number, false),
    QL_FIELD(byIPConfigMode, K::Number, false),
    QL_FIELD(byIP, K::Ipv4, false),
    QL_FIELD(bySubnetMask, K::Ipv4, false),
    QL_FIELD(byGateway, K::Ipv4, false),
    QL_FIELD(bySSID, K::Text, false),
    QL_FIELD(byAuthentication, K::Number, false),
    QL_FIELD(byEncryption, K::Number, false),
    QL_FIELD(byWEP_Key0, K::Text, true),
    QL_FIELD(byCarried139, K::Bytes, false),
    QL_FIELD(byPSK_Key, K::Text, true),
    QL_FIELD(byAdhocChannel, K::Number, false),
    QL_FIELD(byEAPMode, K::Number, false),
    QL_FIELD(szEAP_Id, K::Text, false),
    QL_FIELD(szEAP_Password, K::Text, true),
    QL_FIELD(byP2P_Carried, K::Bytes, false),
    QL_FIELD(byP2P_PinCode, K::Text, true),
    QL_FIELD(byP2P_Channel, K::Text, false),
    QL_FIELD(byUserName, K::Text, false),
    QL_FIELD(byUserPassword, K::Text, true),
    QL_FIELD(byPortNumber, K::Number16, false),
    QL_FIELD(byCarried426, K::Bytes, false),
    QL_FIELD(byWebSSL, K::Number, false),
    QL_FIELD(byTelnet, K::Number, false),
    QL_FIELD(byFTP, K::Number, false),
    QL_FIELD(bySNMP, K::Number, false),
    QL_FIELD(bySNMPTrap, K::Number, false),
    QL_FIELD(szSNMPSetCommunity, K::Text, true),
    QL_FIELD(bySNMPGetCommunity, K::Text, true),
    QL_FIELD(szSNMPTrapCommunity, K::Text, true),
    QL_FIELD(byTrapIP, K::Ipv4, false),
    QL_FIELD(byIncativityTime, K::Number16, false),
    QL_FIELD(byRFMode, K::Number, false),
    QL_FIELD(byDummy3, K::Number, false),
    QL_FIELD(byFrameChecksum, K::Bytes, false),
};
#undef QL_FIELD

constexpr std::size_t TotalSize() {
    std::size_t total = 0;
    for (const Field& field : kFields)
        total += field.size;
    return total;
}
static_assert(TotalSize() == sizeof(WLAN_ADVANCED_CONFIG_INFO), "every byte of the record is named once");

const std::uint8_t* At(const WLAN_ADVANCED_CONFIG_INFO& record, const Field& field) {
    return reinterpret_cast<const std::uint8_t*>(&record) + field.offset;
}
std::uint8_t* At(WLAN_ADVANCED_CONFIG_INFO& record, const Field& field) {
    return reinterpret_cast<std::uint8_t*>(&record) + field.offset;
}

std::string HexText(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}

bool ParseUnsigned(const std::string& text, unsigned long limit, unsigned long& out) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoul(text);
    return out <= limit;
}

} // namespace

std::span<const Field> All() {
    return kFields;
}

const Field* Find(std::string_view name) {
    for (const Field& field : kFields)
        if (field.name == name)
            return &field;
    return nullptr;
}

std::string Text(const WLAN_ADVANCED_CONFIG_INFO& record, const Field& field, bool showSecrets) {
    const std::uint8_t* data = At(record, field);
    if (field.secret && !showSecrets)
        return std::string(kMaskedSecret);
    switch (field.kind) {
    case Kind::Text:
        return DeviceRecords::FieldText(data, field.size);
    case Kind::Number:
        return std::to_string(data[0]);
    case Kind::Number16:
        return std::to_string((data[0] << 8) | data[1]);
    case Kind::Ipv4: {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%d.%d.%d", data[0], data[1], data[2], data[3]);
        return text;
    }
    case Kind::Bytes:
        break;
    }
    return HexText(data, field.size);
}

bool SetText(WLAN_ADVANCED_CONFIG_INFO& record, const Field& field, const std::string& text,
             std::string& error) {
    std::uint8_t* data = At(record, field);
    const std::string name(field.name);
    unsigned long number = 0;
    switch (field.kind) {
    case Kind::Text:
        if (text.size() > field.size) {
            error = name + ": longer than " + std::to_string(field.size) + " bytes";
            return false;
        }
        std::memset(data, 0, field.size);
        std::memcpy(data, text.data(), text.size());
        return true;
    case Kind::Number:
    case Kind::Number16:
        if (!ParseUnsigned(text, field.kind == Kind::Number ? 0xFF : 0xFFFF, number)) {
            error =
                name + ": a number up to " + (field.kind == Kind::Number ? "255" : "65535") + " is wanted";
            return false;
        }
        if (field.kind == Kind::Number) {
            data[0] = static_cast<std::uint8_t>(number);
        } else {
            data[0] = static_cast<std::uint8_t>(number >> 8);
            data[1] = static_cast<std::uint8_t>(number & 0xFF);
        }
        return true;
    case Kind::Ipv4: {
        unsigned parts[4];
        char tail = 0;
        if (std::sscanf(text.c_str(), "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3],
                        &tail) != 4 ||
            parts[0] > 255 || parts[1] > 255 || parts[2] > 255 || parts[3] > 255) {
            error = name + ": an IPv4 address is wanted";
            return false;
        }
        for (int i = 0; i < 4; ++i)
            data[i] = static_cast<std::uint8_t>(parts[i]);
        return true;
    }
    case Kind::Bytes:
        if (text.size() != 2 * field.size ||
            text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            error = name + ": " + std::to_string(2 * field.size) + " hex digits are wanted";
            return false;
        }
        for (std::size_t i = 0; i < field.size; ++i)
            data[i] = static_cast<std::uint8_t>(std::stoul(text.substr(2 * i, 2), nullptr, 16));
        return true;
    }
    return false;
}

bool CarriedBy(const Field& field, DeviceRecords::ConfigVariant variant) {
    for (const DeviceRecords::ByteRange& range : DeviceRecords::CarriedRanges(variant))
        if (field.offset >= range.offset && field.offset + field.size <= range.offset + range.size)
            return true;
    return false;
}

} // namespace DeviceRecordFields
