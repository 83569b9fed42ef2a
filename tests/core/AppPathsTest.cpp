#include "app/AppPaths.h"
#include "app/DiagnosticLog.h"
#include "app/Preferences.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// An environment of the given variables only.
AppPaths::Environment Env(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        if (it == variables.end())
            return std::nullopt;
        return it->second;
    };
}

} // namespace

// The layout decides: an executable in <prefix>/bin beside <prefix>/share/quorlink-tool runs installed,
// any other keeps everything beside itself.
TEST(AppPathsLayout, InstalledOnlyInBinBesideTheShareFolder) {
    struct Case {
        const char* what;
        const char* executable;           // under the fake root
        std::vector<const char*> folders; // made under the fake root
        const char* file;                 // made under the fake root ("" for none)
        bool installed;
        const char* data; // under the fake root, when installed
    } cases[] = {
        {"package layout",
         "usr/bin/quorlink-tool",
         {"usr/share/quorlink-tool"},
         "",
         true,
         "usr/share/quorlink-tool/"},
        {"unpacked below a temporary root",
         "tmp/x/usr/local/bin/quorlink",
         {"tmp/x/usr/local/share/quorlink-tool"},
         "",
         true,
         "tmp/x/usr/local/share/quorlink-tool/"},
        {"prefix /", "bin/quorlink-tool", {"share/quorlink-tool"}, "", true, "share/quorlink-tool/"},
        {"build folder", "build/bin/quorlink-tool", {"build/bin/Languages"}, "", false, nullptr},
        {"bin without our share folder", "usr/bin/quorlink-tool", {"usr/share/other"}, "", false, nullptr},
        {"share folder not beside bin",
         "opt/q/quorlink-tool",
         {"opt/share/quorlink-tool"},
         "",
         false,
         nullptr},
        {"sbin is not bin", "usr/sbin/quorlink-tool", {"usr/share/quorlink-tool"}, "", false, nullptr},
        {"share entry that is a file",
         "usr/bin/quorlink-tool",
         {"usr/share"},
         "usr/share/quorlink-tool",
         false,
         nullptr},
    };
    for (const auto& c : cases) {
        TempDir root;
        for (const char* folder : c.folders)
            fs::create_directories(root.path() / folder);
        fs::create_directories((root.path() / c.executable).parent_path());
        if (*c.file)
            root.write(c.file, "");
        const std::string executable = root.file(c.executable);
        const auto paths = AppPaths::Locate(executable, Env({{"HOME", "/home/u"}}));
        EXPECT_EQ(paths.installed, c.installed) << c.what;
        EXPECT_EQ(paths.executable, executable) << c.what;
        EXPECT_EQ(paths.applicationName, fs::path(c.executable).filename().string()) << c.what;
        const std::string besides = fs::path(executable).parent_path().string() + "/";
        EXPECT_EQ(paths.directory, besides) << c.what;
        if (c.installed) {
            EXPECT_EQ(paths.dataDirectory, root.dir() + c.data) << c.what;
            EXPECT_EQ(paths.preferencesFile,
                      "/home/u/.config/quorlink-tool/" + paths.applicationName + ".INI")
                << c.what;
            EXPECT_EQ(paths.stateDirectory, "/home/u/.local/state/quorlink-tool/") << c.what;
        } else {
            EXPECT_EQ(paths.dataDirectory, besides) << c.what;
            EXPECT_EQ(paths.stateDirectory, besides) << c.what;
            EXPECT_EQ(paths.preferencesFile, executable + ".INI") << c.what;
        }
    }
}

// Installed, the preferences and the log follow the XDG variables, or the home folder without them.
TEST(AppPathsLayout, InstalledFoldersFollowTheEnvironment) {
    TempDir root;
    fs::create_directories(root.path() / "usr/bin");
    fs::create_directories(root.path() / "usr/share/quorlink-tool");
    const std::string executable = root.file("usr/bin/quorlink-tool");
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        const char* preferences; // "" for none
        const char* state;
    } cases[] = {
        {"XDG folders",
         {{"XDG_CONFIG_HOME", "/c"}, {"XDG_STATE_HOME", "/s"}, {"HOME", "/h"}},
         "/c/quorlink-tool/quorlink-tool.INI",
         "/s/quorlink-tool/"},
        {"trailing slashes",
         {{"XDG_CONFIG_HOME", "/c/"}, {"XDG_STATE_HOME", "/s/"}},
         "/c/quorlink-tool/quorlink-tool.INI",
         "/s/quorlink-tool/"},
        {"home only",
         {{"HOME", "/h"}},
         "/h/.config/quorlink-tool/quorlink-tool.INI",
         "/h/.local/state/quorlink-tool/"},
        {"relative XDG values are ignored",
         {{"XDG_CONFIG_HOME", "c"}, {"XDG_STATE_HOME", "s"}, {"HOME", "/h"}},
         "/h/.config/quorlink-tool/quorlink-tool.INI",
         "/h/.local/state/quorlink-tool/"},
        {"empty XDG values are ignored",
         {{"XDG_CONFIG_HOME", ""}, {"XDG_STATE_HOME", ""}, {"HOME", "/h"}},
         "/h/.config/quorlink-tool/quorlink-tool.INI",
         "/h/.local/state/quorlink-tool/"},
        {"one XDG folder",
         {{"XDG_STATE_HOME", "/s"}, {"HOME", "/h"}},
         "/h/.config/quorlink-tool/quorlink-tool.INI",
         "/s/quorlink-tool/"},
        {"no home at all", {}, "", ""},
    };
    for (const auto& c : cases) {
        const auto paths = AppPaths::Locate(executable, Env(c.environment));
        EXPECT_TRUE(paths.installed) << c.what;
        EXPECT_EQ(paths.preferencesFile, c.preferences) << c.what;
        EXPECT_EQ(paths.stateDirectory, c.state) << c.what;
        EXPECT_EQ(paths.dataDirectory, root.dir() + "usr/share/quorlink-tool/") << c.what;
    }
}

// The build folder's layout ignores the XDG variables entirely.
TEST(AppPathsLayout, BuildFolderIgnoresTheEnvironment) {
    TempDir root;
    fs::create_directories(root.path() / "bin");
    const auto paths = AppPaths::Locate(root.file("bin/quorlink-tool"),
                                        Env({{"XDG_CONFIG_HOME", "/c"}, {"XDG_STATE_HOME", "/s"}}));
    EXPECT_FALSE(paths.installed);
    EXPECT_EQ(paths.preferencesFile, root.file("bin/quorlink-tool.INI"));
    EXPECT_EQ(paths.stateDirectory, root.dir() + "bin/");
}

// Installed, the first preference written creates the configuration folder, and the log goes to the state
// folder, both owner-only; nothing lands beside the executable.
TEST(AppPathsLayout, InstalledProgramWritesIntoTheXdgFolders) {
    TempDir root;
    fs::create_directories(root.path() / "usr/bin");
    fs::create_directories(root.path() / "usr/share/quorlink-tool");
    const std::string home = root.file("home");
    const auto paths = AppPaths::Locate(root.file("usr/bin/quorlink-tool"), Env({{"HOME", home}}));
    ASSERT_TRUE(paths.installed);

    InitPreference(paths);
    EXPECT_FALSE(DiagnosticLog::Process().IsEnabled());
    ASSERT_TRUE(VRXWriteConfigurationInfoFromFile(PreferenceKey::LogSwitch, "1"));
    const fs::path config = fs::path(home) / ".config/quorlink-tool";
    EXPECT_TRUE(fs::exists(config / "quorlink-tool.INI"));
    struct stat info {};
    ASSERT_EQ(::stat(config.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    InitPreference(paths); // reads the switch just written
    ASSERT_TRUE(DiagnosticLog::Process().IsEnabled());
    WriteLog("AppPathsLayout : a line");
    const fs::path log = fs::path(home) / ".local/state/quorlink-tool/LOG";
    EXPECT_EQ(fs::path(DiagnosticLog::Process().CurrentFilePath()).parent_path(), log);
    EXPECT_TRUE(fs::exists(DiagnosticLog::Process().CurrentFilePath()));
    ResetPreferences();

    EXPECT_EQ(std::distance(fs::directory_iterator(root.path() / "usr/bin"), fs::directory_iterator()), 0);
}

// Installed without any home folder there is nowhere to keep preferences: reads find nothing, writes fail
// (and nothing is written into the installation).
TEST(AppPathsLayout, InstalledWithoutHomeKeepsNothing) {
    TempDir root;
    fs::create_directories(root.path() / "usr/bin");
    fs::create_directories(root.path() / "usr/share/quorlink-tool");
    InitPreference(AppPaths::Locate(root.file("usr/bin/quorlink-tool"), Env({})));
    EXPECT_FALSE(VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, "1"));
    EXPECT_FALSE(VRXReadConfigurationInfoFromFile(PreferenceKey::Language));
    ResetPreferences();
    EXPECT_EQ(std::distance(fs::directory_iterator(root.path() / "usr/bin"), fs::directory_iterator()), 0);
}
