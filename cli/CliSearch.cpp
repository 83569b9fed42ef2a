#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "cli/PrinterOutput.h"
#include "netsearch/CUdpEndpoint.h"

#include <cstdio>

int RunSearchCommand(const std::vector<std::string>& args) {
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            std::fprintf(stderr, "quorlink search: unknown option '%s'\n", arg.c_str());
            return CliExit::Usage;
        }
    }
    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() <= 0) {
        std::fprintf(stderr, "%s\n", LoadString(StringId::NoNetworkConnection).c_str());
        return CliExit::NoNetwork;
    }
    const SearchResult result = RunSearchProcedure(endpoint);
    if (json)
        std::printf(
            "%s\n",
            PrintersAsJson(result).dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    else
        PrintPrinterTable(result, stdout);
    return CliExit::Ok;
}
