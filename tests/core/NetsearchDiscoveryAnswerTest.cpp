#include "netsearch/DiscoveryAnswer.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Datagram bytes whose record part counts 1, 2, 3, ... so that every copied offset is recognisable.
std::vector<std::uint8_t> Datagram(const std::string& header, size_t length, std::uint8_t mask0 = 0) {
    std::vector<std::uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i < header.size() ? header[i] : (i - header.size() + 1));
    const size_t maskOffset = header.size() + 27;
    if (maskOffset < length)
        bytes[maskOffset] = mask0;
    return bytes;
}

struct WiredCase {
    size_t length;
    std::string header;
    bool recognised;
    std::uint8_t http; // expected Http
};

void PrintTo(const WiredCase& c, std::ostream* out) {
    *out << c.length << " bytes \"" << c.header << "\"";
}

class WiredAnswers : public ::testing::TestWithParam<WiredCase> {};

TEST_P(WiredAnswers, CopyRecordBytesAndHttpOnlyFromLongerAnswers) {
    const WiredCase& c = GetParam();
    const auto bytes = Datagram(c.header, c.length);
    const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(bytes.data(), bytes.size(), 3);
    if (!c.recognised) {
        EXPECT_EQ(answer.kind, DiscoveryAnswerKind::None);
        return;
    }
    ASSERT_EQ(answer.kind, DiscoveryAnswerKind::Wired);
    const auto* record = reinterpret_cast<const std::uint8_t*>(&answer.ethernet);
    for (int offset = 0; offset < 26; ++offset)
        EXPECT_EQ(record[offset], offset + 1) << "offset " << offset;
    EXPECT_EQ(answer.ethernet.Http, c.http);
    EXPECT_EQ(answer.ethernet.byLocalNetworkInterface, 3);
}

INSTANTIATE_TEST_SUITE_P(NetsearchDiscoveryAnswer, WiredAnswers,
                         ::testing::Values(WiredCase{29, "IMIN", false, 0}, WiredCase{30, "IMIN", true, 0},
                                           WiredCase{31, "IMIN", true, 27}, WiredCase{100, "IMIN", true, 27},
                                           WiredCase{1024, "IMIN", true, 27}, WiredCase{31, "IMIM", false, 0},
                                           WiredCase{31, "imin", false, 0}, WiredCase{31, "FIND", false, 0}));

struct WirelessCase {
    size_t length;
    std::string header;
    std::uint8_t mask0;
    bool recognised;
    bool nameCopied;
};

void PrintTo(const WirelessCase& c, std::ostream* out) {
    *out << c.length << " bytes \"" << c.header.substr(0, 18) << "\" mask 0x" << std::hex << int{c.mask0};
}

class WirelessAnswers : public ::testing::TestWithParam<WirelessCase> {};

TEST_P(WirelessAnswers, CopyRecordBytesAndTheNameOnlyWithTheBitAndTheBytes) {
    const WirelessCase& c = GetParam();
    const auto bytes = Datagram(c.header, c.length, c.mask0);
    const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(bytes.data(), bytes.size(), 1);
    if (!c.recognised) {
        EXPECT_EQ(answer.kind, DiscoveryAnswerKind::None);
        return;
    }
    ASSERT_EQ(answer.kind, DiscoveryAnswerKind::Wireless);
    const auto* record = reinterpret_cast<const std::uint8_t*>(&answer.wlan);
    for (int offset = 0; offset < 27; ++offset)
        EXPECT_EQ(record[offset], offset + 1) << "offset " << offset;
    EXPECT_EQ(answer.wlan.Mask[0], c.mask0);
    EXPECT_EQ(answer.wlan.Mask[1], 29);
    EXPECT_EQ(answer.systemNameCopied, c.nameCopied);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(answer.wlan.SystemName[i], c.nameCopied ? 30 + i : 0) << "name byte " << i;
    EXPECT_EQ(answer.wlan.byLocalNetworkInterface, 1);
}

const std::string kReg = "__[I_F]__[REG_RSP]";

INSTANTIATE_TEST_SUITE_P(
    NetsearchDiscoveryAnswer, WirelessAnswers,
    ::testing::Values(WirelessCase{46, kReg, 0x80, false, false}, WirelessCase{47, kReg, 0x80, true, false},
                      WirelessCase{47, kReg, 0x00, true, false}, WirelessCase{110, kReg, 0x80, true, false},
                      WirelessCase{111, kReg, 0x80, true, true}, WirelessCase{111, kReg, 0x7F, true, false},
                      WirelessCase{1024, kReg, 0x91, true, true},
                      WirelessCase{111, "__[I_F]__[PRT_REG]", 0x80, false, false},
                      WirelessCase{111, "__[I_F]__[REG_RSQ]", 0x80, false, false}));

TEST(NetsearchDiscoveryAnswer, ShortAndEmptyInputIsNothing) {
    const std::uint8_t imin[] = {'I', 'M', 'I', 'N'};
    EXPECT_EQ(ClassifyDiscoveryAnswer(imin, 4, 0).kind, DiscoveryAnswerKind::None);
    EXPECT_EQ(ClassifyDiscoveryAnswer(imin, 0, 0).kind, DiscoveryAnswerKind::None);
    EXPECT_EQ(ClassifyDiscoveryAnswer(nullptr, 0, 0).kind, DiscoveryAnswerKind::None);
}

TEST(NetsearchDiscoveryAnswer, RandomBytesOfEveryLengthAreReadOnlyWithinTheBuffer) {
    // Each datagram lies in a heap block of exactly its length, so a read past it trips the address
    // sanitizer. The valid headers are planted in a share of them so that both copy paths run.
    std::mt19937 random(20240611);
    int wired = 0, wireless = 0;
    for (size_t length = 0; length <= 1024; ++length) {
        for (int round = 0; round < 4; ++round) {
            auto bytes = std::make_unique<std::uint8_t[]>(length ? length : 1);
            for (size_t i = 0; i < length; ++i)
                bytes[i] = static_cast<std::uint8_t>(random());
            if (round == 1 && length >= 4)
                std::memcpy(bytes.get(), "IMIN", 4);
            if (round >= 2 && length >= 18)
                std::memcpy(bytes.get(), kReg.data(), 18);
            const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(bytes.get(), length, 0);
            wired += answer.kind == DiscoveryAnswerKind::Wired;
            wireless += answer.kind == DiscoveryAnswerKind::Wireless;
            if (answer.kind == DiscoveryAnswerKind::Wired) {
                EXPECT_GE(length, 30u);
            }
            if (answer.kind == DiscoveryAnswerKind::Wireless) {
                EXPECT_GE(length, answer.systemNameCopied ? 111u : 47u);
            }
        }
    }
    EXPECT_EQ(wired, 1024 - 30 + 1);
    EXPECT_EQ(wireless, 2 * (1024 - 47 + 1));
}

} // namespace
