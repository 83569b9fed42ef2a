#include "netsearch/SearchProcedure.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

ETHERNET_INFO Wired(std::uint8_t last) {
    ETHERNET_INFO info{};
    info.MacAddr[5] = last;
    return info;
}

WLAN_INFO Wireless(std::uint8_t last) {
    WLAN_INFO info{};
    info.MacAddr[5] = last;
    return info;
}

// An endpoint whose search round is scripted: the round runs the step, which may put printers into the
// tables and returns the result. A single SearchPrinter is never the search procedure's way.
class ScriptedEndpoint : public INetworkEndpoint {
public:
    int interfaces = 0;
    std::function<int(ScriptedEndpoint&, const PrinterHeardFunction&)> step;
    std::vector<std::string> calls;
    std::stop_source source;
    bool stopDuringRound = false;
    bool stopSeen = false; // whether the round got the request
    EthernetInfoMap ethernet;
    WLanInfoMap wlan;

    bool InitLocalNetworkInterface() override { return interfaces > 0; }
    int GetPrinterNetworkAddress() override {
        calls.push_back("count");
        return interfaces;
    }
    void ClearPrinterTables() override {
        calls.push_back("clear");
        ethernet.clear();
        wlan.clear();
    }
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType, std::stop_token = {}) override {
        calls.push_back("single search " + std::to_string(nLocalNetworkInterface) + "/" +
                        std::to_string(nPrinterNetworkType));
        return 0;
    }
    int SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop,
                    const PrinterHeardFunction& heard) override {
        std::string round = "round";
        for (const SearchExchange& e : exchanges) {
            round +=
                " " + std::to_string(e.nLocalNetworkInterface) + "/" + std::to_string(e.nPrinterNetworkType);
            if (e.directed)
                round += "@" + std::to_string((*e.directed)[3]);
        }
        calls.push_back(round);
        const int result = step ? step(*this, heard) : 0;
        if (stopDuringRound)
            source.request_stop(); // as if the user cancelled while the round ran
        stopSeen = stop.stop_requested();
        return result;
    }
    int CopyEthernetInfoTo(EthernetInfoMap& target) override {
        calls.push_back("copy wired");
        target = ethernet;
        return static_cast<int>(target.size());
    }
    int CopyWLanInfoTo(WLanInfoMap& target) override {
        calls.push_back("copy wireless");
        target = wlan;
        return static_cast<int>(target.size());
    }
    bool SetQlinkInfo(int, int, const unsigned char*, int) override { return false; }
};

std::vector<std::string> SearchCalls(const std::vector<std::string>& calls) {
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (call != "count")
            out.push_back(call);
    return out;
}

TEST(NetsearchSearchProcedure, ClearsFirstThenOneRoundOfBothTypesOnEveryInterfaceAndCopiesOut) {
    ScriptedEndpoint endpoint;
    endpoint.interfaces = 2;
    endpoint.ethernet.emplace("stale", Wired(9)); // from an earlier search: must not survive
    endpoint.step = [](ScriptedEndpoint& e, const PrinterHeardFunction&) {
        e.ethernet.emplace(MacText(Wired(1).MacAddr), Wired(1));
        e.wlan.emplace(MacText(Wireless(2).MacAddr), Wireless(2));
        return 3;
    };

    const SearchResult result = RunSearchProcedure(endpoint);

    EXPECT_EQ(SearchCalls(endpoint.calls),
              (std::vector<std::string>{"clear", "round 0/1 0/2 1/1 1/2", "copy wired", "copy wireless"}));
    EXPECT_EQ(result.networkPrinter, 3);
    ASSERT_EQ(result.ethernet.size(), 1u);
    EXPECT_EQ(result.ethernet.begin()->first, "00:00:00:00:00:01");
    ASSERT_EQ(result.wlan.size(), 1u);
    EXPECT_EQ(result.wlan.begin()->first, "00:00:00:00:00:02");
}

TEST(NetsearchSearchProcedure, NothingAnsweredCopiesNothing) {
    ScriptedEndpoint endpoint;
    endpoint.interfaces = 1;
    // A table entry without an answer counted (result 0) is not delivered.
    endpoint.step = [](ScriptedEndpoint& e, const PrinterHeardFunction&) {
        e.ethernet.emplace("00:00:00:00:00:05", Wired(5));
        return 0;
    };

    const SearchResult result = RunSearchProcedure(endpoint);

    EXPECT_EQ(result.networkPrinter, 0);
    EXPECT_TRUE(result.ethernet.empty());
    EXPECT_TRUE(result.wlan.empty());
    EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear", "round 0/1 0/2"}));
}

TEST(NetsearchSearchProcedure, NoInterfaceSearchesNothing) {
    ScriptedEndpoint endpoint;
    const SearchResult result = RunSearchProcedure(endpoint);
    EXPECT_EQ(result.networkPrinter, 0);
    EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear"}));
}

TEST(NetsearchSearchProcedure, DirectedExchangesJoinTheSameRoundAndHeardPrintersAreTold) {
    ScriptedEndpoint endpoint;
    endpoint.interfaces = 1;
    endpoint.step = [](ScriptedEndpoint& e, const PrinterHeardFunction& heard) {
        const auto [entry, added] = e.ethernet.emplace(MacText(Wired(7).MacAddr), Wired(7));
        if (heard)
            heard({VRX_WIRED_PRINTER, &entry->second, nullptr});
        return 1;
    };
    SearchExchange directed{
        0, VRX_WIRED_PRINTER, std::array<std::uint8_t, 4>{203, 0, 113, 255}, {203, 0, 113, 0}, 24};
    std::vector<std::string> told;
    const SearchResult result =
        RunSearchProcedure(endpoint, {directed}, {}, [&](const HeardPrinter& printer) {
            ASSERT_NE(printer.ethernet, nullptr);
            told.push_back(MacText(printer.ethernet->MacAddr));
        });
    EXPECT_EQ(SearchCalls(endpoint.calls),
              (std::vector<std::string>{"clear", "round 0/1 0/2 0/1@255", "copy wired", "copy wireless"}));
    EXPECT_EQ(told, std::vector<std::string>{"00:00:00:00:00:07"});
    EXPECT_EQ(result.ethernet.size(), 1u);
}

TEST(NetsearchSearchProcedure, AStopRequestReachesTheRoundAndKeepsWhatWasFound) {
    for (const bool before : {true, false}) {
        SCOPED_TRACE(before ? "stopped before the round" : "stopped during the round");
        ScriptedEndpoint endpoint;
        endpoint.interfaces = 2;
        endpoint.stopDuringRound = !before;
        if (before)
            endpoint.source.request_stop();
        endpoint.step = [](ScriptedEndpoint& e, const PrinterHeardFunction&) {
            e.ethernet.emplace(MacText(Wired(1).MacAddr), Wired(1));
            return 1;
        };
        const SearchResult result = RunSearchProcedure(endpoint, endpoint.source.get_token());
        if (before) {
            EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear"}));
            continue;
        }
        EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear", "round 0/1 0/2 1/1 1/2",
                                                                         "copy wired", "copy wireless"}));
        EXPECT_TRUE(endpoint.stopSeen) << "the round got the request to stop its waits";
        EXPECT_EQ(result.ethernet.size(), 1u) << "what was found until then is kept";
    }
}

} // namespace
