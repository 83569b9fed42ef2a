// `quorlink` as a user meets it, end to end with the built command line ($QL_CLI): the help of every
// command, failures that name their file, and the diagnostic log of a run (--log and the window program's
// preferences switch) with its secrets masked, against quorlink-device-sim on a pty.

#include "DeviceSimProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

struct CliResult {
    int status = -1;
    std::string out, err;
};

CliResult Quorlink(const std::vector<std::string>& args, const std::string& program = "") {
    TempDir dir;
    std::string command = program.empty() ? DeviceSimProcess::Program("QL_CLI", "quorlink") : program;
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " < /dev/null > " + dir.file("out.txt") + " 2> " + dir.file("err.txt");
    CliResult run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = dir.read("out.txt");
    run.err = dir.read("err.txt");
    return run;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// A UTF-16LE log (ASCII lines) as text.
std::string ReadLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += bytes[i + 1] == 0 ? bytes[i] : '?';
    return text;
}

TEST(CliUsage, EveryCommandAndSubcommandAnswersHelpBothWays) {
    const char* topics[] = {
        "search",       "set-ip",     "device",      "device list", "device read",
        "device write", "device set", "device scan", "device cert", "device factory-reset",
        "qlt",          "qlt show",   "qlt diff"};
    for (const char* topic : topics) {
        SCOPED_TRACE(topic);
        std::vector<std::string> asHelp = {"help"}, asOption = Words(topic);
        for (const std::string& word : Words(topic))
            asHelp.push_back(word);
        asOption.push_back("--help");
        const CliResult help = Quorlink(asHelp), option = Quorlink(asOption);
        EXPECT_EQ(help.status, 0) << help.err;
        EXPECT_EQ(option.status, 0) << option.err;
        EXPECT_EQ(help.out.rfind("Usage: quorlink " + std::string(topic), 0), 0u) << help.out;
        EXPECT_EQ(help.out, option.out);
        EXPECT_TRUE(option.err.empty()) << option.err;
    }
    // With the command's own options around it, and short.
    CliResult run = Quorlink({"device", "read", "--port", "/dev/ttyUSB0", "-h"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: quorlink device read", 0), 0u) << run.out;
    run = Quorlink({"set-ip", "00-1a-2b-3c-4d-5e", "--dhcp", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: quorlink set-ip", 0), 0u) << run.out;
    // An unknown one is refused.
    run = Quorlink({"help", "frobnicate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no command 'frobnicate'"), std::string::npos) << run.err;
    run = Quorlink({"device", "frobnicate", "--help"});
    EXPECT_EQ(run.status, 1);
}

TEST(CliUsage, AFailureThatConcernsAFileNamesIt) {
    DeviceSimProcess sim(nlohmann::json{{"record", {{"bySSID", "Office"}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    TempDir dir;
    dir.write("empty.qlt", "");
    const std::string missing = dir.file("missing.qlt"), unwritable = dir.file("no-folder/saved.qlt");
    struct Case {
        std::vector<std::string> args;
        std::string expected; // in stderr
    };
    const Case cases[] = {
        {{"qlt", "show", missing}, missing + ": No such file or directory"},
        {{"qlt", "diff", missing, missing}, missing + ": No such file or directory"},
        {{"qlt", "show", dir.file("empty.qlt")}, dir.file("empty.qlt") + ": not a configuration file"},
        {{"device", "write", "--port", sim.LinkPath(), missing}, missing + ": No such file or directory"},
        {{"device", "read", "--port", sim.LinkPath(), "--save", unwritable}, unwritable + ": "},
        {{"device", "cert", "--port", sim.LinkPath(), "--type", "ca", missing},
         missing + ": No such file or directory"},
        {{"set-ip", "--batch", dir.file("missing.csv")},
         dir.file("missing.csv") + ": No such file or directory"},
        {{"--log", unwritable, "qlt", "show", missing}, unwritable + ": No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliResult run = Quorlink(c.args);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
    }
    EXPECT_EQ(sim.State()["sets"], 0);
}

TEST(CliUsage, TheLogOptionWritesTheRunsLogWithSecretsMasked) {
    nlohmann::json record = {{"bySSID", "Office"},
                             {"byAuthentication", 3},
                             {"byEncryption", 4},
                             {"byPSK_Key", "psk-1234"},
                             {"bySystemName", "PRN-01"},
                             {"byUserName", "admin"},
                             {"byUserPassword", "pw-5678"},
                             {"bySNMPGetCommunity", "public"},
                             {"szSNMPSetCommunity", "private"},
                             {"szSNMPTrapCommunity", "traps"}};
    DeviceSimProcess sim(nlohmann::json{{"record", record}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    TempDir dir;
    const std::string log = dir.file("run.log");
    const CliResult run = Quorlink(
        {"device", "set", "--port", sim.LinkPath(), "--log", log, "byPSK_Key=new-secret-42", "bySSID=Lab"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(sim.State()["record"]["byPSK_Key"], "new-secret-42");
    const std::string text = ReadLog(log);
    EXPECT_NE(text.find("quorlink : START device set --port"), std::string::npos) << text;
    EXPECT_NE(text.find("byPSK_Key=<hidden, 13 bytes>"), std::string::npos) << text;
    EXPECT_NE(text.find("bySSID=Lab"), std::string::npos);
    EXPECT_NE(text.find("quorlink : END (exit status 0)"), std::string::npos);
    EXPECT_NE(text.find("OpenPort"), std::string::npos) << "the core's lines are there too";
    EXPECT_EQ(text.find("new-secret-42"), std::string::npos);
    EXPECT_EQ(text.find("psk-1234"), std::string::npos);
    EXPECT_EQ(text.find("pw-5678"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(log.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Without --log the window program's preferences decide, as it reads them: a copy of the command line
// beside a quorlink-tool.INI that switches the log on writes LOG/quorlink_MMDDYYYY.LOG there.
TEST(CliUsage, TheWindowProgramsPreferencesSwitchTheLogOn) {
    TempDir dir;
    const std::string program = dir.file("quorlink");
    {
        std::ifstream in(DeviceSimProcess::Program("QL_CLI", "quorlink"), std::ios::binary);
        std::ofstream out(program, std::ios::binary);
        out << in.rdbuf();
    }
    ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
    ASSERT_TRUE(Quorlink({"qlt", "show", dir.file("none.qlt")}, program).status != 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("LOG"))) << "no preferences: no log";

    dir.write("quorlink-tool.INI", "[quorlink-tool]\nPREFERENCE[0]=1\n");
    const CliResult run = Quorlink({"qlt", "show", dir.file("none.qlt")}, program);
    EXPECT_EQ(run.status, 1);
    std::string text;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("LOG"))) {
        EXPECT_EQ(entry.path().filename().string().rfind("quorlink_", 0), 0u) << entry.path();
        text += ReadLog(entry.path().string());
    }
    EXPECT_NE(text.find("quorlink : START qlt show"), std::string::npos) << text;
    EXPECT_NE(text.find("ReadWiFiConfigurationDataFromFile : the file cannot be opened"), std::string::npos)
        << text;
}

} // namespace
