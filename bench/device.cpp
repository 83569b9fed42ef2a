// bench-device: a whole configuration read and a whole save over a pty against quorlink-device-sim,
// each against the protocol's floor: the sum of the fixed delays the exchange sleeps before its reads and
// between its steps. What is left over is the line, the port's read time-outs and the simulator.
//
//   build/bin/bench-device [ROUNDS]
//
// It starts quorlink-device-sim (beside itself, or $QL_DEVICE_SIM_BIN) once per module variant. Needs no
// privileges and no network.
//
// Then the same read and save on a line paced at 9600 baud, against the fixed delays plus the time the
// bytes of every request and reply take on that line (ten bits a byte).

#include "devcfg/DeviceConfigExchange.h"
#include "devport/CPortCom.h"

#include "../tests/support/DeviceSimProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

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

// A read and a save on a serial line paced at baud: wall time against the fixed delays plus line time.
int SlowLine(std::uint32_t baud, int rounds) {
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
                         true, {"--baud", std::to_string(baud)});
    if (!sim.Ready()) {
        std::fprintf(stderr, "bench-device: the simulator did not start: %s\n", sim.Output().c_str());
        return 1;
    }
    CPortCom port;
    DEVICE_OPTION dop;
    dop.strPort = sim.PtyPath();
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    dop.dwBaudRate = baud;
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

    struct LineFigures {
        double wallMs = 0, delaysMs = 0, lineMs = 0;
        int failures = 0;
    } read, save;
    const auto lineMs = [baud](std::size_t bytes) {
        return static_cast<double>(bytes) * 10.0 * 1000.0 / baud;
    };
    const auto measure = [&](LineFigures& f, const std::function<bool()>& operation) {
        tally.Reset();
        const std::size_t first = sim.Requests().size();
        const auto start = Clock::now();
        const bool ok = operation();
        f.wallMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        f.delaysMs += static_cast<double>(tally.Total().count());
        // The simulator logs a request as it takes it in; its reply follows.
        sim.WaitForRequests(first + 1);
        f.lineMs += lineMs(LineBytes(sim, first));
        f.failures += !ok;
    };
    for (int i = 0; i < rounds; ++i) {
        measure(read, [&] { return exchange.GetCurrentConfiguration(); });
        measure(save, [&] { return exchange.SaveNewConfiguration(false); });
    }
    std::printf("\n%-16s %-6s %6s %12s %12s %12s %12s %8s %8s\n", "line", "what", "rounds", "time ms",
                "delays ms", "line ms", "floor ms", "ratio", "failed");
    for (const auto& [what, f] : {std::pair<const char*, const LineFigures&>{"read", read}, {"save", save}}) {
        const double floorMs = f.delaysMs + f.lineMs;
        std::printf("%-16s %-6s %6d %12.1f %12.1f %12.1f %12.1f %8.3f %8d\n",
                    (std::to_string(baud) + " baud").c_str(), what, rounds, f.wallMs / rounds,
                    f.delaysMs / rounds, f.lineMs / rounds, floorMs / rounds,
                    floorMs > 0 ? f.wallMs / floorMs : 0.0, f.failures);
    }
    return read.failures + save.failures;
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
    failures += SlowLine(9600, rounds);
    return failures ? 1 : 0;
}
