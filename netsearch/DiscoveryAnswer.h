#pragma once

#include "netsearch/PrinterRecords.h"

#include <cstddef>
#include <cstdint>

enum class DiscoveryAnswerKind { None, Wired, Wireless };

// What one received datagram says: nothing, a wired printer or a wireless printer.
struct DiscoveryAnswer {
    DiscoveryAnswerKind kind = DiscoveryAnswerKind::None;
    ETHERNET_INFO ethernet{}; // meaningful for Wired
    WLAN_INFO wlan{};         // meaningful for Wireless
    bool systemNameCopied = false;
};

// Classifies a datagram of length bytes heard on interface nLocalNetworkInterface. Either kind is
// recognised whatever was asked for. Reads nothing past data + length; every length is safe.
//  - "IMIN" and at least 30 bytes: wired; bytes 4..29 into record offsets 0..25, with 31 bytes or more
//    bytes 4..30 into 0..26 (Http).
//  - "__[I_F]__[REG_RSP]" and at least 47 bytes: wireless; bytes 18..46 into offsets 0..28, and the
//    64-byte system name from bytes 47..110 when Mask[0] has 0x80 and the datagram holds it.
DiscoveryAnswer ClassifyDiscoveryAnswer(const std::uint8_t* data, std::size_t length,
                                        std::uint8_t nLocalNetworkInterface);
