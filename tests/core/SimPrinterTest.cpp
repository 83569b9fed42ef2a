#include "netsearch/DiscoveryAnswer.h"
#include "netsearch/SettingsMessage.h"
#include "sim/SimConfig.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<SimPrinter> Parse(const std::string& text) {
    std::vector<SimPrinter> printers;
    std::string error;
    EXPECT_TRUE(SimConfig::Parse(text, printers, error)) << error;
    return printers;
}

TEST(SimPrinter, AnswersAreWhatTheSearchReadsBack) {
    const auto printers = Parse(R"({"printers": [
        {"type": "wired", "mac": "02:00:00:00:00:0a", "ip": "192.0.2.50", "port": 9100, "http": 1,
         "firmware": "2.15", "inactivity": 300, "baudrate": 4},
        {"type": "wired", "mac": "02:00:00:00:00:0b", "answer_length": 30, "http": 1},
        {"type": "wireless", "mac": "06:00:00:00:00:01", "name": "Shelf 7"},
        {"type": "wireless", "mac": "06:00:00:00:00:02", "name": "Shelf 8", "answer_length": 47},
        {"type": "wireless", "mac": "06:00:00:00:00:03"}]})");
    ASSERT_EQ(printers.size(), 5u);

    struct Expected {
        size_t length;
        DiscoveryAnswerKind kind;
        std::string name;
        int http;
    };
    const Expected expected[] = {{31, DiscoveryAnswerKind::Wired, "", 1},
                                 {30, DiscoveryAnswerKind::Wired, "", 0},
                                 {111, DiscoveryAnswerKind::Wireless, "Shelf 7", 0},
                                 {47, DiscoveryAnswerKind::Wireless, "", 0},
                                 {47, DiscoveryAnswerKind::Wireless, "", 0}};
    for (size_t i = 0; i < printers.size(); ++i) {
        SCOPED_TRACE(printers[i].Mac());
        const auto answer = printers[i].Answer();
        EXPECT_EQ(answer.size(), expected[i].length);
        const DiscoveryAnswer read = ClassifyDiscoveryAnswer(answer.data(), answer.size(), 0);
        ASSERT_EQ(read.kind, expected[i].kind);
        if (read.kind == DiscoveryAnswerKind::Wired) {
            EXPECT_EQ(MacText(read.ethernet.MacAddr), printers[i].Mac());
            EXPECT_EQ(read.ethernet.Http, expected[i].http);
        } else {
            EXPECT_EQ(MacText(read.wlan.MacAddr), printers[i].Mac());
            EXPECT_EQ(DecodeSystemName(read.wlan), expected[i].name);
        }
    }
    const ETHERNET_INFO first = ClassifyDiscoveryAnswer(printers[0].Answer().data(), 31, 0).ethernet;
    EXPECT_EQ(Ipv4Text(first.Ip), "192.0.2.50");
    EXPECT_EQ(BigEndian16(first.Port), 9100u);
    EXPECT_EQ(BigEndian16(first.I_activeTime), 300u);
    EXPECT_EQ(first.FwVer[0], 2);
    EXPECT_EQ(first.FwVer[1], 15);
    EXPECT_EQ(first.Baudrate, 4);
    EXPECT_EQ(printers[2].record().Mask[0], 0x91);
    EXPECT_EQ(printers[4].record().Mask[0], 0x11);
}

TEST(SimPrinter, AppliesASettingsMessageOnlyForItsOwnMacAndKind) {
    auto printers = Parse(R"({"printers": [
        {"type": "wired", "mac": "02:00:00:00:00:01", "ip": "192.0.2.50"},
        {"type": "wireless", "mac": "06:00:00:00:00:01", "ip": "192.0.2.51", "name": "Old"}]})");
    SimPrinter& wired = printers[0];
    SimPrinter& wireless = printers[1];

    ETHERNET_INFO e{};
    std::memcpy(&e, &wired.record(), 27);
    e.Ip[3] = 99;
    e.Port[1] = 0x8D;
    e.Dhcp = 0;
    const auto wiredMessage = BuildWiredSettingsMessage(e);
    EXPECT_FALSE(wireless.ApplySettings(wiredMessage.data(), wiredMessage.size())) << "other kind";
    ETHERNET_INFO other = e;
    other.MacAddr[5] = 2;
    const auto otherMessage = BuildWiredSettingsMessage(other);
    EXPECT_FALSE(wired.ApplySettings(otherMessage.data(), otherMessage.size())) << "other MAC";
    EXPECT_FALSE(wired.ApplySettings(wiredMessage.data(), 29)) << "short";
    ASSERT_TRUE(wired.ApplySettings(wiredMessage.data(), wiredMessage.size()));
    EXPECT_EQ(Ipv4Text(wired.record().Ip), "192.0.2.99");
    EXPECT_EQ(wired.record().Port[1], 0x8D);

    WLAN_INFO w = wireless.record();
    EncodeSystemName("New name", w.SystemName);
    w.Dhcp = 1;
    const auto wirelessMessage = BuildWirelessSettingsMessage(w);
    ASSERT_TRUE(wireless.ApplySettings(wirelessMessage.data(), wirelessMessage.size()));
    EXPECT_EQ(wireless.ToJson()["name"], "New name");
    EXPECT_EQ(wireless.ToJson()["dhcp"], 1);
    EXPECT_EQ(wireless.ToJson()["ip"], "192.0.2.51")
        << "DHCP without an address of its own keeps its address";
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(SimPrinter, ConfirmationKindsAndGenerator) {
    const auto printers = Parse(R"({"printers": [
        {"type": "wired", "mac": "02:00:00:00:00:01", "settings_reply": "SET_RSP"},
        {"type": "wired", "mac": "02:00:00:00:00:02"},
        {"type": "wireless", "mac": "06:00:00:00:00:01", "settings_reply": "none"}],
        "generate": {"wired": 3, "wireless": 2, "base_mac": "02:00:00:00:00:ff", "base_ip": "192.0.2.254"}})");
    ASSERT_EQ(printers.size(), 8u);
    EXPECT_EQ(Text(printers[0].SettingsConfirmation()), "__[I_F]__[SET_RSP]");
    EXPECT_EQ(Text(printers[1].SettingsConfirmation()), "SETC");
    EXPECT_TRUE(printers[2].SettingsConfirmation().empty());
    // Addresses and MACs count on across byte boundaries.
    EXPECT_EQ(printers[3].Mac(), "02:00:00:00:01:00");
    EXPECT_EQ(printers[4].Mac(), "02:00:00:00:01:01");
    EXPECT_EQ(printers[4].ToJson()["ip"], "192.0.2.255");
    EXPECT_EQ(printers[5].ToJson()["ip"], "192.0.3.0");
    EXPECT_EQ(printers[6].kind(), SimPrinter::Kind::Wireless);
}

TEST(SimPrinter, WhereRepliesGoAndWhichLinkIsHeard) {
    const auto printers = Parse(R"({"printers": [
        {"mac": "02:00:00:00:00:01"},
        {"mac": "02:00:00:00:00:02", "reply_by": "subnet-broadcast", "link": "198.51.100.2"},
        {"mac": "02:00:00:00:00:03", "reply_by": "broadcast"}],
        "generate": {"wired": 1, "reply_by": "broadcast"}})");
    ASSERT_EQ(printers.size(), 4u);
    EXPECT_EQ(printers[0].behaviour().replyBy, SimPrinter::ReplyBy::Unicast);
    EXPECT_EQ(printers[0].behaviour().link, "");
    EXPECT_EQ(printers[1].behaviour().replyBy, SimPrinter::ReplyBy::SubnetBroadcast);
    EXPECT_EQ(printers[1].behaviour().link, "198.51.100.2");
    EXPECT_EQ(printers[2].behaviour().replyBy, SimPrinter::ReplyBy::LimitedBroadcast);
    EXPECT_EQ(printers[3].behaviour().replyBy, SimPrinter::ReplyBy::LimitedBroadcast);
}

TEST(SimPrinter, BadConfigurationsAreRefused) {
    for (const char* text :
         {R"({"printers": [{"type": "wired"}]})",
          R"({"printers": [{"type": "usb", "mac": "02:00:00:00:00:01"}]})",
          R"({"printers": [{"mac": "02:00:00:00:01"}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "ip": "192.0.2.300"}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "answer_length": 29}]})",
          R"({"printers": [{"type": "wireless", "mac": "02:00:00:00:00:01", "answer_length": 46}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "settings_reply": "OK"}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "port": 70000}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "reply_by": "multicast"}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "link": "192.0.2"}]})", "{not json",
          // Sizes that would overflow a count or exhaust the memory.
          R"({"generate": {"wired": 2147483647, "wireless": 1}})", R"({"generate": {"wired": -1}})",
          R"({"generate": {"wireless": 100001}})", R"({"generate": {"wired": 1e87}})",
          R"({"generate": {"wired": 2.5}})", R"({"printers": [{"mac": "02:00:00:00:00:01", "port": 1e30}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "answers": 18446744073709551615}]})",
          R"({"printers": [{"type": "wireless", "mac": "06:00:00:00:00:01", "mask": [1e40, 0]}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "garbage_before": ["random:4000000000"]}]})",
          R"({"printers": [{"mac": "02:00:00:00:00:01", "garbage_after": ["random:65508"]}]})"}) {
        std::vector<SimPrinter> printers;
        std::string error;
        EXPECT_FALSE(SimConfig::Parse(text, printers, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

} // namespace
