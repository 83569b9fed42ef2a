#pragma once

#include "netsearch/SettingsRequest.h"

#include <optional>
#include <string>
#include <vector>

// The values `quorlink set-ip` takes on its command line. Each gives nothing for text it does not accept
// as a whole.
namespace CliArguments {

// Dotted-decimal IPv4 address, "192.0.2.10".
std::optional<SettingsRequest::Address> ParseAddress(const std::string& text);
// Decimal digits only, at most nine of them.
std::optional<unsigned> ParseNumber(const std::string& text);
// Six two-digit hexadecimal bytes in any case, joined by ":" or by "-" (one of them throughout) or written
// without separator ("00-1a-2b-3c-4d-5e", "001A2B3C4D5E"), as the printer tables' key
// ("00:1A:2B:3C:4D:5E"); "" when text is no such MAC address.
std::string NormaliseMac(const std::string& text);

// What `quorlink set-ip` was asked to do.
struct SetIpArguments {
    std::string mac; // the printer tables' key
    SettingsRequest request;
    bool yes = false; // --yes: a gateway outside the printer's subnet is agreed to without asking
};
// Checks the arguments after "set-ip" as far as they can be checked before anything goes on the wire: the
// MAC address, either --dhcp or all three addresses, and the ranges of the port and the inactivity time.
// Nothing when they are refused, with the reason in error.
std::optional<SetIpArguments> ParseSetIpArguments(const std::vector<std::string>& args, std::string& error);

} // namespace CliArguments
