#pragma once

// The device exchanges over a port that replays the fuzz input as the module's replies.

#include "FuzzSupport.h"
#include "devcfg/DeviceConfigExchange.h"

#include <cstring>
#include <memory>

namespace fuzz {

struct DeviceRig {
    explicit DeviceRig(std::deque<Bytes> replies, std::size_t chunk = 1u << 20)
        : port(std::move(replies), chunk) {
        services.ports.usb = &port;
        services.ports.serial = &port;
        services.sleeper = &sleeper;
        exchange = std::make_unique<DeviceConfigExchange>(state, services);
    }
    ReplayPort port;
    NoSleep sleeper;
    DeviceConfigState state;
    DeviceExchangeServices services;
    std::unique_ptr<DeviceConfigExchange> exchange;
};

template <typename T> void FillPattern(T& record, std::uint8_t seed) {
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
}

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The first byte of an input picks how the reply is cut into reads (1 to 256 bytes, or whole).
inline std::size_t ChunkFrom(const std::uint8_t*& data, std::size_t& size) {
    if (size == 0)
        return 1u << 20;
    const std::uint8_t first = *data++;
    --size;
    return first >= 0xF0 ? (1u << 20) : std::size_t{first} + 1;
}

} // namespace fuzz
