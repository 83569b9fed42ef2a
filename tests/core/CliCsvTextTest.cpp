#include "app/CsvText.h"
#include "cli/PrinterOutput.h"
#include "cli/SetIpBatchFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

struct Parsed {
    std::vector<int> lines;
    std::vector<Fields> records;
};

TEST(CsvText, RecordsAndFieldsAsTheFileHasThem) {
    struct Case {
        std::string name, text;
        std::vector<int> lines;
        std::vector<Fields> records;
    };
    const Case cases[] = {
        {"CRLF line ends", "a,b\r\n1,2\r\n", {1, 2}, {{"a", "b"}, {"1", "2"}}},
        {"LF line ends, no last line end", "a,b\n1,2", {1, 2}, {{"a", "b"}, {"1", "2"}}},
        {"empty fields", "a,,c\r\n,,\r\n", {1, 2}, {{"a", "", "c"}, {"", "", ""}}},
        {"quoted comma and doubled quote", "\"x,y\",\"say \"\"hi\"\"\"\r\n", {1}, {{"x,y", "say \"hi\""}}},
        {"quoted line breaks keep the record's first line",
         "n\r\n\"two\r\nlines\",z\r\nlast\r\n",
         {1, 2, 4},
         {{"n"}, {"two\r\nlines", "z"}, {"last"}}},
        {"blank lines are left out", "a\r\n\r\n   \r\nb\r\n", {1, 4}, {{"a"}, {"b"}}},
        {"a byte order mark is passed over", "\xEF\xBB\xBFmac\r\n", {1}, {{"mac"}}},
        {"an empty quoted field", "\"\",x\n", {1}, {{"", "x"}}},
        {"UTF-8 passes unchanged", "\xE5\x8F\xB0,\"\xC3\xA9\"\n", {1}, {{"\xE5\x8F\xB0", "\xC3\xA9"}}},
        {"nothing", "", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<CsvText::Record> records;
        std::string error;
        ASSERT_TRUE(CsvText::Parse(c.text, records, error)) << c.name << ": " << error;
        std::vector<int> lines;
        std::vector<Fields> fields;
        for (const auto& record : records) {
            lines.push_back(record.line);
            fields.push_back(record.fields);
        }
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(fields, c.records) << c.name;
    }
}

TEST(CsvText, BrokenQuotingIsRefusedWithItsLine) {
    struct Case {
        std::string text, error;
    };
    const Case cases[] = {
        {"a\r\n\"open,b\r\nc\r\n", "line 2: a quoted field is not closed"},
        {"a\r\nb\r\n\"x\"y,z\r\n", "line 3: text after a closing quote"},
        {"ab\"c\"\r\n", "line 1: a quote inside a field that does not start with one"},
    };
    for (const Case& c : cases) {
        std::vector<CsvText::Record> records;
        std::string error;
        EXPECT_FALSE(CsvText::Parse(c.text, records, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(CsvText, FieldsAreQuotedOnlyWhereTheyMustBe) {
    struct Case {
        std::string value, field;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {" padded", "\" padded\""},
        {"padded ", "\"padded \""},
        {"in side", "in side"},
        {"\xE5\x8F\xB0\xE5\x8C\x97", "\xE5\x8F\xB0\xE5\x8C\x97"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvText::Field(c.value), c.field) << c.value;
    EXPECT_EQ(CsvText::Row({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(CsvText, WhatIsWrittenReadsBackTheSame) {
    const std::vector<Fields> rows = {
        {"name", "note"}, {"Dock, east", "say \"ok\""}, {" x ", "line\r\nbreak"}};
    std::string text;
    for (const Fields& row : rows)
        text += CsvText::Row(row);
    std::vector<CsvText::Record> records;
    std::string error;
    ASSERT_TRUE(CsvText::Parse(text, records, error)) << error;
    ASSERT_EQ(records.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(records[i].fields, rows[i]);
}

TEST(PrinterOutputCsv, OneRowPerPrinterUnderAHeaderWithTheJsonFields) {
    SearchResult result;
    ETHERNET_INFO wired{};
    const std::uint8_t mac[6] = {2, 0, 0, 0, 0, 0xaa}, ip[4] = {192, 0, 2, 50}, mask[4] = {255, 255, 255, 0};
    std::memcpy(wired.MacAddr, mac, 6);
    std::memcpy(wired.Ip, ip, 4);
    std::memcpy(wired.Subnet, mask, 4);
    wired.Port[0] = 0x23;
    wired.Port[1] = 0x8c; // 9100
    wired.FwVer[0] = 1;
    wired.FwVer[1] = 20;
    result.ethernet["02:00:00:00:00:AA"] = wired;
    WLAN_INFO wireless{};
    wireless.MacAddr[0] = 6;
    wireless.Dhcp = 1;
    wireless.Mask[0] = 145;
    std::strcpy(reinterpret_cast<char*>(wireless.SystemName), "Dock \"east\", 2");
    wireless.byLocalNetworkInterface = 1;
    result.wlan["06:00:00:00:00:00"] = wireless;
    EXPECT_EQ(PrintersAsCsv(result),
              "type,mac,ip,subnet,gateway,port,baudrate,dhcp,inactivity,http,firmware,mask,name,interface\r\n"
              "wired,02:00:00:00:00:AA,192.0.2.50,255.255.255.0,0.0.0.0,9100,0,false,0,false,1.20,,,0\r\n"
              "wireless,06:00:00:00:00:00,0.0.0.0,0.0.0.0,0.0.0.0,0,0,true,0,false,0.0,145.0,"
              "\"Dock \"\"east\"\", 2\",1\r\n");
    EXPECT_EQ(
        PrintersAsCsv(SearchResult{}),
        "type,mac,ip,subnet,gateway,port,baudrate,dhcp,inactivity,http,firmware,mask,name,interface\r\n");
}

// ----------------------------------------------------------------------------------------------------
// The set-ip batch file

const std::string kHeader = "mac,mode,ip,subnet,gateway,port,inactivity,name\r\n";

TEST(SetIpBatchFile, GoodRowsBecomeRequests) {
    std::vector<SetIpBatchFile::Row> rows;
    const auto problems =
        SetIpBatchFile::Read(kHeader + "02:00:00:00:00:0a,manual,192.0.2.60,255.255.255.0,192.0.2.1,"
                                       "9101,120,\r\n"
                                       "06:00:00:00:00:0b,DHCP,,,,,,\"Dock, east\"\r\n",
                             false, rows);
    ASSERT_TRUE(problems.empty()) << problems[0].message;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 2);
    EXPECT_EQ(rows[0].mac, "02:00:00:00:00:0A");
    EXPECT_FALSE(rows[0].request.dhcp);
    EXPECT_EQ(rows[0].request.ip, (SettingsRequest::Address{192, 0, 2, 60}));
    EXPECT_EQ(rows[0].request.port, 9101u);
    EXPECT_EQ(rows[0].request.inactivity, 120u);
    EXPECT_FALSE(rows[0].request.name);
    EXPECT_TRUE(rows[1].request.dhcp);
    EXPECT_FALSE(rows[1].request.ip);
    EXPECT_FALSE(rows[1].request.port) << "empty: the printer's own";
    EXPECT_EQ(rows[1].request.name, "Dock, east");

    // Columns in another order and case, the optional ones left out.
    ASSERT_TRUE(SetIpBatchFile::Read("Gateway,IP,Subnet,MAC,Mode\n192.0.2.1,192.0.2.61,255.255.255.0,"
                                     "02:00:00:00:00:0c,manual\n",
                                     false, rows)
                    .empty());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].request.gateway, (SettingsRequest::Address{192, 0, 2, 1}));
}

TEST(SetIpBatchFile, EveryBadRowIsNamedByLineColumnAndMessage) {
    struct Case {
        std::string text;
        int line;
        std::string column, message;
    };
    const std::string good = "02:00:00:00:00:01,manual,192.0.2.60,255.255.255.0,192.0.2.1,,,\r\n";
    const Case cases[] = {
        {"mac,mode,ip,subnet,gateway,colour\r\n", 1, "colour", "unknown column"},
        {"mac,mode,ip,subnet\r\n", 1, "gateway", "the column is missing"},
        {"mac,mode,ip,subnet,gateway,mac\r\n", 1, "mac", "the column is named twice"},
        {"", 1, "", "the file is empty"},
        {kHeader, 1, "", "no printer rows"},
        {kHeader + good + "02:00:00:00:00:1,manual,192.0.2.61,255.255.255.0,192.0.2.1,,,\r\n", 3, "mac",
         "is not a MAC address"},
        {kHeader + good + "02:00:00:00:00:01,dhcp,,,,,,\r\n", 3, "mac", "has a row already (line 2)"},
        {kHeader + good + "02:00:00:00:00:02,static,192.0.2.61,255.255.255.0,192.0.2.1,,,\r\n", 3, "mode",
         "neither dhcp nor manual"},
        {kHeader + good + "02:00:00:00:00:02,manual,,255.255.255.0,192.0.2.1,,,\r\n", 3, "ip",
         "a manual row needs an IPv4 address here"},
        {kHeader + good + "02:00:00:00:00:02,dhcp,192.0.2.61,,,,,\r\n", 3, "ip",
         "a dhcp row leaves the addresses empty"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.300,255.255.255.0,192.0.2.1,,,\r\n", 3, "ip",
         "is not an IPv4 address"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,192.0.2.1,80,,\r\n", 3, "port",
         "Invalid Port Number"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,192.0.2.1,40000,,\r\n", 3,
         "port", "the port number must be 0 to 32767"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,192.0.2.1,x1,,\r\n", 3, "port",
         "is not a number"},
        {kHeader + good + "02:00:00:00:00:02,dhcp,,,,,3601,\r\n", 3, "inactivity",
         "the inactivity time must be 0 to 3600"},
        {kHeader + good + "02:00:00:00:00:02,manual,0.0.0.0,255.255.255.0,192.0.2.1,,,\r\n", 3, "ip",
         "The IP address cannot be used."},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.61,255.0.255.0,0.0.0.0,,,\r\n", 3, "subnet",
         "(255.0.255.0)"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.255,255.255.255.0,0.0.0.0,,,\r\n", 3, "ip",
         "network or broadcast address of its subnet. (192.0.2.255)"},
        {kHeader + good + "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,198.51.100.1,,,\r\n", 3,
         "gateway", "Give --yes"},
        {kHeader + good + "02:00:00:00:00:02,dhcp,,,,,,\"" + std::string(65, 'n') + "\"\r\n", 3, "name",
         "SYSTEM NAME LENGTH ERROR (65)"},
        {kHeader + good + "02:00:00:00:00:02,dhcp,,,,,,,extra\r\n", 3, "",
         "the row has 9 fields, the header 8"},
        {kHeader + good + "\"02:00:00:00:00:02,dhcp\r\n", 3, "", "a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        std::vector<SetIpBatchFile::Row> rows;
        const auto problems = SetIpBatchFile::Read(c.text, false, rows);
        ASSERT_FALSE(problems.empty()) << c.text;
        EXPECT_TRUE(rows.empty()) << "a bad row holds back every row\n" << c.text;
        EXPECT_EQ(problems[0].line, c.line) << c.text;
        EXPECT_EQ(problems[0].column, c.column) << c.text;
        EXPECT_NE(problems[0].message.find(c.message), std::string::npos) << c.text << problems[0].message;
    }
}

TEST(SetIpBatchFile, EveryProblemOfTheFileIsListedAndAgreedGatewaysPass) {
    std::vector<SetIpBatchFile::Row> rows;
    const std::string text = kHeader + "nonsense,manual,192.0.2.60,255.255.255.0,192.0.2.1,,,\r\n" +
                             "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,198.51.100.1,,,\r\n" +
                             "02:00:00:00:00:03,dhcp,,,,80,,\r\n";
    const auto problems = SetIpBatchFile::Read(text, false, rows);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[1].line, 3);
    EXPECT_EQ(problems[2].line, 4);

    const auto agreed = SetIpBatchFile::Read(
        kHeader + "02:00:00:00:00:02,manual,192.0.2.61,255.255.255.0,198.51.100.1,,,\r\n", true, rows);
    EXPECT_TRUE(agreed.empty());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].request.gatewayConfirmed);
}

} // namespace
