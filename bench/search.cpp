// bench-search: the wall time of a whole printer search against the protocol's floor, with 1, 100 and
// 1000 simulated printers answering every request, on one and on two interfaces, and 1000 answering by
// broadcast (as printers on another subnet do).
//
// Run it inside the network harness with two links (as root), from the repository:
//
//   scripts/netns-harness --second-link -- build/bin/bench-search
//
// It starts quorlink-printer-sim (beside itself, or $QL_SIM_BIN) in the printer namespace for each case.
// The floor, per interface and printer type: five requests 50 ms apart and 50 ms after the last, then
// 2 s of silence after the last answer; or the 500 ms receive time-out when nothing answers that type.
// "drops" are the datagrams the tool namespace's UDP layer dropped for a full socket buffer.

#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SearchProcedure.h"

#include "../tests/support/HarnessNetwork.h"
#include "../tests/support/SimProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// UDP RcvbufErrors of this network namespace.
long ReceiveBufferErrors() {
    std::ifstream in("/proc/net/snmp");
    std::string header, values;
    while (std::getline(in, header) && std::getline(in, values)) {
        if (header.rfind("Udp:", 0) != 0)
            continue;
        std::istringstream names(header), numbers(values);
        std::string name, number;
        while (names >> name && numbers >> number)
            if (name == "RcvbufErrors")
                return std::stol(number);
    }
    return -1;
}

struct Case {
    int wired, wireless, interfaces;
    const char* replyBy = "unicast";
};

} // namespace

int main() {
    if (!std::getenv("QL_NS_PRINTERS") || !std::getenv("QL_TOOL_ADDR2") ||
        !harness::InsideHarness("bench-search")) {
        std::fprintf(stderr, "bench-search: run me in scripts/netns-harness --second-link -- %s\n",
                     "bench-search");
        return 2;
    }
    if (!std::getenv("QL_SIM_BIN")) {
        char self[4096] = {};
        const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
        std::string dir(self, length > 0 ? static_cast<size_t>(length) : 0);
        dir = dir.substr(0, dir.find_last_of('/') + 1);
        ::setenv("QL_SIM_BIN", (dir + "quorlink-printer-sim").c_str(), 1);
    }

    std::printf("%-8s %-8s %-10s %-17s %-8s %-9s %-9s %-9s %-6s\n", "wired", "wireless", "interfaces",
                "reply by", "found", "time s", "floor s", "over %", "drops");
    int failures = 0;
    for (const Case c : {Case{1, 0, 1}, Case{100, 0, 1}, Case{1000, 0, 1}, Case{1, 0, 2}, Case{100, 0, 2},
                         Case{1000, 0, 2}, Case{500, 500, 1}, Case{500, 500, 2},
                         Case{1000, 0, 1, "subnet-broadcast"}, Case{500, 500, 2, "broadcast"}}) {
        SimProcess sim(nlohmann::json{
            {"generate",
             {{"wired", c.wired}, {"wireless", c.wireless}, {"answers", 1}, {"reply_by", c.replyBy}}}});
        if (!sim.Ready()) {
            std::fprintf(stderr, "bench-search: the simulator did not start: %s\n", sim.Output().c_str());
            return 1;
        }
        // One interface: the system's list cut to its first entry.
        const int interfaces = c.interfaces;
        CUdpEndpoint endpoint([interfaces](std::vector<SystemInterfaceEntry>& entries, int& error) {
            if (!ListSystemInterfaces(entries, error))
                return false;
            std::vector<SystemInterfaceEntry> kept;
            for (const auto& entry : entries)
                if ((entry.flags & 0x2 /* IFF_BROADCAST */) && static_cast<int>(kept.size()) < interfaces)
                    kept.push_back(entry);
            entries = kept;
            return true;
        });
        if (!endpoint.InitLocalNetworkInterface() || endpoint.GetPrinterNetworkAddress() != c.interfaces) {
            std::fprintf(stderr, "bench-search: expected %d interfaces\n", c.interfaces);
            return 1;
        }
        const long dropsBefore = ReceiveBufferErrors();
        const auto start = std::chrono::steady_clock::now();
        const SearchResult result = RunSearchProcedure(endpoint);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const long drops = ReceiveBufferErrors() - dropsBefore;

        const double answered = 0.25 + 2.0, silent = 0.25 + 0.5;
        const double floor =
            c.interfaces * ((c.wired ? answered : silent) + (c.wireless ? answered : silent));
        const int found = static_cast<int>(result.ethernet.size() + result.wlan.size());
        const double over = 100.0 * (seconds - floor) / floor;
        std::printf("%-8d %-8d %-10d %-17s %-8d %-9.3f %-9.3f %-9.2f %-6ld\n", c.wired, c.wireless,
                    c.interfaces, c.replyBy, found, seconds, floor, over, drops);
        std::fflush(stdout);
        if (found != c.wired + c.wireless || over > 5.0)
            ++failures;
    }
    std::printf(failures ? "bench-search: %d case(s) missed the target (all found, within 5%% of the floor)\n"
                         : "bench-search: every case found all printers within 5%% of the floor\n",
                failures);
    return failures ? 1 : 0;
}
