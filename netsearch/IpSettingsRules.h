#pragma once

#include <cstdint>

// What the network settings accept for a printer's IP settings.
inline constexpr unsigned kMaxPortNumber = 32767, kMaxInactiveTime = 3600;

// Ports a printing port must not take (ftp, telnet, smtp, http, https and 3318).
bool IsForbiddenPort(unsigned port);
// Addresses a printer cannot be given in manual mode: 0.0.0.0 and 255.255.255.255.
bool IsUnusableManualAddress(const std::uint8_t ip[4]);
