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

// An endpoint whose searches are scripted: each SearchPrinter call runs the next step, which may put
// printers into the tables and returns the result.
class ScriptedEndpoint : public INetworkEndpoint {
public:
    int interfaces = 0;
    std::vector<std::function<int(ScriptedEndpoint&)>> steps;
    std::vector<std::string> calls;
    std::stop_source source;
    size_t stopAfter = SIZE_MAX; // the search during which the stop is requested
    std::vector<bool> stopsSeen; // whether each search got the request
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
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType,
                      std::stop_token stop = {}) override {
        calls.push_back("search " + std::to_string(nLocalNetworkInterface) + "/" +
                        std::to_string(nPrinterNetworkType));
        const size_t step = searches++;
        const int result = step < steps.size() ? steps[step](*this) : 0;
        if (step == stopAfter)
            source.request_stop(); // as if the user cancelled while this search ran
        stopsSeen.push_back(stop.stop_requested());
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

private:
    size_t searches = 0;
};

std::vector<std::string> SearchCalls(const std::vector<std::string>& calls) {
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (call.rfind("search", 0) == 0 || call.rfind("copy", 0) == 0 || call == "clear")
            out.push_back(call);
    return out;
}

TEST(NetsearchSearchProcedure, ClearsFirstThenWiredBeforeWirelessOnEveryInterfaceAndCopiesOut) {
    ScriptedEndpoint endpoint;
    endpoint.interfaces = 2;
    endpoint.ethernet.emplace("stale", Wired(9)); // from an earlier search: must not survive
    endpoint.steps = {
        [](ScriptedEndpoint& e) {
            e.ethernet.emplace(MacText(Wired(1).MacAddr), Wired(1));
            return 1;
        },
        [](ScriptedEndpoint& e) {
            e.wlan.emplace(MacText(Wireless(2).MacAddr), Wireless(2));
            return 1;
        },
        [](ScriptedEndpoint&) { return 0; },
        [](ScriptedEndpoint&) { return 1; },
    };

    const SearchResult result = RunSearchProcedure(endpoint);

    EXPECT_EQ(SearchCalls(endpoint.calls),
              (std::vector<std::string>{"clear", "search 0/1", "search 0/2", "search 1/1", "search 1/2",
                                        "copy wired", "copy wireless"}));
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
    endpoint.steps = {[](ScriptedEndpoint& e) {
        e.ethernet.emplace("00:00:00:00:00:05", Wired(5));
        return 0;
    }};

    const SearchResult result = RunSearchProcedure(endpoint);

    EXPECT_EQ(result.networkPrinter, 0);
    EXPECT_TRUE(result.ethernet.empty());
    EXPECT_TRUE(result.wlan.empty());
    EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear", "search 0/1", "search 0/2"}));
}

TEST(NetsearchSearchProcedure, NoInterfaceSearchesNothing) {
    ScriptedEndpoint endpoint;
    const SearchResult result = RunSearchProcedure(endpoint);
    EXPECT_EQ(result.networkPrinter, 0);
    EXPECT_EQ(SearchCalls(endpoint.calls), (std::vector<std::string>{"clear"}));
}

TEST(NetsearchSearchProcedure, ReadsTheInterfaceCountBeforeEveryPass) {
    // An interface table that grows during the search is followed, one that shrinks ends the loop.
    ScriptedEndpoint endpoint;
    endpoint.interfaces = 1;
    endpoint.steps = {[](ScriptedEndpoint& e) {
        e.interfaces = 2;
        return 0;
    }};
    RunSearchProcedure(endpoint);
    EXPECT_EQ(SearchCalls(endpoint.calls),
              (std::vector<std::string>{"clear", "search 0/1", "search 0/2", "search 1/1", "search 1/2"}));
}

TEST(NetsearchSearchProcedure, AStopRequestEndsTheSearchAfterTheRunningOneAndKeepsWhatWasFound) {
    struct Case {
        size_t stopAfter;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0, {"clear", "search 0/1", "copy wired", "copy wireless"}}, // during the first wired search
        {1, {"clear", "search 0/1", "search 0/2", "copy wired", "copy wireless"}},
        {2, {"clear", "search 0/1", "search 0/2", "search 1/1", "copy wired", "copy wireless"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stopAfter);
        ScriptedEndpoint endpoint;
        endpoint.interfaces = 2;
        endpoint.stopAfter = c.stopAfter;
        endpoint.steps.assign(4, [](ScriptedEndpoint& e) {
            e.ethernet.emplace(MacText(Wired(1).MacAddr), Wired(1));
            return 1;
        });
        const SearchResult result = RunSearchProcedure(endpoint, endpoint.source.get_token());
        EXPECT_EQ(SearchCalls(endpoint.calls), c.calls);
        EXPECT_TRUE(endpoint.stopsSeen.back()) << "the endpoint got the request to stop its waits";
        EXPECT_EQ(result.ethernet.size(), 1u) << "what was found until then is kept";
    }
}

} // namespace
