#include "cli/PrinterOutput.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(CliPrinterOutput, JsonListsWiredFirstWithExactlyTheDocumentedKeys) {
    SearchResult result;
    WLAN_INFO wireless{};
    wireless.MacAddr[0] = 0x01; // sorts before the wired printer's MAC, still listed after it
    wireless.Mask[0] = 0x91;
    wireless.Mask[1] = 7;
    std::memcpy(wireless.SystemName, "Dock", 4);
    wireless.byLocalNetworkInterface = 1;
    result.wlan["01:00:00:00:00:00"] = wireless;
    WLAN_INFO unnamed = wireless;
    unnamed.MacAddr[0] = 0x03;
    unnamed.Mask[0] = 0x11; // the name bytes mean nothing without bit 0x80
    result.wlan["03:00:00:00:00:00"] = unnamed;
    ETHERNET_INFO wired{};
    wired.MacAddr[0] = 0x0A;
    const std::uint8_t ip[4] = {192, 0, 2, 50};
    std::memcpy(wired.Ip, ip, 4);
    wired.Port[0] = 0x23;
    wired.Port[1] = 0x8C;
    wired.FwVer[0] = 1;
    wired.FwVer[1] = 20;
    wired.I_activeTime[0] = 1;
    wired.I_activeTime[1] = 0x2C;
    wired.Http = 1;
    result.ethernet["0A:00:00:00:00:00"] = wired;

    const nlohmann::json list = PrintersAsJson(result);
    ASSERT_EQ(list.size(), 3u);
    const std::set<std::string> keys = {"type",     "mac",      "ip",   "subnet",     "gateway",
                                        "port",     "baudrate", "dhcp", "inactivity", "http",
                                        "firmware", "mask",     "name", "interface"};
    for (const auto& item : list) {
        std::set<std::string> have;
        for (const auto& [key, value] : item.items())
            have.insert(key);
        EXPECT_EQ(have, keys);
    }
    EXPECT_EQ(list[0]["type"], "wired");
    EXPECT_EQ(list[0]["mac"], "0A:00:00:00:00:00");
    EXPECT_EQ(list[0]["ip"], "192.0.2.50");
    EXPECT_EQ(list[0]["port"], 9100);
    EXPECT_EQ(list[0]["inactivity"], 300);
    EXPECT_EQ(list[0]["firmware"], "1.20");
    EXPECT_EQ(list[0]["http"], 1);
    EXPECT_TRUE(list[0]["mask"].is_null());
    EXPECT_EQ(list[0]["name"], "");
    EXPECT_EQ(list[1]["type"], "wireless");
    EXPECT_EQ(list[1]["mask"], "145.7");
    EXPECT_EQ(list[1]["name"], "Dock");
    EXPECT_EQ(list[1]["interface"], 1);
    EXPECT_EQ(list[2]["name"], "");
}

} // namespace
