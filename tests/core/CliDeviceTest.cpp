#include "cli/CliCommands.h"
#include "cli/DeviceOutput.h"

#include "FakeDeviceRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Runs `quorlink device <args>` over records; the exit status and what went to stdout and stderr.
struct CommandRun {
    int status;
    std::string out, err;
};

std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

CommandRun Device(FakeDeviceRecords& records, const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunDeviceCommand(args, DeviceCommandContext{records, out, err});
    return {status, ReadAll(out), ReadAll(err)};
}

FakeDeviceRecords TwoPrintersAndPorts() {
    FakeDeviceRecords records;
    records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    records.AddUsb("1-2", 0x3f9a, 0xa007);
    records.AddUsb("2-4", 0x3f9a, 0x0042);
    records.AddUsb("2-5", 0x1234, 0xa007); // another maker's
    records.AddTty("ttyS10", "pnp", "4");
    records.AddTty("ttyS2", "pnp", "4");
    records.AddTty("ttyS3", "platform", "0");
    records.AddTty("ttyUSB0", "usb-serial");
    return records;
}

TEST(CliDevice, ListAsJsonGivesNamesIdentitiesAndPaths) {
    FakeDeviceRecords records = TwoPrintersAndPorts();
    const CommandRun run = Device(records, {"list", "--json"});
    EXPECT_EQ(run.status, CliExit::Ok);
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::parse(R"({
        "usb": [{"name": "HALDA RK7", "identity": "usb:1-1:vid_3f9a:pid_a007:A1"},
                {"name": "HALDA RK7#1", "identity": "usb:1-2:vid_3f9a:pid_a007"},
                {"name": "usb:2-4:vid_3f9a:pid_0042", "identity": "usb:2-4:vid_3f9a:pid_0042"}],
        "serial": [{"path": "/dev/ttyS2"}, {"path": "/dev/ttyS10"}, {"path": "/dev/ttyUSB0"}]})"));
    EXPECT_EQ(run.err, "");
}

TEST(CliDevice, ListAsTextShowsBothKindsAndSaysWhenThereAreNone) {
    FakeDeviceRecords records = TwoPrintersAndPorts();
    const CommandRun run = Device(records, {"list"});
    EXPECT_EQ(run.status, CliExit::Ok);
    EXPECT_NE(run.out.find("  HALDA RK7#1                usb:1-2:vid_3f9a:pid_a007\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Serial ports:\n  /dev/ttyS2\n  /dev/ttyS10\n  /dev/ttyUSB0\n"),
              std::string::npos);

    FakeDeviceRecords empty;
    const CommandRun none = Device(empty, {"list"});
    EXPECT_EQ(none.status, CliExit::Ok);
    EXPECT_EQ(none.out, "USB printers:\n  none\nSerial ports:\n  none\n");
    const CommandRun noneJson = Device(empty, {"list", "--json"});
    EXPECT_EQ(noneJson.status, CliExit::Ok);
    EXPECT_EQ(nlohmann::json::parse(noneJson.out), nlohmann::json::parse(R"({"usb": [], "serial": []})"));
}

TEST(CliDevice, WrongArgumentsAreRefusedBeforeAnythingIsListed) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{}, CliExit::Usage, "Usage: quorlink device"},
        {{"scan-everything"}, CliExit::Usage, "unknown subcommand 'scan-everything'"},
        {{"list", "--xml"}, CliExit::Usage, "unknown option '--xml'"},
        {{"--help"}, CliExit::Ok, ""},
    };
    for (const Case& c : cases) {
        FakeDeviceRecords records = TwoPrintersAndPorts();
        const CommandRun run = Device(records, c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.status != CliExit::Ok) {
            EXPECT_EQ(records.calls, 0);
        }
    }
}

} // namespace
