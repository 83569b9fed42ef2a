// The module simulator over its pty, driven by hand: requests written from here, replies read back.

#include "DeviceSimProcess.h"
#include "PtyLine.h"

#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace Frame = DeviceFrame;
using Clock = std::chrono::steady_clock;

template <std::size_t N> Bytes Of(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

int ElapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

TEST(DeviceSim, PrintsItsPtyAndLinksIt) {
    DeviceSimProcess sim(nlohmann::json::object());
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const std::string pty = sim.PtyPath();
    EXPECT_EQ(pty.rfind("/dev/pts/", 0), 0u) << pty;
    EXPECT_EQ(std::filesystem::read_symlink(sim.LinkPath()).string(), pty);
    EXPECT_EQ(sim.State()["pty"], pty);
    sim.Stop();
    EXPECT_EQ(sim.ExitStatus(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(sim.LinkPath())); // removed at the end
}

TEST(DeviceSim, RefusesToReplaceAFileWithItsLink) {
    TempDir dir;
    DeviceSimProcess probe(nlohmann::json::object(), false);
    ASSERT_TRUE(probe.Ready());
    // A regular file where the link should go stays as it is, and the simulator does not start.
    const std::string bin = DeviceSimProcess::Program("QL_DEVICE_SIM_BIN", "quorlink-device-sim");
    dir.write("config.json", "{}");
    dir.write("printer", "keep me");
    const std::string command = bin + " " + dir.file("config.json") + " --link " + dir.file("printer") +
                                " > " + dir.file("out.txt") + " 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    EXPECT_EQ(dir.read("printer"), "keep me");
    EXPECT_NE(dir.read("out.txt").find("not a symbolic link"), std::string::npos);
}

TEST(DeviceSim, RefusesABadConfigurationWithItsReason) {
    DeviceSimProcess sim(nlohmann::json{{"variant", "dual"}});
    EXPECT_FALSE(sim.Ready());
    for (int i = 0; i < 200 && sim.Running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(sim.ExitStatus(), 2);
    EXPECT_NE(sim.Output().find("variant must be"), std::string::npos) << sim.Output();
}

// The order of a configuration read, with the port closed and opened again between the two halves as a
// retry would: the simulator's end of the line stays up throughout.
TEST(DeviceSim, AnswersAWholeReadAcrossReopens) {
    DeviceSimProcess sim(nlohmann::json{{"variant", "wifi-direct-rf"},
                                        {"record", {{"bySSID", "Office"}, {"byDummy3", 1}}},
                                        {"names", {{"ca", "root-ca.pem"}}},
                                        {"refuse_starts", 1}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    {
        PtyLine line(sim.LinkPath());
        ASSERT_TRUE(line.IsOpen());
        const Bytes q = line.Exchange(Of(Frame::kFactoryResetQuery), 500, 4);
        EXPECT_TRUE(Frame::IsFactoryResetSupportedReply(q.data(), q.size()));
        Bytes r = line.Exchange(Of(Frame::ConfigStartCommand('C')));
        EXPECT_EQ(Frame::ClassifyStartReply(r.data(), r.size()), Frame::StartReply::Refused);
        r = line.Exchange(Of(Frame::ConfigStartCommand('N')));
        EXPECT_EQ(Frame::ClassifyStartReply(r.data(), r.size()), Frame::StartReply::Accepted);
        r = line.Exchange(Frame::BuildFrame('N', Frame::kSysReq));
        EXPECT_TRUE(
            Frame::ParseFrame(r.data(), r.size(), Frame::kSysReplyMinLength).HasHeader(Frame::kSysRsp));
    }
    {
        PtyLine line(sim.PtyPath());
        ASSERT_TRUE(line.IsOpen());
        Bytes r = line.Exchange(Of(Frame::ConfigStartCommand('N')));
        EXPECT_EQ(Frame::ClassifyStartReply(r.data(), r.size()), Frame::StartReply::Accepted);
        r = line.Exchange(Frame::BuildFrame('N', Frame::kIfGet), 2000, 1252);
        ASSERT_EQ(r.size(), 1280u);
        const auto parsed = Frame::ParseFrame(r.data(), r.size(), Frame::kConfigReplyMinLength);
        ASSERT_TRUE(parsed.Ok());
        WLAN_ADVANCED_CONFIG_INFO record{};
        ASSERT_TRUE(DeviceRecords::PayloadToRecord(parsed.After(Frame::kIfCur),
                                                   parsed.SizeAfter(Frame::kIfCur),
                                                   DeviceRecords::ConfigVariant::WifiDirectRf, record));
        EXPECT_EQ(DeviceRecords::FieldText(record.bySSID), "Office");
        r = line.Exchange(Frame::BuildFrame('N', Frame::kCaReq));
        const auto name = Frame::ParseFrame(r.data(), r.size());
        ASSERT_TRUE(name.HasHeader(Frame::kCaRsp));
        EXPECT_EQ(DeviceRecords::FieldText(name.After(Frame::kCaRsp), 34), "root-ca.pem");
    }
    ASSERT_TRUE(sim.WaitForRequests(7));
    const std::vector<std::string> expected = {"reset_query", "start",   "start", "SYS_REQ",
                                               "start",       "IF__GET", "CA_REQ"};
    EXPECT_EQ(sim.RequestNames(), expected);
    const auto requests = sim.Requests();
    EXPECT_EQ(requests[1]["reply"], "refused");
    EXPECT_EQ(requests[1]["letter"], "C");
    EXPECT_EQ(requests[3]["letter"], "N");
    EXPECT_EQ(requests[3]["length"], 44);
    EXPECT_EQ(sim.State()["mode"], "N");
}

TEST(DeviceSim, ReplyTimingOnTheLine) {
    DeviceSimProcess sim(
        nlohmann::json{{"behaviours",
                        {{{"on", "SYS_REQ"}, {"times", 1}, {"parts", 4}, {"gap_ms", 100}},
                         {{"on", "SYS_REQ"}, {"after", 1}, {"times", 1}, {"delay_ms", 400}},
                         {{"on", "SYS_REQ"}, {"after", 2}, {"times", 1}, {"silent", true}}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    PtyLine line(sim.PtyPath());
    const Bytes request = Frame::BuildFrame('C', Frame::kSysReq);

    int reads = 0;
    ASSERT_TRUE(line.Write(request));
    auto start = Clock::now();
    Bytes r = line.ReadReply(2000, 1, &reads);
    EXPECT_GE(reads, 4); // the pieces came as separate writes, 100 ms apart
    EXPECT_GE(ElapsedMs(start), 290);
    EXPECT_TRUE(Frame::ParseFrame(r.data(), r.size()).HasHeader(Frame::kSysRsp));

    ASSERT_TRUE(line.Write(request));
    start = Clock::now();
    EXPECT_TRUE(line.ReadFor(300).empty()); // late: nothing before its delay
    r = line.ReadReply(1000);
    EXPECT_GE(ElapsedMs(start), 390);
    EXPECT_TRUE(Frame::ParseFrame(r.data(), r.size()).Ok());

    ASSERT_TRUE(line.Write(request));
    EXPECT_TRUE(line.ReadFor(500).empty()); // silent
    r = line.Exchange(request);             // and itself again after that
    EXPECT_TRUE(Frame::ParseFrame(r.data(), r.size()).Ok());
    ASSERT_TRUE(sim.WaitForRequests(4));
    EXPECT_EQ(sim.Requests()[2]["reply"], "silent");
}

TEST(DeviceSim, LongScanReplyComesThroughWhole) {
    DeviceSimProcess sim(nlohmann::json{{"bss_generate", {{"count", 120}, {"prefix", "AP"}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    PtyLine line(sim.PtyPath());
    const Bytes r = line.Exchange(Frame::BuildFrame('C', Frame::kBssReq), 3000);
    EXPECT_GT(r.size(), 4096u); // more than a terminal's input buffer
    EXPECT_LE(r.size(), Frame::kScanBufferSize);
    const auto parsed = Frame::ParseFrame(r.data(), r.size(), Frame::kBssReplyMinLength);
    ASSERT_TRUE(parsed.Ok());
    BSS_INFO table[VRX_MAX_BSS_INFO];
    EXPECT_EQ(DeviceRecords::ParseBssResponse(parsed.message.data(), parsed.message.size(), table), 100);
}

TEST(DeviceSim, StoresWhatTheToolSendsAndWritesItsState) {
    Bytes certificate(10239);
    for (std::size_t i = 0; i < certificate.size(); ++i)
        certificate[i] = static_cast<std::uint8_t>(i * 13 + 5);
    DeviceSimProcess sim(nlohmann::json{{"variant", "basic"}, {"record", {{"bySSID", "Old"}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    PtyLine line(sim.PtyPath());

    WLAN_ADVANCED_CONFIG_INFO record{};
    DeviceRecords::SetFieldText(record.bySSID, "New");
    DeviceRecords::SetFieldText(record.byPSK_Key, "s3cret-psk");
    Bytes r = line.Exchange(
        DeviceRecords::ConfigurationFrame(record, DeviceRecords::ConfigVariant::Basic, true, 'C'));
    EXPECT_TRUE(Frame::ParseFrame(r.data(), r.size()).HasHeader(Frame::kIfSuc));

    r = line.Exchange(Of(Frame::CertificateStartCommand('C', Frame::kCertificateCA)), 1000, 8);
    ASSERT_TRUE(Frame::IsCertificateStartReply(r.data(), r.size()));
    for (std::uint32_t at = 0; at < certificate.size(); at += 500) {
        const std::uint32_t size =
            std::min<std::uint32_t>(500, static_cast<std::uint32_t>(certificate.size()) - at);
        r = line.Exchange(Frame::Frame(
            'C', Frame::BuildCertificateChunkMessage(size < 500, at, certificate.data() + at, size)));
        ASSERT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success) << at;
    }
    std::uint8_t name[32] = {'c', 'a', '.', 'p', 'e', 'm'};
    r = line.Exchange(Frame::Frame('C', Frame::BuildCertificateNameSetMessage(Frame::kCertificateCA, name)));
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);

    ASSERT_TRUE(sim.WaitForRequests(1 + 1 + 21 + 1));
    const auto state = sim.State();
    EXPECT_EQ(state["record"]["bySSID"], "New");
    EXPECT_EQ(state["record"]["byPSK_Key"], "s3cret-psk");
    EXPECT_EQ(state["sets"], 1);
    EXPECT_EQ(state["certificates"]["ca"]["size"], 10239);
    EXPECT_EQ(state["certificates"]["ca"]["chunks"], 21);
    EXPECT_EQ(state["certificates"]["ca"]["ended"], true);
    std::string hex;
    for (std::uint8_t b : certificate) {
        static const char digits[] = "0123456789abcdef";
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    EXPECT_EQ(state["certificates"]["ca"]["hex"], hex);
    EXPECT_EQ(state["names"]["ca"], "ca.pem");
}

} // namespace
