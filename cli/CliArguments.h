#pragma once

#include "netsearch/SettingsRequest.h"

#include <optional>
#include <string>

// The values `quorlink set-ip` takes on its command line. Each gives nothing for text it does not accept
// as a whole.
namespace CliArguments {

// Dotted-decimal IPv4 address, "192.0.2.10".
std::optional<SettingsRequest::Address> ParseAddress(const std::string& text);
// Decimal digits only, at most nine of them.
std::optional<unsigned> ParseNumber(const std::string& text);
// Six two-digit hexadecimal bytes joined by ":" in any case, as the printer tables' key
// ("00:1A:2B:3C:4D:5E"); "" when text is no such MAC address.
std::string NormaliseMac(const std::string& text);

} // namespace CliArguments
