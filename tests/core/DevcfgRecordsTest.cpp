#include "CapturedLog.h"
#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using DeviceRecords::ConfigVariant;

WLAN_ADVANCED_CONFIG_INFO PatternRecord() {
    WLAN_ADVANCED_CONFIG_INFO record;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return record;
}

const std::uint8_t* Bytes(const WLAN_ADVANCED_CONFIG_INFO& record) {
    return reinterpret_cast<const std::uint8_t*>(&record);
}

TEST(DevcfgRecords, VariantSizes) {
    struct Case {
        ConfigVariant variant;
        std::size_t payload, frame;
    };
    const Case cases[] = {
        {ConfigVariant::Basic, 603, 1252},
        {ConfigVariant::WifiDirect, 616, 1276},
        {ConfigVariant::WifiDirectRf, 618, 1280},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceRecords::PayloadSize(c.variant), c.payload);
        EXPECT_EQ(DeviceRecords::FrameLength(c.variant), c.frame);
        EXPECT_EQ(DeviceRecords::ConfigurationFrame(PatternRecord(), c.variant, true, 'C').size(), c.frame);
    }
    EXPECT_EQ(DeviceRecords::VariantForFlags(false, false), ConfigVariant::Basic);
    EXPECT_EQ(DeviceRecords::VariantForFlags(false, true), ConfigVariant::Basic);
    EXPECT_EQ(DeviceRecords::VariantForFlags(true, false), ConfigVariant::WifiDirect);
    EXPECT_EQ(DeviceRecords::VariantForFlags(true, true), ConfigVariant::WifiDirectRf);
}

TEST(DevcfgRecords, FrameLengthSelectsTheVariant) {
    struct Case {
        std::size_t length;
        std::optional<ConfigVariant> variant;
    };
    const Case cases[] = {
        {0, std::nullopt},
        {1249, std::nullopt},
        {1250, ConfigVariant::Basic},
        {1252, ConfigVariant::Basic},
        {1275, ConfigVariant::Basic},
        {1276, ConfigVariant::WifiDirect},
        {1279, ConfigVariant::WifiDirect},
        {1280, ConfigVariant::WifiDirectRf},
        {2048, ConfigVariant::WifiDirectRf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(DeviceRecords::VariantForFrameLength(c.length), c.variant);
    }
}

TEST(DevcfgRecords, EachVariantCarriesItsBytesAndLeavesTheOthersZero) {
    struct Case {
        ConfigVariant variant;
        std::vector<std::pair<std::size_t, std::size_t>> zeroRanges; // [from, to)
    };
    const Case cases[] = {
        {ConfigVariant::Basic, {{347, 360}, {616, 620}}},
        {ConfigVariant::WifiDirect, {{616, 620}}},
        {ConfigVariant::WifiDirectRf, {}},
    };
    const WLAN_ADVANCED_CONFIG_INFO original = PatternRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.variant));
        const std::vector<std::uint8_t> frame =
            DeviceRecords::ConfigurationFrame(original, c.variant, false, 'C');
        const DeviceFrame::ParsedFrame parsed = DeviceFrame::ParseFrame(frame.data(), frame.size());
        ASSERT_TRUE(parsed.Ok());
        ASSERT_TRUE(parsed.HasHeader(DeviceFrame::kIfCur));
        WLAN_ADVANCED_CONFIG_INFO received;
        std::memset(&received, 0xAA, sizeof received);
        ASSERT_TRUE(DeviceRecords::PayloadToRecord(
            parsed.After(DeviceFrame::kIfCur), parsed.SizeAfter(DeviceFrame::kIfCur), c.variant, received));
        for (std::size_t i = 0; i < sizeof received; ++i) {
            bool zero = false;
            for (const auto& [from, to] : c.zeroRanges)
                zero = zero || (i >= from && i < to);
            if (c.variant == ConfigVariant::WifiDirectRf && i >= 618) // the frame's checksum bytes
                EXPECT_EQ(Bytes(received)[i], parsed.message[636 + i - 618]) << i;
            else
                EXPECT_EQ(Bytes(received)[i], zero ? 0 : Bytes(original)[i]) << i;
        }
        // Sent back in the same variant, the carried bytes go out unchanged.
        EXPECT_EQ(DeviceRecords::RecordToPayload(received, c.variant),
                  DeviceRecords::RecordToPayload(original, c.variant));
    }
}

TEST(DevcfgRecords, BasicPayloadSkipsTheWifiDirectBlock) {
    const WLAN_ADVANCED_CONFIG_INFO record = PatternRecord();
    const std::vector<std::uint8_t> payload = DeviceRecords::RecordToPayload(record, ConfigVariant::Basic);
    ASSERT_EQ(payload.size(), 603u);
    EXPECT_EQ(payload[346], Bytes(record)[346]);
    EXPECT_EQ(payload[347], Bytes(record)[360]);
    EXPECT_EQ(payload[602], Bytes(record)[615]);
}

TEST(DevcfgRecords, ConfigurationFilePrefixAndBasicFillByte) {
    const std::vector<std::uint8_t> file =
        DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::Basic, false, 'N');
    ASSERT_EQ(file.size(), 1252u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 3), "\x1fWM");
    EXPECT_EQ(std::string(file.begin() + 3, file.begin() + 39), "5f5f5b495f465d5f5f5b49465f5f4355525d");
    EXPECT_EQ(file[1245], '0');
    EXPECT_EQ(file[1246], '0');
    EXPECT_EQ(file[1251], 0x03);

    const std::vector<std::uint8_t> request =
        DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::WifiDirect, true, 'N');
    EXPECT_EQ(std::string(request.begin(), request.begin() + 3), "\x1fWN");
    const auto parsed = DeviceFrame::ParseFrame(request.data(), request.size());
    EXPECT_TRUE(parsed.HasHeader(DeviceFrame::kIfSet));
}

TEST(DevcfgRecords, ShortPayloadIsRefusedAndLeavesTheRecord) {
    WLAN_ADVANCED_CONFIG_INFO record = PatternRecord();
    const std::vector<std::uint8_t> payload(617);
    EXPECT_FALSE(DeviceRecords::PayloadToRecord(payload.data(), 617, ConfigVariant::WifiDirectRf, record));
    EXPECT_EQ(record.bySystemName[0], PatternRecord().bySystemName[0]);
    EXPECT_TRUE(DeviceRecords::PayloadToRecord(payload.data(), 617, ConfigVariant::WifiDirect, record));
    EXPECT_EQ(record.bySystemName[0], 0);
}

TEST(DevcfgRecords, NumbersAreHighByteFirst) {
    WLAN_ADVANCED_CONFIG_INFO record{};
    record.byPortNumber[0] = 0x23;
    record.byPortNumber[1] = 0x8C;
    record.byIncativityTime[0] = 0x01;
    record.byIncativityTime[1] = 0x2C;
    EXPECT_EQ(DeviceRecords::BigEndian16(record.byPortNumber), 9100);
    EXPECT_EQ(DeviceRecords::BigEndian16(record.byIncativityTime), 300);
    DeviceRecords::SetBigEndian16(record.byPortNumber, 515);
    EXPECT_EQ(record.byPortNumber[0], 0x02);
    EXPECT_EQ(record.byPortNumber[1], 0x03);
}

TEST(DevcfgRecords, FieldTexts) {
    std::uint8_t field[8];
    DeviceRecords::SetFieldText(field, "abc");
    EXPECT_EQ(DeviceRecords::FieldText(field), "abc");
    EXPECT_EQ(field[3], 0);
    DeviceRecords::SetFieldText(field, "12345678");
    EXPECT_EQ(DeviceRecords::FieldText(field), "12345678"); // a full field has no terminator
    DeviceRecords::SetFieldText(field, "1234567\xc3\xa9");  // 'é' does not fit whole: cut before it
    EXPECT_EQ(DeviceRecords::FieldText(field), "1234567");
}

// ---- the scan reply -------------------------------------------------------------------------------------

struct Entry {
    std::string ssid;
    std::uint8_t declaredLength = 0; // 0: the SSID's own length
    std::int16_t rssi = -60;
    std::uint8_t security = VRX_BSS_SECURITY_WPA2;
    std::uint8_t mode = VRX_NETWORK_MODE_INFRASTRUCTURE;
    std::uint8_t first = 0x11;
};

std::vector<std::uint8_t> ScanPayload(const std::vector<Entry>& entries) {
    std::vector<std::uint8_t> payload;
    std::uint8_t serial = 0;
    for (const Entry& e : entries) {
        payload.push_back(e.first);
        payload.push_back(e.declaredLength ? e.declaredLength : static_cast<std::uint8_t>(e.ssid.size()));
        payload.insert(payload.end(), e.ssid.begin(), e.ssid.end());
        payload.push_back(0x21);
        payload.push_back(0x22);
        for (std::uint8_t i = 0; i < 6; ++i)
            payload.push_back(static_cast<std::uint8_t>(0xA0 + i + serial));
        payload.push_back(e.mode);
        payload.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.rssi) >> 8));
        payload.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.rssi) & 0xFF));
        payload.push_back(e.security);
        ++serial;
    }
    return payload;
}

// Goes through the line as a reply would: frame, checks, then the parser.
int ParseScan(const std::vector<Entry>& entries, BSS_INFO (&table)[VRX_MAX_BSS_INFO]) {
    const std::vector<std::uint8_t> payload = ScanPayload(entries);
    const std::vector<std::uint8_t> frame =
        DeviceFrame::BuildFrame('M', DeviceFrame::kBssRsp, payload.data(), payload.size());
    EXPECT_LE(frame.size(), DeviceFrame::kScanBufferSize);
    const auto parsed = DeviceFrame::ParseFrame(frame.data(), frame.size());
    EXPECT_TRUE(parsed.Ok());
    return DeviceRecords::ParseBssResponse(parsed.message.data(), parsed.message.size(), table);
}

TEST(DevcfgRecords, ScanKeepsTheFirstHundredOf120) {
    CapturedLog log;
    std::vector<Entry> entries;
    for (int i = 0; i < 120; ++i) {
        char ssid[8];
        std::snprintf(ssid, sizeof ssid, "AP%03d", i);
        entries.push_back({ssid});
    }
    BSS_INFO table[VRX_MAX_BSS_INFO];
    EXPECT_EQ(ParseScan(entries, table), 100);
    EXPECT_EQ(DeviceRecords::FieldText(table[0].bySSID), "AP000");
    EXPECT_EQ(DeviceRecords::FieldText(table[99].bySSID), "AP099");
    EXPECT_EQ(table[99].byIndex, 99);
    EXPECT_EQ(log.LinesStartingWith("ReceiveBssInformation : break loop").size(), 1u);
}

TEST(DevcfgRecords, ScanEntryFields) {
    BSS_INFO table[VRX_MAX_BSS_INFO];
    ASSERT_EQ(ParseScan({{"Office", 0, -71, VRX_BSS_SECURITY_WPA_WPA2, VRX_NETWORK_MODE_ADHOC, 0x5A}}, table),
              1);
    const BSS_INFO& e = table[0];
    EXPECT_EQ(e.byIndex, 0);
    EXPECT_EQ(e.byFirst, 0x5A);
    EXPECT_EQ(e.bySSIDLength, 6);
    EXPECT_EQ(DeviceRecords::FieldText(e.bySSID), "Office");
    EXPECT_EQ(e.byExtra[0], 0x21);
    EXPECT_EQ(e.byExtra[1], 0x22);
    EXPECT_EQ(e.byBSSID[0], 0xA0);
    EXPECT_EQ(e.byBSSID[5], 0xA5);
    EXPECT_EQ(e.byNetworkMode, VRX_NETWORK_MODE_ADHOC);
    EXPECT_EQ(DeviceRecords::Rssi(e), -71);
    EXPECT_EQ(e.bySecurity, VRX_BSS_SECURITY_WPA_WPA2);
}

TEST(DevcfgRecords, ScanSkipsBlankSsidsAndRenumbers) {
    BSS_INFO table[VRX_MAX_BSS_INFO];
    ASSERT_EQ(ParseScan({{"first"}, {"   "}, {""}, {"\t \xe3\x80\x80"}, {" second "}}, table), 2);
    EXPECT_EQ(DeviceRecords::FieldText(table[0].bySSID), "first");
    EXPECT_EQ(table[1].byIndex, 1);
    EXPECT_EQ(DeviceRecords::FieldText(table[1].bySSID), " second "); // stored as received
    EXPECT_EQ(table[1].byBSSID[0], 0xA4);                             // the fifth entry's
}

TEST(DevcfgRecords, ScanCutsALongSsidAndStillAdvancesByItsLength) {
    const std::string forty(40, 'L');
    BSS_INFO table[VRX_MAX_BSS_INFO];
    ASSERT_EQ(ParseScan({{forty, 0, -50}, {"next", 0, -42, VRX_BSS_SECURITY_WEP64}}, table), 2);
    EXPECT_EQ(table[0].bySSIDLength, 40);
    EXPECT_EQ(DeviceRecords::FieldText(table[0].bySSID), std::string(32, 'L'));
    EXPECT_EQ(table[0].byExtra[0], 0x21);
    EXPECT_EQ(DeviceRecords::Rssi(table[0]), -50);
    EXPECT_EQ(DeviceRecords::FieldText(table[1].bySSID), "next");
    EXPECT_EQ(DeviceRecords::Rssi(table[1]), -42);
    EXPECT_EQ(table[1].bySecurity, VRX_BSS_SECURITY_WEP64);
    EXPECT_EQ(table[1].byBSSID[0], 0xA1);
}

TEST(DevcfgRecords, ScanStopsAtAnEntryThatRunsPastTheMessage) {
    // The second entry claims 200 SSID bytes; only a few follow.
    BSS_INFO table[VRX_MAX_BSS_INFO];
    EXPECT_EQ(ParseScan({{"kept"}, {"short", 200}}, table), 1);
    EXPECT_EQ(DeviceRecords::FieldText(table[0].bySSID), "kept");
}

TEST(DevcfgRecords, ScanOfAnEmptyOrForeignMessage) {
    BSS_INFO table[VRX_MAX_BSS_INFO];
    table[0].byIndex = 7;
    EXPECT_EQ(ParseScan({}, table), 0);
    EXPECT_EQ(table[0].byIndex, 0); // cleared
    const std::uint8_t tiny[5] = {};
    EXPECT_EQ(DeviceRecords::ParseBssResponse(tiny, sizeof tiny, table), 0);
}

} // namespace
