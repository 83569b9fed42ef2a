#include "devport/UsbDeviceIdentity.h"

#include <cstdio>

namespace {

std::optional<unsigned> Number(const std::string& text, unsigned limit) {
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= limit ? std::optional<unsigned>(value) : std::nullopt;
}

std::optional<std::uint16_t> Hex16(const std::string& text, const char* prefix) {
    const std::string p = prefix;
    if (text.size() != p.size() + 4 || text.compare(0, p.size(), p) != 0)
        return std::nullopt;
    return ParseUsbId(text.substr(p.size()));
}

// "1-1.4" → bus 1, ports {1, 4}; nothing for any other form.
bool SplitBusPortPath(const std::string& path, std::uint8_t& bus, std::vector<std::uint8_t>& ports) {
    const size_t dash = path.find('-');
    if (dash == std::string::npos)
        return false;
    const auto busNumber = Number(path.substr(0, dash), 255);
    if (!busNumber)
        return false;
    std::vector<std::uint8_t> numbers;
    size_t begin = dash + 1;
    while (true) {
        const size_t dot = path.find('.', begin);
        const auto port =
            Number(path.substr(begin, dot == std::string::npos ? std::string::npos : dot - begin), 255);
        if (!port)
            return false;
        numbers.push_back(static_cast<std::uint8_t>(*port));
        if (dot == std::string::npos)
            break;
        begin = dot + 1;
    }
    if (numbers.size() > 7) // USB allows hubs seven tiers deep
        return false;
    bus = static_cast<std::uint8_t>(*busNumber);
    ports = std::move(numbers);
    return true;
}

} // namespace

std::string UsbDeviceIdentity::Text() const {
    char ids[32];
    std::snprintf(ids, sizeof ids, ":vid_%04x:pid_%04x", vendorId, productId);
    std::string text = "usb:" + busPortPath + ids;
    if (!serial.empty())
        text += ":" + serial;
    return text;
}

std::optional<UsbDeviceIdentity> UsbDeviceIdentity::Parse(const std::string& text) {
    if (text.rfind("usb:", 0) != 0)
        return std::nullopt;
    std::vector<std::string> fields;
    size_t begin = 4;
    // Three fields; the serial number, which may hold anything, is the rest.
    for (int i = 0; i < 3; ++i) {
        const size_t colon = text.find(':', begin);
        fields.push_back(text.substr(begin, colon == std::string::npos ? std::string::npos : colon - begin));
        if (colon == std::string::npos) {
            begin = std::string::npos;
            break;
        }
        begin = colon + 1;
    }
    if (fields.size() != 3)
        return std::nullopt;
    UsbDeviceIdentity identity;
    identity.busPortPath = fields[0];
    std::uint8_t bus;
    std::vector<std::uint8_t> ports;
    if (!SplitBusPortPath(identity.busPortPath, bus, ports))
        return std::nullopt;
    const auto vendor = Hex16(fields[1], "vid_");
    const auto product = Hex16(fields[2], "pid_");
    if (!vendor || !product)
        return std::nullopt;
    identity.vendorId = *vendor;
    identity.productId = *product;
    if (begin != std::string::npos) {
        identity.serial = text.substr(begin);
        if (identity.serial.empty())
            return std::nullopt;
    }
    return identity;
}

std::uint8_t UsbDeviceIdentity::BusNumber() const {
    std::uint8_t bus = 0;
    std::vector<std::uint8_t> ports;
    return SplitBusPortPath(busPortPath, bus, ports) ? bus : 0;
}

std::vector<std::uint8_t> UsbDeviceIdentity::PortNumbers() const {
    std::uint8_t bus = 0;
    std::vector<std::uint8_t> ports;
    SplitBusPortPath(busPortPath, bus, ports);
    return ports;
}

std::optional<std::uint16_t> ParseUsbId(const std::string& digits) {
    if (digits.empty() || digits.size() > 4)
        return std::nullopt;
    unsigned value = 0;
    for (const char c : digits) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value << 4 | digit;
    }
    return static_cast<std::uint16_t>(value);
}
