// bench-device: a whole configuration read and a whole save over a pty against quorlink-device-sim,
// each against the protocol's floor: the sum of the fixed delays the exchange sleeps before its reads and
// between its steps. What is left over is the line, the port's read time-outs and the simulator.
//
//   build/bin/bench-device [ROUNDS]
//
// It starts quorlink-device-sim (beside itself, or $QL_DEVICE_SIM_BIN) once per module variant. Needs no
// privileges and no network.
//
// Then the same read and save on a line paced at 9600 and at 115200 baud, against the fixed delays plus the
// time the bytes of every request and reply take on that line (ten bits a byte).
// Then `quorlink device write` (beside itself, or $QL_CLI) of one file to 1, 4 and 16 simulated modules at
// once, against one module's time, and the same ports written one after another (one command each).

#include "devcfg/DeviceConfigExchange.h"
#include "devport/CPortCom.h"

#include "../tests/support/DeviceSimProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double wallMs = 0;
    double floorMs = 0;
    int failures = 0;
};

void Print(const char* variant, const char* exchange, const Figures& f, int rounds) {
    std::printf("%-16s %-6s %6d %12.1f %12.1f %8.3f %8d\n", variant, exchange, rounds, f.wallMs / rounds,
                f.floorMs / rounds, f.floorMs > 0 ? f.wallMs / f.floorMs : 0.0, f.failures);
}

// The bytes that crossed the line for the requests the simulator logged from index first on: each request
// and its reply.
std::size_t LineBytes(const DeviceSimProcess& sim, std::size_t first) {
    const std::vector<nlohmann::json> requests = sim.Requests();
    std::size_t bytes = 0;
    for (std::size_t i = first; i < requests.size(); ++i)
        bytes += requests[i].value("length", std::size_t{0}) +
                 requests[i].value("reply_hex", std::string()).size() / 2;
    return bytes;
}

struct LineFigures {
    double wallMs = 0, sleptMs = 0, lineMs = 0;
    int failures = 0;
};

// rounds reads and saves of the bench module over the simulator's pty, the simulator pacing the line at
// simBaud (0: not at all) and the port set to portBaud. False when the simulator did not start.
bool ReadAndSave(std::uint32_t simBaud, std::uint32_t portBaud, int rounds, LineFigures& read,
                 LineFigures& save) {
    std::vector<std::string> options;
    if (simBaud > 0)
        options = {"--baud", std::to_string(simBaud)};
    DeviceSimProcess sim(nlohmann::json{{"variant", "wifi-direct-rf"},
                                        {"record",
                                         {{"bySSID", "Bench"},
                                          {"bySystemName", "PRN-01"},
                                          {"byUserName", "admin"},
                                          {"byUserPassword", "pw-5678"},
                                          {"bySNMPGetCommunity", "public"},
                                          {"szSNMPSetCommunity", "public"},
                                          {"szSNMPTrapCommunity", "public"},
                                          {"byDummy3", 1}}},
                                        {"names", {{"ca", "ca.pem"}}}},
                         true, options);
    if (!sim.Ready()) {
        std::fprintf(stderr, "bench-device: the simulator did not start: %s\n", sim.Output().c_str());
        return false;
    }
    CPortCom port;
    DEVICE_OPTION dop;
    dop.strPort = sim.PtyPath();
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    dop.dwBaudRate = portBaud;
    dop.dwDataBits = 8;
    port.SetDeviceOption(dop);
    DeviceConfigState state;
    state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
    SleepTally tally(ThreadSleeper::Instance());
    NoSpoolerHold spooler;
    DeviceExchangeServices services;
    services.ports = DevicePorts{nullptr, &port};
    services.spooler = &spooler;
    services.sleeper = &tally;
    DeviceConfigExchange exchange(state, services);

    const auto measure = [&](LineFigures& f, const std::function<bool()>& operation) {
        tally.Reset();
        const std::size_t first = sim.Requests().size();
        const auto start = Clock::now();
        const bool ok = operation();
        f.wallMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        f.sleptMs += static_cast<double>(tally.Total().count());
        // The simulator logs a request as it takes it in; its reply follows.
        sim.WaitForRequests(first + 1);
        if (simBaud > 0)
            f.lineMs += static_cast<double>(LineBytes(sim, first)) * 10.0 * 1000.0 / simBaud;
        f.failures += !ok;
    };
    for (int i = 0; i < rounds; ++i) {
        measure(read, [&] { return exchange.GetCurrentConfiguration(); });
        measure(save, [&] { return exchange.SaveNewConfiguration(false); });
    }
    return true;
}

// A read and a save on a serial line paced at baud, against the exchanges' fixed delays (what they sleep
// when replies come at once, on an unpaced line) plus the time every request and reply takes on the line.
// A reply partly crosses the line during the delay before its read, so the time may come out below that
// sum; what it must not do is lie far above it.
int SlowLine(std::uint32_t baud, int rounds) {
    LineFigures fixedRead, fixedSave, read, save;
    if (!ReadAndSave(0, 115200, 1, fixedRead, fixedSave) || !ReadAndSave(baud, baud, rounds, read, save))
        return 1;
    std::printf("\n%-12s %-6s %6s %10s %10s %10s %12s %8s %10s %8s\n", "line", "what", "rounds", "time ms",
                "fixed ms", "line ms", "fixed+line", "ratio", "slept ms", "failed");
    for (const auto& [what, f, fixed] :
         {std::tuple<const char*, const LineFigures&, const LineFigures&>{"read", read, fixedRead},
          {"save", save, fixedSave}}) {
        const double sum = fixed.sleptMs + f.lineMs / rounds;
        std::printf("%-12s %-6s %6d %10.1f %10.1f %10.1f %12.1f %8.3f %10.1f %8d\n",
                    (std::to_string(baud) + " baud").c_str(), what, rounds, f.wallMs / rounds, fixed.sleptMs,
                    f.lineMs / rounds, sum, sum > 0 ? f.wallMs / rounds / sum : 0.0, f.sleptMs / rounds,
                    f.failures);
    }
    return read.failures + save.failures + fixedRead.failures + fixedSave.failures;
}

// The directory this program lies in, with a trailing slash.
std::string OwnDirectory() {
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir(self, length > 0 ? static_cast<size_t>(length) : 0);
    return dir.substr(0, dir.find_last_of('/') + 1);
}

// Runs the command line with args, its output thrown away; true when it exited with 0.
bool RunCli(const std::vector<std::string>& args) {
    const char* cli = std::getenv("QL_CLI");
    std::string command = "'" + (cli ? std::string(cli) : OwnDirectory() + "quorlink") + "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " >/dev/null 2>&1 </dev/null";
    return std::system(command.c_str()) == 0;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// `device write` of one file to 1, 4 and 16 modules: all ports in one command (each on its own thread),
// against one module's time; and the same ports one command after another, as a single port is written.
int BenchWriteToManyModules(int rounds) {
    std::printf("\n%-8s %6s %14s %14s %10s %18s %8s\n", "modules", "rounds", "at once ms", "one module ms",
                "ratio", "one by one ms", "failed");
    int failures = 0;
    double oneModuleMs = 0;
    for (const int modules : {1, 4, 16}) {
        std::vector<std::unique_ptr<DeviceSimProcess>> sims;
        for (int i = 0; i < modules; ++i) {
            sims.push_back(std::make_unique<DeviceSimProcess>(nlohmann::json{
                {"variant", "wifi-direct"}, {"record", {{"bySSID", "Bench"}, {"byIPConfigMode", 1}}}}));
            if (!sims.back()->Ready()) {
                std::fprintf(stderr, "bench-device: the simulator did not start: %s\n",
                             sims.back()->Output().c_str());
                return 1;
            }
        }
        const std::string file = sims[0]->dir().file("bench.qlt");
        if (!RunCli({"device", "read", "--port", sims[0]->LinkPath(), "--save", file})) {
            std::fprintf(stderr, "bench-device: could not read the first module into %s\n", file.c_str());
            return 1;
        }
        std::vector<std::string> all = {"device", "write"};
        for (const auto& sim : sims) {
            all.push_back("--port");
            all.push_back(sim->LinkPath());
        }
        all.push_back(file);
        double atOnceMs = 0, oneByOneMs = 0;
        int failed = 0;
        for (int round = 0; round < rounds; ++round) {
            auto start = Clock::now();
            failed += !RunCli(all);
            atOnceMs += MillisecondsSince(start);
            start = Clock::now();
            for (const auto& sim : sims)
                failed += !RunCli({"device", "write", "--port", sim->LinkPath(), file});
            oneByOneMs += MillisecondsSince(start);
        }
        atOnceMs /= rounds;
        oneByOneMs /= rounds;
        if (modules == 1)
            oneModuleMs = atOnceMs;
        std::printf("%-8d %6d %14.1f %14.1f %10.3f %18.1f %8d\n", modules, rounds, atOnceMs, oneModuleMs,
                    oneModuleMs > 0 ? atOnceMs / oneModuleMs : 0.0, oneByOneMs, failed);
        std::fflush(stdout);
        failures += failed;
    }
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    if (rounds <= 0) {
        std::fprintf(stderr, "Usage: bench-device [ROUNDS]\n");
        return 2;
    }
    if (!std::getenv("QL_DEVICE_SIM_BIN")) {
        char self[4096] = {};
        const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
        std::string dir(self, length > 0 ? static_cast<size_t>(length) : 0);
        dir = dir.substr(0, dir.find_last_of('/') + 1);
        ::setenv("QL_DEVICE_SIM_BIN", (dir + "quorlink-device-sim").c_str(), 1);
    }

    std::printf("%-16s %-6s %6s %12s %12s %8s %8s\n", "variant", "what", "rounds", "time ms", "floor ms",
                "ratio", "failed");
    int failures = 0;
    for (const char* variant : {"basic", "wifi-direct", "wifi-direct-rf"}) {
        // Certificate names in the Wi-Fi Direct + RF module: a read there asks for all three.
        DeviceSimProcess sim(nlohmann::json{{"variant", variant},
                                            {"record", {{"bySSID", "Bench"}, {"byDummy3", 1}}},
                                            {"names", {{"ca", "ca.pem"}}}});
        if (!sim.Ready()) {
            std::fprintf(stderr, "bench-device: the simulator did not start: %s\n", sim.Output().c_str());
            return 1;
        }
        CPortCom port;
        DEVICE_OPTION dop;
        dop.strPort = sim.PtyPath();
        dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
        dop.dwBaudRate = 115200;
        dop.dwDataBits = 8;
        port.SetDeviceOption(dop);
        DeviceConfigState state;
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        SleepTally tally(ThreadSleeper::Instance());
        NoSpoolerHold spooler;
        DeviceExchangeServices services;
        services.ports = DevicePorts{nullptr, &port};
        services.spooler = &spooler;
        services.sleeper = &tally;
        DeviceConfigExchange exchange(state, services);

        Figures read, save;
        for (int i = 0; i < rounds; ++i) {
            tally.Reset();
            auto start = Clock::now();
            const bool readOk = exchange.GetCurrentConfiguration();
            read.wallMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            read.floorMs += static_cast<double>(tally.Total().count());
            read.failures += !readOk;

            tally.Reset();
            start = Clock::now();
            const bool saveOk = exchange.SaveNewConfiguration(false);
            save.wallMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            save.floorMs += static_cast<double>(tally.Total().count());
            save.failures += !saveOk;
        }
        Print(variant, "read", read, rounds);
        Print(variant, "save", save, rounds);
        failures += read.failures + save.failures;
    }
    for (const std::uint32_t baud : {9600u, 115200u})
        failures += SlowLine(baud, rounds);
    failures += BenchWriteToManyModules(rounds);
    return failures ? 1 : 0;
}
