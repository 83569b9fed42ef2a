#include "cli/CliCommands.h"
#include "cli/DeviceOutput.h"

#include "FakeDeviceRecords.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <set>
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

// The access check of the listings: every node may be opened but those in refused (no permission).
struct Access {
    std::set<std::string> refused;
    std::vector<std::string> asked;
    PortOpenFailure operator()(std::uint32_t type, const std::string& node) {
        asked.push_back(node);
        return refused.count(node) ? PortOpenFailure::FromErrno(type, node, EACCES) : PortOpenFailure{};
    }
};

CommandRun Device(FakeDeviceRecords& records, const std::vector<std::string>& args,
                  Access* access = nullptr) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Access everything;
    Access& check = access ? *access : everything;
    const int status = RunDeviceCommand(
        args, DeviceCommandContext{records, out, err, [&check](std::uint32_t type, const std::string& node) {
                                       return check(type, node);
                                   }});
    return {status, ReadAll(out), ReadAll(err)};
}

FakeDeviceRecords TwoPrintersAndPorts() {
    FakeDeviceRecords records;
    records.AddUsb("1-1", 0x3f9a, 0xa007, "A1").devnode = "/dev/bus/usb/901/002";
    records.AddUsb("1-2", 0x3f9a, 0xa007).devnode = "/dev/bus/usb/901/003";
    records.AddUsb("2-4", 0x3f9a, 0x0042); // the system names no node
    records.AddUsb("2-5", 0x1234, 0xa007); // another maker's
    records.AddTty("ttyS10", "pnp", "4");
    records.AddTty("ttyS2", "pnp", "4");
    records.AddTty("ttyS3", "platform", "0");
    records.AddTty("ttyUSB0", "usb-serial");
    return records;
}

TEST(CliDevice, ListAsJsonGivesNamesIdentitiesPathsAndWhetherTheUserMayOpenThem) {
    FakeDeviceRecords records = TwoPrintersAndPorts();
    Access access{{"/dev/bus/usb/901/003", "/dev/ttyS10"}, {}};
    const CommandRun run = Device(records, {"list", "--json"}, &access);
    EXPECT_EQ(run.status, CliExit::Ok);
    const std::string user = CurrentUserName();
    const nlohmann::json expected = {
        {"usb",
         {{{"name", "HALDA RK7"},
           {"identity", "usb:1-1:vid_3f9a:pid_a007:A1"},
           {"node", "/dev/bus/usb/901/002"},
           {"may_open", true}},
          {{"name", "HALDA RK7#1"},
           {"identity", "usb:1-2:vid_3f9a:pid_a007"},
           {"node", "/dev/bus/usb/901/003"},
           {"may_open", false},
           {"reason", "permission denied"},
           {"advice", PortOpenAdvice(PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_USB,
                                                                "/dev/bus/usb/901/003", EACCES))}},
          {{"name", "usb:2-4:vid_3f9a:pid_0042"},
           {"identity", "usb:2-4:vid_3f9a:pid_0042"},
           {"node", ""},
           {"may_open", nullptr}}}},
        {"serial",
         {{{"path", "/dev/ttyS2"}, {"may_open", true}},
          {{"path", "/dev/ttyS10"},
           {"may_open", false},
           {"reason", "permission denied"},
           {"advice",
            PortOpenAdvice(PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyS10", EACCES))}},
          {{"path", "/dev/ttyUSB0"}, {"may_open", true}}}}};
    EXPECT_EQ(nlohmann::json::parse(run.out), expected) << run.out;
    EXPECT_NE(run.out.find("sudo adduser " + user + " dialout"), std::string::npos) << run.out;
    // Each node is looked at once; the device without one is not.
    EXPECT_EQ(access.asked, (std::vector<std::string>{"/dev/bus/usb/901/002", "/dev/bus/usb/901/003",
                                                      "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
    EXPECT_EQ(run.err, "");
}

TEST(CliDevice, ListAsTextShowsBothKindsWhetherTheyMayBeOpenedAndSaysWhenThereAreNone) {
    FakeDeviceRecords records = TwoPrintersAndPorts();
    Access access{{"/dev/bus/usb/901/003", "/dev/ttyS10"}, {}};
    const CommandRun run = Device(records, {"list"}, &access);
    EXPECT_EQ(run.status, CliExit::Ok);
    EXPECT_EQ(run.out,
              "USB printers:\n"
              "  NAME                       IDENTITY                      YOU MAY OPEN IT\n"
              "  HALDA RK7                  usb:1-1:vid_3f9a:pid_a007:A1  yes\n"
              "  HALDA RK7#1                usb:1-2:vid_3f9a:pid_a007     no: needs the group lp or the udev "
              "rule 60-quorlink.rules\n"
              "  usb:2-4:vid_3f9a:pid_0042  usb:2-4:vid_3f9a:pid_0042     unknown\n"
              "Serial ports:\n"
              "  PATH          YOU MAY OPEN IT\n"
              "  /dev/ttyS2    yes\n"
              "  /dev/ttyS10   no: needs the group dialout\n"
              "  /dev/ttyUSB0  yes\n"
              "A group added to your account takes effect at your next login.\n");

    FakeDeviceRecords empty;
    const CommandRun none = Device(empty, {"list"});
    EXPECT_EQ(none.status, CliExit::Ok);
    EXPECT_EQ(none.out, "USB printers:\n  none\nSerial ports:\n  none\n");
    const CommandRun noneJson = Device(empty, {"list", "--json"});
    EXPECT_EQ(noneJson.status, CliExit::Ok);
    EXPECT_EQ(nlohmann::json::parse(noneJson.out), nlohmann::json::parse(R"({"usb": [], "serial": []})"));
}

TEST(CliDevice, ListTellsMissingNodesFromRefusedOnes) {
    const struct {
        PortOpenFailure access;
        std::string text;
    } cases[] = {
        {{}, "yes"},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyQ0", EACCES),
         "no: needs the group dialout"},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_USB, "/dev/bus/usb/009/009", EACCES),
         "no: needs the group lp or the udev rule 60-quorlink.rules"},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyQ0", ENOENT), "no: not there"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AccessText(c.access), c.text);
    EXPECT_EQ(AccessText(std::nullopt), "unknown");
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
