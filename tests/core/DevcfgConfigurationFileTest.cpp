#include "devcfg/CConfigurationFile.h"
#include "devcfg/CConfigurationValidator.h"
#include "devcfg/DeviceFrame.h"
#include "devcfg/PropertyIds.h"

#include "CapturedLog.h"
#include "FakeDevicePort.h"
#include "FakeMessageBox.h"
#include "FakePropertyItems.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using DeviceRecords::ConfigVariant;

constexpr const char* kIfCurHex = "5f5f5b495f465d5f5f5b49465f5f4355525d";
const Bytes kStartAccepted = {0x1F, 'W', 'M', 0x7F, 0x03};
const Bytes kStartRefused = {0x1F, 'W', 'M', 0x7E, 0x03};
const Bytes kOk = {'_', 'O', 'K', 0x00};

// A record whose bytes differ from their neighbours, as a printer might send it.
WLAN_ADVANCED_CONFIG_INFO PatternRecord() {
    WLAN_ADVANCED_CONFIG_INFO record{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    record.byDummy3 = 0xE0; // no certificate names to read
    DeviceRecords::SetFieldText(record.bySSID, "office");
    return record;
}

std::string Text(const Bytes& bytes, std::size_t offset, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, size);
}

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

struct VariantCase {
    ConfigVariant variant;
    std::size_t fileSize;
};
constexpr VariantCase kVariants[] = {
    {ConfigVariant::Basic, 1252},
    {ConfigVariant::WifiDirect, 1276},
    {ConfigVariant::WifiDirectRf, 1280},
};

class ConfigurationFileTest : public ::testing::Test {
protected:
    ConfigurationFileTest() {
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        DeviceExchangeServices services;
        services.ports.serial = &port;
        services.sleeper = &sleeper;
        services.messages = &messages;
        services.fileReader = &file;
        services.validator = &validator;
        services.grid = &items;
        exchange = std::make_unique<DeviceConfigExchange>(state, services);
    }

    // The printer's side of a read up to the system information, in mode letter mode.
    void ScriptHandshake(std::uint8_t mode = 'C') {
        port.Expect(Bytes(DeviceFrame::kFactoryResetQuery.begin(), DeviceFrame::kFactoryResetQuery.end()),
                    {kOk});
        const auto start = DeviceFrame::ConfigStartCommand(mode);
        port.Expect(Bytes(start.begin(), start.end()), {kStartAccepted});
        port.Expect(DeviceFrame::BuildFrame(mode, DeviceFrame::kSysReq),
                    {DeviceFrame::BuildFrame('M', DeviceFrame::kSysRsp, Bytes(56).data(), 56)});
    }
    // ... and the configuration from the printer.
    void ScriptRead(const WLAN_ADVANCED_CONFIG_INFO& record, ConfigVariant variant) {
        ScriptHandshake();
        const auto start = DeviceFrame::ConfigStartCommand('C');
        port.Expect(Bytes(start.begin(), start.end()), {kStartAccepted});
        port.Expect(DeviceFrame::BuildFrame('C', DeviceFrame::kIfGet),
                    {DeviceRecords::ConfigurationFrame(record, variant, false, 'M')});
    }
    // Loads the configuration file at path as File Open does.
    bool Load(const std::string& path) {
        ScriptHandshake();
        state.m_strFilePath = path;
        const bool read = exchange->GetCurrentConfiguration();
        state.m_strFilePath.clear();
        return read;
    }
    std::string ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0);
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", info.st_mode & 07777);
        return mode;
    }

    TempDir dir;
    FakeDevicePort port{VRX_DEVICE_INTERFACE_SERIAL};
    FakeSleeper sleeper;
    FakeMessageBox messages;
    CConfigurationFile file{messages};
    DeviceConfigState state;
    FakePropertyItems items{state.m_ConfigurationInfo};
    CConfigurationValidator validator{items, messages};
    std::unique_ptr<DeviceConfigExchange> exchange;
};

} // namespace

TEST_F(ConfigurationFileTest, AConfigurationReadSavedAndLoadedAgainIsTheSame) {
    for (const auto& c : kVariants) {
        SCOPED_TRACE(c.fileSize);
        ScriptRead(PatternRecord(), c.variant);
        ASSERT_TRUE(exchange->GetCurrentConfiguration());
        const WLAN_ADVANCED_CONFIG_INFO read = state.m_ConfigurationInfo;

        const std::string path = dir.file("saved.qlt");
        ASSERT_TRUE(file.SaveAsFile(*exchange, path));
        const Bytes saved = ToBytes(dir.read("saved.qlt"));
        ASSERT_EQ(saved.size(), c.fileSize);
        EXPECT_EQ(saved, DeviceRecords::ConfigurationFrame(PatternRecord(), c.variant, false, 'M'));
        EXPECT_EQ(Text(saved, 0, 3), "\x1FWM");
        EXPECT_EQ(Text(saved, 3, 36), kIfCurHex);
        EXPECT_EQ(saved.back(), 0x03);
        EXPECT_EQ(ModeOf(path), "0600");

        std::memset(&state.m_ConfigurationInfo, 0, sizeof state.m_ConfigurationInfo);
        state.m_bWifiDirect = state.m_bRfModeSelection = false;
        ASSERT_TRUE(Load(path));
        EXPECT_TRUE(port.script.empty());
        EXPECT_EQ(state.Variant(), c.variant); // the file's size sets the flags
        EXPECT_EQ(std::memcmp(&state.m_ConfigurationInfo, &read, sizeof read), 0);
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ConfigurationFileTest, ABasicFileHasItsFillByteBeforeTheChecksum) {
    ScriptRead(PatternRecord(), ConfigVariant::Basic);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    ASSERT_TRUE(file.SaveAsFile(*exchange, dir.file("basic.qlt")));
    const Bytes saved = ToBytes(dir.read("basic.qlt"));
    ASSERT_EQ(saved.size(), 1252u);
    EXPECT_EQ(Text(saved, 1245, 2), "00");
    const Bytes message = DeviceFrame::HexDecode(saved.data(), saved.size());
    ASSERT_EQ(message.size(), 624u);
    char checksum[5];
    std::snprintf(checksum, sizeof checksum, "%02x%02x", message[622], message[623]);
    EXPECT_EQ(Text(saved, 1247, 4), checksum);
    EXPECT_EQ(saved[1251], 0x03);
}

TEST_F(ConfigurationFileTest, AfterARefusalAFileStillBeginsWithTheReplyPrefix) {
    port.Expect(Bytes(DeviceFrame::kFactoryResetQuery.begin(), DeviceFrame::kFactoryResetQuery.end()), {kOk});
    const auto startC = DeviceFrame::ConfigStartCommand('C');
    const auto startN = DeviceFrame::ConfigStartCommand('N');
    port.Expect(Bytes(startC.begin(), startC.end()), {kStartRefused});
    port.Expect(Bytes(startN.begin(), startN.end()), {kStartAccepted});
    port.Expect(DeviceFrame::BuildFrame('N', DeviceFrame::kSysReq),
                {DeviceFrame::BuildFrame('M', DeviceFrame::kSysRsp, Bytes(56).data(), 56)});
    port.Expect(Bytes(startN.begin(), startN.end()), {kStartAccepted});
    port.Expect(
        DeviceFrame::BuildFrame('N', DeviceFrame::kIfGet),
        {DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::WifiDirectRf, false, 'M')});
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    ASSERT_EQ(state.m_byModeLetter, 'N');
    ASSERT_TRUE(file.SaveAsFile(*exchange, dir.file("refused.qlt")));
    EXPECT_EQ(dir.read("refused.qlt").substr(0, 3), "\x1FWM");
}

TEST_F(ConfigurationFileTest, TheChecksOnLoad) {
    const Bytes good = DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::Basic, false, 'M');
    Bytes upper = good;
    const auto at = Text(upper, 3 + 36, upper.size() - 40).find_first_of("abcdef") + 3 + 36;
    upper[at] = static_cast<std::uint8_t>(std::toupper(upper[at]));
    Bytes otherEnds = good;
    otherEnds[2] = 'C';
    otherEnds.back() = '\n';
    Bytes large = good;
    large.resize(2049, '0');
    struct Case {
        const char* what;
        Bytes content;
        bool loads;
    };
    const Case cases[] = {
        {"whole", good, true},
        {"an upper-case hex digit", upper, false},
        {"prefix and end byte are not examined", otherEnds, true},
        {"1249 bytes", Bytes(good.begin(), good.begin() + 1249), false},
        {"2049 bytes", large, false},
        {"empty", Bytes{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("case.qlt", Text(c.content, 0, c.content.size()));
        std::memset(&state.m_ConfigurationInfo, 0x5A, sizeof state.m_ConfigurationInfo);
        EXPECT_EQ(Load(dir.file("case.qlt")), c.loads);
        port.script.clear();
        EXPECT_EQ(state.m_ConfigurationInfo.bySSID[0] == 'o', c.loads);
    }
    EXPECT_TRUE(messages.shown().empty()); // the page reports a failed read itself
}

TEST_F(ConfigurationFileTest, ReadingRefusesFilesLargerThanTheFrameBuffer) {
    CapturedLog log;
    Bytes data;
    dir.write("limit.qlt", std::string(2048, '0'));
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("limit.qlt"), data), 2048u);
    EXPECT_EQ(data.size(), 2048u);
    dir.write("long.qlt", std::string(100000, '0'));
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("long.qlt"), data), 0u);
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(log.Contains("ReadWiFiConfigurationDataFromFile : the file is larger than 2048 bytes."));
    // A folder, or a pipe nobody writes to, is no configuration file (and does not block the read).
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.path().string(), data), 0u);
    EXPECT_TRUE(log.Contains("ReadWiFiConfigurationDataFromFile : failed to read data."));
    ASSERT_EQ(::mkfifo(dir.file("pipe.qlt").c_str(), 0600), 0);
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("pipe.qlt"), data), 0u);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ConfigurationFileTest, AFileThatCannotBeOpenedShowsTheSystemsText) {
    Bytes data{1, 2, 3};
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("missing.qlt"), data), 0u);
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{std::strerror(ENOENT)});
}

TEST_F(ConfigurationFileTest, AFailedSaveShowsTheSystemsTextAndWritesNothing) {
    const Bytes frame = DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::Basic, false, 'M');
    EXPECT_FALSE(file.WriteWiFiConfigurationDataToFile(dir.file("no/such/folder.qlt"), frame));
    std::filesystem::create_directory(dir.path() / "folder.qlt");
    EXPECT_FALSE(file.WriteWiFiConfigurationDataToFile(dir.file("folder.qlt"), frame));
    EXPECT_EQ(messages.Errors(), (std::vector<std::string>{std::strerror(ENOENT), std::strerror(EISDIR)}));

    // Saving over a link writes the file it names and leaves the link.
    dir.write("real.qlt", "old");
    std::filesystem::create_symlink("real.qlt", dir.path() / "link.qlt");
    EXPECT_TRUE(file.WriteWiFiConfigurationDataToFile(dir.file("link.qlt"), frame));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.qlt"));
    EXPECT_EQ(ToBytes(dir.read("real.qlt")), frame);
}

TEST_F(ConfigurationFileTest, ASaveCutShortLeavesTheOldFileWhole) {
    const Bytes old = DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::Basic, false, 'M');
    const std::string path = dir.file("kept.qlt");
    ASSERT_TRUE(file.WriteWiFiConfigurationDataToFile(path, old));
    const Bytes newer =
        DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::WifiDirectRf, false, 'M');
    // A child that may write no more than 1000 bytes to any file.
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        FakeMessageBox childMessages;
        CConfigurationFile childFile(childMessages);
        const bool saved = childFile.WriteWiFiConfigurationDataToFile(path, newer);
        ::_exit(!saved && childMessages.Errors() == std::vector<std::string>{std::strerror(EFBIG)} ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ToBytes(dir.read("kept.qlt")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ConfigurationFileTest, AValidationFailureWritesNoFile) {
    ScriptRead(PatternRecord(), ConfigVariant::Basic);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());
    dir.write("kept.qlt", "old");
    items.Add(1, VRX_GROUP1_PROPERTY_ID_1, std::string(32, 's'));
    EXPECT_FALSE(file.SaveAsFile(*exchange, dir.file("kept.qlt")));
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{"SSID LENGTH ERROR (32)"});
    EXPECT_EQ(dir.read("kept.qlt"), "old");
}

TEST_F(ConfigurationFileTest, AFullReadEditAndSaveLogsNoSecret) {
    CapturedLog log;
    WLAN_ADVANCED_CONFIG_INFO printer = PatternRecord();
    const std::string oldSecrets[] = {"OldPskSecret", "OldW1",      "OldEapSecret", "OldAdminPw",
                                      "OldReadCm",    "OldWriteCm", "OldTrapCm"};
    DeviceRecords::SetFieldText(printer.byPSK_Key, oldSecrets[0]);
    DeviceRecords::SetFieldText(printer.byWEP_Key0, oldSecrets[1]);
    DeviceRecords::SetFieldText(printer.szEAP_Password, oldSecrets[2]);
    DeviceRecords::SetFieldText(printer.byUserPassword, oldSecrets[3]);
    DeviceRecords::SetFieldText(printer.bySNMPGetCommunity, oldSecrets[4]);
    DeviceRecords::SetFieldText(printer.szSNMPSetCommunity, oldSecrets[5]);
    DeviceRecords::SetFieldText(printer.szSNMPTrapCommunity, oldSecrets[6]);
    ScriptRead(printer, ConfigVariant::WifiDirectRf);
    ASSERT_TRUE(exchange->GetCurrentConfiguration());

    const std::string newSecrets[] = {"NewPskSecret", "NewW1",      "NewEapSecret", "NewAdminPw",
                                      "NewReadCm",    "NewWriteCm", "NewTrapCm"};
    items.Add(1, VRX_GROUP1_PROPERTY_ID_1, "office");
    items.Add(1, VRX_GROUP2_PROPERTY_ID_4, newSecrets[0]);
    items.Add(1, VRX_GROUP2_PROPERTY_ID_5, newSecrets[1]);
    items.Add(1, VRX_GROUP2_PROPERTY_ID_7, "eap-user");
    items.Add(1, VRX_GROUP2_PROPERTY_ID_8, newSecrets[2]);
    items.Add(1, VRX_GROUP5_PROPERTY_ID_3, newSecrets[3]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_1, newSecrets[4]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_2, newSecrets[5]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_4, newSecrets[6]);
    ASSERT_TRUE(file.SaveAsFile(*exchange, dir.file("secrets.qlt")));
    // The printer takes the same configuration.
    messages.answers = {true};
    const auto start = DeviceFrame::ConfigStartCommand('C');
    port.Expect(Bytes(start.begin(), start.end()), {kStartAccepted});
    port.AnyWrite({DeviceFrame::BuildFrame('M', DeviceFrame::kIfSuc)});
    ASSERT_TRUE(exchange->SaveNewConfiguration(false));
    EXPECT_EQ(DeviceRecords::FieldText(state.m_ConfigurationInfo.byPSK_Key), newSecrets[0]);

    const auto lines = log.Lines();
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        for (const auto& secret : oldSecrets)
            EXPECT_EQ(line.find(secret), std::string::npos) << line;
        for (const auto& secret : newSecrets)
            EXPECT_EQ(line.find(secret), std::string::npos) << line;
    }
}
