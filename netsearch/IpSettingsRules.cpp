#include "netsearch/IpSettingsRules.h"

#include <algorithm>
#include <array>

bool IsForbiddenPort(unsigned port) {
    constexpr std::array<unsigned, 6> kForbidden = {21, 23, 25, 80, 443, 3318};
    return std::find(kForbidden.begin(), kForbidden.end(), port) != kForbidden.end();
}

bool IsUnusableManualAddress(const std::uint8_t ip[4]) {
    const bool zeros = ip[0] == 0 && ip[1] == 0 && ip[2] == 0 && ip[3] == 0;
    const bool ones = ip[0] == 255 && ip[1] == 255 && ip[2] == 255 && ip[3] == 255;
    return zeros || ones;
}

namespace {

std::uint32_t HostOrder(const std::uint8_t bytes[4]) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

} // namespace

bool IsContiguousSubnetMask(const std::uint8_t mask[4]) {
    const std::uint32_t value = HostOrder(mask);
    // Ones then zeros: the inverted mask plus one is a power of two (or zero for 255.255.255.255).
    const std::uint32_t hostBits = ~value;
    return value != 0 && (hostBits & (hostBits + 1)) == 0;
}

bool IsNetworkOrBroadcastAddress(const std::uint8_t ip[4], const std::uint8_t mask[4]) {
    const std::uint32_t address = HostOrder(ip), hostBits = ~HostOrder(mask);
    if (hostBits <= 1)
        return false;
    return (address & hostBits) == 0 || (address & hostBits) == hostBits;
}

bool IsGatewayOutsideSubnet(const std::uint8_t ip[4], const std::uint8_t mask[4],
                            const std::uint8_t gateway[4]) {
    const std::uint32_t via = HostOrder(gateway), netmask = HostOrder(mask);
    return via != 0 && (via & netmask) != (HostOrder(ip) & netmask);
}
