#include "app/Preferences.h"
#include "app/AppPaths.h"
#include "app/PrivateProfile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <unistd.h>
#include <vector>

TEST(AppPaths, DerivesPreferencesFileAndApplicationName) {
    struct Case {
        const char* exe;
        const char* ini;
        const char* name;
        const char* dir;
    } cases[] = {
        {"/opt/q/quorlink-tool", "/opt/q/quorlink-tool.INI", "quorlink-tool", "/opt/q/"},
        {"/opt/q/Tool.exe", "/opt/q/Tool.INI", "Tool", "/opt/q/"},
        {"/opt/q.d/tool", "/opt/q.d/tool.INI", "tool", "/opt/q.d/"}, // a folder's '.' never counts
        {"/opt/a.b.c", "/opt/a.b.INI", "a.b", "/opt/"},              // the last '.' of the name
    };
    for (const auto& c : cases) {
        const auto paths = AppPaths::FromExecutable(c.exe);
        EXPECT_EQ(paths.preferencesFile, c.ini) << c.exe;
        EXPECT_EQ(paths.applicationName, c.name) << c.exe;
        EXPECT_EQ(paths.directory, c.dir) << c.exe;
    }
}

TEST(AppPaths, CurrentExecutableIsThisTestProgram) {
    const auto exe = AppPaths::CurrentExecutable();
    ASSERT_TRUE(exe);
    EXPECT_NE(exe->find("core-tests"), std::string::npos);
}

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override { InitPreference(paths()); }
    void TearDown() override { ResetPreferences(); }
    AppPaths paths() const { return AppPaths::FromExecutable(dir.file("Tool")); }
    void writeIni(const std::string& content) { dir.write("Tool.INI", content); }

    TempDir dir;
};

TEST_F(PreferencesTest, MissingFileMeansNothingPresent) {
    EXPECT_FALSE(VRXReadConfigurationInfoFromFile(PreferenceKey::Language));
    EXPECT_FALSE(ReadPreferenceInt(PreferenceKey::SheetPages));
}

TEST_F(PreferencesTest, MissingOrEmptyKeyIsNotPresentAndLookupIgnoresCase) {
    writeIni("[Other]\nPREFERENCE[4]=9\n[tool]\npreference[1] = 7 \nPREFERENCE[4]=\n");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile("PREFERENCE[1]"), "7");
    EXPECT_FALSE(VRXReadConfigurationInfoFromFile("PREFERENCE[4]")); // empty in our section
    EXPECT_FALSE(VRXReadConfigurationInfoFromFile("PREFERENCE[3]"));
}

TEST_F(PreferencesTest, ValuesAreReadIntoTwoHundredFiftySixCharacters) {
    writeIni("[Tool]\nPREFERENCE[5]=" + std::string(300, '1') + "\n");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile("PREFERENCE[5]")->size(), 255u);
}

TEST(ProfileInt, ParsesLikeTheProfileRoutines) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"1", 1},
                 {"  42", 42},
                 {"-3", -3},
                 {"+5", 5},
                 {"12abc", 12},
                 {"abc", 0},
                 {"", 0},
                 {"- 4", 0},
                 {"--4", 0},
                 {"0", 0},
                 {"99999999999", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(ExpandedGroups, FollowTheListUpToAnEmptyItem) {
    auto expanded = [](std::optional<std::string> value) {
        const auto groups = ParseExpandedGroups(value);
        std::string out;
        for (int g = 1; g <= 9; ++g)
            out += groups[static_cast<size_t>(g)] ? char('0' + g) : '.';
        return out;
    };
    EXPECT_EQ(expanded(std::nullopt), "123456789");
    EXPECT_EQ(expanded(std::string("2, 4")), ".2.4.....");
    EXPECT_EQ(expanded(std::string("0,10")), ".........");
    EXPECT_EQ(expanded(std::string("3, ,5")), "..3......");
    EXPECT_EQ(expanded(std::string(" 9 ,1")), "1.......9");
}

TEST_F(PreferencesTest, WriteCreatesTheFileWithTheSection) {
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "0"));
    EXPECT_EQ(dir.read("Tool.INI"), "[Tool]\nPREFERENCE[1]=0\n");
    EXPECT_EQ(ReadPreferenceInt(PreferenceKey::Language), 0);
}

TEST_F(PreferencesTest, WriteKeepsEveryOtherLineAsItWas) {
    const std::string before = "; comment\r\n[Other]\r\nPREFERENCE[1]=5\r\n\r\n[TOOL]\r\nPREFERENCE[0]=1\r\n"
                               "Preference[1] = 3\r\nPREFERENCE[4]=2\r\n[Last]\r\nx=y";
    writeIni(before);
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "8"));
    EXPECT_EQ(dir.read("Tool.INI"),
              "; comment\r\n[Other]\r\nPREFERENCE[1]=5\r\n\r\n[TOOL]\r\nPREFERENCE[0]=1\r\n"
              "PREFERENCE[1]=8\r\nPREFERENCE[4]=2\r\n[Last]\r\nx=y");

    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile("PREFERENCE[3]", "1"));
    EXPECT_EQ(dir.read("Tool.INI"),
              "; comment\r\n[Other]\r\nPREFERENCE[1]=5\r\n\r\n[TOOL]\r\nPREFERENCE[0]=1\r\n"
              "PREFERENCE[1]=8\r\nPREFERENCE[4]=2\r\nPREFERENCE[3]=1\r\n[Last]\r\nx=y");
}

TEST_F(PreferencesTest, WriteAddsTheSectionAfterAFinalLineWithoutLineEnd) {
    writeIni("[Other]\nk=v");
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "2"));
    EXPECT_EQ(dir.read("Tool.INI"), "[Other]\nk=v\n[Tool]\nPREFERENCE[1]=2\n");
}

// Cases about permissions, which root's powers would make meaningless: ctest runs them again as an
// unprivileged user when the tests run as root (tests/CMakeLists.txt), so that they run every time.
class PreferencesWithoutPrivilegeTest : public PreferencesTest {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root writes and reads files regardless of their permissions";
        PreferencesTest::SetUp();
    }
};

TEST_F(PreferencesWithoutPrivilegeTest, ReadOnlyFileIsNotWritten) {
    writeIni("[Tool]\nPREFERENCE[1]=1\n");
    std::filesystem::permissions(dir.file("Tool.INI"), std::filesystem::perms::owner_read);
    EXPECT_FALSE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "2"));
    EXPECT_EQ(dir.read("Tool.INI"), "[Tool]\nPREFERENCE[1]=1\n");
}

TEST_F(PreferencesWithoutPrivilegeTest, UnreadableFileIsNotReplaced) {
    writeIni("[Tool]\nPREFERENCE[0]=1\nPREFERENCE[4]=2\n");
    std::filesystem::permissions(dir.file("Tool.INI"), std::filesystem::perms::owner_write);
    EXPECT_FALSE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "2"));
    std::filesystem::permissions(dir.file("Tool.INI"), std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.read("Tool.INI"), "[Tool]\nPREFERENCE[0]=1\nPREFERENCE[4]=2\n");
}

// A folder that takes no new file: a writable preferences file in it is rewritten in place; without the
// file nothing can be written.
TEST_F(PreferencesWithoutPrivilegeTest, WritableFileInAReadOnlyFolderIsRewrittenInPlace) {
    using std::filesystem::perms;
    writeIni("[Tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=12345\n");
    std::filesystem::permissions(dir.path(), perms::owner_read | perms::owner_exec);
    EXPECT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "6"));
    EXPECT_TRUE(VRXWriteConfigurationInfoFromFile("PREFERENCE[3]", "1"));
    std::filesystem::permissions(dir.path(), perms::owner_all);
    EXPECT_EQ(dir.read("Tool.INI"), "[Tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=6\nPREFERENCE[3]=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no file left over";

    std::filesystem::remove(dir.file("Tool.INI"));
    std::filesystem::permissions(dir.path(), perms::owner_read | perms::owner_exec);
    EXPECT_FALSE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "6"));
    std::filesystem::permissions(dir.path(), perms::owner_all);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Tool.INI")));
}

// A preferences file that is a link to a shared file stays a link; the shared file gets the value.
TEST_F(PreferencesTest, WriteGoesThroughASymbolicLinkToItsTarget) {
    std::filesystem::create_directory(dir.path() / "shared");
    dir.write("shared/common.INI", "[Tool]\nPREFERENCE[0]=1\n");
    std::filesystem::permissions(dir.file("shared/common.INI"), std::filesystem::perms::owner_read |
                                                                    std::filesystem::perms::owner_write |
                                                                    std::filesystem::perms::group_read);
    std::filesystem::create_symlink("shared/common.INI", dir.file("Tool.INI")); // relative to the link
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "4"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("Tool.INI")));
    EXPECT_EQ(dir.read("shared/common.INI"), "[Tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=4\n");
    EXPECT_EQ(std::filesystem::status(dir.file("shared/common.INI")).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read)
        << "the target keeps its permissions";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "shared"), {}), 1);

    // A link whose target does not exist yet names the file to create.
    std::filesystem::remove(dir.file("Tool.INI"));
    std::filesystem::create_symlink(dir.file("shared/new.INI"), dir.file("Tool.INI"));
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "5"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("Tool.INI")));
    EXPECT_EQ(dir.read("shared/new.INI"), "[Tool]\nPREFERENCE[1]=5\n");
}

// The temporary file has a name of its own for every write: whatever lies at a fixed name beside the file
// (another instance's temporary file, a folder) neither stops the write nor is touched.
TEST_F(PreferencesTest, TemporaryFileHasANameOfItsOwn) {
    writeIni("[Tool]\nPREFERENCE[1]=1\n");
    std::filesystem::create_directory(dir.path() / "Tool.INI.tmp");
    dir.write("Tool.INI.tmp/inside", "x");
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "3"));
    EXPECT_EQ(dir.read("Tool.INI"), "[Tool]\nPREFERENCE[1]=3\n");
    EXPECT_EQ(dir.read("Tool.INI.tmp/inside"), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// Two programs writing at once each write a whole file; none is left half-written or left behind.
TEST_F(PreferencesTest, ConcurrentWritersLeaveAWholeFile) {
    writeIni("[Tool]\nPREFERENCE[0]=1\n");
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int writer = 0; writer < 4; ++writer)
        writers.emplace_back([&failures, writer] {
            for (int i = 0; i < 50; ++i)
                if (!VRXWriteConfigurationInfoFromFile("PREFERENCE[3]", std::to_string(writer)))
                    ++failures;
        });
    for (auto& thread : writers)
        thread.join();
    EXPECT_EQ(failures.load(), 0);
    const std::string content = dir.read("Tool.INI");
    EXPECT_EQ(content.substr(0, 37), "[Tool]\nPREFERENCE[0]=1\nPREFERENCE[3]=");
    EXPECT_EQ(content.size(), 39u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PreferencesWithoutPath, ReadAndWriteReportNothing) {
    ResetPreferences();
    EXPECT_FALSE(VRXReadConfigurationInfoFromFile(PreferenceKey::Language));
    EXPECT_FALSE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "1"));
}
