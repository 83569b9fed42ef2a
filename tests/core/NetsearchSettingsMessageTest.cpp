#include "netsearch/IpSettingsRules.h"
#include "netsearch/SettingConfirmation.h"
#include "netsearch/SettingsMessage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

ETHERNET_INFO WiredRecord() {
    ETHERNET_INFO r{};
    const std::uint8_t mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::memcpy(r.MacAddr, mac, 6);
    const std::uint8_t ip[4] = {192, 0, 2, 10}, mask[4] = {255, 255, 255, 0}, gw[4] = {192, 0, 2, 254};
    std::memcpy(r.Ip, ip, 4);
    std::memcpy(r.Subnet, mask, 4);
    std::memcpy(r.Gateway, gw, 4);
    r.Port[0] = 9100 >> 8;
    r.Port[1] = 9100 % 256;
    r.Baudrate = 7;
    r.FwVer[0] = 2;
    r.FwVer[1] = 15;
    r.Dhcp = 0;
    r.I_activeTime[0] = 300 >> 8;
    r.I_activeTime[1] = 300 % 256;
    r.Http = 1;
    r.byLocalNetworkInterface = 4;
    return r;
}

WLAN_INFO WirelessRecord(std::uint8_t mask0) {
    WLAN_INFO r{};
    const ETHERNET_INFO wired = WiredRecord();
    std::memcpy(&r, &wired, 27);
    r.Mask[0] = mask0;
    r.Mask[1] = 0x42;
    std::memcpy(r.SystemName, "Shelf-7", 7);
    r.byLocalNetworkInterface = 2;
    return r;
}

TEST(NetsearchSettingsMessage, WiredMessageIsTheHeaderAndRecordOffsetsZeroToTwentyFive) {
    const std::vector<std::uint8_t> expected = {'S',  'E',  'T',  'T',  0x00,
                                                0x1A, 0x2B, 0x3C, 0x4D, 0x5E, // header, MacAddr
                                                192,  0,    2,    10,         // Ip
                                                255,  255,  255,  0,          // Subnet
                                                192,  0,    2,    254,        // Gateway
                                                0x23, 0x8C,                   // Port 9100
                                                7,    2,    15,               // Baudrate, FwVer
                                                0,                            // Dhcp
                                                0x01, 0x2C}; // I_activeTime 300; no Http, no interface
    EXPECT_EQ(BuildWiredSettingsMessage(WiredRecord()), expected);
}

TEST(NetsearchSettingsMessage, WirelessMessageCarriesTheNameOnlyWithBit0x80) {
    struct Case {
        std::uint8_t mask0;
        size_t length;
    };
    for (const Case c : {Case{0x80, 112}, Case{0x91, 112}, Case{0x11, 48}, Case{0x00, 48}}) {
        const WLAN_INFO record = WirelessRecord(c.mask0);
        const auto message = BuildWirelessSettingsMessage(record);
        ASSERT_EQ(message.size(), c.length) << int(c.mask0);
        EXPECT_EQ(std::string(message.begin(), message.begin() + 18), "__[I_F]__[PRT_SET]");
        EXPECT_EQ(std::memcmp(message.data() + 18, &record, 29), 0);
        EXPECT_EQ(message[36], 0x23);
        EXPECT_EQ(message[37], 0x8C);
        EXPECT_EQ(message[42], 0x01);
        EXPECT_EQ(message[43], 0x2C);
        EXPECT_EQ(message[44], 1); // Http as discovered
        EXPECT_EQ(message[45], c.mask0);
        EXPECT_EQ(message[46], 0x42);
        if (c.length == 112) {
            EXPECT_EQ(std::memcmp(message.data() + 47, record.SystemName, 64), 0);
        }
        EXPECT_EQ(message.back(), 0) << "closing zero";
    }
}

std::vector<std::uint8_t> Field(std::string_view name) {
    std::uint8_t field[64];
    std::memset(field, 0xEE, sizeof field);
    EncodeSystemName(name, field);
    return std::vector<std::uint8_t>(field, field + 64);
}

std::vector<std::uint8_t> Padded(std::string_view text) {
    std::vector<std::uint8_t> out(64, 0);
    std::memcpy(out.data(), text.data(), text.size());
    return out;
}

TEST(NetsearchSettingsMessage, SystemNameFieldIsTrimmedCutOnACharacterAndZeroFilled) {
    const std::string sixtyFour(64, 'n');
    // 31 two-byte characters fill 62 bytes; a third byte of a 3-byte character does not fit after "ab".
    std::string umlauts;
    for (int i = 0; i < 31; ++i)
        umlauts += "\xC3\xA4"; // U+00E4
    const std::string euroCut = umlauts + "\xE2\x82\xAC";

    struct Case {
        std::string name;
        std::vector<std::uint8_t> field;
    };
    const Case cases[] = {
        {"", Padded("")},
        {"      ", Padded("")},
        {" \t Shelf 7 \r\n", Padded("Shelf 7")},
        {sixtyFour, Padded(sixtyFour)}, // fills all 64 bytes: no terminating zero
        {sixtyFour + "xyz", Padded(sixtyFour)},
        {"  " + sixtyFour + "  ", Padded(sixtyFour)},
        {euroCut, Padded(umlauts)},                               // 62 + 3 bytes: the euro sign does not fit
        {"a" + umlauts + "b", Padded("a" + umlauts + "b")},       // exactly 64
        {"abc" + umlauts, Padded("abc" + umlauts.substr(0, 60))}, // 63 bytes kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(Field(c.name), c.field) << '"' << c.name << '"';
}

TEST(NetsearchSettingsMessage, ForbiddenPortsAndUnusableAddresses) {
    for (unsigned port : {21u, 23u, 25u, 80u, 443u, 3318u})
        EXPECT_TRUE(IsForbiddenPort(port)) << port;
    for (unsigned port : {0u, 20u, 22u, 24u, 79u, 81u, 442u, 444u, 3317u, 3319u, 9100u, kMaxPortNumber})
        EXPECT_FALSE(IsForbiddenPort(port)) << port;
    EXPECT_EQ(kMaxPortNumber, 32767u);
    EXPECT_EQ(kMaxInactiveTime, 3600u);

    const std::uint8_t zero[4] = {0, 0, 0, 0}, ones[4] = {255, 255, 255, 255};
    EXPECT_TRUE(IsUnusableManualAddress(zero));
    EXPECT_TRUE(IsUnusableManualAddress(ones));
    for (const auto& ip : {std::vector<std::uint8_t>{0, 0, 0, 1},
                           {255, 255, 255, 254},
                           {192, 0, 2, 255},
                           {0, 255, 255, 255},
                           {127, 0, 0, 1}})
        EXPECT_FALSE(IsUnusableManualAddress(ip.data()));
}

TEST(NetsearchSettingsMessage, MasksSubnetEdgesAndGateways) {
    using A = std::array<std::uint8_t, 4>;
    struct MaskCase {
        A mask;
        bool contiguous;
    };
    for (const MaskCase& c : {MaskCase{{255, 255, 255, 0}, true},
                              {{255, 255, 255, 255}, true},
                              {{128, 0, 0, 0}, true},
                              {{255, 255, 254, 0}, true},
                              {{0, 0, 0, 0}, false},
                              {{255, 0, 255, 0}, false},
                              {{255, 255, 255, 1}, false},
                              {{0, 255, 255, 255}, false}})
        EXPECT_EQ(IsContiguousSubnetMask(c.mask.data()), c.contiguous)
            << int(c.mask[0]) << '.' << int(c.mask[1]) << '.' << int(c.mask[2]) << '.' << int(c.mask[3]);

    struct EdgeCase {
        A ip, mask;
        bool edge;
    };
    for (const EdgeCase& c : {EdgeCase{{192, 0, 2, 0}, {255, 255, 255, 0}, true},
                              {{192, 0, 2, 255}, {255, 255, 255, 0}, true},
                              {{192, 0, 2, 1}, {255, 255, 255, 0}, false},
                              {{192, 0, 3, 255}, {255, 255, 254, 0}, true},
                              {{192, 0, 2, 255}, {255, 255, 254, 0}, false},
                              {{192, 0, 2, 4}, {255, 255, 255, 254}, false}, // /31: both addresses are hosts
                              {{192, 0, 2, 4}, {255, 255, 255, 255}, false}})
        EXPECT_EQ(IsNetworkOrBroadcastAddress(c.ip.data(), c.mask.data()), c.edge) << int(c.ip[3]);

    const A ip{192, 0, 2, 10}, mask{255, 255, 255, 0};
    EXPECT_FALSE(IsGatewayOutsideSubnet(ip.data(), mask.data(), A{192, 0, 2, 1}.data()));
    EXPECT_FALSE(IsGatewayOutsideSubnet(ip.data(), mask.data(), A{0, 0, 0, 0}.data())); // no gateway
    EXPECT_TRUE(IsGatewayOutsideSubnet(ip.data(), mask.data(), A{192, 0, 3, 1}.data()));
    EXPECT_TRUE(IsGatewayOutsideSubnet(ip.data(), mask.data(), A{198, 51, 100, 1}.data()));
}

TEST(NetsearchSettingsMessage, ConfirmationsByLengthAndHeader) {
    struct Case {
        std::string datagram;
        SettingConfirmation expected;
    };
    const std::string setRsp = "__[I_F]__[SET_RSP]";
    const Case cases[] = {
        {"SET", SettingConfirmation::None},
        {"SETC", SettingConfirmation::CompleteShort},
        {"SETC" + std::string(13, 'x'), SettingConfirmation::CompleteShort}, // 17 bytes
        {"SETC" + std::string(14, 'x'), SettingConfirmation::CompleteLong},  // 18 bytes
        {setRsp, SettingConfirmation::SetResponse},
        {setRsp + "tail", SettingConfirmation::SetResponse},
        {setRsp.substr(0, 17), SettingConfirmation::None},
        {"SETT" + std::string(26, 0), SettingConfirmation::None},
        {"setc", SettingConfirmation::None},
        {"", SettingConfirmation::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifySettingConfirmation(reinterpret_cast<const std::uint8_t*>(c.datagram.data()),
                                              c.datagram.size()),
                  c.expected)
            << c.datagram.size() << " bytes: " << c.datagram;
}

} // namespace
