// quorlink-device-sim: plays a printer's network module on the far end of a pseudo-terminal, for tests,
// benchmarks and demos of the device road.
//
//   quorlink-device-sim CONFIG.json [--link PATH] [--state-out FILE] [--log-requests FILE] [--baud N]
//
// Prints "quorlink-device-sim: pty PATH" and then "quorlink-device-sim: ready" once the pty is there; the
// tool opens PATH (or the --link symlink) as a serial port. The configuration format is described in
// sim/device/DeviceModule.h and sim/device/DeviceReplyBehaviour.h. --state-out writes the module's state
// (record, certificates, names, counters) as JSON after every change, on SIGUSR1 and at exit;
// --log-requests writes one JSON line per message received. A behaviour that hangs up the line prints
// "quorlink-device-sim: hung up" (and "pty PATH", "line up again" when it comes back). --baud N paces the
// pty like a serial line at N bits a second (ten bits a byte) both ways: requests come in and replies go
// out no faster than such a line carries them. SIGTERM or SIGINT end it.

#include "sim/device/DeviceModule.h"
#include "sim/device/DeviceSimServer.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

void Usage(FILE* out) {
    std::fprintf(out, "Usage: quorlink-device-sim CONFIG.json [--link PATH] [--state-out FILE] "
                      "[--log-requests FILE] [--baud N]\n");
}

bool ParseBaud(const std::string& text, std::optional<std::uint32_t>& baud) {
    if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long value = std::stoul(text);
    if (value < 50 || value > 4000000)
        return false;
    baud = static_cast<std::uint32_t>(value);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string configPath;
    DeviceSimServer::Options options;
    std::optional<std::uint32_t> baud;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        } else if (arg == "--link" && hasValue) {
            options.link = argv[++i];
        } else if (arg == "--state-out" && hasValue) {
            options.stateFile = argv[++i];
        } else if (arg == "--log-requests" && hasValue) {
            options.requestLog = argv[++i];
        } else if (arg == "--baud" && hasValue) {
            if (!ParseBaud(argv[++i], baud)) {
                std::fprintf(stderr, "quorlink-device-sim: --baud takes a rate from 50 to 4000000\n");
                return 2;
            }
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

    std::ifstream in(configPath);
    if (!in) {
        std::fprintf(stderr, "quorlink-device-sim: %s: cannot be read\n", configPath.c_str());
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();
    DeviceModule::Settings settings;
    try {
        settings = DeviceModule::SettingsFromJson(nlohmann::json::parse(text.str()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorlink-device-sim: %s: %s\n", configPath.c_str(), e.what());
        return 2;
    }

    options.baud = baud.value_or(0);
    DeviceSimServer server(DeviceModule(std::move(settings)), options);
    std::string error;
    if (!server.Open(error)) {
        std::fprintf(stderr, "quorlink-device-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("quorlink-device-sim: pty %s\nquorlink-device-sim: ready\n", server.PtyPath().c_str());
    std::fflush(stdout);
    return server.Run();
}
