#include "cli/PrinterOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

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

    const InterfaceNames names = [](int key) { return key == 1 ? std::string("wlp2s0") : std::string(); };
    const nlohmann::json list = PrintersAsJson(result, names);
    ASSERT_EQ(list.size(), 3u);
    const std::set<std::string> keys = {"type",     "mac",      "ip",   "subnet",     "gateway",
                                        "port",     "baudrate", "dhcp", "inactivity", "http",
                                        "firmware", "mask",     "name", "interface",  "interface_name"};
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
    EXPECT_EQ(list[0]["http"], true);
    EXPECT_EQ(list[0]["dhcp"], false);
    EXPECT_TRUE(list[0]["mask"].is_null());
    EXPECT_EQ(list[0]["name"], "");
    EXPECT_EQ(list[1]["type"], "wireless");
    EXPECT_EQ(list[1]["mask"], nlohmann::json::array({145, 7}));
    EXPECT_EQ(list[1]["http"], false);
    EXPECT_EQ(list[1]["name"], "Dock");
    EXPECT_EQ(list[1]["interface"], 1);
    EXPECT_EQ(list[1]["interface_name"], "wlp2s0");
    EXPECT_EQ(list[0]["interface"], 0);
    EXPECT_EQ(list[0]["interface_name"], "") << "an interface without a name";
    EXPECT_EQ(list[2]["name"], "");
    EXPECT_EQ(PrintersAsJson(result)[1]["interface_name"], "") << "no names given";
}

TEST(CliPrinterOutput, FitColumnPadsOrCutsWithAnEllipsisByTerminalColumns) {
    struct Case {
        std::string text;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        {"Dock", 6, "Dock  "},
        {"Dock 12", 7, "Dock 12"},
        {"Dock 123", 7, "Dock 1\u2026"},
        {"", 3, "   "},
        {"Gr\u00FC\u00DFe aus K\u00F6ln", 8,
         "Gr\u00FC\u00DFe a\u2026"}, // two-byte characters, one column each
        {"\u65E5\u672C\u8A9E\u306E\u540D\u524D", 7, "\u65E5\u672C\u8A9E\u2026"}, // wide: two columns each
        {"\u65E5\u672C\u8A9E", 6, "\u65E5\u672C\u8A9E"},
        {"\u65E5\u672C\u8A9E\u306E", 6, "\u65E5\u672C\u2026 "},
        {"tab\there", 8, "tab here"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitColumn(c.text, c.width), c.expected) << c.text;
}

TEST(CliPrinterOutput, TheTableFitsOneHundredColumnsWithLongNamesCut) {
    SearchResult result;
    const std::string names[] = {
        "Shipping desk", std::string(64, 'W'),
        "\u5009\u5EAB\u306E\u30E9\u30D9\u30EB\u30D7\u30EA\u30F3\u30BF\u30FC\u7B2C\u4E8C\u53F7\u6A5F"};
    std::uint8_t last = 0;
    for (const std::string& name : names) {
        WLAN_INFO r{};
        r.MacAddr[5] = ++last;
        const std::uint8_t ip[4] = {255, 255, 255, 255};
        std::memcpy(r.Ip, ip, 4);
        r.Port[0] = 0x7F;
        r.Port[1] = 0xFF;
        r.FwVer[0] = 255;
        r.FwVer[1] = 255;
        r.Dhcp = 1;
        r.Mask[0] = 0x91;
        r.byLocalNetworkInterface = last == 1 ? 63 : 2;
        std::memcpy(r.SystemName, name.data(), std::min<size_t>(name.size(), 64));
        result.wlan[MacText(r.MacAddr)] = r;
    }
    ETHERNET_INFO wired{};
    result.ethernet["00:00:00:00:00:00"] = wired;

    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    // Interface 2 has a name longer than the column; 63 has none and shows its key.
    PrintPrinterTable(result, out,
                      [](int key) { return key == 2 ? std::string("wlx00e04c123456") : std::string(); });
    std::fclose(out);
    const std::string table(text, size);
    std::free(text);

    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = table.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(table.substr(begin, end - begin));
    ASSERT_EQ(lines.size(), 5u) << table;
    for (const auto& line : lines) {
        // Columns on a terminal: every character one, the wide ones two (the table's own measure).
        const std::string fitted = FitColumn(line, 200); // the line and its padding to 200 columns
        ASSERT_EQ(fitted.substr(0, line.size()), line);
        const int columns = 200 - static_cast<int>(fitted.size() - line.size());
        EXPECT_LE(columns, 100) << line;
    }
    EXPECT_EQ(lines[0].rfind("#   IP Address", 0), 0u) << lines[0];
    EXPECT_NE(lines[1].find("Wired"), std::string::npos) << "wired printers first";
    EXPECT_NE(lines[1].find(" - "), std::string::npos) << "a printer without a name";
    EXPECT_NE(lines[2].find("Shipping desk"), std::string::npos);
    EXPECT_NE(lines[3].find("WWWWWWWWWWWWWWWWWWWWW\u2026"), std::string::npos) << lines[3];
    EXPECT_NE(lines[4].find("\u2026"), std::string::npos) << lines[4];
    EXPECT_NE(lines[2].find("255.255.255.255 00:00:00:00:00:01"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("yes  32767 255.255  63"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("yes  32767 255.255  wlx00e04\u2026"), std::string::npos) << lines[3];
    EXPECT_NE(lines[0].find("Interface"), std::string::npos) << lines[0];
}

} // namespace
