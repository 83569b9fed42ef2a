#include "netsearch/SettingsMessage.h"

#include "app/Utf8.h"
#include "netsearch/QlinkProtocol.h"

#include <cstring>

namespace {

constexpr std::size_t kWiredRecordBytes = 26;           // MacAddr .. I_activeTime
constexpr std::size_t kWirelessRecordBytesNamed = 93;   // MacAddr .. SystemName
constexpr std::size_t kWirelessRecordBytesUnnamed = 29; // MacAddr .. Mask[1]

template <typename Record>
std::vector<std::uint8_t> Message(std::string_view header, const Record& record, std::size_t recordBytes,
                                  bool closingZero) {
    std::vector<std::uint8_t> message(header.begin(), header.end());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    message.insert(message.end(), bytes, bytes + recordBytes);
    if (closingZero)
        message.push_back(0);
    return message;
}

} // namespace

std::vector<std::uint8_t> BuildWiredSettingsMessage(const ETHERNET_INFO& record) {
    return Message(QlinkProtocol::kWiredSettingsHeader, record, kWiredRecordBytes, false);
}

std::vector<std::uint8_t> BuildWirelessSettingsMessage(const WLAN_INFO& record) {
    const bool named = (record.Mask[0] & VRX_MASK_SYSTEM_NAME) != 0;
    return Message(QlinkProtocol::kWirelessSettingsHeader, record,
                   named ? kWirelessRecordBytesNamed : kWirelessRecordBytesUnnamed, true);
}

std::string_view TrimmedSystemName(std::string_view name) {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const std::size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return name.substr(first, name.find_last_not_of(kWhiteSpace) - first + 1);
}

bool SystemNameFitsField(std::string_view name) {
    return TrimmedSystemName(name).size() <= sizeof WLAN_INFO{}.SystemName;
}

void EncodeSystemName(std::string_view name, std::uint8_t (&field)[64]) {
    std::memset(field, 0, sizeof field);
    const std::string_view cut = Utf8::CutToBytes(TrimmedSystemName(name), sizeof field);
    if (!cut.empty()) // an empty view may have no data at all
        std::memcpy(field, cut.data(), cut.size());
}
