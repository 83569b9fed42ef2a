// Fleet work from the command line on a real network: `quorlink set-ip --batch`, `search --csv` and the
// searches and settings that reach a subnet behind a router (--subnet). Run by scripts/netns-harness (the
// router group with --router); each test starts its own quorlink-printer-sim in the printer namespace.
// Outside the harness every test skips.

#include "HarnessNetwork.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

using nlohmann::json;

bool InHarness() {
    static const bool inside = std::getenv("QL_NS_PRINTERS") && std::getenv("QL_SIM_BIN") &&
                               std::getenv("QL_CLI") && harness::InsideHarness("fleet-integration-tests");
    return inside;
}

#define REQUIRE_HARNESS()                                                                                    \
    if (!InHarness())                                                                                        \
    GTEST_SKIP() << "needs scripts/netns-harness (QL_NS_PRINTERS, QL_SIM_BIN, QL_CLI)"

#define START_SIM(name, config)                                                                              \
    SimProcess name(config);                                                                                 \
    ASSERT_TRUE(name.Ready()) << name.Output()

struct CliRun {
    int status = -1;
    std::string out, err;
};

// The command line program with args (a shell's words).
CliRun Cli(const std::string& args) {
    TempDir dir;
    const std::string command = std::string(std::getenv("QL_CLI")) + " " + args + " </dev/null >" +
                                dir.file("out") + " 2>" + dir.file("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.read("out"), dir.read("err")};
}

std::string Hex(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

// The datagrams of a kind the simulator received: discovery requests or settings messages.
size_t SettingsMessages(const SimProcess& sim) {
    size_t count = 0;
    for (const json& request : sim.Requests()) {
        const std::string hex = request["hex"];
        count += hex.rfind(Hex("SETT"), 0) == 0 || hex.rfind(Hex("__[I_F]__[PRT_SET]"), 0) == 0;
    }
    return count;
}
size_t DiscoveryRequests(const SimProcess& sim) {
    return sim.Requests().size() - SettingsMessages(sim);
}

json StateByMac(SimProcess& sim) {
    json byMac = json::object();
    for (const json& printer : sim.State())
        byMac[printer["mac"].get<std::string>()] = printer;
    return byMac;
}

std::string Mac(int n) {
    char text[18];
    std::snprintf(text, sizeof text, "02:00:00:00:00:%02X", n);
    return text;
}

const std::string kHeader = "mac,mode,ip,subnet,gateway,port,inactivity,name\r\n";

// ----------------------------------------------------------------------------------------------------
// set-ip --batch on one link

TEST(FleetBatch, FiftyPrintersFromOneFileEachGetTheirNewAddress) {
    REQUIRE_HARNESS();
    // 02:00:00:00:00:01..32 at 192.0.2.10..59, each answering from its own address.
    START_SIM(sim, (json{{"generate",
                          {{"wired", 50},
                           {"base_ip", "192.0.2.10"},
                           {"reply_from", "own"},
                           {"settings_reply", "SETC"}}}}));
    TempDir dir;
    std::string csv = kHeader;
    for (int i = 1; i <= 50; ++i)
        csv += Mac(i) + ",manual,192.0.2." + std::to_string(100 + i) + ",255.255.255.0,192.0.2.1,,,\r\n";
    dir.write("fleet.csv", csv);

    const CliRun run = Cli("set-ip --batch " + dir.file("fleet.csv") + " --json");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const json report = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(report.is_array()) << run.out;
    ASSERT_EQ(report.size(), 50u);
    for (int i = 1; i <= 50; ++i) {
        const json& row = report[i - 1];
        EXPECT_EQ(row["line"], i + 1);
        EXPECT_EQ(row["mac"], Mac(i));
        EXPECT_EQ(row["result"], "sent, confirmed") << row.dump();
        EXPECT_EQ(row["settings"]["ip"], "192.0.2." + std::to_string(100 + i));
    }
    const json state = StateByMac(sim);
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(state[Mac(i)]["ip"], "192.0.2." + std::to_string(100 + i)) << Mac(i);
    EXPECT_EQ(SettingsMessages(sim), 50u) << "one message each, each confirmed at once";
    EXPECT_EQ(DiscoveryRequests(sim), 10u) << "one search: five wired and five wireless requests";
}

TEST(FleetBatch, AFileWithOneBadRowSendsNothingAndNamesLineColumnAndMessage) {
    REQUIRE_HARNESS();
    START_SIM(sim, (json{{"printers", {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "192.0.2.50"}}}}}));
    TempDir dir;
    dir.write("bad.csv", kHeader + Mac(1) + ",manual,192.0.2.60,255.255.255.0,192.0.2.1,,,\r\n" + Mac(2) +
                             ",manual,192.0.2.61,255.255.255.0,192.0.2.1,443,,\r\n");
    const CliRun run = Cli("set-ip --batch " + dir.file("bad.csv"));
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_NE(run.err.find(dir.file("bad.csv") + ":3: column port: Invalid Port Number"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("nothing was sent"), std::string::npos) << run.err;
    EXPECT_TRUE(sim.Requests().empty()) << "not even a search went out";

    dir.write("extra.csv", "mac,mode,ip,subnet,gateway,vlan\r\n");
    const CliRun unknown = Cli("set-ip --batch " + dir.file("extra.csv"));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find(":1: column vlan: unknown column"), std::string::npos) << unknown.err;
    EXPECT_TRUE(sim.Requests().empty());
}

TEST(FleetBatch, DryRunSaysWhatWouldBeSentAndSendsNoSettings) {
    REQUIRE_HARNESS();
    START_SIM(sim, (json{{"printers",
                          {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "192.0.2.50"}},
                           {{"type", "wireless"},
                            {"mac", "06:00:00:00:00:02"},
                            {"ip", "192.0.2.51"},
                            {"name", "Dock"}}}}}));
    TempDir dir;
    dir.write("plan.csv", kHeader + Mac(1) + ",manual,192.0.2.60,255.255.255.0,192.0.2.1,9101,,\r\n" +
                              "06:00:00:00:00:02,dhcp,,,,,,Dock 2\r\n");
    const CliRun run = Cli("set-ip --batch " + dir.file("plan.csv") + " --dry-run");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(
        run.out.find("line 2, " + Mac(1) +
                     ": would send -- manual 192.0.2.60 mask 255.255.255.0 gateway 192.0.2.1, port 9101, "
                     "inactivity 300 s, to 192.0.2.255"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("line 3, 06:00:00:00:00:02: would send -- dhcp, port 9100, inactivity 300 s, name "
                           "\"Dock 2\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(SettingsMessages(sim), 0u);
    EXPECT_GT(DiscoveryRequests(sim), 0u) << "the dry run searches to tell found from not found";
    EXPECT_EQ(StateByMac(sim)[Mac(1)]["ip"], "192.0.2.50");
}

TEST(FleetBatch, NotFoundAndUnchangedRowsAreReportedAsSuchAndTheExitStatusSaysSo) {
    REQUIRE_HARNESS();
    START_SIM(sim,
              (json{{"printers",
                     {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "192.0.2.50"}, {"gateway", "192.0.2.1"}},
                      {{"type", "wired"}, {"mac", Mac(2)}, {"ip", "192.0.2.51"}}}}}));
    TempDir dir;
    dir.write("mixed.csv", kHeader + Mac(1) + ",manual,192.0.2.50,255.255.255.0,192.0.2.1,,,\r\n" + Mac(9) +
                               ",dhcp,,,,,,\r\n" + Mac(2) +
                               ",manual,192.0.2.70,255.255.255.0,192.0.2.1,,,\r\n");
    CliRun run = Cli("set-ip --batch " + dir.file("mixed.csv"));
    EXPECT_EQ(run.status, 3) << "a row not found: " << run.out << run.err;
    EXPECT_NE(run.out.find("line 2, " + Mac(1) + ": unchanged\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("line 3, " + Mac(9) + ": not found\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("line 4, " + Mac(2) + ": sent, confirmed"), std::string::npos) << run.out;
    EXPECT_EQ(SettingsMessages(sim), 1u);
    EXPECT_EQ(StateByMac(sim)[Mac(2)]["ip"], "192.0.2.70");

    // Sent and unchanged only: success.
    dir.write("done.csv", kHeader + Mac(1) + ",manual,192.0.2.50,255.255.255.0,192.0.2.1,,,\r\n");
    run = Cli("set-ip --batch " + dir.file("done.csv") + " --json");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const json report = json::parse(run.out, nullptr, false);
    ASSERT_EQ(report.size(), 1u) << run.out;
    EXPECT_EQ(report[0]["result"], "unchanged");
}

TEST(FleetBatch, ARowThePrinterRefusesHoldsBackEveryRow) {
    REQUIRE_HARNESS();
    START_SIM(sim, (json{{"printers",
                          {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "192.0.2.50"}},
                           {{"type", "wired"}, {"mac", Mac(2)}, {"ip", "192.0.2.51"}}}}}));
    TempDir dir;
    // A wired printer has no system name: only its record tells.
    dir.write("named.csv", kHeader + Mac(1) + ",manual,192.0.2.60,255.255.255.0,192.0.2.1,,,\r\n" + Mac(2) +
                               ",dhcp,,,,,,Front desk\r\n");
    const CliRun run = Cli("set-ip --batch " + dir.file("named.csv"));
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("line 3, " + Mac(2) + ": refused: printer " + Mac(2) + " has no system name"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("line 2, " + Mac(1) + ": not sent (another row was refused)"), std::string::npos)
        << run.out;
    EXPECT_EQ(SettingsMessages(sim), 0u);
}

TEST(FleetBatch, ALateConfirmationOfThePreviousPrinterIsNotCountedForTheNext) {
    REQUIRE_HARNESS();
    // The first printer confirms 1.5 s late, after the tool gave up on it and sent the second row; the
    // second never confirms. Both answer from their own addresses, as printers do.
    START_SIM(sim, (json{{"printers",
                          {{{"type", "wired"},
                            {"mac", Mac(1)},
                            {"ip", "192.0.2.50"},
                            {"delay_ms", 1500},
                            {"reply_from", "own"}},
                           {{"type", "wired"},
                            {"mac", Mac(2)},
                            {"ip", "192.0.2.51"},
                            {"settings_reply", "none"},
                            {"reply_from", "own"}}}}}));
    TempDir dir;
    dir.write("late.csv", kHeader + Mac(1) + ",manual,192.0.2.60,255.255.255.0,192.0.2.1,,,\r\n" + Mac(2) +
                              ",manual,192.0.2.61,255.255.255.0,192.0.2.1,,,\r\n");
    const CliRun run = Cli("set-ip --batch " + dir.file("late.csv") + " --json");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const json report = json::parse(run.out, nullptr, false);
    ASSERT_EQ(report.size(), 2u) << run.out;
    EXPECT_EQ(report[0]["result"], "sent, no confirmation");
    EXPECT_EQ(report[1]["result"], "sent, no confirmation")
        << "the first printer's late confirmation is not the second's";
    const json state = StateByMac(sim);
    EXPECT_EQ(state[Mac(1)]["ip"], "192.0.2.60");
    EXPECT_EQ(state[Mac(2)]["ip"], "192.0.2.61");
}

TEST(FleetSearch, CsvHasTheJsonFieldsUnderAHeaderRow) {
    REQUIRE_HARNESS();
    START_SIM(sim, (json{{"printers",
                          {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "192.0.2.50"}},
                           {{"type", "wireless"},
                            {"mac", "06:00:00:00:00:02"},
                            {"ip", "192.0.2.51"},
                            {"name", "Dock \"east\", 2"}}}}}));
    const CliRun run = Cli("search --csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "type,mac,ip,subnet,gateway,port,baudrate,dhcp,inactivity,http,firmware,mask,name,interface\r\n"
              "wired,02:00:00:00:00:01,192.0.2.50,255.255.255.0,0.0.0.0,9100,0,false,300,false,1.0,,,0\r\n"
              "wireless,06:00:00:00:00:02,192.0.2.51,255.255.255.0,0.0.0.0,9100,0,false,300,false,1.0,"
              "145.0,\"Dock \"\"east\"\", 2\",0\r\n");
    EXPECT_EQ(Cli("search --csv --json").status, 1);
}

// ----------------------------------------------------------------------------------------------------
// A printer subnet behind a router (harness run with --router)

bool BehindRouter() {
    return std::getenv("QL_PRINTER_SUBNET") != nullptr;
}

TEST(FleetRouter, APrinterBehindTheRouterIsFoundWithSubnetAndNotWithout) {
    REQUIRE_HARNESS();
    if (!BehindRouter())
        GTEST_SKIP() << "needs --router";
    START_SIM(
        sim,
        (json{{"printers",
               {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "203.0.113.50"}, {"gateway", "203.0.113.254"}},
                {{"type", "wireless"}, {"mac", "06:00:00:00:00:02"}, {"ip", "203.0.113.51"}}}}}));
    const std::string subnet = std::getenv("QL_PRINTER_SUBNET");
    CliRun run = Cli("search --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out, nullptr, false), json::array()) << "a local broadcast stops at the router";

    run = Cli("search --json --subnet " + subnet);
    ASSERT_EQ(run.status, 0) << run.err;
    const json list = json::parse(run.out, nullptr, false);
    ASSERT_EQ(list.size(), 2u) << run.out;
    EXPECT_EQ(list[0]["mac"], Mac(1));
    EXPECT_EQ(list[0]["ip"], "203.0.113.50");
    EXPECT_EQ(list[0]["interface"], 0) << "came in on the interface that routes there";
    EXPECT_EQ(list[1]["mac"], "06:00:00:00:00:02");
    bool directed = false;
    for (const json& request : sim.Requests())
        directed = directed || request["to"] == "203.0.113.255";
    EXPECT_TRUE(directed) << "the requests went to the subnet's directed broadcast address";

    run = Cli("search --subnet 203.0.113.0/33");
    EXPECT_EQ(run.status, 1) << run.err;
    run = Cli("search --subnet 198.18.0.0/24");
    EXPECT_EQ(run.status, 2) << "no route there: " << run.err;
    EXPECT_NE(run.err.find("no route to 198.18.0.0/24"), std::string::npos) << run.err;
}

TEST(FleetRouter, SetIpWithSubnetReachesThePrinterBehindTheRouter) {
    REQUIRE_HARNESS();
    if (!BehindRouter())
        GTEST_SKIP() << "needs --router";
    START_SIM(
        sim,
        (json{
            {"printers",
             {{{"type", "wired"}, {"mac", Mac(1)}, {"ip", "203.0.113.50"}, {"gateway", "203.0.113.254"}},
              {{"type", "wired"}, {"mac", Mac(2)}, {"ip", "203.0.113.51"}, {"gateway", "203.0.113.254"}}}}}));
    const std::string subnet = std::getenv("QL_PRINTER_SUBNET");
    TempDir dir;
    dir.write("far.csv", kHeader + Mac(1) + ",manual,203.0.113.60,255.255.255.0,203.0.113.254,,,\r\n");
    CliRun run = Cli("set-ip --batch " + dir.file("far.csv"));
    EXPECT_EQ(run.status, 3) << "not found without --subnet: " << run.out << run.err;
    EXPECT_EQ(SettingsMessages(sim), 0u);

    run = Cli("set-ip --batch " + dir.file("far.csv") + " --subnet " + subnet);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("sent, confirmed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("to 203.0.113.255"), std::string::npos) << run.out;

    // The single form: --subnet with a prefix length is the subnet to search, without one the mask.
    run = Cli("set-ip " + Mac(2) +
              " --ip 203.0.113.61 --subnet 255.255.255.0 --gateway 203.0.113.254 --subnet " + subnet);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const json state = StateByMac(sim);
    EXPECT_EQ(state[Mac(1)]["ip"], "203.0.113.60");
    EXPECT_EQ(state[Mac(2)]["ip"], "203.0.113.61");
    for (const json& request : sim.Requests()) {
        if (request["hex"].get<std::string>().rfind(Hex("SETT"), 0) == 0) {
            EXPECT_EQ(request["to"], "203.0.113.255")
                << "the settings went to the directed broadcast address";
        }
    }
}

} // namespace
