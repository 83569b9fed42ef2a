// bench-fleet: the wall time of giving 50 printers new IP settings from one file (`quorlink set-ip
// --batch`, one search) against 50 single `quorlink set-ip` calls (a search each), both against 50
// simulated wired printers that confirm at once, each from its own address.
//
// Run it inside the network harness (as root), from the repository:
//
//   scripts/netns-harness -- build/bin/bench-fleet
//
// It starts quorlink-printer-sim (beside itself, or $QL_SIM_BIN) in the printer namespace and runs the
// quorlink beside itself (or $QL_CLI). Every printer's new address is checked in the simulator's state.

#include "../tests/support/HarnessNetwork.h"
#include "../tests/support/SimProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kPrinters = 50;

std::string Mac(int n) {
    char text[18];
    std::snprintf(text, sizeof text, "02:00:00:00:00:%02X", n);
    return text;
}

// Runs a shell command with its output thrown away; its exit status.
int Run(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1 </dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How many printers the simulator holds at 192.0.2.<base + n>.
int AtAddresses(SimProcess& sim, int base) {
    int count = 0;
    for (const nlohmann::json& printer : sim.State()) {
        const std::string mac = printer["mac"];
        const int n = std::stoi(mac.substr(15), nullptr, 16);
        count += printer["ip"] == "192.0.2." + std::to_string(base + n);
    }
    return count;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main() {
    if (!std::getenv("QL_NS_PRINTERS") || !harness::InsideHarness("bench-fleet")) {
        std::fprintf(stderr, "bench-fleet: run me in scripts/netns-harness -- bench-fleet\n");
        return 2;
    }
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir(self, length > 0 ? static_cast<size_t>(length) : 0);
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    if (!std::getenv("QL_SIM_BIN"))
        ::setenv("QL_SIM_BIN", (dir + "quorlink-printer-sim").c_str(), 1);
    const std::string cli = std::getenv("QL_CLI") ? std::getenv("QL_CLI") : dir + "quorlink";

    SimProcess sim(nlohmann::json{{"generate",
                                   {{"wired", kPrinters},
                                    {"base_ip", "192.0.2.10"},
                                    {"reply_from", "own"},
                                    {"settings_reply", "SETC"}}}});
    if (!sim.Ready()) {
        std::fprintf(stderr, "bench-fleet: the simulator did not start: %s\n", sim.Output().c_str());
        return 1;
    }

    // From one file: every printer to 192.0.2.(100 + n).
    TempDir files;
    std::string csv = "mac,mode,ip,subnet,gateway\r\n";
    for (int n = 1; n <= kPrinters; ++n)
        csv += Mac(n) + ",manual,192.0.2." + std::to_string(100 + n) + ",255.255.255.0,192.0.2.1\r\n";
    files.write("fleet.csv", csv);
    auto start = std::chrono::steady_clock::now();
    const int batchStatus = Run(cli + " set-ip --batch " + files.file("fleet.csv"));
    const double batch = Seconds(start);
    const int batchSet = AtAddresses(sim, 100);

    // One call a printer: every printer to 192.0.2.(150 + n).
    start = std::chrono::steady_clock::now();
    int singleFailures = 0;
    for (int n = 1; n <= kPrinters; ++n)
        singleFailures += Run(cli + " set-ip " + Mac(n) + " --ip 192.0.2." + std::to_string(150 + n) +
                              " --subnet 255.255.255.0 --gateway 192.0.2.1") != 0;
    const double single = Seconds(start);
    const int singleSet = AtAddresses(sim, 150);

    std::printf("%-34s %-8s %-9s %-9s\n", "way", "set", "time s", "per row s");
    std::printf("%-34s %-8d %-9.2f %-9.3f\n", "set-ip --batch (one search)", batchSet, batch,
                batch / kPrinters);
    std::printf("%-34s %-8d %-9.2f %-9.3f\n", "50 x set-ip (a search each)", singleSet, single,
                single / kPrinters);
    std::printf("bench-fleet: the batch took %.1f%% of the single calls' time\n", 100.0 * batch / single);
    const bool ok =
        batchStatus == 0 && batchSet == kPrinters && singleFailures == 0 && singleSet == kPrinters;
    if (!ok)
        std::printf("bench-fleet: not every printer was set (batch status %d, %d single calls failed)\n",
                    batchStatus, singleFailures);
    return ok ? 0 : 1;
}
