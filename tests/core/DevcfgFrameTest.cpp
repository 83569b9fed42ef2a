#include "devcfg/DeviceFrame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace DeviceFrame;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
    return std::string(bytes.begin() + from, bytes.begin() + from + count);
}

TEST(DevcfgFrame, SysReqFrameIsTheKnown44Bytes) {
    const std::vector<std::uint8_t> message = BuildMessage(kSysReq);
    ASSERT_EQ(message.size(), 20u);
    EXPECT_EQ(message[18], 0xDE);
    EXPECT_EQ(message[19], 0xFA);
    EXPECT_EQ(Checksum16(message.data(), message.size()), 0);

    const std::vector<std::uint8_t> frame = BuildFrame(kModeNormal, kSysReq);
    std::vector<std::uint8_t> expected = {0x1F, 'W', 'C'};
    const std::string hex = "5f5f5b495f465d5f5f5b5359535f5245515ddefa";
    expected.insert(expected.end(), hex.begin(), hex.end());
    expected.push_back(0x03);
    ASSERT_EQ(expected.size(), 44u);
    EXPECT_EQ(frame, expected);
}

TEST(DevcfgFrame, Crc32OfTheCheckString) {
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0x89A1897Fu);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

TEST(DevcfgFrame, CaNameSetHasAFillByteBeforeItsChecksum) {
    std::uint8_t name[kCertificateNameFieldSize] = {};
    std::memcpy(name, "ca.pem", 6);
    const std::vector<std::uint8_t> message = BuildCertificateNameSetMessage(kCertificateCA, name);
    ASSERT_EQ(message.size(), 52u); // 17 + 32 = 49, a fill byte, two checksum bytes
    EXPECT_EQ(Text(message, 0, 17), "__[I_F]__[CA_SET]");
    EXPECT_EQ(Text(message, 17, 6), "ca.pem");
    EXPECT_EQ(message[49], 0);
    EXPECT_EQ(Checksum16(message.data(), message.size()), 0);
    EXPECT_EQ(Frame(kModeNormal, message).size(), 108u);

    // The other types have 18-character headers: 50 bytes, no fill.
    EXPECT_EQ(BuildCertificateNameSetMessage(kCertificateClientKey, name).size(), 52u);
    EXPECT_EQ(Text(BuildCertificateNameSetMessage(kCertificateClientPEM, name), 0, 18), "__[I_F]__[PEM_SET]");
    EXPECT_TRUE(BuildCertificateNameSetMessage(3, name).empty());
}

TEST(DevcfgFrame, HeadersOfEachCertificateType) {
    struct Case {
        int type;
        std::string_view set, request, reply;
        std::uint8_t opcode;
    };
    const Case cases[] = {
        {0, "__[I_F]__[CA_SET]", "__[I_F]__[CA_REQ]", "__[I_F]__[CA_RSP]", 0x81},
        {1, "__[I_F]__[KEY_SET]", "__[I_F]__[KEY_REQ]", "__[I_F]__[KEY_RSP]", 0x82},
        {2, "__[I_F]__[PEM_SET]", "__[I_F]__[PEM_REQ]", "__[I_F]__[PEM_RSP]", 0x83},
        {-1, "", "", "", 0},
        {3, "", "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(CertificateNameSetHeader(c.type), c.set);
        EXPECT_EQ(CertificateNameRequestHeader(c.type), c.request);
        EXPECT_EQ(CertificateNameReplyHeader(c.type), c.reply);
        EXPECT_EQ(CertificateStartOpcode(c.type), c.opcode);
    }
}

TEST(DevcfgFrame, ChecksumOfAnOddCountTakesAZeroAfterTheData) {
    const std::uint8_t odd[] = {0x12, 0x34, 0x56};
    const std::uint8_t even[] = {0x12, 0x34, 0x56, 0x00};
    EXPECT_EQ(Checksum16(odd, 3), Checksum16(even, 4));
    EXPECT_EQ(Checksum16(odd, 3), static_cast<std::uint16_t>(~(0x1234 + 0x5600) & 0xFFFF));
    // The carries are folded back in.
    const std::uint8_t carry[] = {0xFF, 0xFF, 0x00, 0x02};
    EXPECT_EQ(Checksum16(carry, 4), static_cast<std::uint16_t>(~0x0002 & 0xFFFF));
}

TEST(DevcfgFrame, BuffersThatAreTooSmallBuildNothing) {
    const auto header = Bytes(kSysReq);
    std::uint8_t buffer[20];
    EXPECT_EQ(AddCheckSumData(buffer, 19, header.data(), header.size()), 0u);
    EXPECT_EQ(AddCheckSumData(buffer, 20, header.data(), header.size()), 20u);
    EXPECT_EQ(AddCheckSumDataCrc(buffer, 21, header.data(), header.size()), 0u);
    std::uint8_t frame[44];
    EXPECT_EQ(HexEncode(frame, 43, buffer, 20), 0u);
    EXPECT_EQ(HexEncode(frame, 44, buffer, 20), 44u);
    EXPECT_EQ(frame[43], 0x03);
    std::uint8_t decoded[19];
    EXPECT_EQ(HexDecode(frame, 44, decoded, 19), 0u);
}

TEST(DevcfgFrame, HexDecodeTakesTheWholeMessageAndIgnoresAnOddTrailingByte) {
    const std::vector<std::uint8_t> frame = BuildFrame(kModeReply, kIfSuc);
    const std::vector<std::uint8_t> message = HexDecode(frame.data(), frame.size());
    EXPECT_EQ(message, BuildMessage(kIfSuc));
    EXPECT_TRUE(HexDecode(frame.data(), 4).empty());
}

TEST(DevcfgFrame, ChunkMessageCarriesPositionAndSizeLowByteFirstAndACrc) {
    std::vector<std::uint8_t> data(500);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 13);
    const std::vector<std::uint8_t> chunk = BuildCertificateChunkMessage(false, 0x01020304, data.data(), 500);
    ASSERT_EQ(chunk.size(), 530u);
    EXPECT_EQ(Text(chunk, 0, 18), "__[I_F]__[FW_CERT]");
    EXPECT_EQ(std::vector<std::uint8_t>(chunk.begin() + 18, chunk.begin() + 26),
              (std::vector<std::uint8_t>{0x04, 0x03, 0x02, 0x01, 0xF4, 0x01, 0x00, 0x00}));
    EXPECT_EQ(std::vector<std::uint8_t>(chunk.begin() + 26, chunk.begin() + 526), data);
    const std::uint32_t crc = Crc32(chunk.data(), 526);
    EXPECT_EQ(
        std::vector<std::uint8_t>(chunk.begin() + 526, chunk.end()),
        (std::vector<std::uint8_t>{static_cast<std::uint8_t>(crc >> 24), static_cast<std::uint8_t>(crc >> 16),
                                   static_cast<std::uint8_t>(crc >> 8), static_cast<std::uint8_t>(crc)}));
    EXPECT_EQ(Frame(kModeNormal, chunk).size(), 1064u);

    const std::vector<std::uint8_t> last = BuildCertificateChunkMessage(true, 1000, data.data(), 1);
    ASSERT_EQ(last.size(), 31u); // no fill byte, even for an odd length
    EXPECT_EQ(Text(last, 0, 18), "__[I_F]__[CERTEND]");
    EXPECT_EQ(last[18], 0xE8);
    EXPECT_EQ(last[19], 0x03);
}

TEST(DevcfgFrame, RawCommandsAsTheyStand) {
    EXPECT_EQ(ConfigStartCommand('C'), (std::array<std::uint8_t, 7>{0x1F, 'W', 'C', 0x7F, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(ConfigStartCommand('N'), (std::array<std::uint8_t, 7>{0x1F, 'W', 'N', 0x7F, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(CertificateStartCommand('C', 0),
              (std::array<std::uint8_t, 7>{0x1F, 'W', 'C', 0x81, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(CertificateStartCommand('N', 1),
              (std::array<std::uint8_t, 7>{0x1F, 'W', 'N', 0x82, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(CertificateStartCommand('C', 2),
              (std::array<std::uint8_t, 7>{0x1F, 'W', 'C', 0x83, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(CertificateStartCommand('C', 5), (std::array<std::uint8_t, 7>{0x1F, 'W', 'C', 0, 0, 0, 0}));
    EXPECT_EQ(kFactoryResetQuery, (std::array<std::uint8_t, 4>{0x1F, 'W', 'Q', 0x00}));
    EXPECT_EQ(kFactoryReset, (std::array<std::uint8_t, 5>{0x1F, 'W', 'P', 0x03, 0x00}));
}

TEST(DevcfgFrame, StartReplies) {
    struct Case {
        std::vector<std::uint8_t> reply;
        StartReply expected;
    };
    const Case cases[] = {
        {{0x1F, 'W', 'M', 0x7F, 0x03}, StartReply::Accepted},
        {{0x1F, 'W', 'M', 0x7E, 0x03}, StartReply::Refused},
        {{0x1F, 'W', 'M', 0x7F, 0x03, 0x00, 0x03}, StartReply::Accepted}, // more bytes after the five
        {{0x1F, 'W', 'M', 0x03}, StartReply::Invalid},                    // fewer than five
        {{0x1F, 'W', 'C', 0x7F, 0x03}, StartReply::Invalid},              // another prefix
        {{0x1F, 'W', 'M', 0x7D, 0x03}, StartReply::Invalid},
        {{0x1F, 'W', 'M', 0x7F, 0x04}, StartReply::Invalid},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyStartReply(c.reply.data(), c.reply.size()), c.expected);

    const std::vector<std::uint8_t> strt = {0x1F, 'W', 'M', 'S', 'T', 'R', 'T', 0x03};
    EXPECT_TRUE(IsCertificateStartReply(strt.data(), 8));
    EXPECT_FALSE(IsCertificateStartReply(strt.data(), 7));
    const std::vector<std::uint8_t> other = {0x1F, 'W', 'M', 'S', 'T', 'O', 'P', 0x03};
    EXPECT_FALSE(IsCertificateStartReply(other.data(), 8));
}

TEST(DevcfgFrame, FactoryResetQueryReplies) {
    struct Case {
        std::string reply;
        bool supported;
        bool containsOk;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"x_OK\0"s, true, true},          {"_OK\0"s, true, true},
        {"_OK\0 and _abc"s, false, true}, // the last '_' with three bytes after it decides
        {"_OK\0_ab"s, true, true},        // a '_' without three bytes after it is not looked at
        {"_OK"s, false, false},           {"_OKx"s, false, false},
        {"OK\0\0"s, false, false},        {"abc"s, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        const auto bytes = Bytes(c.reply);
        EXPECT_EQ(IsFactoryResetSupportedReply(bytes.data(), bytes.size()), c.supported);
        EXPECT_EQ(ContainsOkReply(bytes.data(), bytes.size()), c.containsOk);
    }
}

TEST(DevcfgFrame, ParseFrameChecksInOrder) {
    const std::vector<std::uint8_t> good = BuildFrame(kModeReply, kIfSuc);
    ParsedFrame parsed = ParseFrame(good.data(), good.size(), 40);
    EXPECT_EQ(parsed.check, FrameCheck::Ok);
    EXPECT_TRUE(parsed.HasHeader(kIfSuc));
    EXPECT_EQ(parsed.SizeAfter(kIfSuc), 2u);

    EXPECT_EQ(ParseFrame(good.data(), 0).check, FrameCheck::NoEndByte);
    EXPECT_EQ(ParseFrame(good.data(), good.size() - 1).check, FrameCheck::NoEndByte);
    EXPECT_EQ(ParseFrame(good.data(), good.size(), good.size() + 1).check, FrameCheck::TooShort);

    std::vector<std::uint8_t> corrupt = good;
    corrupt[corrupt.size() - 2] = corrupt[corrupt.size() - 2] == '0' ? '1' : '0';
    EXPECT_EQ(ParseFrame(corrupt.data(), corrupt.size()).check, FrameCheck::ChecksumFailed);

    std::vector<std::uint8_t> upper = good; // "5f" → "5F": the hex text is lower case only
    upper[4] = 'F';
    EXPECT_EQ(ParseFrame(upper.data(), upper.size()).check, FrameCheck::ChecksumFailed);

    const std::vector<std::uint8_t> fail = BuildFrame(kModeReply, kFail);
    EXPECT_EQ(ParseFrame(fail.data(), fail.size()).check, FrameCheck::FirmwareFail);

    // The prefix is not compared.
    const std::vector<std::uint8_t> request = BuildFrame(kModeNormal, kIfGet);
    EXPECT_TRUE(ParseFrame(request.data(), request.size()).HasHeader(kIfGet));

    const std::uint8_t lone[] = {0x03};
    EXPECT_EQ(ParseFrame(lone, 1).check, FrameCheck::ChecksumFailed);
}

TEST(DevcfgFrame, UncheckedRepliesOfChunksAndNameSets) {
    auto unencoded = [](std::string_view header, std::uint8_t mode = 'M') {
        std::vector<std::uint8_t> reply(header.size() + 4);
        reply[0] = 0x1F;
        reply[1] = 'W';
        reply[2] = mode;
        std::memcpy(reply.data() + 3, header.data(), header.size());
        reply.back() = 0x03;
        return reply;
    };
    struct Case {
        std::string name;
        std::vector<std::uint8_t> reply;
        UncheckedReply expected;
    };
    std::vector<std::uint8_t> badChecksum = BuildFrame(kModeReply, kIfSuc);
    badChecksum[badChecksum.size() - 2] ^= 1; // no checksum test on these replies
    std::vector<std::uint8_t> tooShort = unencoded(kIfSuc);
    tooShort.pop_back();
    const Case cases[] = {
        {"encoded success", BuildFrame(kModeReply, kIfSuc), UncheckedReply::Success},
        {"encoded success, bad checksum", badChecksum, UncheckedReply::Success},
        {"encoded fail", BuildFrame(kModeReply, kFail), UncheckedReply::EncodedNotSuccess},
        {"unencoded success", unencoded(kIfSuc), UncheckedReply::Success},
        {"unencoded fail", unencoded(kFail), UncheckedReply::UnencodedNotSuccess},
        {"unencoded other prefix", unencoded(kIfSuc, 'C'), UncheckedReply::PrefixDifferent},
        {"21 bytes", tooShort, UncheckedReply::TooShort},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClassifyUncheckedReply(c.reply.data(), c.reply.size()), c.expected);
    }
}

} // namespace
