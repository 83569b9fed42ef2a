// Faults on the serial road over a real pty: quorlink-device-sim hangs the line up in the middle of a
// read or a save, answers line noise, or leaves the end byte off its replies. Nothing may hang, nothing
// may be lost, and every failure ends in the message the operation gives.

#include "AllVisibleGrid.h"
#include "DeviceCliRun.h"
#include "DeviceSimProcess.h"
#include "FakeMessageBox.h"

#include "app/StringTable.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devport/CPortCom.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// With the values a printer ships with (a system name, an administrator, the SNMP communities "public"), so
// that the page's checks of a save take the record.
const nlohmann::json kRecord = {{"bySSID", "Office"},
                                {"byIP", "192.0.2.7"},
                                {"byDummy3", 1},
                                {"bySystemName", "PRN-01"},
                                {"byUserName", "admin"},
                                {"byUserPassword", "pw-5678"},
                                {"bySNMPGetCommunity", "public"},
                                {"szSNMPSetCommunity", "public"},
                                {"szSNMPTrapCommunity", "public"}};

// behaviours: one behaviour or a list of them.
nlohmann::json Config(const nlohmann::json& behaviours) {
    return {{"variant", "wifi-direct-rf"},
            {"record", kRecord},
            {"names", {{"ca", "root.pem"}}},
            {"bss", {{{"ssid", "Office"}, {"bssid", "02:11:22:33:44:01"}}}},
            {"behaviours", behaviours.is_array() ? behaviours : nlohmann::json::array({behaviours})}};
}

// The tool's side: the serial port on the simulator's link, real sleeps (totalled), questions answered Yes.
struct Rig {
    explicit Rig(const nlohmann::json& config) : sim(config) {
        DEVICE_OPTION dop;
        dop.strPort = sim.LinkPath();
        dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
        dop.dwBaudRate = 115200;
        dop.dwDataBits = 8;
        port.SetDeviceOption(dop);
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        messages.defaultAnswer = true;
    }
    DeviceExchangeServices Services() {
        DeviceExchangeServices services;
        services.ports = DevicePorts{nullptr, &port};
        services.sleeper = &tally;
        services.messages = &messages;
        services.grid = &grid;
        return services;
    }
    std::string Ssid() const { return DeviceRecords::FieldText(state.m_ConfigurationInfo.bySSID); }
    std::string SsidAsRead() const {
        return DeviceRecords::FieldText(state.m_ConfigurationInfoAsRead.bySSID);
    }
    std::string SimSsid() const { return sim.State()["record"].value("bySSID", std::string("?")); }
    bool HungUp() const {
        for (const auto& event : sim.LineEvents())
            if (event.value("event", "") == "hangup")
                return true;
        return false;
    }
    // Waits for the simulator's line to come back after a hang-up.
    bool WaitForLine(int timeoutMs = 3000) const {
        for (int waited = 0; waited < timeoutMs; waited += 10) {
            if (sim.Output().find("line up again") != std::string::npos)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    DeviceSimProcess sim;
    CPortCom port; // a pty reports no modem lines, which counts as a printer present
    DeviceConfigState state;
    SleepTally tally{ThreadSleeper::Instance()};
    FakeMessageBox messages;
    AllVisibleGrid grid;
    DeviceConfigExchange exchange{state, Services()};
};

std::string SaveError(int code) {
    return LoadString(165) + " (" + std::to_string(code) + ")";
}

// Reading: the read fails within the bounds of its read tables, the working record keeps what it held and
// the as-read copy is untouched, the port is closed; the next read of a line that stays down fails at once.
TEST(DeviceFaults, ALineHungUpInTheMiddleOfAReadFailsItAndKeepsTheRecord) {
    struct Case {
        const char* what;
        nlohmann::json behaviour;
        std::uint32_t received; // of the last start reply: the page retries unless it is 1 or 2
    };
    const Case cases[] = {
        {"as the first start comes", {{"on", "start"}, {"hangup_after", 0}}, 0},
        {"after 100 of the 156 bytes of SYS_RSP", {{"on", "SYS_REQ"}, {"hangup_after", 100}}, 5},
        {"after 700 of the 1280 bytes of IF__CUR", {{"on", "IF__GET"}, {"hangup_after", 700}}, 5},
        {"after 1279 bytes of IF__CUR, before its end byte", {{"on", "IF__GET"}, {"hangup_after", 1279}}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(Config({c.behaviour}));
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "kept");
        DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfoAsRead.bySSID, "as read");
        std::uint32_t received = 99;
        const auto began = Clock::now();
        EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
        const auto took = Clock::now() - began;
        EXPECT_TRUE(rig.HungUp());
        EXPECT_EQ(received, c.received);
        EXPECT_EQ(rig.Ssid(), "kept");
        EXPECT_EQ(rig.SsidAsRead(), "as read");
        EXPECT_FALSE(rig.port.IsOpen());
        // The delays of the tables and a little for the line: two starts, SYS_REQ and IF__GET at most.
        EXPECT_LE(rig.tally.Total(), 2 * 50ms + 2 * 16 * 250ms + 100ms + 11 * 250ms + 5 * 250ms);
        EXPECT_LT(took, rig.tally.Total() + 1s);

        // The line stays down: the next read fails when the port does not open, with nothing received.
        const auto again = Clock::now();
        EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
        EXPECT_EQ(received, 0u);
        EXPECT_LT(Clock::now() - again, 500ms);
        EXPECT_EQ(rig.Ssid(), "kept");
    }
}

// The page retries a failed read once a second; a printer whose line comes back is read on the retry.
TEST(DeviceFaults, APrinterWhoseLineComesBackIsReadAgain) {
    Rig rig(Config({{{"on", "IF__GET"}, {"times", 1}, {"hangup_after", 700}, {"reconnect_ms", 300}}}));
    ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
    EXPECT_FALSE(rig.exchange.GetCurrentConfiguration());
    ASSERT_TRUE(rig.WaitForLine()) << rig.sim.Output();
    std::uint32_t received = 0;
    ASSERT_TRUE(rig.exchange.GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 5u);
    EXPECT_EQ(rig.Ssid(), "Office");
    EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_CertificateName[0].byCertName), "root.pem");
}

// Saving: the save fails with its error code, the edits stay in the working record, the as-read copy and
// the printer's record are unchanged; once the line is back the same save goes through with the edits.
TEST(DeviceFaults, ALineHungUpInTheMiddleOfASaveKeepsTheEditsAndThePrintersRecord) {
    struct Case {
        const char* what;
        nlohmann::json behaviour; // counted from the first request of the save
        int code;
        bool printerTookIt;
        int reconnectMs; // the line is back before the next try, or (longer than the save) after it
    };
    const Case cases[] = {
        {"as the save's start comes", {{"on", "start"}, {"after", 2}, {"hangup_after", 0}}, 5, false, 300},
        {"as IF__SET comes", {{"on", "IF__SET"}, {"hangup_after", 0}}, 6, false, 1500},
        // The module took the record and was answering: the tool cannot know, and says the save failed.
        {"after 20 of the 44 bytes of IF__SUC", {{"on", "IF__SET"}, {"hangup_after", 20}}, 6, true, 1500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json behaviour = c.behaviour;
        behaviour["times"] = 1;
        behaviour["reconnect_ms"] = c.reconnectMs;
        Rig rig(Config({behaviour}));
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
        DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "Edited");
        rig.tally.Reset();
        const auto began = Clock::now();
        EXPECT_FALSE(rig.exchange.SaveNewConfiguration(false));
        EXPECT_LE(rig.tally.Total(), 16 * 250ms + 11 * 50ms);
        EXPECT_LT(Clock::now() - began, rig.tally.Total() + 1s);
        EXPECT_TRUE(rig.HungUp());
        EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{SaveError(c.code)});
        EXPECT_EQ(rig.Ssid(), "Edited");
        EXPECT_EQ(rig.SsidAsRead(), "Office");
        EXPECT_EQ(rig.SimSsid(), c.printerTookIt ? "Edited" : "Office");
        EXPECT_EQ(rig.sim.State()["sets"], c.printerTookIt ? 1 : 0);
        EXPECT_FALSE(rig.port.IsOpen());

        // While the line is down the port does not open: error 4 at once, the edits still there.
        if (rig.sim.Output().find("line up again") == std::string::npos) {
            const auto down = Clock::now();
            EXPECT_FALSE(rig.exchange.SaveNewConfiguration(false));
            EXPECT_LT(Clock::now() - down, 500ms);
            EXPECT_EQ(rig.messages.Errors().back(), SaveError(4));
            EXPECT_EQ(rig.Ssid(), "Edited");
        }
        ASSERT_TRUE(rig.WaitForLine()) << rig.sim.Output();
        EXPECT_TRUE(rig.exchange.SaveNewConfiguration(false)) << rig.messages.Errors().back();
        EXPECT_EQ(rig.SimSsid(), "Edited");
    }
}

// Line noise instead of replies: every operation fails within its bounds with its message, a frame that
// fails its checks changes nothing, and noise longer than the receive buffer is refused whole.
TEST(DeviceFaults, APrinterThatAnswersGarbage) {
    enum class Operation { Read, Save, Scan };
    struct Case {
        const char* what;
        nlohmann::json behaviour;
        Operation operation;
        std::uint32_t received; // reads: bytes of the last start reply
    };
    const nlohmann::json noise40 = {"noise:40"};
    const Case cases[] = {
        {"40 bytes of noise for the start, more than its 32-byte buffer",
         {{"on", "start"}, {"reply", "noise:40"}},
         Operation::Read,
         0},
        {"20 bytes of noise and an end byte for the start",
         {{"on", "start"}, {"reply", {"noise:20", "hex:03"}}},
         Operation::Read,
         21},
        {"the start's reply after noise",
         {{"on", "start"}, {"garbage_before", "noise:7"}},
         Operation::Read,
         12},
        {"200 bytes of noise and an end byte for SYS_REQ",
         {{"on", "SYS_REQ"}, {"reply", {"noise:200", "hex:03"}}},
         Operation::Read,
         5},
        {"1300 bytes of noise and an end byte for IF__GET",
         {{"on", "IF__GET"}, {"reply", {"noise:1300", "hex:03"}}},
         Operation::Read,
         5},
        {"6000 bytes of noise for IF__GET, more than its 2048-byte buffer",
         {{"on", "IF__GET"}, {"reply", "noise:6000"}},
         Operation::Read,
         5},
        {"noise and an end byte for IF__SET",
         {{"on", "IF__SET"}, {"reply", {"noise:60", "hex:03"}}},
         Operation::Save,
         0},
        {"noise for BSS_REQ", {{"on", "BSS_REQ"}, {"reply", {"noise:300", "hex:03"}}}, Operation::Scan, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(Config({c.behaviour}));
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        auto began = Clock::now();
        switch (c.operation) {
        case Operation::Read: {
            DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "kept");
            std::uint32_t received = 99;
            EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
            EXPECT_EQ(received, c.received);
            EXPECT_EQ(rig.Ssid(), "kept");
            break;
        }
        case Operation::Save:
            ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
            DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "Edited");
            rig.tally.Reset();
            began = Clock::now();
            EXPECT_FALSE(rig.exchange.SaveNewConfiguration(false));
            EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{SaveError(6)});
            EXPECT_EQ(rig.Ssid(), "Edited");
            EXPECT_EQ(rig.SimSsid(), "Office");
            break;
        case Operation::Scan:
            EXPECT_FALSE(rig.exchange.GetBSSInfoList());
            EXPECT_EQ(rig.state.m_nNumBSSInfo, 0);
            break;
        }
        EXPECT_LE(rig.tally.Total(), 2 * 50ms + 2 * 16 * 250ms + 100ms + 11 * 250ms + 5 * 250ms);
        EXPECT_LT(Clock::now() - began, rig.tally.Total() + 1s);
        EXPECT_FALSE(rig.port.IsOpen());
    }
}

// Replies that lack their end byte fail after the reads their table allows, never sooner or later.
TEST(DeviceFaults, RepliesWithoutTheirEndByte) {
    enum class Operation { Read, Save };
    struct Case {
        const char* what;
        nlohmann::json behaviour;
        Operation operation;
        std::chrono::milliseconds delays; // of the operation, by its read tables
    };
    const Case cases[] = {
        // the query, 16 reads of the start, the pause after it
        {"the start's reply", {{"on", "start"}, {"truncate", 4}}, Operation::Read, 50ms + 16 * 250ms + 100ms},
        {"SYS_RSP",
         {{"on", "SYS_REQ"}, {"truncate", 155}},
         Operation::Read,
         50ms + 250ms + 11 * 250ms + 100ms},
        {"IF__CUR",
         {{"on", "IF__GET"}, {"truncate", 1279}},
         Operation::Read,
         50ms + 250ms + 250ms + 100ms + 250ms + 5 * 250ms},
        {"IF__SUC", {{"on", "IF__SET"}, {"truncate", 43}}, Operation::Save, 250ms + 11 * 50ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(Config({c.behaviour}));
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        bool result = true;
        switch (c.operation) {
        case Operation::Read:
            DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "kept");
            result = rig.exchange.GetCurrentConfiguration();
            EXPECT_EQ(rig.Ssid(), "kept");
            break;
        case Operation::Save:
            ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
            rig.tally.Reset();
            result = rig.exchange.SaveNewConfiguration(false);
            EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{SaveError(6)});
            break;
        }
        EXPECT_FALSE(result);
        EXPECT_EQ(rig.tally.Total(), c.delays);
    }
}

// A certificate start or chunk reply that lacks its end byte is judged once the line has gone quiet after
// it: two reads in a row that bring nothing more, not every read the table allows (21 for a chunk, each of
// them up to 3 s on USB). A chunk reply that still holds the success header counts, as it always has.
TEST(DeviceFaults, CertificateRepliesWithoutTheirEndByteEndWhenTheLineGoesQuiet) {
    struct Case {
        const char* what;
        nlohmann::json behaviour;
        bool uploaded;
        std::chrono::milliseconds delays; // of the upload
        int chunks;                       // that reached the module
    };
    const Case cases[] = {
        // the start's bytes come by the first read; the next two find the line quiet
        {"the certificate start's reply", {{"on", "cert_start"}, {"truncate", 7}}, false, 3 * 50ms, 0},
        // the start, then the chunk's bytes by its first read and two quiet ones
        {"a chunk's reply cut before its header ends",
         {{"on", "chunk"}, {"truncate", 30}},
         false,
         50ms + 3 * 50ms,
         1},
        // three chunks of three reads each, then the name
        {"chunk replies that lack only the end byte",
         {{"on", "chunk"}, {"truncate", 43}},
         true,
         50ms + 3 * 3 * 50ms + 50ms,
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(Config({c.behaviour}));
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
        rig.sim.dir().write("client.pem", std::string(1001, 'c'));
        rig.state.m_nCertificateType = DeviceFrame::kCertificateClientPEM;
        rig.tally.Reset();
        const auto began = Clock::now();
        EXPECT_EQ(rig.exchange.UploadCertificateDocument(rig.sim.dir().file("client.pem")), c.uploaded);
        EXPECT_EQ(rig.tally.Total(), c.delays);
        EXPECT_LT(Clock::now() - began, c.delays + 1s);
        if (c.uploaded)
            EXPECT_EQ(rig.messages.Informations(), std::vector<std::string>{LoadString(244)});
        else
            EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{LoadString(245)});
        EXPECT_EQ(rig.sim.State()["certificates"]["pem"]["chunks"], c.chunks);
        EXPECT_FALSE(rig.port.IsOpen());
    }
}

} // namespace

namespace {

DeviceCliRun Cli(const std::vector<std::string>& args) {
    return DeviceCliRun::Run(args);
}

// What the command line says about each fault: a failed read is a failed read, and only a module that
// refused the start twice is said to have refused the exchange.
TEST(DeviceFaultsCli, EachFaultGetsItsOwnMessage) {
    struct Case {
        const char* what;
        nlohmann::json config;
        const char* command;
        int status;
        std::string message;
    };
    const std::string failedRead = "quorlink device read: " + LoadString(161) + "\n";
    const Case cases[] = {
        {"a hang-up in the middle of IF__CUR", Config({{{"on", "IF__GET"}, {"hangup_after", 700}}}), "read",
         3, failedRead},
        {"IF__CUR without its end byte", Config({{{"on", "IF__GET"}, {"truncate", 1279}}}), "read", 3,
         failedRead},
        {"noise for SYS_REQ", Config({{{"on", "SYS_REQ"}, {"reply", {"noise:200", "hex:03"}}}}), "read", 3,
         failedRead},
        {"two refusals", nlohmann::json{{"refuse_starts", 1}, {"refuse_alternate_starts", 1}}, "read", 3,
         "quorlink device read: " + LoadString(161) + " (the module refused the exchange)\n"},
        {"a hang-up as IF__SET comes", Config({{{"on", "IF__SET"}, {"hangup_after", 0}}}), "write", 4,
         "quorlink device write: " + SaveError(6) + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceSimProcess sim(c.config);
        ASSERT_TRUE(sim.Ready()) << sim.Output();
        std::vector<std::string> args = {"device", c.command, "--port", sim.LinkPath()};
        if (std::string(c.command) == "write") {
            // A file of the printer's own record, read first.
            const std::string file = sim.dir().file("saved.qlt");
            ASSERT_EQ(Cli({"device", "read", "--port", sim.LinkPath(), "--save", file}).status, 0);
            args.push_back(file);
        }
        const DeviceCliRun run = Cli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(sim.State()["sets"], 0);
    }
}

} // namespace
