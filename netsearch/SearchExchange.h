#pragma once

#include <array>
#include <cstdint>
#include <optional>

// One discovery exchange of a search round: the requests of one printer type sent out of one local
// interface, and the answers that come in on that interface for that type.
struct SearchExchange {
    int nLocalNetworkInterface = 0;
    int nPrinterNetworkType = 0;
    // The requests go to this directed broadcast address of a subnet behind a router instead of the
    // interface's own broadcast address; the exchange takes the answers from that subnet.
    std::optional<std::array<std::uint8_t, 4>> directed;
    std::array<std::uint8_t, 4> network{}; // the directed subnet: network address and prefix length
    int prefix = 0;
};
