// The device exchanges of the core over a real pty, with CPortCom on the tool's side and
// quorlink-device-sim playing the printer's network module on the other.

#include "DeviceSimProcess.h"
#include "FakeMessageBox.h"

#include "app/StringTable.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devport/CPortCom.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;
using DeviceRecords::ConfigVariant;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

DEVICE_OPTION SerialOption(const std::string& path) {
    DEVICE_OPTION dop;
    dop.strPort = path;
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    dop.dwBaudRate = 115200;
    dop.dwDataBits = 8;
    return dop;
}

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}

// The tool's side: a serial port on the simulator's pty, the state and the exchanges over it, with
// questions answered Yes and every delay totalled.
struct Rig {
    explicit Rig(const nlohmann::json& config) : sim(config) {
        port.SetDeviceOption(SerialOption(sim.LinkPath()));
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_SERIAL;
        messages.defaultAnswer = true;
    }
    DeviceExchangeServices Services() {
        DeviceExchangeServices services;
        services.ports = DevicePorts{nullptr, &port};
        services.spooler = &spooler;
        services.sleeper = &tally;
        services.messages = &messages;
        services.waiting = &waiting;
        return services;
    }

    DeviceSimProcess sim;
    CPortCom port; // a pty reports no modem lines, which counts as a printer present
    DeviceConfigState state;
    NoSpoolerHold spooler;
    SleepTally tally{ThreadSleeper::Instance()};
    FakeMessageBox messages;
    struct NoWait : IExchangeWaiting {
        void WaitFor(int) override {} // the simulated module needs no time for a reset
    } waiting;
    DeviceConfigExchange exchange{state, Services()};
};

std::string Letters(const DeviceSimProcess& sim, const std::string& request) {
    std::string letters;
    for (const auto& r : sim.Requests())
        if (r.value("request", "") == request)
            letters += r.value("letter", "?");
    return letters;
}

TEST(DeviceExchange, ReadsEachVariant) {
    struct Case {
        const char* variant;
        bool wifiDirect, rf;
        std::vector<std::string> requests;
    };
    const std::vector<std::string> plain = {"reset_query", "start", "SYS_REQ", "start", "IF__GET"};
    std::vector<std::string> withNames = plain;
    withNames.insert(withNames.end(), {"CA_REQ", "KEY_REQ", "PEM_REQ"});
    for (const Case& c : {Case{"basic", false, false, plain}, Case{"wifi-direct", true, false, plain},
                          Case{"wifi-direct-rf", true, true, withNames}}) {
        SCOPED_TRACE(c.variant);
        Rig rig(nlohmann::json{{"variant", c.variant},
                               {"record",
                                {{"bySSID", "Office"},
                                 {"byIP", "192.0.2.7"},
                                 {"byPortNumber", 9100},
                                 {"byP2P_PinCode", "1234"},
                                 {"byDummy3", 1}}},
                               {"system", {{"version", "2.05"}, {"mac", "02:00:5e:10:00:01"}}},
                               {"names", {{"ca", "root.pem"}, {"pem", "client.pem"}}}});
        ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
        std::uint32_t received = 0;
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration(&received));
        EXPECT_EQ(received, 5u);
        const DeviceConfigState& s = rig.state;
        EXPECT_EQ(s.m_bWifiDirect, c.wifiDirect);
        EXPECT_EQ(s.m_bRfModeSelection, c.rf);
        EXPECT_TRUE(s.m_bFactoryReset);
        EXPECT_FALSE(s.m_bRefusal);
        EXPECT_EQ(DeviceRecords::FieldText(s.m_ConfigurationInfo.bySSID), "Office");
        EXPECT_EQ(DeviceRecords::BigEndian16(s.m_ConfigurationInfo.byPortNumber), 9100);
        EXPECT_EQ(s.m_ConfigurationInfo.byIP[3], 7);
        EXPECT_EQ(DeviceRecords::FieldText(s.m_ConfigurationInfo.byP2P_PinCode), c.wifiDirect ? "1234" : "");
        EXPECT_EQ(DeviceRecords::FieldText(s.m_SystemInformation.FW_VERSION), "2.05");
        EXPECT_EQ(DeviceRecords::FieldText(s.m_CertificateName[0].byCertName), c.rf ? "root.pem" : "");
        EXPECT_EQ(DeviceRecords::FieldText(s.m_CertificateName[2].byCertName), c.rf ? "client.pem" : "");
        EXPECT_EQ(std::memcmp(&s.m_ConfigurationInfo, &s.m_ConfigurationInfoAsRead, 618), 0);
        ASSERT_TRUE(rig.sim.WaitForRequests(c.requests.size()));
        EXPECT_EQ(rig.sim.RequestNames(), c.requests);
    }
}

TEST(DeviceExchange, RefusedStartGoesOnInTheAlternateModeAndTheNextReadStartsNormally) {
    Rig rig(nlohmann::json{{"refuse_starts", 1}});
    ASSERT_TRUE(rig.sim.Ready()) << rig.sim.Output();
    ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
    EXPECT_TRUE(rig.state.m_bRefusal);
    EXPECT_EQ(rig.state.m_byModeLetter, 'N');
    ASSERT_TRUE(rig.sim.WaitForRequests(6));
    EXPECT_EQ(Letters(rig.sim, "start"), "CNN");
    EXPECT_EQ(Letters(rig.sim, "SYS_REQ"), "N");
    EXPECT_EQ(Letters(rig.sim, "IF__GET"), "N");

    // A new read begins with 'C' again; this time the module accepts it.
    ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
    EXPECT_FALSE(rig.state.m_bRefusal);
    EXPECT_EQ(rig.state.m_byModeLetter, 'C');
    ASSERT_TRUE(rig.sim.WaitForRequests(11));
    EXPECT_EQ(Letters(rig.sim, "start"), "CNNCC");
    EXPECT_EQ(Letters(rig.sim, "IF__GET"), "NC");
}

TEST(DeviceExchange, SecondRefusalFailsTheRead) {
    Rig rig(nlohmann::json{{"refuse_starts", 1}, {"refuse_alternate_starts", 1}});
    ASSERT_TRUE(rig.sim.Ready());
    std::uint32_t received = 0;
    EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 5u);
    EXPECT_FALSE(rig.state.m_bRefusal);
    ASSERT_TRUE(rig.sim.WaitForRequests(3));
    EXPECT_EQ(rig.sim.RequestNames(), (std::vector<std::string>{"reset_query", "start", "start"}));
}

TEST(DeviceExchange, SilentPrinterFailsAfterTheTablesAttempts) {
    Rig rig(nlohmann::json{{"behaviours", {{{"on", "*"}, {"silent", true}}}}});
    ASSERT_TRUE(rig.sim.Ready());
    const auto start = Clock::now();
    std::uint32_t received = 99;
    EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 0u);
    // The query twice (50 ms each), the start 16 times (250 ms each), the pause after it.
    EXPECT_EQ(rig.tally.Count(), 2 + 16 + 1);
    EXPECT_EQ(rig.tally.Total(), 2 * 50ms + 16 * 250ms + 100ms);
    EXPECT_GE(Clock::now() - start, 4200ms);
    EXPECT_EQ(rig.sim.RequestNames(), (std::vector<std::string>{"reset_query", "start"}));
}

TEST(DeviceExchange, ReplyFaultsOnTheLine) {
    struct Case {
        const char* what;
        nlohmann::json behaviour;
        bool read;
    };
    const Case cases[] = {
        {"IF__CUR in five pieces", {{"on", "IF__GET"}, {"parts", 5}, {"gap_ms", 120}}, true},
        {"SYS_RSP late", {{"on", "SYS_REQ"}, {"delay_ms", 700}}, true},
        {"IF__CUR with a corrupt checksum", {{"on", "IF__GET"}, {"corrupt_checksum", true}}, false},
        {"IF__CUR in upper-case hex", {{"on", "IF__GET"}, {"uppercase", true}}, false},
        {"IF__CUR cut short", {{"on", "IF__GET"}, {"truncate", 1000}}, false},
        {"SYS_RSP with a corrupt checksum", {{"on", "SYS_REQ"}, {"corrupt_checksum", true}}, false},
        {"___FAIL for SYS_REQ", {{"on", "SYS_REQ"}, {"header", "__[I_F]__[___FAIL]"}}, false},
        {"IF__CUR later than the five reads", {{"on", "IF__GET"}, {"delay_ms", 2500}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(nlohmann::json{
            {"variant", "wifi-direct"}, {"record", {{"bySSID", "Lab"}}}, {"behaviours", {c.behaviour}}});
        ASSERT_TRUE(rig.sim.Ready());
        DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "kept");
        EXPECT_EQ(rig.exchange.GetCurrentConfiguration(), c.read);
        // A frame that failed its checks leaves the working record as it was.
        EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_ConfigurationInfo.bySSID), c.read ? "Lab" : "kept");
    }
}

TEST(DeviceExchange, WriteSendsTheVariantBackWithCarriedBytesUnchanged) {
    for (const char* variant : {"basic", "wifi-direct", "wifi-direct-rf"}) {
        SCOPED_TRACE(variant);
        const nlohmann::json record = {{"bySSID", "Office"},
                                       {"byCarried64", "a5"},
                                       {"byCarried139", std::string(156, 'c')},
                                       {"byCarried426", std::string(262, 'e')},
                                       {"byP2P_Carried", "7b"},
                                       {"byDummy3", 0xF6}};
        Rig rig(nlohmann::json{{"variant", variant}, {"record", record}});
        ASSERT_TRUE(rig.sim.Ready());
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
        const std::string sentByModule = rig.sim.State()["record_hex"];
        ASSERT_TRUE(rig.exchange.SaveNewConfiguration(false)) << rig.sim.Output();
        EXPECT_TRUE(rig.messages.Errors().empty());
        EXPECT_EQ(rig.messages.Questions(), std::vector<std::string>{LoadString(163)});

        const auto state = rig.sim.State();
        EXPECT_EQ(state["sets"], 1);
        const ConfigVariant v = rig.state.Variant();
        WLAN_ADVANCED_CONFIG_INFO module{};
        const std::vector<std::uint8_t> bytes = [&] {
            std::vector<std::uint8_t> out;
            for (std::size_t i = 0; i < sentByModule.size(); i += 2)
                out.push_back(static_cast<std::uint8_t>(std::stoul(sentByModule.substr(i, 2), nullptr, 16)));
            return out;
        }();
        std::memcpy(&module, bytes.data(), sizeof module);
        const Bytes payload = DeviceRecords::RecordToPayload(module, v);
        EXPECT_EQ(state["last_set_payload"], Hex(payload.data(), payload.size()));
        EXPECT_EQ(state["record_hex"], sentByModule);
    }
}

TEST(DeviceExchange, SaveErrorCodes) {
    struct Case {
        const char* what;
        nlohmann::json config;
        int code;
        std::uint32_t connection = VRX_DEVICE_INTERFACE_SERIAL;
        bool missingPort = false;
    };
    const Case cases[] = {
        {"no port object", nlohmann::json::object(), 3, 7},
        {"the port does not open", nlohmann::json::object(), 4, VRX_DEVICE_INTERFACE_SERIAL, true},
        {"no answer to the start", {{"behaviours", {{{"on", "start"}, {"after", 2}, {"silent", true}}}}}, 5},
        {"___FAIL", {{"set_reply", "fail"}}, 6},
        {"no answer to IF__SET", {{"behaviours", {{{"on", "IF__SET"}, {"silent", true}}}}}, 6},
        {"a corrupt IF__SUC", {{"behaviours", {{{"on", "IF__SET"}, {"corrupt_checksum", true}}}}}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(c.config);
        ASSERT_TRUE(rig.sim.Ready());
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
        rig.state.m_dwConnectionType = c.connection;
        if (c.missingPort)
            rig.port.SetDeviceOption(SerialOption(rig.sim.dir().file("no-such-port")));
        EXPECT_FALSE(rig.exchange.SaveNewConfiguration(false));
        EXPECT_EQ(rig.messages.Errors(),
                  std::vector<std::string>{LoadString(165) + " (" + std::to_string(c.code) + ")"});
        // Only a module that took the record and whose confirmation was spoiled on the line holds it.
        EXPECT_EQ(rig.sim.State()["sets"], std::string(c.what) == "a corrupt IF__SUC" ? 1 : 0);
    }
}

TEST(DeviceExchange, CertificatesOfEverySize) {
    struct Case {
        std::size_t size;
        int chunks;
        bool accepted;
    };
    for (const Case c : {Case{1, 1, true}, Case{300, 2, true}, Case{301, 3, true}, Case{1000, 2, true},
                         Case{1001, 3, true}, Case{10239, 21, true}, Case{10240, 0, false}}) {
        SCOPED_TRACE(c.size);
        Rig rig(nlohmann::json{{"variant", "wifi-direct-rf"}, {"record", {{"byDummy3", 1}}}});
        ASSERT_TRUE(rig.sim.Ready());
        ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
        ASSERT_TRUE(rig.state.m_bCertificateName);
        std::string content(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i)
            content[i] = static_cast<char>('A' + i % 23);
        const std::string name = "cert-" + std::to_string(c.size) + ".pem";
        rig.sim.dir().write(name, content);
        rig.state.m_nCertificateType = DeviceFrame::kCertificateClientKey;
        EXPECT_EQ(rig.exchange.UploadCertificateDocument(rig.sim.dir().file(name)), c.accepted);
        const auto state = rig.sim.State();
        const auto& key = state["certificates"]["key"];
        if (!c.accepted) {
            EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{LoadString(243)});
            EXPECT_EQ(key["uploads"], 0); // nothing went on the line
            continue;
        }
        EXPECT_EQ(rig.messages.Informations(), std::vector<std::string>{LoadString(244)});
        EXPECT_EQ(key["size"], c.size);
        EXPECT_EQ(key["chunks"], c.chunks);
        EXPECT_EQ(key["hex"], Hex(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
        EXPECT_EQ(state["names"]["key"], name);
        EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_CertificateName[1].byCertName), name);
    }
}

TEST(DeviceExchange, ScanAndFactoryReset) {
    Rig rig(nlohmann::json{{"bss_generate", {{"count", 120}}}, {"record", {{"bySSID", "Factory"}}}});
    ASSERT_TRUE(rig.sim.Ready());
    ASSERT_TRUE(rig.exchange.GetBSSInfoList());
    EXPECT_EQ(rig.state.m_nNumBSSInfo, 100);
    EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_BSSInfo[99].bySSID), "AP99");

    ASSERT_TRUE(rig.exchange.FactoryReset());
    EXPECT_EQ(rig.messages.Informations(), std::vector<std::string>{LoadString(162)});
    EXPECT_EQ(rig.sim.State()["factory_resets"], 1);
}

} // namespace
