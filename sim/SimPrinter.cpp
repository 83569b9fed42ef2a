#include "sim/SimPrinter.h"

#include "netsearch/QlinkProtocol.h"

#include <cstring>

namespace {

constexpr std::size_t kWiredSettingsLength = 30;    // "SETT" + record offsets 0..25
constexpr std::size_t kWirelessSettingsShort = 48;  // header + offsets 0..28 + 0
constexpr std::size_t kWirelessSettingsNamed = 112; // header + offsets 0..92 + 0

std::vector<std::uint8_t> WithHeader(std::string_view header, const void* record, std::size_t bytes) {
    std::vector<std::uint8_t> out(header.begin(), header.end());
    const auto* begin = static_cast<const std::uint8_t*>(record);
    out.insert(out.end(), begin, begin + bytes);
    return out;
}

} // namespace

SimPrinter::SimPrinter(Kind kind, const WLAN_INFO& record, Behaviour behaviour)
    : m_kind(kind), m_record(record), m_behaviour(std::move(behaviour)) {}

std::vector<std::uint8_t> SimPrinter::Answer() const {
    using namespace QlinkProtocol;
    std::vector<std::uint8_t> answer =
        m_kind == Kind::Wired ? WithHeader(kWiredAnswerHeader, &m_record, 27)     // up to Http
                              : WithHeader(kWirelessAnswerHeader, &m_record, 93); // with the name
    answer.resize(m_behaviour.answerLength, 0);
    return answer;
}

bool SimPrinter::ApplySettings(const std::uint8_t* message, std::size_t length) {
    using namespace QlinkProtocol;
    std::size_t offset = 0;
    if (m_kind == Kind::Wired && length >= kWiredSettingsLength &&
        StartsWith(message, length, kWiredSettingsHeader))
        offset = kWiredSettingsHeader.size();
    else if (m_kind == Kind::Wireless && length >= kWirelessSettingsShort &&
             StartsWith(message, length, kWirelessSettingsHeader))
        offset = kWirelessSettingsHeader.size();
    else
        return false;

    WLAN_INFO sent{};
    std::memcpy(&sent, message + offset, std::min<std::size_t>(length - offset, 93));
    if (std::memcmp(sent.MacAddr, m_record.MacAddr, sizeof sent.MacAddr) != 0)
        return false;

    m_record.Dhcp = sent.Dhcp ? 1 : 0;
    if (!m_record.Dhcp)
        std::memcpy(m_record.Ip, sent.Ip, 4);
    else if (m_behaviour.dhcpAddress)
        std::memcpy(m_record.Ip, m_behaviour.dhcpAddress->data(), 4);
    // In DHCP mode the message carries a placeholder address; without a DHCP address of its own the
    // printer keeps the one it has, as if its lease were renewed.
    std::memcpy(m_record.Subnet, sent.Subnet, 4);
    std::memcpy(m_record.Gateway, sent.Gateway, 4);
    std::memcpy(m_record.Port, sent.Port, 2);
    std::memcpy(m_record.I_activeTime, sent.I_activeTime, 2);
    if (m_kind == Kind::Wireless && length >= kWirelessSettingsNamed &&
        (m_record.Mask[0] & VRX_MASK_SYSTEM_NAME))
        std::memcpy(m_record.SystemName, sent.SystemName, sizeof m_record.SystemName);
    return true;
}

std::vector<std::uint8_t> SimPrinter::SettingsConfirmation() const {
    using namespace QlinkProtocol;
    switch (m_behaviour.settingsReply) {
    case SettingsReply::SetResponse:
        return {kSettingsReplyHeader.begin(), kSettingsReplyHeader.end()};
    case SettingsReply::Complete:
        return {kSettingsCompleteHeader.begin(), kSettingsCompleteHeader.end()};
    case SettingsReply::None:
        break;
    }
    return {};
}

nlohmann::json SimPrinter::ToJson() const {
    const WLAN_INFO& r = m_record;
    nlohmann::json out = {
        {"type", m_kind == Kind::Wired ? "wired" : "wireless"},
        {"mac", Mac()},
        {"ip", Ipv4Text(r.Ip)},
        {"subnet", Ipv4Text(r.Subnet)},
        {"gateway", Ipv4Text(r.Gateway)},
        {"port", BigEndian16(r.Port)},
        {"baudrate", r.Baudrate},
        {"firmware", std::to_string(r.FwVer[0]) + "." + std::to_string(r.FwVer[1])},
        {"dhcp", r.Dhcp},
        {"inactivity", BigEndian16(r.I_activeTime)},
        {"http", r.Http},
    };
    if (m_kind == Kind::Wireless) {
        out["mask"] = {r.Mask[0], r.Mask[1]};
        const void* zero = std::memchr(r.SystemName, 0, sizeof r.SystemName);
        const std::size_t length =
            zero ? static_cast<const std::uint8_t*>(zero) - r.SystemName : sizeof r.SystemName;
        out["name"] = std::string(reinterpret_cast<const char*>(r.SystemName), length);
    }
    return out;
}
