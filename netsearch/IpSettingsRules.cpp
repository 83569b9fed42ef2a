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
