// The command line of `quorlink set-ip`: the arguments (separated by zero bytes in the input) checked as the
// command checks them before anything goes on the wire.

#include "FuzzSupport.h"
#include "cli/CliArguments.h"
#include "netsearch/IpSettingsRules.h"

#include <cctype>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);

    for (const std::string& arg : args) {
        const std::string mac = CliArguments::NormaliseMac(arg);
        if (!mac.empty()) {
            FUZZ_REQUIRE(mac.size() == 17 && CliArguments::NormaliseMac(mac) == mac);
            for (std::size_t i = 0; i < mac.size(); ++i)
                FUZZ_REQUIRE(i % 3 == 2 ? mac[i] == ':'
                                        : std::isxdigit(static_cast<unsigned char>(mac[i])) &&
                                              !std::islower(static_cast<unsigned char>(mac[i])));
        }
        if (const auto number = CliArguments::ParseNumber(arg))
            FUZZ_REQUIRE(std::to_string(*number).size() <= arg.size() && *number <= 999999999u);
        (void)CliArguments::ParseAddress(arg);
    }

    std::string error;
    const auto parsed = CliArguments::ParseSetIpArguments(args, error);
    if (!parsed) {
        FUZZ_REQUIRE(!error.empty());
        return 0;
    }
    const SettingsRequest& request = parsed->request;
    FUZZ_REQUIRE(parsed->mac.size() == 17);
    if (request.dhcp)
        FUZZ_REQUIRE(!request.ip && !request.subnet && !request.gateway);
    else
        FUZZ_REQUIRE(request.ip && request.subnet && request.gateway);
    FUZZ_REQUIRE(!request.port || *request.port <= kMaxPortNumber);
    FUZZ_REQUIRE(!request.inactivity || *request.inactivity <= kMaxInactiveTime);
    return 0;
}
