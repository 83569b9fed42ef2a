#include "netsearch/DiscoveryAnswer.h"

#include "netsearch/QlinkProtocol.h"

#include <cstring>

namespace {

constexpr std::size_t kWiredRecordOffset = 4;
constexpr std::size_t kWirelessRecordOffset = 18;
constexpr std::size_t kWiredBytesShort = 26; // record offsets 0..25, without Http
constexpr std::size_t kWiredBytesLong = 27;  // 0..26, with Http
constexpr std::size_t kWirelessBytes = 29;   // 0..28, up to Mask[1]

} // namespace

DiscoveryAnswer ClassifyDiscoveryAnswer(const std::uint8_t* data, std::size_t length,
                                        std::uint8_t nLocalNetworkInterface) {
    using namespace QlinkProtocol;
    DiscoveryAnswer answer;
    if (!data)
        return answer;

    if (length >= kWiredAnswerMinLength && StartsWith(data, length, kWiredAnswerHeader)) {
        answer.kind = DiscoveryAnswerKind::Wired;
        const std::size_t bytes = length == kWiredAnswerMinLength ? kWiredBytesShort : kWiredBytesLong;
        std::memcpy(&answer.ethernet, data + kWiredRecordOffset, bytes);
        answer.ethernet.byLocalNetworkInterface = nLocalNetworkInterface;
        return answer;
    }

    if (length >= kWirelessAnswerMinLength && StartsWith(data, length, kWirelessAnswerHeader)) {
        answer.kind = DiscoveryAnswerKind::Wireless;
        std::memcpy(&answer.wlan, data + kWirelessRecordOffset, kWirelessBytes);
        if ((answer.wlan.Mask[0] & VRX_MASK_SYSTEM_NAME) && length >= kWirelessAnswerNameLength) {
            std::memcpy(answer.wlan.SystemName, data + kWirelessAnswerMinLength,
                        sizeof answer.wlan.SystemName);
            answer.systemNameCopied = true;
        }
        answer.wlan.byLocalNetworkInterface = nLocalNetworkInterface;
    }
    return answer;
}
