#include "netsearch/SettingsRequest.h"

#include "netsearch/IpSettingsRules.h"
#include "netsearch/QlinkProtocol.h"
#include "netsearch/SettingsMessage.h"

#include <cstring>

namespace {

int Utf8Characters(const std::string& text) {
    int count = 0;
    for (const unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// Fills the common fields of record from request; Outcome::Send when the values pass the checks.
template <typename Record> SettingsPlan::Outcome Apply(Record& record, const SettingsRequest& request) {
    using Outcome = SettingsPlan::Outcome;
    const unsigned inactivity = request.inactivity.value_or(BigEndian16(record.I_activeTime));
    const unsigned port = request.port.value_or(BigEndian16(record.Port));
    if (inactivity > kMaxInactiveTime)
        return Outcome::InactivityTooLong;
    if (port > kMaxPortNumber)
        return Outcome::PortTooLarge;
    if (IsForbiddenPort(port))
        return Outcome::ForbiddenPort;
    if (request.ip)
        std::memcpy(record.Ip, request.ip->data(), 4);
    if (!request.dhcp && IsUnusableManualAddress(record.Ip))
        return Outcome::UnusableAddress;
    if (request.dhcp)
        std::memcpy(record.Ip, QlinkProtocol::kDhcpPlaceholderIp, 4);
    if (request.subnet)
        std::memcpy(record.Subnet, request.subnet->data(), 4);
    if (request.gateway)
        std::memcpy(record.Gateway, request.gateway->data(), 4);
    if (!request.dhcp && !IsContiguousSubnetMask(record.Subnet))
        return Outcome::BadSubnetMask;
    if (!request.dhcp && IsNetworkOrBroadcastAddress(record.Ip, record.Subnet))
        return Outcome::NetworkOrBroadcastAddress;
    record.Dhcp = request.dhcp ? 1 : 0;
    record.Port[0] = static_cast<std::uint8_t>(port >> 8);
    record.Port[1] = static_cast<std::uint8_t>(port % 256);
    record.I_activeTime[0] = static_cast<std::uint8_t>(inactivity >> 8);
    record.I_activeTime[1] = static_cast<std::uint8_t>(inactivity % 256);
    return Outcome::Send;
}

template <typename Record> bool SameCommonFields(const Record& before, const Record& after) {
    const bool sameIp = after.Dhcp || std::memcmp(before.Ip, after.Ip, 4) == 0;
    return sameIp && before.Dhcp == after.Dhcp && std::memcmp(before.Subnet, after.Subnet, 4) == 0 &&
           std::memcmp(before.Gateway, after.Gateway, 4) == 0 &&
           std::memcmp(before.Port, after.Port, 2) == 0 &&
           std::memcmp(before.I_activeTime, after.I_activeTime, 2) == 0;
}

// Whether the user must first agree to the gateway (manual mode only; 0.0.0.0 is no gateway).
template <typename Record> bool AsksAboutTheGateway(const Record& updated, const SettingsRequest& request) {
    return !request.dhcp && !request.gatewayConfirmed &&
           IsGatewayOutsideSubnet(updated.Ip, updated.Subnet, updated.Gateway);
}

} // namespace

SettingsPlan PlanWiredSettings(const ETHERNET_INFO& record, const SettingsRequest& request) {
    SettingsPlan plan;
    plan.nPrinterNetworkType = VRX_WIRED_PRINTER;
    plan.nLocalNetworkInterface = record.byLocalNetworkInterface;
    if (request.name) {
        plan.outcome = SettingsPlan::Outcome::NoSystemName;
        return plan;
    }
    ETHERNET_INFO updated = record;
    plan.outcome = Apply(updated, request);
    if (plan.outcome != SettingsPlan::Outcome::Send)
        return plan;
    if (SameCommonFields(record, updated)) {
        plan.outcome = SettingsPlan::Outcome::Same;
        return plan;
    }
    if (AsksAboutTheGateway(updated, request)) {
        plan.outcome = SettingsPlan::Outcome::GatewayOutsideSubnet;
        return plan;
    }
    plan.message = BuildWiredSettingsMessage(updated);
    return plan;
}

SettingsPlan PlanWirelessSettings(const WLAN_INFO& record, const SettingsRequest& request) {
    SettingsPlan plan;
    plan.nPrinterNetworkType = VRX_WIRELESS_PRINTER;
    plan.nLocalNetworkInterface = record.byLocalNetworkInterface;
    const bool named = (record.Mask[0] & VRX_MASK_SYSTEM_NAME) != 0;
    if (request.name && !named) {
        plan.outcome = SettingsPlan::Outcome::NoSystemName;
        return plan;
    }
    if (request.name) {
        // Characters as the settings page's field counts them, then bytes as the printer's field holds
        // them: a name that would go out cut is refused with its byte count.
        plan.nameLength = Utf8Characters(*request.name);
        const bool characters = plan.nameLength == 0 || plan.nameLength > 64;
        if (!characters && !SystemNameFitsField(*request.name))
            plan.nameLength = static_cast<int>(TrimmedSystemName(*request.name).size());
        if (characters || !SystemNameFitsField(*request.name)) {
            plan.outcome = SettingsPlan::Outcome::NameLength;
            return plan;
        }
    }
    WLAN_INFO updated = record;
    plan.outcome = Apply(updated, request);
    if (plan.outcome != SettingsPlan::Outcome::Send)
        return plan;
    if (request.name)
        EncodeSystemName(*request.name, updated.SystemName);
    const bool sameName = !named || std::memcmp(record.SystemName, updated.SystemName, 64) == 0;
    if (sameName && SameCommonFields(record, updated)) {
        plan.outcome = SettingsPlan::Outcome::Same;
        return plan;
    }
    if (AsksAboutTheGateway(updated, request)) {
        plan.outcome = SettingsPlan::Outcome::GatewayOutsideSubnet;
        return plan;
    }
    plan.message = BuildWirelessSettingsMessage(updated);
    return plan;
}

SettingsPlan CheckSettingsValues(const SettingsRequest& request) {
    WLAN_INFO blank{};
    blank.Mask[0] = VRX_MASK_SYSTEM_NAME; // so that a name is checked too
    return PlanWirelessSettings(blank, request);
}
