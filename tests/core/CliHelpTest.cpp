#include "cli/CliHelp.h"
#include "cli/CliCommands.h"
#include "cli/CliLog.h"
#include "cli/CliQueue.h"

#include "TempDir.h"
#include "app/DiagnosticLog.h"
#include "app/Preferences.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

TEST(CliHelp, TheArgumentsAskForTheTopicOfTheirCommandAndSubcommand) {
    struct Case {
        std::string args;
        std::optional<std::string> topic;
    };
    const Case cases[] = {
        {"--help", ""},
        {"-h", ""},
        {"help", ""},
        {"help search", "search"},
        {"help device read", "device read"},
        {"help qlt diff", "qlt diff"},
        {"help frobnicate", "frobnicate"},
        {"search --help", "search"},
        {"search --json -h", "search"},
        {"set-ip 00:1A:2B:3C:4D:5E --dhcp --help", "set-ip"},
        {"set-ip --batch rows.csv --help", "set-ip"},
        {"device --help", "device"},
        {"device read --help", "device read"},
        {"device read --port /dev/ttyUSB0 --help", "device read"},
        {"device factory-reset -h", "device factory-reset"},
        {"device --port /dev/ttyUSB0 --help", "device"},
        {"device frobnicate --help", "device frobnicate"},
        {"qlt show a.qlt --help", "qlt show"},
        {"search", std::nullopt},
        {"device read --port /dev/ttyUSB0", std::nullopt},
        {"set-ip 00:1A:2B:3C:4D:5E --name helpful", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CliHelp::Requested(Words(c.args)), c.topic) << c.args;
    EXPECT_EQ(CliHelp::Requested({}), std::nullopt);
}

// Every command the program runs and every device subcommand it lists has a text that starts with its
// own usage line; an unknown one has none.
TEST(CliHelp, EveryCommandAndSubcommandHasAHelpText) {
    std::vector<std::string> commands = {"search",   "set-ip",   "device", "qlt",
                                         "qlt show", "qlt diff", "queue",  "help"};
    char* listed = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&listed, &size);
    PrintDeviceUsage(out);
    PrintQueueUsage(out);
    std::fclose(out);
    std::istringstream lines{std::string(listed, size)};
    std::free(listed);
    int subcommands = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto words = Words(line);
        if (words.size() >= 2 && (words[0] == "device" || words[0] == "queue")) {
            commands.push_back(words[0] + " " + words[1]);
            ++subcommands;
        }
    }
    EXPECT_GE(subcommands, 9);
    for (const std::string& command : commands) {
        const auto text = CliHelp::Text(command);
        ASSERT_TRUE(text) << command;
        EXPECT_EQ(text->rfind("Usage: quorlink " + command, 0), 0u) << *text;
        EXPECT_EQ(text->back(), '\n') << command;
        std::istringstream textLines(*text);
        for (std::string line; std::getline(textLines, line);)
            EXPECT_LE(line.size(), 100u) << command << ": " << line;
    }
    const auto topics = CliHelp::Topics();
    EXPECT_EQ(std::set<std::string>(topics.begin(), topics.end()),
              std::set<std::string>(commands.begin(), commands.end()));
    EXPECT_FALSE(CliHelp::Text("frobnicate"));
    EXPECT_FALSE(CliHelp::Text("device frobnicate"));
    EXPECT_FALSE(CliHelp::Text(""));
}

TEST(CliLog, TheLogOptionIsTakenOutOfTheArgumentsWhereverItStands) {
    struct Case {
        std::string args;
        bool ok;
        std::optional<std::string> file;
        std::string rest;
    };
    const Case cases[] = {
        {"search --json", true, std::nullopt, "search --json"},
        {"--log run.log search --json", true, "run.log", "search --json"},
        {"device read --port P --log run.log --json", true, "run.log", "device read --port P --json"},
        {"--log a.log search --log b.log", true, "b.log", "search"},
        {"search --log", false, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = Words(c.args);
        std::optional<std::string> file;
        std::string error;
        ASSERT_EQ(CliLog::TakeLogOption(args, file, error), c.ok) << c.args;
        if (!c.ok) {
            EXPECT_EQ(error, "--log needs a file");
            continue;
        }
        EXPECT_EQ(file, c.file) << c.args;
        std::string rest;
        for (const std::string& arg : args)
            rest += (rest.empty() ? "" : " ") + arg;
        EXPECT_EQ(rest, c.rest);
    }
}

TEST(CliLog, SecretFieldValuesAreMaskedInTheLoggedArguments) {
    EXPECT_EQ(CliLog::MaskedArguments({"device", "set", "--port", "/dev/ttyUSB0", "bySSID=Office",
                                       "byPSK_Key=psk-1234", "byUserPassword=pw", "--name=x"}),
              "device set --port /dev/ttyUSB0 bySSID=Office byPSK_Key=" + LogSecret("psk-1234") +
                  " byUserPassword=" + LogSecret("pw") + " --name=x");
}

std::string ReadUtf16(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) // ASCII is all these lines hold
        text += bytes[i];
    return bytes.rfind("\xFF\xFE", 0) == 0 ? text : "no byte-order mark";
}

class CliLogStart : public ::testing::Test {
protected:
    void TearDown() override { ResetPreferences(); }
    TempDir dir;
};

TEST_F(CliLogStart, TheLogFileGetsTheLinesOwnerOnly) {
    std::string error;
    ASSERT_TRUE(CliLog::Start(dir.file("run.log"), CliLog::WindowProgramPaths(dir.file("quorlink")), error));
    WriteLog("quorlink : START %s", "device read");
    EXPECT_NE(ReadUtf16(dir.file("run.log")).find("quorlink : START device read \r\n"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("run.log").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(CliLogStart, ALogFileThatCannotBeWrittenIsNamed) {
    std::string error;
    const std::string path = dir.file("no-such-folder/run.log");
    EXPECT_FALSE(CliLog::Start(path, CliLog::WindowProgramPaths(dir.file("quorlink")), error));
    EXPECT_EQ(error, path + ": No such file or directory");
    EXPECT_FALSE(DiagnosticLog::Process().IsEnabled());
}

TEST_F(CliLogStart, TheWindowProgramsPreferencesSwitchTheLogOnBesideItsOwn) {
    struct Case {
        std::string value;
        bool on;
    };
    for (const Case& c : {Case{"1", true}, Case{"0", false}, Case{"", false}}) {
        SCOPED_TRACE(c.value);
        dir.write("quorlink-tool.INI", "[quorlink-tool]\nPREFERENCE[0]=" + c.value + "\n");
        std::string error;
        ASSERT_TRUE(CliLog::Start(std::nullopt, CliLog::WindowProgramPaths(dir.file("quorlink")), error));
        EXPECT_EQ(DiagnosticLog::Process().IsEnabled(), c.on);
        if (!c.on)
            continue;
        const std::string path = DiagnosticLog::Process().CurrentFilePath();
        EXPECT_EQ(path.rfind(dir.file("LOG/quorlink_"), 0), 0u) << path;
        WriteLog("quorlink : START search");
        EXPECT_NE(ReadUtf16(path).find("quorlink : START search"), std::string::npos);
        ResetPreferences();
    }
}

} // namespace
