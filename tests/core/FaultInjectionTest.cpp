// Faults from the machine around the program: a full file system, folders and files it may not write or
// read, files that are no configuration files, a log folder that cannot take a file. Each fault runs in a
// child process where it needs privileges changed (a private mount namespace, another user), so that the
// test program itself keeps its own.

#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "app/PrivateProfile.h"
#include "devcfg/CConfigurationFile.h"
#include "devcfg/DeviceRecords.h"

#include "CapturedLog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kSkipped = 77;

// Runs body in a child process; its result is the child's exit status (kSkipped: the fault could not be
// set up here).
int InChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = -1;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Drops to the unprivileged user "nobody" (65534), so that file permissions apply.
bool BecomeNobody() {
    return ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 &&
           ::setresuid(65534, 65534, 65534) == 0;
}

Bytes Frame(DeviceRecords::ConfigVariant variant, const char* ssid) {
    WLAN_ADVANCED_CONFIG_INFO record{};
    DeviceRecords::SetFieldText(record.bySSID, ssid);
    return DeviceRecords::ConfigurationFrame(record, variant, false, 'M');
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::size_t Entries(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(FaultInjection, QltSaveOntoAFullFileSystemKeepsTheOldFile) {
    TempDir dir;
    const std::string mountPoint = dir.file("small");
    std::filesystem::create_directory(mountPoint);
    const Bytes old = Frame(DeviceRecords::ConfigVariant::Basic, "old network");
    const Bytes newer = Frame(DeviceRecords::ConfigVariant::WifiDirectRf, "new network");
    const int status = InChild([&] {
        // A 64 KiB file system of our own, seen by nobody else, gone with this process.
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
            return kSkipped;
        FakeMessageBox messages;
        CConfigurationFile file(messages);
        const std::string path = mountPoint + "/printer.qlt";
        if (!file.WriteWiFiConfigurationDataToFile(path, old))
            return 10;
        // Fill what is left.
        const int fd = ::open((mountPoint + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
        const std::vector<char> block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
        if (file.WriteWiFiConfigurationDataToFile(path, newer))
            return 11; // reported as saved
        if (messages.Errors() != std::vector<std::string>{std::strerror(ENOSPC)})
            return 12; // no message, or the wrong one
        if (ReadAll(path) != old)
            return 13; // the old file was damaged
        if (Entries(mountPoint) != 2)
            return 14; // a half-written sibling stayed behind
        return 0;
    });
    if (status == kSkipped)
        GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(status, 0);
}

TEST(FaultInjection, QltSaveIntoAFolderWithoutWritePermission) {
    // The user may write neither the folder nor the file: the save fails with the system's text and the
    // old file stays. A file the user may write in such a folder is rewritten in place.
    TempDir dir;
    const std::string folder = dir.file("readonly");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/printer.qlt";
    const Bytes old = Frame(DeviceRecords::ConfigVariant::Basic, "old network");
    const Bytes newer = Frame(DeviceRecords::ConfigVariant::WifiDirect, "new network");
    {
        FakeMessageBox messages;
        CConfigurationFile file(messages);
        ASSERT_TRUE(file.WriteWiFiConfigurationDataToFile(path, old));
    }
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.c_str(), 0555);
    ::chmod(dir.path().c_str(), 0755);
    const auto saveAsNobody = [&] {
        return InChild([&] {
            if (::geteuid() == 0 && !BecomeNobody())
                return kSkipped;
            FakeMessageBox messages;
            CConfigurationFile file(messages);
            if (file.WriteWiFiConfigurationDataToFile(path, newer))
                return messages.shown().empty() ? 0 : 20;
            return messages.Errors() == std::vector<std::string>{std::strerror(EACCES)} ? 1 : 21;
        });
    };
    const int refused = saveAsNobody();
    if (refused == kSkipped) {
        ::chmod(folder.c_str(), 0755);
        GTEST_SKIP() << "cannot become another user";
    }
    EXPECT_EQ(refused, 1) << "refused with the system's text";
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(Entries(folder), 1u);

    ::chmod(path.c_str(), 0666);
    EXPECT_EQ(saveAsNobody(), 0) << "saved in place";
    EXPECT_EQ(ReadAll(path), newer);
    EXPECT_EQ(Entries(folder), 1u);
    ::chmod(folder.c_str(), 0755);
}

TEST(FaultInjection, AHundredMegabyteQltIsRefusedWithoutReadingIt) {
    TempDir dir;
    const std::string path = dir.file("huge.qlt");
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 100 * 1024 * 1024), 0);
        ::close(fd);
    }
    CapturedLog log;
    FakeMessageBox messages;
    CConfigurationFile file(messages);
    Bytes data;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(file.ReadWiFiConfigurationDataFromFile(path, data), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(log.Contains("ReadWiFiConfigurationDataFromFile : the file is larger than 2048 bytes."));
}

TEST(FaultInjection, PreferencesFileThatIsAFolderGivesNothingAndIsNotReplaced) {
    TempDir dir;
    const std::string path = dir.file("Quorlink Tool.INI");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(PrivateProfile::ReadString(path, "Quorlink Tool", "PREFERENCE[0]"));
    EXPECT_FALSE(PrivateProfile::WriteString(path, "Quorlink Tool", "PREFERENCE[1]", "3"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(Entries(dir.path()), 1u); // no sibling left behind
}

TEST(FaultInjection, UnreadablePreferencesFileIsNeitherReadNorReplaced) {
    TempDir dir;
    const std::string path = dir.file("Quorlink Tool.INI");
    dir.write("Quorlink Tool.INI", "[Quorlink Tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=4\n");
    ::chmod(path.c_str(), 0000);
    ::chmod(dir.path().c_str(), 0755);
    const int status = InChild([&] {
        if (::geteuid() == 0 && !BecomeNobody())
            return kSkipped;
        if (PrivateProfile::ReadString(path, "Quorlink Tool", "PREFERENCE[0]"))
            return 10;
        if (PrivateProfile::WriteString(path, "Quorlink Tool", "PREFERENCE[1]", "3"))
            return 11;
        return 0;
    });
    ::chmod(path.c_str(), 0600);
    if (status == kSkipped)
        GTEST_SKIP() << "cannot become another user";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dir.read("Quorlink Tool.INI"), "[Quorlink Tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=4\n");
}

TEST(FaultInjection, ALogFolderThatCannotTakeAFileLosesTheLinesAndNothingElse) {
    // LOG is a file here, so no log file can be made in it, whoever runs the test.
    TempDir dir;
    dir.write("LOG", "not a folder");
    DiagnosticLog log;
    log.Configure(true, dir.dir(), "Quorlink Tool");
    log.Write("a line with nowhere to go");
    log.Write("and another");
    EXPECT_EQ(dir.read("LOG"), "not a folder");
    EXPECT_EQ(Entries(dir.path()), 1u);

    // A folder without write permission, for a user who is not root.
    TempDir second;
    std::filesystem::create_directory(second.path() / "LOG");
    ::chmod((second.path() / "LOG").c_str(), 0555);
    ::chmod(second.path().c_str(), 0755);
    const int status = InChild([&] {
        if (::geteuid() == 0 && !BecomeNobody())
            return kSkipped;
        DiagnosticLog childLog;
        childLog.Configure(true, second.dir(), "Quorlink Tool");
        for (int i = 0; i < 100; ++i)
            childLog.Write("line " + std::to_string(i));
        return Entries(second.path() / "LOG") == 0 ? 0 : 10;
    });
    ::chmod((second.path() / "LOG").c_str(), 0755);
    if (status != kSkipped) {
        EXPECT_EQ(status, 0);
    }
}

} // namespace
