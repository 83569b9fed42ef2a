#pragma once

#include <cstdint>

// What the network settings accept for a printer's IP settings.
inline constexpr unsigned kMaxPortNumber = 32767, kMaxInactiveTime = 3600;

// Ports a printing port must not take (ftp, telnet, smtp, http, https and 3318).
bool IsForbiddenPort(unsigned port);
// Addresses a printer cannot be given in manual mode: 0.0.0.0 and 255.255.255.255.
bool IsUnusableManualAddress(const std::uint8_t ip[4]);

// A subnet mask is usable when its one bits come first and it has at least one (255.0.255.0 and 0.0.0.0 are
// not).
bool IsContiguousSubnetMask(const std::uint8_t mask[4]);
// Whether ip is the network address or the broadcast address of its subnet under mask (a /31 or /32 mask
// has neither).
bool IsNetworkOrBroadcastAddress(const std::uint8_t ip[4], const std::uint8_t mask[4]);
// Whether a gateway is worth asking about: not 0.0.0.0 (no gateway) and outside ip's subnet under mask.
bool IsGatewayOutsideSubnet(const std::uint8_t ip[4], const std::uint8_t mask[4],
                            const std::uint8_t gateway[4]);
