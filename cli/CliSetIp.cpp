#include "app/StringTable.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/IpSettingsRules.h"
#include "netsearch/SearchProcedure.h"
#include "netsearch/SettingsRequest.h"

#include <cstdio>

namespace {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "quorlink set-ip: %s\n", message.c_str());
    return status;
}

} // namespace

int RunSetIpCommand(const std::vector<std::string>& args) {
    // The values alone, before any datagram goes out.
    std::string error;
    const auto parsed = CliArguments::ParseSetIpArguments(args, error);
    if (!parsed)
        return Fail(CliExit::Usage, error);
    const std::string& mac = parsed->mac;
    const SettingsRequest& request = parsed->request;

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
