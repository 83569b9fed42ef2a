#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "cli/SetIpBatchFile.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SubnetSearch.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

using nlohmann::json;
using Address = CUdpEndpoint::Address;
using Outcome = SettingsPlan::Outcome;

constexpr const char* kCommand = "quorlink set-ip";

struct BatchOptions {
    std::string file;
    bool dryRun = false, json = false, yes = false;
    std::vector<SubnetSearch::Subnet> subnets;
};

// What became of one row.
struct RowResult {
    enum class State { Send, Unchanged, NotFound, Refused, HeldBack, Confirmed, NotConfirmed, SendFailed };
    const SetIpBatchFile::Row* row = nullptr;
    State state = State::NotFound;
    std::string message; // why it was refused or not sent
    SettingsPlan plan;
    std::optional<CUdpEndpoint::AnswerOrigin> origin;
    Address recordIp{};
    bool recordDhcp = false; // the printer took its address from DHCP before
};

const char* ResultText(RowResult::State state) {
    switch (state) {
    case RowResult::State::Send:
        return "would send";
    case RowResult::State::Unchanged:
        return "unchanged";
    case RowResult::State::NotFound:
        return "not found";
    case RowResult::State::Refused:
        return "refused";
    case RowResult::State::HeldBack:
        return "not sent";
    case RowResult::State::Confirmed:
        return "sent, confirmed";
    case RowResult::State::NotConfirmed:
        return "sent, no confirmation";
    case RowResult::State::SendFailed:
        return "not sent";
    }
    return "";
}

// The settings a planned message carries, read back from its bytes.
json MessageFields(const SettingsPlan& plan) {
    const bool wired = plan.nPrinterNetworkType == VRX_WIRED_PRINTER;
    const size_t at = wired ? 4 : 18; // after "SETT" or "__[I_F]__[PRT_SET]"
    const std::vector<std::uint8_t>& m = plan.message;
    if (m.size() < at + 26) // up to the inactivity time
        return json::object();
    const std::uint8_t* r = m.data() + at;
    json fields = {{"mode", r[23] ? "dhcp" : "manual"},
                   {"port", BigEndian16(r + 18)},
                   {"inactivity", BigEndian16(r + 24)}};
    if (!r[23]) {
        fields["ip"] = Ipv4Text(r + 6);
        fields["subnet"] = Ipv4Text(r + 10);
        fields["gateway"] = Ipv4Text(r + 14);
    }
    if (!wired && m.size() >= at + 93 && (r[27] & VRX_MASK_SYSTEM_NAME)) {
        const auto* name = reinterpret_cast<const char*>(r + 29);
        fields["name"] = std::string(name, strnlen(name, 64));
    }
    return fields;
}

std::string Describe(const json& fields) {
    std::string text = fields.value("mode", "");
    if (fields.contains("ip"))
        text += " " + fields["ip"].get<std::string>() + " mask " + fields["subnet"].get<std::string>() +
                " gateway " + fields["gateway"].get<std::string>();
    text += ", port " + std::to_string(fields.value("port", 0u)) + ", inactivity " +
            std::to_string(fields.value("inactivity", 0u)) + " s";
    if (fields.contains("name"))
        text += ", name \"" + fields["name"].get<std::string>() + "\"";
    return text;
}

// Where the message goes: the directed broadcast address that found the printer, or the interface's own.
std::string Destination(const CUdpEndpoint& endpoint, const RowResult& result) {
    std::string to;
    if (result.origin && result.origin->directed)
        to = Ipv4Text(result.origin->directed->data());
    else if (const auto found = endpoint.InterfaceTable().find(result.plan.nLocalNetworkInterface);
             found != endpoint.InterfaceTable().end())
        to = Ipv4Text(found->second.byBroadcastAdr);
    const std::string name = endpoint.InterfaceName(result.plan.nLocalNetworkInterface);
    return to + (name.empty() ? "" : " on " + name);
}

bool ParseOptions(const std::vector<std::string>& args, BatchOptions& options, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--batch" && hasValue && options.file.empty()) {
            options.file = args[++i];
        } else if (arg == "--dry-run") {
            options.dryRun = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--yes") {
            options.yes = true;
        } else if (arg == "--subnet") {
            const auto subnet = hasValue ? SubnetSearch::Parse(args[i + 1]) : std::nullopt;
            if (!subnet) {
                error = "--subnet needs a subnet such as 10.20.30.0/24 (/1 to /30)";
                return false;
            }
            options.subnets.push_back(*subnet);
            ++i;
        } else if (arg == "--batch") {
            error = options.file.empty() ? "--batch needs a file" : "one --batch file at a time";
            return false;
        } else {
            error = "unknown argument '" + arg +
                    "' (a batch takes --batch FILE, --dry-run, --json, --yes "
                    "and --subnet CIDR; the rest comes from the file)";
            return false;
        }
    }
    return true;
}

} // namespace

int RunSetIpBatchCommand(const std::vector<std::string>& args, const QueueUpdateOptions& queues) {
    BatchOptions options;
    std::string error;
    if (!ParseOptions(args, options, error)) {
        std::fprintf(stderr, "%s: %s\n", kCommand, error.c_str());
        return CliExit::Usage;
    }
    std::ifstream in(options.file, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        // An empty file reads as a failed copy too; the checks below name it.
        if (!in) {
            std::fprintf(stderr, "%s: %s: %s\n", kCommand, options.file.c_str(), std::strerror(errno));
            return CliExit::Usage;
        }
    }

    // Every row is checked before anything goes on the wire.
    std::vector<SetIpBatchFile::Row> rows;
    const std::vector<SetIpBatchFile::Problem> problems = SetIpBatchFile::Read(text.str(), options.yes, rows);
    if (!problems.empty()) {
        for (const auto& problem : problems)
            std::fprintf(stderr, "%s: %s:%d:%s %s\n", kCommand, options.file.c_str(), problem.line,
                         problem.column.empty() ? "" : (" column " + problem.column + ":").c_str(),
                         problem.message.c_str());
        std::fprintf(stderr, "%s: nothing was sent\n", kCommand);
        return CliExit::Usage;
    }

    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() <= 0) {
        std::fprintf(stderr, "%s\n", LoadString(StringId::NoNetworkConnection).c_str());
        return CliExit::NoNetwork;
    }
    std::vector<SubnetSearch::Target> targets;
    if (!SubnetSearch::Resolve(endpoint, options.subnets, targets, error)) {
        std::fprintf(stderr, "%s: %s\n", kCommand, error.c_str());
        return CliExit::NoNetwork;
    }
    // One search finds every printer of the file.
    const SearchResult found = SubnetSearch::Run(endpoint, targets);

    std::vector<RowResult> results;
    bool anyRefused = false;
    for (const SetIpBatchFile::Row& row : rows) {
        RowResult result;
        result.row = &row;
        const auto wired = found.ethernet.find(row.mac);
        const auto wireless = found.wlan.find(row.mac);
        if (wired != found.ethernet.end()) {
            result.plan = PlanWiredSettings(wired->second, row.request);
            result.origin = endpoint.OriginOf(VRX_WIRED_PRINTER, row.mac);
            std::copy_n(wired->second.Ip, 4, result.recordIp.begin());
            result.recordDhcp = wired->second.Dhcp != 0;
        } else if (wireless != found.wlan.end()) {
            result.plan = PlanWirelessSettings(wireless->second, row.request);
            result.origin = endpoint.OriginOf(VRX_WIRELESS_PRINTER, row.mac);
            std::copy_n(wireless->second.Ip, 4, result.recordIp.begin());
            result.recordDhcp = wireless->second.Dhcp != 0;
        } else {
            results.push_back(std::move(result));
            continue;
        }
        std::string column;
        switch (result.plan.outcome) {
        case Outcome::Send:
            result.state = RowResult::State::Send;
            break;
        case Outcome::Same:
            result.state = RowResult::State::Unchanged;
            break;
        case Outcome::NoSystemName:
            result.state = RowResult::State::Refused;
            result.message = "printer " + row.mac + " has no system name to set";
            break;
        case Outcome::GatewayOutsideSubnet:
            result.state = RowResult::State::Refused;
            result.message =
                LoadString(StringId::GatewayOutsideSubnetQuestion) + " Give --yes to send it anyway.";
            break;
        default:
            result.state = RowResult::State::Refused;
            result.message = SetIpBatchFile::RefusalMessage(result.plan, row.request, column);
            if (!column.empty())
                result.message = "column " + column + ": " + result.message;
            break;
        }
        anyRefused = anyRefused || result.state == RowResult::State::Refused;
        results.push_back(std::move(result));
    }

    // A row the printer's record refuses holds every other back: nothing is sent.
    if (anyRefused) {
        for (RowResult& result : results)
            if (result.state == RowResult::State::Send) {
                result.state = RowResult::State::HeldBack;
                result.message = "another row was refused";
            }
    } else if (!options.dryRun) {
        for (RowResult& result : results) {
            if (result.state != RowResult::State::Send)
                continue;
            // Only the printer's own confirmation counts: from where its answer came, its old address or
            // the one it is given.
            CUdpEndpoint::SettingsDelivery delivery;
            if (result.origin) {
                delivery.destination = result.origin->directed;
                delivery.acceptFrom.push_back(result.origin->source);
            }
            delivery.acceptFrom.push_back(result.recordIp);
            if (!result.row->request.dhcp && result.row->request.ip)
                delivery.acceptFrom.push_back(*result.row->request.ip);
            const bool sent = endpoint.SendSettings(
                result.plan.nLocalNetworkInterface, result.plan.nPrinterNetworkType,
                result.plan.message.data(), static_cast<int>(result.plan.message.size()), delivery);
            endpoint.CloseSocket();
            if (!sent) {
                result.state = RowResult::State::SendFailed;
                result.message = LoadString(StringId::SaveNetworkFailed);
            } else {
                result.state = endpoint.LastSettingConfirmed() ? RowResult::State::Confirmed
                                                               : RowResult::State::NotConfirmed;
            }
        }
    }

    int status = CliExit::Ok;
    json report = json::array();
    for (const RowResult& result : results) {
        const auto state = result.state;
        if (state == RowResult::State::NotFound && status == CliExit::Ok)
            status = CliExit::NotFound;
        else if (state == RowResult::State::SendFailed && status == CliExit::Ok)
            status = CliExit::SendFailed;
        else if (state == RowResult::State::Refused || state == RowResult::State::HeldBack)
            status = CliExit::Usage;
        json item = {{"line", result.row->line}, {"mac", result.row->mac}, {"result", ResultText(state)}};
        if (!result.message.empty())
            item["message"] = result.message;
        const bool carries = state == RowResult::State::Send || state == RowResult::State::Confirmed ||
                             state == RowResult::State::NotConfirmed;
        if (carries) {
            item["settings"] = MessageFields(result.plan);
            item["to"] = Destination(endpoint, result);
        }
        if (options.json) {
            report.push_back(std::move(item));
            continue;
        }
        std::string line =
            "line " + std::to_string(result.row->line) + ", " + result.row->mac + ": " + ResultText(state);
        if (state == RowResult::State::Refused)
            line += ": " + result.message;
        else if (!result.message.empty())
            line += " (" + result.message + ")";
        if (carries)
            line += " -- " + Describe(item["settings"]) + ", to " + item["to"].get<std::string>();
        std::printf("%s\n", line.c_str());
    }
    if (options.json)
        std::printf("%s\n", report.dump(2, ' ', false, json::error_handler_t::replace).c_str());
    // The print queues of each printer that took its new settings (beside a JSON report: on stderr).
    std::fflush(stdout);
    for (const RowResult& result : results) {
        if (result.state != RowResult::State::Confirmed && result.state != RowResult::State::NotConfirmed)
            continue;
        const SettingsRequest& request = result.row->request;
        const std::string oldIp = Ipv4Text(result.recordIp.data());
        const std::string newIp = request.dhcp ? (result.recordDhcp ? oldIp : "")
                                  : request.ip ? Ipv4Text(request.ip->data())
                                               : oldIp;
        if (!MendQueuesAfterMove(result.row->mac, oldIp, newIp, queues, options.json ? stderr : stdout) &&
            status == CliExit::Ok)
            status = CliExit::QueuesNotChanged;
    }
    if (anyRefused)
        std::fprintf(stderr, "%s: a row was refused; nothing was sent\n", kCommand);
    else if (options.dryRun)
        std::fprintf(stderr, "%s: dry run; no settings were sent\n", kCommand);
    return status;
}
