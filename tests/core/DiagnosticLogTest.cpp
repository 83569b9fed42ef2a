#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "app/Utf8.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <thread>
#include <vector>

namespace {

std::string Utf16Le(const std::u16string& text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

const std::string kBom = "\xFF\xFE";

class DiagnosticLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.path() / "LOG");
        log.Configure(true, dir.dir(), "quorlink-tool");
        log.SetClock([this] { return now; });
    }
    std::string logFile() const { return dir.read("LOG/quorlink-tool_03072026.LOG"); }

    TempDir dir;
    DiagnosticLog log;
    DiagnosticLog::LocalTime now{2026, 3, 7, 9, 5, 4, 7};
};

} // namespace

TEST_F(DiagnosticLogTest, LineFormatIsUtf16WithByteOrderMarkTimeStampAndBlankBeforeLineEnd) {
    log.Write("CreateSocket: START");
    now.millisecond = 123;
    log.Write("Grüße");
    EXPECT_EQ(logFile(), kBom + Utf16Le(u"09:05:04:007: CreateSocket: START \r\n") +
                             Utf16Le(u"09:05:04:123: Grüße \r\n"));
}

TEST_F(DiagnosticLogTest, FileNameFollowsTheDateOfEachLine) {
    log.Write("before midnight");
    now = {2026, 12, 31, 23, 59, 59, 999};
    log.Write("x");
    now = {2027, 1, 1, 0, 0, 0, 0};
    log.Write("y");
    EXPECT_TRUE(std::filesystem::exists(dir.file("LOG/quorlink-tool_03072026.LOG")));
    EXPECT_EQ(dir.read("LOG/quorlink-tool_12312026.LOG"), kBom + Utf16Le(u"23:59:59:999: x \r\n"));
    EXPECT_EQ(dir.read("LOG/quorlink-tool_01012027.LOG"), kBom + Utf16Le(u"00:00:00:000: y \r\n"));
}

TEST_F(DiagnosticLogTest, LongMessageIsCutTo259CharactersAndLosesItsLineEnd) {
    log.Write(std::string(300, 'a'));
    const std::u16string expected = u"09:05:04:007: " + std::u16string(259 - 14, u'a');
    EXPECT_EQ(logFile(), kBom + Utf16Le(expected));
}

TEST_F(DiagnosticLogTest, LineThatFitsExactlyKeepsItsLineEnd) {
    // 14 characters of time stamp, the message, and " \r\n" make 259.
    log.Write(std::string(259 - 14 - 3, 'b'));
    EXPECT_EQ(logFile(), kBom + Utf16Le(u"09:05:04:007: " + std::u16string(242, u'b') + u" \r\n"));
}

TEST_F(DiagnosticLogTest, CutNeverSplitsASurrogatePair) {
    std::string message(244, 'c');
    message += "\xF0\x9F\x98\x80"; // one character, two UTF-16 code units, at units 258 and 259
    log.Write(message);
    const std::string content = logFile();
    EXPECT_EQ(content.size(), 2 + 2 * 258u);
}

TEST_F(DiagnosticLogTest, TheLineThatPassesTheSizeLimitIsWrittenThenTheFileIsDeleted) {
    const std::string path = dir.file("LOG/quorlink-tool_03072026.LOG");
    const std::string message(200, 'x');
    const long lineBytes = 2 * (14 + 200 + 3);
    long size = 2;
    while (size + lineBytes <= DiagnosticLog::kMaxFileBytes) {
        log.Write(message);
        size += lineBytes;
    }
    ASSERT_EQ(static_cast<long>(std::filesystem::file_size(path)), size);
    log.Write(message); // takes the file beyond the limit
    EXPECT_FALSE(std::filesystem::exists(path));
    log.Write("fresh");
    EXPECT_EQ(logFile(), kBom + Utf16Le(u"09:05:04:007: fresh \r\n"));
}

TEST_F(DiagnosticLogTest, ThreadsWritingAtOnceLoseNoLine) {
    constexpr int kThreads = 8, kLines = 200;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([this, t] {
            for (int i = 0; i < kLines; ++i)
                log.Write("thread " + std::to_string(t) + " line " + std::to_string(i));
        });
    }
    for (auto& writer : writers)
        writer.join();
    const std::string content = logFile();
    std::set<std::string> seen;
    for (size_t at = 2; at + 1 < content.size();) {
        std::string line;
        while (at + 1 < content.size() && content[at] != '\n') {
            line.push_back(content[at]);
            at += 2;
        }
        at += 2;
        seen.insert(line.substr(14));
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kThreads * kLines));
}

TEST_F(DiagnosticLogTest, AFileHeldByAnotherWriterLosesTheLine) {
    log.Write("first");
    const std::string path = dir.file("LOG/quorlink-tool_03072026.LOG");
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    log.Write("lost");
    ::flock(fd, LOCK_UN);
    ::close(fd);
    log.Write("third");
    EXPECT_EQ(logFile(), kBom + Utf16Le(u"09:05:04:007: first \r\n09:05:04:007: third \r\n"));
}

TEST_F(DiagnosticLogTest, NothingIsWrittenWhenOff) {
    log.Configure(false, dir.dir(), "quorlink-tool");
    log.Write("x");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "LOG"));
}

TEST(LogSecret, ShowsOnlyTheLength) {
    EXPECT_EQ(LogSecret("hunter22"), "<hidden, 8 bytes>");
    EXPECT_EQ(LogSecret(""), "<hidden, 0 bytes>");
}

// The switch in the preferences file: only a number above 0 turns the log on, and only then is LOG made.
TEST(LogSwitch, OnlyANumberAboveZeroSwitchesTheLogOn) {
    struct Case {
        const char* ini;
        bool on;
    } cases[] = {
        {"[Tool]\nPREFERENCE[0]=1\n", true},
        {"[Tool]\nPREFERENCE[0]= 7\n", true},
        {"[Tool]\nPREFERENCE[0]=0\n", false},
        {"[Tool]\nPREFERENCE[0]=-1\n", false},
        {"[Tool]\nPREFERENCE[0]=on\n", false},
        {"[Tool]\nPREFERENCE[0]=\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("Tool.INI", c.ini);
        InitPreference(AppPaths::FromExecutable(dir.file("Tool")));
        WriteLog("InitInstance : nLanguage = %d", 3);
        EXPECT_EQ(DiagnosticLog::Process().IsEnabled(), c.on) << c.ini;
        EXPECT_EQ(std::filesystem::exists(dir.path() / "LOG"), c.on) << c.ini;
        if (c.on) {
            const std::string file = DiagnosticLog::Process().CurrentFilePath();
            EXPECT_EQ(std::filesystem::path(file).parent_path(), dir.path() / "LOG");
            EXPECT_EQ(dir.read("LOG/" + std::filesystem::path(file).filename().string()).substr(0, 2), kBom);
        }
        ResetPreferences();
    }
}

// The path limit counts characters: a path of 259 characters is written although its accented folder names
// take far more than 259 bytes; one character more and the line is lost.
TEST_F(DiagnosticLogTest, PathLimitCountsCharactersNotBytes) {
    const std::string fileName = "LOG/quorlink-tool_03072026.LOG";
    // Folder names of "é" (two bytes each), each within the 255 bytes a name may take.
    const size_t fixed = dir.dir().size() + fileName.size() + 2; // two '/' after the folders
    ASSERT_LT(fixed, DiagnosticLog::kMaxPathChars - 2);
    for (const size_t extra : {size_t{0}, size_t{1}}) {
        SCOPED_TRACE(extra);
        const size_t accents = DiagnosticLog::kMaxPathChars - fixed + extra;
        auto folder = [](size_t count) {
            std::string name;
            for (size_t i = 0; i < count; ++i)
                name += "\xC3\xA9";
            return name;
        };
        const std::string first = folder(accents / 2), second = folder(accents - accents / 2);
        const std::string directory = dir.dir() + first + "/" + second + "/";
        std::filesystem::create_directories(directory + "LOG");
        const std::string path = directory + fileName;
        ASSERT_EQ(Utf8::ToUtf16(path).size(), DiagnosticLog::kMaxPathChars + extra);
        ASSERT_GT(path.size(), DiagnosticLog::kMaxPathChars + 100);

        log.Configure(true, directory, "quorlink-tool");
        log.Write("long folder");
        EXPECT_EQ(std::filesystem::exists(path), extra == 0);
        std::filesystem::remove_all(dir.path() / first);
    }
}
