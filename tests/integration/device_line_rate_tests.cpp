// The device road on serial lines at their real pace: quorlink-device-sim paces the pty like a UART at the
// given rate both ways, and the command line reads, saves, scans and uploads a certificate over it.

#include "DeviceCliRun.h"
#include "DeviceSimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

// What a module holds that passes the page's checks on a save (a system name, a user, the SNMP
// communities).
const nlohmann::json kRecord = {{"bySSID", "Office"},
                                {"byAuthentication", 3},
                                {"byEncryption", 4},
                                {"byPSK_Key", "psk-1234"},
                                {"bySystemName", "PRN-01"},
                                {"byUserName", "admin"},
                                {"byUserPassword", "pw-5678"},
                                {"bySNMPGetCommunity", "public"},
                                {"szSNMPSetCommunity", "public"},
                                {"szSNMPTrapCommunity", "public"},
                                {"byIP", "192.0.2.7"},
                                {"byDummy3", 1}};

// The time bytes take on a line of baud bits a second, ten bits a byte.
double LineMs(std::size_t bytes, int baud) {
    return static_cast<double>(bytes) * 10.0 * 1000.0 / baud;
}

double MsSince(Clock::time_point began) {
    return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
}

class DeviceLineRate : public ::testing::TestWithParam<int> {
protected:
    std::vector<std::string> Port(const DeviceSimProcess& sim) const {
        return {"--port", sim.LinkPath(), "--baud", std::to_string(GetParam())};
    }
    static std::vector<std::string> Args(std::vector<std::string> command,
                                         const std::vector<std::string>& port,
                                         const std::vector<std::string>& more = {}) {
        command.insert(command.end(), port.begin(), port.end());
        command.insert(command.end(), more.begin(), more.end());
        return command;
    }
};

// Read, save, scan and a certificate upload each succeed at the line's pace; the read and the save take
// at least the time their frames take on the line (the simulator really paces it).
TEST_P(DeviceLineRate, ReadSaveScanAndCertificateUpload) {
    const int baud = GetParam();
    DeviceSimProcess sim(nlohmann::json{{"variant", "wifi-direct-rf"},
                                        {"record", kRecord},
                                        {"names", {{"ca", "root.pem"}}},
                                        {"bss_generate", {{"count", 40}, {"prefix", "AP"}}}},
                         true, {"--baud", std::to_string(baud)});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const auto port = Port(sim);

    auto began = Clock::now();
    DeviceCliRun run = DeviceCliRun::Run(Args({"device", "read"}, port, {"--json"}));
    const double readMs = MsSince(began);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json read = nlohmann::json::parse(run.out, nullptr, false);
    EXPECT_EQ(read["variant"], "wifi-direct-rf");
    EXPECT_EQ(read["record"]["bySSID"], "Office");
    EXPECT_EQ(read["certificate_names"]["ca"], "root.pem");
    // The IF__CUR frame alone: 1280 bytes.
    EXPECT_GE(readMs, LineMs(1280, baud));

    began = Clock::now();
    run = DeviceCliRun::Run(Args({"device", "set"}, port, {"bySSID=Lab"}));
    const double setMs = MsSince(began);
    ASSERT_EQ(run.status, 0) << run.err;
    nlohmann::json state = sim.State();
    EXPECT_EQ(state["sets"], 1);
    EXPECT_EQ(state["record"]["bySSID"], "Lab");
    EXPECT_EQ(state["record"]["byPSK_Key"], "psk-1234");
    // The set reads first: IF__CUR in, IF__SET out.
    EXPECT_GE(setMs, LineMs(2 * 1280, baud));

    began = Clock::now();
    run = DeviceCliRun::Run(Args({"device", "scan"}, port, {"--json"}));
    const double scanMs = MsSince(began);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json list = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(list.is_array()) << run.out;
    EXPECT_EQ(list.size(), 40u);

    // 1001 bytes: three chunks, two of them 1064-byte frames, then the name.
    // A PEM file of 1001 bytes (anything else is uploaded only with --force).
    const std::string head = "-----BEGIN CERTIFICATE-----\n", tail = "-----END CERTIFICATE-----\n";
    sim.dir().write("client.pem",
                    head + std::string(1001 - head.size() - tail.size() - 1, 'c') + "\n" + tail);
    began = Clock::now();
    run = DeviceCliRun::Run(Args({"device", "cert"}, port, {"--type", "pem", sim.dir().file("client.pem")}));
    const double certMs = MsSince(began);
    ASSERT_EQ(run.status, 0) << run.err;
    state = sim.State();
    EXPECT_EQ(state["certificates"]["pem"]["size"], 1001);
    EXPECT_EQ(state["names"]["pem"], "client.pem");
    EXPECT_GE(certMs, LineMs(2 * 1064, baud));

    std::printf("line %6d baud: read %7.0f ms (IF__CUR on the line %5.0f ms), set %7.0f ms, scan %7.0f ms, "
                "certificate %7.0f ms\n",
                baud, readMs, LineMs(1280, baud), setMs, scanMs, certMs);
}

INSTANTIATE_TEST_SUITE_P(Baud, DeviceLineRate, ::testing::Values(9600, 115200),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param);
                         });

} // namespace
