#include "devcfg/CConfigurationFile.h"
#include "devcfg/DeviceFrame.h"

#include "CapturedLog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using DeviceRecords::ConfigVariant;

constexpr const char* kIfCurHex = "5f5f5b495f465d5f5f5b49465f5f4355525d";

// A record whose every byte differs from its neighbours, as a printer might send it.
WLAN_ADVANCED_CONFIG_INFO PatternRecord() {
    WLAN_ADVANCED_CONFIG_INFO record{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    DeviceRecords::SetFieldText(record.bySSID, "office");
    DeviceRecords::SetFieldText(record.byPSK_Key, "a secret key");
    return record;
}

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, size);
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

struct VariantCase {
    bool wifiDirect;
    bool rfMode;
    ConfigVariant variant;
    std::size_t fileSize;
};
constexpr VariantCase kVariants[] = {
    {false, false, ConfigVariant::Basic, 1252},
    {true, false, ConfigVariant::WifiDirect, 1276},
    {true, true, ConfigVariant::WifiDirectRf, 1280},
};

class ConfigurationFileTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeMessageBox messages;
    CConfigurationFile file{messages};
};

} // namespace

TEST(CreateConfigurationData, BuildsTheFileImageOfEachVariant) {
    const auto record = PatternRecord();
    for (const auto& c : kVariants) {
        SCOPED_TRACE(c.fileSize);
        // After a refusal the mode letter is 'N'; a file still begins with 0x1F 'W' 'M'.
        const auto frame = CreateConfigurationData(record, c.wifiDirect, c.rfMode, false, 'N');
        ASSERT_EQ(frame.size(), c.fileSize);
        EXPECT_EQ(Text(frame, 0, 3), "\x1FWM");
        EXPECT_EQ(Text(frame, 3, 36), kIfCurHex);
        EXPECT_EQ(frame.back(), 0x03);
        const auto parsed = ParseConfigurationFrame(frame.data(), frame.size());
        ASSERT_TRUE(parsed.Ok()) << DescribeConfigFrameCheck(parsed.check);
        EXPECT_EQ(parsed.variant, c.variant);
    }
    // The basic variant's odd length gets a fill byte: "00" at 1245, the checksum at 1247..1250.
    const auto basic = CreateConfigurationData(record, false, false, false, 'C');
    EXPECT_EQ(Text(basic, 1245, 2), "00");
    const auto message = DeviceFrame::HexDecode(basic.data(), basic.size());
    ASSERT_EQ(message.size(), 624u);
    char checksum[5];
    std::snprintf(checksum, sizeof checksum, "%02x%02x", message[622], message[623]);
    EXPECT_EQ(Text(basic, 1247, 4), checksum);
    EXPECT_EQ(basic[1251], 0x03);
}

TEST(CreateConfigurationData, BuildsTheRequestWithTheModeLetter) {
    CapturedLog log;
    const auto frame = CreateConfigurationData(PatternRecord(), true, false, true, 'N');
    ASSERT_EQ(frame.size(), 1276u);
    EXPECT_EQ(Text(frame, 0, 3), "\x1FWN");
    const auto payload = DeviceRecords::RecordToPayload(PatternRecord(), ConfigVariant::WifiDirect);
    EXPECT_EQ(DeviceFrame::HexDecode(frame.data(), frame.size()),
              DeviceFrame::BuildMessage(DeviceFrame::kIfSet, payload.data(), payload.size()));
    EXPECT_TRUE(log.Contains("CreateConfigurationData : Dual-band is not supported."));
}

TEST_F(ConfigurationFileTest, ARecordReadSavedAndLoadedAgainIsTheSame) {
    for (const auto& c : kVariants) {
        SCOPED_TRACE(c.fileSize);
        // As read from the printer: its IF__CUR frame.
        const auto fromPrinter = DeviceRecords::ConfigurationFrame(PatternRecord(), c.variant, false, 'M');
        const auto read = ParseConfigurationFrame(fromPrinter.data(), fromPrinter.size());
        ASSERT_TRUE(read.Ok());

        const std::string path = dir.file("saved.qlt");
        ASSERT_TRUE(file.SaveConfigurationToFile(path, read.record, c.wifiDirect, c.rfMode));
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        EXPECT_EQ(static_cast<std::size_t>(info.st_size), c.fileSize);

        std::vector<std::uint8_t> data;
        ASSERT_EQ(file.ReadWiFiConfigurationDataFromFile(path, data), c.fileSize);
        EXPECT_EQ(data, fromPrinter);
        const auto loaded = ParseConfigurationFrame(data.data(), data.size());
        ASSERT_TRUE(loaded.Ok());
        EXPECT_EQ(loaded.variant, c.variant);
        EXPECT_EQ(std::memcmp(&loaded.record, &read.record, sizeof read.record), 0);
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ConfigurationFileTest, TheChecksOnLoad) {
    const auto good =
        DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::WifiDirectRf, false, 'M');
    struct Case {
        const char* what;
        std::vector<std::uint8_t> frame;
        ConfigFrameCheck check;
    };
    std::vector<Case> cases;
    {
        auto upper = good;
        const auto at = Text(upper, 3 + 36, upper.size() - 40).find_first_of("abcdef") + 3 + 36;
        upper[at] = static_cast<std::uint8_t>(std::toupper(upper[at]));
        cases.push_back({"an upper-case hex digit", upper, ConfigFrameCheck::ChecksumFailed});
    }
    {
        auto otherEnds = good;
        otherEnds[0] = 'X';
        otherEnds[2] = 'C';
        otherEnds.back() = 0;
        cases.push_back({"prefix and end byte are not examined", otherEnds, ConfigFrameCheck::Ok});
    }
    cases.push_back({"1249 bytes", std::vector<std::uint8_t>(good.begin(), good.begin() + 1249),
                     ConfigFrameCheck::TooSmall});
    {
        auto large = good;
        large.resize(2049, '0');
        cases.push_back({"2049 bytes", large, ConfigFrameCheck::TooLarge});
    }
    cases.push_back(
        {"an IF__SET frame",
         DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::WifiDirectRf, true, 'C'),
         ConfigFrameCheck::NotCurInfo});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseConfigurationFrame(c.frame.data(), c.frame.size()).check, c.check);
    }
    // The variant goes by the size: a Wi-Fi Direct + RF frame with bytes after it still reads as one.
    auto longer = good;
    longer.push_back('\n');
    EXPECT_EQ(ParseConfigurationFrame(longer.data(), longer.size()).variant, ConfigVariant::WifiDirectRf);
}

TEST_F(ConfigurationFileTest, FilesOf1249And2049BytesAreRefused) {
    CapturedLog log;
    const auto good = DeviceRecords::ConfigurationFrame(PatternRecord(), ConfigVariant::Basic, false, 'M');
    dir.write("short.qlt", Text(good, 0, 1249));
    std::vector<std::uint8_t> data;
    ASSERT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("short.qlt"), data), 1249u);
    EXPECT_EQ(ParseConfigurationFrame(data.data(), data.size()).check, ConfigFrameCheck::TooSmall);

    dir.write("long.qlt", std::string(2049, '0'));
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("long.qlt"), data), 0u);
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(log.Contains("ReadWiFiConfigurationDataFromFile : the file is larger than 2048 bytes."));
    dir.write("limit.qlt", std::string(2048, '0'));
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("limit.qlt"), data), 2048u);
    EXPECT_TRUE(messages.shown().empty()); // the page reports a failed read itself
}

TEST_F(ConfigurationFileTest, AFileThatCannotBeOpenedShowsTheSystemsText) {
    std::vector<std::uint8_t> data{1, 2, 3};
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(dir.file("missing.qlt"), data), 0u);
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{std::strerror(ENOENT)});
}

TEST_F(ConfigurationFileTest, AFailedSaveShowsTheSystemsTextAndKeepsTheOldFile) {
    const auto frame = CreateConfigurationData(PatternRecord(), false, false, false, 'C');
    EXPECT_FALSE(file.WriteWiFiConfigurationDataToFile(dir.file("no/such/folder.qlt"), frame));
    std::filesystem::create_directory(dir.path() / "folder.qlt");
    EXPECT_FALSE(file.WriteWiFiConfigurationDataToFile(dir.file("folder.qlt"), frame));
    EXPECT_EQ(messages.Errors(), (std::vector<std::string>{std::strerror(ENOENT), std::strerror(EISDIR)}));

    // Saving over a link writes the file it names and leaves the link.
    dir.write("real.qlt", "old");
    std::filesystem::create_symlink("real.qlt", dir.path() / "link.qlt");
    EXPECT_TRUE(file.WriteWiFiConfigurationDataToFile(dir.file("link.qlt"), frame));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.qlt"));
    EXPECT_EQ(Bytes(dir.read("real.qlt")), frame);
}

TEST_F(ConfigurationFileTest, ASaveCutShortLeavesTheOldFileWhole) {
    const auto old = CreateConfigurationData(PatternRecord(), false, false, false, 'C');
    const std::string path = dir.file("kept.qlt");
    ASSERT_TRUE(file.WriteWiFiConfigurationDataToFile(path, old));
    const auto newer = CreateConfigurationData(PatternRecord(), true, true, false, 'C');
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
    EXPECT_EQ(Bytes(dir.read("kept.qlt")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
