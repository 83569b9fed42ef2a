#include "cli/CliArguments.h"

#include "netsearch/PrinterRecords.h"

#include <arpa/inet.h>
#include <cctype>
#include <cstring>

namespace CliArguments {

std::optional<SettingsRequest::Address> ParseAddress(const std::string& text) {
    in_addr address{};
    if (::inet_pton(AF_INET, text.c_str(), &address) != 1)
        return std::nullopt;
    SettingsRequest::Address out;
    std::memcpy(out.data(), &address.s_addr, 4);
    return out;
}

std::optional<unsigned> ParseNumber(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

std::string NormaliseMac(const std::string& text) {
    // Checked character by character: a scanf conversion would also take signs, blanks and "0x".
    if (text.size() != 17)
        return {};
    std::uint8_t mac[6];
    for (size_t i = 0; i < 6; ++i) {
        const char high = text[3 * i], low = text[3 * i + 1];
        if (!std::isxdigit(static_cast<unsigned char>(high)) ||
            !std::isxdigit(static_cast<unsigned char>(low)) || (i < 5 && text[3 * i + 2] != ':'))
            return {};
        const auto nibble = [](char c) {
            return static_cast<std::uint8_t>(std::isdigit(static_cast<unsigned char>(c))
                                                 ? c - '0'
                                                 : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
        };
        mac[i] = static_cast<std::uint8_t>(nibble(high) << 4 | nibble(low));
    }
    return MacText(mac);
}

} // namespace CliArguments
