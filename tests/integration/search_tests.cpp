// Discovery, settings and command-line tests on a real network: run by scripts/netns-harness, which puts
// this program in the tool namespace (192.0.2.1, and 198.51.100.1 with --second-link). Each test starts
// its own quorlink-printer-sim in the printer namespace. Outside the harness every test skips.

#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SearchProcedure.h"
#include "netsearch/SettingsMessage.h"
#include "netsearch/SubnetSearch.h"

#include "HarnessNetwork.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ifaddrs.h>
#include <map>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <stop_token>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

// Only inside the harness's tool namespace may these tests send anything.
bool InHarness() {
    static const bool inside = std::getenv("QL_NS_PRINTERS") && std::getenv("QL_SIM_BIN") &&
                               harness::InsideHarness("search-integration-tests");
    return inside;
}

#define REQUIRE_HARNESS()                                                                                    \
    if (!InHarness())                                                                                        \
    GTEST_SKIP() << "needs scripts/netns-harness (QL_NS_PRINTERS, QL_SIM_BIN)"

std::string Hex(std::string_view text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

json Printers(json list) {
    return json{{"printers", std::move(list)}};
}

// The sim starts up and is ready before the search.
#define START_SIM(name, config)                                                                              \
    SimProcess name(config);                                                                                 \
    ASSERT_TRUE(name.Ready()) << name.Output()

// ----------------------------------------------------------------------------------------------------
// One link

TEST(SearchWire, InterfaceTableFromTheSystemHasTheVethButNotLoopback) {
    REQUIRE_HARNESS();
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const bool second = std::getenv("QL_TOOL_ADDR2") != nullptr;
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), second ? 2 : 1);
    const LOCAL_INTERFACE_INFO& first = endpoint.InterfaceTable().at(0);
    EXPECT_EQ(Ipv4Text(first.byIpAdr), "192.0.2.1");
    EXPECT_EQ(Ipv4Text(first.byBroadcastAdr), "192.0.2.255");
    EXPECT_EQ(first.dwFlags, VRX_IFF_UP | VRX_IFF_BROADCAST);
    if (second) {
        EXPECT_EQ(Ipv4Text(endpoint.InterfaceTable().at(1).byIpAdr), "198.51.100.1");
    }
}

TEST(SearchWire, RequestsAreFiveBroadcastsOnTheTypesPorts) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers(json::array()));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const auto start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 0);
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRELESS_PRINTER), 0);
    const double took = Seconds(start);
    EXPECT_GT(took, 2 * 0.75 - 0.05) << "five sends with pauses and one time-out, twice";
    EXPECT_LT(took, 2 * 0.75 + 0.8);

    const auto requests = sim.Requests();
    ASSERT_EQ(requests.size(), 10u);
    for (size_t i = 0; i < requests.size(); ++i) {
        const bool wired = i < 5;
        SCOPED_TRACE(requests[i].dump());
        EXPECT_EQ(requests[i]["port"], wired ? 48781 : 3337);
        EXPECT_EQ(requests[i]["from"], wired ? "192.0.2.1:48780" : "192.0.2.1:9000");
        EXPECT_EQ(requests[i]["to"], "192.0.2.255");
        EXPECT_EQ(requests[i]["hex"], wired ? Hex("FIND") : Hex("__[I_F]__[PRT_REG]"));
    }
}

TEST(SearchWire, WiredAnswersOf30And31Bytes) {
    REQUIRE_HARNESS();
    START_SIM(sim,
              Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:30"}, {"answer_length", 30}, {"http", 1}},
                        {{"type", "wired"},
                         {"mac", "02:00:00:00:00:31"},
                         {"ip", "192.0.2.31"},
                         {"port", 9100},
                         {"inactivity", 300},
                         {"firmware", "2.7"},
                         {"http", 1}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const auto start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 2);
    const double took = Seconds(start);
    EXPECT_GT(took, 0.25 + 2.0 - 0.05) << "2 s of silence after the last answer";
    EXPECT_LT(took, 0.25 + 2.0 + 0.8);
    EthernetInfoMap wired;
    ASSERT_EQ(endpoint.CopyEthernetInfoTo(wired), 2);
    EXPECT_EQ(wired.at("02:00:00:00:00:30").Http, 0) << "a 30-byte answer has no Http byte";
    const ETHERNET_INFO& full = wired.at("02:00:00:00:00:31");
    EXPECT_EQ(full.Http, 1);
    EXPECT_EQ(Ipv4Text(full.Ip), "192.0.2.31");
    EXPECT_EQ(BigEndian16(full.Port), 9100u);
    EXPECT_EQ(BigEndian16(full.I_activeTime), 300u);
    EXPECT_EQ(full.FwVer[0], 2);
    EXPECT_EQ(full.FwVer[1], 7);
    EXPECT_EQ(full.byLocalNetworkInterface, 0);
}

TEST(SearchWire, WirelessAnswersOf47And111BytesWithAndWithoutTheNameBit) {
    REQUIRE_HARNESS();
    START_SIM(
        sim, Printers({
                 {{"type", "wireless"}, {"mac", "06:00:00:00:00:01"}, {"name", "Named 111"}},
                 {{"type", "wireless"}, {"mac", "06:00:00:00:00:02"}, {"name", "Cut"}, {"answer_length", 47}},
                 {{"type", "wireless"},
                  {"mac", "06:00:00:00:00:03"},
                  {"name", "Bit clear"},
                  {"mask", {0x11, 3}},
                  {"answer_length", 111}},
                 {{"type", "wireless"}, {"mac", "06:00:00:00:00:04"}},
             }));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRELESS_PRINTER), 4);
    WLanInfoMap wireless;
    ASSERT_EQ(endpoint.CopyWLanInfoTo(wireless), 4);
    EXPECT_EQ(DecodeSystemName(wireless.at("06:00:00:00:00:01")), "Named 111");
    EXPECT_EQ(wireless.at("06:00:00:00:00:02").Mask[0], 0x91);
    EXPECT_EQ(wireless.at("06:00:00:00:00:02").SystemName[0], 0) << "47 bytes hold no name";
    EXPECT_EQ(wireless.at("06:00:00:00:00:03").Mask[1], 3);
    EXPECT_EQ(wireless.at("06:00:00:00:00:03").SystemName[0], 0) << "without bit 0x80 no name is copied";
    EXPECT_EQ(wireless.at("06:00:00:00:00:04").Mask[0], 0x11);
}

TEST(SearchWire, AWiredAnswerHeardDuringAWirelessSearchLandsInTheWiredTable) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:77"}, {"answers_to", "wireless"}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRELESS_PRINTER), 0) << "the wireless table stays empty";
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(wired.count("02:00:00:00:00:77"), 1u);
    EXPECT_EQ(endpoint.CopyWLanInfoTo(wireless), 0);
}

TEST(SearchWire, ForeignShortAndEmptyDatagramsAreIgnored) {
    REQUIRE_HARNESS();
    START_SIM(sim,
              Printers({{{"type", "wired"},
                         {"mac", "02:00:00:00:00:0f"},
                         {"garbage_before", {"", "IMIN short", "random:29", "random:1024", "random:1500"}},
                         {"garbage_after", {"__[I_F]__[REG_RSP] too short", "hex:00", "SETC"}}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 1);
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    ASSERT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(wired.begin()->first, "02:00:00:00:00:0F");
    EXPECT_EQ(endpoint.CopyWLanInfoTo(wireless), 0);
}

TEST(SearchWire, NoAnswerGivesZeroAndLeavesTheTables) {
    REQUIRE_HARNESS();
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    {
        START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:01"}}}));
        ASSERT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 1);
    }
    const auto start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 0);
    EXPECT_LT(Seconds(start), 0.75 + 0.6);
    EthernetInfoMap wired;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
}

// ----------------------------------------------------------------------------------------------------
// Two links to the same printers

TEST(SearchTwoLinks, RepeatedAnswersOnBothInterfacesGiveOneRecordWithTheFirstInterface) {
    REQUIRE_HARNESS();
    if (!std::getenv("QL_TOOL_ADDR2"))
        GTEST_SKIP() << "needs --second-link";
    START_SIM(
        sim,
        Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:05"}, {"answers", 5}},
                  {{"type", "wireless"}, {"mac", "06:00:00:00:00:05"}, {"answers", 5}, {"name", "Both"}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    const SearchResult result = RunSearchProcedure(endpoint);
    EXPECT_NE(result.networkPrinter, 0);
    ASSERT_EQ(result.ethernet.size(), 1u);
    ASSERT_EQ(result.wlan.size(), 1u);
    // Both interfaces search in the same round: the record holds the interface its first answer came in on.
    for (const auto& [type, mac] : {std::pair{VRX_WIRED_PRINTER, result.ethernet.begin()->first},
                                    std::pair{VRX_WIRELESS_PRINTER, result.wlan.begin()->first}}) {
        const int credited = type == VRX_WIRED_PRINTER
                                 ? result.ethernet.begin()->second.byLocalNetworkInterface
                                 : result.wlan.begin()->second.byLocalNetworkInterface;
        const auto origin = endpoint.OriginOf(type, mac);
        ASSERT_TRUE(origin.has_value()) << mac;
        EXPECT_EQ(Ipv4Text(origin->source.data()), credited == 0 ? "192.0.2.2" : "198.51.100.2") << mac;
    }
    // Five requests on each interface and type, each answered five times.
    const auto requests = sim.Requests();
    EXPECT_EQ(requests.size(), 20u);
    size_t onSecond = 0;
    for (const auto& request : requests)
        onSecond += request["to"] == "198.51.100.255";
    EXPECT_EQ(onSecond, 10u) << "the second interface's broadcasts leave by the second link";
}

// ----------------------------------------------------------------------------------------------------
// One round for every interface and both types (two links)

// One round: five requests 50 ms apart, then 2 s of silence after the last answer.
constexpr double kOneRound = 0.25 + 2.0;

// The interface key whose subnet holds address (the harness's links are /24).
int InterfaceOfSubnet(const CUdpEndpoint& endpoint, const CUdpEndpoint::Address& address) {
    for (const auto& [key, info] : endpoint.InterfaceTable())
        if (std::equal(info.byIpAdr, info.byIpAdr + 3, address.begin()))
            return key;
    return -1;
}

#define REQUIRE_TWO_LINKS()                                                                                  \
    REQUIRE_HARNESS();                                                                                       \
    ASSERT_TRUE(std::getenv("QL_TOOL_ADDR2")) << "the round tests need scripts/netns-harness --second-link"

TEST(SearchRound, BothTypesOnTwoInterfacesInOneRoundEachCreditedToItsInterface) {
    REQUIRE_TWO_LINKS();
    // A wired and a wireless printer on each link only, and one of each type on both links.
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:0a:01"}, {"link", "192.0.2.2"}},
                             {{"type", "wired"}, {"mac", "02:00:00:00:0a:02"}, {"link", "198.51.100.2"}},
                             {{"type", "wireless"}, {"mac", "06:00:00:00:0a:03"}, {"link", "192.0.2.2"}},
                             {{"type", "wireless"}, {"mac", "06:00:00:00:0a:04"}, {"link", "198.51.100.2"}},
                             {{"type", "wired"}, {"mac", "02:00:00:00:0a:05"}, {"answers", 5}},
                             {{"type", "wireless"}, {"mac", "06:00:00:00:0a:06"}, {"answers", 5}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    const auto start = Clock::now();
    const SearchResult result = RunSearchProcedure(endpoint);
    const double took = Seconds(start);
    EXPECT_GT(took, kOneRound - 0.05);
    EXPECT_LT(took, kOneRound * 1.1) << "one round, not one per interface and type";

    ASSERT_EQ(result.ethernet.size(), 3u);
    ASSERT_EQ(result.wlan.size(), 3u);
    EXPECT_EQ(result.ethernet.at("02:00:00:00:0A:01").byLocalNetworkInterface, 0);
    EXPECT_EQ(result.ethernet.at("02:00:00:00:0A:02").byLocalNetworkInterface, 1);
    EXPECT_EQ(result.wlan.at("06:00:00:00:0A:03").byLocalNetworkInterface, 0);
    EXPECT_EQ(result.wlan.at("06:00:00:00:0A:04").byLocalNetworkInterface, 1);
    // Heard on both: one record, credited to the interface its first answer came in on (the simulator
    // answers from its address on the link the request came by).
    for (const auto& [type, mac] : {std::pair{VRX_WIRED_PRINTER, std::string("02:00:00:00:0A:05")},
                                    std::pair{VRX_WIRELESS_PRINTER, std::string("06:00:00:00:0A:06")}}) {
        SCOPED_TRACE(mac);
        const int credited = type == VRX_WIRED_PRINTER ? result.ethernet.at(mac).byLocalNetworkInterface
                                                       : result.wlan.at(mac).byLocalNetworkInterface;
        const auto origin = endpoint.OriginOf(type, mac);
        ASSERT_TRUE(origin.has_value());
        EXPECT_EQ(credited, InterfaceOfSubnet(endpoint, origin->source));
    }

    // Every request of the round left within its first 250 ms: five per interface and type.
    const auto requests = sim.Requests();
    ASSERT_EQ(requests.size(), 20u);
    std::map<std::string, int> perExchange;
    long first = LONG_MAX, last = 0;
    for (const auto& request : requests) {
        ++perExchange[request["to"].get<std::string>() + ":" + std::to_string(request["port"].get<int>())];
        first = std::min(first, request["at_ms"].get<long>());
        last = std::max(last, request["at_ms"].get<long>());
    }
    EXPECT_EQ(perExchange, (std::map<std::string, int>{{"192.0.2.255:3337", 5},
                                                       {"192.0.2.255:48781", 5},
                                                       {"198.51.100.255:3337", 5},
                                                       {"198.51.100.255:48781", 5}}));
    EXPECT_LT(last - first, 250) << "the requests of every exchange go out together";
}

TEST(SearchRound, AnInterfaceWithoutPrintersBesideOneWithManyAndATypeNobodyAnswers) {
    REQUIRE_TWO_LINKS();
    // 300 wired printers on the first link; nothing on the second; no wireless printer anywhere.
    START_SIM(sim, (json{{"generate", {{"wired", 300}, {"answers", 1}, {"link", "192.0.2.2"}}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    std::atomic<int> heard{0};
    const auto start = Clock::now();
    const SearchResult result = RunSearchProcedure(endpoint, {}, [&](const HeardPrinter& printer) {
        EXPECT_NE(printer.ethernet, nullptr);
        ++heard;
    });
    const double took = Seconds(start);
    EXPECT_EQ(result.ethernet.size(), 300u);
    EXPECT_EQ(heard.load(), 300) << "each printer told once, at its first answer";
    EXPECT_TRUE(result.wlan.empty());
    EXPECT_NE(result.networkPrinter, 0);
    for (const auto& [mac, record] : result.ethernet)
        ASSERT_EQ(record.byLocalNetworkInterface, 0) << mac;
    // The silent exchanges end after their 500 ms and do not lengthen the round.
    EXPECT_GT(took, kOneRound - 0.05);
    EXPECT_LT(took, kOneRound * 1.1);
}

TEST(SearchRound, NobodyAnsweringEndsAfterTheRequestsAndTheReceiveTimeOut) {
    REQUIRE_TWO_LINKS();
    START_SIM(sim, Printers(json::array()));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const auto start = Clock::now();
    const SearchResult result = RunSearchProcedure(endpoint);
    const double took = Seconds(start);
    EXPECT_EQ(result.networkPrinter, 0);
    EXPECT_GT(took, 0.75 - 0.05);
    EXPECT_LT(took, 0.75 + 0.3) << "four silent exchanges at once: 250 ms of requests and 500 ms";
    EXPECT_EQ(sim.Requests().size(), 20u);
}

TEST(SearchRound, CancelInTheMiddleEndsTheWholeRoundWithinHalfASecondAndKeepsWhatWasHeard) {
    REQUIRE_TWO_LINKS();
    // A wireless printer that answers 300 ms late keeps the round going until 2.5 s.
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:0d:01"}, {"link", "192.0.2.2"}},
                             {{"type", "wireless"},
                              {"mac", "06:00:00:00:0d:02"},
                              {"link", "198.51.100.2"},
                              {"delay_ms", 300}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    std::stop_source stop;
    SearchResult result;
    Clock::time_point ended;
    std::thread worker([&] {
        result = RunSearchProcedure(endpoint, stop.get_token());
        ended = Clock::now();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1200)); // both heard, the silence runs
    const auto stopped = Clock::now();
    stop.request_stop();
    worker.join();
    const double afterStop = std::chrono::duration<double>(ended - stopped).count();
    EXPECT_LT(afterStop, 0.5);
    EXPECT_LT(afterStop, 0.1) << "the round looks at the stop at least every 50 ms";
    EXPECT_EQ(result.ethernet.count("02:00:00:00:0D:01"), 1u) << "what was heard before the stop stays";
    EXPECT_EQ(result.wlan.count("06:00:00:00:0D:02"), 1u);
}

// ----------------------------------------------------------------------------------------------------
// Printers whose own address is on another subnet answer by broadcast (two links)

TEST(SearchBroadcast, PrintersOnAnotherSubnetAnsweringByBroadcastAreFoundWithTheirInterface) {
    REQUIRE_HARNESS();
    if (!std::getenv("QL_TOOL_ADDR2"))
        GTEST_SKIP() << "needs --second-link";
    // Each printer sits on one link and can reach the tool only by broadcast.
    START_SIM(sim, Printers({{{"type", "wired"},
                              {"mac", "02:00:00:00:0b:01"},
                              {"ip", "203.0.113.50"},
                              {"reply_by", "subnet-broadcast"},
                              {"link", "192.0.2.2"}},
                             {{"type", "wired"},
                              {"mac", "02:00:00:00:0b:02"},
                              {"ip", "203.0.113.51"},
                              {"reply_by", "broadcast"},
                              {"link", "198.51.100.2"}},
                             {{"type", "wireless"},
                              {"mac", "06:00:00:00:0b:03"},
                              {"ip", "203.0.113.52"},
                              {"name", "Far away"},
                              {"reply_by", "broadcast"},
                              {"link", "192.0.2.2"}},
                             {{"type", "wireless"},
                              {"mac", "06:00:00:00:0b:04"},
                              {"ip", "203.0.113.53"},
                              {"name", "Further"},
                              {"reply_by", "subnet-broadcast"},
                              {"link", "198.51.100.2"}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    const SearchResult result = RunSearchProcedure(endpoint);
    ASSERT_EQ(result.ethernet.size(), 2u);
    ASSERT_EQ(result.wlan.size(), 2u);
    EXPECT_EQ(result.ethernet.at("02:00:00:00:0B:01").byLocalNetworkInterface, 0);
    EXPECT_EQ(Ipv4Text(result.ethernet.at("02:00:00:00:0B:01").Ip), "203.0.113.50");
    EXPECT_EQ(result.ethernet.at("02:00:00:00:0B:02").byLocalNetworkInterface, 1);
    EXPECT_EQ(result.wlan.at("06:00:00:00:0B:03").byLocalNetworkInterface, 0);
    EXPECT_EQ(DecodeSystemName(result.wlan.at("06:00:00:00:0B:03")), "Far away");
    EXPECT_EQ(result.wlan.at("06:00:00:00:0B:04").byLocalNetworkInterface, 1);
    EXPECT_EQ(DecodeSystemName(result.wlan.at("06:00:00:00:0B:04")), "Further");

    // Such a printer confirms new settings by broadcast too: the exchange hears it.
    for (const auto& [mac, record] : result.ethernet) {
        SCOPED_TRACE(mac);
        ETHERNET_INFO changed = record;
        changed.Ip[3] = 99;
        const auto message = BuildWiredSettingsMessage(changed);
        EXPECT_TRUE(endpoint.SetQlinkInfo(record.byLocalNetworkInterface, VRX_WIRED_PRINTER, message.data(),
                                          static_cast<int>(message.size())));
        EXPECT_TRUE(endpoint.LastSettingConfirmed());
    }
    endpoint.CloseSocket();
    const json state = sim.State();
    ASSERT_TRUE(state.is_array()) << state.dump();
    EXPECT_EQ(state[0]["ip"], "203.0.113.99");
    EXPECT_EQ(state[1]["ip"], "203.0.113.99");
}

// ----------------------------------------------------------------------------------------------------
// Two cards on one subnet; the printer side sends what is meant for one card's address to the other card

// A counter of a network device of this namespace, such as "tx_packets".
long DeviceCounter(const std::string& device, const std::string& counter) {
    std::ifstream in("/sys/class/net/" + device + "/statistics/" + counter);
    long value = -1;
    in >> value;
    return value;
}

TEST(SearchTwoCards, RequestsLeaveByTheSearchedCardAndAnswersThroughTheOtherAreTakenOnce) {
    REQUIRE_HARNESS();
    if (!std::getenv("QL_TOOL_CARD2_ADDR"))
        GTEST_SKIP() << "needs --two-cards";
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:0c:01"}, {"ip", "192.0.2.61"}},
                             {{"type", "wired"},
                              {"mac", "02:00:00:00:0c:02"},
                              {"ip", "203.0.113.62"},
                              {"reply_by", "subnet-broadcast"}},
                             {{"type", "wireless"},
                              {"mac", "06:00:00:00:0c:03"},
                              {"ip", "192.0.2.63"},
                              {"name", "Twin"},
                              {"answers", 3}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    EXPECT_EQ(Ipv4Text(endpoint.InterfaceTable().at(0).byIpAdr), "192.0.2.1");
    EXPECT_EQ(Ipv4Text(endpoint.InterfaceTable().at(1).byIpAdr), "192.0.2.3");
    const std::string card[2] = {endpoint.InterfaceName(0), endpoint.InterfaceName(1)};

    for (const int searched : {0, 1}) {
        SCOPED_TRACE("card " + std::to_string(searched));
        const int other = 1 - searched;
        const long sentBefore[2] = {DeviceCounter(card[0], "tx_packets"),
                                    DeviceCounter(card[1], "tx_packets")};
        const long otherHeard = DeviceCounter(card[other], "rx_packets");
        endpoint.ClearPrinterTables();
        EXPECT_EQ(endpoint.SearchPrinter(searched, VRX_WIRED_PRINTER), 2);
        EXPECT_EQ(DeviceCounter(card[searched], "tx_packets") - sentBefore[searched], 5)
            << "the five requests leave by the searched card";
        EXPECT_EQ(DeviceCounter(card[other], "tx_packets") - sentBefore[other], 0) << "and none by the other";
        EXPECT_GE(DeviceCounter(card[other], "rx_packets") - otherHeard, 5)
            << "the unicast answers came in through the other card";
        EthernetInfoMap wired;
        ASSERT_EQ(endpoint.CopyEthernetInfoTo(wired), 2);
        for (const auto& [mac, record] : wired)
            EXPECT_EQ(record.byLocalNetworkInterface, searched) << mac;
    }

    const SearchResult result = RunSearchProcedure(endpoint);
    ASSERT_EQ(result.ethernet.size(), 2u);
    ASSERT_EQ(result.wlan.size(), 1u);
    // Both cards search in the same round; each printer is listed once, with the card its first answer
    // was meant for.
    for (const auto& [mac, record] : result.ethernet)
        EXPECT_LE(record.byLocalNetworkInterface, 1) << mac;
    EXPECT_LE(result.wlan.at("06:00:00:00:0C:03").byLocalNetworkInterface, 1);
    EXPECT_EQ(DecodeSystemName(result.wlan.at("06:00:00:00:0C:03")), "Twin");
}

// ----------------------------------------------------------------------------------------------------
// Interfaces the system lists that the table must leave out (changes the tool namespace: own harness run)

TEST(SearchInterfaces, NoBroadcastFlagIsNeverListedAndNotUpIsListed) {
    REQUIRE_HARNESS();
    // A tun device is point-to-point: no broadcast flag. A veth pair kept down has the flag but not up.
    ASSERT_EQ(std::system("ip tuntap add qltun0 mode tun && ip addr add 203.0.113.1/24 dev qltun0"), 0);
    ASSERT_EQ(std::system("ip link add qlx0 type veth peer name qlx1 && "
                          "ip addr add 203.0.113.129/25 brd + dev qlx0"),
              0);
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    std::vector<std::string> listed;
    for (const auto& [key, info] : endpoint.InterfaceTable())
        listed.push_back(Ipv4Text(info.byIpAdr) + "/" + Ipv4Text(info.byBroadcastAdr) + "/" +
                         std::to_string(info.dwFlags));
    EXPECT_EQ(listed, (std::vector<std::string>{"192.0.2.1/192.0.2.255/3", "203.0.113.129/203.0.113.255/2"}));
    EXPECT_EQ(endpoint.InterfaceName(1), "qlx0");
    // Binding to a down interface fails cleanly and the search goes on.
    EXPECT_EQ(endpoint.SearchPrinter(1, VRX_WIRED_PRINTER), 0);
    std::system("ip link del qlx0; ip tuntap del qltun0 mode tun");
}

// ----------------------------------------------------------------------------------------------------
// IP settings exchange

ETHERNET_INFO FindWired(CUdpEndpoint& endpoint, const std::string& mac) {
    EthernetInfoMap wired;
    endpoint.ClearPrinterTables();
    endpoint.SearchPrinter(0, VRX_WIRED_PRINTER);
    endpoint.CopyEthernetInfoTo(wired);
    return wired.count(mac) ? wired.at(mac) : ETHERNET_INFO{};
}

TEST(SettingsExchange, ConfirmationKindsAndWhatThePrinterTakes) {
    REQUIRE_HARNESS();
    struct Case {
        const char* reply;
        bool confirmed;
        double minSeconds, maxSeconds;
    };
    for (const Case c :
         {Case{"SET_RSP", true, 0.05, 0.6}, Case{"SETC", true, 0.05, 0.6}, Case{"none", false, 1.1, 1.9}}) {
        SCOPED_TRACE(c.reply);
        START_SIM(sim, Printers({{{"type", "wired"},
                                  {"mac", "02:00:00:00:00:5e"},
                                  {"ip", "192.0.2.50"},
                                  {"settings_reply", c.reply}}}));
        CUdpEndpoint endpoint;
        ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
        ETHERNET_INFO record = FindWired(endpoint, "02:00:00:00:00:5E");
        ASSERT_EQ(record.MacAddr[5], 0x5E);
        record.Ip[3] = 60;
        record.Port[0] = 0x23;
        record.Port[1] = 0x8D; // 9101
        record.I_activeTime[0] = 0x01;
        record.I_activeTime[1] = 0x2C; // 300
        const auto message = BuildWiredSettingsMessage(record);
        const auto start = Clock::now();
        EXPECT_TRUE(endpoint.SetQlinkInfo(record.byLocalNetworkInterface, VRX_WIRED_PRINTER, message.data(),
                                          static_cast<int>(message.size())));
        const double took = Seconds(start);
        EXPECT_EQ(endpoint.LastSettingConfirmed(), c.confirmed);
        EXPECT_GT(took, c.minSeconds);
        EXPECT_LT(took, c.maxSeconds);

        const json state = sim.State();
        ASSERT_TRUE(state.is_array()) << state.dump();
        EXPECT_EQ(state[0]["ip"], "192.0.2.60");
        EXPECT_EQ(state[0]["port"], 9101);
        EXPECT_EQ(state[0]["inactivity"], 300);
        size_t settings = 0;
        for (const auto& request : sim.Requests())
            if (request["hex"].get<std::string>().rfind(Hex("SETT"), 0) == 0) {
                ++settings;
                EXPECT_EQ(request["to"], "192.0.2.255");
                EXPECT_EQ(request["length"], 30);
            }
        EXPECT_EQ(settings, c.confirmed ? 1u : 2u);

        // A search now shows the new values.
        const ETHERNET_INFO after = FindWired(endpoint, "02:00:00:00:00:5E");
        EXPECT_EQ(Ipv4Text(after.Ip), "192.0.2.60");
        EXPECT_EQ(BigEndian16(after.Port), 9101u);
    }
}

TEST(SettingsExchange, WirelessNameTravelsOnlyWithTheNameBit) {
    REQUIRE_HARNESS();
    START_SIM(
        sim,
        Printers(
            {{{"type", "wireless"}, {"mac", "06:00:00:00:00:0a"}, {"name", "Old name"}},
             {{"type", "wireless"}, {"mac", "06:00:00:00:00:0b"}, {"name", "Keep"}, {"mask", {0x11, 0}}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.SearchPrinter(0, VRX_WIRELESS_PRINTER), 2);
    WLanInfoMap wireless;
    endpoint.CopyWLanInfoTo(wireless);
    for (auto& [mac, record] : wireless) {
        EncodeSystemName("  New name  ", record.SystemName);
        const auto message = BuildWirelessSettingsMessage(record);
        EXPECT_EQ(message.size(), record.Mask[0] & 0x80 ? 112u : 48u);
        EXPECT_TRUE(
            endpoint.SetQlinkInfo(0, VRX_WIRELESS_PRINTER, message.data(), static_cast<int>(message.size())));
        EXPECT_TRUE(endpoint.LastSettingConfirmed());
    }
    const json state = sim.State();
    EXPECT_EQ(state[0]["name"], "New name");
    EXPECT_EQ(state[1]["name"], "Keep");
}

// ----------------------------------------------------------------------------------------------------
// The command line

struct CliRun {
    int status;
    std::string out;
};

// A shell command line; its exit status and everything it printed.
CliRun Shell(const std::string& command) {
    TempDir dir;
    FILE* pipe = ::popen((command + " 2>" + dir.file("err")).c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out + dir.read("err")};
}

// The command line program with args; wrapper (such as "unshare --net") runs it.
CliRun Cli(const std::string& args, const std::string& wrapper = "") {
    const char* cli = std::getenv("QL_CLI");
    if (!cli)
        return {-1, ""};
    return Shell((wrapper.empty() ? "" : wrapper + " ") + std::string(cli) + " " + args);
}

json SearchJson() {
    const CliRun run = Cli("search --json");
    EXPECT_EQ(run.status, 0) << run.out;
    return json::parse(run.out, nullptr, false);
}

TEST(CliCommands, SearchJsonListsWiredFirst) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wireless"},
                              {"mac", "00:00:00:00:00:01"},
                              {"name", "Front desk"},
                              {"ip", "192.0.2.41"}},
                             {{"type", "wired"},
                              {"mac", "02:00:00:00:00:02"},
                              {"ip", "192.0.2.42"},
                              {"gateway", "192.0.2.254"},
                              {"firmware", "1.20"},
                              {"baudrate", 5},
                              {"http", 1}}}));
    const json list = SearchJson();
    ASSERT_TRUE(list.is_array()) << list.dump();
    ASSERT_EQ(list.size(), 2u);
    CUdpEndpoint endpoint; // the name of the harness's interface, as the system gives it
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const std::string interfaceName = endpoint.InterfaceName(0);
    ASSERT_EQ(interfaceName.rfind("qt", 0), 0u) << interfaceName;
    const json expectedWired = {{"type", "wired"},
                                {"mac", "02:00:00:00:00:02"},
                                {"ip", "192.0.2.42"},
                                {"subnet", "255.255.255.0"},
                                {"gateway", "192.0.2.254"},
                                {"port", 9100},
                                {"baudrate", 5},
                                {"dhcp", false},
                                {"inactivity", 300},
                                {"http", true},
                                {"firmware", "1.20"},
                                {"mask", nullptr},
                                {"name", ""},
                                {"interface", 0},
                                {"interface_name", interfaceName}};
    EXPECT_EQ(list[0], expectedWired);
    EXPECT_EQ(list[1]["type"], "wireless");
    EXPECT_EQ(list[1]["name"], "Front desk");
    EXPECT_EQ(list[1]["mask"], json::array({145, 0}));
    EXPECT_EQ(list[1]["http"], false);

    sim.Stop();
    const json none = SearchJson();
    EXPECT_EQ(none, json::array()) << "no answer: an empty list and success";
}

TEST(CliCommands, SearchJsonlPrintsEachPrinterAsALineTheMomentItIsFirstHeard) {
    REQUIRE_HARNESS();
    ASSERT_TRUE(std::getenv("QL_CLI"));
    // The wireless printer answers 300 ms late; its line comes after the wired one's, long before the end.
    START_SIM(
        sim,
        Printers(
            {{{"type", "wired"}, {"mac", "02:00:00:00:00:a1"}, {"answers", 3}},
             {{"type", "wireless"}, {"mac", "06:00:00:00:00:a2"}, {"name", "Late"}, {"delay_ms", 300}}}));
    const json whole = SearchJson();
    ASSERT_EQ(whole.size(), 2u) << whole.dump();

    const auto start = Clock::now();
    FILE* pipe = ::popen((std::string(std::getenv("QL_CLI")) + " search --jsonl").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::pair<double, json>> lines;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe))
        lines.emplace_back(Seconds(start), json::parse(line, nullptr, false));
    const double ended = Seconds(start);
    const int status = ::pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
    ASSERT_EQ(lines.size(), 2u) << "one line per printer, however often it answers";
    EXPECT_EQ(lines[0].second, whole[0]) << "the same object as --json";
    EXPECT_EQ(lines[1].second, whole[1]);
    EXPECT_LT(lines[0].first, 1.0) << "printed when heard, not at the end (" << ended << " s)";
    EXPECT_LT(lines[1].first, ended - 1.5);

    EXPECT_EQ(Cli("search --jsonl --json").status, 1) << "one output format at a time";
}

TEST(CliCommands, SearchPrintsATableThatFitsOneHundredColumns) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wireless"},
                              {"mac", "06:00:00:00:00:d1"},
                              {"name", "The printer by the loading dock, second floor, east wing"},
                              {"ip", "192.0.2.41"}},
                             {{"type", "wired"}, {"mac", "02:00:00:00:00:d2"}, {"ip", "192.0.2.42"}}}));
    const CliRun run = Cli("search");
    ASSERT_EQ(run.status, 0) << run.out;
    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = run.out.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(run.out.substr(begin, end - begin));
    ASSERT_EQ(lines.size(), 3u) << run.out;
    for (const auto& line : lines)
        EXPECT_LE(line.size(), 100u) << line; // ASCII and one "…" of three bytes
    EXPECT_NE(lines[1].find("192.0.2.42"), std::string::npos) << "wired first: " << lines[1];
    EXPECT_NE(lines[2].find("The printer by the lo\u2026"), std::string::npos) << lines[2];
    // The Interface column names the interface that heard the printer.
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    const std::string interfaceName = endpoint.InterfaceName(0);
    ASSERT_FALSE(interfaceName.empty());
    EXPECT_NE(lines[0].find("Interface"), std::string::npos) << lines[0];
    for (const int row : {1, 2})
        EXPECT_NE(lines[row].find(" " + interfaceName.substr(0, 8)), std::string::npos) << lines[row];
}

TEST(CliCommands, WithoutAUsableInterfaceBothCommandsSayNoNetworkAndExitTwo) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:01"}}}));
    // A fresh network namespace of this one's own, holding nothing but a loopback device.
    for (const std::string args : {"search", "search --json", "set-ip 02:00:00:00:00:01 --dhcp"}) {
        const CliRun run = Cli(args, "unshare --net");
        EXPECT_EQ(run.status, 2) << args << "\n" << run.out;
        EXPECT_EQ(run.out, "NO NETWORK CONNECTION FOUND\n") << args;
    }
    EXPECT_TRUE(sim.Requests().empty()) << "nothing reached the printers";
}

TEST(CliCommands, SetIpThenSearchShowsTheNewSettings) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"},
                              {"mac", "02:00:00:00:00:aa"},
                              {"ip", "192.0.2.50"},
                              {"settings_reply", "SETC"}},
                             {{"type", "wireless"},
                              {"mac", "06:00:00:00:00:aa"},
                              {"ip", "192.0.2.51"},
                              {"name", "Dock"},
                              {"settings_reply", "none"},
                              {"dhcp_ip", "192.0.2.99"}}}));
    CliRun run =
        Cli("set-ip 02:00:00:00:00:AA --ip 192.0.2.60 --subnet 255.255.255.0 --gateway 192.0.2.1 --port 9101 "
            "--inactivity 120");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("confirmed"), std::string::npos) << run.out;
    run = Cli("set-ip 06:00:00:00:00:aa --dhcp --name 'Dock 2'");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("no confirmation"), std::string::npos) << run.out;

    const json list = SearchJson();
    ASSERT_EQ(list.size(), 2u) << list.dump();
    EXPECT_EQ(list[0]["ip"], "192.0.2.60");
    EXPECT_EQ(list[0]["gateway"], "192.0.2.1");
    EXPECT_EQ(list[0]["port"], 9101);
    EXPECT_EQ(list[0]["inactivity"], 120);
    EXPECT_EQ(list[0]["dhcp"], false);
    EXPECT_EQ(list[1]["dhcp"], true);
    EXPECT_EQ(list[1]["ip"], "192.0.2.99");
    EXPECT_EQ(list[1]["name"], "Dock 2");
    // The DHCP message carried the factory address as payload, sent to the broadcast address.
    bool sawPlaceholder = false;
    for (const auto& request : sim.Requests()) {
        const std::string hex = request["hex"];
        if (hex.rfind(Hex("__[I_F]__[PRT_SET]"), 0) == 0) {
            EXPECT_EQ(hex.substr(2 * 24, 8), "c0a8c07b") << "192.168.192.123";
            EXPECT_EQ(request["to"], "192.0.2.255");
            sawPlaceholder = true;
        }
    }
    EXPECT_TRUE(sawPlaceholder);
}

TEST(CliCommands, SetIpRefusesWithMessagesAndSendsNothing) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"},
                              {"mac", "02:00:00:00:00:bb"},
                              {"ip", "192.0.2.50"},
                              {"gateway", "192.0.2.1"}}}));
    struct Case {
        std::string args, message;
        int status;
    };
    const Case cases[] = {
        {"--ip 192.0.2.50 --subnet 255.255.255.0 --gateway 192.0.2.1 --port 80", "Invalid Port Number", 1},
        {"--ip 0.0.0.0 --subnet 255.255.255.0 --gateway 192.0.2.1", "The IP address cannot be used.", 1},
        {"--ip 255.255.255.255 --subnet 255.255.255.0 --gateway 192.0.2.1", "The IP address cannot be used.",
         1},
        {"--ip 192.0.2.50 --subnet 255.255.255.0 --gateway 192.0.2.1", "The data to be set is same", 4},
        {"--ip 192.0.2.50 --subnet 255.255.255.0 --gateway 192.0.2.1 --name x", "has no system name", 1},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli("set-ip 02:00:00:00:00:bb " + c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.args << "\n" << run.out;
    }
    for (const auto& request : sim.Requests())
        EXPECT_NE(request["hex"].get<std::string>().substr(0, 8), Hex("SETT"));
}

TEST(CliCommands, SetIpRefusesWhatItCanCheckBeforeAnyDatagramLeaves) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:bb"}, {"ip", "192.0.2.50"}}}));
    const std::string mac = "02:00:00:00:00:bb ";
    struct Case {
        std::string args, message;
    };
    const Case cases[] = {
        {"--ip 192.0.2.60 --subnet 255.255.255.0 --gateway 192.0.2.1 --port 80", "Invalid Port Number"},
        {"--ip 0.0.0.0 --subnet 255.255.255.0 --gateway 192.0.2.1", "The IP address cannot be used."},
        {"--ip 255.255.255.255 --subnet 255.255.255.0 --gateway 0.0.0.0", "The IP address cannot be used."},
        {"--ip 192.0.2.60 --subnet 255.0.255.0 --gateway 0.0.0.0",
         "its one bits must come first, as in 255.255.255.0. (255.0.255.0)"},
        {"--ip 192.0.2.0 --subnet 255.255.255.0 --gateway 0.0.0.0",
         "network or broadcast address of its subnet. (192.0.2.0)"},
        {"--ip 192.0.2.255 --subnet 255.255.255.0 --gateway 0.0.0.0",
         "network or broadcast address of its subnet. (192.0.2.255)"},
        {"--ip 192.0.2.60 --subnet 255.255.255.0 --gateway 198.51.100.1",
         "Do you want to save all the same? (198.51.100.1)\n"
         "Give --yes"},
        {"--dhcp --port 40000", "the port number must be 0 to 32767"},
        {"--dhcp --inactivity 3601", "the inactivity time must be 0 to 3600"},
        {"--dhcp --name ''", "SYSTEM NAME LENGTH ERROR (0)"},
        {"--ip 192.0.2.9", "give either --dhcp or all of"},
        {"--dhcp --yes --bogus", "unknown argument"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli("set-ip " + mac + c.args + " </dev/null");
        EXPECT_EQ(run.status, 1) << c.args << "\n" << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.args << "\n" << run.out;
    }
    for (const std::string args : {"nonsense --dhcp", "--dhcp"})
        EXPECT_EQ(Cli("set-ip " + args).status, 1) << args;
    EXPECT_TRUE(sim.Requests().empty()) << "not even a search went out";
}

// The command line program on a terminal of its own (script(1)), typing input.
CliRun CliOnTerminal(const std::string& args, const std::string& input) {
    const char* cli = std::getenv("QL_CLI");
    if (!cli)
        return {-1, ""};
    return Shell("printf '" + input + "' | script -qec \"" + cli + " " + args + "\" /dev/null");
}

TEST(CliCommands, SetIpAsksAboutAGatewayOutsideTheSubnet) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"},
                              {"mac", "02:00:00:00:00:bc"},
                              {"ip", "192.0.2.50"},
                              {"settings_reply", "SETC"}}}));
    const std::string args = "set-ip 02:00:00:00:00:bc --ip 192.0.2.61 --subnet 255.255.255.0 --gateway ";
    const auto settingsSent = [&] {
        size_t count = 0;
        for (const auto& request : sim.Requests())
            count += request["hex"].get<std::string>().rfind(Hex("SETT"), 0) == 0;
        return count;
    };

    CliRun run = CliOnTerminal(args + "198.51.100.1", "n\\n");
    EXPECT_EQ(run.status, 6) << run.out;
    EXPECT_NE(run.out.find("Do you want to save all the same? (198.51.100.1) [y/N]"), std::string::npos)
        << run.out;
    EXPECT_TRUE(sim.Requests().empty()) << "asked before the search";

    run = CliOnTerminal(args + "198.51.100.1", "y\\n");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(settingsSent(), 1u);

    run = Cli(args + "198.51.100.2 --yes </dev/null");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(settingsSent(), 2u);
    EXPECT_EQ(sim.State()[0]["gateway"], "198.51.100.2");

    run = CliOnTerminal(args + "0.0.0.0 --port 9101", "");
    EXPECT_EQ(run.status, 0) << "no gateway is not asked about\n" << run.out;
    EXPECT_EQ(run.out.find("[y/N]"), std::string::npos) << run.out;
}

TEST(CliCommands, SetIpForAPrinterThatDoesNotAnswer) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:bb"}}}));
    const CliRun missing = Cli("set-ip 02:00:00:00:00:cc --dhcp");
    EXPECT_EQ(missing.status, 3) << missing.out;
    for (const auto& request : sim.Requests())
        EXPECT_NE(request["hex"].get<std::string>().substr(0, 8), Hex("SETT"));
}

// ----------------------------------------------------------------------------------------------------
// Faults of the network during a search (own harness run with --second-link)

// The name of the interface that holds address, "" when none does.
std::string InterfaceWithAddress(const std::string& address) {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return {};
    std::string name;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr, text,
                  sizeof text);
        if (address == text)
            name = entry->ifa_name;
    }
    freeifaddrs(list);
    return name;
}

// udp-flood in the printer namespace, stopped when the object goes.
class Flood {
public:
    Flood(const std::string& to, int port, int seconds) {
        const char* ns = std::getenv("QL_NS_PRINTERS");
        const char* bin = std::getenv("QL_FLOOD_BIN");
        if (!ns || !bin)
            return;
        std::vector<std::string> args = {
            "ip", "netns", "exec", ns, bin, to, std::to_string(port), std::to_string(seconds)};
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&m_pid, "ip", nullptr, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
    }
    ~Flood() {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
    }
    bool Running() const { return m_pid > 0 && ::kill(m_pid, 0) == 0; }

private:
    pid_t m_pid = -1;
};

TEST(SearchFaults, AFloodOfForeignDatagramsDuringASearchEndsItAndLosesNoPrinter) {
    REQUIRE_HARNESS();
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:f1"}},
                             {{"type", "wireless"}, {"mac", "06:00:00:00:00:f1"}, {"name", "Flooded"}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    // 2000 datagrams a second at the wired search's own port, for longer than a search may last.
    Flood flood(std::getenv("QL_TOOL_ADDR"), 48780, 60);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(flood.Running());
    int index = -1;
    for (const auto& [key, info] : endpoint.InterfaceTable())
        if (Ipv4Text(info.byIpAdr) == std::getenv("QL_TOOL_ADDR"))
            index = static_cast<int>(key);
    ASSERT_GE(index, 0);
    const auto start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(index, VRX_WIRED_PRINTER), 1);
    const double wired = Seconds(start);
    EXPECT_GT(wired, 29.0) << "the flood kept the collection going";
    EXPECT_LT(wired, 34.0) << "and yet it ended";
    EXPECT_EQ(endpoint.SearchPrinter(index, VRX_WIRELESS_PRINTER), 1) << "the flood did not reach port 9000";
    EthernetInfoMap found;
    endpoint.CopyEthernetInfoTo(found);
    EXPECT_EQ(found.count("02:00:00:00:00:F1"), 1u);
}

TEST(SearchFaults, AnInterfaceThatDisappearsMidSearchEndsTheSearchAndTheOtherStillWorks) {
    REQUIRE_HARNESS();
    if (!std::getenv("QL_TOOL_ADDR2"))
        GTEST_SKIP() << "needs --second-link";
    START_SIM(sim, Printers({{{"type", "wired"}, {"mac", "02:00:00:00:00:f2"}},
                             {{"type", "wireless"}, {"mac", "06:00:00:00:00:f2"}, {"name", "Vanishing"}}}));
    CUdpEndpoint endpoint;
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), 2);
    const std::string second = InterfaceWithAddress(std::getenv("QL_TOOL_ADDR2"));
    ASSERT_FALSE(second.empty());
    int vanishing = -1, staying = -1;
    for (const auto& [key, info] : endpoint.InterfaceTable())
        (Ipv4Text(info.byIpAdr) == std::getenv("QL_TOOL_ADDR2") ? vanishing : staying) =
            static_cast<int>(key);
    ASSERT_GE(vanishing, 0);
    ASSERT_GE(staying, 0);

    // The link goes while the wired search on it collects answers.
    std::thread remover([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        std::system(("ip link del " + second).c_str());
    });
    auto start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(vanishing, VRX_WIRED_PRINTER), 1)
        << "the answer before the loss is kept";
    EXPECT_LT(Seconds(start), 4.0);
    remover.join();
    ASSERT_TRUE(InterfaceWithAddress(std::getenv("QL_TOOL_ADDR2")).empty());
    start = Clock::now();
    EXPECT_EQ(endpoint.SearchPrinter(vanishing, VRX_WIRELESS_PRINTER), 0) << "the interface is gone";
    EXPECT_LT(Seconds(start), 4.0);

    // The whole search over the table as it was read: the lost interface gives nothing, the other all.
    start = Clock::now();
    const SearchResult result = RunSearchProcedure(endpoint);
    EXPECT_LT(Seconds(start), 15.0);
    EXPECT_EQ(result.ethernet.count("02:00:00:00:00:F2"), 1u);
    EXPECT_EQ(result.wlan.count("06:00:00:00:00:F2"), 1u);
    if (!result.ethernet.empty()) {
        EXPECT_EQ(result.ethernet.begin()->second.byLocalNetworkInterface, staying);
    }
}

} // namespace
