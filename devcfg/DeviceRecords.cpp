#include "devcfg/DeviceRecords.h"

#include "app/DiagnosticLog.h"
#include "app/Utf8.h"
#include "devcfg/DeviceFrame.h"
#include "devcfg/PropertyTable.h"

#include <cstddef>
#include <cstring>

namespace DeviceRecords {

namespace {

constexpr ByteRange kBasicRanges[] = {{0, 347}, {360, 256}};
constexpr ByteRange kWifiDirectRanges[] = {{0, 616}};
constexpr ByteRange kWifiDirectRfRanges[] = {{0, 618}};

const std::uint8_t* Bytes(const WLAN_ADVANCED_CONFIG_INFO& record) {
    return reinterpret_cast<const std::uint8_t*>(&record);
}
std::uint8_t* Bytes(WLAN_ADVANCED_CONFIG_INFO& record) {
    return reinterpret_cast<std::uint8_t*>(&record);
}

} // namespace

std::span<const ByteRange> CarriedRanges(ConfigVariant variant) {
    switch (variant) {
    case ConfigVariant::Basic:
        return kBasicRanges;
    case ConfigVariant::WifiDirect:
        return kWifiDirectRanges;
    case ConfigVariant::WifiDirectRf:
        break;
    }
    return kWifiDirectRfRanges;
}

std::size_t PayloadSize(ConfigVariant variant) {
    std::size_t size = 0;
    for (const ByteRange& range : CarriedRanges(variant))
        size += range.size;
    return size;
}

std::size_t FrameLength(ConfigVariant variant) {
    const std::size_t length = DeviceFrame::kHeaderSize + PayloadSize(variant);
    return 2 * (length + length % 2 + 2) + 4;
}

ConfigVariant VariantForFlags(bool bWifiDirect, bool bRfModeSelection) {
    if (!bWifiDirect)
        return ConfigVariant::Basic;
    return bRfModeSelection ? ConfigVariant::WifiDirectRf : ConfigVariant::WifiDirect;
}

std::optional<ConfigVariant> VariantForFrameLength(std::size_t N) {
    if (N >= 1280)
        return ConfigVariant::WifiDirectRf;
    if (N >= 1276)
        return ConfigVariant::WifiDirect;
    if (N >= 1250)
        return ConfigVariant::Basic;
    return std::nullopt;
}

std::vector<std::uint8_t> RecordToPayload(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant) {
    std::vector<std::uint8_t> payload;
    payload.reserve(PayloadSize(variant));
    for (const ByteRange& range : CarriedRanges(variant))
        payload.insert(payload.end(), Bytes(record) + range.offset,
                       Bytes(record) + range.offset + range.size);
    return payload;
}

bool PayloadToRecord(const std::uint8_t* afterHeader, std::size_t available, ConfigVariant variant,
                     WLAN_ADVANCED_CONFIG_INFO& record) {
    const std::size_t needed =
        variant == ConfigVariant::WifiDirectRf ? sizeof(WLAN_ADVANCED_CONFIG_INFO) : PayloadSize(variant);
    if (!afterHeader || available < needed)
        return false;
    std::memset(&record, 0, sizeof record);
    if (variant == ConfigVariant::WifiDirectRf) {
        std::memcpy(&record, afterHeader, sizeof record);
        return true;
    }
    std::size_t position = 0;
    for (const ByteRange& range : CarriedRanges(variant)) {
        std::memcpy(Bytes(record) + range.offset, afterHeader + position, range.size);
        position += range.size;
    }
    return true;
}

std::vector<std::uint8_t> ConfigurationFrame(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant,
                                             bool bForSending, std::uint8_t modeLetter) {
    const std::vector<std::uint8_t> payload = RecordToPayload(record, variant);
    return DeviceFrame::BuildFrame(bForSending ? modeLetter : DeviceFrame::kModeReply,
                                   bForSending ? DeviceFrame::kIfSet : DeviceFrame::kIfCur, payload.data(),
                                   payload.size());
}

std::span<const ByteRange> ItemFields(int nGrid, int nItemId) {
    return PropertyTable::SentFields(nGrid, nItemId);
}

WLAN_ADVANCED_CONFIG_INFO MergeVisibleItems(const WLAN_ADVANCED_CONFIG_INFO& asRead,
                                            const WLAN_ADVANCED_CONFIG_INFO& working,
                                            const std::vector<int>& grid1Visible,
                                            const std::vector<int>& grid2Visible) {
    WLAN_ADVANCED_CONFIG_INFO result = asRead;
    const std::vector<int>* grids[] = {&grid1Visible, &grid2Visible};
    for (int grid = 1; grid <= 2; ++grid) {
        for (const int item : *grids[grid - 1]) {
            for (const ByteRange& field : ItemFields(grid, item))
                std::memcpy(Bytes(result) + field.offset, Bytes(working) + field.offset, field.size);
        }
    }
    return result;
}

int ParseBssResponse(const std::uint8_t* message, std::size_t n, BSS_INFO (&table)[VRX_MAX_BSS_INFO]) {
    std::memset(table, 0, sizeof table);
    int count = 0;
    if (!message || n < DeviceFrame::kHeaderSize + 2)
        return 0;
    const std::size_t end = n - 2; // the checksum follows the entries
    std::size_t position = DeviceFrame::kHeaderSize;
    while (end >= position && end - position >= 15) {
        if (count >= VRX_MAX_BSS_INFO) {
            WriteLog("ReceiveBssInformation : break loop");
            break;
        }
        const std::size_t ssidLength = message[position + 1];
        if (end - position < 14 + ssidLength) {
            WriteLog("ReceiveBssInformation : entry %d runs past the end of the message", count);
            break;
        }
        BSS_INFO entry{};
        entry.byIndex = static_cast<std::uint8_t>(count);
        entry.byFirst = message[position++];
        entry.bySSIDLength = message[position++];
        std::memcpy(entry.bySSID, message + position, ssidLength < 32 ? ssidLength : 32);
        position += ssidLength;
        entry.byExtra[0] = message[position++];
        entry.byExtra[1] = message[position++];
        std::memcpy(entry.byBSSID, message + position, 6);
        position += 6;
        entry.byNetworkMode = message[position++];
        SetRssi(entry, static_cast<std::int16_t>(
                           static_cast<std::uint16_t>((message[position] << 8) | message[position + 1])));
        position += 2;
        entry.bySecurity = message[position++];
        if (!IsBlank(FieldText(entry.bySSID)))
            table[count++] = entry;
    }
    return count;
}

std::string FieldText(const std::uint8_t* field, std::size_t size) {
    if (!field)
        return {};
    const void* zero = std::memchr(field, 0, size);
    const std::size_t length = zero ? static_cast<const std::uint8_t*>(zero) - field : size;
    return std::string(reinterpret_cast<const char*>(field), length);
}

void SetFieldText(std::uint8_t* field, std::size_t size, std::string_view text) {
    std::memset(field, 0, size);
    const std::string_view cut = Utf8::CutToBytes(text, size);
    if (!cut.empty())
        std::memcpy(field, cut.data(), cut.size());
}

bool IsBlank(std::string_view text) {
    // Trimming works on the text as characters: ASCII white space and the Unicode spaces.
    const std::u16string wide = Utf8::ToUtf16(text);
    for (const char16_t c : wide) {
        const bool space = (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
                           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
                           c == 0x205F || c == 0x3000;
        if (!space)
            return false;
    }
    return true;
}

const char* VariantName(ConfigVariant variant) {
    switch (variant) {
    case ConfigVariant::Basic:
        return "basic";
    case ConfigVariant::WifiDirect:
        return "wifi-direct";
    case ConfigVariant::WifiDirectRf:
        break;
    }
    return "wifi-direct-rf";
}

} // namespace DeviceRecords
