#include "app/CVrxQuorlink2ndApp.h"
#include "app/DiagnosticLog.h"
#include "app/DialogResult.h"
#include "app/LanguageTable.h"
#include "app/Preferences.h"
#include "app/ProcessLauncher.h"
#include "app/StringTable.h"

#include "CapturedLog.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A catalog that translates every string-table entry into "[tag] English".
class TaggingCatalog : public ITextCatalog {
public:
    explicit TaggingCatalog(std::string tag) : m_tag(std::move(tag)) {}
    std::optional<std::string> Translate(std::string_view, std::string_view source,
                                         std::string_view) const override {
        return "[" + m_tag + "] " + std::string(source);
    }

private:
    std::string m_tag;
};

class ScriptedPlatform : public IAppPlatform {
public:
    std::string ExecutablePath(int& errorCode) override {
        if (executable.empty())
            errorCode = pathError;
        return executable;
    }
    std::unique_ptr<ITextCatalog> LoadCatalog(const std::string& path, int& errorCode) override {
        loadedCatalogs.push_back(path);
        if (!std::filesystem::exists(path)) {
            errorCode = ENOENT;
            return nullptr;
        }
        return std::make_unique<TaggingCatalog>(std::filesystem::path(path).stem().string());
    }
    std::string UserInterfaceLocale() override { return locale; }
    int RunMainWindow() override {
        titleDuringRun = LoadString(StringId::AppTitle);
        return mainWindowResult;
    }
    bool StartProcess(const std::string& program, const std::string& workingDirectory) override {
        started.push_back({program, workingDirectory});
        return true;
    }

    std::string executable;
    int pathError = ENOENT; // reported when executable is empty
    std::string locale = "en_US";
    int mainWindowResult = IDCANCEL;
    std::vector<std::string> loadedCatalogs;
    std::vector<std::pair<std::string, std::string>> started;
    std::string titleDuringRun;
};

class AppStartupTest : public ::testing::Test {
protected:
    void SetUp() override { platform.executable = dir.file("quorlink-tool"); }
    void TearDown() override {
        ResetPreferences();
        StringTable::SetCatalog(nullptr);
    }
    void run() {
        CVrxQuorlink2ndApp app(platform);
        EXPECT_FALSE(app.InitInstance());
        language = app.m_nLanguage;
    }
    std::string ini() const { return dir.read("quorlink-tool.INI"); }
    void writeIni(const std::string& body) { dir.write("quorlink-tool.INI", "[quorlink-tool]\n" + body); }
    void makeCatalog(const std::string& name) {
        std::filesystem::create_directories(dir.path() / "Languages");
        dir.write("Languages/" + name + ".qm", "catalog");
    }

    TempDir dir;
    ScriptedPlatform platform;
    int language = -99;
};

} // namespace

TEST_F(AppStartupTest, WithoutPreferencesFileStartsInEnglishAndStoresIndexZero) {
    platform.locale = "de_DE.UTF-8"; // no automatic choice without a negative stored index
    run();
    EXPECT_EQ(language, 0);
    EXPECT_TRUE(platform.loadedCatalogs.empty());
    EXPECT_EQ(platform.titleDuringRun, "Quorlink Tool");
    EXPECT_EQ(ini(), "[quorlink-tool]\nPREFERENCE[1]=0\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "LOG"));
}

TEST_F(AppStartupTest, NegativeIndexIsReplacedByTheDesktopsLanguage) {
    struct Case {
        const char* locale;
        int index;
    } cases[] = {{"zh_TW.UTF-8", 11}, {"zh-Hant-TW", 11}, {"zh_CN.UTF-8", 10},
                 {"zh_HK", 10},       {"zh-Hans", 10},    {"pt_BR.UTF-8", 0},
                 {"de_AT", 1},        {"fr-CA", 2},       {"ja_JP", 9},
                 {"ru", 7},           {"C", 0},           {"", 0}};
    for (const auto& c : cases) {
        writeIni("PREFERENCE[1]=-1\n");
        platform.locale = c.locale;
        run();
        EXPECT_EQ(language, c.index) << c.locale;
        EXPECT_EQ(ini(), "[quorlink-tool]\nPREFERENCE[1]=" + std::to_string(c.index) + "\n") << c.locale;
    }
}

TEST_F(AppStartupTest, StoredLanguageLoadsItsCatalogAndTranslatesTexts) {
    makeCatalog("HALDAQlinkDeu");
    writeIni("PREFERENCE[1]=1\n");
    run();
    EXPECT_EQ(language, 1);
    ASSERT_EQ(platform.loadedCatalogs.size(), 1u);
    EXPECT_EQ(platform.loadedCatalogs[0], dir.file("Languages/HALDAQlinkDeu.qm"));
    EXPECT_EQ(platform.titleDuringRun, "[HALDAQlinkDeu] Quorlink Tool");
}

TEST_F(AppStartupTest, MissingCatalogKeepsEnglishButTheIndexStaysStored) {
    writeIni("PREFERENCE[0]=1\nPREFERENCE[1]=9\n");
    run();
    EXPECT_EQ(language, 9);
    EXPECT_EQ(platform.titleDuringRun, "Quorlink Tool");
    EXPECT_NE(ini().find("PREFERENCE[1]=9"), std::string::npos);
    const std::string log = dir.read(
        "LOG/" + std::filesystem::path(DiagnosticLog::Process().CurrentFilePath()).filename().string());
    // UTF-16LE: look for the ASCII text with zero bytes between.
    auto utf16 = [](const std::string& text) {
        std::string out;
        for (char c : text) {
            out.push_back(c);
            out.push_back('\0');
        }
        return out;
    };
    EXPECT_NE(log.find(utf16("InitInstance : nLanguage = 9")), std::string::npos);
    EXPECT_NE(log.find(utf16("SetLanguageResource : LoadLibrary failed with (2)")), std::string::npos);
}

TEST_F(AppStartupTest, IndexAboveElevenIsStoredAndLoadsNothing) {
    writeIni("PREFERENCE[1]=15\n");
    run();
    EXPECT_EQ(language, 15);
    EXPECT_TRUE(platform.loadedCatalogs.empty());
    EXPECT_EQ(platform.titleDuringRun, "Quorlink Tool");
    EXPECT_EQ(ini(), "[quorlink-tool]\nPREFERENCE[1]=15\n");
}

TEST_F(AppStartupTest, OnlyAConfirmedEndRestartsTheProgramFromItsFolder) {
    run();
    EXPECT_TRUE(platform.started.empty());

    platform.mainWindowResult = IDOK;
    run();
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].first, dir.file("quorlink-tool"));
    EXPECT_EQ(platform.started[0].second, dir.dir());
}

TEST_F(AppStartupTest, LanguageSwitchFromTheMenuStoresTheIndexForTheNextStart) {
    makeCatalog("HALDAQlinkFra");
    CVrxQuorlink2ndApp app(platform);
    app.InitInstance();
    app.SetLanguageResource(2);
    EXPECT_EQ(app.CurrentLanguage(), 2);
    EXPECT_EQ(ini(), "[quorlink-tool]\nPREFERENCE[1]=2\n");
    EXPECT_EQ(LoadString(StringId::Refresh), "[HALDAQlinkFra] Refresh");
    app.SetLanguageResource(0);
    EXPECT_EQ(LoadString(StringId::Refresh), "Refresh");
}

TEST_F(AppStartupTest, UnwritablePreferencesKeepTheLanguageIndexButStillSwitch) {
    makeCatalog("HALDAQlinkEsp");
    // A folder where the preferences file should be makes every write fail.
    std::filesystem::create_directory(dir.path() / "quorlink-tool.INI");
    CVrxQuorlink2ndApp app(platform);
    app.InitInstance();
    app.SetLanguageResource(3);
    EXPECT_EQ(app.CurrentLanguage(), 0);
    EXPECT_EQ(LoadString(StringId::Refresh), "[HALDAQlinkEsp] Refresh");
}

TEST_F(AppStartupTest, AMissingExecutablePathIsLoggedWithTheSystemsError) {
    CapturedLog log;
    for (const int error : {EACCES, ENAMETOOLONG}) {
        platform.executable.clear();
        platform.pathError = error;
        CVrxQuorlink2ndApp app(platform);
        app.SetLanguageResource(1);
        EXPECT_TRUE(log.Contains("SetLanguageResource : GetModuleFileName failed with (" +
                                 std::to_string(error) + ")"))
            << error;
    }
    EXPECT_TRUE(platform.loadedCatalogs.empty());
}

TEST_F(AppStartupTest, LanguageSelectionLogsEachStepAndSwitchesOnlyToACatalogItHas) {
    makeCatalog("HALDAQlinkDeu");
    {
        CVrxQuorlink2ndApp starter(platform); // sets up the preferences beside the executable
        starter.InitInstance();
    }
    const std::string folder = dir.dir();
    const std::vector<std::string> head = {"SetLanguageResource : START", "", // nLanguage
                                           "SetLanguageResource : szModuleName (0) = " + platform.executable,
                                           "SetLanguageResource : szModuleName (1) = " + folder,
                                           "SetLanguageResource : szModuleDirectory = " + folder};
    const std::vector<std::string> switched = {
        "SetLanguageResource : m_hCurrResource == 0x", "SetLanguageResource : m_hDefResource == 0x",
        "SetLanguageResource : AfxSetResourceHandle", "SetLanguageResource : END"};
    auto join = [](std::vector<std::string> first, const std::vector<std::string>& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    struct Case {
        const char* name;
        int index;
        std::vector<std::string> tail; // after the five lines of head; a line ending in "0x" is a prefix
    } cases[] = {
        {"built-in English", 0, join({"SetLanguageResource : szModuleName (2) = " + folder}, switched)},
        {"a catalog that is there", 1,
         join({"SetLanguageResource : szModuleName (2) = " + folder + "Languages/HALDAQlinkDeu.qm",
               "SetLanguageResource : hResource == 0x", "SetLanguageResource : LoadLibrary"},
              switched)},
        // Nothing switched to before and nothing loaded: no catalog is made the source of the texts.
        {"a missing catalog",
         9,
         {"SetLanguageResource : szModuleName (2) = " + folder + "Languages/HALDAQlinkJpn.qm",
          "SetLanguageResource : hResource == 0x0", "SetLanguageResource : LoadLibrary failed with (2)",
          "SetLanguageResource : LoadLibrary", "SetLanguageResource : END"}},
        {"an index above the table",
         15,
         {"SetLanguageResource : szModuleName (2) = " + folder, "SetLanguageResource : hResource == 0x0",
          "SetLanguageResource : LoadLibrary failed with (21)", "SetLanguageResource : LoadLibrary",
          "SetLanguageResource : END"}},
    };
    for (const auto& c : cases) {
        CapturedLog log;
        CVrxQuorlink2ndApp app(platform);
        app.SetLanguageResource(c.index);
        std::vector<std::string> expected = join(head, c.tail);
        expected[1] = "SetLanguageResource : nLanguage = " + std::to_string(c.index);
        const auto lines = log.LinesStartingWith("SetLanguageResource");
        ASSERT_EQ(lines.size(), expected.size()) << c.name;
        for (size_t i = 0; i < expected.size(); ++i) {
            if (expected[i].ends_with("0x"))
                EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]) << c.name << " line " << i;
            else
                EXPECT_EQ(lines[i], expected[i]) << c.name << " line " << i;
        }
        EXPECT_EQ(app.CurrentLanguage(), c.index) << c.name;
    }
}

TEST(LanguageTable, CatalogPathsAndMenuCommands) {
    EXPECT_EQ(LanguageTable::CatalogRelativePath(0), "");
    EXPECT_EQ(LanguageTable::CatalogRelativePath(1), "Languages/HALDAQlinkDeu.qm");
    EXPECT_EQ(LanguageTable::CatalogRelativePath(11), "Languages/HALDAQlinkTwn.qm");
    EXPECT_EQ(LanguageTable::CatalogRelativePath(12), "");
    EXPECT_EQ(LanguageTable::MenuCommandForIndex(7), 32784);
    EXPECT_EQ(LanguageTable::IndexForMenuCommand(32785), 6);
    EXPECT_EQ(LanguageTable::IndexForMenuCommand(1), -1);
    EXPECT_EQ(LanguageTable::IndexForLanguageId(0x0404), 11); // Chinese, Taiwan
    EXPECT_EQ(LanguageTable::IndexForLanguageId(0x0804), 10); // Chinese, PRC
    EXPECT_EQ(LanguageTable::IndexForLanguageId(0x0416), 0);  // Portuguese
}

namespace {

// Waits until path exists (the started program writes it), at most a few seconds.
bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 300 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return std::filesystem::exists(path);
}

} // namespace

TEST(ProcessLauncher, StartsTheProgramWithoutArgumentsInItsFolderInheritingNoDescriptors) {
    TempDir dir;
    dir.write("program",
              "#!/bin/sh\n{ pwd; echo \"$#\"; [ -e /proc/$$/fd/57 ] && echo leaked || echo clean; }"
              " > out.tmp\nmv out.tmp out\n");
    std::filesystem::permissions(dir.file("program"), std::filesystem::perms::owner_all);
    const int leaked = ::dup2(::open("/dev/null", O_RDONLY), 57); // not close-on-exec
    ASSERT_EQ(leaked, 57);
    const auto child = StartDetachedProcess(dir.file("program"), dir.dir());
    ::close(leaked);
    ASSERT_TRUE(child);
    ASSERT_TRUE(WaitForFile(dir.file("out")));
    ::waitpid(*child, nullptr, 0);
    const std::string out = dir.read("out");
    EXPECT_EQ(out.substr(0, out.find('\n')), std::filesystem::canonical(dir.path()).string());
    EXPECT_NE(out.find("\n0\n"), std::string::npos);
    EXPECT_NE(out.find("\nclean\n"), std::string::npos) << out;
}

TEST(ProcessLauncher, AProgramThatCannotStartIsReported) {
    TempDir dir;
    EXPECT_FALSE(StartDetachedProcess(dir.file("missing"), dir.dir()));
    dir.write("not-executable", "x");
    EXPECT_FALSE(StartDetachedProcess(dir.file("not-executable"), dir.dir()));
}
