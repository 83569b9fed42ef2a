// bench-search: the wall time of a whole printer search against the protocol's floor of one round, with
// 1000 wired and 1000 wireless simulated printers answering every request on 1, 2 and 4 interfaces, with a
// few smaller and broadcast-answering cases; and, for comparison, the same printers searched one exchange
// after another (each interface, wired then wireless), as the search did before it ran in one round.
//
// Run it inside the network harness with four links (as root), from the repository:
//
//   scripts/netns-harness --four-links -- build/bin/bench-search
//
// It starts quorlink-printer-sim (beside itself, or $QL_SIM_BIN) in the printer namespace for each case.
// The floor of a round: five requests 50 ms apart, then 2 s of silence after the last answer (2.25 s), or
// the 500 ms receive time-out when nothing answers (0.75 s). One exchange after another adds these up per
// interface and type. "drops" are the datagrams the tool namespace's UDP layer dropped for a full socket
// buffer (RcvbufErrors of /proc/net/snmp). "last heard s" is when the last printer was first heard: on a
// busy machine the simulator needs that long to send every answer, and the round ends 2 s after the last.

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
    bool oneByOne = false; // every exchange after the other, as before the round
};

} // namespace

int main() {
    if (!std::getenv("QL_NS_PRINTERS") || !std::getenv("QL_TOOL_ADDR4") ||
        !harness::InsideHarness("bench-search")) {
        std::fprintf(stderr, "bench-search: run me in scripts/netns-harness --four-links -- %s\n",
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

    std::printf("%-11s %-8s %-8s %-10s %-17s %-8s %-9s %-9s %-9s %-6s %-13s\n", "search", "wired", "wireless",
                "interfaces", "reply by", "found", "time s", "floor s", "over %", "drops", "last heard s");
    int failures = 0;
    for (const Case c : {Case{1, 0, 1}, Case{1000, 0, 1}, Case{1000, 1000, 1}, Case{1000, 1000, 2},
                         Case{1000, 1000, 4}, Case{1000, 0, 1, "subnet-broadcast"},
                         Case{500, 500, 2, "broadcast"}, Case{1000, 1000, 1, "unicast", true},
                         Case{1000, 1000, 2, "unicast", true}, Case{1000, 1000, 4, "unicast", true}}) {
        SimProcess sim(nlohmann::json{
            {"generate",
             {{"wired", c.wired}, {"wireless", c.wireless}, {"answers", 1}, {"reply_by", c.replyBy}}}});
        if (!sim.Ready()) {
            std::fprintf(stderr, "bench-search: the simulator did not start: %s\n", sim.Output().c_str());
            return 1;
        }
        // The system's list cut to its first entries.
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
        SearchResult result;
        double lastHeard = 0;
        const auto heard = [&](const HeardPrinter&) {
            lastHeard = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        if (c.oneByOne) {
            endpoint.ClearPrinterTables();
            for (int i = 0; i < c.interfaces; ++i)
                for (const int type : {VRX_WIRED_PRINTER, VRX_WIRELESS_PRINTER})
                    endpoint.SearchPrinter(i, type);
            endpoint.CopyEthernetInfoTo(result.ethernet);
            endpoint.CopyWLanInfoTo(result.wlan);
        } else {
            result = RunSearchProcedure(endpoint, {}, heard);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const long drops = ReceiveBufferErrors() - dropsBefore;

        const double answered = 0.25 + 2.0, silent = 0.25 + 0.5;
        const double floor =
            c.oneByOne ? c.interfaces * ((c.wired ? answered : silent) + (c.wireless ? answered : silent))
                       : (c.wired || c.wireless ? answered : silent);
        const int found = static_cast<int>(result.ethernet.size() + result.wlan.size());
        const double over = 100.0 * (seconds - floor) / floor;
        char heardText[32] = "-";
        if (!c.oneByOne)
            std::snprintf(heardText, sizeof heardText, "%.3f", lastHeard);
        std::printf("%-11s %-8d %-8d %-10d %-17s %-8d %-9.3f %-9.3f %-9.2f %-6ld %-13s\n",
                    c.oneByOne ? "one by one" : "one round", c.wired, c.wireless, c.interfaces, c.replyBy,
                    found, seconds, floor, over, drops, heardText);
        std::fflush(stdout);
        if (found != c.wired + c.wireless || over > 5.0 || drops > 0)
            ++failures;
    }
    std::printf(failures ? "bench-search: %d case(s) missed the target (all found, within 5%% of the floor, "
                           "no drops)\n"
                         : "bench-search: every case found all printers within 5%% of the floor, no drops\n",
                failures);
    return failures ? 1 : 0;
}
