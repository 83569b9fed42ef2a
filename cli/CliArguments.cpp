#include "cli/CliArguments.h"

#include "netsearch/IpSettingsRules.h"
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
    // Six pairs joined by one separator throughout (":" or "-"), or twelve digits in a row.
    size_t step = 0;
    char separator = 0;
    if (text.size() == 17) {
        step = 3;
        separator = text[2];
        if (separator != ':' && separator != '-')
            return {};
    } else if (text.size() == 12) {
        step = 2;
    } else {
        return {};
    }
    std::uint8_t mac[6];
    for (size_t i = 0; i < 6; ++i) {
        const char high = text[step * i], low = text[step * i + 1];
        if (!std::isxdigit(static_cast<unsigned char>(high)) ||
            !std::isxdigit(static_cast<unsigned char>(low)) ||
            (separator && i < 5 && text[3 * i + 2] != separator))
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

std::optional<SetIpArguments> ParseSetIpArguments(const std::vector<std::string>& args, std::string& error) {
    const auto refuse = [&error](const std::string& message) -> std::optional<SetIpArguments> {
        error = message;
        return std::nullopt;
    };
    SetIpArguments out;
    SettingsRequest& request = out.request;
    std::string& mac = out.mac;
    bool dhcp = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : "";
        if (arg == "--dhcp") {
            dhcp = true;
            continue;
        }
        if (arg == "--yes") {
            out.yes = true;
            continue;
        }
        if (arg == "--ip" || arg == "--subnet" || arg == "--gateway") {
            const auto address = hasValue ? ParseAddress(value) : std::nullopt;
            if (!address)
                return refuse(arg + " needs an IPv4 address");
            (arg == "--ip" ? request.ip : arg == "--subnet" ? request.subnet : request.gateway) = address;
            ++i;
        } else if (arg == "--port" || arg == "--inactivity") {
            const auto number = hasValue ? ParseNumber(value) : std::nullopt;
            if (!number)
                return refuse(arg + " needs a number");
            (arg == "--port" ? request.port : request.inactivity) = number;
            ++i;
        } else if (arg == "--name") {
            if (!hasValue)
                return refuse("--name needs a text");
            request.name = value;
            ++i;
        } else if (mac.empty() && arg.rfind("--", 0) != 0) {
            mac = NormaliseMac(arg);
            if (mac.empty())
                return refuse("'" + arg + "' is not a MAC address such as 00:1A:2B:3C:4D:5E");
        } else {
            return refuse("unknown argument '" + arg + "'");
        }
    }
    if (mac.empty())
        return refuse("which printer? give its MAC address");
    const bool anyAddress = request.ip || request.subnet || request.gateway;
    const bool allAddresses = request.ip && request.subnet && request.gateway;
    if (dhcp ? anyAddress : !allAddresses)
        return refuse("give either --dhcp or all of --ip, --subnet and --gateway");
    request.dhcp = dhcp;
    if (request.inactivity && *request.inactivity > kMaxInactiveTime)
        return refuse("the inactivity time must be 0 to " + std::to_string(kMaxInactiveTime));
    if (request.port && *request.port > kMaxPortNumber)
        return refuse("the port number must be 0 to " + std::to_string(kMaxPortNumber));
    return out;
}

} // namespace CliArguments
