#include "app/StringTable.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/IpSettingsRules.h"
#include "netsearch/SearchProcedure.h"
#include "netsearch/SettingsRequest.h"
#include "netsearch/SubnetSearch.h"

#include <algorithm>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using Outcome = SettingsPlan::Outcome;

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "quorlink set-ip: %s\n", message.c_str());
    return status;
}

std::string Dotted(const std::optional<SettingsRequest::Address>& address) {
    return address ? Ipv4Text(address->data()) : std::string("?");
}

// The message and exit status of a plan that does not send; nullopt when it sends (or asks).
std::optional<int> Refusal(const SettingsPlan& plan, const SettingsRequest& request, const std::string& mac) {
    switch (plan.outcome) {
    case Outcome::Send:
    case Outcome::GatewayOutsideSubnet:
        return std::nullopt;
    case Outcome::InactivityTooLong:
        return Fail(CliExit::Usage, "the inactivity time must be 0 to " + std::to_string(kMaxInactiveTime));
    case Outcome::PortTooLarge:
        return Fail(CliExit::Usage, "the port number must be 0 to " + std::to_string(kMaxPortNumber));
    case Outcome::ForbiddenPort:
        return Fail(CliExit::Usage, LoadString(StringId::InvalidPortNumber));
    case Outcome::UnusableAddress:
        return Fail(CliExit::Usage, LoadString(StringId::IpAddressCannotBeUsed));
    case Outcome::BadSubnetMask:
        return Fail(CliExit::Usage,
                    LoadString(StringId::SubnetMaskNotContiguous) + " (" + Dotted(request.subnet) + ")");
    case Outcome::NetworkOrBroadcastAddress:
        return Fail(CliExit::Usage,
                    LoadString(StringId::AddressIsNetworkOrBroadcast) + " (" + Dotted(request.ip) + ")");
    case Outcome::NameLength:
        return Fail(CliExit::Usage, LoadString(StringId::SystemNameLengthError) + " (" +
                                        std::to_string(plan.nameLength) + ")");
    case Outcome::NoSystemName:
        return Fail(CliExit::Usage, "printer " + mac + " has no system name to set");
    case Outcome::Same:
        return Fail(CliExit::Unchanged, "The data to be set is same");
    }
    return Fail(CliExit::Usage, "the settings were refused");
}

// Asks about a gateway outside the printer's subnet: on the terminal when there is one, else --yes answers.
// The exit status when the answer is no; nullopt to go on.
std::optional<int> AskAboutTheGateway(const SettingsRequest& request, bool yes) {
    const std::string question =
        LoadString(StringId::GatewayOutsideSubnetQuestion) + " (" + Dotted(request.gateway) + ")";
    if (yes)
        return std::nullopt;
    if (!::isatty(STDIN_FILENO))
        return Fail(CliExit::Usage, question + "\nGive --yes to send them anyway.");
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        answer[0] = 0;
    if (answer[0] == 'y' || answer[0] == 'Y')
        return std::nullopt;
    return Fail(CliExit::Declined, "nothing sent");
}

} // namespace

int RunSetIpCommand(const std::vector<std::string>& givenArgs) {
    std::vector<std::string> allArgs = givenArgs;
    QueueUpdateOptions queues;
    if (std::string queueError; !TakeQueueUpdateOptions(allArgs, queues, queueError))
        return Fail(CliExit::Usage, queueError);
    if (std::find(allArgs.begin(), allArgs.end(), "--batch") != allArgs.end())
        return RunSetIpBatchCommand(allArgs, queues);
    // --subnet with a prefix length ("10.20.30.0/24") is a subnet to search behind a router; without one
    // it is the printer's subnet mask.
    std::vector<std::string> args;
    std::vector<SubnetSearch::Subnet> subnets;
    for (size_t i = 0; i < allArgs.size(); ++i) {
        if (allArgs[i] == "--subnet" && i + 1 < allArgs.size() &&
            allArgs[i + 1].find('/') != std::string::npos) {
            const auto subnet = SubnetSearch::Parse(allArgs[i + 1]);
            if (!subnet)
                return Fail(CliExit::Usage, "--subnet needs a subnet such as 10.20.30.0/24 (/1 to /30) or a "
                                            "subnet mask such as 255.255.255.0");
            subnets.push_back(*subnet);
            ++i;
        } else {
            args.push_back(allArgs[i]);
        }
    }
    std::string error;
    const auto parsed = CliArguments::ParseSetIpArguments(args, error);
    if (!parsed)
        return Fail(CliExit::Usage, error);
    const std::string& mac = parsed->mac;
    SettingsRequest request = parsed->request;
    const bool yes = parsed->yes;

    // Everything the values alone decide, before any datagram goes out.
    const SettingsPlan check = CheckSettingsValues(request);
    if (const auto status = Refusal(check, request, mac))
        return *status;
    if (check.outcome == Outcome::GatewayOutsideSubnet) {
        if (const auto status = AskAboutTheGateway(request, yes))
            return *status;
        request.gatewayConfirmed = true;
    }

    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() <= 0) {
        std::fprintf(stderr, "%s\n", LoadString(StringId::NoNetworkConnection).c_str());
        return CliExit::NoNetwork;
    }
    std::vector<SubnetSearch::Target> targets;
    if (!SubnetSearch::Resolve(endpoint, subnets, targets, error))
        return Fail(CliExit::NoNetwork, error);
    const SearchResult found = SubnetSearch::Run(endpoint, targets);
    const auto wired = found.ethernet.find(mac);
    const auto wireless = found.wlan.find(mac);
    if (wired == found.ethernet.end() && wireless == found.wlan.end())
        return Fail(CliExit::NotFound, "no printer " + mac + " answered the search");
    const auto planFor = [&] {
        return wired != found.ethernet.end() ? PlanWiredSettings(wired->second, request)
                                             : PlanWirelessSettings(wireless->second, request);
    };
    SettingsPlan plan = planFor();
    if (const auto status = Refusal(plan, request, mac))
        return *status;
    if (plan.outcome == Outcome::GatewayOutsideSubnet) { // asked before the search already, as a rule
        if (const auto status = AskAboutTheGateway(request, yes))
            return *status;
        request.gatewayConfirmed = true;
        plan = planFor();
    }

    // A printer found behind a router hears only the directed broadcast address that found it.
    CUdpEndpoint::SettingsDelivery delivery;
    if (const auto origin = endpoint.OriginOf(plan.nPrinterNetworkType, mac))
        delivery.destination = origin->directed;
    if (!endpoint.SendSettings(plan.nLocalNetworkInterface, plan.nPrinterNetworkType, plan.message.data(),
                               static_cast<int>(plan.message.size()), delivery))
        return Fail(CliExit::SendFailed, LoadString(StringId::SaveNetworkFailed));
    endpoint.CloseSocket();
    std::printf("Settings sent to %s: %s\n", mac.c_str(),
                endpoint.LastSettingConfirmed() ? "confirmed" : "no confirmation came (sent twice)");
    const std::string oldIp =
        Ipv4Text(wired != found.ethernet.end() ? wired->second.Ip : wireless->second.Ip);
    const bool wasDhcp = (wired != found.ethernet.end() ? wired->second.Dhcp : wireless->second.Dhcp) != 0;
    const std::string newIp = request.dhcp ? (wasDhcp ? oldIp : "")
                              : request.ip ? Ipv4Text(request.ip->data())
                                           : oldIp;
    std::fflush(stdout);
    return MendQueuesAfterMove(mac, oldIp, newIp, queues, stdout) ? CliExit::Ok : CliExit::QueuesNotChanged;
}
