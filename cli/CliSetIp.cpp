#include "app/StringTable.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/IpSettingsRules.h"
#include "netsearch/SearchProcedure.h"
#include "netsearch/SettingsRequest.h"

#include <cstdio>

namespace {

using CliArguments::NormaliseMac;
using CliArguments::ParseAddress;
using CliArguments::ParseNumber;

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "quorlink set-ip: %s\n", message.c_str());
    return status;
}

} // namespace

int RunSetIpCommand(const std::vector<std::string>& args) {
    SettingsRequest request;
    std::string mac;
    bool dhcp = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : "";
        if (arg == "--dhcp") {
            dhcp = true;
            continue;
        }
        if (arg == "--ip" || arg == "--subnet" || arg == "--gateway") {
            const auto address = hasValue ? ParseAddress(value) : std::nullopt;
            if (!address)
                return Fail(CliExit::Usage, arg + " needs an IPv4 address");
            (arg == "--ip" ? request.ip : arg == "--subnet" ? request.subnet : request.gateway) = address;
            ++i;
        } else if (arg == "--port" || arg == "--inactivity") {
            const auto number = hasValue ? ParseNumber(value) : std::nullopt;
            if (!number)
                return Fail(CliExit::Usage, arg + " needs a number");
            (arg == "--port" ? request.port : request.inactivity) = number;
            ++i;
        } else if (arg == "--name") {
            if (!hasValue)
                return Fail(CliExit::Usage, "--name needs a text");
            request.name = value;
            ++i;
        } else if (mac.empty() && arg.rfind("--", 0) != 0) {
            mac = NormaliseMac(arg);
            if (mac.empty())
                return Fail(CliExit::Usage, "'" + arg + "' is not a MAC address such as 00:1A:2B:3C:4D:5E");
        } else {
            return Fail(CliExit::Usage, "unknown argument '" + arg + "'");
        }
    }
    if (mac.empty())
        return Fail(CliExit::Usage, "which printer? give its MAC address");
    const bool anyAddress = request.ip || request.subnet || request.gateway;
    const bool allAddresses = request.ip && request.subnet && request.gateway;
    if (dhcp ? anyAddress : !allAddresses)
        return Fail(CliExit::Usage, "give either --dhcp or all of --ip, --subnet and --gateway");
    request.dhcp = dhcp;
    // The values alone, before any datagram goes out.
    if (request.inactivity && *request.inactivity > kMaxInactiveTime)
        return Fail(CliExit::Usage, "the inactivity time must be 0 to " + std::to_string(kMaxInactiveTime));
    if (request.port && *request.port > kMaxPortNumber)
        return Fail(CliExit::Usage, "the port number must be 0 to " + std::to_string(kMaxPortNumber));

    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() <= 0) {
        std::fprintf(stderr, "%s\n", LoadString(StringId::NoNetworkConnection).c_str());
        return CliExit::NoNetwork;
    }
    const SearchResult found = RunSearchProcedure(endpoint);
    SettingsPlan plan;
    if (const auto wired = found.ethernet.find(mac); wired != found.ethernet.end())
        plan = PlanWiredSettings(wired->second, request);
    else if (const auto wireless = found.wlan.find(mac); wireless != found.wlan.end())
        plan = PlanWirelessSettings(wireless->second, request);
    else
        return Fail(CliExit::NotFound, "no printer " + mac + " answered the search");

    using Outcome = SettingsPlan::Outcome;
    switch (plan.outcome) {
    case Outcome::Send:
        break;
    case Outcome::InactivityTooLong:
        return Fail(CliExit::Usage, "the inactivity time must be 0 to " + std::to_string(kMaxInactiveTime));
    case Outcome::PortTooLarge:
        return Fail(CliExit::Usage, "the port number must be 0 to " + std::to_string(kMaxPortNumber));
    case Outcome::ForbiddenPort:
        return Fail(CliExit::Usage, LoadString(StringId::InvalidPortNumber));
    case Outcome::UnusableAddress:
        return Fail(CliExit::Usage, LoadString(StringId::IpAddressCannotBeUsed));
    case Outcome::NameLength:
        return Fail(CliExit::Usage, LoadString(StringId::SystemNameLengthError) + " (" +
                                        std::to_string(plan.nameLength) + ")");
    case Outcome::NoSystemName:
        return Fail(CliExit::Usage, "printer " + mac + " has no system name to set");
    case Outcome::Same:
        return Fail(CliExit::Unchanged, "The data to be set is same");
    }

    if (!endpoint.SetQlinkInfo(plan.nLocalNetworkInterface, plan.nPrinterNetworkType, plan.message.data(),
                               static_cast<int>(plan.message.size())))
        return Fail(CliExit::SendFailed, LoadString(StringId::SaveNetworkFailed));
    endpoint.CloseSocket();
    std::printf("Settings sent to %s: %s\n", mac.c_str(),
                endpoint.LastSettingConfirmed() ? "confirmed" : "no confirmation came (sent twice)");
    return CliExit::Ok;
}
