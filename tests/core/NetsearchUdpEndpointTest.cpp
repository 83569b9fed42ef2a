#include "netsearch/CUdpEndpoint.h"

#include "CapturedLog.h"
#include "FakeSocketApi.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <net/if.h>
#include <stop_token>
#include <string>
#include <vector>

namespace {

// ----------------------------------------------------------------------------------------------------
// Interface table from injected system rows

SystemInterfaceEntry Row(const std::string& name, std::uint32_t flags, std::vector<std::uint8_t> ip,
                         std::vector<std::uint8_t> mask, std::vector<std::uint8_t> broadcast = {}) {
    SystemInterfaceEntry e;
    e.name = name;
    e.flags = flags;
    std::memcpy(e.address, ip.data(), 4);
    std::memcpy(e.netmask, mask.data(), 4);
    if (!broadcast.empty()) {
        e.hasBroadcast = true;
        std::memcpy(e.broadcast, broadcast.data(), 4);
    }
    return e;
}

struct Lister {
    std::vector<SystemInterfaceEntry> rows;
    bool ok = true;
    int calls = 0;
    SystemInterfaceLister Function() {
        return [this](std::vector<SystemInterfaceEntry>& out, int& error) {
            ++calls;
            out = rows;
            error = ok ? 0 : EACCES;
            return ok;
        };
    }
};

std::string Dotted(const std::uint8_t (&a)[4]) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
           std::to_string(a[3]);
}

TEST(NetsearchUdpEndpointInterfaces, FilteringRulesAndBroadcastAddresses) {
    const std::uint32_t up = IFF_UP, bc = IFF_BROADCAST;
    Lister lister;
    lister.rows = {
        Row("lo", up | IFF_LOOPBACK, {127, 0, 0, 1}, {255, 0, 0, 0}),
        Row("lo2", up | bc, {127, 0, 0, 1}, {255, 0, 0, 0},
            {127, 255, 255, 255}), // exactly 127.0.0.1: skipped
        Row("eth0", up | bc, {192, 0, 2, 1}, {255, 255, 255, 0}, {192, 0, 2, 255}),
        Row("ppp0", up | IFF_POINTOPOINT, {203, 0, 113, 9}, {255, 255, 255, 255}), // no broadcast flag
        Row("eth1", up | bc, {0, 0, 0, 0}, {255, 255, 255, 0}, {0, 0, 0, 255}),
        Row("eth2", bc, {198, 51, 100, 7}, {255, 255, 255, 0}, {198, 51, 100, 255}), // not up: listed
        Row("eth3", up | bc, {203, 0, 113, 130}, {255, 255, 255, 192}), // no broadcast reported: derived
        Row("eth4", up | bc, {203, 0, 113, 5}, {255, 255, 0, 0}, {0, 0, 0, 0}), // 0.0.0.0 reported: derived
        Row("lo:1", up | bc, {127, 0, 0, 2}, {255, 0, 0, 0}, {127, 255, 255, 255}), // other 127/8: kept
    };
    FakeSocketApi net;
    CUdpEndpoint endpoint(lister.Function(), &net);
    ASSERT_TRUE(endpoint.InitLocalNetworkInterface());

    struct Expected {
        std::string name, ip, broadcast;
        std::uint32_t flags;
    };
    const std::vector<Expected> expected = {
        {"eth0", "192.0.2.1", "192.0.2.255", 0x3},       {"eth2", "198.51.100.7", "198.51.100.255", 0x2},
        {"eth3", "203.0.113.130", "203.0.113.191", 0x3}, {"eth4", "203.0.113.5", "203.0.255.255", 0x3},
        {"lo:1", "127.0.0.2", "127.255.255.255", 0x3},
    };
    ASSERT_EQ(endpoint.GetPrinterNetworkAddress(), static_cast<int>(expected.size()));
    int key = 0;
    for (const auto& [index, info] : endpoint.InterfaceTable()) {
        SCOPED_TRACE(expected[key].name);
        EXPECT_EQ(index, key);
        EXPECT_EQ(endpoint.InterfaceName(index), expected[key].name);
        EXPECT_EQ(Dotted(info.byIpAdr), expected[key].ip);
        EXPECT_EQ(Dotted(info.byBroadcastAdr), expected[key].broadcast);
        EXPECT_EQ(info.dwFlags, expected[key].flags);
        ++key;
    }
}

TEST(NetsearchUdpEndpointInterfaces, MoreEntriesThanTheQueryHoldsFailsWithAnEmptyTable) {
    for (const int count : {64, 65}) {
        Lister lister;
        for (int i = 0; i < count; ++i)
            lister.rows.push_back(Row("eth" + std::to_string(i), IFF_UP | IFF_BROADCAST,
                                      {10, 0, std::uint8_t(i), 1}, {255, 255, 255, 0}));
        FakeSocketApi net;
        CUdpEndpoint endpoint(lister.Function(), &net);
        EXPECT_EQ(endpoint.InitLocalNetworkInterface(), count == 64) << count;
        EXPECT_EQ(endpoint.GetPrinterNetworkAddress(), count == 64 ? 64 : 0) << count;
    }
}

TEST(NetsearchUdpEndpointInterfaces, ReadOncePerProcessButAgainAfterFindingNone) {
    Lister lister;
    lister.rows = {Row("lo", IFF_UP | IFF_LOOPBACK, {127, 0, 0, 1}, {255, 0, 0, 0})};
    FakeSocketApi net;
    CUdpEndpoint endpoint(lister.Function(), &net);
    EXPECT_FALSE(endpoint.InitLocalNetworkInterface());
    lister.ok = false;
    EXPECT_FALSE(endpoint.InitLocalNetworkInterface());
    lister.ok = true;
    lister.rows.push_back(Row("eth0", IFF_UP | IFF_BROADCAST, {192, 0, 2, 1}, {255, 255, 255, 0}));
    EXPECT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(lister.calls, 3);

    lister.rows.push_back(Row("eth1", IFF_UP | IFF_BROADCAST, {198, 51, 100, 1}, {255, 255, 255, 0}));
    EXPECT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(lister.calls, 3) << "a filled table is not read again";
    EXPECT_EQ(endpoint.GetPrinterNetworkAddress(), 1);
}

// ----------------------------------------------------------------------------------------------------
// Exchanges over the scripted network

const sockaddr_in kPrinter = FakeSocketApi::Address("192.0.2.2", 48781);
const sockaddr_in kWirelessPrinter = FakeSocketApi::Address("192.0.2.2", 3337);

std::vector<std::uint8_t> WiredAnswer(std::uint8_t macLast, size_t length = 31, std::uint8_t http = 1,
                                      std::uint8_t ipLast = 50) {
    std::vector<std::uint8_t> bytes = {'I', 'M', 'I', 'N', 0x02, 0, 0, 0, 0, macLast, 192, 0, 2, ipLast};
    bytes.resize(length, 0);
    if (length > 30)
        bytes[30] = http;
    return bytes;
}

std::vector<std::uint8_t> WirelessAnswer(std::uint8_t macLast, size_t length, std::uint8_t mask0,
                                         const std::string& name = "") {
    std::string header = "__[I_F]__[REG_RSP]";
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    const std::uint8_t record[] = {0x06, 0, 0, 0, 0, macLast, 198, 51, 100, 60};
    bytes.insert(bytes.end(), record, record + sizeof record);
    bytes.resize(length, 0);
    bytes[18 + 27] = mask0;
    if (length >= 111)
        std::memcpy(bytes.data() + 47, name.data(), std::min<size_t>(name.size(), 64));
    return bytes;
}

class NetsearchUdpEndpointExchange : public ::testing::Test {
protected:
    NetsearchUdpEndpointExchange() : endpoint(lister.Function(), &net) {
        lister.rows = {
            Row("veth0", IFF_UP | IFF_BROADCAST, {192, 0, 2, 1}, {255, 255, 255, 0}, {192, 0, 2, 255}),
            Row("veth1", IFF_UP | IFF_BROADCAST, {198, 51, 100, 1}, {255, 255, 255, 0}, {198, 51, 100, 255})};
        endpoint.InitLocalNetworkInterface();
    }

    // Every request sent is answered, after delayMs, with each of answers.
    void AnswerEveryRequest(std::vector<std::vector<std::uint8_t>> answers, long delayMs = 5) {
        net.responder = [answers, delayMs](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
            const std::string request(sent.bytes.begin(), sent.bytes.end());
            if (request != "FIND" && request != "__[I_F]__[PRT_REG]")
                return;
            for (const auto& answer : answers)
                n.Arrive(answer, n.nowMs + delayMs, kPrinter);
        };
    }

    FakeSocketApi net;
    Lister lister;
    CUdpEndpoint endpoint;
};

TEST_F(NetsearchUdpEndpointExchange, CreateSocketSetsItsOptionsAndClosesALeftoverFirst) {
    ASSERT_TRUE(endpoint.CreateSocket());
    const auto intOption = [&](int name) {
        int value = 0;
        std::memcpy(&value, net.options.at(name).data(), sizeof value);
        return value;
    };
    EXPECT_EQ(intOption(SO_BROADCAST), 1);
    EXPECT_EQ(intOption(SO_REUSEADDR), 1);
    timeval timeout{};
    std::memcpy(&timeout, net.options.at(SO_RCVTIMEO).data(), sizeof timeout);
    EXPECT_EQ(timeout.tv_sec * 1000 + timeout.tv_usec / 1000, 500);
    EXPECT_GE(intOption(SO_RCVBUFFORCE), 1 << 20);

    net.events.clear();
    ASSERT_TRUE(endpoint.CreateSocket());
    ASSERT_GE(net.events.size(), 3u);
    EXPECT_EQ(net.events[0].what, "close 3");
    EXPECT_EQ(net.events[1].what, "sleep 100");
    EXPECT_EQ(net.events[2].what, "open 4");
    EXPECT_EQ(net.openSockets, std::set<int>{4});
}

TEST_F(NetsearchUdpEndpointExchange, CreateSocketFailuresLeaveNoSocket) {
    for (const int option : {SO_BROADCAST, SO_RCVTIMEO, SO_REUSEADDR}) {
        net.failOptionName = option;
        EXPECT_FALSE(endpoint.CreateSocket()) << option;
        EXPECT_FALSE(endpoint.HasSocket());
        EXPECT_TRUE(net.openSockets.empty());
    }
    net.failOptionName = -1;
    net.failOpen = true;
    EXPECT_FALSE(endpoint.CreateSocket());
    EXPECT_FALSE(endpoint.HasSocket());
}

TEST_F(NetsearchUdpEndpointExchange, BindSocketPortsAndAddressesPerType) {
    struct Case {
        int interfaceIndex, type;
        std::string bound, client, server;
    };
    const Case cases[] = {{0, 1, "0.0.0.0:48780", "192.0.2.1:48780", "192.0.2.255:48781"},
                          {0, 2, "0.0.0.0:9000", "192.0.2.1:9000", "192.0.2.255:3337"},
                          {1, 2, "0.0.0.0:9000", "198.51.100.1:9000", "198.51.100.255:3337"},
                          {1, 7, "0.0.0.0:0", "198.51.100.1:0", "198.51.100.255:0"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(endpoint.CreateSocket());
        EXPECT_EQ(net.ipOptions.count(IP_PKTINFO), 1u) << "arrivals are told by interface and destination";
        ASSERT_TRUE(endpoint.BindSocket(c.interfaceIndex, c.type));
        // Every address, so that broadcast answers are heard; never tied to the device, so that an answer
        // that another card on the same subnet delivers is heard too.
        EXPECT_EQ(FakeSocketApi::Text(net.bound), c.bound);
        EXPECT_EQ(net.options.count(SO_BINDTODEVICE), 0u);
        EXPECT_EQ(FakeSocketApi::Text(endpoint.ClientInfo()), c.client);
        EXPECT_EQ(FakeSocketApi::Text(endpoint.ServerInfo()), c.server);
    }
}

TEST_F(NetsearchUdpEndpointExchange, RequestsLeaveByTheSearchedInterfaceFromItsAddress) {
    lister.rows[0].index = 7;
    lister.rows[1].index = 9;
    CUdpEndpoint indexed(lister.Function(), &net);
    ASSERT_TRUE(indexed.InitLocalNetworkInterface());
    for (const int interfaceIndex : {0, 1}) {
        net.sent.clear();
        EXPECT_EQ(indexed.SearchPrinter(interfaceIndex, VRX_WIRED_PRINTER), 0);
        ASSERT_EQ(net.sent.size(), 5u);
        for (const auto& sent : net.sent) {
            ASSERT_TRUE(sent.routed);
            EXPECT_EQ(sent.route.interfaceIndex, interfaceIndex ? 9u : 7u);
            const std::uint8_t* source = sent.route.source;
            EXPECT_EQ(Dotted(*reinterpret_cast<const std::uint8_t(*)[4]>(source)),
                      interfaceIndex ? "198.51.100.1" : "192.0.2.1");
        }
    }
}

TEST_F(NetsearchUdpEndpointExchange, ASystemThatRefusesTheRouteStillGetsTheRequestsAsRouted) {
    net.failRoutedSend = true;
    CapturedLog log;
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER), 0);
    ASSERT_EQ(net.sent.size(), 5u);
    EXPECT_FALSE(net.sent[0].routed);
    EXPECT_EQ(FakeSocketApi::Text(net.sent[0].to), "192.0.2.255:48781");
    EXPECT_EQ(log.LinesStartingWith("SendData: not sent by interface").size(), 5u);
}

TEST_F(NetsearchUdpEndpointExchange, TakesAnswersForTheInterfacesAddressOrItsBroadcastsOnIt) {
    lister.rows[0].index = 7;
    lister.rows[1].index = 9;
    CUdpEndpoint indexed(lister.Function(), &net);
    ASSERT_TRUE(indexed.InitLocalNetworkInterface());
    struct Case {
        const char* what;
        unsigned arrivedOn;
        std::string sentTo;
        bool taken;
    };
    const Case cases[] = {
        {"its address, on its card", 7, "192.0.2.1", true},
        {"its address, through another card", 9, "192.0.2.1", true},
        {"its subnet broadcast, on its card", 7, "192.0.2.255", true},
        {"255.255.255.255 on its card", 7, "255.255.255.255", true},
        {"its subnet broadcast through another card", 9, "192.0.2.255", false},
        {"255.255.255.255 through another card", 9, "255.255.255.255", false},
        {"another interface's address", 7, "198.51.100.1", false},
        {"another subnet's broadcast", 7, "198.51.100.255", false},
    };
    std::uint8_t macLast = 1;
    for (const Case& c : cases) {
        net.responder = [&, macLast](FakeSocketApi& n, const FakeSocketApi::Sent&) {
            n.Arrive(WiredAnswer(macLast), n.nowMs + 1, kPrinter, FakeSocketApi::Via(c.arrivedOn, c.sentTo));
        };
        indexed.ClearPrinterTables();
        EXPECT_EQ(indexed.SearchPrinter(0, VRX_WIRED_PRINTER), c.taken ? 1 : 0) << c.what;
        ++macLast;
    }
    // Without the arrival known (no IP_PKTINFO from the system), everything is taken.
    net.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        n.Arrive(WiredAnswer(99), n.nowMs + 1, kPrinter);
    };
    indexed.ClearPrinterTables();
    EXPECT_EQ(indexed.SearchPrinter(0, VRX_WIRED_PRINTER), 1);
}

TEST_F(NetsearchUdpEndpointExchange, DatagramsForAnotherInterfaceNeitherCountNorBreakTheSilence) {
    lister.rows[0].index = 7;
    CUdpEndpoint indexed(lister.Function(), &net);
    ASSERT_TRUE(indexed.InitLocalNetworkInterface());
    ASSERT_TRUE(indexed.CreateSocket());
    ASSERT_TRUE(indexed.BindSocket(0, VRX_WIRED_PRINTER));
    net.Arrive(WiredAnswer(1), 10, kPrinter, FakeSocketApi::Via(7, "192.0.2.1"));
    // Foreign datagrams keep coming every 100 ms for 3 s: they must not keep the collection going.
    for (long at = 100; at < 3000; at += 100)
        net.Arrive(WiredAnswer(2), at, kPrinter, FakeSocketApi::Via(7, "198.51.100.255"));
    EXPECT_EQ(indexed.ReceiveResponseData(0), 31);
    EXPECT_EQ(net.nowMs, 10 + 2000) << "2 s after the last answer for this interface";
    EthernetInfoMap wired;
    EXPECT_EQ(indexed.CopyEthernetInfoTo(wired), 1);
}

TEST_F(NetsearchUdpEndpointExchange, AStopRequestEndsTheSearchAtItsNextWait) {
    std::stop_source source;
    // Stopped while the requests go out: the rest are not sent, and the collection does not wait.
    int sends = 0;
    net.responder = [&](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        n.Arrive(WiredAnswer(1), n.nowMs + 1, kPrinter);
        if (++sends == 2)
            source.request_stop();
    };
    endpoint.ClearPrinterTables();
    const long start = net.nowMs;
    EXPECT_EQ(endpoint.SearchPrinter(0, VRX_WIRED_PRINTER, source.get_token()), 0);
    EXPECT_EQ(net.sent.size(), 2u);
    EXPECT_EQ(net.nowMs - start, 2 * 50);
    EXPECT_FALSE(endpoint.HasSocket());

    // Stopped during the 2 s of silence: the collection ends after that poll and keeps what it has.
    struct StoppingNet : FakeSocketApi {
        std::stop_source source;
        long stopAtMs = 0;
        void Sleep(std::chrono::milliseconds duration) override {
            FakeSocketApi::Sleep(duration);
            if (nowMs >= stopAtMs)
                source.request_stop();
        }
    } stopping;
    stopping.stopAtMs = 250 + 100;
    stopping.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        n.Arrive(WiredAnswer(2), n.nowMs + 1, kPrinter);
    };
    CUdpEndpoint other(lister.Function(), &stopping);
    ASSERT_TRUE(other.InitLocalNetworkInterface());
    CapturedLog log;
    EXPECT_EQ(other.SearchPrinter(0, VRX_WIRED_PRINTER, stopping.source.get_token()), 1);
    EXPECT_EQ(stopping.nowMs, 250 + 100);
    EXPECT_TRUE(log.Contains("ReceiveResponseData: stopped"));
    EthernetInfoMap wired;
    EXPECT_EQ(other.CopyEthernetInfoTo(wired), 1);
}

TEST_F(NetsearchUdpEndpointExchange, BindSocketFailures) {
    EXPECT_FALSE(endpoint.BindSocket(0, 1)) << "no socket";
    ASSERT_TRUE(endpoint.CreateSocket());
    EXPECT_FALSE(endpoint.BindSocket(2, 1));
    EXPECT_TRUE(endpoint.HasSocket()) << "a missing interface leaves the socket open";
    net.failBind = true;
    EXPECT_FALSE(endpoint.BindSocket(0, 1));
    EXPECT_FALSE(endpoint.HasSocket()) << "a refused bind closes it";
    EXPECT_TRUE(net.openSockets.empty());
}

TEST_F(NetsearchUdpEndpointExchange, SendDataSendsNothingWithoutSocketDataOrLength) {
    const char data[] = "FIND";
    EXPECT_EQ(endpoint.SendData(data, 4), 0);
    ASSERT_TRUE(endpoint.CreateSocket());
    ASSERT_TRUE(endpoint.BindSocket(0, 1));
    EXPECT_EQ(endpoint.SendData(nullptr, 4), 0);
    EXPECT_EQ(endpoint.SendData(data, 0), 0);
    EXPECT_EQ(endpoint.SendData(data, -1), 0);
    EXPECT_TRUE(net.sent.empty());
    EXPECT_EQ(endpoint.SendData(data, 4), 4);
    net.failSend = true;
    EXPECT_EQ(endpoint.SendData(data, 4), -1);
}

TEST_F(NetsearchUdpEndpointExchange, SearchSendsFiveRequestsAndEndsTwoSecondsAfterTheLastAnswer) {
    struct Case {
        int type;
        std::string request, destination;
    };
    for (const Case& c :
         {Case{1, "FIND", "192.0.2.255:48781"}, Case{2, "__[I_F]__[PRT_REG]", "192.0.2.255:3337"}}) {
        SCOPED_TRACE(c.request);
        net.sent.clear();
        AnswerEveryRequest({WiredAnswer(1), WirelessAnswer(2, 47, 0)});
        const long start = net.nowMs;
        endpoint.ClearPrinterTables();
        EXPECT_EQ(endpoint.SearchPrinter(0, c.type), 1);
        ASSERT_EQ(net.sent.size(), 5u);
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(std::string(net.sent[i].bytes.begin(), net.sent[i].bytes.end()), c.request);
            EXPECT_EQ(FakeSocketApi::Text(net.sent[i].to), c.destination);
            EXPECT_EQ(net.sent[i].atMs - start, static_cast<long>(50 * i));
        }
        // Every answer is waiting when the pause after the fifth request ends; then 40 polls of 50 ms.
        EXPECT_EQ(net.nowMs - start, 250 + 2000);
        EXPECT_FALSE(endpoint.HasSocket());
    }
}

TEST_F(NetsearchUdpEndpointExchange, RepeatedAnswersAndASecondInterfaceKeepTheFirstRecord) {
    // Each of the five requests is answered; the second answer differs, which must not matter.
    int answered = 0;
    net.responder = [&](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        const std::uint8_t ip = static_cast<std::uint8_t>(50 + answered++);
        n.Arrive(WiredAnswer(1, 31, 1, ip), n.nowMs + 1, sent.to);
    };
    EthernetInfoMap wired;
    endpoint.ClearPrinterTables();
    EXPECT_EQ(endpoint.SearchPrinter(0, 1), 1);
    EXPECT_EQ(endpoint.SearchPrinter(1, 1), 1);
    EXPECT_EQ(answered, 10);
    ASSERT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    const ETHERNET_INFO& record = wired.at("02:00:00:00:00:01");
    EXPECT_EQ(record.Ip[3], 50);
    EXPECT_EQ(record.byLocalNetworkInterface, 0);
    EXPECT_EQ(record.Http, 1);
}

TEST_F(NetsearchUdpEndpointExchange, AnswersLandInTheirOwnTableWhateverWasAskedFor) {
    AnswerEveryRequest({WiredAnswer(1, 30), WirelessAnswer(2, 111, 0x80, "Lab printer"),
                        WirelessAnswer(3, 110, 0x80), WirelessAnswer(4, 111, 0x00, "ignored")});
    endpoint.ClearPrinterTables();
    EXPECT_EQ(endpoint.SearchPrinter(0, 2), 3) << "the wireless table's count";
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    ASSERT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(wired.begin()->second.Http, 0) << "a 30-byte answer carries no Http";
    ASSERT_EQ(endpoint.CopyWLanInfoTo(wireless), 3);
    EXPECT_EQ(DecodeSystemName(wireless.at("06:00:00:00:00:02")), "Lab printer");
    EXPECT_EQ(DecodeSystemName(wireless.at("06:00:00:00:00:03")), "");
    EXPECT_EQ(wireless.at("06:00:00:00:00:04").SystemName[0], 0);
}

TEST_F(NetsearchUdpEndpointExchange, ForeignShortAndEmptyDatagramsAreIgnoredButDoNotHideAnswers) {
    const std::string foreign = "__[I_F]__[PRT_REG]"; // a request heard back
    AnswerEveryRequest({{},
                        std::vector<std::uint8_t>(foreign.begin(), foreign.end()),
                        WiredAnswer(9, 29),
                        std::vector<std::uint8_t>(2000, 0xA5),
                        WiredAnswer(1)});
    endpoint.ClearPrinterTables();
    EXPECT_EQ(endpoint.SearchPrinter(0, 1), 1);
    EthernetInfoMap wired;
    endpoint.CopyEthernetInfoTo(wired);
    EXPECT_EQ(wired.count("02:00:00:00:00:01"), 1u);
    EXPECT_EQ(wired.count("02:00:00:00:00:09"), 0u);
}

TEST_F(NetsearchUdpEndpointExchange, NoAnswerGivesZeroAndLeavesTheTables) {
    AnswerEveryRequest({WiredAnswer(1)});
    endpoint.ClearPrinterTables();
    ASSERT_EQ(endpoint.SearchPrinter(0, 1), 1);
    net.responder = nullptr;
    const long start = net.nowMs;
    EXPECT_EQ(endpoint.SearchPrinter(1, 2), 0);
    EXPECT_EQ(net.nowMs - start, 250 + 500) << "five sends with pauses, then one receive time-out";
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(endpoint.CopyWLanInfoTo(wireless), 0);
}

TEST_F(NetsearchUdpEndpointExchange, SocketOrBindFailureGivesZeroAndTheSearchGoesOn) {
    AnswerEveryRequest({WiredAnswer(1)});
    net.failBind = true;
    EXPECT_EQ(endpoint.SearchPrinter(0, 1), 0);
    EXPECT_TRUE(net.sent.empty());
    net.failBind = false;
    EXPECT_EQ(endpoint.SearchPrinter(5, 1), 0) << "no such interface";
    EXPECT_TRUE(net.openSockets.empty()) << "closed again";
    EXPECT_EQ(endpoint.SearchPrinter(0, 1), 1);
}

TEST_F(NetsearchUdpEndpointExchange, BurstsOfAnswersDuringTheCollectionAreReadBeforeTheBufferFills) {
    // 20 bursts of 200 answers, 60 ms apart, into a socket that holds 250 datagrams: reading one
    // datagram per 50 ms pause would drop most of them.
    net.bufferCapacity = 250;
    ASSERT_TRUE(endpoint.CreateSocket());
    ASSERT_TRUE(endpoint.BindSocket(0, 1));
    for (int burst = 0; burst < 20; ++burst)
        for (int i = 0; i < 200; ++i) {
            auto answer = WiredAnswer(0);
            answer[8] = static_cast<std::uint8_t>(burst);
            answer[9] = static_cast<std::uint8_t>(i);
            net.Arrive(answer, 10 + 60 * burst, kPrinter);
        }
    EXPECT_EQ(endpoint.ReceiveResponseData(0), 20 * 200 * 31);
    EXPECT_EQ(net.dropped, 0u);
    EthernetInfoMap wired;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 4000);
    // 40 empty polls after the poll that found the last burst.
    const long lastBurst = 10 + 60 * 19;
    EXPECT_GT(net.nowMs, lastBurst + 2000);
    EXPECT_LE(net.nowMs, lastBurst + 2050);
}

TEST_F(NetsearchUdpEndpointExchange, AFloodOfForeignDatagramsEndsTheCollectionAfterThirtySeconds) {
    // A foreign sender that does not stop for a minute: 4 datagrams of 1000 bytes every 20 ms, and one
    // printer's answer in the middle of it.
    ASSERT_TRUE(endpoint.CreateSocket());
    ASSERT_TRUE(endpoint.BindSocket(0, 1));
    const sockaddr_in stranger = FakeSocketApi::Address("192.0.2.99", 40000);
    for (long t = 0; t < 60000; t += 20)
        for (int i = 0; i < 4; ++i)
            net.Arrive(std::vector<std::uint8_t>(1000, static_cast<std::uint8_t>(i)), t, stranger);
    net.Arrive(WiredAnswer(7), 1000, kPrinter);
    CapturedLog log;
    EXPECT_GT(endpoint.ReceiveResponseData(0), 0);
    EXPECT_GE(net.nowMs, 30000);
    EXPECT_LE(net.nowMs, 30100) << "the collection is bounded";
    EXPECT_TRUE(log.Contains("ReceiveResponseData: datagrams kept coming for 30 s; the collection ends"));
    EthernetInfoMap wired;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(wired.count("02:00:00:00:00:07"), 1u);
}

TEST_F(NetsearchUdpEndpointExchange, AFloodOfForeignDatagramsEndsTheWaitForAConfirmation) {
    const sockaddr_in stranger = FakeSocketApi::Address("192.0.2.99", 40000);
    net.responder = [stranger](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        for (long t = n.nowMs; t < n.nowMs + 60000; t += 20)
            n.Arrive(std::vector<std::uint8_t>(100, 0x5A), t, stranger);
    };
    const std::vector<std::uint8_t> message(200, 0x11);
    const long start = net.nowMs;
    EXPECT_TRUE(endpoint.SetQlinkInfo(0, 1, message.data(), static_cast<int>(message.size())));
    EXPECT_FALSE(endpoint.LastSettingConfirmed());
    EXPECT_LE(net.nowMs - start, 2 * (5000 + 600)) << "two attempts, each bounded";
}

TEST_F(NetsearchUdpEndpointExchange, ASecondInterfaceReadKeepsThePrinterTables) {
    AnswerEveryRequest({WiredAnswer(1), WirelessAnswer(2, 47, 0)});
    endpoint.ClearPrinterTables();
    ASSERT_EQ(endpoint.SearchPrinter(0, 1), 1);
    const int calls = lister.calls;
    EXPECT_TRUE(endpoint.InitLocalNetworkInterface());
    EXPECT_EQ(lister.calls, calls);
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_EQ(endpoint.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(endpoint.CopyWLanInfoTo(wireless), 1);
}

TEST_F(NetsearchUdpEndpointExchange, ReceiveWithoutSocketIsZero) {
    EXPECT_EQ(endpoint.ReceiveResponseData(0), 0);
}

// ----------------------------------------------------------------------------------------------------
// IP settings exchange

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST_F(NetsearchUdpEndpointExchange, SettingsConfirmationsByLength) {
    struct Case {
        std::string reply;
        bool confirmed;
        std::string logged; // the confirmation's log line
    };
    const Case cases[] = {{"SET", false, ""},
                          {"SETC", true, "ReceiveSettingResultData: SET COMPLETED-3"},
                          {"SETC" + std::string(13, '.'), true, "ReceiveSettingResultData: SET COMPLETED-3"},
                          {"SETC" + std::string(14, '.'), true, "ReceiveSettingResultData: SET COMPLETED-2"},
                          {"__[I_F]__[SET_RSP]", true, "ReceiveSettingResultData: SET COMPLETED-1"},
                          {"__[I_F]__[SET_RS", false, ""}};
    const std::vector<std::uint8_t> message = Bytes("SETT" + std::string(26, '\1'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply.size());
        CapturedLog log;
        net.sent.clear();
        const std::string reply = c.reply;
        net.responder = [reply](FakeSocketApi& n, const FakeSocketApi::Sent&) {
            n.Arrive(Bytes(reply), n.nowMs + 20, kPrinter);
        };
        EXPECT_TRUE(endpoint.SetQlinkInfo(0, 1, message.data(), static_cast<int>(message.size())));
        EXPECT_EQ(endpoint.LastSettingConfirmed(), c.confirmed);
        EXPECT_EQ(net.sent.size(), c.confirmed ? 1u : 2u);
        EXPECT_EQ(net.sent[0].bytes, message);
        EXPECT_TRUE(endpoint.HasSocket()) << "left open for the next exchange";
        const auto completed = log.LinesStartingWith("ReceiveSettingResultData: SET COMPLETED");
        EXPECT_EQ(completed,
                  c.logged.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.logged});
    }
}

TEST_F(NetsearchUdpEndpointExchange, SettingsWithoutAnswerStillSucceedAfterTwoSendsToTheBroadcast) {
    const std::vector<std::uint8_t> message = Bytes("__[I_F]__[PRT_SET]" + std::string(30, '\2'));
    CapturedLog log;
    const long start = net.nowMs;
    EXPECT_TRUE(endpoint.SetQlinkInfo(1, 2, message.data(), static_cast<int>(message.size())));
    EXPECT_FALSE(endpoint.LastSettingConfirmed());
    ASSERT_EQ(net.sent.size(), 2u);
    for (const auto& sent : net.sent)
        EXPECT_EQ(FakeSocketApi::Text(sent.to), "198.51.100.255:3337");
    EXPECT_EQ(FakeSocketApi::Text(net.bound), "0.0.0.0:9000");
    for (const auto& sent : net.sent)
        EXPECT_EQ(sent.route.source[0], 198) << "from the interface's address";
    EXPECT_EQ(net.nowMs - start, 2 * (50 + 500));
    // Each attempt ends with the receive time-out, logged with the system's code.
    EXPECT_EQ(log.LinesStartingWith("ReceiveSettingResultData: Error"),
              std::vector<std::string>(2, "ReceiveSettingResultData: Error receiving data. (" +
                                              std::to_string(EAGAIN) + ")"));

    // The next exchange closes the socket left open.
    net.events.clear();
    ASSERT_TRUE(endpoint.CreateSocket());
    EXPECT_EQ(net.events[0].what, "close 3");
}

TEST_F(NetsearchUdpEndpointExchange, SettingsRetryGoesToTheBroadcastEvenAfterAStrayDatagram) {
    const sockaddr_in stranger = FakeSocketApi::Address("192.0.2.77", 5555);
    bool first = true;
    net.responder = [&](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        if (first)
            n.Arrive(Bytes("hello"), n.nowMs + 10, stranger);
        first = false;
    };
    const std::vector<std::uint8_t> message = Bytes("SETT" + std::string(26, '\3'));
    EXPECT_TRUE(endpoint.SetQlinkInfo(0, 1, message.data(), static_cast<int>(message.size())));
    ASSERT_EQ(net.sent.size(), 2u);
    EXPECT_EQ(FakeSocketApi::Text(net.sent[1].to), "192.0.2.255:48781");
}

TEST_F(NetsearchUdpEndpointExchange, SettingsFailures) {
    const std::vector<std::uint8_t> message = Bytes("SETT" + std::string(26, '\4'));
    EXPECT_FALSE(endpoint.SetQlinkInfo(0, 1, nullptr, 30));
    EXPECT_FALSE(endpoint.SetQlinkInfo(0, 1, message.data(), 0));
    EXPECT_FALSE(endpoint.SetQlinkInfo(9, 1, message.data(), 30)) << "no such interface";
    EXPECT_TRUE(net.sent.empty());
    net.failSend = true;
    EXPECT_FALSE(endpoint.SetQlinkInfo(0, 1, message.data(), 30)) << "both sends refused";
}

TEST_F(NetsearchUdpEndpointExchange, SettingsDeliveryGoesToItsAddressAndCountsOnlyItsSendersConfirmations) {
    const sockaddr_in stranger = FakeSocketApi::Address("192.0.2.77", 48781);
    const sockaddr_in printer = FakeSocketApi::Address("192.0.2.50", 48781);
    struct Case {
        const char* what;
        bool strangerConfirms, printerConfirms, confirmed;
    };
    const Case cases[] = {{"only the printer", false, true, true},
                          {"another printer first, then this one", true, true, true},
                          {"only another printer", true, false, false}};
    CUdpEndpoint::SettingsDelivery delivery;
    delivery.destination = CUdpEndpoint::Address{203, 0, 113, 255};
    delivery.acceptFrom = {CUdpEndpoint::Address{192, 0, 2, 50}, CUdpEndpoint::Address{192, 0, 2, 60}};
    const std::vector<std::uint8_t> message = Bytes("SETT" + std::string(26, '\5'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        net.sent.clear();
        net.responder = [&c, stranger, printer](FakeSocketApi& n, const FakeSocketApi::Sent&) {
            if (c.strangerConfirms)
                n.Arrive(Bytes("SETC"), n.nowMs + 10, stranger);
            if (c.printerConfirms)
                n.Arrive(Bytes("SETC"), n.nowMs + 30, printer);
        };
        EXPECT_TRUE(endpoint.SendSettings(0, 1, message.data(), static_cast<int>(message.size()), delivery));
        EXPECT_EQ(endpoint.LastSettingConfirmed(), c.confirmed);
        ASSERT_EQ(net.sent.size(), c.confirmed ? 1u : 2u);
        for (const auto& sent : net.sent)
            EXPECT_EQ(FakeSocketApi::Text(sent.to), "203.0.113.255:48781");
    }
    // The plain exchange afterwards goes to the interface's broadcast address and takes anyone's again.
    net.sent.clear();
    net.responder = [stranger](FakeSocketApi& n, const FakeSocketApi::Sent&) {
        n.Arrive(Bytes("SETC"), n.nowMs + 10, stranger);
    };
    EXPECT_TRUE(endpoint.SetQlinkInfo(0, 1, message.data(), static_cast<int>(message.size())));
    EXPECT_TRUE(endpoint.LastSettingConfirmed());
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(FakeSocketApi::Text(net.sent[0].to), "192.0.2.255:48781");
}

TEST_F(NetsearchUdpEndpointExchange, AConfirmationWaitingBeforeTheMessageIsNotItsAnswer) {
    const std::vector<std::uint8_t> message = Bytes("SETT" + std::string(26, '\6'));
    net.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        // A late answer to an earlier exchange that comes in as the next socket is opened (after the
        // 5 ms below and the 100 ms pause before a socket is opened again), before its message goes out.
        if (sent.bytes[0] == 'x')
            n.Arrive(Bytes("SETC"), n.nowMs + 105, kPrinter);
    };
    ASSERT_TRUE(endpoint.CreateSocket());
    ASSERT_TRUE(endpoint.BindSocket(0, 1));
    ASSERT_GT(endpoint.SendData("x", 1), 0);
    net.nowMs += 5;
    net.sent.clear();
    EXPECT_TRUE(endpoint.SetQlinkInfo(0, 1, message.data(), static_cast<int>(message.size())));
    EXPECT_FALSE(endpoint.LastSettingConfirmed());
    EXPECT_EQ(net.sent.size(), 2u);
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// One round of every exchange (SearchRound) over the scripted network

class NetsearchUdpEndpointRound : public NetsearchUdpEndpointExchange {
protected:
    NetsearchUdpEndpointRound() {
        lister.rows[0].index = 7;
        lister.rows[1].index = 9;
        round.InitLocalNetworkInterface();
    }
    static std::vector<SearchExchange> EveryExchange() {
        return {{0, VRX_WIRED_PRINTER, std::nullopt, {}, 0},
                {0, VRX_WIRELESS_PRINTER, std::nullopt, {}, 0},
                {1, VRX_WIRED_PRINTER, std::nullopt, {}, 0},
                {1, VRX_WIRELESS_PRINTER, std::nullopt, {}, 0}};
    }
    static bool Wired(const FakeSocketApi::Sent& sent) {
        return std::string(sent.bytes.begin(), sent.bytes.end()) == "FIND";
    }
    CUdpEndpoint round{lister.Function(), &net};
};

TEST_F(NetsearchUdpEndpointRound, AllRequestsGoOutTogetherAndEachExchangeEndsOnItsOwnSilence) {
    // Only the second interface's wired printer answers, once per request, 1 ms later.
    net.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        if (Wired(sent) && sent.route.interfaceIndex == 9)
            n.Arrive(WiredAnswer(1), n.nowMs + 1, kPrinter, FakeSocketApi::Via(9, "198.51.100.1"));
    };
    std::vector<std::string> heard;
    const int result = round.SearchRound(EveryExchange(), {}, [&](const HeardPrinter& printer) {
        ASSERT_NE(printer.ethernet, nullptr);
        heard.push_back(MacText(printer.ethernet->MacAddr));
    });
    EXPECT_GT(result, 0);
    ASSERT_EQ(net.sent.size(), 20u);
    for (size_t i = 0; i < net.sent.size(); ++i) {
        EXPECT_EQ(net.sent[i].atMs, static_cast<long>(i / 4 * 50)) << "the four exchanges' requests together";
        EXPECT_TRUE(net.sent[i].routed);
    }
    EXPECT_EQ(FakeSocketApi::Text(net.sent[1].to), "192.0.2.255:3337");
    EXPECT_EQ(FakeSocketApi::Text(net.sent[2].to), "198.51.100.255:48781");
    // The silent exchanges ended at 750 ms; the answered one 2 s after its last answer (201 ms): the round
    // is as long as its longest exchange.
    EXPECT_GE(net.nowMs, 2250);
    EXPECT_LE(net.nowMs, 2252);
    EXPECT_EQ(heard, std::vector<std::string>{"02:00:00:00:00:01"}) << "told once, at its first answer";
    EthernetInfoMap wired;
    ASSERT_EQ(round.CopyEthernetInfoTo(wired), 1);
    EXPECT_EQ(wired.begin()->second.byLocalNetworkInterface, 1);
    EXPECT_TRUE(net.openSockets.empty()) << "the round's sockets are closed";
}

TEST_F(NetsearchUdpEndpointRound, NothingAnsweringEndsAfterTheRequestsAndTheReceiveTimeOut) {
    EXPECT_EQ(round.SearchRound(EveryExchange()), 0);
    EXPECT_EQ(net.sent.size(), 20u);
    EXPECT_GE(net.nowMs, 750);
    EXPECT_LE(net.nowMs, 752);
}

TEST_F(NetsearchUdpEndpointRound, EachAnswerIsCreditedToTheInterfaceItCameInOn) {
    struct Case {
        const char* what;
        unsigned arrivedOn;
        std::string sentTo;
        int credited; // -1: passed over
    };
    const Case cases[] = {
        {"the first's address, on its card", 7, "192.0.2.1", 0},
        {"the first's address, through the other card", 9, "192.0.2.1", 0},
        {"the second's address, through the first card", 7, "198.51.100.1", 1},
        {"the first's subnet broadcast, on its card", 7, "192.0.2.255", 0},
        {"255.255.255.255 on the second card", 9, "255.255.255.255", 1},
        {"the second's subnet broadcast on the first card", 7, "198.51.100.255", -1},
        {"an address of neither", 7, "203.0.113.9", -1},
    };
    std::uint8_t macLast = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        net.responder = [&c, macLast](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
            if (Wired(sent) && sent.route.interfaceIndex == 7)
                n.Arrive(WiredAnswer(macLast), n.nowMs + 1, kPrinter, FakeSocketApi::Via(c.arrivedOn, c.sentTo));
        };
        round.ClearPrinterTables();
        round.SearchRound(EveryExchange());
        EthernetInfoMap wired;
        round.CopyEthernetInfoTo(wired);
        if (c.credited < 0) {
            EXPECT_TRUE(wired.empty());
        } else {
            ASSERT_EQ(wired.size(), 1u);
            EXPECT_EQ(wired.begin()->second.byLocalNetworkInterface, c.credited);
        }
        ++macLast;
    }
}

TEST_F(NetsearchUdpEndpointRound, ADirectedExchangeTakesTheAnswersFromItsSubnet) {
    // Behind a router on the first interface: 203.0.113.0/24, whose printers answer the tool's address.
    net.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        if (Wired(sent) && FakeSocketApi::Text(sent.to) == "203.0.113.255:48781")
            n.Arrive(WiredAnswer(5), n.nowMs + 1, FakeSocketApi::Address("203.0.113.5", 48781),
                     FakeSocketApi::Via(7, "192.0.2.1"));
        else if (Wired(sent) && sent.route.interfaceIndex == 7)
            n.Arrive(WiredAnswer(6), n.nowMs + 1, kPrinter, FakeSocketApi::Via(7, "192.0.2.1"));
    };
    std::vector<SearchExchange> exchanges = EveryExchange();
    exchanges.push_back({0, VRX_WIRED_PRINTER, CUdpEndpoint::Address{203, 0, 113, 255}, {203, 0, 113, 0}, 24});
    round.SearchRound(exchanges);
    const auto behind = round.OriginOf(VRX_WIRED_PRINTER, "02:00:00:00:00:05");
    ASSERT_TRUE(behind.has_value());
    ASSERT_TRUE(behind->directed.has_value()) << "a settings message goes back the way the request went";
    EXPECT_EQ((*behind->directed)[3], 255);
    const auto local = round.OriginOf(VRX_WIRED_PRINTER, "02:00:00:00:00:06");
    ASSERT_TRUE(local.has_value());
    EXPECT_FALSE(local->directed.has_value());
    EXPECT_EQ(net.sent.size(), 25u);
}

TEST_F(NetsearchUdpEndpointRound, AStopRequestEndsTheRoundAtOnceKeepingWhatWasHeard) {
    std::stop_source stop;
    net.responder = [&stop](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        if (Wired(sent) && sent.route.interfaceIndex == 7) {
            n.Arrive(WiredAnswer(1), n.nowMs + 1, kPrinter, FakeSocketApi::Via(7, "192.0.2.1"));
            if (n.nowMs >= 100)
                stop.request_stop(); // the user cancels during the third request
        }
    };
    round.SearchRound(EveryExchange(), stop.get_token());
    EXPECT_LE(net.nowMs, 150) << "no wait after the stop";
    EXPECT_LE(net.sent.size(), 12u) << "no request after the stop";
    EthernetInfoMap wired;
    EXPECT_EQ(round.CopyEthernetInfoTo(wired), 1);
}

TEST_F(NetsearchUdpEndpointRound, AnExchangeAnsweredAfterItsTimeOutWhileTheRoundRunsTakesTheAnswer) {
    // The first interface's printer answers at once; the second's only 900 ms after the last request, past
    // its exchange's 500 ms, while the first exchange still waits for its silence.
    net.responder = [](FakeSocketApi& n, const FakeSocketApi::Sent& sent) {
        if (!Wired(sent))
            return;
        if (sent.route.interfaceIndex == 7)
            n.Arrive(WiredAnswer(1), n.nowMs + 1, kPrinter, FakeSocketApi::Via(7, "192.0.2.1"));
        else if (sent.atMs == 200)
            n.Arrive(WiredAnswer(2), 1100, kPrinter, FakeSocketApi::Via(9, "198.51.100.1"));
    };
    round.SearchRound(EveryExchange());
    EthernetInfoMap wired;
    ASSERT_EQ(round.CopyEthernetInfoTo(wired), 2);
    EXPECT_EQ(wired.at("02:00:00:00:00:02").byLocalNetworkInterface, 1);
    EXPECT_GE(net.nowMs, 3100) << "and then its 2 s of silence";
    EXPECT_LE(net.nowMs, 3101);
}
