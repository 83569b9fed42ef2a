// quorlink-printer-sim: plays any number of label printers on the LAN for tests, benchmarks and demos.
//
//   quorlink-printer-sim CONFIG.json [--bind ADDR] [--state-out FILE] [--log-requests FILE]
//
// Answers discovery requests ("FIND" on UDP 48781, "__[I_F]__[PRT_REG]" on 3337) and takes settings
// messages on the same ports. Prints "ready" once its sockets are bound. The configuration format is
// described in sim/SimConfig.h. --bind ADDR binds both ports to ADDR instead of every address (a unicast
// address then hears no broadcasts). --state-out writes the printers as JSON on SIGUSR1 and at exit;
// --log-requests appends one JSON line per datagram received. Each printer takes print jobs over TCP on its
// printing port at its current address; the state lists what each received ("printed").

#include "sim/SimConfig.h"
#include "sim/SimServer.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Usage(FILE* out) {
    std::fprintf(out, "Usage: quorlink-printer-sim CONFIG.json [--bind ADDR] [--state-out FILE] "
                      "[--log-requests FILE]\n");
}

} // namespace

int main(int argc, char** argv) {
    std::string configPath;
    SimServer::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        } else if (arg == "--bind" && hasValue) {
            options.bindAddress = argv[++i];
        } else if (arg == "--state-out" && hasValue) {
            options.stateFile = argv[++i];
        } else if (arg == "--log-requests" && hasValue) {
            options.requestLog = argv[++i];
        } else if (configPath.empty() && arg.rfind("--", 0) != 0) {
            configPath = arg;
        } else {
            Usage(stderr);
            return 2;
        }
    }
    if (configPath.empty()) {
        Usage(stderr);
        return 2;
    }

    std::vector<SimPrinter> printers;
    std::string error;
    if (!SimConfig::Load(configPath, printers, error)) {
        std::fprintf(stderr, "quorlink-printer-sim: %s: %s\n", configPath.c_str(), error.c_str());
        return 2;
    }
    SimServer server(std::move(printers), options);
    if (!server.Open(error)) {
        std::fprintf(stderr, "quorlink-printer-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("quorlink-printer-sim: ready\n");
    std::fflush(stdout);
    return server.Run();
}
