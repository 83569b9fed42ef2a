#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "cli/PrinterOutput.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SubnetSearch.h"

#include <cstdio>

int RunSearchCommand(const std::vector<std::string>& args) {
    bool json = false, csv = false;
    std::vector<SubnetSearch::Subnet> subnets;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
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
    if (json && csv) {
        std::fprintf(stderr, "quorlink search: give --json or --csv, not both\n");
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
    const SearchResult result = SubnetSearch::Run(endpoint, targets);
    const InterfaceNames names = [&endpoint](int key) { return endpoint.InterfaceName(key); };
    if (json)
        std::printf("%s\n", PrintersAsJson(result, names)
                                .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
    else if (csv)
        std::fputs(PrintersAsCsv(result).c_str(), stdout);
    else
        PrintPrinterTable(result, stdout, names);
    return CliExit::Ok;
}
