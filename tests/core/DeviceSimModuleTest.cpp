#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecordFields.h"
#include "devcfg/DeviceRecordJson.h"
#include "devcfg/DeviceRecords.h"
#include "sim/device/DeviceModule.h"
#include "sim/device/DeviceReplyBehaviour.h"
#include "sim/device/DeviceRequestReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using DeviceRecords::ConfigVariant;
namespace Frame = DeviceFrame;

Bytes Of(std::initializer_list<int> values) {
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}
template <std::size_t N> Bytes Of(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

DeviceRequest Request(const Bytes& bytes) {
    DeviceRequestReader reader;
    reader.Feed(bytes.data(), bytes.size());
    auto requests = reader.Take();
    EXPECT_EQ(requests.size(), 1u);
    return requests.empty() ? DeviceRequest{} : requests.front();
}

// The whole reply of one request, its pieces joined.
Bytes Joined(const DeviceModule::Outcome& outcome) {
    Bytes out;
    for (const auto& piece : outcome.pieces)
        out.insert(out.end(), piece.bytes.begin(), piece.bytes.end());
    return out;
}

Bytes Ask(DeviceModule& module, const Bytes& request) {
    return Joined(module.Take(Request(request)));
}

DeviceModule Module(const std::string& json) {
    return DeviceModule(DeviceModule::SettingsFromJson(nlohmann::json::parse(json)));
}

Bytes StartC() {
    return Of(Frame::ConfigStartCommand(Frame::kModeNormal));
}

TEST(DeviceRequestReader, CutsTheStreamIntoMessages) {
    const Bytes sys = Frame::BuildFrame('C', Frame::kSysReq);
    struct Case {
        const char* what;
        Bytes stream;
        std::vector<DeviceRequest::Kind> kinds;
        std::vector<std::size_t> lengths;
    };
    using K = DeviceRequest::Kind;
    const Case cases[] = {
        {"every kind back to back",
         Cat({Of(Frame::kFactoryResetQuery), StartC(), sys, Of(Frame::CertificateStartCommand('N', 1)),
              Of(Frame::CertificateStartCommand('C', 7)), Of(Frame::kFactoryReset)}),
         {K::ResetQuery, K::ConfigStart, K::Frame, K::CertStart, K::CertStart, K::FactoryReset},
         {4, 7, 44, 7, 7, 5}},
        {"noise before a prefix", Cat({Of({0x00, 0x41, 0x1F}), sys}), {K::Garbage, K::Frame}, {3, 44}},
        {"a frame cut short by the next message",
         Cat({Bytes(sys.begin(), sys.begin() + 20), StartC()}),
         {K::Garbage, K::ConfigStart},
         {20, 7}},
        {"an unfinished frame waits", Bytes(sys.begin(), sys.end() - 1), {}, {}},
        {"an unfinished start waits", Of({0x1F, 'W', 'C', 0x7F, 0x1D}), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceRequestReader reader;
        // Byte by byte: where the reads of the line fall must not matter.
        std::vector<DeviceRequest> got;
        for (std::uint8_t byte : c.stream) {
            reader.Feed(&byte, 1);
            for (auto& r : reader.Take())
                got.push_back(std::move(r));
        }
        ASSERT_EQ(got.size(), c.kinds.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].kind, c.kinds[i]) << i;
            EXPECT_EQ(got[i].bytes.size(), c.lengths[i]) << i;
        }
        EXPECT_EQ(reader.Pending(), c.kinds.empty());
    }
    DeviceRequestReader reader;
    reader.Feed(sys.data(), 10);
    const auto flushed = reader.Flush();
    ASSERT_EQ(flushed.size(), 1u);
    EXPECT_EQ(flushed[0].kind, DeviceRequest::Kind::Garbage);
    EXPECT_FALSE(reader.Pending());
}

TEST(DeviceReplyBehaviour, WindowsCountEachEntrysOwnOccurrences) {
    DeviceBehaviourTable table(
        {DeviceReplyBehaviour::FromJson({{"on", "start"}, {"after", 1}, {"times", 2}, {"silent", true}}),
         DeviceReplyBehaviour::FromJson({{"on", "chunk"}, {"delay_ms", 70}}),
         DeviceReplyBehaviour::FromJson({{"on", "*"}, {"delay_ms", 5}})});
    const bool silent[] = {false, true, true, false, false};
    for (bool expected : silent)
        EXPECT_EQ(table.Next("start").silent, expected);
    EXPECT_EQ(table.Next("FW_CERT").delayMs, 70);
    EXPECT_EQ(table.Next("CERTEND").delayMs, 70);
    EXPECT_EQ(table.Next("SYS_REQ").delayMs, 5);
    EXPECT_THROW(DeviceReplyBehaviour::FromJson({{"on", "start"}, {"silnet", true}}), std::invalid_argument);
}

TEST(DeviceReplyBehaviour, PiecesFollowTheSplitAndTheWaits) {
    Bytes reply(100);
    for (std::size_t i = 0; i < reply.size(); ++i)
        reply[i] = static_cast<std::uint8_t>(i);
    struct Case {
        nlohmann::json behaviour;
        std::vector<std::size_t> sizes;
        std::vector<int> waits;
    };
    const Case cases[] = {
        {nlohmann::json::object(), {100}, {0}},
        {{{"delay_ms", 400}}, {100}, {400}},
        {{{"split", {10, 20}}, {"delay_ms", 5}}, {10, 20, 70}, {5, 30, 30}},
        {{{"parts", 3}, {"gap_ms", 80}}, {33, 33, 34}, {0, 80, 80}},
        {{{"split", {150}}}, {100}, {0}},
        {{{"truncate", 40}, {"garbage_before", "hex:aabb"}}, {42}, {0}},
        {{{"silent", true}}, {}, {}},
        {{{"hangup_after", 60}, {"parts", 2}}, {30, 30}, {0, 30}},
        {{{"hangup_after", 0}, {"delay_ms", 7}}, {0}, {7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.behaviour.dump());
        const auto pieces = PlanPieces(DeviceReplyBehaviour::FromJson(c.behaviour), reply);
        ASSERT_EQ(pieces.size(), c.sizes.size());
        Bytes joined;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].bytes.size(), c.sizes[i]);
            EXPECT_EQ(pieces[i].waitMs, c.waits[i]);
            joined.insert(joined.end(), pieces[i].bytes.begin(), pieces[i].bytes.end());
        }
        if (!c.behaviour.contains("truncate") && !c.behaviour.contains("hangup_after") && !pieces.empty()) {
            EXPECT_EQ(joined, reply);
        }
        // A hang-up comes after the last piece, and only there.
        for (std::size_t i = 0; i < pieces.size(); ++i)
            EXPECT_EQ(pieces[i].hangup, c.behaviour.contains("hangup_after") && i + 1 == pieces.size()) << i;
    }
}

TEST(DeviceModule, HandshakeRefusesTheConfiguredStartsThenAccepts) {
    DeviceModule module = Module(R"({"refuse_starts": 1, "refuse_alternate_starts": 1})");
    const Bytes accepted = Of({0x1F, 'W', 'M', 0x7F, 0x03});
    const Bytes refused = Of({0x1F, 'W', 'M', 0x7E, 0x03});
    EXPECT_EQ(Ask(module, StartC()), refused);
    EXPECT_EQ(Ask(module, Of(Frame::ConfigStartCommand('N'))), refused); // a second refusal
    EXPECT_EQ(Ask(module, Of(Frame::ConfigStartCommand('N'))), accepted);
    EXPECT_EQ(Ask(module, StartC()), accepted);
    EXPECT_TRUE(Ask(module, Of(Frame::ConfigStartCommand('X'))).empty());
    const auto state = module.State();
    EXPECT_EQ(state["starts"]["refused"], 1);
    EXPECT_EQ(state["starts"]["refused_alternate"], 1);
    EXPECT_EQ(state["starts"]["accepted"], 2);
    EXPECT_EQ(Frame::ClassifyStartReply(accepted.data(), accepted.size()), Frame::StartReply::Accepted);
}

TEST(DeviceModule, FactoryResetQueryAndReset) {
    DeviceModule yes = Module(R"({"record": {"bySSID": "Factory"}})");
    DeviceModule no = Module(R"({"factory_reset_supported": false})");
    const Bytes a = Ask(yes, Of(Frame::kFactoryResetQuery));
    const Bytes b = Ask(no, Of(Frame::kFactoryResetQuery));
    EXPECT_TRUE(Frame::IsFactoryResetSupportedReply(a.data(), a.size()));
    EXPECT_FALSE(Frame::IsFactoryResetSupportedReply(b.data(), b.size()));

    // A stored record and name are gone after the reset.
    WLAN_ADVANCED_CONFIG_INFO changed = yes.record();
    DeviceRecords::SetFieldText(changed.bySSID, "Changed");
    ASSERT_FALSE(
        Ask(yes, DeviceRecords::ConfigurationFrame(changed, ConfigVariant::WifiDirectRf, true, 'C')).empty());
    EXPECT_EQ(DeviceRecords::FieldText(yes.record().bySSID), "Changed");
    const Bytes reset = Ask(yes, Of(Frame::kFactoryReset));
    EXPECT_TRUE(Frame::ContainsOkReply(reset.data(), reset.size()));
    EXPECT_EQ(DeviceRecords::FieldText(yes.record().bySSID), "Factory");
    EXPECT_EQ(yes.State()["factory_resets"], 1);
}

TEST(DeviceModule, ConfigurationReadIsTheVariantsFrame) {
    const char* json = R"({"variant": "%s", "record": {"bySSID": "Office", "byP2P_PinCode": "1234",
        "byRFMode": 2, "byDummy3": 1, "byPortNumber": 9100, "byIncativityTime": 300, "byIP": "192.0.2.7",
        "byCarried139": "%s"}})";
    const std::string carried(156, 'a');
    struct Case {
        const char* variant;
        ConfigVariant expected;
        std::size_t frameLength;
    };
    for (const Case c :
         {Case{"basic", ConfigVariant::Basic, 1252}, Case{"wifi-direct", ConfigVariant::WifiDirect, 1276},
          Case{"wifi-direct-rf", ConfigVariant::WifiDirectRf, 1280}}) {
        SCOPED_TRACE(c.variant);
        char text[1024];
        std::snprintf(text, sizeof text, json, c.variant, carried.c_str());
        DeviceModule module = Module(text);
        const Bytes frame = Ask(module, Frame::BuildFrame('C', Frame::kIfGet));
        ASSERT_EQ(frame.size(), c.frameLength);
        EXPECT_EQ(DeviceRecords::VariantForFrameLength(frame.size()), c.expected);
        const auto parsed = Frame::ParseFrame(frame.data(), frame.size(), Frame::kConfigReplyMinLength);
        ASSERT_TRUE(parsed.Ok());
        ASSERT_TRUE(parsed.HasHeader(Frame::kIfCur));
        WLAN_ADVANCED_CONFIG_INFO read{};
        ASSERT_TRUE(DeviceRecords::PayloadToRecord(parsed.After(Frame::kIfCur),
                                                   parsed.SizeAfter(Frame::kIfCur), c.expected, read));
        EXPECT_EQ(DeviceRecords::FieldText(read.bySSID), "Office");
        EXPECT_EQ(DeviceRecords::BigEndian16(read.byPortNumber), 9100);
        EXPECT_EQ(DeviceRecords::BigEndian16(read.byIncativityTime), 300);
        EXPECT_EQ(read.byCarried139[0], 0xAA);
        EXPECT_EQ(DeviceRecords::FieldText(read.byP2P_PinCode),
                  c.expected == ConfigVariant::Basic ? "" : "1234");
        EXPECT_EQ(read.byRFMode, c.expected == ConfigVariant::WifiDirectRf ? 2 : 0);
        EXPECT_EQ(read.byDummy3, c.expected == ConfigVariant::WifiDirectRf ? 1 : 0);
    }
}

TEST(DeviceModule, SystemInformation) {
    DeviceModule module =
        Module(R"({"system": {"version": "2.05", "date": "2026-11-30", "mac": "02:00:5E:10:00:FF"}})");
    const Bytes frame = Ask(module, Frame::BuildFrame('C', Frame::kSysReq));
    const auto parsed = Frame::ParseFrame(frame.data(), frame.size(), Frame::kSysReplyMinLength);
    ASSERT_TRUE(parsed.Ok());
    ASSERT_TRUE(parsed.HasHeader(Frame::kSysRsp));
    WLAN_ADVANCED_SYS_INFO info{};
    std::memcpy(&info, parsed.After(Frame::kSysRsp), sizeof info);
    EXPECT_EQ(DeviceRecords::FieldText(info.FW_VERSION), "2.05");
    EXPECT_EQ(DeviceRecords::FieldText(info.FW_DATE), "2026-11-30");
    EXPECT_EQ(info.FW_MACADDRESS[5], 0xFF);
}

TEST(DeviceModule, SaveStoresTheCarriedBytesOfItsVariantOnly) {
    for (const char* variant : {"basic", "wifi-direct", "wifi-direct-rf"}) {
        SCOPED_TRACE(variant);
        DeviceModule module =
            Module(std::string(R"({"variant": ")") + variant + R"(", "record": {"bySSID": "Old"}})");
        const ConfigVariant v = DeviceModule::SettingsFromJson({{"variant", variant}}).variant;
        WLAN_ADVANCED_CONFIG_INFO sent = module.record();
        DeviceRecords::SetFieldText(sent.bySSID, "New");
        DeviceRecords::SetFieldText(sent.byP2P_PinCode, "87654321");
        sent.byRFMode = 3;
        const Bytes reply = Ask(module, DeviceRecords::ConfigurationFrame(sent, v, true, 'C'));
        const auto parsed = Frame::ParseFrame(reply.data(), reply.size());
        ASSERT_TRUE(parsed.Ok());
        EXPECT_TRUE(parsed.HasHeader(Frame::kIfSuc));
        EXPECT_EQ(DeviceRecords::FieldText(module.record().bySSID), "New");
        EXPECT_EQ(DeviceRecords::FieldText(module.record().byP2P_PinCode),
                  v == ConfigVariant::Basic ? "" : "87654321");
        EXPECT_EQ(module.record().byRFMode, v == ConfigVariant::WifiDirectRf ? 3 : 0);
        const auto state = module.State();
        EXPECT_EQ(state["sets"], 1);
        EXPECT_EQ(state["last_set_payload"].get<std::string>().size(), 2 * DeviceRecords::PayloadSize(v));
    }
}

TEST(DeviceModule, SaveFailures) {
    struct Case {
        const char* what;
        const char* config;
        ConfigVariant sent;
        bool corrupt;
    };
    const Case cases[] = {
        {"configured to fail", R"({"set_reply": "fail"})", ConfigVariant::WifiDirectRf, false},
        {"another variant", R"({"variant": "basic"})", ConfigVariant::WifiDirect, false},
        {"a bad checksum", R"({})", ConfigVariant::WifiDirectRf, true},
        {"a behaviour's header", R"({"behaviours": [{"on": "IF__SET", "header": "__[I_F]__[___FAIL]"}]})",
         ConfigVariant::WifiDirectRf, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceModule module = Module(c.config);
        WLAN_ADVANCED_CONFIG_INFO sent = module.record();
        DeviceRecords::SetFieldText(sent.bySSID, "New");
        Bytes frame = DeviceRecords::ConfigurationFrame(sent, c.sent, true, 'C');
        if (c.corrupt)
            frame[frame.size() - 2] ^= 1;
        const Bytes reply = Ask(module, frame);
        const auto parsed = Frame::ParseFrame(reply.data(), reply.size());
        EXPECT_EQ(parsed.check, Frame::FrameCheck::FirmwareFail);
        EXPECT_EQ(DeviceRecords::FieldText(module.record().bySSID), "");
        EXPECT_EQ(module.State()["sets"], 0);
    }
}

TEST(DeviceModule, ScanReplyCarriesTheListAsTheToolParsesIt) {
    DeviceModule module = Module(R"({"bss": [
        {"ssid": "Office", "bssid": "02:11:22:33:44:55", "mode": 1, "rssi": -67, "security": 12},
        {"ssid": "   ", "rssi": -40},
        {"ssid": "LongName", "ssid_length": 40, "security": 4}],
        "bss_generate": {"count": 117, "prefix": "AP"}})");
    const Bytes frame = Ask(module, Frame::BuildFrame('C', Frame::kBssReq));
    EXPECT_LE(frame.size(), Frame::kScanBufferSize); // 120 entries with short names fit the scan's buffer
    const auto parsed = Frame::ParseFrame(frame.data(), frame.size(), Frame::kBssReplyMinLength);
    ASSERT_TRUE(parsed.Ok());
    ASSERT_TRUE(parsed.HasHeader(Frame::kBssRsp));
    BSS_INFO table[VRX_MAX_BSS_INFO];
    EXPECT_EQ(DeviceRecords::ParseBssResponse(parsed.message.data(), parsed.message.size(), table), 100);
    EXPECT_EQ(DeviceRecords::FieldText(table[0].bySSID), "Office");
    EXPECT_EQ(DeviceRecords::Rssi(table[0]), -67);
    EXPECT_EQ(table[0].byNetworkMode, 1);
    EXPECT_EQ(table[0].bySecurity, 12);
    EXPECT_EQ(table[0].byBSSID[5], 0x55);
    EXPECT_EQ(table[1].bySSIDLength, 40); // the blank one is not stored
    EXPECT_EQ(DeviceRecords::FieldText(table[1].bySSID, 32), "LongNamexxxxxxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(DeviceRecords::FieldText(table[2].bySSID), "AP0");
    EXPECT_EQ(DeviceRecords::FieldText(table[99].bySSID), "AP97");
}

TEST(DeviceModule, BehavioursChangeTheReplyOnTheLine) {
    DeviceModule module = Module(R"({"behaviours": [
        {"on": "SYS_REQ", "times": 1, "corrupt_checksum": true},
        {"on": "SYS_REQ", "after": 1, "times": 1, "uppercase": true},
        {"on": "SYS_REQ", "after": 2, "times": 1, "silent": true},
        {"on": "SYS_REQ", "after": 3, "times": 1, "truncate": 100}]})");
    const Bytes request = Frame::BuildFrame('C', Frame::kSysReq);
    Bytes r = Ask(module, request);
    EXPECT_EQ(Frame::ParseFrame(r.data(), r.size()).check, Frame::FrameCheck::ChecksumFailed);
    r = Ask(module, request);
    EXPECT_EQ(Frame::ParseFrame(r.data(), r.size()).check, Frame::FrameCheck::ChecksumFailed);
    EXPECT_NE(std::find(r.begin(), r.end(), 'F'), r.end());
    EXPECT_TRUE(Ask(module, request).empty());
    r = Ask(module, request);
    EXPECT_EQ(r.size(), 100u);
    EXPECT_EQ(Frame::ParseFrame(r.data(), r.size()).check, Frame::FrameCheck::NoEndByte);
    r = Ask(module, request);
    EXPECT_TRUE(Frame::ParseFrame(r.data(), r.size()).Ok());
}

TEST(DeviceModule, CertificateUploadChecksEveryChunk) {
    DeviceModule module = Module(R"({"chunk_reply": "unencoded"})");
    Bytes certificate(1001);
    for (std::size_t i = 0; i < certificate.size(); ++i)
        certificate[i] = static_cast<std::uint8_t>(i * 7);
    auto chunk = [&](bool last, std::uint32_t at, std::uint32_t size) {
        return Frame::Frame('C',
                            Frame::BuildCertificateChunkMessage(last, at, certificate.data() + at, size));
    };
    const Bytes start = Ask(module, Of(Frame::CertificateStartCommand('C', Frame::kCertificateClientPEM)));
    EXPECT_TRUE(Frame::IsCertificateStartReply(start.data(), start.size()));

    Bytes r = Ask(module, chunk(false, 0, 500));
    EXPECT_EQ(r.size(), 22u);
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);
    Bytes bad = chunk(false, 500, 500);
    bad[40] = bad[40] == 'a' ? 'b' : 'a'; // a data byte changed on the line: the CRC no longer holds
    r = Ask(module, bad);
    EXPECT_NE(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);
    r = Ask(module, chunk(false, 600, 400)); // not where the last good chunk ended
    EXPECT_NE(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);
    r = Ask(module, chunk(false, 500, 500));
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);
    r = Ask(module, chunk(true, 1000, 1));
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);

    std::uint8_t name[Frame::kCertificateNameFieldSize] = {};
    std::memcpy(name, "client.pem", 10);
    r = Ask(module,
            Frame::Frame('C', Frame::BuildCertificateNameSetMessage(Frame::kCertificateClientPEM, name)));
    EXPECT_GE(r.size(), Frame::kEncodedReplyMinLength);
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::Success);

    r = Ask(module, Frame::BuildFrame('C', Frame::kPemReq));
    const auto parsed = Frame::ParseFrame(r.data(), r.size());
    ASSERT_TRUE(parsed.Ok());
    ASSERT_TRUE(parsed.HasHeader(Frame::kPemRsp));
    EXPECT_EQ(DeviceRecords::FieldText(parsed.After(Frame::kPemRsp), 34), "client.pem");

    const auto state = module.State();
    EXPECT_EQ(state["certificates"]["pem"]["size"], 1001);
    EXPECT_EQ(state["certificates"]["pem"]["chunks"], 3);
    EXPECT_EQ(state["certificates"]["pem"]["ended"], true);
    EXPECT_EQ(state["names"]["pem"], "client.pem");
    EXPECT_EQ(state["certificates"]["ca"]["size"], 0);
}

TEST(DeviceModule, ChunkWithoutAStartFails) {
    DeviceModule module = Module("{}");
    const Bytes data(10, 1);
    const Bytes r =
        Ask(module, Frame::Frame('C', Frame::BuildCertificateChunkMessage(false, 0, data.data(), 10)));
    EXPECT_EQ(Frame::ClassifyUncheckedReply(r.data(), r.size()), Frame::UncheckedReply::EncodedNotSuccess);
}

TEST(DeviceReplyBehaviour, NoiseIsTheSameEveryTimeAndNeverAnEndByte) {
    const Bytes noise = SimBytes("noise:5000");
    ASSERT_EQ(noise.size(), 5000u);
    EXPECT_EQ(std::count(noise.begin(), noise.end(), 0x03), 0);
    EXPECT_GT(std::set<std::uint8_t>(noise.begin(), noise.end()).size(), 200u);
    EXPECT_EQ(SimBytes("noise:5000"), noise);
    Bytes joined = SimByteList(nlohmann::json::array({"noise:20", "hex:03", "ab"}));
    EXPECT_EQ(joined.size(), 23u);
    EXPECT_EQ(Bytes(joined.begin(), joined.begin() + 20), Bytes(noise.begin(), noise.begin() + 20));
    EXPECT_EQ(joined[20], 0x03);
    EXPECT_EQ(joined[22], 'b');
    for (const char* bad : {"noise:", "noise:x", "noise:2000000"})
        EXPECT_ANY_THROW(SimBytes(std::string(bad))) << bad;
}

TEST(DeviceModule, ARequestHungUpOnAtOnceIsNotActedOn) {
    DeviceModule module = Module(R"({"variant": "basic", "behaviours": [
        {"on": "IF__SET", "times": 1, "hangup_after": 0, "reconnect_ms": 200}]})");
    WLAN_ADVANCED_CONFIG_INFO sent{};
    DeviceRecords::SetFieldText(sent.bySSID, "Sent");
    const Bytes request =
        DeviceRecords::ConfigurationFrame(sent, DeviceRecords::ConfigVariant::Basic, true, 'C');
    DeviceRequestReader reader;
    reader.Feed(request.data(), request.size());
    const auto taken = reader.Take();
    ASSERT_EQ(taken.size(), 1u);
    DeviceModule::Outcome outcome = module.Take(taken[0]);
    ASSERT_EQ(outcome.pieces.size(), 1u);
    EXPECT_TRUE(outcome.pieces[0].hangup);
    EXPECT_TRUE(outcome.pieces[0].bytes.empty());
    EXPECT_EQ(outcome.reconnectMs, 200);
    EXPECT_EQ(module.State()["sets"], 0);
    // The next one is taken.
    outcome = module.Take(taken[0]);
    EXPECT_EQ(module.State()["sets"], 1);
    EXPECT_FALSE(outcome.pieces.back().hangup);
}

TEST(DeviceModule, BadConfigurationsAreRefusedWithAReason) {
    const char* bad[] = {
        R"({"variant": "dual"})",
        R"({"record": {"bySSID": "0123456789012345678901234567890123"}})",
        R"({"record": {"byNoSuchField": 1}})",
        R"({"record": {"byIP": "300.1.1.1"}})",
        R"({"record": {"byPortNumber": 70000}})",
        R"({"system": {"mac": "02:00"}})",
        R"({"set_reply": "maybe"})",
        R"({"behaviours": [{"on": "SYS_REQ", "parts": 0}]})",
        R"({"behaviours": [{"on": "SYS_REQ", "reconnect_ms": 100}]})",
        R"({"behaviours": [{"on": "SYS_REQ", "reply": ["hex:0", "ab"]}]})",
        R"({"unknown": 1})",
        R"([1, 2])",
    };
    for (const char* text : bad)
        EXPECT_ANY_THROW(DeviceModule::SettingsFromJson(nlohmann::json::parse(text))) << text;
}

TEST(DeviceRecordFields, NamedFormRoundTripsEveryByte) {
    WLAN_ADVANCED_CONFIG_INFO record{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 2 ? 0x41 + i % 26 : i); // text-like and not
    // Text fields hold text up to their first zero only; fill them with text throughout.
    for (const auto& field : DeviceRecordFields::All())
        if (field.kind == DeviceRecordFields::Kind::Text)
            std::memset(bytes + field.offset, 'q', field.size);
    const nlohmann::json named = DeviceRecordJson::ToJson(record, true);
    WLAN_ADVANCED_CONFIG_INFO back{};
    std::string error;
    ASSERT_TRUE(DeviceRecordJson::FromJson(named, back, error)) << error;
    EXPECT_EQ(std::memcmp(&record, &back, sizeof record), 0);

    const nlohmann::json masked = DeviceRecordJson::ToJson(record, false);
    for (const char* secret : {"byPSK_Key", "byWEP_Key0", "szEAP_Password", "byUserPassword",
                               "szSNMPSetCommunity", "bySNMPGetCommunity", "szSNMPTrapCommunity"})
        EXPECT_EQ(masked[secret], "********") << secret;
    EXPECT_EQ(masked["bySSID"], named["bySSID"]);
}

} // namespace
