#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "cli/PrinterOutput.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SubnetSearch.h"

#include <cstdio>

int RunSearchCommand(const std::vector<std::string>& args) {
    bool json = false, csv = false, jsonl = false;
    std::vector<SubnetSearch::Subnet> subnets;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--jsonl") {
            jsonl = true;
        } else if (arg == "--csv") {
            csv = true;
        } else if (arg == "--subnet") {
            const auto subnet = i + 1 < args.size() ? SubnetSearch::Parse(args[i + 1]) : std::nullopt;
            if (!subnet) {
                std::fprintf(stderr,
                             "quorlink search: --subnet needs a subnet such as 10.20.30.0/24 (/1 to /30)\n");
                return CliExit::Usage;
            }
            subnets.push_back(*subnet);
            ++i;
        } else {
            std::fprintf(stderr, "quorlink search: unknown option '%s'\n", arg.c_str());
            return CliExit::Usage;
        }
    }
    if (json + csv + jsonl > 1) {
        std::fprintf(stderr, "quorlink search: give one of --json, --jsonl and --csv\n");
        return CliExit::Usage;
    }
    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() <= 0) {
        std::fprintf(stderr, "%s\n", LoadString(StringId::NoNetworkConnection).c_str());
        return CliExit::NoNetwork;
    }
    std::vector<SubnetSearch::Target> targets;
    std::string error;
    if (!SubnetSearch::Resolve(endpoint, subnets, targets, error)) {
        std::fprintf(stderr, "quorlink search: %s\n", error.c_str());
        return CliExit::NoNetwork;
    }
    const InterfaceNames names = [&endpoint](int key) { return endpoint.InterfaceName(key); };
    // --jsonl: each printer as one line the moment it is first heard, for scripts that act on printers as
    // they appear; the round goes on meanwhile.
    PrinterHeardFunction heard;
    if (jsonl)
        heard = [&names](const HeardPrinter& printer) {
            const nlohmann::json item = printer.ethernet ? PrinterAsJson(*printer.ethernet, names)
                                                         : PrinterAsJson(*printer.wlan, names);
            std::printf("%s\n", item.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
            std::fflush(stdout);
        };
    const SearchResult result = SubnetSearch::Run(endpoint, targets, {}, heard);
    if (json)
        std::printf("%s\n", PrintersAsJson(result, names)
                                .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
    else if (csv)
        std::fputs(PrintersAsCsv(result).c_str(), stdout);
    else if (!jsonl)
        PrintPrinterTable(result, stdout, names);
    return CliExit::Ok;
}
