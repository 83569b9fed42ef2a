#include "CapturedLog.h"
#include "FakeCursor.h"
#include "FakeDevicePort.h"
#include "FakeMessageBox.h"
#include "app/StringTable.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devport/PortOpenFailure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using DeviceRecords::ConfigVariant;

template <std::size_t N> Bytes B(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

const Bytes kStartAccepted = {0x1F, 'W', 'M', 0x7F, 0x03};
const Bytes kStartRefused = {0x1F, 'W', 'M', 0x7E, 0x03};
const Bytes kOk = {'_', 'O', 'K', 0x00};

Bytes Start(std::uint8_t mode) {
    return B(DeviceFrame::ConfigStartCommand(mode));
}
Bytes Request(std::uint8_t mode, std::string_view header) {
    return DeviceFrame::BuildFrame(mode, header);
}
Bytes Reply(std::string_view header, const Bytes& payload = {}) {
    return DeviceFrame::BuildFrame('M', header, payload.data(), payload.size());
}

WLAN_ADVANCED_CONFIG_INFO SampleRecord() {
    WLAN_ADVANCED_CONFIG_INFO record;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    record.byDummy3 = 0xE0; // no certificate support, both DHCP options enabled
    record.bySNMP = 1;
    return record;
}

Bytes SystemInformation() {
    WLAN_ADVANCED_SYS_INFO info{};
    DeviceRecords::SetFieldText(info.FW_VERSION, "2.07");
    DeviceRecords::SetFieldText(info.FW_DATE, "2026-11-30");
    const std::uint8_t mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::memcpy(info.FW_MACADDRESS, mac, 6);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&info);
    return Bytes(bytes, bytes + sizeof info);
}

Bytes CertificateName(std::string_view name) {
    Bytes field(34);
    std::memcpy(field.data(), name.data(), name.size());
    return field;
}

class FakeGrid : public IConfigurationGrid {
public:
    std::vector<int> grid1, grid2;
    int rebuilds = 0;
    std::vector<int> VisibleItemIdentifiers(int nGrid) override { return nGrid == 1 ? grid1 : grid2; }
    void RebuildGroups() override { ++rebuilds; }
};

class FakeValidator : public IConfigurationValidator {
public:
    bool group1 = true, group2 = true;
    std::vector<int> calls;
    bool DataValidation4Group1() override {
        calls.push_back(1);
        return group1;
    }
    bool DataValidation4Group2() override {
        calls.push_back(2);
        return group2;
    }
};

class FakeFileReader : public IConfigurationFileReader {
public:
    Bytes content;
    std::vector<std::string> paths;
    std::size_t ReadWiFiConfigurationDataFromFile(const std::string& path,
                                                  std::vector<std::uint8_t>& data) override {
        paths.push_back(path);
        data = content;
        return content.size();
    }
};

class FakeWaiting : public IExchangeWaiting {
public:
    explicit FakeWaiting(FakeSleeper& sleeper) : m_sleeper(sleeper) {}
    std::vector<int> waits;
    void WaitFor(int nCountdownMs) override {
        waits.push_back(nCountdownMs);
        m_sleeper.Sleep(std::chrono::milliseconds(nCountdownMs));
    }

private:
    FakeSleeper& m_sleeper;
};

class DevcfgExchange : public ::testing::Test {
protected:
    DevcfgExchange() {
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        Rebuild();
    }
    void Rebuild() {
        DeviceExchangeServices services;
        services.ports.serial = &port;
        services.ports.usb = &usb;
        services.spooler = &spooler;
        services.sleeper = &sleeper;
        services.messages = &messages;
        services.cursor = &cursor;
        services.waiting = &waiting;
        services.validator = &validator;
        services.grid = &grid;
        services.fileReader = &files;
        exchange = std::make_unique<DeviceConfigExchange>(state, services);
    }

    // The steps of a read from the printer in the mode letter mode, the record coming in variant.
    void ScriptRead(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant, std::uint8_t mode = 'C') {
        port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
        port.Expect(Start(mode), {kStartAccepted});
        port.Expect(Request(mode, DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
        port.Expect(Start(mode), {kStartAccepted});
        port.Expect(Request(mode, DeviceFrame::kIfGet),
                    {DeviceRecords::ConfigurationFrame(record, variant, false, 'M')});
    }
    void ScriptNames(std::uint8_t mode = 'C') {
        port.Expect(Request(mode, DeviceFrame::kCaReq),
                    {Reply(DeviceFrame::kCaRsp, CertificateName("ca.pem"))});
        port.Expect(Request(mode, DeviceFrame::kKeyReq),
                    {Reply(DeviceFrame::kKeyRsp, CertificateName("client.key"))});
        port.Expect(Request(mode, DeviceFrame::kPemReq),
                    {Reply(DeviceFrame::kPemRsp, CertificateName("client.pem"))});
    }
    // A state as after a successful read of record in variant.
    void Connected(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant) {
        ScriptRead(record, variant);
        ASSERT_TRUE(exchange->GetCurrentConfiguration());
        ASSERT_TRUE(port.script.empty());
        port.writes.clear();
        port.readRooms.clear();
        events.clear();
        sleeper = FakeSleeper();
        log.Clear();
    }

    CapturedLog log;
    EventLog events;
    FakeDevicePort port{VRX_DEVICE_INTERFACE_SERIAL, &events};
    FakeDevicePort usb{VRX_DEVICE_INTERFACE_USB, &events};
    FakeSpoolerHold spooler{&events};
    FakeSleeper sleeper;
    FakeMessageBox messages;
    FakeCursor cursor;
    FakeWaiting waiting{sleeper};
    FakeValidator validator;
    FakeGrid grid;
    FakeFileReader files;
    DeviceConfigState state;
    std::unique_ptr<DeviceConfigExchange> exchange;
};

// ---- reading --------------------------------------------------------------------------------------------

TEST_F(DevcfgExchange, ReadOfEachVariant) {
    struct Case {
        ConfigVariant variant;
        bool wifiDirect, rfMode, softAp, certificateUpload;
    };
    const Case cases[] = {
        {ConfigVariant::Basic, false, false, false, true},
        {ConfigVariant::WifiDirect, true, false, false, true},
        {ConfigVariant::WifiDirectRf, true, true, true, false},
    };
    const WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.variant));
        DeviceConfigState fresh;
        fresh.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        state = fresh;
        events.clear();
        ScriptRead(record, c.variant);
        std::uint32_t received = 99;
        ASSERT_TRUE(exchange->GetCurrentConfiguration(&received));
        EXPECT_TRUE(port.script.empty());
        EXPECT_EQ(received, 5u);
        EXPECT_EQ(state.m_bWifiDirect, c.wifiDirect);
        EXPECT_EQ(state.m_bRfModeSelection, c.rfMode);
        EXPECT_EQ(state.m_bSoftAP, c.softAp);
        EXPECT_EQ(state.m_bCertificateUpload, c.certificateUpload);
        EXPECT_FALSE(state.m_bCertificateName);
        EXPECT_TRUE(state.m_bSNMP);
        EXPECT_TRUE(state.m_bFactoryReset);
        EXPECT_EQ(state.Variant(), c.variant);
        EXPECT_EQ(DeviceRecords::RecordToPayload(state.m_ConfigurationInfo, c.variant),
                  DeviceRecords::RecordToPayload(record, c.variant));
        EXPECT_EQ(std::memcmp(&state.m_ConfigurationInfo, &state.m_ConfigurationInfoAsRead, 620), 0);
        EXPECT_EQ(DeviceRecords::FieldText(state.m_SystemInformation.FW_VERSION), "2.07");
        EXPECT_EQ(state.m_SystemInformation.FW_MACADDRESS[5], 0x5E);
        EXPECT_EQ(events, (EventLog{"hold 1", "open", "write", "write", "write", "write", "write", "close",
                                    "restore"}));
    }
    EXPECT_EQ(grid.rebuilds, 3);
}

TEST_F(DevcfgExchange, ReadWaitsTheFixedDelaysOnly) {
    ScriptRead(SampleRecord(), ConfigVariant::Basic);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    // query 50, start 250, SYS_REQ 250, pause 100, start 250, IF__GET 250: every reply in its first read.
    EXPECT_EQ(sleeper.total, 1150ms);
    EXPECT_EQ(port.readRooms, (std::vector<std::uint32_t>{1025, 33, 257, 33, 2049}));
}

TEST_F(DevcfgExchange, ReadLogsItsSteps) {
    ScriptRead(SampleRecord(), ConfigVariant::WifiDirect);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    const auto lines = log.LinesStartingWith("GetCurrentConfiguration");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "GetCurrentConfiguration : START");
    EXPECT_EQ(lines.back(), "GetCurrentConfiguration : END");
    for (const char* line : {"IsFactoryResetSupported : START", "SendConfigStartMessage : START",
                             "ReceiveSystemInformation : CFG_SYSINFO_RSP", "ReadWiFiConfigurationData : END",
                             "ReceiveConfigInformation : END"})
        EXPECT_TRUE(log.Contains(line)) << line;
}

TEST_F(DevcfgExchange, AQueueThatMayNotBePausedIsToldBeforeThePortOpensAndTheReadGoesOn) {
    spooler.refusedToTell = {"VX_SERIAL", "VX_SERIAL2"};
    bool portOpenAtWarning = true;
    messages.onShow = [&](const FakeMessageBox::Shown&) {
        portOpenAtWarning = port.isOpen || port.opens > 0;
    };
    ScriptRead(SampleRecord(), ConfigVariant::WifiDirect);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    const std::string user = CurrentUserName();
    ASSERT_EQ(messages.Warnings().size(), 2u) << ::testing::PrintToString(messages.Warnings());
    for (int i = 0; i < 2; ++i) {
        const std::string queue = i == 0 ? "VX_SERIAL" : "VX_SERIAL2";
        EXPECT_EQ(messages.Warnings()[i],
                  StringTable::Fill(LoadString(StringId::SpoolerPauseRefused), {queue, user}));
        EXPECT_NE(messages.Warnings()[i].find("print queue " + queue + " "), std::string::npos);
        EXPECT_NE(messages.Warnings()[i].find("\"lpadmin\" (sudo adduser " + user + " lpadmin)"),
                  std::string::npos);
    }
    EXPECT_FALSE(portOpenAtWarning);
    EXPECT_TRUE(messages.Errors().empty());

    // The next exchange has nothing new to tell.
    ScriptRead(SampleRecord(), ConfigVariant::WifiDirect);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_EQ(messages.Warnings().size(), 2u);
}

TEST_F(DevcfgExchange, CertificateNamesAreReadWhenTheRecordSaysSo) {
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    record.byDummy3 |= VRX_DUMMY3_CERTIFICATE_SUPPORT;
    ScriptRead(record, ConfigVariant::WifiDirectRf);
    ScriptNames();
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(port.script.empty());
    EXPECT_TRUE(state.m_bCertificateUpload);
    EXPECT_TRUE(state.m_bCertificateName);
    EXPECT_EQ(DeviceRecords::FieldText(state.m_CertificateName[0].byCertName), "ca.pem");
    EXPECT_EQ(DeviceRecords::FieldText(state.m_CertificateName[1].byCertName), "client.key");
    EXPECT_EQ(DeviceRecords::FieldText(state.m_CertificateName[2].byCertName), "client.pem");
}

TEST_F(DevcfgExchange, AFailedNameRequestLeavesTheReadSuccessfulAndThatNameEmpty) {
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    record.byDummy3 |= VRX_DUMMY3_CERTIFICATE_SUPPORT;
    state.m_CertificateName[1].byCertName[0] = 'x';
    ScriptRead(record, ConfigVariant::WifiDirectRf);
    port.Expect(Request('C', DeviceFrame::kCaReq), {Reply(DeviceFrame::kFail)});
    Bytes corrupt = Reply(DeviceFrame::kKeyRsp, CertificateName("k"));
    corrupt[10] ^= 0x01;
    port.Expect(Request('C', DeviceFrame::kKeyReq), {corrupt});
    port.Expect(Request('C', DeviceFrame::kPemReq), {Reply(DeviceFrame::kCaRsp, CertificateName("wrong"))});
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    for (int type = 0; type < 3; ++type)
        EXPECT_EQ(DeviceRecords::FieldText(state.m_CertificateName[type].byCertName), "") << type;
    EXPECT_TRUE(log.Contains("GetCertificateName : CFG_FW_MESSAGE_FAIL"));
    EXPECT_TRUE(log.Contains("GetCertificateName : checksum failed."));
    EXPECT_TRUE(log.Contains("GetCertificateName : NOT VAILD RES"));
}

TEST_F(DevcfgExchange, SnmpNotOfferedClearsTheSnmpFlag) {
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    record.bySNMP = VRX_SNMP_NOT_OFFERED;
    ScriptRead(record, ConfigVariant::Basic);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_FALSE(state.m_bSNMP);
}

TEST_F(DevcfgExchange, RefusalSwitchesToTheAlternateModeUntilTheNextRead) {
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start('C'), {kStartRefused});
    port.Expect(Start('N'), {kStartAccepted});
    port.Expect(Request('N', DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    port.Expect(Start('N'), {kStartAccepted}); // refused mode: straight to the alternate start
    port.Expect(Request('N', DeviceFrame::kIfGet),
                {DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::Basic, false, 'M')});
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(port.script.empty());
    EXPECT_TRUE(state.m_bRefusal);
    EXPECT_EQ(state.m_byModeLetter, 'N');
    // query 50, start 250, alternate start 50, SYS 250, pause 100, alternate start 50, IF__GET 250
    EXPECT_EQ(sleeper.total, 1000ms);

    // A save in refused mode frames its request with 'N'.
    validator.calls.clear();
    messages.answers = {true};
    port.Expect(Start('N'), {kStartAccepted});
    port.AnyWrite({Reply(DeviceFrame::kIfSuc)});
    ASSERT_TRUE(exchange->SaveNewConfiguration(false));
    EXPECT_EQ(port.writes.back()[2], 'N');

    // The next read starts again with 'C'.
    ScriptRead(SampleRecord(), ConfigVariant::Basic, 'C');
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(port.script.empty());
    EXPECT_FALSE(state.m_bRefusal);
    EXPECT_EQ(state.m_byModeLetter, 'C');
}

TEST_F(DevcfgExchange, ASecondRefusalFails) {
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start('C'), {kStartRefused});
    port.Expect(Start('N'), {kStartRefused});
    std::uint32_t received = 0;
    EXPECT_FALSE(exchange->GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 5u);
    EXPECT_FALSE(state.m_bRefusal);
    EXPECT_EQ(state.m_byModeLetter, 'N'); // until the next read
    EXPECT_EQ(port.closes, 1);
    EXPECT_EQ(spooler.restores, 1);
}

TEST_F(DevcfgExchange, StartRepliesThatAreNotAcceptance) {
    struct Case {
        Bytes reply;
        std::uint32_t received;
    };
    const Case cases[] = {
        {{0x1F, 'W', 0x03}, 3},            // fewer than five bytes, though it ends in 0x03
        {{0x1F, 'W', 'C', 0x7F, 0x03}, 5}, // another prefix
        {{0x55, 0x03}, 2},                 // two bytes: the page does not retry
    };
    for (const Case& c : cases) {
        port.Expect(B(DeviceFrame::kFactoryResetQuery), {});
        port.Expect(Start('C'), {c.reply});
        std::uint32_t received = 0;
        EXPECT_FALSE(exchange->GetCurrentConfiguration(&received));
        EXPECT_EQ(received, c.received);
        EXPECT_TRUE(port.script.empty());
    }
}

TEST_F(DevcfgExchange, SilentPrinterFailsAfterTheTablesAttempts) {
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {});
    port.Expect(Start('C'), {});
    std::uint32_t received = 99;
    EXPECT_FALSE(exchange->GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 0u);
    EXPECT_FALSE(state.m_bFactoryReset);
    // query: two reads of 50 ms; start: 16 reads of 250 ms; the pause of 100 ms.
    EXPECT_EQ(port.ReadCount(), 2u + 16u);
    EXPECT_EQ(sleeper.total, 2 * 50ms + 16 * 250ms + 100ms);
    EXPECT_TRUE(log.Contains("GetCurrentConfiguration : SendConfigStartMessage failed."));
    EXPECT_TRUE(log.Contains("SendConfigStartMessage : received = 0"));
    EXPECT_EQ(events.back(), "restore");
}

TEST_F(DevcfgExchange, SilentConfigurationReadMakesFiveReads) {
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kIfGet), {});
    const WLAN_ADVANCED_CONFIG_INFO before = state.m_ConfigurationInfo;
    EXPECT_FALSE(exchange->GetCurrentConfiguration());
    EXPECT_EQ(sleeper.sleeps.size(), 1u + 1u + 1u + 1u + 1u + 5u);
    EXPECT_TRUE(log.Contains("ReceiveConfigInformation : N = 0"));
    EXPECT_TRUE(log.Contains("ReceiveConfigInformation : data validation failed"));
    EXPECT_EQ(std::memcmp(&before, &state.m_ConfigurationInfo, 620), 0);
    EXPECT_EQ(grid.rebuilds, 0);
}

// On a serial line below 38400 baud every read window grows by the time its largest reply takes on the
// line (ten bits a byte), in reads of the table's delay; at 38400 and above, and on USB, it is the table's.
TEST(DevcfgReadWindows, SlowLinesAddTheLargestReplysLineTime) {
    struct Case {
        const char* rule;
        ReadRule read;
        std::uint32_t baud;
        int attempts;
    };
    const Case cases[] = {
        {"IF__GET on USB", ReadRules::IfGet, 0, 5},
        {"IF__GET at 115200", ReadRules::IfGet, 115200, 5},
        {"IF__GET at 38400", ReadRules::IfGet, 38400, 5},
        {"IF__GET at 19200: 1280 bytes 667 ms", ReadRules::IfGet, 19200, 5 + 3},
        {"IF__GET at 9600: 1334 ms", ReadRules::IfGet, 9600, 5 + 6},
        {"IF__GET at 2400: 5334 ms", ReadRules::IfGet, 2400, 5 + 22},
        {"SYS_REQ at 9600: 156 bytes 163 ms", ReadRules::SysReq, 9600, 11 + 1},
        {"start at 9600: 5 bytes 6 ms", ReadRules::ConfigStart(15), 9600, 16 + 1},
        {"IF__SET at 9600: 44 bytes 46 ms", ReadRules::IfSet, 9600, 11 + 1},
        {"IF__SET at 2400: 184 ms", ReadRules::IfSet, 2400, 11 + 4},
        {"BSS_REQ at 9600: 5624 bytes 5859 ms", ReadRules::BssReq(200), 9600, 201 + 118},
        {"BSS_REQ at 57600", ReadRules::BssReq(200), 57600, 201},
        {"certificate chunk at 9600", ReadRules::CertificateChunk, 9600, 21 + 1},
        {"certificate name at 4800: 112 bytes 234 ms", ReadRules::CertificateName, 4800, 11 + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        FakeDevicePort port(c.baud == 0 ? 0 : 1);
        port.lineBaud = c.baud;
        EXPECT_EQ(DeviceLink::ReadAttempts(port, c.read), c.attempts);
    }
}

TEST_F(DevcfgExchange, RepliesSplitOverSeveralReadsArePutTogether) {
    const Bytes sys = Reply(DeviceFrame::kSysRsp, SystemInformation());
    const Bytes config =
        DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::WifiDirect, false, 'M');
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {{}, {'x', '_', 'O', 'K', 0}});
    port.Expect(Start('C'), {{0x1F, 'W'}, {}, {'M', 0x7F, 0x03}});
    port.Expect(Request('C', DeviceFrame::kSysReq),
                {Bytes(sys.begin(), sys.begin() + 40), {}, Bytes(sys.begin() + 40, sys.end())});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kIfGet),
                {Bytes(config.begin(), config.begin() + 700), Bytes(config.begin() + 700, config.end())});
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(state.m_bFactoryReset);
    EXPECT_EQ(port.ReadCount(), 2u + 3u + 3u + 1u + 2u);
    EXPECT_TRUE(state.m_bWifiDirect);
    EXPECT_EQ(DeviceRecords::FieldText(state.m_SystemInformation.FW_DATE), "2026-11-30");
}

TEST_F(DevcfgExchange, ConfigurationReadStopsOnlyAtTheMinimumLength) {
    const Bytes config = DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::Basic, false, 'M');
    Bytes first(config.begin(), config.begin() + 600);
    first.push_back(0x03); // looks like an end, but short of 1252 bytes
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kIfGet), {first, {}, {}});
    EXPECT_FALSE(exchange->GetCurrentConfiguration());
    EXPECT_EQ(port.readRooms.size(), 4u + 5u); // all five configuration reads were made
}

TEST_F(DevcfgExchange, BadSystemInformationReplies) {
    Bytes corrupt = Reply(DeviceFrame::kSysRsp, SystemInformation());
    corrupt[20] = corrupt[20] == 'a' ? 'b' : 'a';
    Bytes upper = Reply(DeviceFrame::kSysRsp, SystemInformation());
    upper[3] = 'F'; // "5f" written "F f": no valid lower-case digit
    const Bytes shortReply = Reply(DeviceFrame::kSysRsp, Bytes(10));
    struct Case {
        const char* name;
        Bytes reply;
        bool result;
        const char* line;
    };
    const Case cases[] = {
        {"checksum", corrupt, false, "ReceiveSystemInformation : checksum failed."},
        {"upper-case digit", upper, false, "ReceiveSystemInformation : checksum failed."},
        {"fail", Reply(DeviceFrame::kFail, Bytes(60)), false,
         "ReceiveSystemInformation : CFG_FW_MESSAGE_FAIL"},
        {"short", shortReply, false, "ReceiveSystemInformation : data validation failed"},
        {"no end byte", Bytes(200, '0'), false, "ReceiveSystemInformation : data validation failed"},
        {"other header", Reply(DeviceFrame::kIfSuc, Bytes(60)), true,
         "ReceiveSystemInformation : NOT CFG_SYSINFO_RSP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        std::memset(&state.m_SystemInformation, 0x77, sizeof state.m_SystemInformation);
        port.Expect(Request('C', DeviceFrame::kSysReq), {c.reply});
        port.isOpen = true;
        EXPECT_EQ(exchange->ReceiveSystemInformation(&port), c.result);
        EXPECT_TRUE(log.Contains(c.line));
        EXPECT_EQ(state.m_SystemInformation.FW_VERSION[0], 0x77); // left as it was
    }
}

TEST_F(DevcfgExchange, RepliesLongerThanTheirBufferAreRefused) {
    // 300 bytes for the 256-byte SYS buffer, in one read and in two.
    Bytes tooLong = Reply(DeviceFrame::kSysRsp, Bytes(130));
    ASSERT_GT(tooLong.size(), 256u);
    port.isOpen = true;
    port.Expect(Request('C', DeviceFrame::kSysReq), {tooLong});
    EXPECT_FALSE(exchange->ReceiveSystemInformation(&port));
    port.Expect(Request('C', DeviceFrame::kSysReq),
                {Bytes(tooLong.begin(), tooLong.begin() + 200), Bytes(tooLong.begin() + 200, tooLong.end())});
    EXPECT_FALSE(exchange->ReceiveSystemInformation(&port));
    EXPECT_TRUE(log.Contains("ReceiveSystemInformation : the reply is longer than 256 bytes; refused"));
    for (const std::uint32_t room : port.readRooms)
        EXPECT_LE(room, 257u);

    // Exactly 256 bytes fit.
    Bytes fits = Reply(DeviceFrame::kSysRsp, Bytes(100));
    ASSERT_EQ(fits.size(), 244u);
    port.Expect(Request('C', DeviceFrame::kSysReq), {fits});
    EXPECT_TRUE(exchange->ReceiveSystemInformation(&port));
}

TEST_F(DevcfgExchange, ConfigurationFromAFile) {
    state.m_strFilePath = "/tmp/printer.qlt";
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    files.content = DeviceRecords::ConfigurationFrame(record, ConfigVariant::WifiDirectRf, false, 'M');
    files.content.back() = 0x00; // a file's end byte is not looked at
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(port.script.empty());
    EXPECT_EQ(files.paths, std::vector<std::string>{"/tmp/printer.qlt"});
    EXPECT_TRUE(state.m_bRfModeSelection);
    EXPECT_EQ(state.m_ConfigurationInfo.byRFMode, record.byRFMode);
}

TEST_F(DevcfgExchange, ConfigurationFilesThatAreRefused) {
    const Bytes good = DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::Basic, false, 'M');
    Bytes upper = good;
    upper[3] = 'F';
    Bytes tooBig = good;
    tooBig.resize(2049, '0');
    Bytes wrongHeader = DeviceFrame::BuildFrame('M', DeviceFrame::kIfSet, Bytes(603).data(), 603);
    struct Case {
        const char* name;
        Bytes content;
        const char* line;
    };
    const Case cases[] = {
        {"1249 bytes", Bytes(good.begin(), good.begin() + 1249), "ReceiveConfigInformation : N = 1249"},
        {"2049 bytes", tooBig, "ReceiveConfigInformation : N = 2049"},
        {"upper-case digit", upper, "ReceiveConfigInformation : checksum failed."},
        {"IF__SET header", wrongHeader, "ReceiveConfigInformation : NOT CFG_MESSAGE_CURINFO"},
    };
    state.m_strFilePath = "/tmp/x.qlt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        files.content = c.content;
        std::memset(&state.m_ConfigurationInfo, 0x5A, 620);
        EXPECT_FALSE(exchange->ReceiveConfigInformation(&port));
        EXPECT_TRUE(log.Contains(c.line));
        EXPECT_EQ(state.m_ConfigurationInfo.bySystemName[0], 0x5A); // kept until a frame passes its checks
    }
}

// ---- writing --------------------------------------------------------------------------------------------

TEST_F(DevcfgExchange, SaveSendsTheVariantReadWithTheCarriedBytesUnchanged) {
    for (const ConfigVariant variant :
         {ConfigVariant::Basic, ConfigVariant::WifiDirect, ConfigVariant::WifiDirectRf}) {
        SCOPED_TRACE(static_cast<int>(variant));
        WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
        Connected(record, variant);
        grid.grid1 = {1, 24};
        DeviceRecords::SetFieldText(state.m_ConfigurationInfo.bySSID, "NewNet");
        DeviceRecords::SetFieldText(state.m_ConfigurationInfo.byPSK_Key, "hidden edit"); // item 9 not visible
        messages.answers = {true};
        port.Expect(Start('C'), {kStartAccepted});
        port.AnyWrite({Reply(DeviceFrame::kIfSuc)});
        ASSERT_TRUE(exchange->SaveNewConfiguration(false));
        ASSERT_EQ(port.writes.size(), 2u);
        const Bytes& frame = port.writes[1];
        EXPECT_EQ(frame.size(), DeviceRecords::FrameLength(variant));
        const auto parsed = DeviceFrame::ParseFrame(frame.data(), frame.size());
        ASSERT_TRUE(parsed.HasHeader(DeviceFrame::kIfSet));
        WLAN_ADVANCED_CONFIG_INFO expected = record;
        if (variant == ConfigVariant::Basic)
            std::memset(reinterpret_cast<std::uint8_t*>(&expected) + 347, 0, 13);
        DeviceRecords::SetFieldText(expected.bySSID, "NewNet");
        const Bytes payload(parsed.After(DeviceFrame::kIfSet),
                            parsed.After(DeviceFrame::kIfSet) + DeviceRecords::PayloadSize(variant));
        EXPECT_EQ(payload, DeviceRecords::RecordToPayload(expected, variant));
        EXPECT_EQ(messages.Questions(), std::vector<std::string>{LoadString(163)});
        EXPECT_TRUE(messages.Errors().empty());
        EXPECT_EQ(events, (EventLog{"hold 1", "open", "write", "write", "close", "restore"}));
        messages = FakeMessageBox();
        grid.grid1.clear();
    }
}

TEST_F(DevcfgExchange, SaveErrorCodes) {
    Connected(SampleRecord(), ConfigVariant::Basic);
    Bytes corrupt = Reply(DeviceFrame::kIfSuc);
    corrupt[5] ^= 1;
    struct Case {
        const char* name;
        std::function<void()> arrange;
        int code;
    };
    const Case cases[] = {
        {"no port object", [&] { state.m_dwConnectionType = 7; }, 3},
        {"port does not open", [&] { port.openResult = false; }, 4},
        {"start not answered", [&] { port.Expect(Start('C'), {}); }, 5},
        {"start refused twice",
         [&] {
             port.Expect(Start('C'), {kStartRefused});
             port.Expect(Start('N'), {kStartRefused});
         },
         5},
        {"no reply to IF__SET",
         [&] {
             port.Expect(Start('C'), {kStartAccepted});
             port.AnyWrite({});
         },
         6},
        {"___FAIL",
         [&] {
             port.Expect(Start('C'), {kStartAccepted});
             port.AnyWrite({Reply(DeviceFrame::kFail)});
         },
         6},
        {"corrupt checksum",
         [&] {
             port.Expect(Start('C'), {kStartAccepted});
             port.AnyWrite({corrupt});
         },
         6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages = FakeMessageBox();
        messages.answers = {true};
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        state.m_byModeLetter = 'C';
        state.m_bRefusal = false;
        port.openResult = true;
        port.opens = port.closes = 0;
        spooler.holds = spooler.restores = 0;
        c.arrange();
        EXPECT_FALSE(exchange->SaveNewConfiguration(false));
        EXPECT_TRUE(port.script.empty());
        EXPECT_EQ(messages.Errors(),
                  std::vector<std::string>{LoadString(165) + " (" + std::to_string(c.code) + ")"});
        EXPECT_EQ(port.closes, c.code >= 5 ? 1 : 0);
        EXPECT_EQ(spooler.holds, spooler.restores);
        EXPECT_EQ(spooler.holds, c.code == 3 ? 0 : 1);
    }
    EXPECT_TRUE(log.Contains("SaveNewConfiguration : SendConfigStartMessage failed."));
    EXPECT_TRUE(log.Contains("SendConfigInformation : CFG_FW_MESSAGE_FAIL"));
    EXPECT_TRUE(log.Contains("SendConfigInformation : checksum failed."));
}

TEST_F(DevcfgExchange, AnyIntactReplyToTheNewConfigurationCountsAsSuccess) {
    Connected(SampleRecord(), ConfigVariant::Basic);
    messages.answers = {true};
    port.Expect(Start('C'), {kStartAccepted});
    port.AnyWrite({Reply(DeviceFrame::kSysRsp)});
    EXPECT_TRUE(exchange->SaveNewConfiguration(false));
    EXPECT_TRUE(messages.Errors().empty());
}

TEST_F(DevcfgExchange, SaveThatStopsBeforeThePort) {
    Connected(SampleRecord(), ConfigVariant::Basic);
    struct Case {
        const char* name;
        bool group1, group2, answer, toFile, result;
        std::vector<int> validations;
        const char* line;
    };
    const Case cases[] = {
        {"group 1 fails",
         false,
         true,
         true,
         false,
         false,
         {1},
         "SaveNewConfiguration : data validation failed"},
        {"group 2 fails",
         true,
         false,
         true,
         false,
         false,
         {1, 2},
         "SaveNewConfiguration : data validation failed"},
        {"user says no", true, true, false, false, false, {1, 2}, "SaveNewConfiguration : CANCEL BY USER"},
        {"to a file", true, true, false, true, true, {1, 2}, "SaveNewConfiguration : SAVE AS A FILE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        validator.group1 = c.group1;
        validator.group2 = c.group2;
        validator.calls.clear();
        messages = FakeMessageBox();
        messages.answers = {c.answer};
        EXPECT_EQ(exchange->SaveNewConfiguration(c.toFile), c.result);
        EXPECT_EQ(validator.calls, c.validations);
        EXPECT_TRUE(log.Contains(c.line));
        EXPECT_TRUE(port.writes.empty());
        EXPECT_EQ(port.opens, 1); // only the read's
        EXPECT_TRUE(messages.Errors().empty());
        EXPECT_EQ(messages.Questions().size(), c.group1 && c.group2 && !c.toFile ? 1u : 0u);
    }
}

TEST_F(DevcfgExchange, DhcpOptionStatesGoIntoTheRecordBeforeTheMerge) {
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    record.byDummy3 = 0x04 | 0x40; // option 77 disabled, a carried bit
    Connected(record, ConfigVariant::WifiDirectRf);
    EXPECT_EQ(state.m_nDhcpOption12AsRead, 1);
    EXPECT_EQ(state.m_nDhcpOption77AsRead, 0);
    state.m_nDhcpOption12 = 0;
    state.m_nDhcpOption77 = 1;
    grid.grid1 = {14}; // IP Address Assignment visible
    std::optional<WLAN_ADVANCED_CONFIG_INFO> sent = exchange->PrepareConfigurationToSend(true);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->byDummy3, 0x02 | 0x40);
    EXPECT_EQ(state.m_ConfigurationInfo.byDummy3, 0x02 | 0x40) << "the working record holds the states";

    // With item 14 hidden the bits go out as read; the working record keeps what the grid shows.
    state.m_nDhcpOption12 = 0;
    grid.grid1 = {};
    sent = exchange->PrepareConfigurationToSend(true);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->byDummy3, 0x04 | 0x40);
    EXPECT_EQ(state.m_ConfigurationInfo.byDummy3, 0x02 | 0x40);
}

// A save builds the record it sends as a copy: a file save and a save the printer refused leave the
// working record as the grids show it; only a record the printer took becomes the working record.
TEST_F(DevcfgExchange, OnlyARecordThePrinterTookReplacesTheWorkingRecord) {
    Connected(SampleRecord(), ConfigVariant::WifiDirectRf);
    state.m_ConfigurationInfo.byAdhocChannel = 11; // an edit of an item hidden now
    grid.grid1 = {};
    const WLAN_ADVANCED_CONFIG_INFO asRead = state.m_ConfigurationInfoAsRead;
    ASSERT_TRUE(exchange->SaveNewConfiguration(true));
    EXPECT_EQ(state.m_ConfigurationInfo.byAdhocChannel, 11);
    const std::optional<WLAN_ADVANCED_CONFIG_INFO> sent = exchange->PrepareConfigurationToSend(true);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->byAdhocChannel, asRead.byAdhocChannel);

    messages.answers = {true};
    port.openResult = false;
    EXPECT_FALSE(exchange->SaveNewConfiguration(false));
    EXPECT_EQ(state.m_ConfigurationInfo.byAdhocChannel, 11);
}

TEST_F(DevcfgExchange, MergeTakesOnlyTheFieldsOfVisibleItems) {
    WLAN_ADVANCED_CONFIG_INFO asRead{}, working;
    std::memset(&working, 0xEE, sizeof working);
    struct Case {
        int grid, item;
        std::vector<std::pair<std::size_t, std::size_t>> fields; // offset, size
    };
    const Case cases[] = {
        {1, 1, {{79, 32}}},   {1, 2, {{65, 1}}},
        {1, 3, {{281, 1}}},   {1, 4, {{357, 3}}},
        {1, 5, {{348, 9}}},   {1, 6, {{111, 1}}},
        {1, 7, {{112, 1}}},   {1, 8, {{282, 1}}},
        {1, 9, {{217, 64}}},  {1, 10, {{113, 26}}},
        {1, 11, {{113, 26}}}, {1, 12, {{283, 32}}},
        {1, 13, {{315, 32}}}, {1, 14, {{66, 1}, {617, 1}}},
        {1, 15, {}},          {1, 16, {}},
        {1, 17, {{67, 4}}},   {1, 18, {{71, 4}}},
        {1, 19, {{75, 4}}},   {1, 20, {{424, 2}}},
        {1, 21, {}},          {1, 23, {}},
        {1, 24, {{0, 64}}},   {1, 25, {{360, 32}}},
        {1, 26, {{392, 32}}}, {1, 27, {{614, 2}}},
        {1, 28, {{616, 1}}},  {1, 29, {}},
        {2, 28, {}},          {2, 29, {{557, 1}}},
        {2, 30, {{558, 1}}},  {2, 31, {{559, 1}}},
        {2, 32, {{560, 1}}},  {2, 33, {{578, 16}}},
        {2, 34, {{562, 16}}}, {2, 35, {{561, 1}, {594, 16}}},
        {2, 36, {{594, 16}}}, {2, 37, {{610, 4}}},
        {2, 38, {}},          {2, 42, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.grid) + "/" + std::to_string(c.item));
        const WLAN_ADVANCED_CONFIG_INFO merged = DeviceRecords::MergeVisibleItems(
            asRead, working, c.grid == 1 ? std::vector<int>{c.item} : std::vector<int>{},
            c.grid == 2 ? std::vector<int>{c.item} : std::vector<int>{});
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&merged);
        std::size_t changed = 0, expected = 0;
        for (const auto& [offset, size] : c.fields) {
            expected += size;
            for (std::size_t i = offset; i < offset + size; ++i)
                EXPECT_EQ(bytes[i], 0xEE) << i;
        }
        for (std::size_t i = 0; i < sizeof merged; ++i)
            changed += bytes[i] == 0xEE;
        EXPECT_EQ(changed, expected);
    }
}

TEST_F(DevcfgExchange, ReadAndSaveLogNoSecrets) {
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    DeviceRecords::SetFieldText(record.byPSK_Key, "psk-SECRET-1");
    DeviceRecords::SetFieldText(record.byWEP_Key0, "wepSECRET2");
    DeviceRecords::SetFieldText(record.szEAP_Password, "eap-SECRET-3");
    DeviceRecords::SetFieldText(record.byUserPassword, "admin-SECRET-4");
    DeviceRecords::SetFieldText(record.szSNMPSetCommunity, "set-SECRET-5");
    DeviceRecords::SetFieldText(record.bySNMPGetCommunity, "get-SECRET-6");
    DeviceRecords::SetFieldText(record.szSNMPTrapCommunity, "trap-SECRET-7");
    ScriptRead(record, ConfigVariant::WifiDirectRf);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    grid.grid1 = {9, 10, 13, 26};
    grid.grid2 = {33, 34, 35};
    messages.answers = {true};
    port.Expect(Start('C'), {kStartAccepted});
    port.AnyWrite({Reply(DeviceFrame::kIfSuc)});
    ASSERT_TRUE(exchange->SaveNewConfiguration(false));
    const auto lines = log.Lines();
    EXPECT_GT(lines.size(), 20u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("SECRET"), std::string::npos) << line;
}

TEST_F(DevcfgExchange, ConfigurationReplyLongerThanItsBufferIsRefused) {
    const Bytes config =
        DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::WifiDirectRf, false, 'M');
    Bytes tooLong(config.begin(), config.end() - 1);
    tooLong.resize(2100, '0');
    tooLong.push_back(0x03);
    port.isOpen = true;
    port.Expect(Request('C', DeviceFrame::kIfGet), {Bytes(tooLong.begin(), tooLong.begin() + 1500),
                                                    Bytes(tooLong.begin() + 1500, tooLong.end())});
    Bytes frame;
    EXPECT_EQ(exchange->ReadWiFiConfigurationData(&port, frame), 0u);
    EXPECT_TRUE(frame.empty());
    EXPECT_TRUE(log.Contains("ReadWiFiConfigurationData : the reply is longer than 2048 bytes; refused"));
}

// ---- scan -----------------------------------------------------------------------------------------------

Bytes ScanEntries(int count) {
    Bytes payload;
    for (int i = 0; i < count; ++i) {
        const std::string ssid = "N" + std::to_string(i);
        payload.push_back(0);
        payload.push_back(static_cast<std::uint8_t>(ssid.size()));
        payload.insert(payload.end(), ssid.begin(), ssid.end());
        for (int k = 0; k < 12; ++k)
            payload.push_back(static_cast<std::uint8_t>(k));
    }
    return payload;
}

TEST_F(DevcfgExchange, ScanFillsTheTable) {
    port.Expect(Start('C'), {kStartAccepted});
    const Bytes reply = Reply(DeviceFrame::kBssRsp, ScanEntries(120));
    ASSERT_LE(reply.size(), 5624u);
    port.Expect(Request('C', DeviceFrame::kBssReq),
                {Bytes(reply.begin(), reply.begin() + 1000), {}, Bytes(reply.begin() + 1000, reply.end())});
    ASSERT_TRUE(exchange->GetBSSInfoList());
    EXPECT_EQ(state.m_nNumBSSInfo, 100);
    BSS_INFO copy[VRX_MAX_BSS_INFO];
    int count = 0;
    ASSERT_TRUE(exchange->GetBSSInfoData(copy, count));
    EXPECT_EQ(count, 100);
    EXPECT_EQ(DeviceRecords::FieldText(copy[42].bySSID), "N42");
    EXPECT_EQ(sleeper.total, 250ms + 100ms + 3 * 50ms);
    EXPECT_EQ(cursor.Changes(),
              (std::vector<FakeCursor::Shape>{FakeCursor::Shape::Wait, FakeCursor::Shape::Arrow}));
    EXPECT_EQ(events, (EventLog{"hold 1", "open", "write", "write", "close", "restore"}));
}

TEST_F(DevcfgExchange, ScanFailures) {
    struct Case {
        const char* name;
        std::vector<Bytes> reads;
        bool result;
        const char* line;
    };
    Bytes corrupt = Reply(DeviceFrame::kBssRsp, ScanEntries(3));
    corrupt[30] ^= 1;
    Bytes tooLong = Reply(DeviceFrame::kBssRsp, Bytes(2900));
    const Case cases[] = {
        {"fail", {Reply(DeviceFrame::kFail)}, false, "ReceiveBssInformation : CFG_FW_MESSAGE_FAIL"},
        {"checksum", {corrupt}, false, "ReceiveBssInformation : checksum failed."},
        {"40 bytes", {Bytes(39, '0'), {0x03}}, false, "ReceiveBssInformation : data validation failed"},
        {"longer than 5624 bytes",
         {tooLong},
         false,
         "ReceiveBssInformation : the reply is longer than 5624 bytes; refused"},
        {"other header",
         {Reply(DeviceFrame::kIfSuc, ScanEntries(3))},
         true,
         "ReceiveBssInformation : NOT INF_BSSINFO_RSP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        port.Expect(Start('C'), {kStartAccepted});
        port.Expect(Request('C', DeviceFrame::kBssReq), c.reads);
        EXPECT_EQ(exchange->GetBSSInfoList(), c.result);
        EXPECT_TRUE(log.Contains(c.line));
        EXPECT_EQ(state.m_nNumBSSInfo, 0);
        int count = 5;
        EXPECT_FALSE(exchange->GetBSSInfoData(state.m_BSSInfo, count));
        EXPECT_EQ(count, 0);
    }
}

TEST_F(DevcfgExchange, SilentScanMakes201Reads) {
    port.Expect(Start('C'), {kStartAccepted});
    port.Expect(Request('C', DeviceFrame::kBssReq), {});
    EXPECT_FALSE(exchange->GetBSSInfoList());
    EXPECT_EQ(port.ReadCount(), 1u + 201u);
    EXPECT_EQ(sleeper.total, 250ms + 100ms + 201 * 50ms);
}

TEST_F(DevcfgExchange, ScanWithoutPort) {
    state.m_dwConnectionType = 5;
    EXPECT_FALSE(exchange->GetBSSInfoList());
    EXPECT_TRUE(log.Contains("GetBSSInfoList : pPortHandle is NULL"));
    EXPECT_EQ(spooler.holds, 0);
}

// ---- factory reset --------------------------------------------------------------------------------------

TEST_F(DevcfgExchange, FactoryResetQuery) {
    struct Case {
        std::vector<Bytes> reads;
        bool supported;
        std::size_t readsMade;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {{kOk}, true, 1},
        {{{}, {'z', '_', 'O', 'K', 0}}, true, 2},             // a second read only when the first got nothing
        {{{'z'}, {'_', 'O', 'K', 0}}, false, 1},              // the first read's byte is all there is
        {{{'_', 'O', 'K', 0, '_', 'a', 'b', 'c'}}, false, 1}, // the last '_' decides
        {{}, false, 2},
    };
    port.isOpen = true;
    for (const Case& c : cases) {
        port.readRooms.clear();
        port.Expect(B(DeviceFrame::kFactoryResetQuery), c.reads);
        EXPECT_EQ(exchange->IsFactoryResetSupported(&port), c.supported);
        EXPECT_EQ(port.ReadCount(), c.readsMade);
    }
    port.writeResult = 0;
    port.readRooms.clear();
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    EXPECT_FALSE(exchange->IsFactoryResetSupported(&port));
    EXPECT_EQ(port.ReadCount(), 0u);
}

TEST_F(DevcfgExchange, FactoryResetWaitsThenReadsElevenTimes) {
    port.Expect(B(DeviceFrame::kFactoryReset), {{}, {'x', '_', 'O'}, {'K', 0}, {'y'}});
    EXPECT_TRUE(exchange->FactoryReset());
    EXPECT_EQ(waiting.waits, std::vector<int>{20000});
    EXPECT_EQ(port.ReadCount(), 11u);
    EXPECT_EQ(sleeper.total, 20000ms + 11 * 50ms);
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(162)});
    EXPECT_EQ(events, (EventLog{"hold 1", "open", "write", "close", "restore"}));
}

TEST_F(DevcfgExchange, FactoryResetFailures) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::size_t waits;
    };
    const Case cases[] = {
        {"no _OK",
         [&] {
             port.Expect(B(DeviceFrame::kFactoryReset), {{'_', 'O', 'K', 1}});
         },
         1},
        {"silent", [&] { port.Expect(B(DeviceFrame::kFactoryReset), {}); }, 1},
        {"short write",
         [&] {
             port.writeResult = 4;
             port.Expect(B(DeviceFrame::kFactoryReset), {kOk});
         },
         0},
        {"port does not open", [&] { port.openResult = false; }, 0},
        {"more than 128 bytes",
         [&] {
             Bytes chatter(130, 'a');
             chatter[0] = '_', chatter[1] = 'O', chatter[2] = 'K', chatter[3] = 0;
             port.Expect(B(DeviceFrame::kFactoryReset), {chatter});
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages = FakeMessageBox();
        waiting.waits.clear();
        port.writeResult.reset();
        port.openResult = true;
        c.arrange();
        EXPECT_FALSE(exchange->FactoryReset());
        EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(276)});
        EXPECT_EQ(waiting.waits.size(), c.waits);
        EXPECT_TRUE(port.script.empty());
        EXPECT_EQ(spooler.holds, spooler.restores);
    }
}

TEST_F(DevcfgExchange, FactoryResetWithoutPortShowsNothing) {
    state.m_dwConnectionType = 9;
    EXPECT_FALSE(exchange->FactoryReset());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(spooler.holds, 0);
}

TEST_F(DevcfgExchange, EveryOperationUsesThePortOfTheConnectionType) {
    state.m_dwConnectionType = VRX_DEVICE_INTERFACE_USB;
    usb.Expect(B(DeviceFrame::kFactoryResetQuery), {});
    usb.Expect(Start('C'), {kStartAccepted});
    usb.Expect(Request('C', DeviceFrame::kSysReq), {});
    EXPECT_FALSE(exchange->GetCurrentConfiguration());
    EXPECT_TRUE(usb.script.empty());
    EXPECT_EQ(port.opens, 0);
    EXPECT_EQ(events.front(), "hold 0");
    EXPECT_EQ(usb.closes, 1);
}

} // namespace
